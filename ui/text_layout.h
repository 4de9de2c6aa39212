#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ui/canvas.h"

// How labels are laid out in cells: '&' marks the next letter as the mnemonic
// ("&&" is one ampersand), each "\n" starts a new line, tabs stop every eight
// columns, and lines wrap at spaces (a word wider than the field breaks).

namespace ui {

struct Glyph {
    unsigned char byte = ' ';
    bool mnemonic = false;
};
using GlyphLine = std::vector<Glyph>;

// The label as shown: ampersands processed unless `prefix` is false.
GlyphLine parseLabel(std::string_view text, bool prefix = true);
// The mnemonic letter of a label, lower-cased.
std::optional<char> mnemonicOf(std::string_view text);

// Lines of at most `width` cells; without `wrap`, lines only end at "\n".
std::vector<GlyphLine> layoutText(std::string_view text, int width, bool prefix = true,
                                  bool wrap = true);

inline constexpr int tabStop = 8;

// Writes one line of glyphs at p, mnemonics underlined; clipped to `clip`.
void drawGlyphs(Canvas& canvas, Point p, const GlyphLine& line, Color fg, Color bg,
                CellStyle style = CellStyle::plain);

}  // namespace ui
