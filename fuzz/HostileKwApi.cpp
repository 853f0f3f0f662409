// A hostile communication library for the fuzz target FuzzBidiLibrary: built as KWAPI.DLL
// beside the fuzzer, it answers every call from a script of bytes (the fuzzer's input) with
// arbitrary results, sizes, counts and contents, and it checks how the module calls it. A call
// the module must never make aborts the run with a message, which libFuzzer reports as a crash:
//   - a call other than KWInitialize without an initialisation, a release without one;
//   - a size query with a buffer count other than 0, a fetch whose count differs from what the
//     size query reported, or a fetch after a size query that failed;
//   - an open while a channel is open, a close or a status fetch on a handle that is not open;
//   - any call of KWSend, KWReceive, KWReceiveCancel, KWSetOption or KWGetOption;
//   - at the end of an input (HostileEnd): an initialisation not released, a channel still open.
// The library never writes beyond the count that comes with a buffer.
#include "module/bidi/BidiApi.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#define HOSTILE_EXPORT extern "C" __attribute__((visibility("default")))

namespace
{
constexpr size_t kMaxDelivered = 1 << 16;

struct Script
{
    const uint8_t* p = nullptr;
    size_t n = 0;
    size_t pos = 0;
};

struct SizeQuery
{
    bool bDone = false;  // a size query was made and not yet followed by its fetch
    bool bFetch = false; // it allows a fetch
    DWORD cb = 0;        // the count it reported
};

Script g_script;
int g_nInitialized = 0;
std::set<LONG> g_open;
LONG g_nNextHandle = 0;
SizeQuery g_queries[3];

[[noreturn]] void Violation(const char* pszWhat)
{
    std::fprintf(stderr, "hostile library: the module broke the protocol: %s\n", pszWhat);
    std::abort();
}

uint8_t Byte()
{
    return g_script.pos < g_script.n ? g_script.p[g_script.pos++] : 0;
}

uint32_t Word32()
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
    {
        v |= static_cast<uint32_t>(Byte()) << (8 * i);
    }
    return v;
}

// A result: mostly the protocol's own values, sometimes anything.
LONG Result()
{
    const uint8_t mode = Byte();
    switch (mode % 8)
    {
    case 0:
    case 1:
        return 0;
    case 2:
        return KW_ERR_BUFFER_SIZE;
    case 3:
        return mode >> 3;
    case 4:
        return -static_cast<LONG>(1 + (mode >> 3));
    case 5:
        return KW_ERR_NOT_INITIALIZED;
    default:
        return static_cast<LONG>(Word32());
    }
}

// A count: mostly small, sometimes at the edges of 32 bits. A large one is either 1 MiB or more
// than the fuzzer lets be allocated (256 MiB), so that it fails at once.
DWORD Count()
{
    static const DWORD kEdges[] = {0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0x10000001,
                                   0x00100000, 0xFFFFFFF8, 8,          0};
    const uint8_t mode = Byte();
    switch (mode % 8)
    {
    case 0:
    case 1:
    case 2:
        return Byte();
    case 3:
        return Byte() | static_cast<DWORD>(Byte()) << 8;
    case 4:
        return kEdges[(mode >> 3) % 8];
    case 5:
        return Word32() | 0x10000001;
    default:
        return (mode >> 3) * 8;
    }
}

void RequireInitialized(const char* pszFunction)
{
    if (g_nInitialized == 0)
    {
        Violation(pszFunction);
    }
}

// Fills the buffer: as many bytes as the script says (at most the buffer), from the script,
// or channel entries built to match the identifiers the module asks for.
DWORD Deliver(int nFunction, LPBYTE pBuffer, DWORD cbBuffer)
{
    DWORD cb = Byte() == 0xFF ? cbBuffer : Count();
    cb = cb < cbBuffer ? cb : cbBuffer;
    cb = cb < kMaxDelivered ? cb : static_cast<DWORD>(kMaxDelivered);
    const bool bEntries = nFunction == 1 && (Byte() & 1);
    for (DWORD i = 0; i < cb; ++i)
    {
        if (bEntries && i % 8 == 0 && cb - i >= 8)
        {
            static const DWORD kIds[] = {BIDI_CHANNEL_STATUS_EXTENDED, BIDI_CHANNEL_STATUS_BASIC};
            const uint8_t pick = Byte();
            const DWORD dwId = pick < 200 ? kIds[pick & 1] : Word32();
            std::memcpy(pBuffer + i, &dwId, 4);
            pBuffer[i + 4] = Byte();
            pBuffer[i + 5] = Byte();
            pBuffer[i + 6] = pBuffer[i + 7] = 0;
            i += 7;
            continue;
        }
        pBuffer[i] = Byte();
    }
    return cb;
}

