// The printer simulator: the communication library's twelve functions over a profile (see
// README.md). A build variant leaves one function out (KWSIM_OMIT_<name>), so that looking it up
// really fails.
#include "SimCallLog.h"
#include "SimEnvironment.h"
#include "SimProfile.h"
#include "module/bidi/BidiApi.h"

#include <cstring>
#include <map>
#include <string>

#ifdef _WIN32
#define KWSIM_EXPORT extern "C" __declspec(dllexport)
#else
#define KWSIM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace
{
// The simulator's own failures; KW_ERR_BUFFER_SIZE and KW_ERR_NOT_INITIALIZED are the library's.
[[maybe_unused]] constexpr LONG KWSIM_ERR_NOT_SIMULATED = -1;
[[maybe_unused]] constexpr LONG KWSIM_ERR_BAD_ARGUMENT = -2;
[[maybe_unused]] constexpr LONG KWSIM_ERR_NO_PRINTER = -3;
[[maybe_unused]] constexpr LONG KWSIM_ERR_BAD_HANDLE = -6;
[[maybe_unused]] constexpr LONG KWSIM_ERR_NO_CHANNEL = -7;

struct SimState
{
    SimProfile profile;
    int nInitialized = 0;                  // KWInitialize calls not yet released
    std::map<LONG, uint32_t> openChannels; // handle -> channel identifier
    LONG nNextHandle = 1;
    std::map<std::string, int> calls; // "function" or "function.phase" -> calls so far
};

SimState g_state;

int CountCall(const std::string& what)
{
    return ++g_state.calls[what];
}

bool Injected(const char* pszFunction, int nCall, const char* pszRest, int64_t* pnValue)
{
    return g_state.profile.Injected(pszFunction, nCall, pszRest, pnValue);
}

std::string BufferText(LPBYTE pBuffer)
{
    return pBuffer ? "buffer" : "null";
}

std::string CountText(LPDWORD pcb)
{
    return pcb ? std::to_string(*pcb) : "null";
}

// What a successful fetch returns: 0, or the number of channel-list entries delivered.
enum class FetchResult
{
    Zero,
    EntryCount
};

// The size protocol of a function that hands out data. Without a buffer: the size needed (the
// data's size) and KW_ERR_BUFFER_SIZE. With one: the data, as much as fits; a buffer too small
// for all of it gets KW_ERR_BUFFER_SIZE and the size needed. Every part can be injected.
LONG ServeData(const char* pszFunction, const std::string& data, FetchResult success,
               LPBYTE pBuffer, LPDWORD pcb)
{
    int64_t n = 0;
    if (pBuffer == nullptr)
    {
        const int nCall = CountCall(std::string(pszFunction) + ".size");
        *pcb = Injected(pszFunction, nCall, "size.count", &n) ? static_cast<DWORD>(n)
                                                              : static_cast<DWORD>(data.size());
        return Injected(pszFunction, nCall, "size.result", &n) ? static_cast<LONG>(n)
                                                               : KW_ERR_BUFFER_SIZE;
    }
    const int nCall = CountCall(std::string(pszFunction) + ".fetch");
    const DWORD cbGiven = *pcb;
    int64_t nResult = 0;
    const bool bResultInjected = Injected(pszFunction, nCall, "fetch.result", &nResult);
    if (!bResultInjected && cbGiven < data.size())
    {
        *pcb = static_cast<DWORD>(data.size());
        return KW_ERR_BUFFER_SIZE;
    }
    size_t cbWrite = data.size() < cbGiven ? data.size() : cbGiven;
    if (Injected(pszFunction, nCall, "fetch.bytes", &n) && n >= 0 &&
        static_cast<uint64_t>(n) < cbWrite)
    {
        cbWrite = static_cast<size_t>(n);
    }
    // Raw bytes as the profile gives them: a terminator is the profile's business.
    std::memcpy(pBuffer, data.data(), cbWrite); // NOLINT(bugprone-not-null-terminated-result)
    *pcb = Injected(pszFunction, nCall, "fetch.count", &n) ? static_cast<DWORD>(n)
                                                           : static_cast<DWORD>(cbWrite);
    if (bResultInjected)
    {
        return static_cast<LONG>(nResult);
    }
    return success == FetchResult::EntryCount
               ? static_cast<LONG>(cbWrite / sizeof(BIDI_CHANNEL_ENTRY))
               : 0;
}

// What every call that names a printer checks first.
LONG CheckPrinterCall(LPCSTR pszPrinterName)
{
    if (g_state.nInitialized == 0)
    {
        return KW_ERR_NOT_INITIALIZED;
    }
    return g_state.profile.AcceptsPrinter(pszPrinterName) ? 0 : KWSIM_ERR_NO_PRINTER;
}

[[maybe_unused]] std::string ChannelListBytes()
{
    std::string bytes;
    for (const SimChannel& channel : g_state.profile.m_channels)
    {
        BIDI_CHANNEL_ENTRY entry = {channel.dwId, channel.wFlags, 0};
        bytes.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    }
    return bytes;
}

// A buffer function's call: checked, served and logged.
LONG BufferCall(const char* pszFunction, const std::string& args, LONG nCheck,
                const std::string& data, FetchResult success, LPBYTE pBuffer, LPDWORD pcb)
{
    const std::string entry = args + ", " + BufferText(pBuffer) + ", " + CountText(pcb);
    LONG r = nCheck;
    if (r >= 0)
    {
        r = pcb == nullptr ? KWSIM_ERR_BAD_ARGUMENT
                           : ServeData(pszFunction, data, success, pBuffer, pcb);
    }
    SimLog("%s(%s) = %ld, count %s", pszFunction, entry.c_str(), static_cast<long>(r),
           CountText(pcb).c_str());
    return r;
}

void Attach(void* hInstance)
{
    std::string path = SimGetEnvironment("KWSIM_PROFILE");
    if (path.empty())
    {
        path = SimOwnDirectory(hInstance) + "kwsim.profile";
    }
    g_state = SimState();
    const bool bLoaded = g_state.profile.Load(path);
    SimLog("DllMain(attach) profile %s%s", SimQuote(path.c_str()).c_str(),
           bLoaded ? "" : " missing");
    for (const std::string& error : g_state.profile.m_errors)
    {
        SimLog("profile error: %s", error.c_str());
    }
}

void Detach()
{
    if (g_state.nInitialized != 0)
    {
        SimLog("DllMain(detach) not released: %d", g_state.nInitialized);
    }
    else
    {
        SimLog("DllMain(detach)");
    }
}

LONG NotSimulated(const char* pszFunction)
{
    SimLog("%s() = %ld, not simulated", pszFunction, static_cast<long>(KWSIM_ERR_NOT_SIMULATED));
    return KWSIM_ERR_NOT_SIMULATED;
}
} // namespace

