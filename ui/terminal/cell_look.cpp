#include "ui/terminal/cell_look.h"

#include <array>
#include <cstdint>

#include "ui/color.h"

namespace ui::terminal {
namespace {

// The six levels of each channel in the xterm colour cube.
constexpr std::array<int, 6> cubeLevels{0x00, 0x5F, 0x87, 0xAF, 0xD7, 0xFF};

constexpr int xtermBlack = 16;
constexpr int xtermWhite = 231;
constexpr int classicBlack = 0;
constexpr int classicWhite = 7;

int squaredDistance(Color a, Color b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

// The nearest cube level of every channel value, worked out once: every cell
// of every frame asks for two colours.
constexpr std::array<std::uint8_t, 256> nearestCubeLevels = [] {
    std::array<std::uint8_t, 256> nearest{};
    for (int value = 0; value < 256; ++value) {
        const auto distance = [value](int level) {
            return level > value ? level - value : value - level;
        };
        int best = 0;
        for (int i = 1; i < static_cast<int>(cubeLevels.size()); ++i)
            if (distance(cubeLevels[i]) < distance(cubeLevels[best]))
                best = i;
        nearest[value] = static_cast<std::uint8_t>(best);
    }
    return nearest;
}();

int nearestCubeLevel(std::uint8_t value) {
    return nearestCubeLevels[value];
}

int nearestOf(Color color, int count) {
    int best = 0;
    for (int i = 1; i < count; ++i)
        if (squaredDistance(color, palette::classicSixteen[i]) <
            squaredDistance(color, palette::classicSixteen[best]))
            best = i;
    return best;
}

// A picture's upper half block holds two pixels, and the half blocks at the
// ends of a caption bar hold the bar and the frame, not text: alike or not,
// their colours stay as they are.
bool isText(const Cell& cell) {
    return cell.ch != U'▀' && cell.ch != U'▌' && cell.ch != U'▐';
}

int luminance(Color color) {
    return 299 * color.r + 587 * color.g + 114 * color.b;
}

bool isWhiter(Color color, Color than) {
    return luminance(color) > luminance(than);
}

}  // namespace

int nearestXterm256(Color color) {
    const int r = nearestCubeLevel(color.r);
    const int g = nearestCubeLevel(color.g);
    const int b = nearestCubeLevel(color.b);
    const int cubeIndex = 16 + 36 * r + 6 * g + b;
    // The grey ramp refines the cube's own greys and nothing else: a colour
    // whose hue the cube can show keeps it, however dark (a night-blue sky
    // would otherwise come out a grey next to black).
    if (r != g || g != b)
        return cubeIndex;
    const Color cube{static_cast<std::uint8_t>(cubeLevels[r]),
                     static_cast<std::uint8_t>(cubeLevels[g]),
                     static_cast<std::uint8_t>(cubeLevels[b])};

    // The grey ramp runs 8, 18, ..., 238 in 24 steps.
    const int average = (color.r + color.g + color.b) / 3;
    int step = (average - 8 + 5) / 10;
    step = step < 0 ? 0 : (step > 23 ? 23 : step);
    const auto level = static_cast<std::uint8_t>(8 + 10 * step);
    const Color grey{level, level, level};

    return squaredDistance(color, grey) < squaredDistance(color, cube) ? 232 + step : cubeIndex;
}

int nearestClassic16(Color color) {
    return nearestOf(color, 16);
}

int nearestClassic8(Color color) {
    return nearestOf(color, 8);
}

bool isDark(Color color) {
    return luminance(color) < 128 * 1000;
}

CellLook lookOf(const Cell& cell, ColorDepth depth) {
    CellLook look;
    if (hasStyle(cell.style, CellStyle::bold))
        look.attributes = look.attributes | Attribute::bold;
    if (hasStyle(cell.style, CellStyle::underline))
        look.attributes = look.attributes | Attribute::underline;

    switch (depth) {
        case ColorDepth::monochrome:
            // The dialog's face stays plain; the dark caption and desktop and
            // the white fields, lists and buttons stand out from it reversed.
            if (isDark(cell.bg) || isWhiter(cell.bg, palette::buttonFace))
                look.attributes = look.attributes | Attribute::reverse;
            break;
        case ColorDepth::eight: {
            look.background = nearestClassic8(cell.bg);
            const int foreground = nearestClassic16(cell.fg);
            look.foreground = foreground % 8;
            if (foreground >= 8)
                look.attributes = look.attributes | Attribute::bold;
            if (look.foreground == look.background && foreground < 8 && isText(cell))
                look.foreground = isDark(cell.bg) ? classicWhite : classicBlack;
            break;
        }
        case ColorDepth::full256:
            look.background = nearestXterm256(cell.bg);
            look.foreground = nearestXterm256(cell.fg);
            if (look.foreground == look.background && isText(cell))
                look.foreground = isDark(cell.bg) ? xtermWhite : xtermBlack;
            break;
    }
    // Selected text turns over whatever its field looks like, even where
    // the field is reversed already (a white field on a monochrome terminal).
    if (hasStyle(cell.style, CellStyle::reverse))
        look.attributes = look.attributes ^ Attribute::reverse;
    return look;
}

bool sameLook(const Cell& a, const Cell& b) {
    return a.fg == b.fg && a.bg == b.bg && a.style == b.style && isText(a) == isText(b);
}

}  // namespace ui::terminal
