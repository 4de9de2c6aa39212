#include "ui/controls/progress_bar.h"

#include <algorithm>

#include "ui/dialog.h"
#include "ui/toolkit_observer.h"

namespace ui {

MessageResult ProgressBar::onMessage(MessageId message, WParam wParam, LParam lParam) {
    if (message == PBM_SETRANGE) {
        const MessageResult previous =
            makeLong(static_cast<unsigned>(low_), static_cast<unsigned>(high_));
        low_ = static_cast<short>(lowWord(static_cast<std::uintptr_t>(lParam)));
        high_ = static_cast<short>(highWord(static_cast<std::uintptr_t>(lParam)));
        position_ = std::clamp(position_, low_, std::max(low_, high_));
        return previous;
    }
    if (message == PBM_SETPOS) {
        const int previous = position_;
        position_ = std::clamp(static_cast<int>(static_cast<std::intptr_t>(wParam)), low_,
                               std::max(low_, high_));
        Dialog::repaintNow();
        if (ToolkitObserver* observer = toolkitObserver())
            observer->progressPainted(dialog(), id(), position_);
        return previous;
    }
    return 0;
}

void ProgressBar::paint(Canvas& canvas, Point origin, const PaintState&) const {
    const Rect r = rect().translated(origin.x, origin.y);
    canvas.fill(r, Cell{U' ', palette::navy, palette::window});
    const int span = high_ - low_;
    const int filled = span > 0 ? r.width * (position_ - low_) / span : 0;
    canvas.fill({r.x, r.y, filled, r.height}, Cell{U'█', palette::navy, palette::window});
}

}  // namespace ui
