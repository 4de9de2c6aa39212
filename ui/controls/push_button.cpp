#include "ui/controls/push_button.h"

#include "ui/look.h"
#include "ui/text_layout.h"

namespace ui {

bool PushButton::activate() {
    if (!isEnabled())
        return false;
    notify(BN_CLICKED);
    return true;
}

bool PushButton::onMouse(const MouseEvent&, Point) {
    return isEnabled();
}

namespace {

// The label row: the first row, or the middle of a tall button.
int labelRow(Rect r, bool threeD) {
    return threeD && r.height >= 2 ? (r.height - 2) / 2 : (r.height - 1) / 2;
}

}  // namespace

void PushButton::paint(Canvas& canvas, Point origin, const PaintState& state) const {
    const Rect r = rect().translated(origin.x, origin.y);
    const bool shadow = state.threeD && r.height >= 2 && !state.pressed;
    const int bodyHeight = state.threeD && r.height >= 2 ? r.height - 1 : r.height;
    const int shift = state.pressed && state.threeD ? 1 : 0;
    const Rect body{r.x + shift, r.y + shift, r.width - (state.threeD ? 1 : 0), bodyHeight};
    const Color face = state.threeD ? palette::white : palette::buttonFace;
    canvas.fill(body, Cell{U' ', palette::windowText, face});
    if (shadow) {
        for (int x = r.x + 1; x < r.right(); ++x)
            canvas.set({x, r.y + bodyHeight},
                       Cell{U'▀', palette::buttonShadow, palette::buttonFace});
        for (int y = r.y + 1; y < r.y + bodyHeight; ++y)
            canvas.set({r.right() - 1, y}, Cell{U'█', palette::buttonShadow, palette::buttonFace});
    }
    const int row = body.y + labelRow(r, state.threeD);
    if (state.isDefault) {
        canvas.set({body.x, row}, Cell{U'[', palette::windowText, face, CellStyle::bold});
        canvas.set({body.right() - 1, row}, Cell{U']', palette::windowText, face, CellStyle::bold});
    }
    const GlyphLine label = parseLabel(text());
    const int x = body.x + (body.width - static_cast<int>(label.size())) / 2;
    const Color fg = isEnabled() ? palette::windowText : palette::buttonShadow;
    drawGlyphs(canvas, {x, row}, label, fg, face,
               state.focused ? CellStyle::bold : CellStyle::plain);
}

std::optional<Point> PushButton::caret() const {
    const bool threeD = look().threeD;
    const GlyphLine label = parseLabel(text());
    const int bodyWidth = rect().width - (threeD ? 1 : 0);
    return Point{rect().x + (bodyWidth - static_cast<int>(label.size())) / 2,
                 rect().y + labelRow(rect(), threeD)};
}

}  // namespace ui
