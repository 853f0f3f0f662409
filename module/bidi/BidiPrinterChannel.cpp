#include "BidiPrinterChannel.h"

LONG CBidiPrinterChannel::GetDeviceID(LPCSTR pszPrinterName)
{
    return DoGetDeviceID(BIDI_SELECTOR_PRINTER, pszPrinterName);
}

LONG CBidiPrinterChannel::OpenChannel(LPCSTR pszPrinterName, DWORD dwChannelId)
{
    return DoOpenChannel(BIDI_SELECTOR_PRINTER, pszPrinterName, dwChannelId);
}

LONG CBidiPrinterChannel::GetAvailableChannel(LPCSTR pszPrinterName)
{
    return DoGetAvailableChannel(BIDI_SELECTOR_PRINTER, pszPrinterName);
}
