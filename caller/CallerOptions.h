// The caller's command line.
#pragma once

#include "module/entry/PrinterInf.h"

#include <string>

struct CallerOptions
{
    std::string modulePath;
    std::string printerName;
    std::string modelName;
    bool bNullPrinterName = false;
    bool bNullModelName = false;
    DWORD dwReserved = 0;
    BOOL bShowDialog = FALSE;
    BOOL bUseBidi = FALSE;
    bool bHaveInput = false; // without --in the input record is null
    PRINTER_INF inInput;
    bool bSameRecord = false; // pass the input record as the output record too
    bool bNullOutput = false;
    std::string winver; // host only: the emulated Windows version
};

// Parses argv; on a usage error returns false with a message in error.
bool ParseCallerOptions(int argc, char** argv, CallerOptions& options, std::string& error);

extern const char* const kCallerUsage;
