#include "module/entry/ModelTable.h"
#include "module/entry/PrinterInfoApp.h"

#include <gtest/gtest.h>

namespace
{
TEST(ModelTableTest, RowsHoldTheTwoNamesPaddedWithNul)
{
    EXPECT_STREQ("Vantor Jet QX", g_szModelNames[0]);
    EXPECT_STREQ("VJ-8200Q", g_szModelNames[1]);
    for (int i = lstrlenA(g_szModelNames[1]); i < MODEL_NAME_FIELD; ++i)
    {
        EXPECT_EQ('\0', g_szModelNames[1][i]);
    }
}

TEST(ModelTableTest, FindModelIndexSetsTheRowOrMinusOne)
{
    struct
    {
        const char* pszName;
        BOOL bFound;
        int nIndex;
    } const cases[] = {
        {"Vantor Jet QX", TRUE, 0}, {"vantor jet qx", TRUE, 0},
        {"VANTOR JET QX", TRUE, 0}, {"VJ-8200Q", TRUE, 1},
        {"vj-8200q", TRUE, 1},      {"Vantor Jet QX ", FALSE, -1},
        {"VJ-8200", FALSE, -1},     {"", FALSE, -1},
        {"Vantor Jet", FALSE, -1},
    };
    for (const auto& c : cases)
    {
        theApp.g_nModelIndex = 99;
        EXPECT_EQ(c.bFound, FindModelIndex(c.pszName)) << c.pszName;
        EXPECT_EQ(c.nIndex, theApp.g_nModelIndex) << c.pszName;
    }
}

TEST(ModelTableTest, AnUnknownNameDoesNotStickToTheNextCall)
{
    FindModelIndex("Other Printer");
    EXPECT_EQ(-1, theApp.g_nModelIndex);
    FindModelIndex("VJ-8200Q");
    EXPECT_EQ(1, theApp.g_nModelIndex);
}
} // namespace
