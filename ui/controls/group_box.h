#pragma once

#include "ui/control.h"

// A group box: a frame with its label in the top edge.

namespace ui {

class GroupBox : public Control {
  public:
    using Control::Control;
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;
};

}  // namespace ui
