#include "ui/dialog.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "ui/application.h"
#include "ui/cp1252.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/paint_context.h"
#include "ui/toolkit_observer.h"
#include "ui/window_frame.h"

namespace ui {

namespace {

std::vector<Dialog*>& runningStack() {
    static std::vector<Dialog*> stack;
    return stack;
}

Screen* currentScreen() {
    Application* app = Application::current();
    return app ? &app->screen() : nullptr;
}

FrameParts framePartsOf(const DialogTemplate& t, bool active) {
    return {t.hasCaption(), t.hasSystemMenu(), t.hasMinimizeBox(), active, look().threeD};
}

}  // namespace

// Keeps the stack of running dialogs in step with the C++ call stack: a run
// that ends by an exception (the quick exit in a test) leaves no trace.
class Dialog::RunGuard {
  public:
    explicit RunGuard(Dialog& dialog) : dialog_(dialog) {
        runningStack().push_back(&dialog);
        dialog.running_ = true;
    }
    ~RunGuard() {
        auto& stack = runningStack();
        stack.erase(std::remove(stack.begin(), stack.end(), &dialog_), stack.end());
        dialog_.running_ = false;
        dialog_.visible_ = false;
        dialog_.focus_ = nullptr;
        dialog_.captured_ = nullptr;
        dialog_.systemMenu_.close();
        dialog_.controls_.clear();
    }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

  private:
    Dialog& dialog_;
};

Dialog::Dialog(const DialogTemplate& dialogTemplate, Dialog* owner)
    : template_(dialogTemplate), owner_(owner ? owner : active()) {}

Dialog::~Dialog() = default;

std::span<Dialog* const> Dialog::running() {
    return runningStack();
}

Dialog* Dialog::active() {
    return runningStack().empty() ? nullptr : runningStack().back();
}

// ---------------------------------------------------------------------------
// The modal run

int Dialog::runModal() {
    Screen* screen = currentScreen();
    if (!screen)
        throw std::logic_error("a dialog runs only while an application object exists");
    if (running_)
        throw std::logic_error("a dialog cannot run inside its own run");
    RunGuard guard(*this);
    ended_ = false;
    endCode_ = 0;
    minimized_ = false;
    createWindow();
    visible_ = true;
    if (ToolkitObserver* observer = toolkitObserver())
        observer->dialogShown(*this);

    guarded([&] {
        updateData(false);
        if (onInitDialog() && !focus_)
            moveFocus(true);
    });
    while (!ended_) {
        repaintNow();
        const std::optional<Event> event = screen->waitForEvent(nextTick());
        if (event)
            guarded([&] { handleEvent(*event); });
        else
            runDueTicks(screen->now());
    }
    return endCode_;
}

// The window of one run: its controls from the template, its system menu and
// its place on the screen.
void Dialog::createWindow() {
    controls_.clear();
    for (const ControlTemplate& row : template_.controls)
        controls_.push_back(makeControl(*this, row));

    systemMenu_.clear();
    if (template_.hasSystemMenu()) {
        if (template_.hasMinimizeBox()) {
            systemMenu_.appendItem(SC_RESTORE, "&Restore");
            systemMenu_.appendItem(SC_MINIMIZE, "Mi&nimize");
            systemMenu_.setEnabled(SC_RESTORE, false);
        }
        systemMenu_.appendItem(SC_CLOSE, "&Close");
    }
    placeWindow();
}

void Dialog::endDialog(int code) {
    endCode_ = code;
    ended_ = true;
    visible_ = false;
    systemMenu_.close();
    repaintNow();
}

bool Dialog::updateData(bool saveAndValidate) {
    DataExchange exchange(*this, saveAndValidate);
    exchangeData(exchange);
    return !exchange.failed();
}

void Dialog::onOk() {
    if (updateData(true))
        endDialog(IDOK);
}

void Dialog::onCancel() {
    endDialog(IDCANCEL);
}

void Dialog::placeWindow() {
    Screen* screen = currentScreen();
    const Size screenSize = screen ? screen->size() : Size{80, 24};
    const Size client = units::toCells({0, 0, template_.rect.width, template_.rect.height}).size();
    const int width = client.width + 2;
    const int height = client.height + 2;
    Rect over{0, 0, screenSize.width, screenSize.height};
    if (owner_ && owner_->isRunning() && owner_->isVisible() && !owner_->isMinimized())
        over = owner_->windowRect();
    int x = over.x + (over.width - width) / 2;
    int y = over.y + (over.height - height) / 2;
    x = std::max(0, std::min(x, screenSize.width - width));
    y = std::max(0, std::min(y, screenSize.height - height));
    window_ = {x, y, width, height};
}

Rect Dialog::clientRect() const {
    return clientOf(window_);
}
Rect Dialog::closeBox() const {
    return closeBoxOf(window_, framePartsOf(template_, true));
}
Rect Dialog::minimizeBox() const {
    return minimizeBoxOf(window_, framePartsOf(template_, true));
}
Rect Dialog::systemMenuBox() const {
    return systemMenuBoxOf(window_, framePartsOf(template_, true));
}

void Dialog::minimize() {
    if (!template_.hasMinimizeBox() || minimized_)
        return;
    minimized_ = true;
    systemMenu_.setEnabled(SC_RESTORE, true);
    systemMenu_.setEnabled(SC_MINIMIZE, false);
}

void Dialog::restore() {
    if (!minimized_)
        return;
    minimized_ = false;
    systemMenu_.setEnabled(SC_RESTORE, false);
    systemMenu_.setEnabled(SC_MINIMIZE, true);
}

// ---------------------------------------------------------------------------
// Controls and focus

Control* Dialog::control(int id) const {
    for (const auto& c : controls_)
        if (c->id() == id)
            return c.get();
    return nullptr;
}

void Dialog::setFocus(Control* control) {
    if (control && control->canFocus() && control->isVisible())
        focus_ = control;
}

int Dialog::defaultId() const {
    for (const auto& c : controls_)
        if (c->isPushButton() && (c->style() & 0x0F) == BS_DEFPUSHBUTTON)
            return c->id();
    return IDOK;
}

Control* Dialog::tabStopAfter(const Control* from, bool forward) const {
    const auto count = static_cast<int>(controls_.size());
    if (count == 0)
        return nullptr;
    int start = forward ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (controls_[static_cast<std::size_t>(i)].get() == from)
            start = i;
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (forward ? step : -step)) % count + count) % count;
        Control* candidate = controls_[static_cast<std::size_t>(index)].get();
        if (candidate->isTabStop() && candidate->isVisible() && candidate->isEnabled() &&
            candidate->canFocus())
            return candidate;
    }
    return nullptr;
}

