#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/canvas.h"
#include "ui/dialog_template.h"
#include "ui/event.h"
#include "ui/messages.h"
#include "ui/screen.h"

// The base of every control of a dialog. A control knows its place in the
// dialog's client area (in cells), paints itself, and takes the input the
// dialog manager hands on to it. It tells its dialog what happened with a
// notification code, as WM_COMMAND.

namespace ui {

class Dialog;

// How a control is to be drawn at this moment.
struct PaintState {
    bool focused = false;
    bool isDefault = false;  // a push button that Enter would press
    bool pressed = false;    // held down by the mouse
    bool threeD = false;     // the three-dimensional look
};

class Control {
  public:
    Control(Dialog& dialog, const ControlTemplate& source);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int id() const { return id_; }
    ControlKind kind() const { return kind_; }
    Style style() const { return style_; }
    bool hasStyle(Style flags) const { return ui::hasStyle(style_, flags); }
    const ControlTemplate& source() const { return source_; }

    // The text, in Windows-1252 (a label, or an edit box's contents).
    const std::string& text() const { return text_; }
    virtual void setText(std::string text) { text_ = std::move(text); }

    // The place in the dialog's client area, in cells.
    Rect rect() const { return rect_; }

    bool isVisible() const { return visible_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isTabStop() const { return hasStyle(WS_TABSTOP); }
    // A dialog may add a control to the tab order, or take it out, once it runs.
    void setTabStop(bool tabStop) { style_ = tabStop ? style_ | WS_TABSTOP : style_ & ~WS_TABSTOP; }

    // Whether the control can hold the focus, by Tab or by a click.
    virtual bool canFocus() const { return false; }
    // An edit box wants plain letters for itself; elsewhere they pick mnemonics.
    virtual bool wantsCharacters() const { return false; }
    // A push button, which takes Enter while it has the focus.
    virtual bool isPushButton() const { return false; }

    // The letter after a single '&' in the label, lower-cased, if any.
    std::optional<char> mnemonic() const;

    // The action of the control's mnemonic, of space and of a click: a push
    // button clicks, a check box flips. Returns false if the control has none.
    virtual bool activate() { return false; }

    virtual void paint(Canvas& canvas, Point origin, const PaintState& state) const = 0;

    // Input the dialog manager did not take. True when the control used it.
    virtual bool onKey(const KeyEvent&) { return false; }
    virtual void onPaste(const PasteEvent&) {}
    // A mouse event inside the control; `at` is relative to its rectangle.
    // True when the control takes the click (it captures until release).
    virtual bool onMouse(const MouseEvent&, Point /*at*/) { return false; }
    // Whether the control takes clicks at all; a release over one that does
    // not (a label, a picture) goes to the dialog as WM_LBUTTONUP.
    virtual bool takesMouse() const { return false; }

    // Control messages (LB_ADDSTRING, PBM_SETPOS, ...). Unknown ones give 0.
    virtual MessageResult onMessage(MessageId, WParam, LParam) { return 0; }

    // Where the caret stands while the control has the focus (client cells).
    virtual std::optional<Point> caret() const { return std::nullopt; }

    // Timers: the next time the control wants `onTick`, if any.
    virtual std::optional<Clock::time_point> nextTick() const { return std::nullopt; }
    virtual void onTick(Clock::time_point) {}

  protected:
    Dialog& dialog() const { return dialog_; }
    // WM_COMMAND to the dialog with this control's id.
    void notify(int code);

  private:
    Dialog& dialog_;
    const ControlTemplate& source_;
    int id_;
    ControlKind kind_;
    Style style_;
    std::string text_;
    Rect rect_;
    bool visible_;
    bool enabled_;
};

// Builds the control that a template row describes.
std::unique_ptr<Control> makeControl(Dialog& dialog, const ControlTemplate& source);

}  // namespace ui
