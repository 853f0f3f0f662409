// The loader over dlopen. As on Windows, a module is loaded once and reference-counted, a bare
// file name is found along the search path, and the module's DllMain (if it exports one) is
// called after loading and before unloading. Exports by ordinal are the symbols HostOrdinal_<n>
// that the build defines from the module's .def file.
#include "HostKernel.h"
#include "HostModule.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <list>
#include <mutex>
#include <unistd.h>

namespace
{
typedef BOOL (*DllMainProc)(HINSTANCE, DWORD, LPVOID);

constexpr DWORD kErrorDllInitFailed = 1114;

std::list<HostModule>& Modules()
{
    static std::list<HostModule> modules;
    return modules;
}

std::recursive_mutex& LoaderLock()
{
    static std::recursive_mutex lock;
    return lock;
}

HostModule& MainProgram()
{
    static HostModule program = []
    {
        HostModule m;
        m.pDl = dlopen(nullptr, RTLD_NOW);
        char szExe[PATH_MAX];
        const ssize_t n = readlink("/proc/self/exe", szExe, sizeof szExe - 1);
        m.path.assign(szExe, n > 0 ? static_cast<size_t>(n) : 0);
        m.nRefs = 1;
        return m;
    }();
    return program;
}

HINSTANCE ToHandle(HostModule* pModule)
{
    return reinterpret_cast<HINSTANCE>(pModule);
}

BOOL CallDllMain(HostModule& module, DWORD dwReason)
{
    auto pfn = reinterpret_cast<DllMainProc>(dlsym(module.pDl, "DllMain"));
    return pfn ? pfn(ToHandle(&module), dwReason, nullptr) : TRUE;
}

std::string BaseName(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}
} // namespace

HostModule* HostModuleFromHandle(HMODULE hModule)
{
    auto* pModule = reinterpret_cast<HostModule*>(hModule);
    if (pModule == &MainProgram())
    {
        return pModule;
    }
    std::lock_guard<std::recursive_mutex> guard(LoaderLock());
    for (HostModule& m : Modules())
    {
        if (&m == pModule)
        {
            return pModule;
        }
    }
    return nullptr;
}

HMODULE LoadLibraryExA(LPCSTR lpLibFileName, HANDLE, DWORD)
{
    char szPath[MAX_PATH];
    if (lpLibFileName == nullptr ||
        SearchPathA(nullptr, lpLibFileName, nullptr, sizeof szPath, szPath, nullptr) == 0 ||
        std::strlen(szPath) >= sizeof szPath - 1)
    {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    std::lock_guard<std::recursive_mutex> guard(LoaderLock());
    for (HostModule& m : Modules())
    {
        if (m.path == szPath)
        {
            ++m.nRefs;
            return ToHandle(&m);
        }
    }
    void* pDl = dlopen(szPath, RTLD_NOW | RTLD_LOCAL);
    if (pDl == nullptr)
    {
        std::fprintf(stderr, "host loader: %s\n", dlerror());
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    HostModule& module = Modules().emplace_back();
    module.pDl = pDl;
    module.path = szPath;
    module.nRefs = 1;
    if (!CallDllMain(module, DLL_PROCESS_ATTACH))
    {
        dlclose(pDl);
        Modules().remove_if([&](const HostModule& m) { return &m == &module; });
        SetLastError(kErrorDllInitFailed);
        return nullptr;
    }
    return ToHandle(&module);
}

HMODULE LoadLibraryA(LPCSTR lpLibFileName)
{
    return LoadLibraryExA(lpLibFileName, nullptr, 0);
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    HostModule* pModule = HostModuleFromHandle(hModule);
    if (pModule == nullptr || lpProcName == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    char szOrdinal[32];
    if (IS_INTRESOURCE(lpProcName))
    {
        std::snprintf(szOrdinal, sizeof szOrdinal, "HostOrdinal_%u",
                      static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(lpProcName)));
        lpProcName = szOrdinal;
    }
    void* pSymbol = dlsym(pModule->pDl, lpProcName);
    if (pSymbol == nullptr)
    {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(pSymbol);
}

BOOL FreeLibrary(HMODULE hLibModule)
{
    std::lock_guard<std::recursive_mutex> guard(LoaderLock());
    HostModule* pModule = HostModuleFromHandle(hLibModule);
    if (pModule == nullptr || pModule == &MainProgram())
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--pModule->nRefs > 0)
    {
        return TRUE;
    }
    CallDllMain(*pModule, DLL_PROCESS_DETACH);
    dlclose(pModule->pDl);
    Modules().remove_if([&](const HostModule& m) { return &m == pModule; });
    return TRUE;
}

HMODULE GetModuleHandleA(LPCSTR lpModuleName)
{
    if (lpModuleName == nullptr)
    {
        return ToHandle(&MainProgram());
    }
    std::lock_guard<std::recursive_mutex> guard(LoaderLock());
    for (HostModule& m : Modules())
    {
        if (lstrcmpiA(BaseName(m.path).c_str(), lpModuleName) == 0)
        {
            return ToHandle(&m);
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize)
{
    HostModule* pModule = hModule ? HostModuleFromHandle(hModule) : &MainProgram();
    if (pModule == nullptr || nSize == 0)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    lstrcpynA(lpFilename, pModule->path.c_str(), static_cast<int>(nSize));
    if (pModule->path.size() >= nSize)
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    return static_cast<DWORD>(pModule->path.size());
}