void Dialog::moveFocus(bool forward) {
    if (Control* next = tabStopAfter(focus_, forward))
        focus_ = next;
}

// ---------------------------------------------------------------------------
// The dialog manager: keys before the focused control, then the mouse

void Dialog::handleEvent(const Event& event) {
    if (const auto* key = std::get_if<KeyEvent>(&event)) {
        handleKey(*key);
    } else if (const auto* mouse = std::get_if<MouseEvent>(&event)) {
        handleMouse(*mouse);
    } else if (const auto* paste = std::get_if<PasteEvent>(&event)) {
        if (focus_ && !minimized_ && !systemMenu_.isOpen())
            focus_->onPaste(*paste);
    } else if (std::holds_alternative<ResizeEvent>(event)) {
        // Every window is placed again, owners first, so that each stays
        // centred over what it was centred over and on the screen.
        for (Dialog* dialog : running())
            dialog->placeWindow();
    }
}

namespace {

bool isSpace(const KeyEvent& key) {
    return key.key == Key::space || (key.key == Key::character && key.byte == ' ');
}

bool noModifiers(const KeyEvent& key) {
    return key.modifiers == Modifiers{};
}

}  // namespace

void Dialog::handleKey(const KeyEvent& key) {
    if (isCtrlLetter(key, 'c')) {
        // Copy in an answer field; anywhere else the terminal's old meaning:
        // the program ends.
        const bool copied = focus_ && !minimized_ && !systemMenu_.isOpen() && focus_->onKey(key);
        if (!copied)
            Application::instance().screen().interrupt();
        return;
    }
    if (systemMenu_.isOpen()) {
        handleMenuKey(key);
        return;
    }
    if (key.key == Key::f1 && noModifiers(key)) {
        Application& app = Application::instance();
        if (Dialog* main = app.mainWindow())
            main->command(ID_HELP);
        else
            app.onCommand(ID_HELP);
        return;
    }
    if (isSpace(key) && key.modifiers.alt) {
        if (template_.hasSystemMenu())
            systemMenu_.open();
        return;
    }
    if (minimized_) {
        if (key.key == Key::enter)
            restore();
        return;
    }
    switch (key.key) {
        case Key::tab:
            if (!key.modifiers.alt && !key.modifiers.ctrl)
                moveFocus(!key.modifiers.shift);
            return;
        case Key::enter:
            if (focus_ && focus_->isPushButton())
                focus_->activate();
            else
                pressDefault();
            return;
        case Key::escape:
            command(IDCANCEL);
            return;
        default:
            break;
    }
    if (key.key == Key::character && key.modifiers.alt) {
        pressMnemonic(static_cast<char>(key.byte));
        return;
    }
    if (isSpace(key) && focus_ && !focus_->wantsCharacters()) {
        focus_->activate();
        return;
    }
    if (focus_ && focus_->onKey(key))
        return;
    if (key.key == Key::character && !key.modifiers.ctrl && (!focus_ || !focus_->wantsCharacters()))
        pressMnemonic(static_cast<char>(key.byte));
}

