// CBidiPrinterChannel: a channel object that passes the printer selector (1), the one every
// flow of the module uses.
#pragma once

#include "BidiChannel.h"

class CBidiPrinterChannel : public CBidiChannel
{
public:
    explicit CBidiPrinterChannel(HMODULE hLibrary) : CBidiChannel(hLibrary) {}

    LONG GetDeviceID(LPCSTR pszPrinterName) override;
    LONG OpenChannel(LPCSTR pszPrinterName, DWORD dwChannelId) override;
    LONG GetAvailableChannel(LPCSTR pszPrinterName) override;
};
