// The clip's timing: two frames a second, first to last and round again.

#include <gtest/gtest.h>

#include "ui/image/clip_player.h"

namespace {

using ui::image::ClipPlayer;
using namespace std::chrono_literals;

const ClipPlayer::Clock::time_point start{};

TEST(ClipPlayer, LoopsFromTheFirstFrameToTheLastAndRoundAgain) {
    ClipPlayer player(8, 500000us);
    ASSERT_TRUE(player.play(0, ClipPlayer::lastFrame, ClipPlayer::forever, start));
    std::vector<int> shown{player.frame() + 1};
    for (int tick = 1; tick <= 10; ++tick) {
        const auto due = player.nextChange();
        ASSERT_TRUE(due.has_value());
        EXPECT_EQ(*due, start + tick * 500ms);
        EXPECT_TRUE(player.advance(*due));
        shown.push_back(player.frame() + 1);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3}));
}

TEST(ClipPlayer, FollowsTheClockNotTheNumberOfTicks) {
    ClipPlayer player(8, 500000us);
    ASSERT_TRUE(player.play(0, ClipPlayer::lastFrame, ClipPlayer::forever, start));
    EXPECT_FALSE(player.advance(start + 499ms));
    EXPECT_EQ(player.frame(), 0);
    EXPECT_TRUE(player.advance(start + 1750ms));  // a late timer: frame 4 is due
    EXPECT_EQ(player.frame(), 3);
    EXPECT_EQ(*player.nextChange(), start + 2s);
}

TEST(ClipPlayer, PlaysAPartOrACountedNumberOfTimes) {
    struct Case {
        const char* name;
        int from;
        int to;
        int repeat;
        std::vector<int> frames;  // shown at each half second from the start
        bool playingAfter;
    };
    const Case cases[] = {
        {"frames 3 to 5, for ever", 2, 4, ClipPlayer::forever, {3, 4, 5, 3, 4, 5, 3}, true},
        {"once, then stays on the last",
         0,
         ClipPlayer::lastFrame,
         1,
         {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
         false},
        {"twice over two frames", 6, 7, 2, {7, 8, 7, 8, 8}, false},
        {"one frame", 4, 4, ClipPlayer::forever, {5, 5, 5}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClipPlayer player(8, 500000us);
        ASSERT_TRUE(player.play(c.from, c.to, c.repeat, start));
        std::vector<int> shown;
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            player.advance(start + 500ms * static_cast<int>(i));
            shown.push_back(player.frame() + 1);
        }
        EXPECT_EQ(shown, c.frames);
        EXPECT_EQ(player.isPlaying(), c.playingAfter);
    }
}

TEST(ClipPlayer, RefusesFramesTheClipDoesNotHave) {
    struct Case {
        const char* name;
        int frameCount;
        int from;
        int to;
        int repeat;
    };
    const Case cases[] = {
        {"from past the last", 8, 8, ClipPlayer::lastFrame, ClipPlayer::forever},
        {"to past the last", 8, 0, 8, ClipPlayer::forever},
        {"backwards", 8, 5, 2, ClipPlayer::forever},
        {"negative start", 8, -1, 3, ClipPlayer::forever},
        {"no times at all", 8, 0, 7, 0},
        {"an empty clip", 0, 0, ClipPlayer::lastFrame, ClipPlayer::forever},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClipPlayer player(c.frameCount, 500000us);
        EXPECT_FALSE(player.play(c.from, c.to, c.repeat, start));
        EXPECT_FALSE(player.isPlaying());
        EXPECT_FALSE(player.nextChange().has_value());
    }
}

}  // namespace
