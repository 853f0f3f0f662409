// Spooler functions of the host layer: a simulated spooler with printers that a test configures
// (HostSpoolerLog.h). Jobs are kept in memory; nothing is printed.
#pragma once

#include "HostTypes.h"

typedef HANDLE* LPHANDLE;
typedef DWORD ACCESS_MASK;
struct _devicemodeA;
typedef struct _devicemodeA* LPDEVMODEA;

#define ERROR_GEN_FAILURE 31
#define ERROR_INVALID_LEVEL 124
#define ERROR_INVALID_PRINTER_NAME 1801
#define ERROR_INVALID_DATATYPE 1804
#define ERROR_INVALID_PRINTER_STATE 1906
#define ERROR_SPL_NO_STARTDOC 3003

typedef struct _PRINTER_DEFAULTSA
{
    LPSTR pDatatype;
    LPDEVMODEA pDevMode;
    ACCESS_MASK DesiredAccess;
} PRINTER_DEFAULTSA, *PPRINTER_DEFAULTSA, *LPPRINTER_DEFAULTSA;

typedef struct _DOC_INFO_1A
{
    LPSTR pDocName;
    LPSTR pOutputFile;
    LPSTR pDatatype;
} DOC_INFO_1A, *PDOC_INFO_1A, *LPDOC_INFO_1A;

QZHOST_API BOOL OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSA pDefault);
QZHOST_API DWORD StartDocPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo);
QZHOST_API BOOL StartPagePrinter(HANDLE hPrinter);
QZHOST_API BOOL WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten);
QZHOST_API BOOL EndPagePrinter(HANDLE hPrinter);
QZHOST_API BOOL EndDocPrinter(HANDLE hPrinter);
QZHOST_API BOOL ClosePrinter(HANDLE hPrinter);
