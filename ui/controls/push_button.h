#pragma once

#include "ui/control.h"

// A push button: a click, space while focused, Enter while focused (or while
// it is the default) and its mnemonic send BN_CLICKED.

namespace ui {

class PushButton : public Control {
  public:
    using Control::Control;

    bool canFocus() const override { return isEnabled(); }
    bool isPushButton() const override { return true; }
    bool isDefaultStyle() const { return (style() & 0x0F) == BS_DEFPUSHBUTTON; }

    bool activate() override;
    bool onMouse(const MouseEvent& mouse, Point at) override;
    bool takesMouse() const override { return isEnabled(); }
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;
    std::optional<Point> caret() const override;
};

}  // namespace ui
