#include "ui/controls/edit_box.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/cp1252.h"

namespace ui {

namespace {

int measure(std::string_view text) {
    if (Application* app = Application::current())
        return app->screen().textWidth(text);
    return static_cast<int>(text.size());
}

}  // namespace

EditBox::EditBox(Dialog& dialog, const ControlTemplate& source) : Control(dialog, source) {
    Control::setText({});
}

void EditBox::setText(std::string text) {
    Control::setText(std::move(text));
    caret_ = this->text().size();
}

int EditBox::visibleWidth() const {
    return std::max(0, rect().width - 1);
}

bool EditBox::fits(const std::string& candidate) const {
    if (candidate.size() > limit_)
        return false;
    return !boundByWidth() || measure(candidate) <= visibleWidth();
}

bool EditBox::insert(std::string_view text) {
    std::string current = this->text();
    bool all = true;
    for (char c : text) {
        std::string candidate = current;
        candidate.insert(caret_, 1, c);
        if (!fits(candidate)) {
            all = false;
            break;
        }
        current = std::move(candidate);
        ++caret_;
    }
    Control::setText(std::move(current));
    return all;
}

bool EditBox::onKey(const KeyEvent& key) {
    if (key.modifiers.alt || key.modifiers.ctrl)
        return false;
    std::string value = text();
    switch (key.key) {
        case Key::character:
        case Key::space: {
            const unsigned char byte = key.key == Key::space ? ' ' : key.byte;
            if (byte < 0x20 || byte == 0x7F)
                return true;
            if (!insert(std::string(1, static_cast<char>(byte))))
                notify(EN_MAXTEXT);
            return true;
        }
        case Key::backspace:
            if (caret_ > 0) {
                value.erase(caret_ - 1, 1);
                --caret_;
                Control::setText(std::move(value));
            }
            return true;
        case Key::del:
            if (caret_ < value.size()) {
                value.erase(caret_, 1);
                Control::setText(std::move(value));
            }
            return true;
        case Key::left:
            if (caret_ > 0)
                --caret_;
            return true;
        case Key::right:
            if (caret_ < value.size())
                ++caret_;
            return true;
        case Key::home:
            caret_ = 0;
            return true;
        case Key::end:
            caret_ = value.size();
            return true;
        default:
            return false;
    }
}

void EditBox::onPaste(std::string_view text) {
    // A one-line field takes the pasted text up to its first line break.
    const std::size_t lineEnd = text.find_first_of("\r\n");
    std::string line(text.substr(0, lineEnd));
    std::erase_if(line, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (!insert(line))
        notify(EN_MAXTEXT);
}

bool EditBox::onMouse(const MouseEvent& mouse, Point at) {
    if (!isEnabled() || mouse.button != 1)
        return false;
    if (mouse.action == MouseAction::press) {
        const std::size_t index = static_cast<std::size_t>(std::max(0, at.x + scrollOffset()));
        caret_ = std::min(index, text().size());
    }
    return true;
}

int EditBox::scrollOffset() const {
    // With ES_AUTOHSCROLL the view follows the caret; otherwise all of the text fits.
    if (boundByWidth())
        return 0;
    return std::max(0, static_cast<int>(caret_) - visibleWidth());
}

void EditBox::paint(Canvas& canvas, Point origin, const PaintState&) const {
    const Rect r = rect().translated(origin.x, origin.y);
    const Color fg = isEnabled() ? palette::windowText : palette::buttonShadow;
    canvas.fill(r, Cell{U' ', fg, palette::window});
    const Rect saved = canvas.clip();
    canvas.setClip(r.intersected(saved));
    const std::string_view shown = std::string_view(text()).substr(
        std::min(text().size(), static_cast<std::size_t>(scrollOffset())));
    canvas.text({r.x, r.y}, cp1252::toUnicode(shown), fg, palette::window);
    canvas.setClip(saved);
}

std::optional<Point> EditBox::caret() const {
    const int before = measure(std::string_view(text()).substr(0, caret_));
    return Point{rect().x + before - scrollOffset(), rect().y};
}

}  // namespace ui
