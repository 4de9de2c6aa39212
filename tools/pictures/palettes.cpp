#include "tools/pictures/palettes.h"

#include "ui/color.h"

namespace pictures {

namespace {

using ui::palette::classicSixteen;

constexpr int cubeLevels = 6;
constexpr int greys = 24;

}  // namespace

Palette fullPalette() {
    Palette palette(classicSixteen.begin(), classicSixteen.end());
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
    return Palette(classicSixteen.begin(), classicSixteen.end());
}

Palette twoColours() {
    return {classicSixteen[classic::black], classicSixteen[classic::white]};
}

}  // namespace pictures
