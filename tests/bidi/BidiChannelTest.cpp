// Channel objects over the simulator: the function table, the size protocol, the bounds of what
// the library hands back, and the open channel's life.
#include "BidiTestSupport.h"
#include "module/bidi/BidiAltChannel.h"
#include "module/bidi/BidiError.h"
#include "module/bidi/BidiLibrary.h"
#include "module/bidi/BidiPrinterChannel.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace
{
constexpr const char* kPrinter = "Vantor Jet QX";

// The channel's ten function addresses, in table order.
std::array<const void*, 10> FunctionTable(const CBidiChannel& channel)
{
    return {reinterpret_cast<void*>(channel.m_pfnGetDeviceID),
            reinterpret_cast<void*>(channel.m_pfnGetAvailableChannel),
            reinterpret_cast<void*>(channel.m_pfnOpenChannel),
            reinterpret_cast<void*>(channel.m_pfnCloseChannel),
            reinterpret_cast<void*>(channel.m_pfnSend),
            reinterpret_cast<void*>(channel.m_pfnReceive),
            reinterpret_cast<void*>(channel.m_pfnGetStatus),
            reinterpret_cast<void*>(channel.m_pfnReceiveCancel),
            reinterpret_cast<void*>(channel.m_pfnSetOption),
            reinterpret_cast<void*>(channel.m_pfnGetOption)};
}

// A simulator, an initialised session over it, and channels over the session's library.
class ChannelTest : public testing::Test
{
protected:
    void Load(const std::string& profile, const std::string& variant = "default")
    {
        m_pSim.reset();
        m_pSim = std::make_unique<SimulatorScope>(variant);
        m_pSim->UseProfileText(profile);
        m_pLibrary = std::make_unique<CBidiLibrary>();
        ASSERT_TRUE(m_pLibrary->m_bInitialized);
    }
    void LoadDefault(const std::string& extra = "")
    {
        Load(QxPrinterLines() + "channel = 0x10010003 1\nchannel = 0x10000003 1\n" + extra);
    }
    HMODULE Library() const { return m_pLibrary->m_hLibrary; }
    SimulatorScope& Sim() { return *m_pSim; }
    void TearDown() override
    {
        m_pLibrary.reset();
        if (m_pSim)
        {
            ExpectReleasedAndUnloaded(*m_pSim, m_bChannelsClosed);
        }
        m_pSim.reset();
    }

    bool m_bChannelsClosed = true;

private:
    std::unique_ptr<SimulatorScope> m_pSim;
    std::unique_ptr<CBidiLibrary> m_pLibrary;
};

TEST_F(ChannelTest, ConstructionResolvesTheWholeTable)
{
    LoadDefault();
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(BIDI_ERROR_NONE, channel.m_nError);
    EXPECT_EQ(-1, channel.m_hChannel);
    EXPECT_TRUE(channel.m_strDeviceId.IsEmpty());
    EXPECT_EQ(nullptr, channel.m_pChannels);
    EXPECT_EQ(0, channel.m_nChannels);
    EXPECT_EQ(nullptr, channel.m_pStatus);
    EXPECT_EQ(0u, channel.m_cbStatus);
    const std::array<const void*, 10> table = FunctionTable(channel);
    for (const void* pfn : table)
    {
        EXPECT_NE(nullptr, pfn);
    }
    // Looking up calls nothing.
    EXPECT_EQ(2u, Sim().Calls().size());
}

TEST_F(ChannelTest, ReadsTheDeviceIdText)
{
    LoadDefault();
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_STREQ(kQxDeviceId, channel.m_strDeviceId);
    const size_t cb = std::strlen(kQxDeviceId) + 1;
    EXPECT_EQ("KWGetDeviceID(1, \"Vantor Jet QX\", null, 0) = -4, count " + std::to_string(cb),
              Sim().Log()[2]);
    EXPECT_EQ("KWGetDeviceID(1, \"Vantor Jet QX\", buffer, " + std::to_string(cb) +
                  ") = 0, count " + std::to_string(cb),
              Sim().Log()[3]);
}

TEST_F(ChannelTest, TheAltChannelPassesSelectorZero)
{
    LoadDefault();
    CBidiAltChannel channel(Library());
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_EQ(2, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(0, channel.CloseChannel());
    EXPECT_EQ(2, Sim().CountLines("KWGetDeviceID(0, "));
    EXPECT_EQ(2, Sim().CountLines("KWGetAvailableChannel(0, "));
    EXPECT_EQ(1, Sim().CountLines("KWOpenChannel(0, \"Vantor Jet QX\", 0x10000003) = 1"));
}

TEST_F(ChannelTest, TheDeviceIdTextEndsAtItsFirstNul)
{
    LoadDefault("device_id = MDL:VJ-8200Q;\\0MDL:Other;");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_STREQ("MDL:VJ-8200Q;", channel.m_strDeviceId);
}

// The size query asks for fewer bytes than the text has, and the fetch delivers what fits and
// reports success: the buffer holds no NUL, and the text ends with the buffer.
TEST_F(ChannelTest, TheDeviceIdTextNeverRunsBeyondTheBuffer)
{
    LoadDefault("KWGetDeviceID.size.count = 9\nKWGetDeviceID.fetch.result = 0\n"
                "KWGetDeviceID.fetch.count = 4000");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_STREQ("MFG:VANTO", channel.m_strDeviceId);
}

TEST_F(ChannelTest, AFailedDeviceIdReadKeepsTheEarlierText)
{
    LoadDefault("KWGetDeviceID#2.size.result = -5");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_EQ(-5, channel.GetDeviceID(kPrinter));
    EXPECT_EQ(BIDI_ERROR_GET_DEVICE_ID, channel.m_nError);
    EXPECT_STREQ(kQxDeviceId, channel.m_strDeviceId);
}

struct SizeQueryCase
{
    const char* pszFunction;
    LONG nSizeResult;
    bool bFetched;
};

class SizeQueryTest : public ChannelTest, public testing::WithParamInterface<SizeQueryCase>
{
protected:
    // Runs the operation of the function on an open channel; its result and error code.
    LONG Run(CBidiChannel& channel)
    {
        const std::string function = GetParam().pszFunction;
        if (function == "KWGetDeviceID")
        {
            return channel.GetDeviceID(kPrinter);
        }
        if (function == "KWGetAvailableChannel")
        {
            return channel.GetAvailableChannel(kPrinter);
        }
        EXPECT_LE(0, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        return channel.GetStatus();
    }
    int Code() const
    {
        const std::string function = GetParam().pszFunction;
        return function == "KWGetDeviceID"           ? BIDI_ERROR_GET_DEVICE_ID
               : function == "KWGetAvailableChannel" ? BIDI_ERROR_GET_AVAILABLE_CHANNEL
                                                     : BIDI_ERROR_GET_STATUS;
    }
};

// -4 and any non-negative result go on to the fetch; another negative result fails the
// operation with its code, and nothing is fetched.
TEST_P(SizeQueryTest, DecidesWhetherTheFetchFollows)
{
    const SizeQueryCase& c = GetParam();
    LoadDefault(std::string(c.pszFunction) + ".size.result = " + std::to_string(c.nSizeResult));
    CBidiPrinterChannel channel(Library());
    const LONG r = Run(channel);
    EXPECT_EQ(c.bFetched ? 1 : 0, Sim().CountLines(std::string(c.pszFunction) + "(") - 1);
    if (c.bFetched)
    {
        EXPECT_LE(0, r);
        EXPECT_EQ(BIDI_ERROR_NONE, channel.m_nError);
    }
    else
    {
        EXPECT_EQ(c.nSizeResult, r);
        EXPECT_EQ(Code(), channel.m_nError);
        EXPECT_EQ(nullptr, channel.m_pChannels);
        EXPECT_EQ(nullptr, channel.m_pStatus);
        EXPECT_TRUE(channel.m_strDeviceId.IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBufferFunction, SizeQueryTest,
                         testing::Values(SizeQueryCase{"KWGetDeviceID", -4, true},
                                         SizeQueryCase{"KWGetDeviceID", 0, true},
                                         SizeQueryCase{"KWGetDeviceID", 7, true},
                                         SizeQueryCase{"KWGetDeviceID", -5, false},
                                         SizeQueryCase{"KWGetAvailableChannel", -4, true},
                                         SizeQueryCase{"KWGetAvailableChannel", 0, true},
                                         SizeQueryCase{"KWGetAvailableChannel", -5, false},
                                         SizeQueryCase{"KWGetAvailableChannel", -1, false},
                                         SizeQueryCase{"KWGetStatus", -4, true},
                                         SizeQueryCase{"KWGetStatus", 3, true},
                                         SizeQueryCase{"KWGetStatus", -5, false},
                                         SizeQueryCase{"KWGetStatus", -13, false}));

TEST_F(ChannelTest, AnEmptyChannelListIsASuccess)
{
    LoadDefault("KWGetAvailableChannel.fetch.result = 0");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(0, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(0, channel.m_nChannels);
    EXPECT_NE(nullptr, channel.m_pChannels);
    EXPECT_EQ(BIDI_ERROR_NONE, channel.m_nError);
}

TEST_F(ChannelTest, ListsTheChannelsInOrder)
{
    Load(QxPrinterLines() + "channel = 0x10010003 0\nchannel = 0x12345678 0xFFFE\n"
                            "channel = 0x10010003 1");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(3, channel.GetAvailableChannel(kPrinter));
    ASSERT_EQ(3, channel.m_nChannels);
    EXPECT_EQ(0x10010003u, channel.m_pChannels[0].dwChannelId);
    EXPECT_EQ(0u, channel.m_pChannels[0].wFlags);
    EXPECT_EQ(0x12345678u, channel.m_pChannels[1].dwChannelId);
    EXPECT_EQ(0xFFFEu, channel.m_pChannels[1].wFlags);
    EXPECT_EQ(1u, channel.m_pChannels[2].wFlags);
}

// The result is the number of entries: a library that reports more than the buffer holds is
// taken at the buffer's size.
TEST_F(ChannelTest, NeverCountsMoreEntriesThanTheBufferHolds)
{
    LoadDefault("KWGetAvailableChannel.fetch.result = 100");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(100, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(2, channel.m_nChannels);
}

TEST_F(ChannelTest, APartialEntryDoesNotCount)
{
    LoadDefault("KWGetAvailableChannel.size.count = 15\n"
                "KWGetAvailableChannel.fetch.result = 0x7FFFFFFF");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(0x7FFFFFFF, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(1, channel.m_nChannels);
    EXPECT_EQ(0x10010003u, channel.m_pChannels[0].dwChannelId);
}

TEST_F(ChannelTest, ANegativeEntryCountFailsTheList)
{
    LoadDefault("KWGetAvailableChannel#2.fetch.result = -2147483648");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(2, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(2, channel.m_nChannels);
    EXPECT_EQ(static_cast<LONG>(0x80000000u), channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(BIDI_ERROR_GET_AVAILABLE_CHANNEL, channel.m_nError);
    EXPECT_EQ(nullptr, channel.m_pChannels);
    EXPECT_EQ(0, channel.m_nChannels);
}

TEST_F(ChannelTest, FetchesTheStatusReplyOfTheOpenChannel)
{
    LoadDefault();
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(1, channel.m_hChannel);
    EXPECT_EQ(0, channel.GetStatus());
    EXPECT_EQ(std::string(kQxBasicReply),
              std::string(reinterpret_cast<const char*>(channel.m_pStatus), channel.m_cbStatus));
    EXPECT_EQ(0, channel.CloseChannel());
    EXPECT_EQ(-1, channel.m_hChannel);
}

TEST_F(ChannelTest, NeverTakesMoreStatusBytesThanWereAllocated)
{
    LoadDefault("KWGetStatus.fetch.count = 0xFFFFFFFF");
    CBidiPrinterChannel channel(Library());
    ASSERT_LE(0, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(0, channel.GetStatus());
    EXPECT_EQ(std::strlen(kQxBasicReply), channel.m_cbStatus);
}

TEST_F(ChannelTest, TakesTheStatusCountThatTheFetchLeaves)
{
    LoadDefault("KWGetStatus.fetch.count = 9");
    CBidiPrinterChannel channel(Library());
    ASSERT_LE(0, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(0, channel.GetStatus());
    EXPECT_EQ(std::string(kQxBasicReply, 9),
              std::string(reinterpret_cast<const char*>(channel.m_pStatus), channel.m_cbStatus));
}

TEST_F(ChannelTest, AFailedFetchLeavesNoReplyAndNoList)
{
    LoadDefault("KWGetStatus#2.fetch.result = -9\nKWGetAvailableChannel#2.fetch.result = -9");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(2, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(-9, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(nullptr, channel.m_pChannels);
    EXPECT_EQ(0, channel.m_nChannels);
    ASSERT_LE(0, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(0, channel.GetStatus());
    EXPECT_EQ(-9, channel.GetStatus());
    EXPECT_EQ(BIDI_ERROR_GET_STATUS, channel.m_nError);
    EXPECT_EQ(nullptr, channel.m_pStatus);
    EXPECT_EQ(0u, channel.m_cbStatus);
}

TEST_F(ChannelTest, ClosingAFreshChannelCallsNothing)
{
    LoadDefault();
    {
        CBidiPrinterChannel channel(Library());
        EXPECT_EQ(0, channel.CloseChannel());
        EXPECT_EQ(BIDI_ERROR_NONE, channel.m_nError);
    }
    EXPECT_EQ(0, CountCalls(Sim(), "KWCloseChannel"));
}

TEST_F(ChannelTest, AFailedCloseDropsTheHandle)
{
    LoadDefault("KWCloseChannel.result = -8");
    {
        CBidiPrinterChannel channel(Library());
        ASSERT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(-8, channel.CloseChannel());
        EXPECT_EQ(BIDI_ERROR_CLOSE_CHANNEL, channel.m_nError);
        EXPECT_EQ(-1, channel.m_hChannel);
    }
    // Not closed again by the destructor.
    EXPECT_EQ(1, CountCalls(Sim(), "KWCloseChannel"));
}

TEST_F(ChannelTest, OpeningAgainClosesTheOpenChannelFirst)
{
    LoadDefault();
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(2, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(2, channel.m_hChannel);
    const std::vector<std::string> log = Sim().Log();
    EXPECT_EQ("KWCloseChannel(1) = 0", log[log.size() - 2]);
}

TEST_F(ChannelTest, OpeningAgainWhenTheCloseFailsOpensNothing)
{
    LoadDefault("KWCloseChannel.result = -8");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(-8, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(BIDI_ERROR_CLOSE_CHANNEL, channel.m_nError);
    EXPECT_EQ(-1, channel.m_hChannel);
    EXPECT_EQ(1, CountCalls(Sim(), "KWOpenChannel"));
}

TEST_F(ChannelTest, AFailedOpenLeavesTheChannelClosed)
{
    LoadDefault();
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(-7, channel.OpenChannel(kPrinter, 0x12345678));
    EXPECT_EQ(BIDI_ERROR_OPEN_CHANNEL, channel.m_nError);
    EXPECT_EQ(-1, channel.m_hChannel);
}

TEST_F(ChannelTest, DestroyingAnOpenChannelClosesItOnce)
{
    LoadDefault();
    {
        CBidiPrinterChannel channel(Library());
        ASSERT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(0, CountCalls(Sim(), "KWCloseChannel"));
    }
    EXPECT_EQ(1, CountCalls(Sim(), "KWCloseChannel"));
    EXPECT_EQ(1, Sim().CountLines("KWCloseChannel(1) = 0"));
}

// The code of the latest failure stays until another failure replaces it.
TEST_F(ChannelTest, TheErrorCodeIsNeverReset)
{
    LoadDefault("KWOpenChannel#1.result = -3");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(-3, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_OPEN_CHANNEL, channel.m_nError);
}

TEST_F(ChannelTest, CallsFailForAnotherPrinter)
{
    LoadDefault("printer = Vantor Jet QX");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(0, channel.GetDeviceID("VANTOR JET QX"));
    EXPECT_EQ(-3, channel.GetDeviceID("Vantor Jet QX 2"));
    EXPECT_EQ(BIDI_ERROR_GET_DEVICE_ID, channel.m_nError);
    EXPECT_EQ(-3, channel.OpenChannel("", BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_OPEN_CHANNEL, channel.m_nError);
}

// One variant of the simulator per function of the table: the constructor stops at the missing
// one, and what comes after it stays unresolved.
struct MissingCase
{
    const char* pszFunction;
    int nCode;
};

class MissingFunctionTest : public ChannelTest, public testing::WithParamInterface<MissingCase>
{
};

TEST_P(MissingFunctionTest, TheConstructorStopsAtTheMissingFunction)
{
    const MissingCase& c = GetParam();
    Load(QxPrinterLines() + "channel = 0x10010003 1", std::string("no-") + c.pszFunction);
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(c.nCode, channel.m_nError);
    const std::array<const void*, 10> table = FunctionTable(channel);
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_EQ(i + BIDI_ERROR_NO_KWGETDEVICEID < c.nCode, table[i] != nullptr) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryTableFunction, MissingFunctionTest,
    testing::Values(MissingCase{"KWGetDeviceID", BIDI_ERROR_NO_KWGETDEVICEID},
                    MissingCase{"KWGetAvailableChannel", BIDI_ERROR_NO_KWGETAVAILABLECHANNEL},
                    MissingCase{"KWOpenChannel", BIDI_ERROR_NO_KWOPENCHANNEL},
                    MissingCase{"KWCloseChannel", BIDI_ERROR_NO_KWCLOSECHANNEL},
                    MissingCase{"KWSend", BIDI_ERROR_NO_KWSEND},
                    MissingCase{"KWReceive", BIDI_ERROR_NO_KWRECEIVE},
                    MissingCase{"KWGetStatus", BIDI_ERROR_NO_KWGETSTATUS},
                    MissingCase{"KWReceiveCancel", BIDI_ERROR_NO_KWRECEIVECANCEL},
                    MissingCase{"KWSetOption", BIDI_ERROR_NO_KWSETOPTION},
                    MissingCase{"KWGetOption", BIDI_ERROR_NO_KWGETOPTION}),
    [](const testing::TestParamInfo<MissingCase>& info)
    { return std::string(info.param.pszFunction); });

TEST_F(ChannelTest, WithoutKWGetOptionEveryOperationWorks)
{
    Load(QxPrinterLines() + "channel = 0x10010003 1", "no-KWGetOption");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(BIDI_ERROR_NO_KWGETOPTION, channel.m_nError);
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_EQ(1, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(0, channel.GetStatus());
    EXPECT_EQ(0, channel.CloseChannel());
    EXPECT_EQ(BIDI_ERROR_NO_KWGETOPTION, channel.m_nError);
}

// An operation whose function is unresolved fails with that function's code and calls nothing.
TEST_F(ChannelTest, AnUnresolvedDeviceIdFunctionIsNeverCalled)
{
    Load(QxPrinterLines(), "no-KWGetDeviceID");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.GetDeviceID(kPrinter));
    EXPECT_EQ(BIDI_ERROR_NO_KWGETDEVICEID, channel.m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(BIDI_ERROR_NO_KWGETAVAILABLECHANNEL, channel.m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
    EXPECT_EQ(BIDI_ERROR_NO_KWOPENCHANNEL, channel.m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.GetStatus());
    EXPECT_EQ(BIDI_ERROR_NO_KWGETSTATUS, channel.m_nError);
    EXPECT_EQ(0, channel.CloseChannel());
    EXPECT_EQ(2u, Sim().Calls().size());
}

TEST_F(ChannelTest, AnUnresolvedCloseFunctionIsNeverCalled)
{
    Load(QxPrinterLines() + "channel = 0x10010003 1", "no-KWCloseChannel");
    m_bChannelsClosed = false; // a library without KWCloseChannel keeps what was opened
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(BIDI_ERROR_NO_KWCLOSECHANNEL, channel.m_nError);
    EXPECT_EQ(1, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    // The table stops before KWGetStatus.
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.GetStatus());
    EXPECT_EQ(BIDI_ERROR_NO_KWGETSTATUS, channel.m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.CloseChannel());
    EXPECT_EQ(BIDI_ERROR_NO_KWCLOSECHANNEL, channel.m_nError);
    EXPECT_EQ(-1, channel.m_hChannel);
}

TEST_F(ChannelTest, WithoutKWSendTheStatusCannotBeFetched)
{
    Load(QxPrinterLines() + "channel = 0x10010003 1", "no-KWSend");
    CBidiPrinterChannel channel(Library());
    EXPECT_EQ(BIDI_ERROR_NO_KWSEND, channel.m_nError);
    EXPECT_EQ(0, channel.GetDeviceID(kPrinter));
    EXPECT_EQ(1, channel.GetAvailableChannel(kPrinter));
    EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.GetStatus());
    EXPECT_EQ(BIDI_ERROR_NO_KWGETSTATUS, channel.m_nError);
    EXPECT_EQ(0, CountCalls(Sim(), "KWGetStatus"));
}
} // namespace
