#pragma once

#include "ui/terminal/cell_look.h"

// Takes over the terminal for the program and gives it back exactly as it was
// found: input without line editing or echo, the flow control, suspend and
// interrupt keys as plain input, keypad keys, the alternate screen, mouse
// press, release and drag reports, bracketed paste, a short Esc delay. Giving back happens at the
// end of the object's life, on an explicit giveBack(), and, with async-signal-safe writes only, on
// SIGINT, SIGTERM, SIGHUP, SIGQUIT and the crash signals, which are raised again afterwards with
// their default action. A stop (SIGTSTP) gives it back as well and takes it again when the program
// continues. One session exists at a time.

namespace ui::terminal {

class TerminalSession {
  public:
    // Throws std::runtime_error when standard input or output is no terminal,
    // the terminal type is unknown or it cannot address the cursor; the
    // terminal is then left untouched.
    TerminalSession();
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // Restores every mode; later calls do nothing.
    void giveBack();

    // True once after the program continued from a stop and has the terminal
    // in the foreground again: its picture is lost and the whole frame must be
    // sent again.
    bool takeRedrawRequest();

    ColorDepth colorDepth() const { return colorDepth_; }
    // Whether the locale's characters are UTF-8, so any Unicode cell can be shown.
    bool showsUnicode() const { return showsUnicode_; }

  private:
    ColorDepth colorDepth_ = ColorDepth::monochrome;
    bool showsUnicode_ = false;
    bool active_ = false;
};

}  // namespace ui::terminal
