// CBidiAltChannel: a channel object that passes the alternative selector (0). No flow of the
// module makes one; CBidiLibrary's Alt exchanges do.
#pragma once

#include "BidiChannel.h"

class CBidiAltChannel : public CBidiChannel
{
public:
    explicit CBidiAltChannel(HMODULE hLibrary) : CBidiChannel(hLibrary) {}

    LONG GetDeviceID(LPCSTR pszPrinterName) override;
    LONG OpenChannel(LPCSTR pszPrinterName, DWORD dwChannelId) override;
    LONG GetAvailableChannel(LPCSTR pszPrinterName) override;
};
