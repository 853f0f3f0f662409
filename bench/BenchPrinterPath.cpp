// Google Benchmark: one call of QZOpenPrinterInf that reads the simulated printer (no dialog),
// beside a baseline that makes the same library calls itself: search for the library, load and
// initialise it, read the device ID, load and initialise it again inside, list the channels,
// open one, fetch the status, close, release and unload twice.
#include "SimulatedPrinter.h"
#include "module/bidi/BidiApi.h"
#include "module/entry/QZOpenPrinterInf.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
constexpr DWORD kChannel = 0x10010003;

template <class F> F Proc(HMODULE hModule, LPCSTR pszName)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(hModule, pszName)));
}

// The size protocol: a size query, then the fetch into a buffer of that size.
template <class F, class... Args> LONG Fetch(F pfn, std::vector<BYTE>& buffer, Args... args)
{
    DWORD cb = 0;
    const LONG nSize = pfn(args..., nullptr, &cb);
    if (nSize < 0 && nSize != KW_ERR_BUFFER_SIZE)
    {
        return nSize;
    }
    buffer.resize(cb);
    return pfn(args..., buffer.data(), &cb);
}

void BM_QZOpenPrinterInf(benchmark::State& state)
{
    UseSimulatedPrinter();
    HMODULE hModule = LoadLibraryA("QZPRINF.DLL");
    auto pfnOpen = Proc<PFN_QZOPENPRINTERINF>(hModule, MAKEINTRESOURCEA(1));
    if (pfnOpen == nullptr)
    {
        state.SkipWithError("QZPRINF.DLL cannot be loaded");
        return;
    }
    PRINTER_INF out;
    for (auto _ : state)
    {
        const int nResult = pfnOpen("Stampante", "Vantor Jet QX", 0, nullptr, &out, FALSE, TRUE);
        benchmark::DoNotOptimize(nResult);
        if (nResult != 1)
        {
            state.SkipWithError("the printer gave no data");
            break;
        }
    }
    FreeLibrary(hModule);
}

void BM_BaselineLibraryCalls(benchmark::State& state)
{
    UseSimulatedPrinter();
    std::vector<BYTE> deviceId, channels, status;
    char szPath[MAX_PATH];
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(
            SearchPathA(nullptr, BIDI_LIBRARY_NAME, nullptr, MAX_PATH, szPath, nullptr));
        HMODULE hOuter = LoadLibraryExA(BIDI_LIBRARY_NAME, nullptr, 0);
        Proc<PFN_KWINITIALIZE>(hOuter, "KWInitialize")();
        Fetch(Proc<PFN_KWGETDEVICEID>(hOuter, "KWGetDeviceID"), deviceId, BIDI_SELECTOR_PRINTER,
              "Stampante");

        HMODULE hInner = LoadLibraryExA(BIDI_LIBRARY_NAME, nullptr, 0);
        Proc<PFN_KWINITIALIZE>(hInner, "KWInitialize")();
        Fetch(Proc<PFN_KWGETAVAILABLECHANNEL>(hInner, "KWGetAvailableChannel"), channels,
              BIDI_SELECTOR_PRINTER, "Stampante");
        const LONG hChannel = Proc<PFN_KWOPENCHANNEL>(hInner, "KWOpenChannel")(
            BIDI_SELECTOR_PRINTER, "Stampante", kChannel);
        Fetch(Proc<PFN_KWGETSTATUS>(hInner, "KWGetStatus"), status, hChannel);
        Proc<PFN_KWCLOSECHANNEL>(hInner, "KWCloseChannel")(hChannel);
        Proc<PFN_KWRELEASE>(hInner, "KWRelease")();
        FreeLibrary(hInner);

        Proc<PFN_KWRELEASE>(hOuter, "KWRelease")();
        FreeLibrary(hOuter);
        benchmark::DoNotOptimize(status.data());
    }
}
} // namespace

BENCHMARK(BM_QZOpenPrinterInf);
BENCHMARK(BM_BaselineLibraryCalls);
BENCHMARK_MAIN();
