#include "ui/controls/edit_box.h"

#include <algorithm>
#include <array>

#include "ui/application.h"
#include "ui/cp1252.h"

namespace ui {

namespace {

using Command = EditBox::Command;
using Motion = EditText::Motion;

int measure(std::string_view text) {
    if (Application* app = Application::current())
        return app->screen().textWidth(text);
    return static_cast<int>(text.size());
}

// The field's keys besides typing. Shift with a key that moves the caret
// selects on the way; with the others it makes no difference, except that
// Shift+Del is the old key for Cut.
struct KeyBinding {
    Key key;
    char letter;  // with Key::character: the letter held with Ctrl
    bool ctrl;
    bool onlyWithShift;
    Command command;
};
constexpr std::array<KeyBinding, 16> keyBindings{{
    {Key::left, 0, false, false, Command::characterLeft},
    {Key::right, 0, false, false, Command::characterRight},
    {Key::left, 0, true, false, Command::wordLeft},
    {Key::right, 0, true, false, Command::wordRight},
    {Key::home, 0, false, false, Command::home},
    {Key::home, 0, true, false, Command::home},
    {Key::end, 0, false, false, Command::end},
    {Key::end, 0, true, false, Command::end},
    {Key::backspace, 0, false, false, Command::deleteBefore},
    {Key::del, 0, false, true, Command::cut},
    {Key::del, 0, false, false, Command::deleteAfter},
    {Key::character, 'a', true, false, Command::selectAll},
    {Key::character, 'x', true, false, Command::cut},
    {Key::character, 'c', true, false, Command::copy},
    {Key::character, 'v', true, false, Command::paste},
    {Key::character, 'z', true, false, Command::undo},
}};

std::optional<Command> commandOf(const KeyEvent& key) {
    for (const KeyBinding& binding : keyBindings) {
        const bool letterMatches = key.key != Key::character || key.byte == binding.letter;
        if (binding.key == key.key && letterMatches && binding.ctrl == key.modifiers.ctrl &&
            (!binding.onlyWithShift || key.modifiers.shift))
            return binding.command;
    }
    return std::nullopt;
}

// The commands that move the caret, and how.
std::optional<Motion> motionOf(Command command) {
    switch (command) {
        case Command::characterLeft:
            return Motion::characterLeft;
        case Command::characterRight:
            return Motion::characterRight;
        case Command::wordLeft:
            return Motion::wordLeft;
        case Command::wordRight:
            return Motion::wordRight;
        case Command::home:
            return Motion::home;
        case Command::end:
            return Motion::end;
        default:
            return std::nullopt;
    }
}

bool isControlByte(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

void ringBell() {
    if (Application* app = Application::current())
        app->screen().bell();
}

}  // namespace

EditBox::EditBox(Dialog& dialog, const ControlTemplate& source) : Control(dialog, source) {
    setText({});
}

void EditBox::setText(std::string text) {
    editing_.setText(std::move(text));
    showEdits();
}

void EditBox::showEdits() {
    Control::setText(editing_.text());
}

int EditBox::visibleWidth() const {
    return std::max(0, rect().width - 1);
}

bool EditBox::fits(std::string_view candidate) const {
    if (candidate.size() > limit_)
        return false;
    return !boundByWidth() || measure(candidate) <= visibleWidth();
}

EditText::Fits EditBox::bounds() const {
    return [this](std::string_view candidate) { return fits(candidate); };
}

bool EditBox::insert(std::string_view text) {
    const bool all = editing_.replaceSelection(text, bounds());
    showEdits();
    return all;
}

bool EditBox::onKey(const KeyEvent& key) {
    if (key.modifiers.alt)
        return false;
    if (key.key == Key::foreignCharacter) {
        ringBell();  // no field can hold it; it must not vanish without a sign
        return true;
    }
    if ((key.key == Key::character || key.key == Key::space) && !key.modifiers.ctrl) {
        const unsigned char byte = key.key == Key::space ? ' ' : key.byte;
        if (isControlByte(byte))
            return true;
        const bool fitted = editing_.type(static_cast<char>(byte), bounds());
        showEdits();
        if (!fitted)
            notify(EN_MAXTEXT);
        return true;
    }
    const std::optional<Command> command = commandOf(key);
    if (!command)
        return false;
    perform(*command, key.modifiers.shift);
    return true;
}

void EditBox::perform(Command command, bool shift) {
    if (const std::optional<Motion> motion = motionOf(command)) {
        editing_.move(*motion, shift);
        return;
    }
    Application* app = Application::current();
    switch (command) {
        case Command::deleteBefore:
            editing_.erase(EditText::Deletion::before);
            break;
        case Command::deleteAfter:
            editing_.erase(EditText::Deletion::after);
            break;
        case Command::selectAll:
            editing_.selectAll();
            break;
        case Command::cut:
            copySelection();
            editing_.cutSelection();
            break;
        case Command::copy:
            copySelection();
            break;
        case Command::paste:
            if (app)
                paste(app->clipboard().text());
            return;
        case Command::undo:
            if (!editing_.undo(bounds())) {
                notify(EN_MAXTEXT);
                return;
            }
            break;
        default:
            break;
    }
    showEdits();
}

void EditBox::copySelection() const {
    Application* app = Application::current();
    if (app && editing_.hasSelection())
        app->clipboard().setText(std::string(editing_.selectedText()));
}

void EditBox::onPaste(const PasteEvent& pasted) {
    if (pasted.refused > 0)
        ringBell();
    paste(pasted.text);
}

// Ctrl+V and a paste from the terminal go the same way: a one-line field
// takes the text up to its first line break, without control characters,
// and as much of that as fits.
void EditBox::paste(std::string_view text) {
    if (text.empty())
        return;
    std::string line(text.substr(0, text.find_first_of("\r\n")));
    std::erase_if(line, [](char c) { return isControlByte(static_cast<unsigned char>(c)); });
    if (!insert(line))
        notify(EN_MAXTEXT);
}

bool EditBox::onMouse(const MouseEvent& mouse, Point at) {
    if (!isEnabled() || mouse.button != 1)
        return false;
    const std::size_t index = indexAtCell(at.x);
    switch (mouse.action) {
        case MouseAction::press: {
            Application* app = Application::current();
            const Clock::time_point now = app ? app->screen().now() : Clock::now();
            const bool doubleClick = !mouse.modifiers.shift && lastPress_ && lastPressAt_ == at &&
                                     now - *lastPress_ <= doubleClickTime;
            if (doubleClick) {
                editing_.selectWordAt(index);
                lastPress_.reset();  // a third press starts again
                selectingByDrag_ = false;
            } else {
                editing_.placeCaret(index, mouse.modifiers.shift);
                lastPress_ = now;
                lastPressAt_ = at;
                selectingByDrag_ = true;
            }
            break;
        }
        case MouseAction::drag:
            if (selectingByDrag_)
                editing_.placeCaret(index, true);
            break;
        case MouseAction::release:
            if (selectingByDrag_)
                editing_.placeCaret(index, true);
            selectingByDrag_ = false;
            break;
    }
    return true;
}

// The index of the character boundary nearest the left of a cell of the field.
std::size_t EditBox::indexAtCell(int x) const {
    const std::string_view text = this->text();
    const auto offset = static_cast<std::size_t>(scrollOffset());
    if (x < 0)
        return offset;
    std::size_t index = offset;
    while (index < text.size() && measure(text.substr(offset, index + 1 - offset)) <= x)
        ++index;
    return index;
}

int EditBox::scrollOffset() const {
    // With ES_AUTOHSCROLL the view follows the caret; otherwise all of the text fits.
    if (boundByWidth())
        return 0;
    return std::max(0, static_cast<int>(editing_.caret()) - visibleWidth());
}

void EditBox::paint(Canvas& canvas, Point origin, const PaintState& state) const {
    const Rect r = rect().translated(origin.x, origin.y);
    const Color fg = isEnabled() ? palette::windowText : palette::buttonShadow;
    canvas.fill(r, Cell{U' ', fg, palette::window});
    const Rect saved = canvas.clip();
    canvas.setClip(r.intersected(saved));
    const auto offset = std::min(text().size(), static_cast<std::size_t>(scrollOffset()));
    const std::string_view shown = std::string_view(text()).substr(offset);
    canvas.text({r.x, r.y}, cp1252::toUnicode(shown), fg, palette::window);
    // The selection shows reversed while the field has the focus.
    if (state.focused && editing_.hasSelection()) {
        const std::size_t start = std::max(editing_.selectionStart(), offset);
        const std::size_t end = std::max(editing_.selectionEnd(), start);
        const int x = r.x + static_cast<int>(start - offset);
        canvas.text({x, r.y},
                    cp1252::toUnicode(std::string_view(text()).substr(start, end - start)), fg,
                    palette::window, CellStyle::reverse);
    }
    canvas.setClip(saved);
}

std::optional<Point> EditBox::caret() const {
    const int before = measure(std::string_view(text()).substr(0, editing_.caret()));
    return Point{rect().x + before - scrollOffset(), rect().y};
}

}  // namespace ui
