// The printer status query on the running platform. The runner registers this suite once per
// emulated Windows version (Wine's own emulation under Wine, the host layer's on the host) and
// sets QZ_EXPECTED_OSKIND; each test asks CMisc for the kind and expects what that kind does:
// the extended channel first and the basic one only when the extended one is not offered (95,
// NT 4.0), the basic channel alone (NT 3.51), no exchange but a parse of the empty reply (98,
// Me), or no exchange and 0 (Win32s, NT 3.5, NT 5 and later).
#include "module/bidi/PrinterStatusQuery.h"
#include "BidiTestSupport.h"
#include "module/bidi/BidiLibrary.h"
#include "module/support/Misc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace
{
constexpr const char* kPrinter = "Vantor Jet QX";

enum class Route
{
    TwoStep,   // extended channel, then the basic one when the extended one is not offered
    BasicOnly, // the basic channel alone
    ParseOnly, // no exchange; the empty reply is parsed
    None       // no exchange; the result is 0
};

int Kind()
{
    CMisc misc;
    int nKind = -1;
    EXPECT_TRUE(misc.GetOsKind(&nKind));
    return nKind;
}

Route RouteOfKind(int nKind)
{
    switch (nKind)
    {
    case OSKIND_WIN95:
    case OSKIND_NT40:
        return Route::TwoStep;
    case OSKIND_NT351:
        return Route::BasicOnly;
    case OSKIND_WIN95_LATER:
        return Route::ParseOnly;
    default:
        return Route::None;
    }
}

bool Same(const PRINTER_INF& a, const PRINTER_INF& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class QueryPrinterStatusPlatformTest : public testing::Test
{
protected:
    void SetUp() override { m_route = RouteOfKind(Kind()); }

    bool Exchanges() const { return m_route == Route::TwoStep || m_route == Route::BasicOnly; }

    // A fresh simulator scope, with an empty call log.
    void Restart(const std::string& variant = "default")
    {
        m_pSim.reset();
        m_pSim = std::make_unique<SimulatorScope>(variant);
    }
    SimulatorScope& Sim() { return *m_pSim; }

    // Runs the query over a profile, in a session of its own.
    BOOL Query(const std::string& profile, PRINTER_INF& inf)
    {
        Sim().UseProfileText(profile);
        const BOOL bResult = QueryPrinterStatus(kPrinter, &inf);
        ExpectReleasedAndUnloaded(Sim());
        // The library is loaded and initialised whatever the platform.
        EXPECT_EQ(1, CountCalls(Sim(), "KWInitialize"));
        return bResult;
    }
    int Opened(const char* pszChannel)
    {
        return Sim().CountLines(std::string("KWOpenChannel(1, \"Vantor Jet QX\", ") + pszChannel);
    }
    int Lists() { return CountCalls(Sim(), "KWGetAvailableChannel") / 2; }

    Route m_route = Route::None;
    std::unique_ptr<SimulatorScope> m_pSim = std::make_unique<SimulatorScope>();
};

TEST_F(QueryPrinterStatusPlatformTest, RunsOnTheExpectedPlatform)
{
    const char* pszExpected = std::getenv("QZ_EXPECTED_OSKIND");
    if (pszExpected == nullptr)
    {
        GTEST_SKIP() << "run by the version runner only";
    }
    EXPECT_EQ(std::atoi(pszExpected), Kind());
}

TEST_F(QueryPrinterStatusPlatformTest, ReadsTheDefaultPrinter)
{
    PRINTER_INF inf = RequestRecord(false);
    PRINTER_INF expected = inf;
    const DWORD values[] = {34, 40, 46, 52, 58, 64};
    std::memcpy(expected.dwId, values, sizeof values);
    const BOOL bResult =
        Query(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1", inf);
    switch (m_route)
    {
    case Route::TwoStep:
        EXPECT_EQ(1, bResult);
        EXPECT_TRUE(Same(expected, inf));
        EXPECT_EQ(1, Lists());
        EXPECT_EQ(1, Opened("0x10010003) = 1"));
        EXPECT_EQ(0, Opened("0x10000003"));
        break;
    case Route::BasicOnly:
        EXPECT_EQ(1, bResult);
        EXPECT_TRUE(Same(expected, inf));
        EXPECT_EQ(1, Lists());
        EXPECT_EQ(1, Opened("0x10000003) = 1"));
        EXPECT_EQ(0, Sim().CountLines("KWOpenChannel(1, \"Vantor Jet QX\", 0x10010003"));
        break;
    case Route::ParseOnly:
    case Route::None:
        EXPECT_EQ(0, bResult);
        EXPECT_TRUE(Same(RequestRecord(false), inf));
        EXPECT_EQ(0, CountCalls(Sim(), "KWGetAvailableChannel"));
        EXPECT_EQ(0, CountCalls(Sim(), "KWOpenChannel"));
        break;
    }
}

TEST_F(QueryPrinterStatusPlatformTest, ReadsTheOptionsOfTheVj8200q)
{
    Sim().UseProfileFile("vj-8200q.profile");
    PRINTER_INF inf = RequestRecord(true);
    const BOOL bResult = QueryPrinterStatus(kPrinter, &inf);
    ExpectReleasedAndUnloaded(Sim());
    if (Exchanges())
    {
        EXPECT_EQ(1, bResult);
        ExpectVj8200qIds(inf);
        EXPECT_EQ(64u, inf.dwOpt1Value);
        EXPECT_EQ(1u, inf.dwOpt2Value);
        EXPECT_EQ(PRINTER_ID_COUNT, inf.dwIdCount);
    }
    else
    {
        EXPECT_EQ(0, bResult);
        EXPECT_TRUE(Same(RequestRecord(true), inf));
    }
}

// The extended channel not listed, or listed first with bit 0 clear: the basic one is read
// where the platform takes two steps.
TEST_F(QueryPrinterStatusPlatformTest, FallsBackToTheBasicChannelOnlyWhenTheExtendedIsNotOffered)
{
    for (const char* pszChannels :
         {"channel = 0x10000003 1", "channel = 0x10010003 0\nchannel = 0x10000003 1\n"
                                    "channel = 0x10010003 1"})
    {
        SCOPED_TRACE(pszChannels);
        PRINTER_INF inf = RequestRecord(false);
        Restart();
        const BOOL bResult = Query(QxPrinterLines() + pszChannels, inf);
        if (Exchanges())
        {
            EXPECT_EQ(1, bResult);
            ExpectQxIds(inf);
            EXPECT_EQ(1, Opened("0x10000003"));
            EXPECT_EQ(0, Opened("0x10010003"));
            EXPECT_EQ(m_route == Route::TwoStep ? 2 : 1, Lists());
        }
        else
        {
            EXPECT_EQ(0, bResult);
            EXPECT_EQ(0, Lists());
        }
    }
}

// A failure other than "not offered" ends the query: the basic channel is not tried.
TEST_F(QueryPrinterStatusPlatformTest, AnExtendedChannelThatFailsToOpenIsTheEnd)
{
    PRINTER_INF inf = RequestRecord(false);
    const BOOL bResult = Query(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1\n"
                                                  "KWOpenChannel#1.result = -9",
                               inf);
    EXPECT_EQ(0, bResult);
    EXPECT_TRUE(Same(RequestRecord(false), inf));
    EXPECT_EQ(Exchanges() ? 1 : 0, CountCalls(Sim(), "KWOpenChannel"));
    EXPECT_EQ(Exchanges() ? 1 : 0, Lists());
}

TEST_F(QueryPrinterStatusPlatformTest, AFailedFetchIsTheEnd)
{
    PRINTER_INF inf = RequestRecord(false);
    EXPECT_EQ(0, Query(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1\n"
                                          "KWGetStatus.fetch.result = -9",
                       inf));
    EXPECT_TRUE(Same(RequestRecord(false), inf));
    EXPECT_EQ(Exchanges() ? 1 : 0, CountCalls(Sim(), "KWOpenChannel"));
    EXPECT_EQ(Exchanges() ? 1 : 0, CountCalls(Sim(), "KWCloseChannel"));
}

// NT 3.51 never asks for the extended channel, even when it is the only one offered.
TEST_F(QueryPrinterStatusPlatformTest, OnlyTheExtendedChannelOffered)
{
    PRINTER_INF inf = RequestRecord(false);
    const BOOL bResult = Query(QxPrinterLines() + "channel = 0x10010003 1", inf);
    EXPECT_EQ(m_route == Route::TwoStep ? 1 : 0, bResult);
    EXPECT_EQ(m_route == Route::TwoStep ? 1 : 0, Opened("0x10010003"));
    if (m_route == Route::BasicOnly)
    {
        EXPECT_EQ(0, Sim().CountLines("KWOpenChannel"));
        EXPECT_EQ(1, Lists());
    }
}

TEST_F(QueryPrinterStatusPlatformTest, NoStatusChannelOffered)
{
    PRINTER_INF inf = RequestRecord(false);
    EXPECT_EQ(0, Query(QxPrinterLines() + "channel = 0x10020003 1", inf));
    EXPECT_TRUE(Same(RequestRecord(false), inf));
    EXPECT_EQ(0, CountCalls(Sim(), "KWOpenChannel"));
    EXPECT_EQ(m_route == Route::TwoStep ? 2 : (m_route == Route::BasicOnly ? 1 : 0), Lists());
}

// A record that asks for nothing: 1 wherever the reply is parsed, fetched or empty.
TEST_F(QueryPrinterStatusPlatformTest, ARecordThatAsksForNothing)
{
    PRINTER_INF inf = RequestRecord(false);
    inf.dwIdFlag = 0;
    const PRINTER_INF before = inf;
    const BOOL bResult =
        Query(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1", inf);
    EXPECT_EQ(m_route == Route::None ? 0 : 1, bResult);
    EXPECT_TRUE(Same(before, inf));
}

TEST_F(QueryPrinterStatusPlatformTest, AReplyWithoutTheOptionItemFailsARecordThatAsksForIt)
{
    PRINTER_INF inf = RequestRecord(true);
    EXPECT_EQ(0, Query(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1", inf));
    if (Exchanges())
    {
        // The ID values were written before the missing item was noticed.
        ExpectQxIds(inf);
    }
    EXPECT_EQ(RequestRecord(true).dwOpt1Value, inf.dwOpt1Value);
    EXPECT_EQ(RequestRecord(true).dwOpt2Value, inf.dwOpt2Value);
}

TEST_F(QueryPrinterStatusPlatformTest, AnUninitialisedLibraryGivesNothing)
{
    PRINTER_INF inf = RequestRecord(false);
    Sim().UseProfileText(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1\n"
                                            "KWInitialize.result = -13");
    EXPECT_EQ(0, QueryPrinterStatus(kPrinter, &inf));
    EXPECT_TRUE(Same(RequestRecord(false), inf));
    EXPECT_EQ((std::vector<std::string>{"DllMain(attach)", "KWInitialize", "DllMain(detach)"}),
              Sim().Calls());
}

TEST_F(QueryPrinterStatusPlatformTest, WithoutTheLibraryNothingIsRead)
{
    Restart("no-such-variant");
    PRINTER_INF inf = RequestRecord(false);
    EXPECT_EQ(0, QueryPrinterStatus(kPrinter, &inf));
    EXPECT_TRUE(Same(RequestRecord(false), inf));
    inf.dwIdFlag = 0;
    EXPECT_EQ(m_route == Route::ParseOnly ? 1 : 0, QueryPrinterStatus(kPrinter, &inf));
}

// Inside a live session, as the printer path runs it: the query's own session nests in it.
TEST_F(QueryPrinterStatusPlatformTest, NestsInALiveSession)
{
    Sim().UseProfileText(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1");
    {
        CBidiLibrary outer;
        CString strDeviceId;
        EXPECT_TRUE(outer.ReadDeviceId(kPrinter, strDeviceId));
        PRINTER_INF inf = RequestRecord(false);
        EXPECT_EQ(Exchanges() ? 1 : 0, QueryPrinterStatus(kPrinter, &inf));
        EXPECT_EQ(2, CountCalls(Sim(), "KWInitialize"));
        EXPECT_EQ(1, CountCalls(Sim(), "KWRelease"));
        EXPECT_EQ(0, CountCalls(Sim(), "DllMain(detach)"));
    }
    EXPECT_EQ(1, CountCalls(Sim(), "DllMain(attach)"));
    ExpectReleasedAndUnloaded(Sim());
}
} // namespace
