#pragma once

#include <chrono>
#include <optional>

// Which frame of a clip shows when: the timing of an animation control. Playing
// runs from one frame to another at the clip's rate, a number of times or without
// end; the frame shown follows from the time since playing began, so a late timer
// never slows the clip down.

namespace ui::image {

class ClipPlayer {
  public:
    using Clock = std::chrono::steady_clock;

    // "To the last frame", and "repeat without end" for play().
    static constexpr int lastFrame = 0xFFFF;
    static constexpr int forever = -1;

    ClipPlayer() = default;
    ClipPlayer(int frameCount, std::chrono::microseconds perFrame);

    // Starts at frame from (counting from 0) and runs to frame to, repeat times.
    // Returns false, and changes nothing, for frames the clip does not have.
    bool play(int from, int to, int repeat, Clock::time_point now);
    void stop() { playing_ = false; }

    bool isPlaying() const { return playing_; }
    int frame() const { return frame_; }

    // Moves on to the frame due at now; true when the frame shown changed.
    bool advance(Clock::time_point now);

    // When the frame next changes, if it still does.
    std::optional<Clock::time_point> nextChange() const;

  private:
    int frameCount_ = 0;
    std::chrono::microseconds perFrame_{0};
    bool playing_ = false;
    int from_ = 0;
    int to_ = 0;
    int repeat_ = 0;
    long long stepsDone_ = 0;
    Clock::time_point started_;
    int frame_ = 0;
};

}  // namespace ui::image
