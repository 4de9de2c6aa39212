#pragma once

#include <string_view>

namespace app {

// What F1 shows, in any dialog. Lines are kept short enough for the message box on an 80-column
// terminal.
inline constexpr std::string_view helpText =
    "This wizard writes nvoutput.htm, a page that sends each\n"
    "visitor to the page you name for the visitor's browser.\n"
    "\n"
    "Start asks one question per dialog: the site's address,\n"
    "its base directory, the frame it loads in (tick the box),\n"
    "one page per browser; the last dialog saves the page.\n"
    "\n"
    "Enter: Next (or the focused button)    Tab: next control\n"
    "Space: tick the box    Alt+letter: the underlined button\n"
    "Esc: close the dialog and end the wizard    F1: this help\n"
    "Arrows, PgUp, PgDn, Home, End: scroll the focused list\n"
    "In a field: Shift+arrows select, Ctrl+arrows go by word,\n"
    "Ctrl+A/X/C/V/Z select all, cut, copy, paste and undo;\n"
    "outside a field Ctrl+C ends the program.\n"
    "\n"
    "Quit forgets the answers and ends at once. About shows the\n"
    "version; Browsers lists the browsers the page knows (Tab\n"
    "from OK reaches its lists).";

}  // namespace app
