#pragma once

#include <cstddef>
#include <string>

#include "ui/messages.h"

// Data exchange between a dialog's members and its controls, both ways. A
// dialog lists its members once, in `exchangeData`; the toolkit runs the list
// into the controls when the dialog opens and out of them when it ends with OK.

namespace ui {

class Control;
class Dialog;

// A member bound to a control by data exchange: messages sent through it go
// to that control while the dialog runs, and are dropped otherwise.
class ControlHandle {
  public:
    ControlHandle() = default;

    bool isAttached() const;
    int id() const { return id_; }
    Control* get() const;
    MessageResult sendMessage(MessageId message, WParam wParam = 0, LParam lParam = 0) const;

  private:
    friend class DataExchange;
    Dialog* dialog_ = nullptr;
    int id_ = 0;
};

class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saveAndValidate);

    // True on the way out of the controls (ending with OK), false on the way in.
    bool isSaving() const { return saving_; }
    // True once a check has failed; the remaining rows are skipped.
    bool failed() const { return failed_; }

    // An edit box's text and a text member.
    void text(int controlId, std::string& value);
    // Going in, limits the edit box to `limit` characters; going out, a longer
    // text fails with "Please enter no more than %1 characters."
    void maxChars(int controlId, const std::string& value, std::size_t limit);
    // A check box and an integer: 1 ticked, 0 not.
    void check(int controlId, int& value);
    // Attaches a member to a control as a message target.
    void control(int controlId, ControlHandle& handle);

  private:
    Control* find(int controlId) const;
    void fail(int controlId);

    Dialog& dialog_;
    bool saving_;
    bool failed_ = false;
};

}  // namespace ui
