#pragma once

#include <string>
#include <variant>

#include "ui/geometry.h"

// Input as a screen delivers it to the toolkit. Text is already Windows-1252:
// a screen converts from its own encoding and drops what has no byte there.

namespace ui {

enum class Key {
    character,  // a printable byte, in KeyEvent::byte
    enter,
    escape,
    tab,
    backspace,
    del,
    left,
    right,
    up,
    down,
    home,
    end,
    pageUp,
    pageDown,
    f1,
    space,
    foreignCharacter,  // a printable character that Windows-1252 has no byte for
};

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend constexpr bool operator==(Modifiers, Modifiers) = default;
};

struct KeyEvent {
    Key key = Key::character;
    unsigned char byte = 0;  // Windows-1252, for Key::character (and ' ' for Key::space)
    Modifiers modifiers;
};

// Ctrl held with a letter, which terminals send in lower case (Ctrl+C is 'c').
constexpr bool isCtrlLetter(const KeyEvent& key, char letter) {
    return key.key == Key::character && key.byte == static_cast<unsigned char>(letter) &&
           key.modifiers == Modifiers{.ctrl = true};
}

enum class MouseAction {
    press,
    release,
    drag,  // the pointer moved while the button is held
};

struct MouseEvent {
    MouseAction action = MouseAction::press;
    Point at;        // the cell under the pointer
    int button = 1;  // 1 is the left button
    Modifiers modifiers;
};

// The wheel, as a press of one of these buttons (one notch each); a list box
// under the pointer scrolls by it.
inline constexpr int wheelUpButton = 4;
inline constexpr int wheelDownButton = 5;

// A bracketed paste: the whole pasted text at once, in Windows-1252.
struct PasteEvent {
    std::string text;
    int refused = 0;  // characters left out for want of a Windows-1252 byte
};

// The screen changed size; the toolkit repaints everything.
struct ResizeEvent {
    Size size;
};

using Event = std::variant<KeyEvent, MouseEvent, PasteEvent, ResizeEvent>;

}  // namespace ui
