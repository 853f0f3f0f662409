#include "module/entry/PrinterInf.h"
#include "tests/entry/RecordPatterns.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
TEST(PrinterInfTest, FieldsLieInTheExportedOrder)
{
    const PRINTER_INF inf = NumberedRecord(0x11110000u);
    EXPECT_EQ(0x11110000u, inf.dwIdFlag);
    EXPECT_EQ(0x11110001u, inf.dwIdCount);
    EXPECT_EQ(0x11110002u, inf.dwId[0]);
    EXPECT_EQ(0x11110007u, inf.dwId[5]);
    EXPECT_EQ(0x11110008u, inf.dwOpt1Flag);
    EXPECT_EQ(0x1111000Bu, inf.dwOpt2Value);
}

TEST(PrinterInfTest, ConstructionAndCopyFromNullGiveZeros)
{
    const BYTE zeros[sizeof(PRINTER_INF)] = {};
    const PRINTER_INF fresh;
    EXPECT_EQ(0, std::memcmp(zeros, &fresh, sizeof fresh));
    PRINTER_INF inf = NumberedRecord(0x11110000u);
    inf.CopyFrom(nullptr);
    EXPECT_EQ(0, std::memcmp(zeros, &inf, sizeof inf));
}

TEST(PrinterInfTest, CopyFromThenCopyToReproducesAll48Bytes)
{
    const PRINTER_INF source = NumberedRecord(0x11110000u);
    PRINTER_INF work;
    work.CopyFrom(&source);
    PRINTER_INF dest;
    std::memset(static_cast<void*>(&dest), 0xEE, sizeof dest);
    work.CopyTo(&dest);
    EXPECT_EQ(0, std::memcmp(&source, &dest, sizeof dest));
}

TEST(PrinterInfTest, CopyToItselfKeepsTheRecord)
{
    PRINTER_INF inf = NumberedRecord(0x11110000u);
    inf.CopyTo(&inf);
    const PRINTER_INF expected = NumberedRecord(0x11110000u);
    EXPECT_EQ(0, std::memcmp(&expected, &inf, sizeof inf));
}
} // namespace
