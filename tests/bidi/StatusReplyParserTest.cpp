// The status reply parser on its own: the items, the value fields, and the reply's end.
#include "module/bidi/StatusReplyParser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace
{
// The reply in a heap block of exactly its size, so that a read beyond it is caught by the
// address sanitizer.
class Reply
{
public:
    explicit Reply(const std::string& bytes)
        : m_cb(static_cast<DWORD>(bytes.size())), m_p(new BYTE[bytes.size() ? bytes.size() : 1])
    {
        std::memcpy(m_p.get(), bytes.data(), bytes.size());
    }
    const BYTE* Data() const { return m_cb ? m_p.get() : nullptr; }
    DWORD Size() const { return m_cb; }

private:
    DWORD m_cb;
    std::unique_ptr<BYTE[]> m_p;
};

PRINTER_INF Record(DWORD dwIdFlag, DWORD dwOpt1Flag, DWORD dwOpt2Flag)
{
    PRINTER_INF inf;
    DWORD* p = &inf.dwIdFlag;
    for (DWORD i = 0; i < 12; ++i)
    {
        p[i] = 0x5A5A0000u + i;
    }
    inf.dwIdFlag = dwIdFlag;
    inf.dwOpt1Flag = dwOpt1Flag;
    inf.dwOpt2Flag = dwOpt2Flag;
    return inf;
}

bool Same(const PRINTER_INF& a, const PRINTER_INF& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

BOOL Parse(const std::string& bytes, PRINTER_INF& inf)
{
    const Reply reply(bytes);
    return ParseStatusReply(reply.Data(), reply.Size(), &inf);
}

// An ID item whose six fields are the texts given.
std::string IdItem(const std::string& fields)
{
    return "CW:0C" + fields;
}

// An option item: entry 0, entry 1's three fields, option 1's value field.
std::string OptionItem(const std::string& entry1, const std::string& option1)
{
    return "CD:10" + std::string("00000101") + entry1 + option1;
}

TEST(ParseStatusReplyTest, WithoutFlagsTheReplyIsNotLookedAt)
{
    const PRINTER_INF before = Record(0, 0, 0);
    PRINTER_INF inf = before;
    EXPECT_EQ(1, ParseStatusReply(nullptr, 0, &inf));
    EXPECT_EQ(1, Parse(IdItem("101010101010") + OptionItem("00000000", "40"), inf));
    EXPECT_TRUE(Same(before, inf));
}

TEST(ParseStatusReplyTest, AnEmptyReplyFindsNoIdItem)
{
    const PRINTER_INF before = Record(1, 0, 0);
    PRINTER_INF inf = before;
    EXPECT_EQ(0, ParseStatusReply(nullptr, 0, &inf));
    EXPECT_EQ(0, Parse("", inf));
    EXPECT_TRUE(Same(before, inf));
}

TEST(ParseStatusReplyTest, ReadsSixHexadecimalIdValuesOfEitherCase)
{
    PRINTER_INF inf = Record(1, 0, 0);
    PRINTER_INF expected = inf;
    const DWORD values[] = {10, 27, 44, 61, 78, 95};
    std::memcpy(expected.dwId, values, sizeof values);
    EXPECT_EQ(1, Parse("CW:xy0A1b2C3d4E5f", inf));
    EXPECT_TRUE(Same(expected, inf));
}

TEST(ParseStatusReplyTest, ValueFieldsThatAreNoNumberYieldZero)
{
    PRINTER_INF inf = Record(1, 0, 0);
    // NA in three spellings, a blank and a digit, a digit and a zero byte, a zero byte first.
    const std::string fields = std::string("NA") + "na" + "nA" + " 7" + '7' + '\0' + '\0' + '5';
    EXPECT_EQ(1, Parse(IdItem(fields), inf));
    const DWORD expected[] = {0, 0, 0, 0, 7, 0};
    for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
    {
        EXPECT_EQ(expected[k], inf.dwId[k]) << k;
    }
    EXPECT_EQ(1, Parse(IdItem("Na" + std::string("g1") + "FF" + "00" + "0-" + "x1"), inf));
    const DWORD expected2[] = {0, 0, 255, 0, 0, 0};
    for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
    {
        EXPECT_EQ(expected2[k], inf.dwId[k]) << k;
    }
}

TEST(ParseStatusReplyTest, OptionOneIsTheFieldAfterTheEntries)
{
    PRINTER_INF inf = Record(0, 1, 0);
    EXPECT_EQ(1, Parse(OptionItem("00000000", "40"), inf));
    EXPECT_EQ(64u, inf.dwOpt1Value);
    EXPECT_EQ(1, Parse(OptionItem("00000000", "NA"), inf));
    EXPECT_EQ(0u, inf.dwOpt1Value);
    EXPECT_EQ(0x5A5A000Bu, inf.dwOpt2Value);
}

TEST(ParseStatusReplyTest, OptionTwoCountsTheAvailableEntriesFromEntryOne)
{
    PRINTER_INF inf = Record(0, 0, 1);
    EXPECT_EQ(1, Parse(OptionItem("NAVL0102", "40"), inf));
    EXPECT_EQ(0u, inf.dwOpt2Value);
    EXPECT_EQ(1, Parse(OptionItem("00000000", "40"), inf));
    EXPECT_EQ(1u, inf.dwOpt2Value);
    EXPECT_EQ(1, Parse(OptionItem("navl0000", "40"), inf));
    EXPECT_EQ(0u, inf.dwOpt2Value);
    EXPECT_EQ(1, Parse(OptionItem("0000na00", "40"), inf));
    EXPECT_EQ(0u, inf.dwOpt2Value);
    EXPECT_EQ(1, Parse(OptionItem("000000nA", "40"), inf));
    EXPECT_EQ(0u, inf.dwOpt2Value);
    // A field's text ends at its first zero byte: "NA" and a zero byte is NA, "N" is not, and
    // neither "NAV" nor "NA" is NAVL.
    EXPECT_EQ(1, Parse(OptionItem(std::string("NA") + '\0' + '\0' + "0000", "40"), inf));
    EXPECT_EQ(1u, inf.dwOpt2Value);
    EXPECT_EQ(1, Parse(OptionItem(std::string("0000N") + '\0' + "00", "40"), inf));
    EXPECT_EQ(1u, inf.dwOpt2Value);
    EXPECT_EQ(1, Parse(OptionItem(std::string("0000") + "NA" + '\0' + '\0', "40"), inf));
    EXPECT_EQ(0u, inf.dwOpt2Value);
    EXPECT_EQ(1, Parse(OptionItem(std::string("NAV") + '\0' + "0000", "40"), inf));
    EXPECT_EQ(1u, inf.dwOpt2Value);
    // Entry 0 is never examined.
    EXPECT_EQ(1, Parse("CD:10NAVLNANA000000004D", inf));
    EXPECT_EQ(1u, inf.dwOpt2Value);
}

TEST(ParseStatusReplyTest, AMissingIdItemStillLetsTheOptionsBeRead)
{
    PRINTER_INF inf = Record(1, 1, 1);
    PRINTER_INF expected = inf;
    expected.dwOpt1Value = 0x40;
    expected.dwOpt2Value = 1;
    EXPECT_EQ(0, Parse("ST:01;" + OptionItem("00010201", "40") + ";", inf));
    EXPECT_TRUE(Same(expected, inf));
}

TEST(ParseStatusReplyTest, AMissingOptionItemFailsAfterTheIdValues)
{
    PRINTER_INF inf = Record(1, 1, 1);
    PRINTER_INF expected = inf;
    const DWORD values[] = {0x22, 0x28, 0x2E, 0x34, 0x3A, 0x40};
    std::memcpy(expected.dwId, values, sizeof values);
    EXPECT_EQ(0, Parse(IdItem("22282E343A40") + ";", inf));
    EXPECT_TRUE(Same(expected, inf));
}

TEST(ParseStatusReplyTest, OnlyTheFirstOccurrenceOfAKeyCounts)
{
    PRINTER_INF inf = Record(1, 1, 1);
    EXPECT_EQ(1, Parse(IdItem("1E1E1E1E1E1E") + ";" + OptionItem("NAVLNANA", "11") + ";" +
                           IdItem("464646464646") + OptionItem("00000000", "22"),
                       inf));
    for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
    {
        EXPECT_EQ(30u, inf.dwId[k]);
    }
    EXPECT_EQ(0x11u, inf.dwOpt1Value);
    EXPECT_EQ(0u, inf.dwOpt2Value);
}

TEST(ParseStatusReplyTest, TheItemsMayStandAnywhereAmongOtherBytes)
{
    PRINTER_INF inf = Record(1, 1, 1);
    const std::string noise("\x00\xFF"
                            "C"
                            "CW"
                            "CD"
                            "\x00:",
                            10);
    EXPECT_EQ(1, Parse(noise + OptionItem("00000000", "7f") + noise + IdItem("010203040506"), inf));
    EXPECT_EQ(6u, inf.dwId[5]);
    EXPECT_EQ(0x7Fu, inf.dwOpt1Value);
    EXPECT_EQ(1u, inf.dwOpt2Value);
}

// An item whose fields run past the reply's end counts as not found, and nothing beyond the
// reply is read (the reply lies in a block of its own size).
TEST(ParseStatusReplyTest, AnIdItemCutShortByTheReplysEndIsNotFound)
{
    const std::string item = "ST:01;" + IdItem("22282E343A40");
    for (size_t cut = 1; cut <= 14; ++cut)
    {
        const PRINTER_INF before = Record(1, 0, 0);
        PRINTER_INF inf = before;
        EXPECT_EQ(0, Parse(item.substr(0, item.size() - cut), inf)) << cut;
        EXPECT_TRUE(Same(before, inf)) << cut;
    }
    PRINTER_INF inf = Record(1, 0, 0);
    EXPECT_EQ(1, Parse(item, inf));
    EXPECT_EQ(0x40u, inf.dwId[5]);
}

TEST(ParseStatusReplyTest, AnOptionItemCutShortByTheReplysEndIsNotFound)
{
    const std::string item = OptionItem("00000000", "40");
    ASSERT_EQ(23u, item.size());
    for (size_t cut = 1; cut <= 20; ++cut)
    {
        for (const PRINTER_INF& before : {Record(0, 1, 0), Record(0, 0, 1), Record(0, 1, 1)})
        {
            PRINTER_INF inf = before;
            EXPECT_EQ(0, Parse(item.substr(0, item.size() - cut), inf)) << cut;
            EXPECT_TRUE(Same(before, inf)) << cut;
        }
    }
    PRINTER_INF inf = Record(0, 1, 1);
    EXPECT_EQ(1, Parse(item, inf));
    EXPECT_EQ(0x40u, inf.dwOpt1Value);
    EXPECT_EQ(1u, inf.dwOpt2Value);
}

TEST(ParseStatusReplyTest, AKeyAtTheVeryEndIsNotFound)
{
    for (const char* pszReply : {"CW:", "xxCW:", "CD:", "ST:01;CD:"})
    {
        const PRINTER_INF before = Record(1, 1, 1);
        PRINTER_INF inf = before;
        EXPECT_EQ(0, Parse(pszReply, inf)) << pszReply;
        EXPECT_TRUE(Same(before, inf)) << pszReply;
    }
}
} // namespace
