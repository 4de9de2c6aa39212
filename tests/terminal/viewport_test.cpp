#include "ui/terminal/viewport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ui {
std::ostream& operator<<(std::ostream& out, Rect r) {
    return out << '{' << r.x << ", " << r.y << ", " << r.width << ", " << r.height << '}';
}
}  // namespace ui

namespace ui::terminal {
namespace {

constexpr Size layout{80, 24};
constexpr Rect question{8, 5, 64, 14};  // a question dialog, centred on 80 x 24

struct ViewportCase {
    const char* name;
    Size canvas;
    Rect windows;
    Size terminal;
    std::optional<Rect> expected;
};

void PrintTo(const ViewportCase& c, std::ostream* out) {
    *out << c.name;
}

class Viewport : public testing::TestWithParam<ViewportCase> {};

TEST_P(Viewport, ShowsTheWindowsWhereTheyFit) {
    const ViewportCase& c = GetParam();
    EXPECT_EQ(viewportOf(c.canvas, c.windows, c.terminal), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Viewport,
    testing::Values(
        ViewportCase{"ATerminalAsLargeAsTheCanvasShowsAllOfIt", layout, question, layout,
                     Rect{0, 0, 80, 24}},
        ViewportCase{
            "ASmallerTerminalCentresTheWindows", layout, question, {70, 16}, Rect{5, 4, 70, 16}},
        ViewportCase{"WindowsThatJustFitFillTheTerminal", layout, question, {64, 14}, question},
        ViewportCase{
            "WindowsWiderThanTheTerminalDoNotFit", layout, question, {60, 20}, std::nullopt},
        ViewportCase{
            "WindowsTallerThanTheTerminalDoNotFit", layout, question, {80, 13}, std::nullopt},
        ViewportCase{"TheViewStaysOnTheCanvasNearItsEdge",
                     layout,
                     Rect{1, 18, 10, 5},
                     {40, 12},
                     Rect{0, 12, 40, 12}},
        ViewportCase{"AnAxisTheTerminalHoldsWhollyIsNotMoved",
                     {100, 24},
                     Rect{18, 5, 64, 14},
                     {100, 16},
                     Rect{0, 4, 100, 16}},
        ViewportCase{"NoWindowsNeedTheWholeCanvas", layout, Rect{}, {79, 24}, std::nullopt}),
    [](const testing::TestParamInfo<ViewportCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ui::terminal
