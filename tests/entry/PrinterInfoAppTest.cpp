#include "module/entry/PrinterInfoApp.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string ProgramPath()
{
    char szPath[MAX_PATH];
    const DWORD cch = GetModuleFileNameA(nullptr, szPath, sizeof szPath);
    return std::string(szPath, cch);
}

TEST(PrinterInfoAppTest, TitleAndHelpFileFollowTheModuleFileName)
{
    theApp.SetModule(GetModuleHandleA(nullptr));
    EXPECT_STREQ("qz_app_tests", theApp.m_pszAppName);
    const std::string path = ProgramPath();
    const std::string expectedHelp =
        path.substr(0, path.rfind("qz_app_tests")) + "qz_app_tests.HLP";
    EXPECT_EQ(expectedHelp, theApp.m_pszHelpFilePath);
}

TEST(PrinterInfoAppTest, StartsWithoutModelAndWithoutMainWindow)
{
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    EXPECT_EQ(&theApp, AfxGetApp());
}
} // namespace
