// The library session over the simulator: loading and initialising, the two exchanges, the
// reply it keeps, nested sessions, and memory running out.
#include "module/bidi/BidiLibrary.h"
#include "AsanOptions.h"
#include "BidiTestSupport.h"
#include "classlib/Exceptions.h"
#include "module/bidi/BidiAltChannel.h"
#include "module/bidi/BidiError.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
constexpr const char* kPrinter = "Vantor Jet QX";

std::string Reply(const CBidiLibrary& library)
{
    return std::string(reinterpret_cast<const char*>(library.m_pReply), library.m_cbReply);
}

std::string TwoChannels(const std::string& extra = "")
{
    return QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1\n" + extra;
}

TEST(BidiLibraryTest, TheDefaultProfileIsTheVantorJetQx)
{
    SimulatorScope sim;
    {
        CBidiLibrary library;
        EXPECT_TRUE(library.m_bInitialized);
        EXPECT_EQ(BIDI_ERROR_NONE, library.m_nError);
        CString strDeviceId;
        EXPECT_TRUE(library.ReadDeviceId("any printer", strDeviceId));
        EXPECT_STREQ(kQxDeviceId, strDeviceId);
        EXPECT_NE(-1, CString(strDeviceId).Find("MDL:Vantor Jet QX;"));
        EXPECT_TRUE(library.ReadStatus("any printer", BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(kQxExtendedReply, Reply(library));
        EXPECT_TRUE(library.ReadStatus("any printer", BIDI_CHANNEL_STATUS_BASIC));
        EXPECT_EQ(kQxBasicReply, Reply(library));
    }
    ExpectReleasedAndUnloaded(sim);
    EXPECT_NE(std::string::npos, sim.Log()[0].find("kwsim.profile"));
}

TEST(BidiLibraryTest, TheVj8200qProfileNamesItsModel)
{
    SimulatorScope sim;
    sim.UseProfileFile("vj-8200q.profile");
    {
        CBidiLibrary library;
        CString strDeviceId;
        EXPECT_TRUE(library.ReadDeviceId(kPrinter, strDeviceId));
        EXPECT_NE(-1, CString(strDeviceId).Find("MDL:VJ-8200Q;"));
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_NE(std::string::npos, Reply(library).find("CD:"));
    }
    ExpectReleasedAndUnloaded(sim);
}

// One session's calls, in order: load, initialise, the exchanges, release, unload.
TEST(BidiLibraryTest, ASessionMakesItsCallsInOrder)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels());
    {
        CBidiLibrary library;
        CString strDeviceId;
        EXPECT_TRUE(library.ReadDeviceId(kPrinter, strDeviceId));
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    }
    EXPECT_EQ((std::vector<std::string>{
                  "DllMain(attach)", "KWInitialize", "KWGetDeviceID", "KWGetDeviceID",
                  "KWGetAvailableChannel", "KWGetAvailableChannel", "KWOpenChannel", "KWGetStatus",
                  "KWGetStatus", "KWCloseChannel", "KWRelease", "DllMain(detach)"}),
              sim.Calls());
    EXPECT_EQ(1, sim.CountLines("KWOpenChannel(1, \"Vantor Jet QX\", 0x10010003) = 1"));
}

TEST(BidiLibraryTest, AnInitialisationAnsweredWithMinus13IsNone)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels("KWInitialize.result = -13"));
    {
        CBidiLibrary library;
        EXPECT_FALSE(library.m_bInitialized);
        EXPECT_EQ(BIDI_ERROR_NONE, library.m_nError);
        CString strText("untouched");
        EXPECT_FALSE(library.ReadDeviceId(kPrinter, strText));
        EXPECT_STREQ("untouched", strText);
        EXPECT_FALSE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_ERROR_NONE, library.m_nError);
        EXPECT_EQ(nullptr, library.m_pReply);
    }
    EXPECT_EQ((std::vector<std::string>{"DllMain(attach)", "KWInitialize", "DllMain(detach)"}),
              sim.Calls());
    ExpectReleasedAndUnloaded(sim);
}

TEST(BidiLibraryTest, OtherNegativeInitialisationResultsCountAsSuccess)
{
    for (const char* pszResult : {"-1", "-12", "-14", "5"})
    {
        SCOPED_TRACE(pszResult);
        SimulatorScope sim;
        sim.UseProfileText(TwoChannels(std::string("KWInitialize.result = ") + pszResult));
        {
            CBidiLibrary library;
            EXPECT_TRUE(library.m_bInitialized);
            CString strDeviceId;
            EXPECT_TRUE(library.ReadDeviceId(kPrinter, strDeviceId));
        }
        EXPECT_EQ(1, CountCalls(sim, "KWRelease"));
        ExpectReleasedAndUnloaded(sim);
    }
}

