// qz_soak [COUNT]: COUNT calls (default 10000) of QZOpenPrinterInf that read the simulated
// printer, for valgrind:
//   valgrind --leak-check=full --error-exitcode=1 build/bench/bin/qz_soak 10000
#include "SimulatedPrinter.h"
#include "module/entry/QZOpenPrinterInf.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long nCalls = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    UseSimulatedPrinter();
    HMODULE hModule = LoadLibraryA("QZPRINF.DLL");
    auto pfnOpen = reinterpret_cast<PFN_QZOPENPRINTERINF>(
        reinterpret_cast<void*>(GetProcAddress(hModule, MAKEINTRESOURCEA(1))));
    if (pfnOpen == nullptr)
    {
        std::fprintf(stderr, "qz_soak: QZPRINF.DLL cannot be loaded\n");
        return 2;
    }
    long nRead = 0;
    for (long i = 0; i < nCalls; ++i)
    {
        PRINTER_INF out;
        nRead += pfnOpen("Stampante", "Vantor Jet QX", 0, nullptr, &out, FALSE, TRUE);
    }
    FreeLibrary(hModule);
    std::printf("%ld calls, %ld read the printer\n", nCalls, nRead);
    return nRead == nCalls ? 0 : 1;
}
