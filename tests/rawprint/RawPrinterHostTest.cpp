// Host-only: the simulated spooler records every call with its bytes and can make any call
// fail, so the buffering and the platform-dependent start and end of a job show as the exact
// sequence of spooler calls.
#include "module/rawprint/RawPrinter.h"
#include "platform/host/HostSpoolerLog.h"
#include "platform/host/HostVersionControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
constexpr char kPrinter[] = "Raw Test Printer";

std::string FunctionName(HostSpoolerFunction function)
{
    switch (function)
    {
    case HostSpoolerFunction::OpenPrinterA:
        return "OpenPrinterA";
    case HostSpoolerFunction::StartDocPrinterA:
        return "StartDocPrinterA";
    case HostSpoolerFunction::StartPagePrinter:
        return "StartPagePrinter";
    case HostSpoolerFunction::WritePrinter:
        return "WritePrinter";
    case HostSpoolerFunction::EndPagePrinter:
        return "EndPagePrinter";
    case HostSpoolerFunction::EndDocPrinter:
        return "EndDocPrinter";
    case HostSpoolerFunction::ClosePrinter:
        return "ClosePrinter";
    }
    return "?";
}

// The spooler calls from nFrom on, one text each: the function, for WritePrinter the number of
// bytes offered, and " failed" when the call failed.
std::vector<std::string> Trace(size_t nFrom = 0)
{
    std::vector<std::string> trace;
    const std::vector<HostSpoolerCall>& calls = HostSpoolerCalls();
    for (size_t i = nFrom; i < calls.size(); ++i)
    {
        std::string text = FunctionName(calls[i].function);
        if (calls[i].function == HostSpoolerFunction::WritePrinter)
        {
            text += " " + std::to_string(calls[i].data.size());
        }
        if (calls[i].dwResult == 0)
        {
            text += " failed";
        }
        trace.push_back(text);
    }
    return trace;
}

// Bytes that tell their offset apart, so that lost, repeated or reordered pieces show.
std::vector<BYTE> Pattern(DWORD cb, BYTE bSeed)
{
    std::vector<BYTE> bytes(cb);
    for (DWORD i = 0; i < cb; ++i)
    {
        bytes[i] = static_cast<BYTE>(bSeed + i * 7 + i / 251);
    }
    return bytes;
}

std::vector<BYTE> Framed(const std::vector<BYTE>& data)
{
    std::vector<BYTE> bytes(std::begin(CRawPrinter::RESET_SEQUENCE),
                            std::end(CRawPrinter::RESET_SEQUENCE));
    bytes.insert(bytes.end(), data.begin(), data.end());
    bytes.insert(bytes.end(), std::begin(CRawPrinter::RESET_SEQUENCE),
                 std::end(CRawPrinter::RESET_SEQUENCE));
    return bytes;
}

class RawPrinterHostTest : public testing::Test
{
protected:
    void SetUp() override
    {
        HostResetSpooler();
        HostAddPrinter(kPrinter);
        HostFailVersionQuery(false);
        ASSERT_TRUE(HostSetWindowsVersionName("nt40"));
    }
    void TearDown() override
    {
        HostResetSpooler();
        HostFailVersionQuery(false);
        HostSetWindowsVersionName("nt40");
    }

    CRawPrinter m_printer;
};

struct BufferingCase
{
    // cppcheck-suppress unusedStructMember ; names the instantiated test
    const char* pszName;
    std::vector<DWORD> writes;             // lengths written one after the other
    std::vector<std::string> spoolerCalls; // what the writes hand to the spooler
    DWORD cbLeftBuffered;                  // what a flush then hands to it
};

const BufferingCase kBufferingCases[] = {
    {"Exactly2048StayBuffered", {2048}, {}, 2048},
    {"OneMoreByteSendsTheFull2048First", {2048, 1}, {"WritePrinter 2048"}, 1},
    {"Write5000", {5000}, {"WritePrinter 0", "WritePrinter 2048", "WritePrinter 2048"}, 904},
    {"Write4096KeepsTheLast2048", {4096}, {"WritePrinter 0", "WritePrinter 2048"}, 2048},
    {"Write100Then1948FillsTheBuffer", {100, 1948}, {}, 2048},
    {"Write100Then1949SendsThe100First", {100, 1949}, {"WritePrinter 100"}, 1949},
    {"ZeroLengthChangesNothing", {100, 0}, {}, 100},
    {"NothingWritten", {}, {}, 0},
};

class RawPrinterBufferingTest : public RawPrinterHostTest,
                                public testing::WithParamInterface<BufferingCase>
{
};

