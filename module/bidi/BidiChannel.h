// CBidiChannel: one conversation with one printer through the communication library. It holds
// its own table of the library's functions, the printer's device-ID text, the list of channels
// the printer offers, at most one open channel and the status reply fetched from it. The
// concrete classes differ only in the selector they pass with the printer name.
#pragma once

#include "BidiApi.h"
#include "classlib/String.h"

#include <cstddef>

class CBidiChannel
{
public:
    // Resolves the library's functions in table order and stops at the first one missing, whose
    // code is then in m_nError; the functions after it stay unresolved. Never fails otherwise.
    explicit CBidiChannel(HMODULE hLibrary);
    CBidiChannel(const CBidiChannel&) = delete;
    CBidiChannel& operator=(const CBidiChannel&) = delete;
    // Frees the list and the reply and closes a channel left open.
    virtual ~CBidiChannel();

    virtual LONG GetDeviceID(LPCSTR pszPrinterName) = 0;
    virtual LONG OpenChannel(LPCSTR pszPrinterName, DWORD dwChannelId) = 0;
    virtual LONG GetAvailableChannel(LPCSTR pszPrinterName) = 0;

    // Each returns the signed result of the library call that decided it; negative is failure,
    // with the operation's code in m_nError (the code of its function when that is unresolved).
    LONG DoGetDeviceID(DWORD dwSelector, LPCSTR pszPrinterName);
    LONG DoOpenChannel(DWORD dwSelector, LPCSTR pszPrinterName, DWORD dwChannelId);
    LONG DoGetAvailableChannel(DWORD dwSelector, LPCSTR pszPrinterName);
    LONG CloseChannel();
    LONG GetStatus();

    // Channel buffers come from the class library's allocator, as do the objects themselves.
    static void* operator new(size_t cb);
    static void operator delete(void* p);

    // Read directly by CBidiLibrary.
    CString m_strDeviceId;           // from the last successful DoGetDeviceID; empty at first
    BIDI_CHANNEL_ENTRY* m_pChannels; // from the last successful DoGetAvailableChannel, owned
    int m_nChannels;                 // entries in m_pChannels
    BYTE* m_pStatus;                 // from the last successful GetStatus, owned
    DWORD m_cbStatus;                // bytes in m_pStatus
    int m_nError;                    // code of the latest failure, never reset; 0 = none
    LONG m_hChannel;                 // the open channel; -1 = none

    PFN_KWGETDEVICEID m_pfnGetDeviceID;
    PFN_KWGETAVAILABLECHANNEL m_pfnGetAvailableChannel;
    PFN_KWOPENCHANNEL m_pfnOpenChannel;
    PFN_KWCLOSECHANNEL m_pfnCloseChannel;
    PFN_KWSEND m_pfnSend;
    PFN_KWRECEIVE m_pfnReceive;
    PFN_KWGETSTATUS m_pfnGetStatus;
    PFN_KWRECEIVECANCEL m_pfnReceiveCancel;
    PFN_KWSETOPTION m_pfnSetOption;
    PFN_KWGETOPTION m_pfnGetOption;

private:
    void FreeChannels();
    void FreeStatus();
    // Fails an operation without calling the library.
    LONG Unresolved(int nCode);
};
