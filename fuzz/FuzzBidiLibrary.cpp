// libFuzzer target: the library session, its channel objects and the status query against a
// hostile communication library (HostileKwApi.cpp, loaded as KWAPI.DLL from the fuzzer's own
// directory). The input is the hostile library's script: it decides every result, size, count
// and byte the library hands back, and, through HostileByte, which exchanges the module runs.
// The address sanitizer watches every buffer the module allocates; the hostile library aborts
// on a call the module must not make. Memory exhaustion (a size beyond the sanitizer's limit,
// 256 MiB, set below) raises the class library's memory exception, which is caught here.
#include "classlib/Exceptions.h"
#include "module/bidi/BidiError.h"
#include "module/bidi/BidiLibrary.h"
#include "module/bidi/PrinterStatusQuery.h"
#include "module/bidi/StatusReplyParser.h"
#include "platform/host/HostVersionControl.h"

#include <cstdio>
#include <cstdlib>

extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1:max_allocation_size_mb=256";
}

namespace
{
typedef void (*PFN_HOSTILEBEGIN)(const uint8_t*, size_t);
typedef uint8_t (*PFN_HOSTILEBYTE)();
typedef void (*PFN_HOSTILEEND)();

HMODULE g_hHostile = nullptr;
PFN_HOSTILEBEGIN g_pfnBegin = nullptr;
PFN_HOSTILEBYTE g_pfnByte = nullptr;
PFN_HOSTILEEND g_pfnEnd = nullptr;

const char* const kVersions[] = {"nt40", "win95", "nt351", "win98", "win2k"};

[[noreturn]] void Broken(const char* pszWhat)
{
    std::fprintf(stderr, "session state broken: %s\n", pszWhat);
    std::abort();
}

void CheckSession(const CBidiLibrary& library)
{
    if (library.m_cbReply != 0 && library.m_pReply == nullptr)
    {
        Broken("a reply size without a reply");
    }
    if (library.m_nError < BIDI_ERROR_NONE || library.m_nError > BIDI_ERROR_GET_STATUS)
    {
        Broken("an error code outside 0 to 19");
    }
    if (library.m_nError == BIDI_ERROR_NONE && library.m_nLibResult != 0)
    {
        Broken("a library result without an error");
    }
    if (library.m_nLibResult > 0)
    {
        Broken("a positive library result of a failure");
    }
}

// Parses the session's reply, all items asked for; the sanitizer checks its bounds.
void ParseReply(const CBidiLibrary& library)
{
    PRINTER_INF inf;
    inf.dwIdFlag = inf.dwOpt1Flag = inf.dwOpt2Flag = 1;
    ParseStatusReply(library.m_pReply, library.m_cbReply, &inf);
}

void RunSession()
{
    CBidiLibrary library;
    CheckSession(library);
    const int nSteps = 1 + g_pfnByte() % 4;
    for (int i = 0; i < nSteps; ++i)
    {
        const uint8_t step = g_pfnByte();
        CString strDeviceId("before");
        switch (step % 8)
        {
        case 0:
            if (!library.ReadDeviceId("hostile", strDeviceId) && library.m_bInitialized &&
                !strDeviceId.IsEmpty())
            {
                Broken("a failed device-ID read left text");
            }
            break;
        case 1:
            library.ReadDeviceIdAlt("hostile", strDeviceId);
            break;
        case 2:
        case 3:
            library.ReadStatus("hostile", BIDI_CHANNEL_STATUS_EXTENDED);
            break;
        case 4:
            library.ReadStatus("hostile", BIDI_CHANNEL_STATUS_BASIC);
            break;
        case 5:
            library.ReadStatusAlt("hostile", step < 128 ? BIDI_CHANNEL_STATUS_BASIC : 0);
            break;
        default:
        {
            // The status query nests a session of its own in this one.
            HostSetWindowsVersionName(kVersions[(step >> 3) % 5]);
            PRINTER_INF inf;
            inf.dwIdFlag = step & 0x10;
            inf.dwOpt1Flag = inf.dwOpt2Flag = step & 0x20;
            QueryPrinterStatus("hostile", &inf);
            break;
        }
        }
        CheckSession(library);
        ParseReply(library);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Held for the whole run, so that each session finds the library loaded and the script
    // stays where HostileBegin put it.
    g_hHostile = LoadLibraryExA(BIDI_LIBRARY_NAME, nullptr, 0);
    if (g_hHostile == nullptr)
    {
        std::fprintf(stderr, "the hostile KWAPI.DLL must stand beside the fuzzer\n");
        std::abort();
    }
    g_pfnBegin = reinterpret_cast<PFN_HOSTILEBEGIN>(
        reinterpret_cast<void*>(GetProcAddress(g_hHostile, "HostileBegin")));
    g_pfnByte = reinterpret_cast<PFN_HOSTILEBYTE>(
        reinterpret_cast<void*>(GetProcAddress(g_hHostile, "HostileByte")));
    g_pfnEnd = reinterpret_cast<PFN_HOSTILEEND>(
        reinterpret_cast<void*>(GetProcAddress(g_hHostile, "HostileEnd")));
    if (!g_pfnBegin || !g_pfnByte || !g_pfnEnd)
    {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_pfnBegin(data, size);
    try
    {
        RunSession();
    }
    catch (CMemoryException* pException)
    {
        pException->Delete();
    }
    g_pfnEnd();
    return 0;
}
