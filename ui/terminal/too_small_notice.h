#pragma once

#include <string>
#include <vector>

#include "ui/event.h"
#include "ui/geometry.h"

// What a terminal shows instead of the frame while even the windows do not fit
// in it, and which input still counts then. The dialogs cannot be seen, so no
// key or click may act on them; the notice says how to go on and how to leave.
// Knows nothing of curses.

namespace ui::terminal {

// The notice's lines, to be centred: the room the windows need and the room
// the terminal has.
std::vector<std::string> tooSmallNoticeLines(Size needed, Size terminal);

// What becomes of an event while the notice shows.
enum class NoticeInput {
    ignored,     // a key, a click or a paste meant for the dialogs nobody sees
    resize,      // perhaps the terminal is large enough again
    endProgram,  // Ctrl+C: the program ends as an interrupt ends it
};

NoticeInput noticeInputOf(const Event& event);

}  // namespace ui::terminal
