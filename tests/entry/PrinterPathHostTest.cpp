// Host-only: a printer of another model is refused with a message box, which the host layer
// records instead of showing (under Wine the end-to-end test of the caller reads the real box).
#include "platform/host/HostMessageBoxLog.h"
#include "tests/bidi/BidiTestSupport.h"
#include "tests/bidi/SimulatorScope.h"
#include "tests/entry/ModuleUnderTest.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
TEST(PrinterPathHostTest, AnotherModelIsRefusedWithOneMessageAndNoData)
{
    HostResetMessageBoxes();
    ModuleUnderTest module;
    ASSERT_NE(nullptr, module.Open());
    SimulatorScope sim;
    const PRINTER_INF in;
    PRINTER_INF out;
    std::memset(static_cast<void*>(&out), 0xA5, sizeof out);
    const PRINTER_INF before = out;

    // The default printer is a "Vantor Jet QX"; the other name of the same table is refused too.
    EXPECT_EQ(0, module.Open()("Stampante", "VJ-8200Q", 0, &in, &out, TRUE, TRUE));

    EXPECT_EQ(0, std::memcmp(&before, &out, sizeof out));
    ASSERT_EQ(1u, HostMessageBoxCalls().size());
    const HostMessageBoxCall& box = HostMessageBoxCalls()[0];
    EXPECT_EQ("E' collegata una stampante incompatibile.\r\nCollegate la stampante appropriata e "
              "riprovate.",
              box.text);
    EXPECT_EQ("Errore", box.caption);
    EXPECT_EQ(0x12010u, box.uType);
    EXPECT_EQ(nullptr, box.hWndOwner);
    EXPECT_EQ(0, CountCalls(sim, "KWGetAvailableChannel"));
    ExpectReleasedAndUnloaded(sim);
    HostResetMessageBoxes();
}
} // namespace
