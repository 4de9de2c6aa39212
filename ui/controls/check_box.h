#pragma once

#include "ui/control.h"

// An automatic two-state check box: a click, space while focused or its
// mnemonic flips it and sends BN_CLICKED.

namespace ui {

class CheckBox : public Control {
  public:
    using Control::Control;

    bool canFocus() const override { return isEnabled(); }
    bool isChecked() const { return checked_; }
    void setChecked(bool checked) { checked_ = checked; }

    bool activate() override;
    bool onMouse(const MouseEvent& mouse, Point at) override;
    bool takesMouse() const override { return isEnabled(); }
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;
    std::optional<Point> caret() const override;

  private:
    int boxRow() const;
    bool checked_ = false;
};

}  // namespace ui