TEST_P(RawPrinterBufferingTest, HandsTheSpoolerPiecesOfAtMost2048InOrder)
{
    const BufferingCase& c = GetParam();
    ASSERT_TRUE(m_printer.StartJob(kPrinter));
    const size_t nStarted = HostSpoolerCalls().size();
    std::vector<BYTE> written;
    for (size_t i = 0; i < c.writes.size(); ++i)
    {
        const std::vector<BYTE> data = Pattern(c.writes[i], static_cast<BYTE>(i * 31 + 1));
        ASSERT_TRUE(m_printer.Write(data.data(), c.writes[i]));
        written.insert(written.end(), data.begin(), data.end());
    }
    EXPECT_EQ(c.spoolerCalls, Trace(nStarted));

    const size_t nWritten = HostSpoolerCalls().size();
    EXPECT_TRUE(m_printer.Flush());
    EXPECT_EQ(std::vector<std::string>{"WritePrinter " + std::to_string(c.cbLeftBuffered)},
              Trace(nWritten));
    EXPECT_TRUE(m_printer.EndJob());
    EXPECT_EQ(written, HostPrinterOutput(kPrinter));
}

INSTANTIATE_TEST_SUITE_P(Cases, RawPrinterBufferingTest, testing::ValuesIn(kBufferingCases),
                         [](const testing::TestParamInfo<BufferingCase>& info)
                         { return std::string(info.param.pszName); });

TEST_F(RawPrinterHostTest, WithoutAPrinterEveryWriteAndDocumentCallFailsAtOnce)
{
    const BYTE ab[4] = {1, 2, 3, 4};
    EXPECT_FALSE(m_printer.Write(ab, 0));
    EXPECT_FALSE(m_printer.Write(ab, sizeof(ab)));
    EXPECT_FALSE(m_printer.Flush());
    EXPECT_FALSE(m_printer.WriteDirect(ab, sizeof(ab)));
    EXPECT_FALSE(m_printer.StartDoc());
    EXPECT_FALSE(m_printer.StartPage());
    EXPECT_FALSE(m_printer.EndPage());
    EXPECT_FALSE(m_printer.EndDoc());
    EXPECT_TRUE(m_printer.Close());
    EXPECT_TRUE(HostSpoolerCalls().empty());
}

TEST_F(RawPrinterHostTest, StartsTheDocumentWithNoNamesAndOpensWithNoDefaults)
{
    ASSERT_TRUE(m_printer.StartJob(kPrinter));
    ASSERT_EQ(3u, HostSpoolerCalls().size());
    const HostSpoolerCall& open = HostSpoolerCalls()[0];
    EXPECT_EQ(kPrinter, open.printerName);
    EXPECT_FALSE(open.bDefaults);
    const HostSpoolerCall& doc = HostSpoolerCalls()[1];
    EXPECT_EQ(HostSpoolerFunction::StartDocPrinterA, doc.function);
    EXPECT_EQ(open.hPrinter, doc.hPrinter);
    EXPECT_EQ(1u, doc.dwLevel);
    EXPECT_FALSE(doc.docName.has_value());
    EXPECT_FALSE(doc.outputFile.has_value());
    EXPECT_FALSE(doc.datatype.has_value());
    EXPECT_TRUE(m_printer.EndJob());
}

TEST_F(RawPrinterHostTest, AFailedFlushInsideWriteKeepsTheBufferedBytesForTheEnd)
{
    const std::vector<BYTE> first = Pattern(100, 1);
    const std::vector<BYTE> second = Pattern(2000, 2);
    ASSERT_TRUE(m_printer.StartJob(kPrinter));
    ASSERT_TRUE(m_printer.Write(first.data(), 100));
    HostFailSpoolerCallAt(HostSpoolerCalls().size());
    EXPECT_FALSE(m_printer.Write(second.data(), 2000));
    EXPECT_TRUE(m_printer.EndJob());
    EXPECT_EQ((std::vector<std::string>{"WritePrinter 100 failed", "WritePrinter 100",
                                        "EndPagePrinter", "EndDocPrinter", "ClosePrinter"}),
              Trace(3));
    EXPECT_EQ(first, HostPrinterOutput(kPrinter));
}

