#pragma once

#include <string>

// The toolkit's clipboard, one for every dialog of the program: what Cut and
// Copy put there and Paste takes, in Windows-1252. Whatever it takes is also
// offered to the screen, which may hand it on to the system's clipboard.

namespace ui {

class Screen;

class Clipboard {
  public:
    explicit Clipboard(Screen* screen) : screen_(screen) {}

    const std::string& text() const { return text_; }
    void setText(std::string text);

  private:
    Screen* screen_;
    std::string text_;
};

}  // namespace ui
