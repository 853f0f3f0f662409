#include "BidiLibrary.h"
#include "BidiAltChannel.h"
#include "BidiError.h"
#include "BidiPrinterChannel.h"
#include "classlib/AfxMemory.h"

#include <cstring>
#include <memory>

CBidiLibrary::CBidiLibrary()
    : m_pReply(nullptr), m_cbReply(0), m_nError(BIDI_ERROR_NONE), m_nLibResult(0),
      m_hLibrary(LoadLibraryExA(BIDI_LIBRARY_NAME, nullptr, 0)), m_bInitialized(FALSE),
      m_pfnInitialize(nullptr), m_pfnRelease(nullptr)
{
    if (m_hLibrary == nullptr)
    {
        m_nError = BIDI_ERROR_LOAD_LIBRARY;
        return;
    }
    if (!BidiResolve(m_hLibrary, "KWInitialize", m_pfnInitialize))
    {
        m_nError = BIDI_ERROR_NO_KWINITIALIZE;
        return;
    }
    if (!BidiResolve(m_hLibrary, "KWRelease", m_pfnRelease))
    {
        m_nError = BIDI_ERROR_NO_KWRELEASE;
        return;
    }
    // Only KW_ERR_NOT_INITIALIZED fails; other negative results count as success.
    if (m_pfnInitialize() != KW_ERR_NOT_INITIALIZED)
    {
        m_bInitialized = TRUE;
    }
}

CBidiLibrary::~CBidiLibrary()
{
    if (m_bInitialized)
    {
        m_pfnRelease();
        m_bInitialized = FALSE;
    }
    FreeReply();
    if (m_hLibrary != nullptr)
    {
        FreeLibrary(m_hLibrary);
        m_hLibrary = nullptr;
    }
}

BOOL CBidiLibrary::ReadDeviceId(LPCSTR pszPrinterName, CString& strDeviceId)
{
    return ReadDeviceIdOver<CBidiPrinterChannel>(pszPrinterName, strDeviceId);
}

BOOL CBidiLibrary::ReadStatus(LPCSTR pszPrinterName, DWORD dwChannelId)
{
    return ReadStatusOver<CBidiPrinterChannel>(pszPrinterName, dwChannelId);
}

BOOL CBidiLibrary::ReadDeviceIdAlt(LPCSTR pszPrinterName, CString& strDeviceId)
{
    return ReadDeviceIdOver<CBidiAltChannel>(pszPrinterName, strDeviceId);
}

BOOL CBidiLibrary::ReadStatusAlt(LPCSTR pszPrinterName, DWORD dwChannelId)
{
    return ReadStatusOver<CBidiAltChannel>(pszPrinterName, dwChannelId);
}

template <class Channel>
BOOL CBidiLibrary::ReadDeviceIdOver(LPCSTR pszPrinterName, CString& strDeviceId)
{
    if (!m_bInitialized)
    {
        return FALSE;
    }
    m_nError = BIDI_ERROR_NONE;
    m_nLibResult = 0;
    std::unique_ptr<CBidiChannel> pChannel(new Channel(m_hLibrary));
    const LONG r = pChannel->GetDeviceID(pszPrinterName);
    const BOOL bRead = r < 0 ? Fail(*pChannel, r) : TRUE;
    // A failed read leaves the channel's text empty, and so the caller's.
    strDeviceId = pChannel->m_strDeviceId;
    return bRead;
}

template <class Channel> BOOL CBidiLibrary::ReadStatusOver(LPCSTR pszPrinterName, DWORD dwChannelId)
{
    if (!m_bInitialized)
    {
        return FALSE;
    }
    m_nError = BIDI_ERROR_NONE;
    m_nLibResult = 0;
    // Destroying the channel closes what a failure left open.
    std::unique_ptr<CBidiChannel> pChannel(new Channel(m_hLibrary));
    return ExchangeStatus(*pChannel, pszPrinterName, dwChannelId);
}

BOOL CBidiLibrary::ExchangeStatus(CBidiChannel& channel, LPCSTR pszPrinterName, DWORD dwChannelId)
{
    LONG r = channel.GetAvailableChannel(pszPrinterName);
    if (r < 0)
    {
        return Fail(channel, r);
    }
    // Only the first entry with the identifier counts, usable or not.
    const BIDI_CHANNEL_ENTRY* pEntry = nullptr;
    for (int i = 0; i < channel.m_nChannels && pEntry == nullptr; ++i)
    {
        if (channel.m_pChannels[i].dwChannelId == dwChannelId)
        {
            pEntry = &channel.m_pChannels[i];
        }
    }
    if (pEntry == nullptr || (pEntry->wFlags & BIDI_CHANNEL_USABLE) == 0)
    {
        m_nError = BIDI_ERROR_CHANNEL_NOT_OFFERED;
        return FALSE;
    }
    r = channel.OpenChannel(pszPrinterName, dwChannelId);
    if (r < 0)
    {
        return Fail(channel, r);
    }
    r = channel.GetStatus();
    if (r < 0)
    {
        return Fail(channel, r);
    }
    FreeReply();
    m_pReply = static_cast<BYTE*>(AfxAlloc(channel.m_cbStatus));
    std::memcpy(m_pReply, channel.m_pStatus, channel.m_cbStatus);
    m_cbReply = channel.m_cbStatus;
    // A failed close fails the exchange, but the reply just fetched stays.
    r = channel.CloseChannel();
    if (r < 0)
    {
        return Fail(channel, r);
    }
    return TRUE;
}

BOOL CBidiLibrary::Fail(const CBidiChannel& channel, LONG nResult)
{
    m_nError = channel.m_nError;
    m_nLibResult = nResult;
    return FALSE;
}

void CBidiLibrary::FreeReply()
{
    AfxFree(m_pReply);
    m_pReply = nullptr;
    m_cbReply = 0;
}
