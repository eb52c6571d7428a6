// Colour layout, system colours and colour names.
#include "base/Colors.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(Colors, RedIsTheLowByte)
{
    EXPECT_EQ(RGBColor(1, 2, 3), 0x030201);
    EXPECT_EQ(RedOf(clRed), 255);
    EXPECT_EQ(BlueOf(clBlue), 255);
    EXPECT_EQ(clNone, 536870911);
}

TEST(Colors, SystemColoursMapToRgb)
{
    EXPECT_LT(clBtnFace, 0);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(0x7F123456 & 0x00FFFFFF), 0x123456);
}

TEST(Colors, NamesWithoutRegardToCase)
{
    TColor c = 0;
    ASSERT_TRUE(IdentToColor("clred", c));
    EXPECT_EQ(c, clRed);
    ASSERT_TRUE(IdentToColor("clBtnFace", c));
    EXPECT_EQ(c, clBtnFace);
    EXPECT_FALSE(IdentToColor("red", c));
    EXPECT_EQ(ColorToIdent(clSilver), "clSilver");
    EXPECT_EQ(ColorToIdent(0x123456), std::to_string(0x123456));
}

} // namespace
} // namespace qbx
