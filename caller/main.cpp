// The driver UI's part, played from the command line: load the printer-information module by
// file name, call its ordinal 1 and print what the driver would get.
#include "CallerOptions.h"
#include "module/entry/QZOpenPrinterInf.h"
#include "platform/Win32Api.h"
#ifndef _WIN32
#include "platform/host/HostVersionControl.h"
#endif

#include <cstdio>
#include <cstring>

namespace
{
// The output record starts as this pattern, so that an untouched record can be told apart.
constexpr BYTE kUntouched = 0xA5;

void PrintRecord(const PRINTER_INF& inf)
{
    std::printf("  dwIdFlag    = %lu\n", static_cast<unsigned long>(inf.dwIdFlag));
    std::printf("  dwIdCount   = %lu\n", static_cast<unsigned long>(inf.dwIdCount));
    for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
    {
        std::printf("  dwId[%lu]     = %lu\n", static_cast<unsigned long>(k),
                    static_cast<unsigned long>(inf.dwId[k]));
    }
    std::printf("  dwOpt1Flag  = %lu\n", static_cast<unsigned long>(inf.dwOpt1Flag));
    std::printf("  dwOpt1Value = %lu\n", static_cast<unsigned long>(inf.dwOpt1Value));
    std::printf("  dwOpt2Flag  = %lu\n", static_cast<unsigned long>(inf.dwOpt2Flag));
    std::printf("  dwOpt2Value = %lu\n", static_cast<unsigned long>(inf.dwOpt2Value));
}
} // namespace

int main(int argc, char** argv)
{
    CallerOptions options;
    std::string error;
    if (!ParseCallerOptions(argc, argv, options, error))
    {
        std::fprintf(stderr, "qzcaller: %s\n%s", error.c_str(), kCallerUsage);
        return 2;
    }
    if (!options.winver.empty())
    {
#ifdef _WIN32
        std::fprintf(stderr, "qzcaller: --winver is for the host; under Wine set the Version "
                             "registry value\n");
        return 2;
#else
        if (!HostSetWindowsVersionName(options.winver.c_str()))
        {
            std::fprintf(stderr, "qzcaller: unknown Windows version %s\n", options.winver.c_str());
            return 2;
        }
#endif
    }

    HMODULE hModule = LoadLibraryA(options.modulePath.c_str());
    if (hModule == nullptr)
    {
        std::fprintf(stderr, "qzcaller: cannot load %s (error %lu)\n", options.modulePath.c_str(),
                     static_cast<unsigned long>(GetLastError()));
        return 3;
    }
    auto pfnOpen = reinterpret_cast<PFN_QZOPENPRINTERINF>(
        reinterpret_cast<void*>(GetProcAddress(hModule, MAKEINTRESOURCEA(1))));
    if (pfnOpen == nullptr)
    {
        std::fprintf(stderr, "qzcaller: %s has no ordinal 1\n", options.modulePath.c_str());
        FreeLibrary(hModule);
        return 3;
    }

    PRINTER_INF output;
    std::memset(static_cast<void*>(&output), kUntouched, sizeof output);
    PRINTER_INF same = options.inInput;
    const PRINTER_INF* pIn = options.bHaveInput ? &options.inInput : nullptr;
    PRINTER_INF* pOut = options.bNullOutput ? nullptr : &output;
    if (options.bSameRecord)
    {
        pIn = &same;
        pOut = &same;
    }
    PRINTER_INF before;
    if (pOut != nullptr)
    {
        before = *pOut;
    }

    const int nResult =
        pfnOpen(options.bNullPrinterName ? nullptr : options.printerName.c_str(),
                options.bNullModelName ? nullptr : options.modelName.c_str(), options.dwReserved,
                pIn, pOut, options.bShowDialog, options.bUseBidi);

    std::printf("result: %d\n", nResult);
    if (pOut == nullptr)
    {
        std::printf("output record: none passed\n");
    }
    else
    {
        const bool bChanged = std::memcmp(pOut, &before, sizeof before) != 0;
        std::printf("output record: %s\n", bChanged ? "written" : "unchanged by the call");
        PrintRecord(*pOut);
    }
    FreeLibrary(hModule);
    return 0;
}
