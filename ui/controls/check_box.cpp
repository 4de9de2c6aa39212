#include "ui/controls/check_box.h"

#include "ui/text_layout.h"

namespace ui {

bool CheckBox::activate() {
    if (!isEnabled())
        return false;
    checked_ = !checked_;
    notify(BN_CLICKED);
    return true;
}

bool CheckBox::onMouse(const MouseEvent&, Point) {
    return isEnabled();
}

int CheckBox::boxRow() const {
    // The box sits beside the first line of a label centred in the height.
    const int lines = static_cast<int>(layoutText(text(), rect().width - 4).size());
    return std::max(0, (rect().height - lines) / 2);
}

void CheckBox::paint(Canvas& canvas, Point origin, const PaintState& state) const {
    const Rect r = rect().translated(origin.x, origin.y);
    const Color fg = isEnabled() ? palette::windowText : palette::buttonShadow;
    canvas.fill(r, Cell{U' ', fg, palette::buttonFace});
    const int top = r.y + boxRow();
    canvas.set({r.x, top}, Cell{U'[', fg, palette::window});
    canvas.set({r.x + 1, top}, Cell{checked_ ? U'X' : U' ', fg, palette::window, CellStyle::bold});
    canvas.set({r.x + 2, top}, Cell{U']', fg, palette::window});
    int y = top;
    for (const GlyphLine& line : layoutText(text(), r.width - 4)) {
        if (y >= r.bottom())
            break;
        drawGlyphs(canvas, {r.x + 4, y++}, line, fg, palette::buttonFace,
                   state.focused ? CellStyle::bold : CellStyle::plain);
    }
}

std::optional<Point> CheckBox::caret() const {
    return Point{rect().x + 1, rect().y + boxRow()};
}

}  // namespace ui
