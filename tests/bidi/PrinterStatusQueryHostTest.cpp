// Host only: the platforms that Wine cannot emulate (NT 3.5, a failed version query, a version
// without a kind), and every emulated version in one process.
#include "BidiTestSupport.h"
#include "module/bidi/PrinterStatusQuery.h"
#include "platform/host/HostVersionControl.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
constexpr const char* kPrinter = "Vantor Jet QX";

class PrinterStatusQueryHostTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_sim.UseProfileText(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1");
    }
    void TearDown() override
    {
        HostFailVersionQuery(false);
        HostSetWindowsVersionName("nt40");
    }
    // The query for a record that asks for the ID values and for one that asks for nothing.
    void ExpectNoExchange(BOOL bResultAskingNothing)
    {
        const PRINTER_INF before = RequestRecord(false);
        PRINTER_INF inf = before;
        EXPECT_EQ(0, QueryPrinterStatus(kPrinter, &inf));
        EXPECT_EQ(0, std::memcmp(&inf, &before, sizeof inf));
        inf.dwIdFlag = 0;
        EXPECT_EQ(bResultAskingNothing, QueryPrinterStatus(kPrinter, &inf));
        EXPECT_EQ(0, CountCalls(m_sim, "KWGetAvailableChannel"));
        EXPECT_EQ(CountCalls(m_sim, "DllMain(attach)"), CountCalls(m_sim, "KWInitialize"));
        ExpectReleasedAndUnloaded(m_sim);
    }

    SimulatorScope m_sim;
};

TEST_F(PrinterStatusQueryHostTest, Nt35MakesNoExchange)
{
    HostSetWindowsVersion(VER_PLATFORM_WIN32_NT, 3, 5);
    ExpectNoExchange(0);
}

// Without a platform kind there is nothing to branch on: the empty reply answers the record.
TEST_F(PrinterStatusQueryHostTest, AFailedVersionQueryMakesNoExchange)
{
    HostFailVersionQuery(true);
    ExpectNoExchange(1);
}

TEST_F(PrinterStatusQueryHostTest, AVersionWithoutKindMakesNoExchange)
{
    HostSetWindowsVersion(VER_PLATFORM_WIN32_WINDOWS, 3, 95);
    ExpectNoExchange(1);
    HostSetWindowsVersion(7, 4, 0);
    ExpectNoExchange(1);
}

TEST_F(PrinterStatusQueryHostTest, EveryVersionTakesItsRoute)
{
    struct VersionRoute
    {
        const char* pszVersion;
        BOOL bRead;
        const char* pszChannel; // the channel read, or null
    };
    const VersionRoute routes[] = {
        {"win31", 0, nullptr},     {"win95", 1, "0x10010003"}, {"win98", 0, nullptr},
        {"winme", 0, nullptr},     {"nt35", 0, nullptr},       {"nt351", 1, "0x10000003"},
        {"nt40", 1, "0x10010003"}, {"win2k", 0, nullptr},      {"winxp", 0, nullptr},
        {"win7", 0, nullptr},      {"win10", 0, nullptr},
    };
    for (const VersionRoute& route : routes)
    {
        SCOPED_TRACE(route.pszVersion);
        ASSERT_TRUE(HostSetWindowsVersionName(route.pszVersion));
        const int nOpenedBefore = CountCalls(m_sim, "KWOpenChannel");
        PRINTER_INF inf = RequestRecord(false);
        EXPECT_EQ(route.bRead, QueryPrinterStatus(kPrinter, &inf));
        if (route.pszChannel != nullptr)
        {
            ExpectQxIds(inf);
            EXPECT_EQ(nOpenedBefore + 1, CountCalls(m_sim, "KWOpenChannel"));
            EXPECT_NE(std::string::npos,
                      m_sim.Log()[m_sim.Log().size() - 6].find(route.pszChannel));
        }
        else
        {
            EXPECT_EQ(nOpenedBefore, CountCalls(m_sim, "KWOpenChannel"));
        }
    }
    ExpectReleasedAndUnloaded(m_sim);
}
} // namespace
