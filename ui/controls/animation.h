#pragma once

#include <optional>

#include "ui/control.h"
#include "ui/picture_source.h"

// The animation control: ACM_OPEN opens a clip resource, ACM_PLAY plays
// frames from..to, repeating (-1 forever), ACM_STOP stops. Each frame shows
// for the clip's frame duration on the screen's clock. A clip that cannot be
// opened leaves the control empty (its border only).

namespace ui {

class Animation : public Control {
  public:
    using Control::Control;

    bool canFocus() const override { return isEnabled(); }

    bool isOpen() const { return clip_.has_value(); }
    bool isPlaying() const { return playing_; }
    int clipResource() const { return clipResource_; }
    int frame() const { return frame_; }

    MessageResult onMessage(MessageId message, WParam wParam, LParam lParam) override;
    std::optional<Clock::time_point> nextTick() const override;
    void onTick(Clock::time_point now) override;
    void paint(Canvas& canvas, Point origin, const PaintState& state) const override;

  private:
    std::optional<ClipInfo> clip_;
    int clipResource_ = 0;
    bool playing_ = false;
    int frame_ = 0;
    int from_ = 0;
    int to_ = 0;
    int repeats_ = 0;  // passes still to play; -1 forever
    Clock::time_point next_{};
};

}  // namespace ui