bool Dialog::handleMenuKey(const KeyEvent& key) {
    if (const std::optional<unsigned> chosen = systemMenu_.onKey(key)) {
        systemCommand(*chosen);
        return true;
    }
    return false;
}

void Dialog::pressMnemonic(char letter) {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (const auto& c : controls_) {
        if (!c->isVisible() || !c->isEnabled() || c->mnemonic() != wanted)
            continue;
        if (c->kind() == ControlKind::staticText || c->kind() == ControlKind::groupBox) {
            // A label's mnemonic moves to the next tab stop after it.
            if (Control* next = tabStopAfter(c.get(), true))
                focus_ = next;
            return;
        }
        if (!c->isPushButton())
            setFocus(c.get());
        c->activate();
        return;
    }
}

void Dialog::pressDefault() {
    const int id = defaultId();
    if (Control* button = control(id); button && !button->isEnabled())
        return;
    command(id);
}

void Dialog::handleMouse(const MouseEvent& mouse) {
    const Point p = mouse.at;
    const Rect client = clientRect();
    const Point local{p.x - client.x, p.y - client.y};

    if (mouse.button == wheelUpButton || mouse.button == wheelDownButton) {  // to the list under it
        if (minimized_ || systemMenu_.isOpen())
            return;
        for (const auto& c : controls_) {
            if (!c->isVisible() || !c->rect().contains(local))
                continue;
            c->onMouse(mouse, {local.x - c->rect().x, local.y - c->rect().y});
            return;
        }
        return;
    }
    if (mouse.button != 1)
        return;

    if (systemMenu_.isOpen()) {
        if (mouse.action != MouseAction::press)
            return;
        const Rect area = systemMenuArea();
        if (area.contains(p)) {
            if (auto chosen = systemMenu_.onClick({p.x - area.x, p.y - area.y}))
                systemCommand(*chosen);
        } else {
            systemMenu_.close();
        }
        return;
    }

    if (minimized_) {
        if (mouse.action == MouseAction::release && minimizedRect().contains(p))
            restore();
        return;
    }

    if (mouse.action == MouseAction::press) {
        captured_ = nullptr;
        if (!window_.contains(p))
            return;
        if (template_.hasCaption() && p.y == window_.y)
            return;  // the caption acts on release
        for (const auto& c : controls_) {
            if (!c->isVisible() || !c->isEnabled() || !c->rect().contains(local))
                continue;
            const Point at{local.x - c->rect().x, local.y - c->rect().y};
            if (!c->onMouse(mouse, at))
                continue;
            captured_ = c.get();
            captureInside_ = true;
            setFocus(c.get());
            return;
        }
        return;
    }

    if (mouse.action == MouseAction::drag) {
        // Only the control the button went down on follows the pointer.
        if (captured_)
            captured_->onMouse(mouse,
                               {local.x - captured_->rect().x, local.y - captured_->rect().y});
        return;
    }

    // Release.
    if (Control* pressed = captured_) {
        captured_ = nullptr;
        const Point at{local.x - pressed->rect().x, local.y - pressed->rect().y};
        pressed->onMouse(mouse, at);
        if (pressed->rect().contains(local))
            pressed->activate();
        return;
    }
    if (!window_.contains(p))
        return;
    if (template_.hasCaption() && p.y == window_.y) {
        if (closeBox().contains(p))
            systemCommand(SC_CLOSE);
        else if (minimizeBox().contains(p))
            systemCommand(SC_MINIMIZE);
        else if (systemMenuBox().contains(p))
            systemMenu_.open();
        return;
    }
    for (const auto& c : controls_)
        if (c->isVisible() && c->takesMouse() && c->rect().contains(local))
            return;  // the control had the click, not the dialog
    Message message{WM_LBUTTONUP, 0,
                    makeLong(static_cast<unsigned>(local.x), static_cast<unsigned>(local.y))};
    deliver(message);
}

