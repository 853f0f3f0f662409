// PRINTER_INF: the 48-byte record that the module and its caller exchange. Its memory image is
// part of the exported interface: twelve unsigned 32-bit fields, in this order, nothing else.
#pragma once

#include "platform/Win32Api.h"

#include <cstddef>

// The number of printer ID values.
constexpr DWORD PRINTER_ID_COUNT = 6;

struct PRINTER_INF
{
    DWORD dwIdFlag;               // the record carries ID values / the ID values are wanted
    DWORD dwIdCount;              // valid entries at the front of dwId
    DWORD dwId[PRINTER_ID_COUNT]; // the printer ID values
    DWORD dwOpt1Flag;             // option item 1 wanted / present
    DWORD dwOpt1Value;
    DWORD dwOpt2Flag; // option item 2 wanted / present
    DWORD dwOpt2Value;

    // Clear sets every field.
    // cppcheck-suppress uninitMemberVar
    PRINTER_INF() { Clear(); }

    void Clear()
    {
        dwIdFlag = 0;
        dwIdCount = 0;
        for (DWORD& dw : dwId)
        {
            dw = 0;
        }
        dwOpt1Flag = 0;
        dwOpt1Value = 0;
        dwOpt2Flag = 0;
        dwOpt2Value = 0;
    }

    // A null source clears the record.
    PRINTER_INF& CopyFrom(const PRINTER_INF* pSource)
    {
        if (pSource == nullptr)
        {
            Clear();
            return *this;
        }
        dwIdFlag = pSource->dwIdFlag;
        dwIdCount = pSource->dwIdCount;
        for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
        {
            dwId[k] = pSource->dwId[k];
        }
        dwOpt1Flag = pSource->dwOpt1Flag;
        dwOpt1Value = pSource->dwOpt1Value;
        dwOpt2Flag = pSource->dwOpt2Flag;
        dwOpt2Value = pSource->dwOpt2Value;
        return *this;
    }

    void CopyTo(PRINTER_INF* pDest) const { pDest->CopyFrom(this); }
};

static_assert(sizeof(PRINTER_INF) == 48, "PRINTER_INF is 48 bytes");
static_assert(offsetof(PRINTER_INF, dwIdFlag) == 0, "dwIdFlag at 0");
static_assert(offsetof(PRINTER_INF, dwIdCount) == 4, "dwIdCount at 4");
static_assert(offsetof(PRINTER_INF, dwId) == 8, "dwId at 8");
static_assert(offsetof(PRINTER_INF, dwOpt1Flag) == 32, "dwOpt1Flag at 32");
static_assert(offsetof(PRINTER_INF, dwOpt1Value) == 36, "dwOpt1Value at 36");
static_assert(offsetof(PRINTER_INF, dwOpt2Flag) == 40, "dwOpt2Flag at 40");
static_assert(offsetof(PRINTER_INF, dwOpt2Value) == 44, "dwOpt2Value at 44");
