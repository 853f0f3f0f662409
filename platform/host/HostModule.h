// The host layer's record of a loaded module; an HMODULE points at one of these.
#pragma once

#include "HostTypes.h"

#include <string>

struct HostModule
{
    void* pDl = nullptr; // dlopen handle
    std::string path;    // full path of the file
    int nRefs = 0;       // LoadLibrary count; the module is unloaded when it drops to 0
};

// The module behind a handle, or null when the handle is not a loaded module.
HostModule* HostModuleFromHandle(HMODULE hModule);
