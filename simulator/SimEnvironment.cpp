#include "SimEnvironment.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <dlfcn.h>
#endif

std::string SimGetEnvironment(const char* pszName)
{
#ifdef _WIN32
    // The process's environment as Windows keeps it, so that SetEnvironmentVariableA counts.
    char szValue[1024];
    const DWORD cch = GetEnvironmentVariableA(pszName, szValue, sizeof szValue);
    return cch > 0 && cch < sizeof szValue ? std::string(szValue, cch) : std::string();
#else
    const char* pszValue = std::getenv(pszName);
    return pszValue ? pszValue : "";
#endif
}

std::string SimOwnDirectory(void* hInstance)
{
    std::string path;
#ifdef _WIN32
    char szPath[MAX_PATH];
    const DWORD cch = GetModuleFileNameA(static_cast<HMODULE>(hInstance), szPath, MAX_PATH);
    if (cch > 0 && cch < MAX_PATH)
    {
        path.assign(szPath, cch);
    }
#else
    (void)hInstance;
    Dl_info info = {};
    if (dladdr(reinterpret_cast<void*>(&SimOwnDirectory), &info) != 0 && info.dli_fname)
    {
        path = info.dli_fname;
    }
#endif
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
