#pragma once

#include <optional>

#include "ui/event.h"

// The named keys that curses reports by key code, as the toolkit's key events.

namespace ui::terminal {

// Nothing for codes that are not keys of the toolkit (and for the resize and
// mouse codes, which the screen handles itself). The codes of keys such as
// Ctrl+Left depend on the open terminal, so a curses screen must be open.
std::optional<KeyEvent> keyOfCursesCode(int code);

}  // namespace ui::terminal
