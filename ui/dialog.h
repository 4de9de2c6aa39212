#pragma once

// How to write a dialog
// =====================
//
// A dialog is a class derived from ui::Dialog and bound to one template of
// res/. Its members are bound to controls by `exchangeData`; its messages go
// through a table of (message, notification code, control id, handler); its
// OK action (button 1, and Enter) is overridden where button 1 does the work.
// Everything runs on one thread: a handler that leads to another window builds
// it on its own stack, with no owner given, and runs it from inside itself.
//
//     class CNameDlg : public ui::Dialog {
//     public:
//         CNameDlg() : ui::Dialog(res::dialogTemplate(129)) {}  // owner: the active dialog
//
//     protected:
//         void exchangeData(ui::DataExchange& dx) override {
//             dx.text(1001, name);
//             dx.maxChars(1001, name, 40);  // the edit box takes at most 40 characters
//         }
//         void onOk() override {             // "Next"
//             if (!updateData()) return;    // the checks failed: the dialog stays
//             endDialog(ui::IDOK);          // hidden at once; the run returns after us
//             CNextDlg next;                // no owner given: this dialog is the owner
//             next.runModal();              // nests on the call stack
//         }
//         bool onMessage(ui::Message& message) override {
//             static constexpr ui::MessageEntry<CNameDlg> table[] = {
//                 {ui::WM_COMMAND, ui::EN_MAXTEXT, 1001, &CNameDlg::onTooLong},
//             };
//             return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
//         }
//
//     private:
//         void onTooLong() { messageBox("Text Too Long!"); }
//         std::string name;
//     };
//
// Commands from 32768 to 61439 that no row of the table takes travel to the
// owner, the owner's owner and last to the application. A file error
// (std::filesystem::filesystem_error) thrown by a handler is shown in a stop
// box by the toolkit; the handler is abandoned and the dialog stays.
//
// A test drives the dialog through the scripted screen (ui/testing):
//
//     ui::ScriptedScreen screen;
//     ui::Application app(screen);
//     screen.type("example.com").key(ui::Key::enter)
//           .then([&] { EXPECT_EQ(screen.topCaption(), "Question 2"); })
//           .key(ui::Key::escape);
//     CNameDlg dialog;
//     dialog.runModal();

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/data_exchange.h"
#include "ui/dialog_template.h"
#include "ui/event.h"
#include "ui/icon.h"
#include "ui/message_table.h"
#include "ui/messages.h"
#include "ui/system_menu.h"

