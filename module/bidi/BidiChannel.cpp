#include "BidiChannel.h"
#include "BidiError.h"
#include "classlib/AfxMemory.h"

#include <climits>
#include <cstring>

namespace
{
// A buffer of the class library's allocator, freed unless it is handed on.
class CLibraryBuffer
{
public:
    CLibraryBuffer() = default;
    CLibraryBuffer(const CLibraryBuffer&) = delete;
    CLibraryBuffer& operator=(const CLibraryBuffer&) = delete;
    ~CLibraryBuffer() { AfxFree(m_pData); }

    void Allocate(DWORD cb)
    {
        m_pData = static_cast<BYTE*>(AfxAlloc(cb));
        m_cb = cb;
    }
    BYTE* Get() const { return m_pData; }
    DWORD Size() const { return m_cb; }
    BYTE* Detach()
    {
        BYTE* p = m_pData;
        m_pData = nullptr;
        return p;
    }

private:
    BYTE* m_pData = nullptr;
    DWORD m_cb = 0;
};

// The size protocol: a size query with no buffer and a count of 0, then, unless it failed (a
// negative result other than KW_ERR_BUFFER_SIZE), a fetch into a buffer of the size asked for.
// Returns the deciding result; on success the buffer holds the fetched data and *pcbCount the
// count that the fetch left, which may disagree with the buffer's size.
template <class Call> LONG RunSizeProtocol(Call call, CLibraryBuffer& buffer, DWORD* pcbCount)
{
    DWORD cb = 0;
    LONG r = call(nullptr, &cb);
    if (r < 0 && r != KW_ERR_BUFFER_SIZE)
    {
        return r;
    }
    buffer.Allocate(cb);
    r = call(buffer.Get(), &cb);
    *pcbCount = cb;
    return r;
}
} // namespace

CBidiChannel::CBidiChannel(HMODULE hLibrary)
    : m_pChannels(nullptr), m_nChannels(0), m_pStatus(nullptr), m_cbStatus(0),
      m_nError(BIDI_ERROR_NONE), m_hChannel(-1), m_pfnGetDeviceID(nullptr),
      m_pfnGetAvailableChannel(nullptr), m_pfnOpenChannel(nullptr), m_pfnCloseChannel(nullptr),
      m_pfnSend(nullptr), m_pfnReceive(nullptr), m_pfnGetStatus(nullptr),
      m_pfnReceiveCancel(nullptr), m_pfnSetOption(nullptr), m_pfnGetOption(nullptr)
{
    auto resolve = [&](auto& pfn, LPCSTR pszName, int nCode)
    {
        if (BidiResolve(hLibrary, pszName, pfn))
        {
            return true;
        }
        m_nError = nCode;
        return false;
    };
    resolve(m_pfnGetDeviceID, "KWGetDeviceID", BIDI_ERROR_NO_KWGETDEVICEID) &&
        resolve(m_pfnGetAvailableChannel, "KWGetAvailableChannel",
                BIDI_ERROR_NO_KWGETAVAILABLECHANNEL) &&
        resolve(m_pfnOpenChannel, "KWOpenChannel", BIDI_ERROR_NO_KWOPENCHANNEL) &&
        resolve(m_pfnCloseChannel, "KWCloseChannel", BIDI_ERROR_NO_KWCLOSECHANNEL) &&
        resolve(m_pfnSend, "KWSend", BIDI_ERROR_NO_KWSEND) &&
        resolve(m_pfnReceive, "KWReceive", BIDI_ERROR_NO_KWRECEIVE) &&
        resolve(m_pfnGetStatus, "KWGetStatus", BIDI_ERROR_NO_KWGETSTATUS) &&
        resolve(m_pfnReceiveCancel, "KWReceiveCancel", BIDI_ERROR_NO_KWRECEIVECANCEL) &&
        resolve(m_pfnSetOption, "KWSetOption", BIDI_ERROR_NO_KWSETOPTION) &&
        resolve(m_pfnGetOption, "KWGetOption", BIDI_ERROR_NO_KWGETOPTION);
}

CBidiChannel::~CBidiChannel()
{
    FreeChannels();
    FreeStatus();
    CloseChannel();
}

void* CBidiChannel::operator new(size_t cb)
{
    return AfxAlloc(cb);
}

void CBidiChannel::operator delete(void* p)
{
    AfxFree(p);
}

