#include "BidiTestSupport.h"

#include <cstring>

const char* const kQxDeviceId =
    "MFG:VANTOR;CMD:ESCPL2,BDC,D4,D4PX;MDL:Vantor Jet QX;CLS:PRINTER;DES:VANTOR Vantor Jet QX;";
const char* const kQxExtendedReply =
    "@BDC ST2\r\nST:01;ER:00;CW:0C22282E343A40;IQ:4B4B4B;RC:00;\x0C";
const char* const kQxBasicReply = "@BDC ST\r\nST:01;CW:0C22282E343A40;\x0C";

std::string ProfileText(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
    {
        text += line + "\n";
    }
    return text;
}

std::string QxPrinterLines()
{
    return ProfileText({
        std::string("device_id = ") + kQxDeviceId,
        "status.0x10010003 = @BDC ST2\\r\\nST:01;ER:00;CW:0C22282E343A40;IQ:4B4B4B;RC:00;\\x0C",
        "status.0x10000003 = @BDC ST\\r\\nST:01;CW:0C22282E343A40;\\x0C",
    });
}

PRINTER_INF RequestRecord(bool bOptions)
{
    PRINTER_INF inf;
    DWORD* p = &inf.dwIdFlag;
    for (DWORD i = 0; i < 12; ++i)
    {
        p[i] = 0xA5A50000u + i;
    }
    inf.dwIdFlag = 1;
    inf.dwIdCount = PRINTER_ID_COUNT;
    inf.dwOpt1Flag = bOptions ? 1 : 0;
    inf.dwOpt2Flag = bOptions ? 1 : 0;
    return inf;
}

void ExpectQxIds(const PRINTER_INF& inf)
{
    const DWORD expected[PRINTER_ID_COUNT] = {34, 40, 46, 52, 58, 64};
    for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
    {
        EXPECT_EQ(expected[k], inf.dwId[k]) << "ID value " << k;
    }
}

void ExpectVj8200qIds(const PRINTER_INF& inf)
{
    const DWORD expected[PRINTER_ID_COUNT] = {30, 36, 42, 48, 54, 70};
    for (DWORD k = 0; k < PRINTER_ID_COUNT; ++k)
    {
        EXPECT_EQ(expected[k], inf.dwId[k]) << "ID value " << k;
    }
}

void ExpectReleasedAndUnloaded(const SimulatorScope& sim, bool bChannelsClosed)
{
    const std::vector<std::string> calls = sim.Calls();
    ASSERT_FALSE(calls.empty()) << "the library was never loaded";
    EXPECT_EQ("DllMain(detach)", calls.back()) << "the library was not unloaded";
    const int nInitialized =
        sim.CountLines("KWInitialize() = ") - sim.CountLines("KWInitialize() = -13");
    EXPECT_EQ(nInitialized, sim.CountLines("KWRelease() = ")) << "initialisations not released";
    EXPECT_EQ(0, sim.CountLines("KWRelease() = -13")) << "released without initialisation";
    EXPECT_EQ(0, sim.CountLines("DllMain(detach) not released"));
    EXPECT_EQ(CountCalls(sim, "DllMain(attach)"), CountCalls(sim, "DllMain(detach)"));
    if (bChannelsClosed)
    {
        EXPECT_EQ(0, sim.CountLines("KWRelease: ")) << "a channel was left open";
    }
    EXPECT_EQ(0, sim.CountLines("profile error")) << "the test's profile has a mistake";
}

int CountCalls(const SimulatorScope& sim, const std::string& call)
{
    int n = 0;
    for (const std::string& c : sim.Calls())
    {
        n += c == call ? 1 : 0;
    }
    return n;
}
