#pragma once

#include "ui/control.h"

// Static text: left-aligned or centred (SS_CENTER), wrapped at words, a new
// line at each "\n", tabs to every eighth column, '&' marking the mnemonic
// and "&&" showing one ampersand (SS_NOPREFIX shows both as typed).
// SS_CENTERIMAGE centres the lines vertically as well.

namespace ui {

class StaticText : public Control {
  public:
    using Control::Control;

    // The lines as painted, as plain Windows-1252 text.
    std::vector<std::string> lines() const;
    // True when every line fits the control's cells.
    bool fits() const;

    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;
};

}  // namespace ui
