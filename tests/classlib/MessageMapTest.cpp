#include "classlib/CmdTarget.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class CBaseTarget : public CCmdTarget
{
public:
    void OnFirst() { m_log += "base-first "; }
    void OnRange() { m_log += "base-range "; }
    std::string m_log;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
ON_COMMAND(100, CBaseTarget::OnFirst)
ON_COMMAND(200, CBaseTarget::OnRange)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget
{
public:
    void OnFirst() { m_log += "derived-first "; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
ON_COMMAND(100, CDerivedTarget::OnFirst)
END_MESSAGE_MAP()

TEST(MessageMapTest, TheMostDerivedEntryWinsAndTheChainIsWalked)
{
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(100, CN_COMMAND));
    EXPECT_TRUE(target.OnCmdMsg(200, CN_COMMAND));
    EXPECT_FALSE(target.OnCmdMsg(300, CN_COMMAND));
    EXPECT_FALSE(target.OnCmdMsg(100, 1)) << "another notification code";
    EXPECT_EQ("derived-first base-range ", target.m_log);
}
} // namespace
