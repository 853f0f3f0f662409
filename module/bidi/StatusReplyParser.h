// ParseStatusReply: fills the items of a PRINTER_INF that its flags ask for from the printer's
// status reply, a counted byte string that may hold any bytes.
//
// The ID item is the key "CW:", two bytes not interpreted, then PRINTER_ID_COUNT value fields of
// two bytes. The option item is the key "CD:", two bytes not interpreted, OPTION_ENTRY_COUNT
// entries of eight bytes (a four-byte field and two two-byte fields), then the value field of
// option 1. A value field is its bytes up to the first zero byte: "NA" in any case is 0, one or
// two hexadecimal digits are their value, anything else is 0. Option 2 is the number of entries
// from entry 1 on that no field marks as not available ("NAVL", "NA", "NA", in any case).
#pragma once

#include "module/entry/PrinterInf.h"

// The number of eight-byte entries ahead of option item 1's value in the option item.
constexpr DWORD OPTION_ENTRY_COUNT = 2;

// 1 when every item asked for was found; each key counts at its first occurrence, and an item
// whose fields do not all lie inside the reply counts as not found. An item not found leaves its
// fields as they were; the items found are written even when the result is 0.
BOOL ParseStatusReply(const BYTE* pReply, DWORD cbReply, PRINTER_INF* pInf);
