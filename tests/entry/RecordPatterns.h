// Records whose every field shows whether a call touched it.
#pragma once

#include "module/entry/PrinterInf.h"

#include <cstring>

// Field i holds dwBase + i.
inline PRINTER_INF NumberedRecord(DWORD dwBase)
{
    PRINTER_INF inf;
    DWORD* p = &inf.dwIdFlag;
    for (DWORD i = 0; i < 12; ++i)
    {
        p[i] = dwBase + i;
    }
    return inf;
}

// Every byte 0xA5: what an output record holds before the call.
inline PRINTER_INF UntouchedRecord()
{
    PRINTER_INF inf;
    std::memset(static_cast<void*>(&inf), 0xA5, sizeof inf);
    return inf;
}

inline bool SameRecord(const PRINTER_INF& a, const PRINTER_INF& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