TEST(BidiLibraryTest, EachExchangeStartsWithoutError)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels("KWOpenChannel#1.result = -9"));
    {
        CBidiLibrary library;
        EXPECT_FALSE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_ERROR_OPEN_CHANNEL, library.m_nError);
        CString strDeviceId;
        EXPECT_TRUE(library.ReadDeviceId(kPrinter, strDeviceId));
        EXPECT_EQ(BIDI_ERROR_NONE, library.m_nError);
        EXPECT_EQ(0, library.m_nLibResult);
        EXPECT_FALSE(library.ReadStatus(kPrinter, 0x1));
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_ERROR_NONE, library.m_nError);
    }
    ExpectReleasedAndUnloaded(sim);
}

TEST(BidiLibraryTest, AnotherReplyReplacesTheLastOne)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels());
    {
        CBidiLibrary library;
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(kQxExtendedReply, Reply(library));
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
        EXPECT_EQ(kQxBasicReply, Reply(library));
    }
    ExpectReleasedAndUnloaded(sim);
}

TEST(BidiLibraryTest, AnEmptyReplyIsAReply)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels("status.0x10010003 ="));
    {
        CBidiLibrary library;
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(0u, library.m_cbReply);
    }
    ExpectReleasedAndUnloaded(sim);
}

// The reply is a copy: bytes of any value, the count as the library left it.
TEST(BidiLibraryTest, TheReplyMayHoldAnyBytes)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels("status.0x10010003 = \\0\\xFF\\x80CW:\\0\\n\\\\"));
    {
        CBidiLibrary library;
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(std::string("\0\xFF\x80"
                              "CW:\0\n\\",
                              9),
                  Reply(library));
    }
    ExpectReleasedAndUnloaded(sim);
}

TEST(BidiLibraryTest, TheAltExchangesPassSelectorZero)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels());
    {
        CBidiLibrary library;
        CString strDeviceId;
        EXPECT_TRUE(library.ReadDeviceIdAlt(kPrinter, strDeviceId));
        EXPECT_STREQ(kQxDeviceId, strDeviceId);
        EXPECT_TRUE(library.ReadStatusAlt(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
        EXPECT_EQ(kQxBasicReply, Reply(library));
        CBidiAltChannel channel(library.m_hLibrary);
        EXPECT_TRUE(library.ExchangeStatus(channel, kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(kQxExtendedReply, Reply(library));
        EXPECT_EQ(-1, channel.m_hChannel);
    }
    EXPECT_EQ(2, sim.CountLines("KWGetDeviceID(0, "));
    EXPECT_EQ(4, sim.CountLines("KWGetAvailableChannel(0, "));
    EXPECT_EQ(2, sim.CountLines("KWOpenChannel(0, "));
    EXPECT_EQ(0, sim.CountLines("KWGetDeviceID(1, ") + sim.CountLines("KWOpenChannel(1, "));
    ExpectReleasedAndUnloaded(sim);
}

// A second session while the first is alive: the library is loaded once and initialised twice,
// nested, and each initialisation is released by its own session.
TEST(BidiLibraryTest, NestedSessionsInitialiseAndReleaseInPairs)
{
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels());
    {
        CBidiLibrary outer;
        CString strDeviceId;
        EXPECT_TRUE(outer.ReadDeviceId(kPrinter, strDeviceId));
        {
            CBidiLibrary inner;
            EXPECT_TRUE(inner.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        }
        EXPECT_TRUE(outer.ReadDeviceId(kPrinter, strDeviceId));
    }
    EXPECT_EQ((std::vector<std::string>{
                  "DllMain(attach)", "KWInitialize", "KWGetDeviceID", "KWGetDeviceID",
                  "KWInitialize", "KWGetAvailableChannel", "KWGetAvailableChannel", "KWOpenChannel",
                  "KWGetStatus", "KWGetStatus", "KWCloseChannel", "KWRelease", "KWGetDeviceID",
                  "KWGetDeviceID", "KWRelease", "DllMain(detach)"}),
              sim.Calls());
    ExpectReleasedAndUnloaded(sim);
}

// The reply's size comes from the library; a size that cannot be allocated raises the class
// library's memory exception, out of the exchange, and the channel is closed on the way.
TEST(BidiLibraryTest, MemoryRunningOutRaisesTheMemoryException)
{
#if !defined(_WIN32) && !defined(QZ_ADDRESS_SANITIZER)
    GTEST_SKIP() << "a 4 GiB allocation may succeed here; the sanitized build limits it";
#endif
    SimulatorScope sim;
    sim.UseProfileText(TwoChannels("KWGetStatus#2.size.count = 0xFFFFFFFF"));
    {
        CBidiLibrary library;
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        bool bThrown = false;
        try
        {
            library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_BASIC);
        }
        catch (CMemoryException* pException)
        {
            bThrown = true;
            pException->Delete();
        }
        EXPECT_TRUE(bThrown);
        EXPECT_EQ(kQxExtendedReply, Reply(library));
        EXPECT_EQ(1, sim.CountLines("KWCloseChannel(2) = 0"));
        // The session goes on working.
        EXPECT_TRUE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
        EXPECT_EQ(kQxBasicReply, Reply(library));
    }
    ExpectReleasedAndUnloaded(sim);
}
} // namespace
