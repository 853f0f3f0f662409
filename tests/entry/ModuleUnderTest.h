// The module as a driver UI loads it: by file name, its export resolved by ordinal 1.
#pragma once

#include "module/entry/QZOpenPrinterInf.h"

class ModuleUnderTest
{
public:
    ModuleUnderTest();
    ModuleUnderTest(const ModuleUnderTest&) = delete;
    ModuleUnderTest& operator=(const ModuleUnderTest&) = delete;
    ~ModuleUnderTest();

    HMODULE Handle() const { return m_hModule; }
    // The export; null when the module could not be loaded (the test has failed then).
    PFN_QZOPENPRINTERINF Open() const { return m_pfnOpen; }

private:
    HMODULE m_hModule;
    PFN_QZOPENPRINTERINF m_pfnOpen;
};
