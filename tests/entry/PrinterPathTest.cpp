// The printer path through the export, as a driver UI meets it: the module loaded by file name,
// the printer simulator on the search path. Nothing here shows a message box, so the suite runs
// under Wine as it does on the host.
#include "tests/bidi/BidiTestSupport.h"
#include "tests/bidi/SimulatorScope.h"
#include "tests/entry/ModuleUnderTest.h"
#include "tests/entry/RecordPatterns.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
class PrinterPathTest : public testing::Test
{
protected:
    int Call(LPCSTR pszModel, BOOL bUseBidi = TRUE)
    {
        if (m_module.Open() == nullptr)
        {
            ADD_FAILURE() << "no module to call";
            return -1;
        }
        m_in = NumberedRecord(0xCA11E000u);
        m_out = UntouchedRecord();
        return m_module.Open()("Stampante", pszModel, 0, &m_in, &m_out, FALSE, bUseBidi);
    }

    bool OutputUntouched() const { return SameRecord(UntouchedRecord(), m_out); }

    ModuleUnderTest m_module;
    SimulatorScope m_sim;
    PRINTER_INF m_in;
    PRINTER_INF m_out;
};

TEST_F(PrinterPathTest, Row0ReadsTheSixIdValuesOnly)
{
    ASSERT_EQ(1, Call("Vantor Jet QX"));
    EXPECT_EQ(1u, m_out.dwIdFlag);
    EXPECT_EQ(PRINTER_ID_COUNT, m_out.dwIdCount);
    ExpectQxIds(m_out);
    EXPECT_EQ(0u, m_out.dwOpt1Flag);
    EXPECT_EQ(0u, m_out.dwOpt2Flag);
    EXPECT_EQ(m_in.dwOpt1Value, m_out.dwOpt1Value) << "the caller's own option values pass";
    EXPECT_EQ(m_in.dwOpt2Value, m_out.dwOpt2Value);
    ExpectReleasedAndUnloaded(m_sim);
}

TEST_F(PrinterPathTest, Row1ReadsTheIdValuesAndBothOptionItems)
{
    m_sim.UseProfileFile("vj-8200q.profile");
    ASSERT_EQ(1, Call("VJ-8200Q"));
    EXPECT_EQ(1u, m_out.dwIdFlag);
    EXPECT_EQ(PRINTER_ID_COUNT, m_out.dwIdCount);
    ExpectVj8200qIds(m_out);
    EXPECT_EQ(1u, m_out.dwOpt1Flag);
    EXPECT_EQ(64u, m_out.dwOpt1Value);
    EXPECT_EQ(1u, m_out.dwOpt2Flag);
    EXPECT_EQ(1u, m_out.dwOpt2Value);
}

TEST_F(PrinterPathTest, TheModelNameMatchesWithoutRegardToCase)
{
    ASSERT_EQ(1, Call("VANTOR jet qx"));
    ExpectQxIds(m_out);
}

TEST_F(PrinterPathTest, ModelOfNoRowEndsTheCallWithoutData)
{
    m_sim.UseProfileText(
        ProfileText({"device_id = MFG:VANTOR;MDL:Vantor Jet ZZ;CLS:PRINTER;",
                     "channel = 0x10010003 0x0001", "status = CW:0C22282E343A40;"}));
    EXPECT_EQ(0, Call("Vantor Jet ZZ"));
    EXPECT_TRUE(OutputUntouched());
    EXPECT_EQ(0, CountCalls(m_sim, "KWGetAvailableChannel")) << "the status is not queried";
    ExpectReleasedAndUnloaded(m_sim);
}

TEST_F(PrinterPathTest, AnUnreachablePrinterGivesNoData)
{
    m_sim.UseProfileText(ProfileText(
        {"device_id = MFG:VANTOR;MDL:Vantor Jet QX;", "KWGetDeviceID.size.result = -7"}));
    EXPECT_EQ(0, Call("Vantor Jet QX"));
    EXPECT_TRUE(OutputUntouched());
    ExpectReleasedAndUnloaded(m_sim);
}

TEST_F(PrinterPathTest, ADeviceIdWithoutModelGivesNoData)
{
    m_sim.UseProfileText(
        ProfileText({"device_id = MFG:VANTOR;CMD:ESCPL2;", "channel = 0x10010003 0x0001",
                     "status = CW:0C22282E343A40;"}));
    EXPECT_EQ(0, Call("Vantor Jet QX"));
    EXPECT_TRUE(OutputUntouched());
}

TEST_F(PrinterPathTest, AFailedStatusQueryAfterTheModelCheckGivesNoData)
{
    m_sim.UseProfileText(ProfileText({QxPrinterLines(), "channel = 0x10020003 0x0001"}));
    EXPECT_EQ(0, Call("Vantor Jet QX"));
    EXPECT_TRUE(OutputUntouched());
    ExpectReleasedAndUnloaded(m_sim);
}

TEST_F(PrinterPathTest, WithoutBidiThePrinterIsNotAsked)
{
    ASSERT_EQ(1, Call("Vantor Jet QX", FALSE));
    EXPECT_TRUE(SameRecord(m_in, m_out));
    EXPECT_TRUE(m_sim.Calls().empty()) << "the library is not even loaded";
}

TEST_F(PrinterPathTest, TheQueryRunsInASecondSessionInsideTheFirst)
{
    ASSERT_EQ(1, Call("Vantor Jet QX"));
    const std::vector<std::string> expected = {
        "DllMain(attach)", "KWInitialize",          "KWGetDeviceID",         "KWGetDeviceID",
        "KWInitialize",    "KWGetAvailableChannel", "KWGetAvailableChannel", "KWOpenChannel",
        "KWGetStatus",     "KWGetStatus",           "KWCloseChannel",        "KWRelease",
        "KWRelease",       "DllMain(detach)"};
    EXPECT_EQ(expected, m_sim.Calls());
}
} // namespace
