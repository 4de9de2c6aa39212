#pragma once

#include "ui/geometry.h"

// Dialog templates are laid out in dialog units; screens work in cells. This is
// the one place where the two meet.
//
// A column is three horizontal units and a row is eight vertical units. The
// narrower plain x/4 would cut template texts ("Press Start To Continue." needs
// 24 columns of a 78-unit field); x/3 keeps every text whole and still fits the
// widest dialog (195 units, 65 columns plus its frame) on an 80 x 24 terminal.
// Edges are rounded to the nearest cell, so neighbouring controls that touch in
// units touch in cells as well.
//
// Pictures are measured in pixels of the original 8-point font, whose base units
// are 6 x 13 pixels: one horizontal unit is 1.5 pixels, one vertical unit 1.625.

namespace ui::units {

inline constexpr int unitsPerColumn = 3;
inline constexpr int unitsPerRow = 8;

// A rectangle of a template, in dialog units.
struct UnitRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(UnitRect, UnitRect) = default;
};

constexpr int roundedDivision(int value, int divisor) {
    // Rounds half away from zero; template coordinates are never negative.
    return value >= 0 ? (value * 2 + divisor) / (divisor * 2)
                      : -((-value * 2 + divisor) / (divisor * 2));
}

constexpr int columnOf(int unitsX) {
    return roundedDivision(unitsX, unitsPerColumn);
}
constexpr int rowOf(int unitsY) {
    return roundedDivision(unitsY, unitsPerRow);
}

constexpr Rect toCells(UnitRect r) {
    const int left = columnOf(r.x);
    const int top = rowOf(r.y);
    return {left, top, columnOf(r.x + r.width) - left, rowOf(r.y + r.height) - top};
}

// The same with the size rounded on its own, so that it does not depend on
// where the rectangle stands: a 14-unit push button spans two rows by its edges
// at y 7 (rows 1 to 3) but one at y 101 (rows 13 to 14).
constexpr Rect toCellsOfOwnSize(UnitRect r) {
    return {columnOf(r.x), rowOf(r.y), columnOf(r.width), rowOf(r.height)};
}

// Pixels of a picture to dialog units (x: 2 units per 3 pixels; y: 8 per 13).
constexpr int unitsFromPixelsX(int pixels) {
    return roundedDivision(pixels * 2, 3);
}
constexpr int unitsFromPixelsY(int pixels) {
    return roundedDivision(pixels * 8, 13);
}

// A picture's own size in cells; each cell shows two pixel rows (half blocks).
constexpr Size pictureCells(int pixelWidth, int pixelHeight) {
    return {columnOf(unitsFromPixelsX(pixelWidth)), rowOf(unitsFromPixelsY(pixelHeight))};
}

}  // namespace ui::units
