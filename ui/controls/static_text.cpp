#include "ui/controls/static_text.h"

#include "ui/text_layout.h"

namespace ui {

namespace {

std::vector<GlyphLine> layoutOf(const Control& control) {
    std::vector<GlyphLine> lines =
        layoutText(control.text(), control.rect().width, !control.hasStyle(SS_NOPREFIX));
    // A final line break leaves no visible line behind it.
    while (!lines.empty() && lines.back().empty() && lines.size() > 1)
        lines.pop_back();
    return lines;
}

}  // namespace

std::vector<std::string> StaticText::lines() const {
    std::vector<std::string> out;
    for (const GlyphLine& line : layoutOf(*this)) {
        std::string text;
        for (const Glyph& glyph : line)
            text.push_back(static_cast<char>(glyph.byte));
        out.push_back(std::move(text));
    }
    return out;
}

bool StaticText::fits() const {
    const std::vector<GlyphLine> lines = layoutOf(*this);
    if (static_cast<int>(lines.size()) > rect().height)
        return false;
    for (const GlyphLine& line : lines)
        if (static_cast<int>(line.size()) > rect().width)
            return false;
    return true;
}

void StaticText::paint(Canvas& canvas, Point origin, const PaintState&) const {
    const Rect r = rect().translated(origin.x, origin.y);
    const Rect saved = canvas.clip();
    canvas.setClip(r.intersected(saved));
    const std::vector<GlyphLine> lines = layoutOf(*this);
    const bool centred = (style() & 0x0F) == SS_CENTER;
    int y = r.y;
    if (hasStyle(SS_CENTERIMAGE))
        y += std::max(0, (r.height - static_cast<int>(lines.size())) / 2);
    const Color fg = isEnabled() ? palette::windowText : palette::buttonShadow;
    for (const GlyphLine& line : lines) {
        const int x = centred ? r.x + (r.width - static_cast<int>(line.size())) / 2 : r.x;
        drawGlyphs(canvas, {x, y++}, line, fg, palette::buttonFace);
    }
    canvas.setClip(saved);
}

}  // namespace ui
