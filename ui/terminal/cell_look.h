#pragma once

#include "ui/canvas.h"

// How a cell's RGB colours and style become what a terminal can show. Pure
// arithmetic, kept apart from curses so that it can be tested.

namespace ui::terminal {

enum class ColorDepth {
    monochrome,  // no colours: reverse video and bold carry the look
    eight,       // the eight ANSI colours, bold for the bright foregrounds
    full256,     // the xterm palette of 256 colours
};

// Attributes as the terminal knows them, independent of curses' bit values.
enum class Attribute : unsigned char {
    none = 0,
    bold = 1 << 0,
    underline = 1 << 1,
    reverse = 1 << 2,
};
constexpr Attribute operator|(Attribute a, Attribute b) {
    return static_cast<Attribute>(static_cast<unsigned char>(a) | static_cast<unsigned char>(b));
}
// The set with the flag turned over: on where it was off, off where it was on.
constexpr Attribute operator^(Attribute a, Attribute b) {
    return static_cast<Attribute>(static_cast<unsigned char>(a) ^ static_cast<unsigned char>(b));
}
constexpr bool hasAttribute(Attribute set, Attribute flag) {
    return (static_cast<unsigned char>(set) & static_cast<unsigned char>(flag)) != 0;
}

// A cell's look on the terminal: colour indexes (-1 when the depth has none)
// and attributes.
struct CellLook {
    int foreground = -1;
    int background = -1;
    Attribute attributes = Attribute::none;
    friend constexpr bool operator==(CellLook, CellLook) = default;
};

// The nearest colour of the xterm palette's colour cube (16..231) or grey ramp (232..255).
int nearestXterm256(Color color);

// The nearest of the sixteen classic colours (0..7 normal, 8..15 bright).
int nearestClassic16(Color color);

// The nearest of the eight normal classic colours, which every colour terminal has.
int nearestClassic8(Color color);

// True when a colour reads as dark, so light text belongs on it.
bool isDark(Color color);

// The look of one cell at the given depth. Text never ends up in the colour of
// its own background: where the mapping would merge the two, the foreground
// turns black or white, whichever contrasts. Half blocks (a picture's pixels,
// the ends of a caption bar) keep their colours, since two halves alike are no
// text.
CellLook lookOf(const Cell& cell, ColorDepth depth);

// True when two cells take the same look at every depth: the same colours and
// style, and both text or both picture.
bool sameLook(const Cell& a, const Cell& b);

}  // namespace ui::terminal
