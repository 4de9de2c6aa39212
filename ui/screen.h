#pragma once

#include <chrono>
#include <optional>
#include <string_view>

#include "ui/canvas.h"
#include "ui/event.h"

// The one thing the toolkit knows of where it is shown. A screen paints the
// frames it is given and delivers input; it knows nothing of dialogs. The
// terminal screen shows them to people, the scripted screen drives tests.

namespace ui {

using Clock = std::chrono::steady_clock;

class Screen {
  public:
    virtual ~Screen() = default;

    // Cells available for painting.
    virtual Size size() const = 0;

    // Shows a finished frame. Called after every change, also from inside a
    // handler that has not returned yet (a progress bar moving).
    virtual void present(const Frame& frame) = 0;

    // Waits until input arrives or the deadline passes (none: wait for input).
    // Returns nothing when the deadline passed first.
    virtual std::optional<Event> waitForEvent(std::optional<Clock::time_point> deadline) = 0;

    // The screen's clock: real time on a terminal, a virtual clock in tests.
    virtual Clock::time_point now() const = 0;

    // How many cells a Windows-1252 text takes; bounds what an edit field shows.
    virtual int textWidth(std::string_view text) const { return static_cast<int>(text.size()); }

    // Rings the bell: input was refused (a character no field can hold).
    virtual void bell() {}
    // Text the toolkit's clipboard took by Cut or Copy, for the system's
    // clipboard where the screen can reach one.
    virtual void offerToClipboard(std::string_view /*windows1252*/) {}
    // Ctrl+C where no field takes it as Copy: ends the program as the
    // terminal's interrupt key does.
    [[noreturn]] virtual void interrupt() = 0;

    // The program's two ends. Both give back whatever the screen changed
    // (the terminal's modes) before the process goes.
    virtual void normalEnd() = 0;
    [[noreturn]] virtual void quickExit(int exitCode) = 0;
};

}  // namespace ui
