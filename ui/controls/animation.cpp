#include "ui/controls/animation.h"

#include <algorithm>

#include "ui/application.h"

namespace ui {

namespace {

Clock::time_point screenNow() {
    if (Application* app = Application::current())
        return app->screen().now();
    return Clock::now();
}

}  // namespace

MessageResult Animation::onMessage(MessageId message, WParam wParam, LParam lParam) {
    switch (message) {
        case ACM_OPEN:
            playing_ = false;
            frame_ = 0;
            clipResource_ = static_cast<int>(lParam);
            clip_ = pictureSource().openClip(clipResource_);
            if (clip_ && clip_->frameCount <= 0)
                clip_.reset();
            if (clip_ && hasStyle(ACS_AUTOPLAY))
                return onMessage(ACM_PLAY, static_cast<WParam>(-1), makeLong(0, 0xFFFF));
            return clip_ ? 1 : 0;
        case ACM_PLAY: {
            if (!clip_)
                return 0;
            const int last = clip_->frameCount - 1;
            from_ = std::min(static_cast<int>(lowWord(static_cast<std::uintptr_t>(lParam))), last);
            const unsigned to = highWord(static_cast<std::uintptr_t>(lParam));
            to_ = to == 0xFFFF ? last : std::min(static_cast<int>(to), last);
            repeats_ = static_cast<int>(static_cast<std::intptr_t>(wParam));
            frame_ = from_;
            playing_ = true;
            next_ = screenNow() + clip_->frameDuration;
            return 1;
        }
        case ACM_STOP:
            playing_ = false;
            return 1;
        default:
            return 0;
    }
}

std::optional<Clock::time_point> Animation::nextTick() const {
    if (!playing_)
        return std::nullopt;
    return next_;
}

void Animation::onTick(Clock::time_point now) {
    while (playing_ && next_ <= now) {
        if (frame_ < to_) {
            ++frame_;
        } else if (repeats_ < 0 || repeats_ > 1) {
            if (repeats_ > 1)
                --repeats_;
            frame_ = from_;
        } else {
            playing_ = false;
            break;
        }
        next_ += clip_->frameDuration;
    }
}

void Animation::paint(Canvas& canvas, Point origin, const PaintState&) const {
    const Rect r = rect().translated(origin.x, origin.y);
    canvas.fill(r, Cell{U' ', palette::windowText, palette::buttonFace});
    if (hasStyle(WS_BORDER) && r.width >= 2 && r.height >= 2) {
        for (int x = r.x + 1; x < r.right() - 1; ++x) {
            canvas.set({x, r.y}, Cell{U'─', palette::buttonShadow, palette::buttonFace});
            canvas.set({x, r.bottom() - 1}, Cell{U'─', palette::buttonShadow, palette::buttonFace});
        }
        for (int y = r.y + 1; y < r.bottom() - 1; ++y) {
            canvas.set({r.x, y}, Cell{U'│', palette::buttonShadow, palette::buttonFace});
            canvas.set({r.right() - 1, y}, Cell{U'│', palette::buttonShadow, palette::buttonFace});
        }
        canvas.set({r.x, r.y}, Cell{U'┌', palette::buttonShadow, palette::buttonFace});
        canvas.set({r.right() - 1, r.y}, Cell{U'┐', palette::buttonShadow, palette::buttonFace});
        canvas.set({r.x, r.bottom() - 1}, Cell{U'└', palette::buttonShadow, palette::buttonFace});
        canvas.set({r.right() - 1, r.bottom() - 1},
                   Cell{U'┘', palette::buttonShadow, palette::buttonFace});
    }
    if (!clip_)
        return;
    // The clip is centred on the whole control: a border a cell wide would cut a
    // clip made to fit inside a border one pixel wide.
    pictureSource().paintClipFrame(clipResource_, frame_, canvas, r);
}

}  // namespace ui