namespace ui {

enum class MessageBoxIcon { none, exclamation, stop, information };

class Dialog {
  public:
    // No owner given: the most recently active dialog (the innermost running
    // one) owns the new dialog.
    explicit Dialog(const DialogTemplate& dialogTemplate, Dialog* owner = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog centred over its owner (or the screen if the owner is
    // hidden), exchanges data in, calls `onInitDialog`, dispatches input until
    // the dialog ends, and returns the end code.
    int runModal();
    // Ends the dialog: it vanishes at once; the run returns once the current
    // handler returns.
    void endDialog(int code);
    // Data exchange: out of the controls (true) or into them (false). False
    // when a check failed; the failing control then has the focus.
    bool updateData(bool saveAndValidate = true);

    // A message box owned by this dialog: the text, the application title as
    // caption, one OK button. Returns IDOK once dismissed.
    int messageBox(std::string_view text, MessageBoxIcon icon = MessageBoxIcon::none);

    // Messages to the dialog itself (WM_SETICON, WM_ICONERASEBKGND, ...).
    MessageResult sendMessage(MessageId message, WParam wParam = 0, LParam lParam = 0);
    // Messages to one of its controls; 0 if there is no such control.
    MessageResult sendMessage(int controlId, MessageId message, WParam wParam, LParam lParam);

    // Input from outside the dialog's own controls, through the dispatcher
    // (file errors are caught and shown): a command as WM_COMMAND, a system
    // command as WM_SYSCOMMAND.
    void command(int id, int code = BN_CLICKED);
    void systemCommand(unsigned id, LParam position = 0);

    // What the dialog is.
    const DialogTemplate& dialogTemplate() const { return template_; }
    int templateNumber() const { return template_.number; }
    std::string_view caption() const { return template_.caption; }
    Dialog* owner() const { return owner_; }

    // Its state.
    bool isRunning() const { return running_; }
    bool isVisible() const { return visible_; }
    bool hasEnded() const { return ended_; }
    int endCode() const { return endCode_; }
    bool isMinimized() const { return minimized_; }
    void minimize();
    void restore();

    // The window on the screen, its frame included, and its client area (cells).
    Rect windowRect() const { return window_; }
    Rect clientRect() const;
    // The boxes of the caption row, in screen cells (empty if absent).
    Rect closeBox() const;
    Rect minimizeBox() const;
    Rect systemMenuBox() const;

    // The controls of the running dialog, in tab order.
    std::span<const std::unique_ptr<Control>> controls() const { return controls_; }
    Control* control(int id) const;
    template <class T>
    T* controlAs(int id) const {
        return dynamic_cast<T*>(control(id));
    }
    Control* focus() const { return focus_; }
    void setFocus(Control* control);
    void setFocus(int controlId) { setFocus(control(controlId)); }
    // The button that Enter presses when no push button has the focus.
    int defaultId() const;

    SystemMenu& systemMenu() { return systemMenu_; }
    const SystemMenu& systemMenu() const { return systemMenu_; }
    bool isSystemMenuOpen() const { return systemMenu_.isOpen(); }
    Icon icon(bool big) const { return big ? bigIcon_ : smallIcon_; }

    // The running dialogs, outermost first, and the innermost one.
    static std::span<Dialog* const> running();
    static Dialog* active();

    // Paints the whole screen and presents it at once (the progress bar does
    // this from inside a handler).
    static void repaintNow();
    static void paintDesktop(Canvas& canvas);

  protected:
    // Called once the controls hold their data. True: the focus goes to the
    // first tab stop; false: the handler has placed it.
    virtual bool onInitDialog() { return true; }
    virtual void exchangeData(DataExchange&) {}
    // Button 1 and Enter: exchange data out, and on success end with IDOK.
    virtual void onOk();
    // Button 2, Esc, the close box: end with IDCANCEL, no exchange.
    virtual void onCancel();
    // The message table. Return true when a row took the message.
    virtual bool onMessage(Message&) { return false; }

    // The default processing of a system command (close, minimise, restore).
    void defaultSystemCommand(unsigned id);
    // The default painting: the toolkit has painted the frame and the
    // controls already, so there is nothing left to do.
    void defaultPaint() {}

  private:
    friend class PaintContext;

    class RunGuard;

    void createWindow();

    // The dialog manager.
    void handleEvent(const Event& event);
    void handleKey(const KeyEvent& key);
    void handleMouse(const MouseEvent& mouse);
    bool handleMenuKey(const KeyEvent& key);
    void pressMnemonic(char letter);
    void moveFocus(bool forward);
    Control* tabStopAfter(const Control* from, bool forward) const;
    void pressDefault();

    // Message delivery.
    MessageResult deliver(Message& message);
    void defaultCommand(int id, int code);
    void routeCommand(int id);
    void guarded(const std::function<void()>& action);
    void showFileError(const std::exception& error, std::string_view cause, std::string_view file);

    // Painting.
    void paint(Canvas& canvas);
    void paintMinimized(Canvas& canvas);
    PaintState paintStateOf(const Control& control) const;
    std::optional<Point> caretCell() const;
    Rect minimizedRect() const;
    Rect systemMenuArea() const;
    Rect shownRect() const;
    void placeWindow();

    // Timers.
    std::optional<Clock::time_point> nextTick() const;
    void runDueTicks(Clock::time_point now);

    const DialogTemplate& template_;
    Dialog* owner_;
    std::vector<std::unique_ptr<Control>> controls_;
    Control* focus_ = nullptr;
    Control* captured_ = nullptr;  // the control the mouse went down on
    bool captureInside_ = false;
    SystemMenu systemMenu_;
    Rect window_;
    Icon bigIcon_;
    Icon smallIcon_;
    bool running_ = false;
    bool visible_ = false;
    bool ended_ = false;
    bool minimized_ = false;
    int endCode_ = 0;
    Canvas* paintCanvas_ = nullptr;  // set while the dialog paints itself
};

// A message box owned by the active dialog.
int messageBox(std::string_view text, MessageBoxIcon icon = MessageBoxIcon::none);

}  // namespace ui
