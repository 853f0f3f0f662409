#include "module/support/Misc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
struct VersionCase
{
    DWORD dwPlatformId;
    DWORD dwMajor;
    DWORD dwMinor;
    BOOL bClassified;
    int nKind;
};

const VersionCase kVersionCases[] = {
    {VER_PLATFORM_WIN32s, 3, 10, TRUE, OSKIND_WIN32S},
    {VER_PLATFORM_WIN32s, 0, 0, TRUE, OSKIND_WIN32S},
    {VER_PLATFORM_WIN32_WINDOWS, 4, 0, TRUE, OSKIND_WIN95},
    {VER_PLATFORM_WIN32_WINDOWS, 4, 10, TRUE, OSKIND_WIN95_LATER},
    {VER_PLATFORM_WIN32_WINDOWS, 4, 90, TRUE, OSKIND_WIN95_LATER},
    {VER_PLATFORM_WIN32_WINDOWS, 5, 0, TRUE, OSKIND_WIN95_LATER},
    {VER_PLATFORM_WIN32_WINDOWS, 3, 95, FALSE, 0},
    {VER_PLATFORM_WIN32_NT, 2, 99, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 3, 4, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 3, 5, TRUE, OSKIND_NT35},
    {VER_PLATFORM_WIN32_NT, 3, 10, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 3, 50, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 3, 51, TRUE, OSKIND_NT351},
    {VER_PLATFORM_WIN32_NT, 3, 52, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 4, 0, TRUE, OSKIND_NT40},
    {VER_PLATFORM_WIN32_NT, 4, 1, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 5, 0, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 5, 1, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 6, 1, TRUE, OSKIND_NT},
    {VER_PLATFORM_WIN32_NT, 10, 0, TRUE, OSKIND_NT},
    {3, 4, 0, FALSE, 0},
    {0xFFFFFFFF, 4, 0, FALSE, 0},
};

class ClassifyOsVersionTest : public testing::TestWithParam<VersionCase>
{
};

TEST_P(ClassifyOsVersionTest, YieldsTheKindOfItsRow)
{
    const VersionCase& c = GetParam();
    constexpr int kUntouched = 77;
    int nKind = kUntouched;
    EXPECT_EQ(c.bClassified,
              CMisc::ClassifyOsVersion(c.dwPlatformId, c.dwMajor, c.dwMinor, &nKind));
    EXPECT_EQ(c.bClassified ? c.nKind : kUntouched, nKind);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ClassifyOsVersionTest, testing::ValuesIn(kVersionCases));

// The runner sets QZ_EXPECTED_OSKIND to the kind of the version it emulates (Wine's own
// emulation under Wine, the host layer's on the host).
TEST(GetOsKindTest, AgreesWithTheEmulatedVersion)
{
    const char* pszExpected = std::getenv("QZ_EXPECTED_OSKIND");
    if (pszExpected == nullptr)
    {
        GTEST_SKIP() << "run by the version runner only";
    }
    CMisc misc;
    int nKind = -1;
    ASSERT_TRUE(misc.GetOsKind(&nKind));
    EXPECT_EQ(std::atoi(pszExpected), nKind);
}

class FindBytesTest : public testing::Test
{
protected:
    // Each buffer is allocated with exactly its size, so that ASan sees any read past its end.
    static std::vector<BYTE> Bytes(const char* psz)
    {
        return std::vector<BYTE>(psz, psz + std::strlen(psz));
    }

    BOOL Find(const std::vector<BYTE>& data, const std::vector<BYTE>& pattern, const BYTE** ppFound)
    {
        return m_misc.FindBytes(data.data(), static_cast<DWORD>(data.size()), pattern.data(),
                                static_cast<DWORD>(pattern.size()), ppFound);
    }

    CMisc m_misc;
};

TEST_F(FindBytesTest, FindsAPatternAtTheStart)
{
    const std::vector<BYTE> data = Bytes("CW:rest of the reply");
    const BYTE* pFound = nullptr;
    ASSERT_TRUE(Find(data, Bytes("CW:"), &pFound));
    EXPECT_EQ(data.data(), pFound);
}

TEST_F(FindBytesTest, ReturnsTheFirstOfTwoOccurrences)
{
    const std::vector<BYTE> data = Bytes("xxCD:aaCD:bb");
    const BYTE* pFound = nullptr;
    ASSERT_TRUE(Find(data, Bytes("CD:"), &pFound));
    EXPECT_EQ(data.data() + 2, pFound);
}

TEST_F(FindBytesTest, FindsAPatternThatEndsWithTheLastByte)
{
    const std::vector<BYTE> data = Bytes("abcCW:");
    const BYTE* pFound = nullptr;
    ASSERT_TRUE(Find(data, Bytes("CW:"), &pFound));
    EXPECT_EQ(data.data() + 3, pFound);
    ASSERT_TRUE(Find(data, data, &pFound));
    EXPECT_EQ(data.data(), pFound);
}

TEST_F(FindBytesTest, SeesZeroBytesAndHighBytesAsData)
{
    const std::vector<BYTE> data = {0x00, 0xFF, 0x00, 0x80, 0x7F};
    const std::vector<BYTE> pattern = {0x00, 0x80};
    const BYTE* pFound = nullptr;
    ASSERT_TRUE(Find(data, pattern, &pFound));
    EXPECT_EQ(data.data() + 2, pFound);
}

