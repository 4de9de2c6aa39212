#include "ui/terminal/viewport.h"

#include <algorithm>

namespace ui::terminal {
namespace {

// Along one axis: where a view of `view` cells starts on a canvas of `whole`
// cells, so that the windows' span from `start` on is centred in it.
int viewStart(int whole, int view, int start, int span) {
    if (whole <= view)
        return 0;
    return std::clamp(start - (view - span) / 2, 0, whole - view);
}

}  // namespace

Rect neededArea(Size canvas, Rect windows) {
    return windows.isEmpty() ? Rect{0, 0, canvas.width, canvas.height} : windows;
}

std::optional<Rect> viewportOf(Size canvas, Rect windows, Size terminal) {
    const Size view{std::min(canvas.width, terminal.width),
                    std::min(canvas.height, terminal.height)};
    if (view == canvas)
        return Rect{0, 0, canvas.width, canvas.height};
    const Rect needed = neededArea(canvas, windows);
    if (needed.width > view.width || needed.height > view.height)
        return std::nullopt;
    return Rect{viewStart(canvas.width, view.width, needed.x, needed.width),
                viewStart(canvas.height, view.height, needed.y, needed.height), view.width,
                view.height};
}

}  // namespace ui::terminal
