// The working state of one call of QZOpenPrinterInf, shared by the frame and its two paths.
#pragma once

#include "PrinterInf.h"

struct CallState
{
    PRINTER_INF inf;          // what goes back to the caller when the output is written
    BOOL bAskPrinter = FALSE; // the printer path runs: library installed and the caller allows it
    BOOL bRead = FALSE;       // inf was filled from the printer's status reply
};
