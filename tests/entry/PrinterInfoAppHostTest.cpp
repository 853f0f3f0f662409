// Host-only: the host's help engine records its calls (under Wine it would start winhlp32).
#include "module/entry/PrinterInfoApp.h"
#include "platform/host/HostHelpLog.h"
#include "platform/host/HostMessageBoxLog.h"

#include <gtest/gtest.h>

namespace
{
class HelpRoutingTest : public testing::Test
{
protected:
    void SetUp() override
    {
        HostResetHelp();
        HostResetMessageBoxes();
        theApp.SetModule(GetModuleHandleA(nullptr));
    }
    void TearDown() override
    {
        HostResetHelp();
        HostResetMessageBoxes();
    }
};

TEST_F(HelpRoutingTest, AnyNonzeroContextOpensTopic0x1300)
{
    const struct
    {
        DWORD_PTR dwData;
        UINT nCmd;
    } cases[] = {{1, HELP_CONTEXT}, {0x20066, HELP_CONTEXT}, {5, HELP_CONTENTS}, {0x1300, 0x0101}};
    for (const auto& c : cases)
    {
        HostResetHelp();
        theApp.WinHelp(c.dwData, c.nCmd);
        ASSERT_EQ(1u, HostHelpCalls().size());
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), HostHelpCalls()[0].uCommand);
        EXPECT_EQ(0x1300u, HostHelpCalls()[0].dwData);
        EXPECT_EQ(theApp.m_pszHelpFilePath, HostHelpCalls()[0].helpFile);
    }
}

TEST_F(HelpRoutingTest, AZeroContextPassesWithTheCallersCommand)
{
    theApp.WinHelp(0, HELP_CONTENTS);
    ASSERT_EQ(1u, HostHelpCalls().size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTENTS), HostHelpCalls()[0].uCommand);
    EXPECT_EQ(0u, HostHelpCalls()[0].dwData);
}

TEST_F(HelpRoutingTest, TheHelpCommandReachesTheHelpEngine)
{
    EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP, CN_COMMAND));
    EXPECT_EQ(1u, HostHelpCalls().size());
    EXPECT_FALSE(theApp.OnCmdMsg(ID_HELP + 1, CN_COMMAND));
    EXPECT_EQ(1u, HostHelpCalls().size());
}

TEST_F(HelpRoutingTest, AHelpEngineThatCannotStartIsReported)
{
    HostSetHelpAvailable(false);
    theApp.WinHelp(7, HELP_CONTEXT);
    ASSERT_EQ(1u, HostMessageBoxCalls().size());
    EXPECT_EQ("Impossibile avviare la Guida.", HostMessageBoxCalls()[0].text);
    EXPECT_EQ("qz_host_tests", HostMessageBoxCalls()[0].caption);
}
} // namespace
