// The text forms of the window placement and of a font.
#include "core/config/FontObject.h"
#include "core/config/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(WindowPlacementString, FormatsAndParsesTenNumbers) {
    WPlacementObj p;
    p.flags = 0;
    p.showCommand = WPlacementObj::Maximised;
    p.minX = p.minY = -1;
    p.maxX = p.maxY = -8;
    p.left = 10;
    p.top = 20;
    p.right = 810;
    p.bottom = 620;
    EXPECT_EQ(p.Format(), "0,3,-1,-1,-8,-8,10,20,810,620");
    auto back = WPlacementObj::Parse(p.Format());
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p);
}

TEST(WindowPlacementString, FewerThanTenNumbersAreIgnored) {
    EXPECT_FALSE(WPlacementObj::Parse(""));
    EXPECT_FALSE(WPlacementObj::Parse("0,1,2,3,4,5,6,7,8"));
    EXPECT_FALSE(WPlacementObj::Parse("0,1,2,3,4,x,6,7,8,9"));
    EXPECT_FALSE(WPlacementObj::Parse("0;1;2;3;4;5;6;7;8;9"));
    // Like sscanf: white space before a number is fine, and trailing text is ignored.
    EXPECT_TRUE(WPlacementObj::Parse("0, 1,2,3,4,5,6,7,8,9 junk"));
}

TEST(WindowPlacementString, MinimisedRestoresAsNormalUnlessStartedMinimised) {
    WPlacementObj p;
    p.showCommand = WPlacementObj::Minimised;
    EXPECT_EQ(p.RestoreShowCommand(false), WPlacementObj::Normal);
    EXPECT_EQ(p.RestoreShowCommand(true), WPlacementObj::Minimised);
    p.showCommand = WPlacementObj::Maximised;
    EXPECT_EQ(p.RestoreShowCommand(false), WPlacementObj::Maximised);
}

TEST(FontString, RoundTripsAndTakesTheFaceAfterTheLastComma) {
    FontObject f;
    f.colour = 0xFF0000;
    f.height = -12;
    f.weight = 700;
    f.italic = 1;
    f.charSet = 0;
    f.pitchAndFamily = 0x31;
    f.faceName = "Courier New";
    EXPECT_EQ(f.Format(), "16711680,-12,700,1,0,0,0,49,Courier New");
    auto back = FontObject::Parse(f.Format());
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, f);

    auto odd = FontObject::Parse("0,-13,400,0,0,0,1,48,Odd, Face");
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->faceName, " Face");

    auto longFace = FontObject::Parse("0,1,2,3,4,5,6,7," + std::string(40, 'x'));
    ASSERT_TRUE(longFace);
    EXPECT_EQ(longFace->faceName.size(), 31u);

    EXPECT_FALSE(FontObject::Parse("0,1,2,3,4,5,6"));
}
