#pragma once

#include <optional>

#include "ui/geometry.h"

// Which part of a frame a terminal shows. Dialogs are laid out on a canvas of
// at least 80 x 24; a terminal that is smaller can still show the windows on
// it, as long as they fit.

namespace ui::terminal {

// The part of a canvas that must fit for anything to be shown: the windows,
// or the whole canvas where the frame names none.
Rect neededArea(Size canvas, Rect windows);

// The part of a canvas of size `canvas` that a terminal of size `terminal`
// shows: all of it where it fits; otherwise as much as the terminal holds,
// placed so that `windows` (the part the windows cover) stands in its middle.
// Nothing when the windows themselves do not fit.
std::optional<Rect> viewportOf(Size canvas, Rect windows, Size terminal);

}  // namespace ui::terminal
