#include "tools/pictures/palettes.h"

#include <array>

namespace pictures {

namespace {

constexpr std::array<ui::Color, 16> classicColours{{
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

constexpr int cubeLevels = 6;
constexpr int greys = 24;

}  // namespace

Palette fullPalette() {
    Palette palette(classicColours.begin(), classicColours.end());
    for (int red = 0; red < cubeLevels; ++red) {
        for (int green = 0; green < cubeLevels; ++green) {
            for (int blue = 0; blue < cubeLevels; ++blue) {
                auto level = [](int step) { return static_cast<std::uint8_t>(step * 0x33); };
                palette.push_back({level(red), level(green), level(blue)});
            }
        }
    }
    for (int i = 0; i < greys; ++i) {
        const auto grey = static_cast<std::uint8_t>(8 + i * 10);
        palette.push_back({grey, grey, grey});
    }
    return palette;
}

Palette sixteenColours() {
    return Palette(classicColours.begin(), classicColours.end());
}

Palette twoColours() {
    return {classicColours[classic::black], classicColours[classic::white]};
}

}  // namespace pictures
