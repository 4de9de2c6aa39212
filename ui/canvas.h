#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ui/color.h"
#include "ui/geometry.h"

// The grid of cells that the toolkit paints a whole screen into. Screens only
// present a finished Frame; nothing below this line knows about terminals.

namespace ui {

enum class CellStyle : unsigned char {
    plain = 0,
    bold = 1 << 0,
    underline = 1 << 1,  // the mnemonic letter of a label
    reverse = 1 << 2,    // foreground and background swapped: selected text
};
constexpr CellStyle operator|(CellStyle a, CellStyle b) {
    return static_cast<CellStyle>(static_cast<unsigned char>(a) | static_cast<unsigned char>(b));
}
constexpr bool hasStyle(CellStyle set, CellStyle flag) {
    return (static_cast<unsigned char>(set) & static_cast<unsigned char>(flag)) != 0;
}

struct Cell {
    char32_t ch = U' ';  // a Unicode code point of width one
    Color fg = palette::windowText;
    Color bg = palette::desktop;
    CellStyle style = CellStyle::plain;
    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

class Canvas {
  public:
    Canvas() = default;
    explicit Canvas(Size size, Cell blank = {});

    Size size() const { return size_; }
    Rect bounds() const { return {0, 0, size_.width, size_.height}; }

    // Reading and writing single cells; writes outside the canvas or the clip are dropped.
    const Cell& at(Point p) const;
    void set(Point p, const Cell& cell);

    // Painting is clipped to this rectangle (the whole canvas by default).
    void setClip(Rect clip);
    Rect clip() const { return clip_; }

    void fill(Rect area, const Cell& cell);
    // A copy of one part of the canvas; cells outside the canvas come out blank.
    Canvas part(Rect area) const;
    // Writes Unicode text from p onwards, one code point per cell, in the given colours.
    void text(Point p, std::u32string_view text, Color fg, Color bg,
              CellStyle style = CellStyle::plain);

    friend bool operator==(const Canvas&, const Canvas&) = default;

  private:
    Size size_;
    Rect clip_;
    std::vector<Cell> cells_;
};

// What a screen shows: the cells, where the text caret blinks, if anywhere, and
// the part of the canvas the windows cover (empty: none is shown). A screen
// too small for the whole canvas can still show that part.
struct Frame {
    Canvas canvas;
    std::optional<Point> caret;
    Rect windows;
};

}  // namespace ui
