#pragma once

#include <string_view>

#include "ui/canvas.h"

// The frame around a dialog's client area: the caption row on top (or a plain
// border row when there is no caption), one column left and right, one row at
// the bottom. The caption row carries the system-menu box at its left and the
// minimise and close boxes at its right.

namespace ui {

struct FrameParts {
    bool caption = false;
    bool systemMenu = false;
    bool minimizeBox = false;
    bool active = true;
    bool threeD = false;
};

// The boxes of a window's caption row, in the window's cells (empty if absent).
Rect systemMenuBoxOf(Rect window, const FrameParts& parts);
Rect minimizeBoxOf(Rect window, const FrameParts& parts);
Rect closeBoxOf(Rect window, const FrameParts& parts);

// The client area inside a window.
constexpr Rect clientOf(Rect window) {
    return {window.x + 1, window.y + 1, window.width - 2, window.height - 2};
}

void paintWindowFrame(Canvas& canvas, Rect window, std::u32string_view caption,
                      const FrameParts& parts);

}  // namespace ui
