// Host-only: the host layer can make the version query fail and emulate NT 3.5, which Wine
// cannot.
#include "module/support/Misc.h"
#include "platform/host/HostVersionControl.h"

#include <gtest/gtest.h>

namespace
{
class GetOsKindHostTest : public testing::Test
{
protected:
    void TearDown() override
    {
        HostFailVersionQuery(false);
        HostSetWindowsVersionName("nt40");
    }
};

TEST_F(GetOsKindHostTest, FailsAndLeavesTheKindWhenTheVersionQueryFails)
{
    HostFailVersionQuery(true);
    CMisc misc;
    int nKind = 42;
    EXPECT_FALSE(misc.GetOsKind(&nKind));
    EXPECT_EQ(42, nKind);
}

TEST_F(GetOsKindHostTest, FailsForAVersionWithoutKind)
{
    HostSetWindowsVersion(VER_PLATFORM_WIN32_WINDOWS, 3, 95);
    CMisc misc;
    int nKind = 42;
    EXPECT_FALSE(misc.GetOsKind(&nKind));
    EXPECT_EQ(42, nKind);
}

// NT 3.5 reports version 3.50, which is not the 3.5 of OSKIND_NT35; the two kinds are treated
// alike by every user of the classification.
TEST_F(GetOsKindHostTest, Nt35ReportsVersion3_50)
{
    ASSERT_TRUE(HostSetWindowsVersionName("nt35"));
    CMisc misc;
    int nKind = -1;
    EXPECT_TRUE(misc.GetOsKind(&nKind));
    EXPECT_EQ(OSKIND_NT, nKind);
    HostSetWindowsVersion(VER_PLATFORM_WIN32_NT, 3, 5);
    EXPECT_TRUE(misc.GetOsKind(&nKind));
    EXPECT_EQ(OSKIND_NT35, nKind);
}
} // namespace
