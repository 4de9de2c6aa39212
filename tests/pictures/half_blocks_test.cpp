// The half-block scaler: each cell shows the mean of the pixels it covers, two
// pixel rows to a cell.

#include <gtest/gtest.h>

#include "res/pictures/pictures.h"
#include "ui/dialog_units.h"
#include "ui/image/bitmap.h"
#include "ui/image/half_blocks.h"

namespace {

using namespace ui::image;
using ui::Color;

constexpr Color red{200, 0, 0};
constexpr Color blue{0, 0, 100};
constexpr Color grey{50, 50, 50};

Image picture(int width, int height, std::vector<Pixel> pixels) {
    return {width, height, std::move(pixels)};
}

TEST(HalfBlocks, ScaleByTheMeanAndLetTheBackgroundThrough) {
    const Pixel r{red};
    const Pixel b{blue};
    const Pixel clear{{}, false};
    struct Case {
        const char* name;
        Image image;
        ui::Size cells;
        std::vector<HalfBlock> expected;
    };
    const std::vector<Case> cases{
        {"one pixel a half", picture(2, 2, {r, b, b, r}), {2, 1}, {{red, blue}, {blue, red}}},
        {"four pixels a half, averaged",
         picture(2, 4, {r, r, b, b, r, b, r, b}),
         {1, 1},
         {{{100, 0, 50}, {100, 0, 50}}}},
        {"mostly transparent shows the background",
         picture(4, 2, {r, clear, clear, clear, b, b, b, clear}),
         {1, 1},
         {{grey, blue}}},
        {"half transparent keeps the opaque colour",
         picture(2, 2, {r, clear, clear, b}),
         {1, 1},
         {{red, blue}}},
        {"a pixel grows over several cells", picture(1, 1, {r}), {2, 1}, {{red, red}, {red, red}}},
        {"an empty picture is all background", Image{}, {1, 1}, {{grey, grey}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HalfBlockPicture shown = toHalfBlocks(c.image, c.cells, grey);
        EXPECT_EQ(shown.cells, c.cells);
        EXPECT_EQ(shown.blocks, c.expected);
    }
}

TEST(HalfBlocks, TheSplashFillsItsFrameOnTheSplashDialog) {
    const auto splash = readBitmapFile(res::bitmap(215));
    ASSERT_TRUE(splash);
    // 280 x 140 pixels are 187 x 86 dialog units, the frame the splash dialog gives it at 7,7.
    EXPECT_EQ(ui::units::unitsFromPixelsX(splash->width), 187);
    EXPECT_EQ(ui::units::unitsFromPixelsY(splash->height), 86);
    const ui::Size cells = ui::units::toCells({7, 7, 187, 86}).size();
    const HalfBlockPicture shown = toHalfBlocks(*splash, cells, grey);
    ASSERT_EQ(shown.blocks.size(), static_cast<std::size_t>(cells.width * cells.height));
    // The corners are the night sky; the gold rule runs under the name.
    EXPECT_EQ(shown.at(0, 0).top, (Color{0, 0, 0x33}));
    EXPECT_EQ(shown.at(cells.width - 1, cells.height - 1).bottom, (Color{0, 0, 0x33}));
    EXPECT_EQ(shown.at(30, 7).bottom, (Color{0xFF, 0xCC, 0x33}));
}

}  // namespace