TEST_F(FindBytesTest, MissesLeaveTheOutPointerUnchanged)
{
    const BYTE kSentinel = 0;
    const BYTE* pFound = &kSentinel;
    EXPECT_FALSE(Find(Bytes("CW"), Bytes("CW:"), &pFound));
    EXPECT_FALSE(Find(Bytes("abcdef"), Bytes("CD:"), &pFound));
    EXPECT_FALSE(Find(std::vector<BYTE>(), Bytes("CD:"), &pFound));
    EXPECT_EQ(&kSentinel, pFound);
}

TEST_F(FindBytesTest, AnEmptyPatternMatchesAtTheStartOfData)
{
    const std::vector<BYTE> data = Bytes("abc");
    const BYTE* pFound = nullptr;
    ASSERT_TRUE(Find(data, std::vector<BYTE>(), &pFound));
    EXPECT_EQ(data.data(), pFound);
}

struct HexCase
{
    const char* pszText;
    BOOL bOk;
    DWORD dwValue;
};

class HexToIntTest : public testing::TestWithParam<HexCase>
{
};

TEST_P(HexToIntTest, ParsesOnlyWholeHexadecimalTexts)
{
    const HexCase& c = GetParam();
    constexpr DWORD kUntouched = 0x5A5A5A5A;
    DWORD dwValue = kUntouched;
    CMisc misc;
    EXPECT_EQ(c.bOk, misc.HexToInt(c.pszText, &dwValue)) << '"' << c.pszText << '"';
    EXPECT_EQ(c.bOk ? c.dwValue : kUntouched, dwValue) << '"' << c.pszText << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexToIntTest,
    testing::Values(HexCase{"d", TRUE, 13}, HexCase{"D", TRUE, 13}, HexCase{"1f", TRUE, 31},
                    HexCase{"1F", TRUE, 31}, HexCase{"0", TRUE, 0}, HexCase{"40", TRUE, 64},
                    HexCase{"FFFFFFFF", TRUE, 0xFFFFFFFF}, HexCase{"12345678", TRUE, 0x12345678},
                    HexCase{"", FALSE, 0}, HexCase{"123456789", FALSE, 0}, HexCase{" 1", FALSE, 0},
                    HexCase{"1 ", FALSE, 0}, HexCase{"-1", FALSE, 0}, HexCase{"0x1", FALSE, 0},
                    HexCase{"g", FALSE, 0}, HexCase{"NA", FALSE, 0}));

TEST(HexToByteTest, TakesTheFirstTwoCharacters)
{
    struct
    {
        const char* pszText;
        BOOL bOk;
        BYTE bValue;
    } const cases[] = {
        {"ab", TRUE, 171}, {"A", TRUE, 10}, {"abc", TRUE, 171}, {"A ", TRUE, 10},
        {" A", TRUE, 10},  {"00", TRUE, 0}, {"FF", TRUE, 255},  {"zz", FALSE, 0},
        {"", FALSE, 0},    {"x", FALSE, 0},
    };
    CMisc misc;
    for (const auto& c : cases)
    {
        BYTE bValue = 0x5A;
        EXPECT_EQ(c.bOk, misc.HexToByte(c.pszText, &bValue)) << '"' << c.pszText << '"';
        EXPECT_EQ(c.bOk ? c.bValue : 0x5A, bValue) << '"' << c.pszText << '"';
    }
}

TEST(ByteToHexTest, GivesTwoLowercaseDigits)
{
    CMisc misc;
    CString strHex("previous");
    EXPECT_TRUE(misc.ByteToHex(5, strHex));
    EXPECT_STREQ("05", strHex);
    EXPECT_TRUE(misc.ByteToHex(171, strHex));
    EXPECT_STREQ("ab", strHex);
    EXPECT_TRUE(misc.ByteToHex(0, strHex));
    EXPECT_STREQ("00", strHex);
}

TEST(GetTabFieldTest, ReturnsWholeFields)
{
    struct
    {
        int nField;
        BOOL bOk;
        const char* pszResult;
    } const cases[] = {
        {0, TRUE, "alpha"},           {1, TRUE, "beta"},   {2, TRUE, "c"},
        {3, FALSE, "alpha\tbeta\tc"}, {-1, TRUE, "alpha"},
    };
    CMisc misc;
    for (const auto& c : cases)
    {
        CString strText("alpha\tbeta\tc");
        EXPECT_EQ(c.bOk, misc.GetTabField(strText, c.nField)) << c.nField;
        EXPECT_STREQ(c.pszResult, strText) << c.nField;
    }
}

TEST(GetTabFieldTest, HandlesEmptyTextsAndEmptyFields)
{
    CMisc misc;
    CString strEmpty;
    EXPECT_FALSE(misc.GetTabField(strEmpty, 0));
    CString strText("a\t\tc\t");
    EXPECT_TRUE(misc.GetTabField(strText, 1));
    EXPECT_STREQ("", strText);
    CString strLast("a\t\tc\t");
    EXPECT_TRUE(misc.GetTabField(strLast, 3));
    EXPECT_STREQ("", strLast);
}
} // namespace
