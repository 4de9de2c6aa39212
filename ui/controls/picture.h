#pragma once

#include "ui/control.h"

// A static picture: a bitmap (SS_BITMAP) shown at its own size, or an icon
// (SS_ICON). The pixels come from the picture source; without one a
// placeholder names the resource.

namespace ui {

class Picture : public Control {
  public:
    using Control::Control;

    int resource() const { return source().resource; }
    bool isIcon() const { return kind() == ControlKind::icon; }
    // Where the picture is drawn, in client cells.
    Rect pictureRect() const;

    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;
};

}  // namespace ui
