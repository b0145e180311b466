#include <gtest/gtest.h>

#include "ui/Geometry.h"

namespace {

TEST(CenteredStart, HalvesTheFreeSpaceTruncatingTowardZero)
{
    struct Case {
        long area, window, expected;
    };
    const Case cases[] = {
        {1024, 301, 361},   // (1024 - 301) / 2 = 361.5
        {600, 801, -100},   // -100.5 truncates to -100, not -101
        {1024, 1024, 0},
        {768, 0, 384},
        {779, 300, 239},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CenteredStart(c.area, c.window), c.expected) << c.area << " " << c.window;
}

TEST(CenterInside, CentresOnTheReferenceAndKeepsInsideTheWorkArea)
{
    const ScreenRect area{0, 0, 1024, 768};
    struct Case {
        const char* name;
        ScreenRect reference;
        long width, height;
        long x, y;
    };
    const Case cases[] = {
        {"work area as reference", area, 330, 250, 347, 259},
        {"odd sizes truncate", {0, 0, 1024, 768}, 331, 251, 347, 259},
        {"owner in the middle", {100, 100, 501, 301}, 200, 100, 200, 150},
        {"off the left and top", {-300, -200, 100, 100}, 300, 200, 0, 0},
        {"off the right and bottom", {900, 700, 1100, 900}, 300, 200, 724, 568},
        {"negative centre truncates toward zero", {-101, -101, 0, 0}, 10, 10, 0, 0},
    };
    for (const Case& c : cases) {
        const ScreenPoint p = CenterInside(c.reference, area, c.width, c.height);
        EXPECT_EQ(p.x, c.x) << c.name;
        EXPECT_EQ(p.y, c.y) << c.name;
    }
}

TEST(CenterInside, LeftEdgeWinsForAWindowWiderThanTheArea)
{
    const ScreenRect area{0, 40, 800, 600};
    const ScreenPoint p = CenterInside(area, area, 1000, 700);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 40);
}

TEST(CenterInside, WorkAreaNotAtTheOrigin)
{
    // A taskbar at the top: the area starts below it.
    const ScreenRect area{0, 30, 1024, 768};
    const ScreenPoint p = CenterInside({0, -500, 200, 0}, area, 100, 100);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 30);
}

}  // namespace