KWSIM_EXPORT BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        Attach(hInstance);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        Detach();
    }
    return TRUE;
}

#ifndef KWSIM_OMIT_KWInitialize
KWSIM_EXPORT LONG WINAPI KWInitialize()
{
    int64_t n = 0;
    const LONG r = Injected("KWInitialize", CountCall("KWInitialize"), "result", &n)
                       ? static_cast<LONG>(n)
                       : 0;
    if (r != KW_ERR_NOT_INITIALIZED)
    {
        ++g_state.nInitialized;
    }
    SimLog("KWInitialize() = %ld", static_cast<long>(r));
    return r;
}
#endif

#ifndef KWSIM_OMIT_KWRelease
KWSIM_EXPORT LONG WINAPI KWRelease()
{
    const int nCall = CountCall("KWRelease");
    if (g_state.nInitialized == 0)
    {
        SimLog("KWRelease() = %ld, not initialised", static_cast<long>(KW_ERR_NOT_INITIALIZED));
        return KW_ERR_NOT_INITIALIZED;
    }
    int64_t n = 0;
    const LONG r = Injected("KWRelease", nCall, "result", &n) ? static_cast<LONG>(n) : 0;
    SimLog("KWRelease() = %ld", static_cast<long>(r));
    if (--g_state.nInitialized == 0 && !g_state.openChannels.empty())
    {
        SimLog("KWRelease: %d channel(s) left open", static_cast<int>(g_state.openChannels.size()));
        g_state.openChannels.clear();
    }
    return r;
}
#endif

#ifndef KWSIM_OMIT_KWGetDeviceID
KWSIM_EXPORT LONG WINAPI KWGetDeviceID(DWORD dwSelector, LPCSTR pszPrinterName, LPBYTE pBuffer,
                                       LPDWORD pcbBuffer)
{
    // The text and its terminating NUL.
    const std::string data = g_state.profile.m_deviceId + std::string(1, '\0');
    return BufferCall("KWGetDeviceID", std::to_string(dwSelector) + ", " + SimQuote(pszPrinterName),
                      CheckPrinterCall(pszPrinterName), data, FetchResult::Zero, pBuffer,
                      pcbBuffer);
}
#endif

