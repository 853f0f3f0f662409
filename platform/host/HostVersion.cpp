#include "HostKernel.h"
#include "HostVersionControl.h"

#include <cstdlib>
#include <cstring>

namespace
{
struct VersionName
{
    const char* pszName;
    DWORD dwPlatformId;
    DWORD dwMajor;
    DWORD dwMinor;
};

const VersionName kVersionNames[] = {
    {"win20", VER_PLATFORM_WIN32s, 2, 0},         {"win30", VER_PLATFORM_WIN32s, 3, 0},
    {"win31", VER_PLATFORM_WIN32s, 3, 10},        {"win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0},
    {"win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10}, {"winme", VER_PLATFORM_WIN32_WINDOWS, 4, 90},
    {"nt35", VER_PLATFORM_WIN32_NT, 3, 50},       {"nt351", VER_PLATFORM_WIN32_NT, 3, 51},
    {"nt40", VER_PLATFORM_WIN32_NT, 4, 0},        {"win2k", VER_PLATFORM_WIN32_NT, 5, 0},
    {"winxp", VER_PLATFORM_WIN32_NT, 5, 1},       {"win7", VER_PLATFORM_WIN32_NT, 6, 1},
    {"win8", VER_PLATFORM_WIN32_NT, 6, 2},        {"win81", VER_PLATFORM_WIN32_NT, 6, 3},
    {"win10", VER_PLATFORM_WIN32_NT, 10, 0},
};

const VersionName* FindVersionName(const char* pszName)
{
    for (const VersionName& v : kVersionNames)
    {
        if (std::strcmp(v.pszName, pszName) == 0)
        {
            return &v;
        }
    }
    return nullptr;
}

struct VersionState
{
    DWORD dwPlatformId = VER_PLATFORM_WIN32_NT;
    DWORD dwMajor = 4;
    DWORD dwMinor = 0;
    bool bFail = false;
    bool bFromEnvironment = false;
};

VersionState& State()
{
    static VersionState state;
    if (!state.bFromEnvironment)
    {
        state.bFromEnvironment = true;
        const char* pszName = std::getenv("QZ_WINVER");
        if (const VersionName* v = pszName ? FindVersionName(pszName) : nullptr)
        {
            state.dwPlatformId = v->dwPlatformId;
            state.dwMajor = v->dwMajor;
            state.dwMinor = v->dwMinor;
        }
    }
    return state;
}
} // namespace

void HostSetWindowsVersion(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor)
{
    VersionState& state = State();
    state.dwPlatformId = dwPlatformId;
    state.dwMajor = dwMajor;
    state.dwMinor = dwMinor;
}

bool HostSetWindowsVersionName(const char* pszName)
{
    const VersionName* v = FindVersionName(pszName);
    if (v == nullptr)
    {
        return false;
    }
    HostSetWindowsVersion(v->dwPlatformId, v->dwMajor, v->dwMinor);
    return true;
}

void HostFailVersionQuery(bool bFail)
{
    State().bFail = bFail;
}

BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation)
{
    const VersionState& state = State();
    if (lpVersionInformation == nullptr ||
        lpVersionInformation->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA) || state.bFail)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    lpVersionInformation->dwMajorVersion = state.dwMajor;
    lpVersionInformation->dwMinorVersion = state.dwMinor;
    lpVersionInformation->dwBuildNumber = 0;
    lpVersionInformation->dwPlatformId = state.dwPlatformId;
    lpVersionInformation->szCSDVersion[0] = '\0';
    return TRUE;
}
