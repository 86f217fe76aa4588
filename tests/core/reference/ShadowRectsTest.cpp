// The reference window's rectangles: the stored form, docked beside the frame, floating
// on the desktop.
#include "core/reference/ShadowRects.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(ShadowRects, OnlyFourNumbersMakeARectangle) {
    EXPECT_EQ(ParseRect("10,20,300,400"), (Rect{10, 20, 300, 400}));
    EXPECT_EQ(ParseRect(" -5, 0 ,7,8"), (Rect{-5, 0, 7, 8}));
    EXPECT_FALSE(ParseRect("10,20,300"));
    EXPECT_FALSE(ParseRect("a,b,c,d"));
    EXPECT_FALSE(ParseRect(""));
    EXPECT_FALSE(ParseRect("1,2,3,99999999999"));
    EXPECT_EQ(FormatRect({1, -2, 3, 4}), "1,-2,3,4");
    EXPECT_EQ(ParseRect(FormatRect({100, 50, 300, 650})), (Rect{100, 50, 300, 650}));
}

TEST(ShadowRects, DockedBesideTheFrameOnItsSide) {
    const Rect frame{100, 50, 900, 650};
    // With nothing saved: right of the frame, 200 wide, as tall as the frame.
    EXPECT_EQ(DockedRect(ShadowRight, frame, DefaultShadowRect), (Rect{900, 50, 1100, 650}));
    EXPECT_EQ(DockedRect(ShadowLeft, frame, DefaultShadowRect), (Rect{-100, 50, 100, 650}));
    EXPECT_EQ(DockedRect(ShadowAbove, frame, {0, 0, 10, 80}), (Rect{100, -30, 900, 50}));
    EXPECT_EQ(DockedRect(ShadowBelow, frame, {0, 0, 10, 80}), (Rect{100, 650, 900, 730}));
    // No size of its own: two thirds of the frame's height wide, a tenth of its width tall.
    EXPECT_EQ(DockedRect(ShadowRight, frame, {}), (Rect{900, 50, 1300, 650}));
    EXPECT_EQ(DockedRect(ShadowBelow, frame, {}), (Rect{100, 650, 900, 730}));
    EXPECT_EQ(DockedRect(3, frame, {1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
}

TEST(ShadowRects, FloatingWindowsStayOnTheDesktop) {
    const Rect desktop{0, 0, 1280, 900};
    const Rect frame{100, 50, 900, 650};
    EXPECT_EQ(FreeRect({}, frame, desktop), (Rect{880, 300, 1280, 900}));
    EXPECT_EQ(FreeRect({10, 10, 300, 400}, frame, desktop), (Rect{10, 10, 300, 400}));
    // Half off the screen: moved back in, keeping its size.
    EXPECT_EQ(KeepFreeOnDesktop({1100, 700, 1500, 1100}, desktop), (Rect{880, 500, 1280, 900}));
    EXPECT_EQ(KeepFreeOnDesktop({-300, -50, -100, 250}, desktop), (Rect{0, 0, 200, 300}));
    // Too small grows to the minimum; too large shrinks to the desktop.
    EXPECT_EQ(KeepFreeOnDesktop({10, 10, 20, 20}, desktop), (Rect{10, 10, 110, 160}));
    EXPECT_EQ(KeepFreeOnDesktop({0, 0, 5000, 5000}, desktop), (Rect{0, 0, 1280, 900}));
}
