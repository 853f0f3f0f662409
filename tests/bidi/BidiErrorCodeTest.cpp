// Every reason of failure, 1 to 19, reached over the simulator with the state it leaves: the
// error code, the library result behind it, the status reply kept or replaced, the channel
// closed, and the library released and unloaded at the end.
#include "BidiTestSupport.h"
#include "module/bidi/BidiError.h"
#include "module/bidi/BidiLibrary.h"
#include "module/bidi/BidiPrinterChannel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
constexpr const char* kPrinter = "Vantor Jet QX";

std::string Reply(const CBidiLibrary& library)
{
    return library.m_pReply
               ? std::string(reinterpret_cast<const char*>(library.m_pReply), library.m_cbReply)
               : std::string("(none)");
}

class ErrorCodeTest : public testing::Test
{
protected:
    // The default printer with both channels, and the extra profile lines.
    void Start(const std::string& extra = "", const std::string& variant = "default")
    {
        StartWithChannels("channel = 0x10010003 1\nchannel = 0x10000003 1\n", extra, variant);
    }
    void StartWithChannels(const std::string& channels, const std::string& extra = "",
                           const std::string& variant = "default")
    {
        m_pSim.reset();
        m_pSim = std::make_unique<SimulatorScope>(variant);
        m_pSim->UseProfileText(QxPrinterLines() + channels + extra);
    }
    // A session whose first exchange reads the basic channel's reply.
    std::unique_ptr<CBidiLibrary> SessionWithReply()
    {
        auto pLibrary = std::make_unique<CBidiLibrary>();
        EXPECT_TRUE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_BASIC));
        EXPECT_EQ(kQxBasicReply, Reply(*pLibrary));
        return pLibrary;
    }
    void Finish(std::unique_ptr<CBidiLibrary>& pLibrary, bool bChannelsClosed = true)
    {
        pLibrary.reset();
        ExpectReleasedAndUnloaded(*m_pSim, bChannelsClosed);
    }
    SimulatorScope& Sim() { return *m_pSim; }

private:
    std::unique_ptr<SimulatorScope> m_pSim;
};

TEST_F(ErrorCodeTest, Code01LoadingTheLibraryFails)
{
    char szPath[MAX_PATH];
    ASSERT_EQ(0u, SearchPathA(nullptr, "KWAPI.DLL", nullptr, MAX_PATH, szPath, nullptr));
    CBidiLibrary library;
    EXPECT_EQ(BIDI_ERROR_LOAD_LIBRARY, library.m_nError);
    EXPECT_EQ(0, library.m_nLibResult);
    EXPECT_EQ(nullptr, library.m_hLibrary);
    EXPECT_FALSE(library.m_bInitialized);
    CString strText("untouched");
    EXPECT_FALSE(library.ReadDeviceId(kPrinter, strText));
    EXPECT_STREQ("untouched", strText);
    EXPECT_FALSE(library.ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_LOAD_LIBRARY, library.m_nError);
    EXPECT_EQ(nullptr, library.m_pReply);
}

TEST_F(ErrorCodeTest, Code01AlsoForASimulatorDirectoryWithoutTheLibrary)
{
    Start("", "no-such-variant");
    CBidiLibrary library;
    EXPECT_EQ(BIDI_ERROR_LOAD_LIBRARY, library.m_nError);
    EXPECT_TRUE(Sim().Log().empty());
}

TEST_F(ErrorCodeTest, Code02KWInitializeIsMissing)
{
    Start("", "no-KWInitialize");
    auto pLibrary = std::make_unique<CBidiLibrary>();
    EXPECT_EQ(BIDI_ERROR_NO_KWINITIALIZE, pLibrary->m_nError);
    EXPECT_NE(nullptr, pLibrary->m_hLibrary);
    EXPECT_FALSE(pLibrary->m_bInitialized);
    CString strText("untouched");
    EXPECT_FALSE(pLibrary->ReadDeviceId(kPrinter, strText));
    EXPECT_STREQ("untouched", strText);
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_NO_KWINITIALIZE, pLibrary->m_nError);
    Finish(pLibrary);
    EXPECT_EQ((std::vector<std::string>{"DllMain(attach)", "DllMain(detach)"}), Sim().Calls());
}