// The size protocol as a hostile library plays it, checking the module's half of it.
LONG BufferCall(int nFunction, const char* pszFunction, LPBYTE pBuffer, LPDWORD pcb)
{
    RequireInitialized(pszFunction);
    if (pcb == nullptr)
    {
        Violation("no count address");
    }
    SizeQuery& query = g_queries[nFunction];
    if (pBuffer == nullptr)
    {
        if (*pcb != 0)
        {
            Violation("a size query with a count other than 0");
        }
        const LONG r = Result();
        *pcb = Count();
        query = {true, r >= 0 || r == KW_ERR_BUFFER_SIZE, *pcb};
        return r;
    }
    if (!query.bDone || !query.bFetch)
    {
        Violation("a fetch without a successful size query");
    }
    if (*pcb != query.cb)
    {
        Violation("a fetch whose count is not the size asked for");
    }
    query.bDone = false;
    const DWORD cbDelivered = Deliver(nFunction, pBuffer, *pcb);
    const LONG r = Result();
    const uint8_t mode = Byte();
    *pcb = mode < 128 ? cbDelivered : Count();
    return r;
}
} // namespace

HOSTILE_EXPORT void HostileBegin(const uint8_t* pScript, size_t cbScript)
{
    g_script = {pScript, cbScript, 0};
    g_nInitialized = 0;
    g_open.clear();
    g_nNextHandle = 0;
    for (SizeQuery& query : g_queries)
    {
        query = SizeQuery();
    }
}

HOSTILE_EXPORT uint8_t HostileByte()
{
    return Byte();
}

HOSTILE_EXPORT void HostileEnd()
{
    if (g_nInitialized != 0)
    {
        Violation("an initialisation was not released");
    }
    if (!g_open.empty())
    {
        Violation("a channel was left open");
    }
}

HOSTILE_EXPORT LONG WINAPI KWInitialize()
{
    const LONG r = Byte() % 4 == 0 ? KW_ERR_NOT_INITIALIZED : Result();
    if (r != KW_ERR_NOT_INITIALIZED)
    {
        ++g_nInitialized;
    }
    return r;
}

HOSTILE_EXPORT LONG WINAPI KWRelease()
{
    if (g_nInitialized == 0)
    {
        Violation("a release without an initialisation");
    }
    --g_nInitialized;
    return Result();
}

HOSTILE_EXPORT LONG WINAPI KWGetDeviceID(DWORD, LPCSTR pszPrinterName, LPBYTE pBuffer, LPDWORD pcb)
{
    if (pszPrinterName == nullptr)
    {
        Violation("no printer name");
    }
    return BufferCall(0, "KWGetDeviceID without initialisation", pBuffer, pcb);
}

HOSTILE_EXPORT LONG WINAPI KWGetAvailableChannel(DWORD, LPCSTR pszPrinterName, LPBYTE pBuffer,
                                                 LPDWORD pcb)
{
    if (pszPrinterName == nullptr)
    {
        Violation("no printer name");
    }
    return BufferCall(1, "KWGetAvailableChannel without initialisation", pBuffer, pcb);
}

HOSTILE_EXPORT LONG WINAPI KWOpenChannel(DWORD, LPCSTR, DWORD)
{
    RequireInitialized("KWOpenChannel without initialisation");
    if (!g_open.empty())
    {
        Violation("an open while a channel is open");
    }
    const uint8_t mode = Byte();
    const LONG r = mode < 160 ? g_nNextHandle++ : Result();
    if (r >= 0)
    {
        g_open.insert(r);
    }
    return r;
}

HOSTILE_EXPORT LONG WINAPI KWCloseChannel(LONG hChannel)
{
    RequireInitialized("KWCloseChannel without initialisation");
    if (g_open.erase(hChannel) == 0)
    {
        Violation("a close of a handle that is not open");
    }
    return Byte() < 160 ? 0 : Result();
}

HOSTILE_EXPORT LONG WINAPI KWGetStatus(LONG hChannel, LPBYTE pBuffer, LPDWORD pcb)
{
    if (g_open.count(hChannel) == 0)
    {
        Violation("a status fetch on a handle that is not open");
    }
    return BufferCall(2, "KWGetStatus without initialisation", pBuffer, pcb);
}

HOSTILE_EXPORT LONG WINAPI KWSend()
{
    Violation("KWSend called");
}
HOSTILE_EXPORT LONG WINAPI KWReceive()
{
    Violation("KWReceive called");
}
HOSTILE_EXPORT LONG WINAPI KWReceiveCancel()
{
    Violation("KWReceiveCancel called");
}
HOSTILE_EXPORT LONG WINAPI KWSetOption()
{
    Violation("KWSetOption called");
}
HOSTILE_EXPORT LONG WINAPI KWGetOption()
{
    Violation("KWGetOption called");
}
