#pragma once

#include "ui/control.h"

// A progress bar: PBM_SETRANGE sets its range (0 to 100 until then),
// PBM_SETPOS its position, which is painted and shown at once, also from
// inside a handler that has not returned yet.

namespace ui {

class ProgressBar : public Control {
  public:
    using Control::Control;

    int low() const { return low_; }
    int high() const { return high_; }
    int position() const { return position_; }

    MessageResult onMessage(MessageId message, WParam wParam, LParam lParam) override;
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;

  private:
    int low_ = 0;
    int high_ = 100;
    int position_ = 0;
};

}  // namespace ui
