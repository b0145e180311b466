#include <gtest/gtest.h>

#include "ui/ParseColor.h"

namespace {

long Rgb(long r, long g, long b)
{
    return r | g << 8 | b << 16;
}

TEST(ParseColor, Table)
{
    struct Case {
        const char* text;
        long expected;
    };
    const Case cases[] = {
        {"0,0,255", Rgb(0, 0, 255)},
        {"0, 128, 0", Rgb(0, 128, 0)},       // blanks before each number
        {"  12,  34,  56", Rgb(12, 34, 56)},
        {"1,2,3,4", Rgb(1, 2, 3)},           // the rest after the third number is ignored
        {"1,2,3xyz", Rgb(1, 2, 3)},
        {"255,255,255", Rgb(255, 255, 255)},
        {"300,0,0", Rgb(44, 0, 0)},          // low 8 bits
        {"0,256,513", Rgb(0, 0, 1)},
        {"a,b,c", Rgb(0, 0, 0)},             // no digits give 0
        {"+7,+8,+9", Rgb(7, 8, 9)},
        {"-2,0,0", Rgb(254, 0, 0)},          // only -1 is refused
        {"0,0,-1", Rgb(0, 0, 255)},          // the third number is not checked
        {"255,0", -1},                       // one comma only
        {"255,0,", -1},                      // nothing after the second comma
        {"-1,0,0", -1},
        {"0,-1,0", -1},
        {"", -1},
        {"0,0", -1},
        {" 1 , 2 , 3 ", Rgb(1, 2, 3)},       // what follows the digits is ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseColor(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseColor, NullIsNoColour)
{
    EXPECT_EQ(ParseColor(nullptr), -1);
}

}  // namespace
