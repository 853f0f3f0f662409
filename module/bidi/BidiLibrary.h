// CBidiLibrary: owns the loaded communication library for the lifetime of one object and runs
// the two exchanges the module needs, each over a fresh channel object: reading the printer's
// device-ID text and fetching the status reply of one channel. Loading and initialising happen
// in the constructor, releasing and unloading in the destructor.
#pragma once

#include "BidiApi.h"
#include "classlib/String.h"

class CBidiChannel;

class CBidiLibrary
{
public:
    // Loads BIDI_LIBRARY_NAME by its bare name and initialises it. Never fails: the outcome is
    // in m_bInitialized and m_nError.
    CBidiLibrary();
    CBidiLibrary(const CBidiLibrary&) = delete;
    CBidiLibrary& operator=(const CBidiLibrary&) = delete;
    // Releases the library when it was initialised, frees the reply and unloads the library.
    virtual ~CBidiLibrary();

    // TRUE when the printer's device-ID text was read into strDeviceId. After a failure of the
    // library strDeviceId is empty; when the object is not initialised nothing is touched.
    BOOL ReadDeviceId(LPCSTR pszPrinterName, CString& strDeviceId);
    // TRUE when the status reply of channel dwChannelId now stands in m_pReply/m_cbReply.
    BOOL ReadStatus(LPCSTR pszPrinterName, DWORD dwChannelId);
    // The same two exchanges over a CBidiAltChannel instead of a CBidiPrinterChannel.
    BOOL ReadDeviceIdAlt(LPCSTR pszPrinterName, CString& strDeviceId);
    BOOL ReadStatusAlt(LPCSTR pszPrinterName, DWORD dwChannelId);

    // The status exchange over a channel: list, choose, open, fetch, keep a copy, close.
    BOOL ExchangeStatus(CBidiChannel& channel, LPCSTR pszPrinterName, DWORD dwChannelId);

    // Read directly by the status query.
    BYTE* m_pReply;    // copy of the last status reply fetched, owned; null = none
    DWORD m_cbReply;   // bytes in m_pReply
    int m_nError;      // code of the last failure; 0 = none
    LONG m_nLibResult; // negative result behind the last failure; 0 when it had none
    HMODULE m_hLibrary;
    BOOL m_bInitialized; // KWInitialize was called and did not answer KW_ERR_NOT_INITIALIZED
    PFN_KWINITIALIZE m_pfnInitialize;
    PFN_KWRELEASE m_pfnRelease;

private:
    template <class Channel> BOOL ReadDeviceIdOver(LPCSTR pszPrinterName, CString& strDeviceId);
    template <class Channel> BOOL ReadStatusOver(LPCSTR pszPrinterName, DWORD dwChannelId);
    BOOL Fail(const CBidiChannel& channel, LONG nResult);
    void FreeReply();
};