TEST_F(ErrorCodeTest, Code03KWReleaseIsMissing)
{
    Start("", "no-KWRelease");
    auto pLibrary = std::make_unique<CBidiLibrary>();
    EXPECT_EQ(BIDI_ERROR_NO_KWRELEASE, pLibrary->m_nError);
    EXPECT_EQ(0, pLibrary->m_nLibResult);
    EXPECT_FALSE(pLibrary->m_bInitialized);
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    Finish(pLibrary);
    // KWInitialize is looked up but never called without a KWRelease to end it.
    EXPECT_EQ((std::vector<std::string>{"DllMain(attach)", "DllMain(detach)"}), Sim().Calls());
}

TEST_F(ErrorCodeTest, Code04KWGetDeviceIDIsMissing)
{
    Start("", "no-KWGetDeviceID");
    auto pLibrary = std::make_unique<CBidiLibrary>();
    CString strText("old text");
    EXPECT_FALSE(pLibrary->ReadDeviceId(kPrinter, strText));
    EXPECT_EQ(BIDI_ERROR_NO_KWGETDEVICEID, pLibrary->m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, pLibrary->m_nLibResult);
    EXPECT_TRUE(strText.IsEmpty());
    Finish(pLibrary);
    EXPECT_EQ((std::vector<std::string>{"DllMain(attach)", "KWInitialize", "KWRelease",
                                        "DllMain(detach)"}),
              Sim().Calls());
}

TEST_F(ErrorCodeTest, Code05KWGetAvailableChannelIsMissing)
{
    Start("", "no-KWGetAvailableChannel");
    auto pLibrary = std::make_unique<CBidiLibrary>();
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_NO_KWGETAVAILABLECHANNEL, pLibrary->m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, pLibrary->m_nLibResult);
    EXPECT_EQ(nullptr, pLibrary->m_pReply);
    // The device ID needs only the first function of the table.
    CString strText;
    EXPECT_TRUE(pLibrary->ReadDeviceId(kPrinter, strText));
    EXPECT_EQ(BIDI_ERROR_NONE, pLibrary->m_nError);
    Finish(pLibrary);
}

TEST_F(ErrorCodeTest, Code06KWOpenChannelIsMissing)
{
    Start("", "no-KWOpenChannel");
    auto pLibrary = std::make_unique<CBidiLibrary>();
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_NO_KWOPENCHANNEL, pLibrary->m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, pLibrary->m_nLibResult);
    Finish(pLibrary);
    EXPECT_EQ(2, CountCalls(Sim(), "KWGetAvailableChannel"));
}

// Without KWCloseChannel the channel's table stops before KWGetStatus, so the exchange fails at
// the fetch (code 10); the channel object itself holds code 7, and its close calls nothing.
TEST_F(ErrorCodeTest, Code07KWCloseChannelIsMissing)
{
    Start("", "no-KWCloseChannel");
    auto pLibrary = std::make_unique<CBidiLibrary>();
    {
        CBidiPrinterChannel channel(pLibrary->m_hLibrary);
        EXPECT_EQ(BIDI_ERROR_NO_KWCLOSECHANNEL, channel.m_nError);
        EXPECT_EQ(1, channel.OpenChannel(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_RESULT_UNRESOLVED, channel.CloseChannel());
        EXPECT_EQ(BIDI_ERROR_NO_KWCLOSECHANNEL, channel.m_nError);
        EXPECT_EQ(-1, channel.m_hChannel);
    }
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_NO_KWGETSTATUS, pLibrary->m_nError);
    CString strText;
    EXPECT_TRUE(pLibrary->ReadDeviceId(kPrinter, strText));
    Finish(pLibrary, false);
    EXPECT_EQ(0, CountCalls(Sim(), "KWCloseChannel"));
    EXPECT_EQ(1, Sim().CountLines("KWRelease: 2 channel(s) left open"));
}

