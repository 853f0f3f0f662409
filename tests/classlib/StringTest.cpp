#include "classlib/String.h"
#include "classlib/MessageBox.h"

#include <gtest/gtest.h>

namespace
{
TEST(StringTest, ConstructsFromTextsCountsAndCharacters)
{
    EXPECT_STREQ("", CString());
    EXPECT_STREQ("", CString(static_cast<LPCSTR>(nullptr)));
    EXPECT_STREQ("MDL", CString("MDL:x", 3));
    EXPECT_STREQ("", CString("MDL", 0));
    EXPECT_STREQ("---", CString('-', 3));
    EXPECT_EQ(5, CString("a\tb\tc").GetLength());
}

TEST(StringTest, MidLeftRightClampToTheText)
{
    const CString str("Vantor Jet QX");
    EXPECT_STREQ("Jet QX", str.Mid(7));
    EXPECT_STREQ("Jet", str.Mid(7, 3));
    EXPECT_STREQ("QX", str.Mid(11, 99));
    EXPECT_STREQ("", str.Mid(13));
    EXPECT_STREQ("", str.Mid(40, 2));
    EXPECT_STREQ("Vantor Jet QX", str.Mid(-3));
    EXPECT_STREQ("Van", str.Left(3));
    EXPECT_STREQ("QX", str.Right(2));
    EXPECT_STREQ("Vantor Jet QX", str.Right(99));
}

TEST(StringTest, FindAndReplace)
{
    CString str("CW:aa CW:bb");
    EXPECT_EQ(0, str.Find("CW:"));
    EXPECT_EQ(6, str.Find("CW:", 1));
    EXPECT_EQ(-1, str.Find("CD:"));
    EXPECT_EQ(3, str.Find('a'));
    EXPECT_EQ(-1, str.Find('a', 50));
    EXPECT_EQ(2, str.Replace("CW:", "%1"));
    EXPECT_STREQ("%1aa %1bb", str);
    EXPECT_EQ(1, str.Replace("%1aa", ""));
    EXPECT_STREQ(" %1bb", str);
}

TEST(StringTest, GetBufferAndReleaseBuffer)
{
    CString str("ab");
    LPSTR p = str.GetBuffer(8);
    lstrcpynA(p, "abcdef", 9);
    str.ReleaseBuffer();
    EXPECT_STREQ("abcdef", str);
    str.GetBuffer(2);
    str.ReleaseBuffer(3);
    EXPECT_STREQ("abc", str);
}

TEST(StringTest, FormatTakesIntegersAs32Bits)
{
    CString str;
    str.Format("%lu-%02lx-%d-%s", static_cast<DWORD>(4294967295u), static_cast<DWORD>(5), -7, "x");
    EXPECT_STREQ("4294967295-05--7-x", str);
}

TEST(StringTest, LoadStringFailsForAMissingString)
{
    CString str("previous");
    EXPECT_FALSE(str.LoadString(12345));
    EXPECT_STREQ("", str);
    EXPECT_TRUE(str.LoadString(51001));
    EXPECT_STREQ("70", str);
}

TEST(FormatString2Test, ReplacesEveryPlaceholderOfBothKinds)
{
    CString str;
    AfxFormatString2(str, 61714, "1", "10"); // "Digitare un numero intero compreso tra %1 e %2."
    EXPECT_STREQ("Digitare un numero intero compreso tra 1 e 10.", str);
    AfxFormatString2(str, 61714, nullptr, "%1");
    EXPECT_STREQ("Digitare un numero intero compreso tra  e %1.", str)
        << "arguments are not re-read";
    AfxFormatString2(str, 12345, "1", "2");
    EXPECT_STREQ("", str);
}
} // namespace
