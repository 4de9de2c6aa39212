#include "ui/clipboard.h"

#include "ui/screen.h"

namespace ui {

void Clipboard::setText(std::string text) {
    text_ = std::move(text);
    if (screen_)
        screen_->offerToClipboard(text_);
}

}  // namespace ui
