#include "module/support/Misc.h"

#include <gtest/gtest.h>

namespace
{
class ListItemFieldTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_list.m_hWnd = CreateWindowExA(0, "LISTBOX", "", 0, 0, 0, 100, 100, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_list.m_hWnd);
        for (const char* pszItem : {"Stampante\tVantor Jet QX\tUSB001", "solo"})
        {
            m_list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszItem));
        }
    }
    void TearDown() override { DestroyWindow(m_list.m_hWnd); }

    // Runs the three forms of the call and checks that they agree.
    BOOL AllForms(int nIndex, int nField, CString& strField)
    {
        CString strByHandle = strField;
        CString strByWindow = strField;
        const BOOL bByHandle = m_misc.GetListItemField(m_list.m_hWnd, nIndex, nField, strByHandle);
        const BOOL bByWindow =
            m_misc.GetListItemField(static_cast<CWnd*>(&m_list), nIndex, nField, strByWindow);
        const BOOL bByList = m_misc.GetListItemField(&m_list, nIndex, nField, strField);
        EXPECT_EQ(bByList, bByHandle);
        EXPECT_EQ(bByList, bByWindow);
        EXPECT_STREQ(strField, strByHandle);
        EXPECT_STREQ(strField, strByWindow);
        return bByList;
    }

    CMisc m_misc;
    CListBox m_list;
};

TEST_F(ListItemFieldTest, ReturnsTheFieldOfTheItem)
{
    CString strField;
    EXPECT_TRUE(AllForms(0, 1, strField));
    EXPECT_STREQ("Vantor Jet QX", strField);
    EXPECT_TRUE(AllForms(0, 2, strField));
    EXPECT_STREQ("USB001", strField);
    EXPECT_TRUE(AllForms(1, 0, strField));
    EXPECT_STREQ("solo", strField);
}

TEST_F(ListItemFieldTest, AMissingFieldLeavesTheWholeItem)
{
    CString strField;
    EXPECT_FALSE(AllForms(1, 1, strField));
    EXPECT_STREQ("solo", strField);
}

TEST_F(ListItemFieldTest, AnIndexOutsideTheListLeavesTheTextUntouched)
{
    for (int nIndex : {-1, 2, 100})
    {
        CString strField("untouched");
        EXPECT_FALSE(AllForms(nIndex, 0, strField)) << nIndex;
        EXPECT_STREQ("untouched", strField) << nIndex;
    }
}
} // namespace
