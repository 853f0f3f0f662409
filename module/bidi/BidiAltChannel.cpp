#include "BidiAltChannel.h"

LONG CBidiAltChannel::GetDeviceID(LPCSTR pszPrinterName)
{
    return DoGetDeviceID(BIDI_SELECTOR_ALT, pszPrinterName);
}

LONG CBidiAltChannel::OpenChannel(LPCSTR pszPrinterName, DWORD dwChannelId)
{
    return DoOpenChannel(BIDI_SELECTOR_ALT, pszPrinterName, dwChannelId);
}

LONG CBidiAltChannel::GetAvailableChannel(LPCSTR pszPrinterName)
{
    return DoGetAvailableChannel(BIDI_SELECTOR_ALT, pszPrinterName);
}
