#pragma once

#include <cstddef>
#include <optional>

#include "ui/control.h"
#include "ui/edit_text.h"

// A one-line edit box, edited as on a desktop: the caret moves by character
// and by word, Shift and the mouse select, the toolkit's clipboard takes cut
// and copied text and gives it back on paste, and one undo takes back the
// last change. Two bounds hold what it takes: its limit of characters, and,
// without ES_AUTOHSCROLL, its visible width (the text as the screen measures
// it must fit the field, the caret's cell left free). Every refused
// character, and every paste cut short, sends EN_MAXTEXT; what fitted stays.
// A character that Windows-1252 has no byte for rings the bell.

namespace ui {

class EditBox : public Control {
  public:
    EditBox(Dialog& dialog, const ControlTemplate& source);

    bool canFocus() const override { return isEnabled(); }
    bool wantsCharacters() const override { return true; }

    std::size_t limit() const { return limit_; }
    void setLimit(std::size_t limit) { limit_ = limit == 0 ? defaultLimit : limit; }
    std::size_t caretIndex() const { return editing_.caret(); }
    // The text, caret and selection.
    const EditText& editing() const { return editing_; }
    void setText(std::string text) override;
    void select(std::size_t anchor, std::size_t caret) { editing_.select(anchor, caret); }
    // Cells the text may take: the field's width less the caret's cell.
    int visibleWidth() const;
    bool boundByWidth() const { return !hasStyle(ES_AUTOHSCROLL); }

    // Puts as much of `text` as fits in place of the selection; true if all of it fitted.
    bool insert(std::string_view text);

    bool onKey(const KeyEvent& key) override;
    void onPaste(const PasteEvent& paste) override;
    bool onMouse(const MouseEvent& mouse, Point at) override;
    bool takesMouse() const override { return isEnabled(); }
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;
    std::optional<Point> caret() const override;

    static constexpr std::size_t defaultLimit = 30000;
    // Two presses on one cell within this time are a double-click.
    static constexpr std::chrono::milliseconds doubleClickTime{500};

    // What the field's keys do besides typing.
    enum class Command {
        characterLeft,
        characterRight,
        wordLeft,
        wordRight,
        home,
        end,
        deleteBefore,
        deleteAfter,
        selectAll,
        cut,
        copy,
        paste,
        undo,
    };

  private:
    void perform(Command command, bool shift);
    void paste(std::string_view text);
    void copySelection() const;
    bool fits(std::string_view candidate) const;
    // `fits` as the editing model asks it.
    EditText::Fits bounds() const;
    // Shows the edited text as the control's text.
    void showEdits();
    std::size_t indexAtCell(int x) const;
    int scrollOffset() const;

    EditText editing_;
    std::size_t limit_ = defaultLimit;
    bool selectingByDrag_ = false;
    std::optional<Clock::time_point> lastPress_;  // for double-clicks
    Point lastPressAt_;
};

}  // namespace ui