LONG CBidiChannel::DoGetDeviceID(DWORD dwSelector, LPCSTR pszPrinterName)
{
    if (m_pfnGetDeviceID == nullptr)
    {
        return Unresolved(BIDI_ERROR_NO_KWGETDEVICEID);
    }
    CLibraryBuffer buffer;
    DWORD cbCount = 0;
    const LONG r =
        RunSizeProtocol([&](LPBYTE pBuffer, LPDWORD pcb)
                        { return m_pfnGetDeviceID(dwSelector, pszPrinterName, pBuffer, pcb); },
                        buffer, &cbCount);
    if (r < 0)
    {
        m_nError = BIDI_ERROR_GET_DEVICE_ID;
        return r;
    }
    // The text ends at its first NUL, and at the buffer's end when the library wrote none.
    const DWORD cbLimit = buffer.Size() < static_cast<DWORD>(INT_MAX) ? buffer.Size() : INT_MAX;
    const void* pNul = std::memchr(buffer.Get(), 0, cbLimit);
    const DWORD cch =
        pNul ? static_cast<DWORD>(static_cast<const BYTE*>(pNul) - buffer.Get()) : cbLimit;
    m_strDeviceId = CString(reinterpret_cast<LPCSTR>(buffer.Get()), static_cast<int>(cch));
    return r;
}

LONG CBidiChannel::DoOpenChannel(DWORD dwSelector, LPCSTR pszPrinterName, DWORD dwChannelId)
{
    LONG r = CloseChannel();
    if (r < 0)
    {
        return r;
    }
    if (m_pfnOpenChannel == nullptr)
    {
        return Unresolved(BIDI_ERROR_NO_KWOPENCHANNEL);
    }
    r = m_pfnOpenChannel(dwSelector, pszPrinterName, dwChannelId);
    if (r < 0)
    {
        m_nError = BIDI_ERROR_OPEN_CHANNEL;
        return r;
    }
    m_hChannel = r;
    return r;
}

LONG CBidiChannel::DoGetAvailableChannel(DWORD dwSelector, LPCSTR pszPrinterName)
{
    FreeChannels();
    if (m_pfnGetAvailableChannel == nullptr)
    {
        return Unresolved(BIDI_ERROR_NO_KWGETAVAILABLECHANNEL);
    }
    CLibraryBuffer buffer;
    DWORD cbCount = 0;
    const LONG r = RunSizeProtocol(
        [&](LPBYTE pBuffer, LPDWORD pcb)
        { return m_pfnGetAvailableChannel(dwSelector, pszPrinterName, pBuffer, pcb); },
        buffer, &cbCount);
    if (r < 0)
    {
        m_nError = BIDI_ERROR_GET_AVAILABLE_CHANNEL;
        return r;
    }
    // The result is the number of entries; never more than the buffer holds.
    const DWORD nFit = buffer.Size() / sizeof(BIDI_CHANNEL_ENTRY);
    m_nChannels = static_cast<DWORD>(r) < nFit ? static_cast<int>(r) : static_cast<int>(nFit);
    m_pChannels = reinterpret_cast<BIDI_CHANNEL_ENTRY*>(buffer.Detach());
    return r;
}

LONG CBidiChannel::CloseChannel()
{
    if (m_hChannel < 0)
    {
        return 0;
    }
    LONG r;
    if (m_pfnCloseChannel == nullptr)
    {
        r = Unresolved(BIDI_ERROR_NO_KWCLOSECHANNEL);
    }
    else
    {
        r = m_pfnCloseChannel(m_hChannel);
        if (r < 0)
        {
            m_nError = BIDI_ERROR_CLOSE_CHANNEL;
        }
    }
    m_hChannel = -1;
    return r;
}

LONG CBidiChannel::GetStatus()
{
    FreeStatus();
    if (m_pfnGetStatus == nullptr)
    {
        return Unresolved(BIDI_ERROR_NO_KWGETSTATUS);
    }
    CLibraryBuffer buffer;
    DWORD cbCount = 0;
    const LONG r = RunSizeProtocol([&](LPBYTE pBuffer, LPDWORD pcb)
                                   { return m_pfnGetStatus(m_hChannel, pBuffer, pcb); },
                                   buffer, &cbCount);
    if (r < 0)
    {
        m_nError = BIDI_ERROR_GET_STATUS;
        return r;
    }
    // The count says how much of the buffer is reply; never more than was allocated.
    m_cbStatus = cbCount < buffer.Size() ? cbCount : buffer.Size();
    m_pStatus = buffer.Detach();
    return r;
}

void CBidiChannel::FreeChannels()
{
    AfxFree(m_pChannels);
    m_pChannels = nullptr;
    m_nChannels = 0;
}

void CBidiChannel::FreeStatus()
{
    AfxFree(m_pStatus);
    m_pStatus = nullptr;
    m_cbStatus = 0;
}

LONG CBidiChannel::Unresolved(int nCode)
{
    m_nError = nCode;
    return BIDI_RESULT_UNRESOLVED;
}
