// Test control of the host's spooler: which printers exist, a record of every spooler call with
// its arguments and bytes, the jobs each printer received, and calls made to fail.
#pragma once

#include "HostTypes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class HostSpoolerFunction
{
    OpenPrinterA,
    StartDocPrinterA,
    StartPagePrinter,
    WritePrinter,
    EndPagePrinter,
    EndDocPrinter,
    ClosePrinter,
};

struct HostSpoolerCall
{
    HostSpoolerFunction function;
    HANDLE hPrinter;         // the handle passed; for OpenPrinterA the handle returned, or null
    std::string printerName; // OpenPrinterA
    bool bDefaults;          // OpenPrinterA: a PRINTER_DEFAULTSA was passed
    DWORD dwLevel;           // StartDocPrinterA
    // StartDocPrinterA: the DOC_INFO_1A members; nullopt for a null pointer.
    std::optional<std::string> docName;
    std::optional<std::string> outputFile;
    std::optional<std::string> datatype;
    std::vector<BYTE> data; // WritePrinter: the bytes offered, also when the call failed
    DWORD dwResult;         // the call's result (the job number for StartDocPrinterA)
};

// Forgets the printers, the calls, the jobs, the planned failures and every open handle.
QZHOST_CXX void HostResetSpooler();
// A printer that OpenPrinterA finds (names compare case-insensitively).
QZHOST_CXX void HostAddPrinter(const char* pszName);

QZHOST_CXX const std::vector<HostSpoolerCall>& HostSpoolerCalls();
// The bytes of every job that EndDocPrinter completed on the printer, in order.
QZHOST_CXX std::vector<BYTE> HostPrinterOutput(const char* pszName);
// Handles that OpenPrinterA returned and ClosePrinter has not closed.
QZHOST_CXX size_t HostOpenPrinterCount();

// The spooler call with this index (from 0, counted since the last reset) fails without effect.
QZHOST_CXX void HostFailSpoolerCallAt(size_t nIndex);
// Every later call of this function fails without effect.
QZHOST_CXX void HostFailSpoolerFunction(HostSpoolerFunction function);
