// Host-only: message boxes are recorded by the host layer instead of being shown.
#include "module/entry/DeviceIdModel.h"
#include "module/entry/PrinterInfoApp.h"
#include "module/res/resource.h"
#include "module/support/Error.h"
#include "platform/host/HostMessageBoxLog.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const char kIncompatible[] = "E' collegata una stampante incompatibile.\r\nCollegate la stampante "
                             "appropriata e riprovate.";
const std::string kMissing = "\x96\xA2\x92\xE8\x8B\x60\x82\xCC\x83\x47\x83\x89\x81\x5B\x21\x83\x8A"
                             "\x83\x5C\x81\x5B\x83\x58\x82\xC9\x8E\x77\x92\xE8\x49\x44\x82\xCC\x83"
                             "\x47\x83\x89\x81\x5B\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x82\xA0\x82\xE8"
                             "\x82\xDC\x82\xB9\x82\xF1";

class ErrorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        HostResetMessageBoxes();
        theApp.SetModule(GetModuleHandleA(nullptr));
    }
    void TearDown() override
    {
        HostResetMessageBoxes();
        theApp.m_pMainWnd = nullptr;
    }

    const HostMessageBoxCall& OnlyBox()
    {
        EXPECT_EQ(1u, HostMessageBoxCalls().size());
        static const HostMessageBoxCall none{};
        return HostMessageBoxCalls().empty() ? none : HostMessageBoxCalls().back();
    }

    CError m_error{IDS_MESSAGE_BASE, IDS_PARAMETER_BASE};
};

TEST_F(ErrorTest, ANegativeMessageShowsNothing)
{
    EXPECT_EQ(IDCANCEL, m_error.ShowMessage(-1, 0, 1, "a", "b", "Errore", MB_OK));
    EXPECT_EQ(IDCANCEL, m_error.ShowMessage(-5, -1, -1, nullptr, nullptr, nullptr, 0));
    EXPECT_TRUE(HostMessageBoxCalls().empty());
}

TEST_F(ErrorTest, TheRangeMessageTakesItsNumbersFromTheStringTable)
{
    m_error.ShowMessage(100, 0, 1, nullptr, nullptr, "Errore", 0x10010);
    const HostMessageBoxCall& box = OnlyBox();
    EXPECT_EQ("L' ID deve essere un numero pari tra 30 e 70.", box.text);
    EXPECT_EQ("Errore", box.caption);
    EXPECT_EQ(0x12010u, box.uType);
    EXPECT_EQ(nullptr, box.hWndOwner);
}

TEST_F(ErrorTest, MissingParametersLeaveTheirPlaceholdersEmpty)
{
    m_error.ShowMessage(100, -1, -1, nullptr, nullptr, "Errore", MB_OK);
    EXPECT_EQ("L' ID deve essere un numero pari tra  e .", OnlyBox().text);
    HostResetMessageBoxes();
    m_error.ShowMessage(100, 0, 500, nullptr, nullptr, "Errore", MB_OK);
    EXPECT_EQ("L' ID deve essere un numero pari tra 30 e .", OnlyBox().text);
}

TEST_F(ErrorTest, AMissingMessageShowsTheFallbackBetweenPrefixAndSuffix)
{
    m_error.ShowMessage(7, -1, -1, "<", ">", "Errore", MB_OK);
    EXPECT_EQ("<" + kMissing + ">", OnlyBox().text);
    EXPECT_EQ(57u, kMissing.size());
}

TEST_F(ErrorTest, PrefixAndSuffixAreGluedWithoutSeparators)
{
    m_error.ShowMessage(0, -1, -1, "Stampante: ", "!", "Errore", MB_OK);
    EXPECT_EQ(std::string("Stampante: ") + kIncompatible + "!", OnlyBox().text);
}

TEST_F(ErrorTest, EveryBoxIsTaskModalAndInTheForeground)
{
    const struct
    {
        UINT nType;
        UINT nShown;
    } cases[] = {{0, 0x12000},
                 {0x10010, 0x12010},
                 {MB_OKCANCEL | MB_ICONEXCLAMATION, 0x12031},
                 {0x12000, 0x12000}};
    for (const auto& c : cases)
    {
        HostResetMessageBoxes();
        m_error.ShowMessage(0, -1, -1, nullptr, nullptr, "Errore", c.nType);
        EXPECT_EQ(c.nShown, OnlyBox().uType) << c.nType;
    }
}

TEST_F(ErrorTest, ReturnsTheBoxesAnswer)
{
    HostQueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(IDCANCEL, m_error.ShowMessage(0, -1, -1, nullptr, nullptr, "Errore", MB_OKCANCEL));
}

TEST_F(ErrorTest, WithoutCaptionTheApplicationsBoxIsShown)
{
    CWnd mainWnd;
    mainWnd.m_hWnd = reinterpret_cast<HWND>(0x1234);
    theApp.m_pMainWnd = &mainWnd;
    m_error.ShowMessage(0, -1, -1, nullptr, nullptr, nullptr, MB_ICONHAND);
    const HostMessageBoxCall& box = OnlyBox();
    EXPECT_EQ("qz_host_tests", box.caption);
    EXPECT_EQ(mainWnd.m_hWnd, box.hWndOwner);
    EXPECT_EQ(static_cast<UINT>(MB_ICONHAND | 0x12000), box.uType);
}

TEST_F(ErrorTest, SetBasesMovesBothRanges)
{
    m_error.SetBases(IDS_MESSAGE_BASE + 100, IDS_PARAMETER_BASE + 1);
    m_error.ShowMessage(0, 0, -1, nullptr, nullptr, "Errore", MB_OK);
    EXPECT_EQ("L' ID deve essere un numero pari tra 70 e .", OnlyBox().text);
}

TEST_F(ErrorTest, AModelMismatchShowsTheIncompatiblePrinterMessageOnce)
{
    EXPECT_FALSE(CheckPrinterModel("Vantor Jet QX", "VJ-8200Q"));
    const HostMessageBoxCall& box = OnlyBox();
    EXPECT_EQ(kIncompatible, box.text);
    EXPECT_EQ("Errore", box.caption);
    EXPECT_EQ(0x12010u, box.uType);
    EXPECT_EQ(nullptr, box.hWndOwner);
}

TEST_F(ErrorTest, ATrailingBlankIsAMismatch)
{
    EXPECT_FALSE(CheckPrinterModel("Vantor Jet QX", "Vantor Jet QX "));
    EXPECT_EQ(1u, HostMessageBoxCalls().size());
}

TEST_F(ErrorTest, AMatchShowsNothing)
{
    EXPECT_TRUE(CheckPrinterModel("vj-8200q", "VJ-8200Q"));
    EXPECT_TRUE(HostMessageBoxCalls().empty());
}
} // namespace
