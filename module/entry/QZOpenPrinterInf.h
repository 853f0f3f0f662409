// The module's one export, ordinal 1, C calling convention.
#pragma once

#include "PrinterInf.h"

// Reads the printer's ID values and options from the printer (bUseBidi, when the printer's
// communication library is installed) and/or from the user (bShowDialog), and writes them to
// *pInfOut. Returns 1 when *pInfOut was written, 0 otherwise.
extern "C" int __cdecl QZOpenPrinterInf(LPCSTR pszPrinterName, LPCSTR pszModelName,
                                        DWORD dwReserved, const PRINTER_INF* pInfIn,
                                        PRINTER_INF* pInfOut, BOOL bShowDialog, BOOL bUseBidi);

typedef int(__cdecl* PFN_QZOPENPRINTERINF)(LPCSTR, LPCSTR, DWORD, const PRINTER_INF*, PRINTER_INF*,
                                           BOOL, BOOL);
