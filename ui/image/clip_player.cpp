#include "ui/image/clip_player.h"

namespace ui::image {

ClipPlayer::ClipPlayer(int frameCount, std::chrono::microseconds perFrame)
    : frameCount_(frameCount), perFrame_(perFrame) {}

bool ClipPlayer::play(int from, int to, int repeat, Clock::time_point now) {
    if (to == lastFrame)
        to = frameCount_ - 1;
    if (frameCount_ <= 0 || from < 0 || from > to || to >= frameCount_ || repeat == 0 ||
        repeat < forever || perFrame_.count() <= 0) {
        return false;
    }
    from_ = from;
    to_ = to;
    repeat_ = repeat;
    started_ = now;
    stepsDone_ = 0;
    frame_ = from;
    playing_ = true;
    return true;
}

bool ClipPlayer::advance(Clock::time_point now) {
    if (!playing_ || now < started_)
        return false;
    const int length = to_ - from_ + 1;
    long long steps = (now - started_) / perFrame_;
    if (repeat_ != forever && steps >= static_cast<long long>(repeat_) * length - 1) {
        // The last pass ends on its last frame and stays there.
        steps = static_cast<long long>(repeat_) * length - 1;
        playing_ = false;
    }
    stepsDone_ = steps;
    const int shown = from_ + static_cast<int>(steps % length);
    const bool changed = shown != frame_;
    frame_ = shown;
    return changed;
}

std::optional<ClipPlayer::Clock::time_point> ClipPlayer::nextChange() const {
    if (!playing_)
        return std::nullopt;
    return started_ + perFrame_ * (stepsDone_ + 1);
}

}  // namespace ui::image
