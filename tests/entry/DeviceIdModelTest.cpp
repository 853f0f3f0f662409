#include "module/entry/DeviceIdModel.h"

#include <gtest/gtest.h>

namespace
{
const struct
{
    const char* pszDeviceId;
    BOOL bFound;
    const char* pszModel;
} kDeviceIds[] = {
    {"MFG:Vantor;CMD:ESCPL2,BDC;MDL:Vantor Jet QX;CLS:PRINTER;", TRUE, "Vantor Jet QX"},
    {"MDL:VJ-8200Q;", TRUE, "VJ-8200Q"},
    {"MDL: Vantor Jet QX ;", TRUE, " Vantor Jet QX "},
    {"MDL:;CLS:PRINTER;", TRUE, ""},
    {"MDL:First;MDL:Second;", TRUE, "First"},
    {"MFG:Vantor;CMD:ESCPL2;", FALSE, ""},
    {"mfg:Vantor;mdl:Vantor Jet QX;", FALSE, ""},
    {"MFG:Vantor;MDL:Vantor Jet QX", FALSE, ""},
    {"MDL:", FALSE, ""},
    {"MDL", FALSE, ""},
    {"", FALSE, ""},
};

TEST(DeviceIdModelTest, TakesTheValueBetweenTheFirstKeyAndItsSemicolon)
{
    for (const auto& c : kDeviceIds)
    {
        CString strModel("previous value");
        EXPECT_EQ(c.bFound, GetModelFromDeviceId(c.pszDeviceId, strModel)) << c.pszDeviceId;
        EXPECT_STREQ(c.pszModel, strModel) << c.pszDeviceId;
    }
}

TEST(DeviceIdModelTest, TheCallersModelMatchesWithoutRegardToCase)
{
    EXPECT_TRUE(CheckPrinterModel("Vantor Jet QX", "Vantor Jet QX"));
    EXPECT_TRUE(CheckPrinterModel("Vantor Jet QX", "VANTOR JET qx"));
    EXPECT_TRUE(CheckPrinterModel("", ""));
}
} // namespace
