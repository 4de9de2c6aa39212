#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"
#include "ui/screen.h"
#include "ui/toolkit_observer.h"

// A screen for tests: input comes from a script of steps, and what the
// toolkit showed is recorded. It runs any chain of dialogs with no terminal.
//
//     ui::ScriptedScreen screen;
//     ui::Application app(screen);
//     screen.type("abc").key(ui::Key::tab).click(1).then([&] { ... });
//
// A script that runs out while a dialog still waits for input throws
// ScriptExhausted instead of hanging; the quick exit throws QuickExit, and an
// interrupt (Ctrl+C outside a field) throws Interrupted.

namespace ui {

struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("the script ran out while a dialog waits for input") {}
};

struct QuickExit {
    int exitCode = 0;
};

struct Interrupted {};

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    MessageBoxIcon icon = MessageBoxIcon::none;
    std::string owner;  // the caption of the dialog that owns the box
};

class ScriptedScreen : public Screen, private ToolkitObserver {
  public:
    explicit ScriptedScreen(Size size = {80, 24});
    ~ScriptedScreen() override;

    // Steps of the script, each run when a dialog next waits for input.
    ScriptedScreen& event(Event event) { return pushEvent(std::move(event)); }
    ScriptedScreen& key(Key key, Modifiers modifiers = {});
    ScriptedScreen& alt(char letter);
    ScriptedScreen& ctrl(char letter);
    ScriptedScreen& shiftTab();
    ScriptedScreen& type(std::string_view windows1252);
    ScriptedScreen& paste(std::string_view windows1252);
    ScriptedScreen& mouse(MouseAction action, Point at, Modifiers modifiers = {});
    // A mouse event at a cell worked out when the step runs (the dialog's place is known then).
    ScriptedScreen& mouse(MouseAction action, std::function<Point()> where,
                          Modifiers modifiers = {});
    ScriptedScreen& clickAt(Point at);  // press and release on a screen cell
    // One notch of the wheel over a cell worked out when the step runs.
    ScriptedScreen& wheel(bool down, std::function<Point()> where);
    // Press and release in the middle of a control of the active dialog.
    ScriptedScreen& click(int controlId);
    ScriptedScreen& clickCloseBox();
    ScriptedScreen& clickMinimizeBox();
    ScriptedScreen& clickSystemMenuBox();
    // WM_SYSCOMMAND to the active dialog, as its system menu sends it.
    ScriptedScreen& systemCommand(unsigned id);
    ScriptedScreen& resize(Size size);
    // Moves the virtual clock on; timers that fall due on the way fire.
    ScriptedScreen& advance(std::chrono::milliseconds duration);
    // Runs a check (or anything) at this point of the script.
    ScriptedScreen& then(std::function<void()> step);

    bool scriptDone() const { return steps_.empty(); }

    // The Screen side.
    Size size() const override { return size_; }
    void present(const Frame& frame) override;
    std::optional<Event> waitForEvent(std::optional<Clock::time_point> deadline) override;
    Clock::time_point now() const override { return now_; }
    int textWidth(std::string_view text) const override;
    void bell() override { ++bells_; }
    void offerToClipboard(std::string_view windows1252) override {
        clipboardOffers_.emplace_back(windows1252);
    }
    [[noreturn]] void interrupt() override { throw Interrupted{}; }
    void normalEnd() override { ++normalEnds_; }
    [[noreturn]] void quickExit(int exitCode) override;

    // Wide characters, for the edit box's width bound: a byte that takes two cells.
    void setCellWidth(unsigned char byte, int cells) { widths_[byte] = cells; }

    // What happened.
    const std::vector<RecordedMessageBox>& messageBoxes() const { return boxes_; }
    const std::vector<int>& progressPositions() const { return positions_; }
    // Captions of every dialog shown, in order (message boxes by their text).
    const std::vector<std::string>& shownDialogs() const { return shown_; }
    int presentCount() const { return presents_; }
    int normalEnds() const { return normalEnds_; }
    int bells() const { return bells_; }
    // Every text offered to the system's clipboard, in order.
    const std::vector<std::string>& clipboardOffers() const { return clipboardOffers_; }
    std::optional<int> quickExitCode() const { return quickExitCode_; }

    // The state now.
    std::vector<std::string> dialogStack()
        const;  // captions of the running dialogs, outermost first
    std::string topCaption() const;
    Dialog* topDialog() const { return Dialog::active(); }
    Control* control(int id) const;  // of the active dialog
    std::string controlText(int id) const;

    // The last frame presented, as plain text (UTF-8), one string per row.
    std::vector<std::string> lines() const;
    std::string drawing() const;  // the lines joined with '\n'
    const Frame& lastFrame() const { return frame_; }

  private:
    using Step =
        std::function<std::optional<Event>(std::optional<Clock::time_point> deadline, bool& done)>;
    ScriptedScreen& push(Step step);
    ScriptedScreen& pushEvent(Event event);

    void dialogShown(const Dialog& dialog) override;
    void progressPainted(const Dialog& dialog, int controlId, int position) override;

    Size size_;
    Frame frame_;
    Clock::time_point now_{};
    std::deque<Step> steps_;
    std::map<unsigned char, int> widths_;
    std::vector<RecordedMessageBox> boxes_;
    std::vector<int> positions_;
    std::vector<std::string> shown_;
    int presents_ = 0;
    int normalEnds_ = 0;
    int bells_ = 0;
    std::vector<std::string> clipboardOffers_;
    std::optional<int> quickExitCode_;
};

}  // namespace ui
