#pragma once

#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "ui/screen.h"
#include "ui/terminal/input_decoder.h"
#include "ui/terminal/terminal_session.h"

// The screen people see: a real terminal, through curses. Each frame is sent
// as the cells that changed since the last one; input waits without polling
// until a key, a click, a paste, a resize or the caller's deadline. The size
// it reports is never below 80 x 24, the size every dialog is laid out for; a
// smaller terminal shows the part of the frame its windows cover, centred, and
// mouse positions are turned back into the frame's cells. Where even the
// windows do not fit, a short notice asks for a larger terminal or Ctrl+C to
// end, other input is ignored, and the frame comes back as soon as it fits.

namespace ui::terminal {

class TerminalScreen final : public Screen {
  public:
    // Takes over the terminal; throws std::runtime_error where there is none,
    // std::logic_error while another terminal screen holds it.
    TerminalScreen();
    ~TerminalScreen() override;

    Size size() const override;
    void present(const Frame& frame) override;
    std::optional<Event> waitForEvent(std::optional<Clock::time_point> deadline) override;
    Clock::time_point now() const override { return Clock::now(); }
    void bell() override;
    // Sets the system's clipboard where the terminal can (OSC 52).
    void offerToClipboard(std::string_view windows1252) override;
    // Ends the program by SIGINT, as the interrupt key did before the
    // session made it plain input.
    [[noreturn]] void interrupt() override;
    void normalEnd() override;
    [[noreturn]] void quickExit(int exitCode) override;

  private:
    void chooseBaseColours();
    Size terminalSize() const;
    void draw();
    void drawNotice(Size needed);
    void drawCell(Point at, const Cell& cell);
    int colorPair(CellLook look);
    void readInput(int timeoutMilliseconds);
    void waitForTheTerminal();
    void onResize();

    std::unique_ptr<TerminalSession> session_;
    InputDecoder decoder_;
    Frame frame_;                               // the frame last given
    Canvas shown_;                              // what the terminal shows of it
    Point shownFrom_;                           // the frame's cell in the terminal's top left
    bool tooSmall_ = false;                     // the notice is up instead of the frame
    std::map<std::pair<int, int>, int> pairs_;  // colour pairs by (foreground, background)
    struct RememberedLook {
        Cell cell;
        unsigned int attributes = 0;  // as curses takes them
        int pair = 0;
    };
    std::optional<RememberedLook> lastLook_;       // the look of the cell drawn last
    std::optional<std::pair<int, int>> basePair_;  // the colours of pair 0, where there are colours
    int noticePair_ = 0;                           // white on black
};

}  // namespace ui::terminal
