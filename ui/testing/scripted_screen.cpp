#include "ui/testing/scripted_screen.h"

#include "ui/cp1252.h"
#include "ui/message_box.h"

namespace ui {

ScriptedScreen::ScriptedScreen(Size size)
    : size_(size), frame_{Canvas(size), std::nullopt, Rect{}} {
    setToolkitObserver(this);
}

ScriptedScreen::~ScriptedScreen() {
    if (toolkitObserver() == this)
        setToolkitObserver(nullptr);
}

// ---------------------------------------------------------------------------
// Building the script

ScriptedScreen& ScriptedScreen::push(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

ScriptedScreen& ScriptedScreen::pushEvent(Event event) {
    return push([event](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
        done = true;
        return event;
    });
}

ScriptedScreen& ScriptedScreen::key(Key key, Modifiers modifiers) {
    KeyEvent event{key, 0, modifiers};
    if (key == Key::space)
        event.byte = ' ';
    return pushEvent(event);
}

ScriptedScreen& ScriptedScreen::alt(char letter) {
    return pushEvent(
        KeyEvent{Key::character, static_cast<unsigned char>(letter), {false, false, true}});
}

ScriptedScreen& ScriptedScreen::ctrl(char letter) {
    return pushEvent(KeyEvent{Key::character, static_cast<unsigned char>(letter), {.ctrl = true}});
}

ScriptedScreen& ScriptedScreen::shiftTab() {
    return key(Key::tab, {true, false, false});
}

ScriptedScreen& ScriptedScreen::type(std::string_view windows1252) {
    for (char c : windows1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == ' ')
            pushEvent(KeyEvent{Key::space, ' ', {}});
        else
            pushEvent(KeyEvent{Key::character, byte, {}});
    }
    return *this;
}

ScriptedScreen& ScriptedScreen::paste(std::string_view windows1252) {
    return pushEvent(PasteEvent{std::string(windows1252), 0});
}

ScriptedScreen& ScriptedScreen::mouse(MouseAction action, Point at, Modifiers modifiers) {
    return pushEvent(MouseEvent{action, at, 1, modifiers});
}

ScriptedScreen& ScriptedScreen::mouse(MouseAction action, std::function<Point()> where,
                                      Modifiers modifiers) {
    return push([action, where = std::move(where), modifiers](std::optional<Clock::time_point>,
                                                              bool& done) -> std::optional<Event> {
        done = true;
        return MouseEvent{action, where(), 1, modifiers};
    });
}

ScriptedScreen& ScriptedScreen::wheel(bool down, std::function<Point()> where) {
    return push([down, where = std::move(where)](std::optional<Clock::time_point>,
                                                 bool& done) -> std::optional<Event> {
        done = true;
        return MouseEvent{MouseAction::press, where(), down ? wheelDownButton : wheelUpButton, {}};
    });
}

ScriptedScreen& ScriptedScreen::clickAt(Point at) {
    mouse(MouseAction::press, at);
    return mouse(MouseAction::release, at);
}

namespace {

// A step that works out where to click only when it runs, on the dialog
// that is active then.
Point middleOf(Rect r) {
    return {r.x + r.width / 2, r.y + r.height / 2};
}

}  // namespace

ScriptedScreen& ScriptedScreen::click(int controlId) {
    auto where = std::make_shared<Point>();
    push([this, controlId, where](std::optional<Clock::time_point>,
                                  bool& done) -> std::optional<Event> {
        done = true;
        Control* target = control(controlId);
        if (!target)
            throw std::logic_error("no control " + std::to_string(controlId) + " to click");
        const Rect client = topDialog()->clientRect();
        *where = middleOf(target->rect().translated(client.x, client.y));
        return MouseEvent{MouseAction::press, *where, 1, {}};
    });
    return push([where](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
        done = true;
        return MouseEvent{MouseAction::release, *where, 1, {}};
    });
}

ScriptedScreen& ScriptedScreen::clickCloseBox() {
    return then([this] {
               if (!topDialog() || topDialog()->closeBox().isEmpty())
                   throw std::logic_error("the active dialog has no close box");
           })
        .push([this](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
            done = true;
            return MouseEvent{MouseAction::press, topDialog()->closeBox().origin(), 1, {}};
        })
        .push([this](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
            done = true;
            return MouseEvent{MouseAction::release, topDialog()->closeBox().origin(), 1, {}};
        });
}

ScriptedScreen& ScriptedScreen::clickMinimizeBox() {
    push([this](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
        done = true;
        if (!topDialog() || topDialog()->minimizeBox().isEmpty())
            throw std::logic_error("the active dialog has no minimise box");
        return MouseEvent{MouseAction::press, topDialog()->minimizeBox().origin(), 1, {}};
    });
    return push([this](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
        done = true;
        return MouseEvent{MouseAction::release, topDialog()->minimizeBox().origin(), 1, {}};
    });
}

ScriptedScreen& ScriptedScreen::clickSystemMenuBox() {
    push([this](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
        done = true;
        if (!topDialog() || topDialog()->systemMenuBox().isEmpty())
            throw std::logic_error("the active dialog has no system menu box");
        return MouseEvent{MouseAction::press, topDialog()->systemMenuBox().origin(), 1, {}};
    });
    return push([this](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
        done = true;
        return MouseEvent{MouseAction::release, topDialog()->systemMenuBox().origin(), 1, {}};
    });
}

ScriptedScreen& ScriptedScreen::systemCommand(unsigned id) {
    return then([this, id] {
        if (!topDialog())
            throw std::logic_error("no dialog for a system command");
        topDialog()->systemCommand(id);
    });
}

ScriptedScreen& ScriptedScreen::resize(Size size) {
    return push([this, size](std::optional<Clock::time_point>, bool& done) -> std::optional<Event> {
        done = true;
        size_ = size;
        return ResizeEvent{size};
    });
}

ScriptedScreen& ScriptedScreen::advance(std::chrono::milliseconds duration) {
    auto target = std::make_shared<std::optional<Clock::time_point>>();
    return push([this, duration, target](std::optional<Clock::time_point> deadline,
                                         bool& done) -> std::optional<Event> {
        if (!*target)
            *target = now_ + duration;
        if (deadline && *deadline <= **target) {
            // A timer falls due on the way: let it fire, then go on.
            now_ = std::max(now_, *deadline);
            done = false;
            return std::nullopt;
        }
        now_ = **target;
        done = true;
        return std::nullopt;
    });
}

ScriptedScreen& ScriptedScreen::then(std::function<void()> step) {
    return push([step = std::move(step)](std::optional<Clock::time_point>,
                                         bool& done) -> std::optional<Event> {
        done = true;
        step();
        return std::nullopt;
    });
}

// ---------------------------------------------------------------------------
// The Screen side

void ScriptedScreen::present(const Frame& frame) {
    frame_ = frame;
    ++presents_;
}

std::optional<Event> ScriptedScreen::waitForEvent(std::optional<Clock::time_point> deadline) {
    if (deadline && *deadline <= now_)
        return std::nullopt;  // a timer is already due
    if (steps_.empty())
        throw ScriptExhausted();
    // A step may run a nested dialog that waits here again, so it leaves the
    // queue before it runs, unless it asks to stay. A step without an event
    // (a check, the clock reaching a timer) hands back to the modal loop, which
    // looks whether the dialog has ended before it waits again.
    Step step = std::move(steps_.front());
    steps_.pop_front();
    bool done = true;
    std::optional<Event> event = step(deadline, done);
    if (!done)
        steps_.push_front(std::move(step));
    return event;
}

int ScriptedScreen::textWidth(std::string_view text) const {
    int cells = 0;
    for (char c : text) {
        const auto it = widths_.find(static_cast<unsigned char>(c));
        cells += it == widths_.end() ? 1 : it->second;
    }
    return cells;
}

void ScriptedScreen::quickExit(int exitCode) {
    quickExitCode_ = exitCode;
    throw QuickExit{exitCode};
}

// ---------------------------------------------------------------------------
// Records

void ScriptedScreen::dialogShown(const Dialog& dialog) {
    if (const auto* box = dynamic_cast<const MessageBoxDialog*>(&dialog)) {
        boxes_.push_back({box->text(), box->boxCaption(), box->boxIcon(),
                          box->owner() ? std::string(box->owner()->caption()) : std::string()});
        shown_.push_back("message box: " + box->text());
        return;
    }
    shown_.emplace_back(dialog.caption());
}

void ScriptedScreen::progressPainted(const Dialog&, int, int position) {
    positions_.push_back(position);
}

std::vector<std::string> ScriptedScreen::dialogStack() const {
    std::vector<std::string> captions;
    for (const Dialog* dialog : Dialog::running())
        captions.emplace_back(dialog->caption());
    return captions;
}

std::string ScriptedScreen::topCaption() const {
    const Dialog* top = topDialog();
    return top ? std::string(top->caption()) : std::string();
}

Control* ScriptedScreen::control(int id) const {
    const Dialog* top = topDialog();
    return top ? top->control(id) : nullptr;
}

std::string ScriptedScreen::controlText(int id) const {
    const Control* c = control(id);
    return c ? c->text() : std::string();
}

std::vector<std::string> ScriptedScreen::lines() const {
    std::vector<std::string> out;
    const Canvas& canvas = frame_.canvas;
    for (int y = 0; y < canvas.size().height; ++y) {
        std::u32string row;
        for (int x = 0; x < canvas.size().width; ++x)
            row.push_back(canvas.at({x, y}).ch);
        while (!row.empty() && row.back() == U' ')
            row.pop_back();
        out.push_back(cp1252::toUtf8(row));
    }
    return out;
}

std::string ScriptedScreen::drawing() const {
    std::string out;
    for (const std::string& line : lines()) {
        out += line;
        out += '\n';
    }
    return out;
}

}  // namespace ui
