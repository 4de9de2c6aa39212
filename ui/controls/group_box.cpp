#include "ui/controls/group_box.h"

#include "ui/text_layout.h"

namespace ui {

void GroupBox::paint(Canvas& canvas, Point origin, const PaintState& state) const {
    const Rect r = rect().translated(origin.x, origin.y);
    if (r.width < 2 || r.height < 2)
        return;
    const Color line = state.threeD ? palette::buttonShadow : palette::windowText;
    const Color face = palette::buttonFace;
    for (int x = r.x + 1; x < r.right() - 1; ++x) {
        canvas.set({x, r.y}, Cell{U'─', line, face});
        canvas.set({x, r.bottom() - 1}, Cell{U'─', line, face});
    }
    for (int y = r.y + 1; y < r.bottom() - 1; ++y) {
        canvas.set({r.x, y}, Cell{U'│', line, face});
        canvas.set({r.right() - 1, y}, Cell{U'│', line, face});
    }
    canvas.set({r.x, r.y}, Cell{U'┌', line, face});
    canvas.set({r.right() - 1, r.y}, Cell{U'┐', line, face});
    canvas.set({r.x, r.bottom() - 1}, Cell{U'└', line, face});
    canvas.set({r.right() - 1, r.bottom() - 1}, Cell{U'┘', line, face});
    GlyphLine label = parseLabel(text());
    const auto room = static_cast<std::size_t>(std::max(0, r.width - 4));
    if (label.size() > room)
        label.resize(room);
    if (!label.empty())
        drawGlyphs(canvas, {r.x + 2, r.y}, label, palette::windowText, face);
}

}  // namespace ui
