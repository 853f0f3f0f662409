#include "CallerOptions.h"

#include <cstdlib>
#include <cstring>

const char* const kCallerUsage =
    "usage: qzcaller MODULE PRINTER MODEL [options]\n"
    "  Loads MODULE by file name, calls its ordinal 1 and prints the result and the record.\n"
    "  --dialog              bShowDialog = 1\n"
    "  --bidi                bUseBidi = 1\n"
    "  --reserved N          dwReserved = N\n"
    "  --in V0,V1,...,V11    input record (twelve numbers, decimal or 0x hexadecimal);\n"
    "                        without it the input record is null\n"
    "  --same-record         pass the input record as the output record as well\n"
    "  --null-output         pass a null output record\n"
    "  --null-printer, --null-model   pass a null text instead of PRINTER / MODEL\n"
    "  --winver NAME         (host) emulated Windows version: win31 win95 win98 winme nt35\n"
    "                        nt351 nt40 win2k winxp win7 win10\n";

namespace
{
bool ParseNumber(const char* psz, DWORD& dwValue)
{
    char* pEnd = nullptr;
    const unsigned long long n = std::strtoull(psz, &pEnd, 0);
    if (pEnd == psz || *pEnd != '\0' || n > 0xFFFFFFFFull)
    {
        return false;
    }
    dwValue = static_cast<DWORD>(n);
    return true;
}

bool ParseRecord(const char* pszList, PRINTER_INF& inf)
{
    DWORD adw[12];
    std::string list = pszList;
    size_t nField = 0;
    size_t start = 0;
    for (;;)
    {
        const size_t comma = list.find(',', start);
        const std::string field =
            list.substr(start, comma == std::string::npos ? comma : comma - start);
        if (nField == 12 || !ParseNumber(field.c_str(), adw[nField]))
        {
            return false;
        }
        ++nField;
        if (comma == std::string::npos)
        {
            break;
        }
        start = comma + 1;
    }
    if (nField != 12)
    {
        return false;
    }
    static_assert(sizeof adw == sizeof inf, "twelve fields");
    std::memcpy(&inf, adw, sizeof inf);
    return true;
}
} // namespace

bool ParseCallerOptions(int argc, char** argv, CallerOptions& options, std::string& error)
{
    if (argc < 4)
    {
        error = "MODULE, PRINTER and MODEL are required";
        return false;
    }
    options.modulePath = argv[1];
    options.printerName = argv[2];
    options.modelName = argv[3];
    for (int i = 4; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool bHasValue = i + 1 < argc;
        if (arg == "--dialog")
        {
            options.bShowDialog = TRUE;
        }
        else if (arg == "--bidi")
        {
            options.bUseBidi = TRUE;
        }
        else if (arg == "--same-record")
        {
            options.bSameRecord = true;
        }
        else if (arg == "--null-output")
        {
            options.bNullOutput = true;
        }
        else if (arg == "--null-printer")
        {
            options.bNullPrinterName = true;
        }
        else if (arg == "--null-model")
        {
            options.bNullModelName = true;
        }
        else if (arg == "--reserved" && bHasValue)
        {
            if (!ParseNumber(argv[++i], options.dwReserved))
            {
                error = "--reserved takes a 32-bit number";
                return false;
            }
        }
        else if (arg == "--in" && bHasValue)
        {
            if (!ParseRecord(argv[++i], options.inInput))
            {
                error = "--in takes twelve comma-separated 32-bit numbers";
                return false;
            }
            options.bHaveInput = true;
        }
        else if (arg == "--winver" && bHasValue)
        {
            options.winver = argv[++i];
        }
        else
        {
            error = "unknown or incomplete option " + arg;
            return false;
        }
    }
    if (options.bSameRecord && options.bNullOutput)
    {
        error = "--same-record and --null-output exclude each other";
        return false;
    }
    return true;
}
