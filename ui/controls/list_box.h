#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/control.h"

// A list box: LB_ADDSTRING appends entries in order (this toolkit's lists are
// never sorted); with LBS_NOSEL nothing can be selected. It scrolls
// vertically by keys while it has the focus (Up and Down a row, Page Up and
// Page Down a page, Home and End to the ends), by the wheel and by its scroll
// bar, which also shows the focus. An entry beyond its capacity is refused
// with LB_ERRSPACE and LBN_ERRSPACE to the dialog.

namespace ui {

class ListBox : public Control {
  public:
    ListBox(Dialog& dialog, const ControlTemplate& source);

    bool canFocus() const override { return isEnabled(); }

    const std::vector<std::string>& entries() const { return entries_; }
    std::optional<std::size_t> selection() const { return selection_; }
    std::size_t topIndex() const { return top_; }
    std::size_t capacity() const { return capacity_; }
    void setCapacity(std::size_t capacity) { capacity_ = capacity; }
    // The capacity new list boxes get; tests lower it to provoke LBN_ERRSPACE.
    static std::size_t& defaultCapacity();

    // Rows of entries shown at once.
    int visibleRows() const { return rect().height; }
    void scrollBy(int rows);

    MessageResult onMessage(MessageId message, WParam wParam, LParam lParam) override;
    bool onKey(const KeyEvent& key) override;
    bool onMouse(const MouseEvent& mouse, Point at) override;
    bool takesMouse() const override { return isEnabled(); }
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;

  private:
    bool hasScrollBar() const { return hasStyle(WS_VSCROLL); }
    std::size_t maxTop() const;

    std::vector<std::string> entries_;
    std::optional<std::size_t> selection_;
    std::size_t top_ = 0;
    std::size_t capacity_;
};

}  // namespace ui
