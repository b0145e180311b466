#include <gtest/gtest.h>

#include "ui/HandCursorShape.h"

namespace {

bool Bit(const std::array<std::uint8_t, 128>& mask, int x, int y)
{
    return (mask[y * 4 + x / 8] & (0x80 >> (x % 8))) != 0;
}

TEST(HandCursorShape, PictureStaysInTheTopLeftAndUsesOnlyThreeKinds)
{
    const CursorMasks masks = HandCursorMasks();
    int black = 0, white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool andBit = Bit(masks.andMask, x, y);
            const bool xorBit = Bit(masks.xorMask, x, y);
            EXPECT_FALSE(andBit && xorBit) << "inverting pixel at " << x << "," << y;
            if (x >= 17 || y >= 22) {
                EXPECT_TRUE(andBit && !xorBit) << "outside the picture at " << x << "," << y;
            }
            if (!andBit)
                (xorBit ? white : black) += 1;
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);
}

TEST(HandCursorShape, HotSpotIsTheFingerTip)
{
    const CursorMasks masks = HandCursorMasks();
    // The tip is drawn (black outline) and nothing is drawn above-left of it
    // in the top row.
    EXPECT_FALSE(Bit(masks.andMask, kHandHotSpotX, kHandHotSpotY));
    EXPECT_FALSE(Bit(masks.xorMask, kHandHotSpotX, kHandHotSpotY));
    for (int x = 0; x < kHandHotSpotX; ++x)
        EXPECT_TRUE(Bit(masks.andMask, x, 0));
}

}  // namespace