#ifndef KWSIM_OMIT_KWGetAvailableChannel
KWSIM_EXPORT LONG WINAPI KWGetAvailableChannel(DWORD dwSelector, LPCSTR pszPrinterName,
                                               LPBYTE pBuffer, LPDWORD pcbBuffer)
{
    // On success the result is the number of entries delivered.
    return BufferCall("KWGetAvailableChannel",
                      std::to_string(dwSelector) + ", " + SimQuote(pszPrinterName),
                      CheckPrinterCall(pszPrinterName), ChannelListBytes(), FetchResult::EntryCount,
                      pBuffer, pcbBuffer);
}
#endif

#ifndef KWSIM_OMIT_KWOpenChannel
KWSIM_EXPORT LONG WINAPI KWOpenChannel(DWORD dwSelector, LPCSTR pszPrinterName, DWORD dwChannelId)
{
    const int nCall = CountCall("KWOpenChannel");
    LONG r = CheckPrinterCall(pszPrinterName);
    if (r >= 0)
    {
        bool bListed = false;
        for (const SimChannel& channel : g_state.profile.m_channels)
        {
            bListed = bListed || channel.dwId == dwChannelId;
        }
        int64_t n = 0;
        if (Injected("KWOpenChannel", nCall, "result", &n))
        {
            r = static_cast<LONG>(n);
        }
        else
        {
            r = bListed ? g_state.nNextHandle++ : KWSIM_ERR_NO_CHANNEL;
        }
        if (r >= 0)
        {
            g_state.openChannels[r] = dwChannelId;
        }
    }
    SimLog("KWOpenChannel(%lu, %s, 0x%08lX) = %ld", static_cast<unsigned long>(dwSelector),
           SimQuote(pszPrinterName).c_str(), static_cast<unsigned long>(dwChannelId),
           static_cast<long>(r));
    return r;
}
#endif

#ifndef KWSIM_OMIT_KWCloseChannel
KWSIM_EXPORT LONG WINAPI KWCloseChannel(LONG hChannel)
{
    const int nCall = CountCall("KWCloseChannel");
    LONG r = g_state.nInitialized == 0 ? KW_ERR_NOT_INITIALIZED : 0;
    if (r >= 0)
    {
        // The handle is dropped whatever the result.
        const bool bOpen = g_state.openChannels.erase(hChannel) != 0;
        int64_t n = 0;
        r = Injected("KWCloseChannel", nCall, "result", &n) ? static_cast<LONG>(n)
            : bOpen                                         ? 0
                                                            : KWSIM_ERR_BAD_HANDLE;
    }
    SimLog("KWCloseChannel(%ld) = %ld", static_cast<long>(hChannel), static_cast<long>(r));
    return r;
}
#endif

#ifndef KWSIM_OMIT_KWGetStatus
KWSIM_EXPORT LONG WINAPI KWGetStatus(LONG hChannel, LPBYTE pBuffer, LPDWORD pcbBuffer)
{
    LONG nCheck = g_state.nInitialized == 0 ? KW_ERR_NOT_INITIALIZED : 0;
    const auto it = g_state.openChannels.find(hChannel);
    if (nCheck >= 0 && it == g_state.openChannels.end())
    {
        nCheck = KWSIM_ERR_BAD_HANDLE;
    }
    const std::string data =
        it != g_state.openChannels.end() ? g_state.profile.StatusOf(it->second) : std::string();
    return BufferCall("KWGetStatus", std::to_string(hChannel), nCheck, data, FetchResult::Zero,
                      pBuffer, pcbBuffer);
}
#endif

#ifndef KWSIM_OMIT_KWSend
KWSIM_EXPORT LONG WINAPI KWSend()
{
    return NotSimulated("KWSend");
}
#endif

#ifndef KWSIM_OMIT_KWReceive
KWSIM_EXPORT LONG WINAPI KWReceive()
{
    return NotSimulated("KWReceive");
}
#endif

#ifndef KWSIM_OMIT_KWReceiveCancel
KWSIM_EXPORT LONG WINAPI KWReceiveCancel()
{
    return NotSimulated("KWReceiveCancel");
}
#endif

#ifndef KWSIM_OMIT_KWSetOption
KWSIM_EXPORT LONG WINAPI KWSetOption()
{
    return NotSimulated("KWSetOption");
}
#endif

#ifndef KWSIM_OMIT_KWGetOption
KWSIM_EXPORT LONG WINAPI KWGetOption()
{
    return NotSimulated("KWGetOption");
}
#endif
