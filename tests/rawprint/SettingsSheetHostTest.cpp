// Host-only: what the spooler sees of a settings-sheet job.
#include "SettingsSheetBytes.h"
#include "module/rawprint/SettingsSheet.h"
#include "platform/host/HostSpoolerLog.h"
#include "platform/host/HostVersionControl.h"

#include <gtest/gtest.h>

namespace
{
constexpr char kPrinter[] = "Sheet Printer";

class SettingsSheetHostTest : public testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        HostResetSpooler();
        HostAddPrinter(kPrinter);
        ASSERT_TRUE(HostSetWindowsVersionName(GetParam()));
    }
    void TearDown() override
    {
        HostResetSpooler();
        HostSetWindowsVersionName("nt40");
    }
};

TEST_P(SettingsSheetHostTest, TheWholeSheetIsOneWriteOfFortyFiveBytes)
{
    EXPECT_TRUE(PrintSettingsSheet(kPrinter));
    std::vector<std::vector<BYTE>> writes;
    for (const HostSpoolerCall& call : HostSpoolerCalls())
    {
        if (call.function == HostSpoolerFunction::WritePrinter)
        {
            writes.push_back(call.data);
        }
    }
    EXPECT_EQ(std::vector<std::vector<BYTE>>{SettingsSheetBytes()}, writes);
    EXPECT_EQ(0u, HostOpenPrinterCount());
}

INSTANTIATE_TEST_SUITE_P(Versions, SettingsSheetHostTest,
                         testing::Values("win95", "win98", "winme", "nt351", "nt40", "win7"));
} // namespace
