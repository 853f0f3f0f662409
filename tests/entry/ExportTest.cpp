// The module as a driver UI sees it: loaded by file name, called through ordinal 1. The printer's
// communication library is not installed for these tests.
#include "module/bidi/BidiApi.h"
#include "tests/entry/ModuleUnderTest.h"
#include "tests/entry/RecordPatterns.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
class ExportTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char szPath[MAX_PATH];
        ASSERT_EQ(0u, SearchPathA(nullptr, BIDI_LIBRARY_NAME, nullptr, MAX_PATH, szPath, nullptr))
            << "the communication library must not be installed for these tests: " << szPath;
        ASSERT_NE(nullptr, m_module.Open());
        m_pfnOpen = m_module.Open();
    }

    const PRINTER_INF m_input = NumberedRecord(0xC0DE0000u);
    ModuleUnderTest m_module;
    PFN_QZOPENPRINTERINF m_pfnOpen = nullptr;
};

TEST_F(ExportTest, OrdinalOneIsQZOpenPrinterInf)
{
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(m_module.Handle(), "QZOpenPrinterInf")),
              reinterpret_cast<void*>(m_pfnOpen));
}

TEST_F(ExportTest, WithoutLibraryAndDialogTheInputPassesThrough)
{
    const char* const models[] = {"Vantor Jet QX", "VJ-8200Q", "vantor jet qx", "Other Printer"};
    const DWORD reserved[] = {0, 1, 0xFFFFFFFF};
    for (const char* pszModel : models)
    {
        for (DWORD dwReserved : reserved)
        {
            for (BOOL bUseBidi : {FALSE, TRUE})
            {
                const PRINTER_INF in = m_input;
                PRINTER_INF out = UntouchedRecord();
                EXPECT_EQ(1,
                          m_pfnOpen("Stampante", pszModel, dwReserved, &in, &out, FALSE, bUseBidi))
                    << pszModel;
                EXPECT_TRUE(SameRecord(m_input, out)) << pszModel;
                EXPECT_TRUE(SameRecord(m_input, in)) << "the input record is never written";
            }
        }
    }
}

TEST_F(ExportTest, ANullInputGivesZeros)
{
    PRINTER_INF out = UntouchedRecord();
    EXPECT_EQ(1, m_pfnOpen("Stampante", "Vantor Jet QX", 0, nullptr, &out, FALSE, TRUE));
    EXPECT_TRUE(SameRecord(PRINTER_INF(), out));
}

TEST_F(ExportTest, TheSameRecordMayBeInputAndOutput)
{
    PRINTER_INF inf = m_input;
    EXPECT_EQ(1, m_pfnOpen("Stampante", "VJ-8200Q", 0, &inf, &inf, FALSE, FALSE));
    EXPECT_TRUE(SameRecord(m_input, inf));
}

TEST_F(ExportTest, ANullOutputRecordFailsTheCall)
{
    const PRINTER_INF in = m_input;
    EXPECT_EQ(0, m_pfnOpen("Stampante", "Vantor Jet QX", 0, &in, nullptr, FALSE, FALSE));
    EXPECT_EQ(0, m_pfnOpen("Stampante", "Vantor Jet QX", 0, nullptr, nullptr, FALSE, TRUE));
}

TEST_F(ExportTest, NullTextsAreTakenAsEmpty)
{
    const PRINTER_INF in = m_input;
    PRINTER_INF out = UntouchedRecord();
    EXPECT_EQ(1, m_pfnOpen(nullptr, nullptr, 0, &in, &out, FALSE, TRUE));
    EXPECT_TRUE(SameRecord(m_input, out));
}
} // namespace
