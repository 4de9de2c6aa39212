#pragma once

#include <memory>

#include "ui/screen.h"

namespace app {

// What the program settles before its first window, while the application object is still being
// constructed: --help and --version are answered on standard output, and a wrong argument or a
// missing terminal is told in one line on standard error; each of these ends the process before
// anything is drawn or written. Otherwise it takes over the terminal and returns its screen.
std::unique_ptr<ui::Screen> startTerminalScreen();

}  // namespace app
