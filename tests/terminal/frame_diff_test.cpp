#include "ui/terminal/frame_diff.h"

#include <gtest/gtest.h>

namespace ui::terminal {
namespace {

Canvas blankCanvas(Size size) {
    return Canvas(size, Cell{U' ', palette::black, palette::white});
}

TEST(FrameDiff, IdenticalFramesSendNothing) {
    const Canvas canvas = blankCanvas({10, 3});
    EXPECT_TRUE(changedRuns(canvas, canvas).empty());
}

TEST(FrameDiff, ChangedCellsFormRunsPerRow) {
    const Canvas shown = blankCanvas({10, 3});
    Canvas next = shown;
    next.text({2, 0}, U"abc", palette::black, palette::white);
    next.text({9, 0}, U"z", palette::black, palette::white);
    next.text({0, 2}, U"q", palette::black, palette::white);
    const std::vector<CellRun> expected{{{2, 0}, 3}, {{9, 0}, 1}, {{0, 2}, 1}};
    EXPECT_EQ(changedRuns(shown, next), expected);
}

TEST(FrameDiff, AChangeOfColourOrStyleAloneIsAChange) {
    const Canvas shown = blankCanvas({4, 1});
    Canvas recoloured = shown;
    recoloured.set({1, 0}, Cell{U' ', palette::black, palette::navy});
    Canvas restyled = shown;
    restyled.set({3, 0}, Cell{U' ', palette::black, palette::white, CellStyle::underline});
    EXPECT_EQ(changedRuns(shown, recoloured), (std::vector<CellRun>{{{1, 0}, 1}}));
    EXPECT_EQ(changedRuns(shown, restyled), (std::vector<CellRun>{{{3, 0}, 1}}));
}

TEST(FrameDiff, ANewSizeRepaintsEveryRow) {
    const std::vector<CellRun> expected{{{0, 0}, 5}, {{0, 1}, 5}};
    EXPECT_EQ(changedRuns(Canvas(), blankCanvas({5, 2})), expected);
    EXPECT_EQ(changedRuns(blankCanvas({6, 2}), blankCanvas({5, 2})), expected);
}

}  // namespace
}  // namespace ui::terminal