// KWSend and KWReceive come before KWGetStatus in the table.
TEST_F(ErrorCodeTest, Code08And09KWSendOrKWReceiveIsMissing)
{
    for (const auto& variant : {std::make_pair("no-KWSend", BIDI_ERROR_NO_KWSEND),
                                std::make_pair("no-KWReceive", BIDI_ERROR_NO_KWRECEIVE)})
    {
        SCOPED_TRACE(variant.first);
        Start("", variant.first);
        auto pLibrary = std::make_unique<CBidiLibrary>();
        {
            CBidiPrinterChannel channel(pLibrary->m_hLibrary);
            EXPECT_EQ(variant.second, channel.m_nError);
        }
        CString strText;
        EXPECT_TRUE(pLibrary->ReadDeviceId(kPrinter, strText));
        EXPECT_STREQ(kQxDeviceId, strText);
        EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_ERROR_NO_KWGETSTATUS, pLibrary->m_nError);
        Finish(pLibrary);
        // The channel that the exchange opened was closed when it was destroyed.
        EXPECT_EQ(1, Sim().CountLines("KWCloseChannel(1) = 0"));
        EXPECT_EQ(0, CountCalls(Sim(), "KWGetStatus"));
    }
}

TEST_F(ErrorCodeTest, Code10KWGetStatusIsMissing)
{
    Start("", "no-KWGetStatus");
    auto pLibrary = std::make_unique<CBidiLibrary>();
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(nullptr, pLibrary->m_pReply);
    EXPECT_EQ(BIDI_ERROR_NO_KWGETSTATUS, pLibrary->m_nError);
    EXPECT_EQ(BIDI_RESULT_UNRESOLVED, pLibrary->m_nLibResult);
    Finish(pLibrary);
    EXPECT_EQ((std::vector<std::string>{"DllMain(attach)", "KWInitialize", "KWGetAvailableChannel",
                                        "KWGetAvailableChannel", "KWOpenChannel", "KWCloseChannel",
                                        "KWRelease", "DllMain(detach)"}),
              Sim().Calls());
}

// The last three functions are looked up but never used: the channel holds the code, and every
// exchange works.
TEST_F(ErrorCodeTest, Code11To13UnusedFunctionsAreMissing)
{
    for (const auto& variant : {std::make_pair("no-KWReceiveCancel", BIDI_ERROR_NO_KWRECEIVECANCEL),
                                std::make_pair("no-KWSetOption", BIDI_ERROR_NO_KWSETOPTION),
                                std::make_pair("no-KWGetOption", BIDI_ERROR_NO_KWGETOPTION)})
    {
        SCOPED_TRACE(variant.first);
        Start("", variant.first);
        auto pLibrary = std::make_unique<CBidiLibrary>();
        {
            CBidiPrinterChannel channel(pLibrary->m_hLibrary);
            EXPECT_EQ(variant.second, channel.m_nError);
        }
        CString strText;
        EXPECT_TRUE(pLibrary->ReadDeviceId(kPrinter, strText));
        EXPECT_TRUE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_ERROR_NONE, pLibrary->m_nError);
        EXPECT_EQ(kQxExtendedReply, Reply(*pLibrary));
        Finish(pLibrary);
    }
}

TEST_F(ErrorCodeTest, Code14TheChannelIsNotOffered)
{
    Start();
    auto pLibrary = SessionWithReply();
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, 0x10020003));
    EXPECT_EQ(BIDI_ERROR_CHANNEL_NOT_OFFERED, pLibrary->m_nError);
    EXPECT_EQ(0, pLibrary->m_nLibResult);
    EXPECT_EQ(kQxBasicReply, Reply(*pLibrary));
    Finish(pLibrary);
    EXPECT_EQ(1, CountCalls(Sim(), "KWOpenChannel"));
}

// Only the first entry with the identifier counts, and an entry with bit 0 of its flags clear
// is unusable.
TEST_F(ErrorCodeTest, Code14TheFirstEntryOfTheChannelIsUnusable)
{
    StartWithChannels("channel = 0x10000003 1\nchannel = 0x10010003 0xFFFE\n"
                      "channel = 0x10010003 1\n");
    auto pLibrary = SessionWithReply();
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_CHANNEL_NOT_OFFERED, pLibrary->m_nError);
    EXPECT_EQ(0, pLibrary->m_nLibResult);
    EXPECT_EQ(kQxBasicReply, Reply(*pLibrary));
    Finish(pLibrary);
    EXPECT_EQ(1, CountCalls(Sim(), "KWOpenChannel"));
}

