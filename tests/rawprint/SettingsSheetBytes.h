// The settings sheet as the printer must receive it, written out byte for byte.
#pragma once

#include "platform/Win32Api.h"

#include <vector>

inline std::vector<BYTE> SettingsSheetBytes()
{
    return {
        0x1B, 0x40, 0x1B, 0x40,                                     // reset
        0x50, 0x72, 0x69, 0x6E, 0x74, 0x65, 0x72, 0x20, 0x49, 0x44, // "Printer ID"
        0x0D, 0x0A,                                                 // CR LF
        0x1B, 0x28, 0x52,                                           // ESC ( R: remote mode
        0x08, 0x00,                                                 // 8 bytes follow
        0x00, 0x52, 0x45, 0x4D, 0x4F, 0x54, 0x45, 0x31,             // 0 "REMOTE1"
        0x41, 0x49,                                                 // command AI
        0x03, 0x00,                                                 // 3 parameter bytes
        0x00, 0x00, 0x00,                                           // the parameters
        0x1B, 0x00, 0x00, 0x00,                                     // leave remote mode
        0x0C,                                                       // form feed
        0x1B, 0x40, 0x1B, 0x40,                                     // reset
    };
}