// ---------------------------------------------------------------------------
// Messages

void Dialog::command(int id, int code) {
    guarded([&] {
        Message message{
            WM_COMMAND,
            static_cast<WParam>(makeLong(static_cast<unsigned>(id), static_cast<unsigned>(code))),
            0, code, id};
        deliver(message);
    });
}

void Dialog::systemCommand(unsigned id, LParam position) {
    guarded([&] {
        systemMenu_.close();
        Message message{WM_SYSCOMMAND, id, position};
        deliver(message);
    });
}

MessageResult Dialog::sendMessage(MessageId id, WParam wParam, LParam lParam) {
    Message message{id, wParam, lParam};
    if (id == WM_NOTIFY && lParam != 0) {
        const auto* header = reinterpret_cast<const NotifyHeader*>(lParam);
        message.code = header->code;
        message.controlId = header->idFrom;
    }
    if (id == WM_COMMAND) {
        message.controlId = static_cast<int>(lowWord(wParam));
        message.code = static_cast<short>(highWord(wParam));
    }
    return deliver(message);
}

MessageResult Dialog::sendMessage(int controlId, MessageId message, WParam wParam, LParam lParam) {
    Control* target = control(controlId);
    return target ? target->onMessage(message, wParam, lParam) : 0;
}

MessageResult Dialog::deliver(Message& message) {
    if (onMessage(message))
        return message.result;
    switch (message.id) {
        case WM_COMMAND:
            defaultCommand(message.controlId, message.code);
            return 0;
        case WM_SYSCOMMAND:
            defaultSystemCommand(static_cast<unsigned>(message.wParam));
            return 0;
        case WM_SETICON: {
            Icon& slot = message.wParam == ICON_BIG ? bigIcon_ : smallIcon_;
            const Icon previous = slot;
            slot = Icon{static_cast<int>(message.lParam)};
            return previous.resource;
        }
        case WM_ICONERASEBKGND:
            if (message.wParam != 0)
                reinterpret_cast<PaintContext*>(message.wParam)->eraseBackground();
            return 1;
        case WM_QUERYDRAGICON:
            return bigIcon_.resource;
        default:
            return 0;
    }
}

void Dialog::defaultCommand(int id, int code) {
    if (code != BN_CLICKED)
        return;
    if (id == IDOK) {
        onOk();
    } else if (id == IDCANCEL) {
        onCancel();
    } else if (isRoutedCommand(id)) {
        routeCommand(id);
    }
}

void Dialog::routeCommand(int id) {
    for (Dialog* next = owner_; next; next = next->owner_) {
        Message message{WM_COMMAND, static_cast<WParam>(makeLong(static_cast<unsigned>(id), 0)), 0,
                        BN_CLICKED, id};
        if (next->onMessage(message))
            return;
    }
    if (Application* app = Application::current())
        app->onCommand(id);
}

void Dialog::defaultSystemCommand(unsigned id) {
    switch (id & systemCommandMask) {
        case SC_CLOSE:
            command(IDCANCEL);
            break;
        case SC_MINIMIZE:
            minimize();
            break;
        case SC_RESTORE:
            restore();
            break;
        default:
            break;
    }
}

void Dialog::guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::filesystem::filesystem_error& error) {
        showFileError(error, error.code().message(), error.path1().string());
    }
}

void Dialog::showFileError(const std::exception&, std::string_view cause, std::string_view file) {
    std::string text = "The file \"";
    text += file;
    text += "\" could not be used.\n";
    text += cause;
    text += '.';
    messageBox(text, MessageBoxIcon::stop);
}

int Dialog::messageBox(std::string_view text, MessageBoxIcon icon) {
    MessageBoxDialog box(text, icon, this);
    return box.runModal();
}

int messageBox(std::string_view text, MessageBoxIcon icon) {
    MessageBoxDialog box(text, icon, Dialog::active());
    return box.runModal();
}

// ---------------------------------------------------------------------------
// Painting

void Dialog::paintDesktop(Canvas& canvas) {
    canvas.fill(canvas.bounds(), Cell{U' ', palette::windowText, palette::desktop});
    const auto stack = running();
    for (Dialog* dialog : stack)
        if (dialog->visible_)
            dialog->paint(canvas);
}

void Dialog::repaintNow() {
    Screen* screen = currentScreen();
    if (!screen)
        return;
    Frame frame{Canvas(screen->size()), std::nullopt, Rect{}};
    paintDesktop(frame.canvas);
    if (Dialog* top = active(); top && top->visible_)
        frame.caret = top->caretCell();
    for (const Dialog* dialog : running())
        if (dialog->visible_)
            frame.windows = frame.windows.united(dialog->shownRect());
    screen->present(frame);
}

