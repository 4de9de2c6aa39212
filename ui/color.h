#pragma once

#include <array>
#include <cstdint>

// Colours are plain RGB; each screen maps them to what it can show
// (256 colours, 8 colours or monochrome on a terminal).

namespace ui {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

// The classic desktop palette the dialogs are drawn in.
namespace palette {
inline constexpr Color black{0x00, 0x00, 0x00};
inline constexpr Color white{0xFF, 0xFF, 0xFF};
inline constexpr Color buttonFace{0xC0, 0xC0, 0xC0};
inline constexpr Color buttonShadow{0x80, 0x80, 0x80};
inline constexpr Color navy{0x00, 0x00, 0x80};
inline constexpr Color teal{0x00, 0x80, 0x80};
inline constexpr Color windowText = black;
inline constexpr Color window = white;
inline constexpr Color activeCaption = navy;
inline constexpr Color captionText = white;
inline constexpr Color desktop = teal;

// The sixteen colours of a classic desktop, in the order terminals number them: black, maroon,
// green, olive, navy, purple, teal and silver, then their bright forms grey, red, lime, yellow,
// blue, fuchsia, aqua and white.
inline constexpr std::array<Color, 16> classicSixteen{{
    {0x00, 0x00, 0x00},
    {0x80, 0x00, 0x00},
    {0x00, 0x80, 0x00},
    {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80},
    {0x80, 0x00, 0x80},
    {0x00, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF},
}};
}  // namespace palette

}  // namespace ui
