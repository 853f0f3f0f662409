// QueryPrinterStatus: fills a PRINTER_INF from the printer itself. It fetches the printer's
// status reply over the channel that the platform kind selects, with a library session of its
// own, and hands the reply to ParseStatusReply.
#pragma once

#include "module/entry/PrinterInf.h"

// The parser's result when the query gets that far, 0 for every failure before it. Only the
// items that the record's flags ask for are written.
BOOL QueryPrinterStatus(LPCSTR pszPrinterName, PRINTER_INF* pInf);