TEST_F(RawPrinterHostTest, AFailedDirectPieceDropsTheRestOfTheWrite)
{
    const std::vector<BYTE> data = Pattern(5000, 3);
    ASSERT_TRUE(m_printer.StartJob(kPrinter));
    HostFailSpoolerCallAt(HostSpoolerCalls().size() + 1);
    EXPECT_FALSE(m_printer.Write(data.data(), 5000));
    EXPECT_TRUE(m_printer.EndJob());
    EXPECT_EQ(
        (std::vector<std::string>{"WritePrinter 0", "WritePrinter 2048 failed", "WritePrinter 0",
                                  "EndPagePrinter", "EndDocPrinter", "ClosePrinter"}),
        Trace(3));
    EXPECT_TRUE(HostPrinterOutput(kPrinter).empty());
}

TEST_F(RawPrinterHostTest, AFailedFlushLosesTheBufferedBytes)
{
    const std::vector<BYTE> data = Pattern(10, 4);
    ASSERT_TRUE(m_printer.StartJob(kPrinter));
    ASSERT_TRUE(m_printer.Write(data.data(), 10));
    HostFailSpoolerCallAt(HostSpoolerCalls().size());
    EXPECT_FALSE(m_printer.Flush());
    EXPECT_TRUE(m_printer.Flush());
    EXPECT_EQ((std::vector<std::string>{"WritePrinter 10 failed", "WritePrinter 0"}), Trace(3));
    EXPECT_TRUE(m_printer.EndJob());
}

struct PlatformCase
{
    const char* pszVersion;
    BOOL bResult;
    std::vector<std::string> spoolerCalls;
};

const std::vector<std::string> kNtShortJob = {
    "OpenPrinterA",   "StartDocPrinterA", "StartPagePrinter", "WritePrinter 18",
    "EndPagePrinter", "EndDocPrinter",    "ClosePrinter"};
const std::vector<std::string> k9xShortJob = {"OpenPrinterA", "StartDocPrinterA", "WritePrinter 18",
                                              "EndDocPrinter", "ClosePrinter"};

const PlatformCase kPlatformCases[] = {
    {"nt35", TRUE, kNtShortJob},
    {"nt351", TRUE, kNtShortJob},
    {"nt40", TRUE, kNtShortJob},
    {"win2k", TRUE, kNtShortJob},
    {"win10", TRUE, kNtShortJob},
    {"win95", TRUE, k9xShortJob},
    // Windows 98 and Me start and end a document as Windows 95 does.
    {"win98", TRUE, k9xShortJob},
    {"winme", TRUE, k9xShortJob},
    // Win32s: no document, so the end's zero-length flush goes nowhere; the printer still closes.
    {"win31", FALSE, {"OpenPrinterA", "WritePrinter 0 failed", "ClosePrinter"}},
};

class RawPrinterPlatformTest : public RawPrinterHostTest,
                               public testing::WithParamInterface<PlatformCase>
{
};

TEST_P(RawPrinterPlatformTest, AShortJobIsOneWriteOfTheDataAndBothResets)
{
    const PlatformCase& c = GetParam();
    ASSERT_TRUE(HostSetWindowsVersionName(c.pszVersion));
    const std::vector<BYTE> data = Pattern(10, 5);
    EXPECT_EQ(c.bResult, m_printer.SendJob(kPrinter, data.data(), 10));
    EXPECT_EQ(c.spoolerCalls, Trace());
    EXPECT_EQ(0u, HostOpenPrinterCount());
    EXPECT_EQ(c.bResult ? Framed(data) : std::vector<BYTE>(), HostPrinterOutput(kPrinter));
}

INSTANTIATE_TEST_SUITE_P(Versions, RawPrinterPlatformTest, testing::ValuesIn(kPlatformCases),
                         [](const testing::TestParamInfo<PlatformCase>& info)
                         { return std::string(info.param.pszVersion); });

TEST_F(RawPrinterHostTest, DataLongerThanTheBufferGoesInPiecesBetweenTheResets)
{
    const std::vector<BYTE> data = Pattern(5000, 6);
    EXPECT_TRUE(m_printer.SendJob(kPrinter, data.data(), 5000));
    EXPECT_EQ((std::vector<std::string>{"OpenPrinterA", "StartDocPrinterA", "StartPagePrinter",
                                        "WritePrinter 4", "WritePrinter 2048", "WritePrinter 2048",
                                        "WritePrinter 908", "EndPagePrinter", "EndDocPrinter",
                                        "ClosePrinter"}),
              Trace());
    EXPECT_EQ(Framed(data), HostPrinterOutput(kPrinter));
}

