#include "ui/HandCursorShape.h"

#include <cstring>

namespace {

// A hand pointing up with the index finger: 'X' outline (black), 'o' fill
// (white), '.' transparent. 17 x 22 pixels in the top left corner.
const char* const kHandPicture[] = {
    ".....XX..........",
    "....XooX.........",
    "....XooX.........",
    "....XooX.........",
    "....XooX.........",
    "....XooXXX.......",
    "....XooXooXXX....",
    "....XooXooXooXX..",
    "....XooXooXooXooX",
    ".XX.XoooooooooooX",
    "XooXXoooooooooooX",
    "XoooXoooooooooooX",
    ".XooooooooooooooX",
    "..XoooooooooooooX",
    "..XoooooooooooooX",
    "...XooooooooooooX",
    "...XoooooooooooX.",
    "....XooooooooooX.",
    "....XooooooooooX.",
    ".....XooooooooX..",
    ".....XooooooooX..",
    ".....XXXXXXXXXX..",
};

}  // namespace

CursorMasks HandCursorMasks()
{
    CursorMasks masks;
    masks.andMask.fill(0xFF);  // transparent everywhere but the picture
    constexpr int kBytesPerRow = kHandCursorSize / 8;
    int y = 0;
    for (const char* row : kHandPicture) {
        const int width = static_cast<int>(std::strlen(row));
        for (int x = 0; x < width && x < kHandCursorSize; ++x) {
            const std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
            const int index = y * kBytesPerRow + x / 8;
            if (row[x] == '.')
                continue;
            masks.andMask[index] = static_cast<std::uint8_t>(masks.andMask[index] & ~bit);
            if (row[x] == 'o')
                masks.xorMask[index] = static_cast<std::uint8_t>(masks.xorMask[index] | bit);
        }
        ++y;
    }
    return masks;
}
