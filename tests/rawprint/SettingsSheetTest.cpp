// The settings sheet and raw jobs as the printer receives them: under Wine through the real
// spooler into the capture printer's file, on the host through the simulated spooler. The
// runner repeats this suite under several emulated Windows versions.
#include "module/rawprint/SettingsSheet.h"
#include "SettingsSheetBytes.h"
#include "SpoolCapture.h"
#include "module/rawprint/RawPrinter.h"

#include <gtest/gtest.h>

namespace
{
TEST(SettingsSheetBodyTest, IsTheSheetWithoutItsResets)
{
    const std::vector<BYTE> sheet = SettingsSheetBytes();
    const CSettingsSheetBody body;
    ASSERT_EQ(37u, body.GetLength());
    EXPECT_EQ(std::vector<BYTE>(sheet.begin() + 4, sheet.end() - 4),
              std::vector<BYTE>(body.GetData(), body.GetData() + body.GetLength()));
}

class CapturePrinterTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(SpoolCapture::Clear()) << "SPOOL_CAPTURE is not set"; }
};

TEST_F(CapturePrinterTest, TheSheetArrivesAsItsFortyFiveBytes)
{
    EXPECT_TRUE(PrintSettingsSheet(SpoolCapture::PRINTER_NAME));
    EXPECT_EQ(SettingsSheetBytes(), SpoolCapture::Bytes());
}

TEST_F(CapturePrinterTest, TwoPressesSendTwoIdenticalJobs)
{
    EXPECT_TRUE(PrintSettingsSheet(SpoolCapture::PRINTER_NAME));
    EXPECT_TRUE(PrintSettingsSheet(SpoolCapture::PRINTER_NAME));
    const std::vector<BYTE> bytes = SpoolCapture::Bytes();
    ASSERT_EQ(90u, bytes.size());
    EXPECT_EQ(SettingsSheetBytes(), std::vector<BYTE>(bytes.begin(), bytes.begin() + 45));
    EXPECT_EQ(SettingsSheetBytes(), std::vector<BYTE>(bytes.begin() + 45, bytes.end()));
}

TEST_F(CapturePrinterTest, AnUnknownPrinterGetsNothing)
{
    EXPECT_FALSE(PrintSettingsSheet("QZ No Such Printer"));
    EXPECT_TRUE(SpoolCapture::Bytes().empty());
}

TEST_F(CapturePrinterTest, DataLongerThanTheBufferArrivesWholeAndInOrder)
{
    std::vector<BYTE> data(5000);
    for (size_t i = 0; i < data.size(); ++i)
    {
        data[i] = static_cast<BYTE>(i * 7 + i / 251);
    }
    CRawPrinter printer;
    EXPECT_TRUE(
        printer.SendJob(SpoolCapture::PRINTER_NAME, data.data(), static_cast<DWORD>(data.size())));
    std::vector<BYTE> expected(std::begin(CRawPrinter::RESET_SEQUENCE),
                               std::end(CRawPrinter::RESET_SEQUENCE));
    expected.insert(expected.end(), data.begin(), data.end());
    expected.insert(expected.end(), std::begin(CRawPrinter::RESET_SEQUENCE),
                    std::end(CRawPrinter::RESET_SEQUENCE));
    EXPECT_EQ(expected, SpoolCapture::Bytes());
}
} // namespace