// An injected library result and the result the failure must report.
struct Injection
{
    const char* pszProfileLine;
    LONG nResult;
};

TEST_F(ErrorCodeTest, Code15TheDeviceIdCannotBeRead)
{
    for (const Injection& c : {Injection{"KWGetDeviceID.size.result = -5", -5},
                               Injection{"KWGetDeviceID.fetch.result = -6", -6}})
    {
        SCOPED_TRACE(c.pszProfileLine);
        Start(c.pszProfileLine);
        auto pLibrary = std::make_unique<CBidiLibrary>();
        CString strText("old text");
        EXPECT_FALSE(pLibrary->ReadDeviceId(kPrinter, strText));
        EXPECT_EQ(BIDI_ERROR_GET_DEVICE_ID, pLibrary->m_nError);
        EXPECT_EQ(c.nResult, pLibrary->m_nLibResult);
        EXPECT_TRUE(strText.IsEmpty());
        Finish(pLibrary);
    }
}

TEST_F(ErrorCodeTest, Code16TheChannelCannotBeOpened)
{
    Start("KWOpenChannel#2.result = -9");
    auto pLibrary = SessionWithReply();
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_OPEN_CHANNEL, pLibrary->m_nError);
    EXPECT_EQ(-9, pLibrary->m_nLibResult);
    EXPECT_EQ(kQxBasicReply, Reply(*pLibrary));
    Finish(pLibrary);
    EXPECT_EQ(2, CountCalls(Sim(), "KWGetStatus"));
    EXPECT_EQ(1, CountCalls(Sim(), "KWCloseChannel"));
}

// The close fails after the fetch: the exchange fails, yet the new reply has replaced the old.
TEST_F(ErrorCodeTest, Code17TheChannelCannotBeClosed)
{
    Start("KWCloseChannel#2.result = -8");
    auto pLibrary = SessionWithReply();
    EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
    EXPECT_EQ(BIDI_ERROR_CLOSE_CHANNEL, pLibrary->m_nError);
    EXPECT_EQ(-8, pLibrary->m_nLibResult);
    EXPECT_EQ(kQxExtendedReply, Reply(*pLibrary));
    Finish(pLibrary);
    EXPECT_EQ(2, CountCalls(Sim(), "KWCloseChannel"));
}

TEST_F(ErrorCodeTest, Code18TheChannelListCannotBeRead)
{
    for (const Injection& c : {Injection{"KWGetAvailableChannel#2.size.result = -5", -5},
                               Injection{"KWGetAvailableChannel#2.fetch.result = -1", -1}})
    {
        SCOPED_TRACE(c.pszProfileLine);
        Start(c.pszProfileLine);
        auto pLibrary = SessionWithReply();
        EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_ERROR_GET_AVAILABLE_CHANNEL, pLibrary->m_nError);
        EXPECT_EQ(c.nResult, pLibrary->m_nLibResult);
        EXPECT_EQ(kQxBasicReply, Reply(*pLibrary));
        Finish(pLibrary);
        EXPECT_EQ(1, CountCalls(Sim(), "KWOpenChannel"));
    }
}

// The fetch fails on an open channel: the channel is closed when the exchange destroys it.
TEST_F(ErrorCodeTest, Code19TheStatusCannotBeFetched)
{
    for (const Injection& c : {Injection{"KWGetStatus#2.size.result = -5", -5},
                               Injection{"KWGetStatus#2.fetch.result = -9", -9}})
    {
        SCOPED_TRACE(c.pszProfileLine);
        Start(c.pszProfileLine);
        auto pLibrary = SessionWithReply();
        EXPECT_FALSE(pLibrary->ReadStatus(kPrinter, BIDI_CHANNEL_STATUS_EXTENDED));
        EXPECT_EQ(BIDI_ERROR_GET_STATUS, pLibrary->m_nError);
        EXPECT_EQ(c.nResult, pLibrary->m_nLibResult);
        EXPECT_EQ(kQxBasicReply, Reply(*pLibrary));
        Finish(pLibrary);
        const std::vector<std::string> log = Sim().Log();
        ASSERT_LE(3u, log.size());
        EXPECT_EQ("KWCloseChannel(2) = 0", log[log.size() - 3]);
    }
}
} // namespace
