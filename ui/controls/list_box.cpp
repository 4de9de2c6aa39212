#include "ui/controls/list_box.h"

#include <algorithm>

#include "ui/cp1252.h"

namespace ui {

ListBox::ListBox(Dialog& dialog, const ControlTemplate& source)
    : Control(dialog, source), capacity_(defaultCapacity()) {}

std::size_t& ListBox::defaultCapacity() {
    static std::size_t capacity = 32767;
    return capacity;
}

std::size_t ListBox::maxTop() const {
    const auto rows = static_cast<std::size_t>(std::max(1, visibleRows()));
    return entries_.size() > rows ? entries_.size() - rows : 0;
}

void ListBox::scrollBy(int rows) {
    const long target = static_cast<long>(top_) + rows;
    top_ = static_cast<std::size_t>(std::clamp<long>(target, 0, static_cast<long>(maxTop())));
}

MessageResult ListBox::onMessage(MessageId message, WParam, LParam lParam) {
    if (message == LB_GETCOUNT)
        return static_cast<MessageResult>(entries_.size());
    if (message != LB_ADDSTRING)
        return 0;
    if (lParam == 0)
        return LB_ERR;
    if (entries_.size() >= capacity_) {
        notify(LBN_ERRSPACE);
        return LB_ERRSPACE;
    }
    entries_.emplace_back(reinterpret_cast<const char*>(lParam));
    return static_cast<MessageResult>(entries_.size() - 1);
}

bool ListBox::onKey(const KeyEvent& key) {
    switch (key.key) {
        case Key::up:
            scrollBy(-1);
            return true;
        case Key::down:
            scrollBy(1);
            return true;
        case Key::pageUp:
            scrollBy(-visibleRows());
            return true;
        case Key::pageDown:
            scrollBy(visibleRows());
            return true;
        case Key::home:
            top_ = 0;
            return true;
        case Key::end:
            top_ = maxTop();
            return true;
        default:
            return false;
    }
}

bool ListBox::onMouse(const MouseEvent& mouse, Point at) {
    if (mouse.button == wheelUpButton) {
        scrollBy(-3);
        return true;
    }
    if (mouse.button == wheelDownButton) {
        scrollBy(3);
        return true;
    }
    if (mouse.action != MouseAction::press)
        return true;
    if (hasScrollBar() && at.x == rect().width - 1) {
        if (at.y == 0)
            scrollBy(-1);
        else if (at.y == rect().height - 1)
            scrollBy(1);
        else
            scrollBy(at.y < rect().height / 2 ? -visibleRows() : visibleRows());
        return true;
    }
    if (!hasStyle(LBS_NOSEL)) {
        const std::size_t index = top_ + static_cast<std::size_t>(at.y);
        if (index < entries_.size())
            selection_ = index;
    }
    return true;
}

void ListBox::paint(Canvas& canvas, Point origin, const PaintState& state) const {
    const Rect r = rect().translated(origin.x, origin.y);
    canvas.fill(r, Cell{U' ', palette::windowText, palette::window});
    const int textWidth = r.width - (hasScrollBar() ? 1 : 0);
    const Rect saved = canvas.clip();
    canvas.setClip(Rect{r.x, r.y, textWidth, r.height}.intersected(saved));
    for (int row = 0; row < r.height; ++row) {
        const std::size_t index = top_ + static_cast<std::size_t>(row);
        if (index >= entries_.size())
            break;
        const bool selected = selection_ == index;
        const Color fg = selected ? palette::white : palette::windowText;
        const Color bg = selected ? palette::navy : palette::window;
        if (selected)
            canvas.fill({r.x, r.y + row, textWidth, 1}, Cell{U' ', fg, bg});
        canvas.text({r.x, r.y + row}, cp1252::toUnicode(entries_[index]), fg, bg);
    }
    canvas.setClip(saved);
    if (!hasScrollBar() || r.height < 2)
        return;
    // The focus shows on the scroll bar, in the colours of an active caption:
    // the keys now move the list, and no entry looks selected.
    const int barX = r.right() - 1;
    const Color face = state.focused ? palette::activeCaption : palette::buttonFace;
    const Color arrows = state.focused ? palette::captionText : palette::windowText;
    const Color track = state.focused ? palette::captionText : palette::buttonShadow;
    canvas.set({barX, r.y}, Cell{U'▲', arrows, face});
    canvas.set({barX, r.bottom() - 1}, Cell{U'▼', arrows, face});
    const int trackRows = r.height - 2;
    for (int y = 0; y < trackRows; ++y)
        canvas.set({barX, r.y + 1 + y}, Cell{U'░', track, face});
    if (trackRows > 0 && maxTop() > 0) {
        const auto thumb =
            static_cast<int>(top_ * static_cast<std::size_t>(trackRows - 1) / maxTop());
        canvas.set({barX, r.y + 1 + thumb}, Cell{U'█', track, face});
    }
}

}  // namespace ui
