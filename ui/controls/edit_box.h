#pragma once

#include <cstddef>

#include "ui/control.h"

// A one-line edit box. Two bounds hold what it takes: its limit of characters,
// and, without ES_AUTOHSCROLL, its visible width (the text as the screen
// measures it must fit the field, the caret's cell left free). Every refused
// character, and every paste cut short, sends EN_MAXTEXT; what fitted stays.

namespace ui {

class EditBox : public Control {
  public:
    EditBox(Dialog& dialog, const ControlTemplate& source);

    bool canFocus() const override { return isEnabled(); }
    bool wantsCharacters() const override { return true; }

    std::size_t limit() const { return limit_; }
    void setLimit(std::size_t limit) { limit_ = limit == 0 ? defaultLimit : limit; }
    std::size_t caretIndex() const { return caret_; }
    void setText(std::string text) override;
    // Cells the text may take: the field's width less the caret's cell.
    int visibleWidth() const;
    bool boundByWidth() const { return !hasStyle(ES_AUTOHSCROLL); }

    // Inserts at the caret as much of `text` as fits; true if all of it fitted.
    bool insert(std::string_view text);

    bool onKey(const KeyEvent& key) override;
    void onPaste(std::string_view text) override;
    bool onMouse(const MouseEvent& mouse, Point at) override;
    bool takesMouse() const override { return isEnabled(); }
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;
    std::optional<Point> caret() const override;

    static constexpr std::size_t defaultLimit = 30000;

  private:
    bool fits(const std::string& candidate) const;
    int scrollOffset() const;

    std::size_t limit_ = defaultLimit;
    std::size_t caret_ = 0;
};

}  // namespace ui
