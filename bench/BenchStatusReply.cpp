// Google Benchmark: ParseStatusReply on status replies of 64 bytes to 1 MiB whose two items
// stand at the very end, beside memmem searching the same buffers for the same keys the parser
// searches ("CW:" once, "CD:" twice, each from the start).
#include "module/bidi/StatusReplyParser.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string.h>
#include <string>
#include <vector>

namespace
{
const std::string kItems = "CW:0C22282E343A40;CD:10000001010001020140;";

// Printer status text up to the items, which end the reply.
std::vector<unsigned char> MakeReply(size_t cb)
{
    static const std::string kFiller = "@BDC ST2\r\nST:01;ER:00;IQ:4B4B4B;RC:00;IC:00;CT:30;";
    std::vector<unsigned char> reply(cb);
    const size_t cbFiller = cb > kItems.size() ? cb - kItems.size() : 0;
    for (size_t i = 0; i < cbFiller; ++i)
    {
        reply[i] = static_cast<unsigned char>(kFiller[i % kFiller.size()]);
    }
    std::memcpy(reply.data() + cbFiller, kItems.data(), cb - cbFiller);
    return reply;
}

void BM_ParseStatusReply(benchmark::State& state)
{
    const std::vector<unsigned char> reply = MakeReply(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
    {
        PRINTER_INF inf;
        inf.dwIdFlag = inf.dwOpt1Flag = inf.dwOpt2Flag = 1;
        benchmark::DoNotOptimize(
            ParseStatusReply(reply.data(), static_cast<DWORD>(reply.size()), &inf));
        benchmark::DoNotOptimize(inf);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_Memmem(benchmark::State& state)
{
    const std::vector<unsigned char> reply = MakeReply(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
    {
        for (const char* pszKey : {"CW:", "CD:", "CD:"})
        {
            benchmark::DoNotOptimize(memmem(reply.data(), reply.size(), pszKey, 3));
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
} // namespace

BENCHMARK(BM_ParseStatusReply)->RangeMultiplier(4)->Range(64, 1 << 20);
BENCHMARK(BM_Memmem)->RangeMultiplier(4)->Range(64, 1 << 20);
BENCHMARK_MAIN();
