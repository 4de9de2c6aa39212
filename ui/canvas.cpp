#include "ui/canvas.h"

namespace ui {

Canvas::Canvas(Size size, Cell blank)
    : size_(size),
      clip_{0, 0, size.width, size.height},
      cells_(static_cast<std::size_t>(size.width > 0 && size.height > 0 ? size.width * size.height
                                                                        : 0),
             blank) {}

const Cell& Canvas::at(Point p) const {
    static const Cell outside{};
    if (!bounds().contains(p))
        return outside;
    return cells_[static_cast<std::size_t>(p.y * size_.width + p.x)];
}

Canvas Canvas::part(Rect area) const {
    Canvas result(area.size());
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
            result.cells_[static_cast<std::size_t>(y * area.width + x)] =
                at({area.x + x, area.y + y});
    return result;
}

void Canvas::set(Point p, const Cell& cell) {
    if (!clip_.contains(p))
        return;
    cells_[static_cast<std::size_t>(p.y * size_.width + p.x)] = cell;
}

void Canvas::setClip(Rect clip) {
    clip_ = clip.intersected(bounds());
}

void Canvas::fill(Rect area, const Cell& cell) {
    const Rect r = area.intersected(clip_);
    for (int y = r.y; y < r.bottom(); ++y)
        for (int x = r.x; x < r.right(); ++x)
            set({x, y}, cell);
}

void Canvas::text(Point p, std::u32string_view text, Color fg, Color bg, CellStyle style) {
    for (char32_t ch : text) {
        set(p, Cell{ch, fg, bg, style});
        ++p.x;
    }
}

}  // namespace ui
