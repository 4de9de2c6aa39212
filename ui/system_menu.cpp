#include "ui/system_menu.h"

#include <algorithm>
#include <cctype>

#include "ui/text_layout.h"

namespace ui {

void SystemMenu::setEnabled(unsigned id, bool enabled) {
    for (MenuItem& item : items_)
        if (item.id == id)
            item.enabled = enabled;
}

void SystemMenu::open() {
    if (items_.empty())
        return;
    open_ = true;
    highlighted_ = -1;
    step(1);
}

void SystemMenu::step(int direction) {
    const auto count = static_cast<int>(items_.size());
    for (int i = 1; i <= count; ++i) {
        const int index = ((highlighted_ + direction * i) % count + count) % count;
        const MenuItem& item = items_[static_cast<std::size_t>(index)];
        if (!item.isSeparator() && item.enabled) {
            highlighted_ = index;
            return;
        }
    }
}

std::optional<unsigned> SystemMenu::onKey(const KeyEvent& key) {
    switch (key.key) {
        case Key::escape:
            close();
            return std::nullopt;
        case Key::up:
            step(-1);
            return std::nullopt;
        case Key::down:
            step(1);
            return std::nullopt;
        case Key::enter:
            if (highlighted_ < 0)
                return std::nullopt;
            close();
            return items_[static_cast<std::size_t>(highlighted_)].id;
        case Key::character: {
            const char wanted = static_cast<char>(std::tolower(key.byte));
            for (const MenuItem& item : items_) {
                if (item.isSeparator() || !item.enabled || mnemonicOf(item.text) != wanted)
                    continue;
                close();
                return item.id;
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

std::optional<unsigned> SystemMenu::onClick(Point at) {
    if (at.y < 1 || at.y > static_cast<int>(items_.size()))
        return std::nullopt;
    const MenuItem& item = items_[static_cast<std::size_t>(at.y - 1)];
    if (item.isSeparator() || !item.enabled)
        return std::nullopt;
    close();
    return item.id;
}

Size SystemMenu::popupSize() const {
    int width = 0;
    for (const MenuItem& item : items_)
        width = std::max(width, static_cast<int>(parseLabel(item.text).size()));
    return {width + 4, static_cast<int>(items_.size()) + 2};
}

void SystemMenu::paint(Canvas& canvas, Point origin) const {
    const Size size = popupSize();
    const Rect r{origin.x, origin.y, size.width, size.height};
    const Color face = palette::buttonFace;
    canvas.fill(r, Cell{U' ', palette::windowText, face});
    for (int x = r.x + 1; x < r.right() - 1; ++x) {
        canvas.set({x, r.y}, Cell{U'─', palette::windowText, face});
        canvas.set({x, r.bottom() - 1}, Cell{U'─', palette::windowText, face});
    }
    for (int y = r.y + 1; y < r.bottom() - 1; ++y) {
        canvas.set({r.x, y}, Cell{U'│', palette::windowText, face});
        canvas.set({r.right() - 1, y}, Cell{U'│', palette::windowText, face});
    }
    canvas.set({r.x, r.y}, Cell{U'┌', palette::windowText, face});
    canvas.set({r.right() - 1, r.y}, Cell{U'┐', palette::windowText, face});
    canvas.set({r.x, r.bottom() - 1}, Cell{U'└', palette::windowText, face});
    canvas.set({r.right() - 1, r.bottom() - 1}, Cell{U'┘', palette::windowText, face});
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = items_[i];
        const int y = r.y + 1 + static_cast<int>(i);
        if (item.isSeparator()) {
            for (int x = r.x + 1; x < r.right() - 1; ++x)
                canvas.set({x, y}, Cell{U'─', palette::windowText, face});
            continue;
        }
        const bool lit = static_cast<int>(i) == highlighted_;
        const Color fg = !item.enabled ? palette::buttonShadow
                         : lit         ? palette::white
                                       : palette::windowText;
        const Color bg = lit ? palette::navy : face;
        canvas.fill({r.x + 1, y, r.width - 2, 1}, Cell{U' ', fg, bg});
        drawGlyphs(canvas, {r.x + 2, y}, parseLabel(item.text), fg, bg);
    }
}

}  // namespace ui
