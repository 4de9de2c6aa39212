#pragma once

#include <cstdint>

#include "ui/image/image.h"

// The colours the pictures are drawn in. The 256-colour palette holds the sixteen
// colours of a classic desktop, then a cube of six levels of red, green and blue
// (the colours every browser of the day showed without dithering), then greys.

namespace pictures {

using ui::image::Palette;

Palette fullPalette();     // 256 entries
Palette sixteenColours();  // the first sixteen of the full palette
Palette twoColours();      // black and white

// Index in the full palette of the cube colour with levels 0..5 of red, green and blue.
constexpr std::uint8_t cube(int red, int green, int blue) {
    return static_cast<std::uint8_t>(16 + red * 36 + green * 6 + blue);
}

// The classic sixteen, by the index they have in every palette here.
namespace classic {
inline constexpr std::uint8_t black = 0;
inline constexpr std::uint8_t maroon = 1;
inline constexpr std::uint8_t green = 2;
inline constexpr std::uint8_t olive = 3;
inline constexpr std::uint8_t navy = 4;
inline constexpr std::uint8_t purple = 5;
inline constexpr std::uint8_t teal = 6;
inline constexpr std::uint8_t silver = 7;
inline constexpr std::uint8_t grey = 8;
inline constexpr std::uint8_t red = 9;
inline constexpr std::uint8_t lime = 10;
inline constexpr std::uint8_t yellow = 11;
inline constexpr std::uint8_t blue = 12;
inline constexpr std::uint8_t fuchsia = 13;
inline constexpr std::uint8_t aqua = 14;
inline constexpr std::uint8_t white = 15;
}  // namespace classic

}  // namespace pictures