PaintState Dialog::paintStateOf(const Control& c) const {
    PaintState state;
    state.threeD = look().threeD;
    state.focused = focus_ == &c;
    state.pressed = captured_ == &c && captureInside_;
    if (c.isPushButton()) {
        const bool buttonFocused = focus_ && focus_->isPushButton();
        state.isDefault = buttonFocused ? focus_ == &c : c.id() == defaultId();
    }
    return state;
}

void Dialog::paint(Canvas& canvas) {
    if (minimized_) {
        paintMinimized(canvas);
        return;
    }
    const bool isActive = active() == this;
    paintWindowFrame(canvas, window_, cp1252::toUnicode(template_.caption),
                     framePartsOf(template_, isActive));
    const Rect client = clientRect();
    const Rect saved = canvas.clip();
    canvas.setClip(client.intersected(saved));
    for (const auto& c : controls_)
        if (c->isVisible())
            c->paint(canvas, client.origin(), paintStateOf(*c));
    paintCanvas_ = &canvas;
    Message paint{WM_PAINT};
    deliver(paint);
    paintCanvas_ = nullptr;
    canvas.setClip(saved);
    if (systemMenu_.isOpen())
        systemMenu_.paint(canvas, systemMenuArea().origin());
}

Rect Dialog::minimizedRect() const {
    Screen* screen = currentScreen();
    const int height = screen ? screen->size().height : 24;
    const Size tile = units::pictureCells(minimizedClientPixels, minimizedClientPixels);
    return {1, height - tile.height - 2, tile.width + 2, tile.height + 1};
}

// The open system menu drops from its box, or rises above the tile while minimised.
Rect Dialog::systemMenuArea() const {
    const Size popup = systemMenu_.popupSize();
    if (minimized_) {
        const Rect tile = minimizedRect();
        return {tile.x, tile.y - popup.height, popup.width, popup.height};
    }
    return {window_.x + 1, window_.y + 1, popup.width, popup.height};
}

// Where the dialog stands on the screen, with its system menu while it is open.
Rect Dialog::shownRect() const {
    const Rect window = minimized_ ? minimizedRect() : window_;
    return systemMenu_.isOpen() ? window.united(systemMenuArea()) : window;
}

void Dialog::paintMinimized(Canvas& canvas) {
    const Rect tile = minimizedRect();
    canvas.fill(tile, Cell{U' ', palette::captionText, palette::desktop});
    paintCanvas_ = &canvas;
    Message paint{WM_PAINT};
    if (!onMessage(paint) && bigIcon_) {
        PaintContext context(*this);
        const int x = (context.clientRect().width - getSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (context.clientRect().height - getSystemMetrics(SM_CYICON) + 1) / 2;
        context.drawIcon(x, y, bigIcon_);
    }
    paintCanvas_ = nullptr;
    // The caption under the tile.
    const std::u32string caption = cp1252::toUnicode(template_.caption);
    const Rect label{tile.x, tile.bottom() - 1, tile.width, 1};
    const Rect saved = canvas.clip();
    canvas.setClip(label.intersected(saved));
    canvas.fill(label, Cell{U' ', palette::captionText, palette::activeCaption});
    canvas.text(label.origin(), caption, palette::captionText, palette::activeCaption);
    canvas.setClip(saved);
    if (systemMenu_.isOpen())
        systemMenu_.paint(canvas, systemMenuArea().origin());
}

std::optional<Point> Dialog::caretCell() const {
    if (!focus_ || minimized_ || systemMenu_.isOpen() || !focus_->isVisible())
        return std::nullopt;
    const std::optional<Point> at = focus_->caret();
    if (!at)
        return std::nullopt;
    const Rect client = clientRect();
    return Point{client.x + at->x, client.y + at->y};
}

// ---------------------------------------------------------------------------
// Timers

std::optional<Clock::time_point> Dialog::nextTick() const {
    std::optional<Clock::time_point> earliest;
    for (const Dialog* dialog : running())
        for (const auto& c : dialog->controls_)
            if (const auto tick = c->nextTick(); tick && (!earliest || *tick < *earliest))
                earliest = tick;
    return earliest;
}

void Dialog::runDueTicks(Clock::time_point now) {
    for (Dialog* dialog : running())
        for (const auto& c : dialog->controls_)
            if (const auto tick = c->nextTick(); tick && *tick <= now)
                c->onTick(now);
}

}  // namespace ui
