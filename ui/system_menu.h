#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"
#include "ui/event.h"

// The window's system menu: the popup behind the box at the caption's left
// (or Alt+Space). Choosing an item sends WM_SYSCOMMAND with its id.

namespace ui {

struct MenuItem {
    unsigned id = 0;  // 0 for a separator
    std::string text;
    bool enabled = true;
    bool isSeparator() const { return id == 0; }
};

class SystemMenu {
  public:
    void appendSeparator() { items_.push_back({}); }
    void appendItem(unsigned id, std::string text) { items_.push_back({id, std::move(text)}); }
    void clear() { items_.clear(); }
    const std::vector<MenuItem>& items() const { return items_; }
    void setEnabled(unsigned id, bool enabled);

    bool isOpen() const { return open_; }
    void open();
    void close() { open_ = false; }
    int highlighted() const { return highlighted_; }

    // Keys while open: arrows move, Enter chooses, Esc closes, a mnemonic
    // letter chooses its item. Returns the chosen id, if any.
    std::optional<unsigned> onKey(const KeyEvent& key);
    // A click at a cell of the popup (relative to it); returns the chosen id.
    std::optional<unsigned> onClick(Point at);

    Size popupSize() const;
    void paint(Canvas& canvas, Point origin) const;

  private:
    void step(int direction);

    std::vector<MenuItem> items_;
    bool open_ = false;
    int highlighted_ = 0;
};

}  // namespace ui