TEST_F(RawPrinterHostTest, AFailedVersionQueryFailsTheStartAndSkipsTheDocumentEnd)
{
    HostFailVersionQuery(true);
    const BYTE ab[3] = {7, 8, 9};
    EXPECT_FALSE(m_printer.SendJob(kPrinter, ab, sizeof(ab)));
    EXPECT_EQ((std::vector<std::string>{"OpenPrinterA", "WritePrinter 0 failed", "ClosePrinter"}),
              Trace());
    EXPECT_EQ(0u, HostOpenPrinterCount());
}

TEST_F(RawPrinterHostTest, AFailedDocumentStartStartsNoPage)
{
    HostFailSpoolerFunction(HostSpoolerFunction::StartDocPrinterA);
    EXPECT_FALSE(m_printer.StartJob(kPrinter));
    EXPECT_EQ((std::vector<std::string>{"OpenPrinterA", "StartDocPrinterA failed"}), Trace());
    EXPECT_FALSE(m_printer.EndJob());
    EXPECT_EQ(0u, HostOpenPrinterCount());
}

TEST_F(RawPrinterHostTest, APrinterThatCannotBeOpenedGetsNoFurtherCall)
{
    const BYTE ab[3] = {7, 8, 9};
    EXPECT_FALSE(m_printer.SendJob("No Such Printer", ab, sizeof(ab)));
    EXPECT_EQ(std::vector<std::string>{"OpenPrinterA failed"}, Trace());
}

TEST_F(RawPrinterHostTest, AFailedCloseKeepsTheHandleForTheNextClose)
{
    const BYTE ab[3] = {7, 8, 9};
    HostFailSpoolerCallAt(kNtShortJob.size() - 1);
    EXPECT_FALSE(m_printer.SendJob(kPrinter, ab, sizeof(ab)));
    EXPECT_EQ(1u, HostOpenPrinterCount());
    EXPECT_EQ(Framed({7, 8, 9}), HostPrinterOutput(kPrinter));

    EXPECT_TRUE(m_printer.Close());
    EXPECT_EQ(0u, HostOpenPrinterCount());
    const std::vector<HostSpoolerCall>& calls = HostSpoolerCalls();
    EXPECT_EQ(calls[0].hPrinter, calls.back().hPrinter);
    EXPECT_TRUE(m_printer.Close());
    EXPECT_EQ(kNtShortJob.size() + 1, calls.size());
}

TEST_F(RawPrinterHostTest, OneObjectRunsJobAfterJob)
{
    const BYTE ab[2] = {0x55, 0xAA};
    EXPECT_TRUE(m_printer.SendJob(kPrinter, ab, sizeof(ab)));
    EXPECT_TRUE(m_printer.SendJob(kPrinter, ab, sizeof(ab)));
    std::vector<BYTE> twice = Framed({0x55, 0xAA});
    twice.insert(twice.end(), twice.begin(), twice.end());
    EXPECT_EQ(twice, HostPrinterOutput(kPrinter));
}

class RawPrinterFailingCallTest : public RawPrinterHostTest,
                                  public testing::WithParamInterface<const char*>
{
};

// Each spooler call of a whole job fails in turn: the job reports failure and the printer ends
// closed, unless it is ClosePrinter that fails.
TEST_P(RawPrinterFailingCallTest, EveryFailureFailsTheJobAndClosesThePrinter)
{
    ASSERT_TRUE(HostSetWindowsVersionName(GetParam()));
    const std::vector<BYTE> data = Pattern(3000, 7);
    ASSERT_TRUE(m_printer.SendJob(kPrinter, data.data(), 3000));
    std::vector<HostSpoolerFunction> job(HostSpoolerCalls().size());
    std::transform(HostSpoolerCalls().begin(), HostSpoolerCalls().end(), job.begin(),
                   [](const HostSpoolerCall& call) { return call.function; });

    for (size_t nFailing = 0; nFailing < job.size(); ++nFailing)
    {
        SCOPED_TRACE(testing::Message()
                     << "failing call " << nFailing << ": " << FunctionName(job[nFailing]));
        HostResetSpooler();
        HostAddPrinter(kPrinter);
        HostFailSpoolerCallAt(nFailing);
        CRawPrinter printer;
        EXPECT_FALSE(printer.SendJob(kPrinter, data.data(), 3000));
        const bool bCloseFailed = job[nFailing] == HostSpoolerFunction::ClosePrinter;
        EXPECT_EQ(bCloseFailed ? 1u : 0u, HostOpenPrinterCount());
        EXPECT_TRUE(printer.Close());
        EXPECT_EQ(0u, HostOpenPrinterCount());
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, RawPrinterFailingCallTest,
                         testing::Values("nt40", "win95", "win98"));
} // namespace
