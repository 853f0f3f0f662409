#include "ModuleUnderTest.h"

#include <gtest/gtest.h>

ModuleUnderTest::ModuleUnderTest()
    : m_hModule(LoadLibraryA("QZPRINF.DLL")),
      m_pfnOpen(m_hModule ? reinterpret_cast<PFN_QZOPENPRINTERINF>(reinterpret_cast<void*>(
                                GetProcAddress(m_hModule, MAKEINTRESOURCEA(1))))
                          : nullptr)
{
    EXPECT_NE(nullptr, m_pfnOpen) << "QZPRINF.DLL or its ordinal 1 is missing";
}

ModuleUnderTest::~ModuleUnderTest()
{
    if (m_hModule != nullptr)
    {
        FreeLibrary(m_hModule);
    }
}
