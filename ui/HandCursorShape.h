#pragma once
#include <array>
#include <cstdint>

// The link's hand cursor as two monochrome masks: 32 x 32 pixels, rows of
// 4 bytes top row first, the most significant bit the leftmost pixel.
// AND 1 / XOR 0 is transparent, AND 0 / XOR 0 black, AND 0 / XOR 1 white.
constexpr int kHandCursorSize = 32;
constexpr int kHandHotSpotX = 5;  // the tip of the index finger
constexpr int kHandHotSpotY = 0;

struct CursorMasks {
    std::array<std::uint8_t, 128> andMask{};
    std::array<std::uint8_t, 128> xorMask{};
};

CursorMasks HandCursorMasks();
