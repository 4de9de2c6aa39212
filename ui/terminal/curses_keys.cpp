#include "ui/terminal/curses_keys.h"

#include <curses.h>

#include <algorithm>
#include <array>

namespace ui::terminal {
namespace {

struct CursesKey {
    int code;
    Key key;
    Modifiers modifiers;
};

constexpr Modifiers none{};
constexpr Modifiers shift{.shift = true};
constexpr Modifiers ctrl{.ctrl = true};
constexpr Modifiers alt{.alt = true};

// Terminals number the function keys with modifiers on after the plain ones:
// F13 is Shift+F1, F25 Ctrl+F1, F49 Alt+F1.
const std::array<CursesKey, 27> cursesKeys{{
    {KEY_LEFT, Key::left, none},      {KEY_RIGHT, Key::right, none},
    {KEY_UP, Key::up, none},          {KEY_DOWN, Key::down, none},
    {KEY_SLEFT, Key::left, shift},    {KEY_SRIGHT, Key::right, shift},
    {KEY_SR, Key::up, shift},         {KEY_SF, Key::down, shift},
    {KEY_HOME, Key::home, none},      {KEY_END, Key::end, none},
    {KEY_SHOME, Key::home, shift},    {KEY_SEND, Key::end, shift},
    {KEY_A1, Key::home, none},  // the keypad's corners
    {KEY_C1, Key::end, none},         {KEY_A3, Key::pageUp, none},
    {KEY_C3, Key::pageDown, none},    {KEY_PPAGE, Key::pageUp, none},
    {KEY_NPAGE, Key::pageDown, none}, {KEY_DC, Key::del, none},
    {KEY_SDC, Key::del, shift},       {KEY_BACKSPACE, Key::backspace, none},
    {KEY_ENTER, Key::enter, none},    {KEY_BTAB, Key::tab, shift},
    {KEY_F(1), Key::f1, none},        {KEY_F(13), Key::f1, shift},
    {KEY_F(25), Key::f1, ctrl},       {KEY_F(49), Key::f1, alt},
}};

// Keys that terminfo names only among its extended capabilities (kLFT5 is
// Ctrl+Left); curses numbers them anew for each terminal it opens.
struct ExtendedKey {
    const char* capability;
    Key key;
    Modifiers modifiers;
};

constexpr Modifiers ctrlShift{.shift = true, .ctrl = true};

constexpr std::array<ExtendedKey, 8> extendedKeys{{
    {"kLFT5", Key::left, ctrl},
    {"kRIT5", Key::right, ctrl},
    {"kLFT6", Key::left, ctrlShift},
    {"kRIT6", Key::right, ctrlShift},
    {"kHOM5", Key::home, ctrl},
    {"kEND5", Key::end, ctrl},
    {"kHOM6", Key::home, ctrlShift},
    {"kEND6", Key::end, ctrlShift},
}};

// The code curses gave an extended key of the open terminal, or 0.
int codeOfExtendedKey(const char* capability) {
    const char* sequence = tigetstr(capability);
    if (sequence == nullptr || sequence == reinterpret_cast<const char*>(-1))
        return 0;
    return std::max(0, key_defined(sequence));
}

}  // namespace

std::optional<KeyEvent> keyOfCursesCode(int code) {
    for (const CursesKey& entry : cursesKeys)
        if (entry.code == code)
            return KeyEvent{entry.key, 0, entry.modifiers};
    for (const ExtendedKey& entry : extendedKeys)
        if (codeOfExtendedKey(entry.capability) == code)
            return KeyEvent{entry.key, 0, entry.modifiers};
    return std::nullopt;
}

}  // namespace ui::terminal
