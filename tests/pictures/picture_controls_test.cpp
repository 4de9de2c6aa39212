// The toolkit's picture and icon controls showing the built-in pictures: each at
// its own size through the dialog-unit mapping, in half-block cells.

#include <gtest/gtest.h>

#include <algorithm>

#include "res/dialog_templates.h"
#include "res/pictures/built_in_pictures.h"
#include "res/pictures/pictures.h"
#include "res/pictures/rendered_pictures.h"
#include "ui/application.h"
#include "ui/controls/picture.h"
#include "ui/dialog.h"
#include "ui/image/bitmap.h"
#include "ui/image/clip.h"
#include "ui/image/half_blocks.h"
#include "ui/image/icon.h"
#include "ui/testing/scripted_screen.h"

namespace {

class PictureControlTest : public ::testing::Test {
  protected:
    PictureControlTest() { res::installBuiltInPictures(); }
    ~PictureControlTest() override { ui::setPictureSource(nullptr); }

    // Runs a dialog of the template and looks at its picture control once it shows.
    void look(int templateNumber, const std::function<void(const ui::Picture&, ui::Rect)>& check) {
        screen
            .then([&] {
                const ui::Dialog* dialog = screen.topDialog();
                for (const auto& control : dialog->controls()) {
                    if (const auto* picture = dynamic_cast<const ui::Picture*>(control.get())) {
                        const ui::Rect client = dialog->clientRect();
                        check(*picture, picture->pictureRect().translated(client.x, client.y));
                        return;
                    }
                }
                ADD_FAILURE() << "no picture in template " << templateNumber;
            })
            .key(ui::Key::escape);
        ui::Dialog dialog(res::dialogTemplate(templateNumber));
        dialog.runModal();
    }

    std::vector<ui::image::HalfBlock> shown(ui::Rect area) const {
        std::vector<ui::image::HalfBlock> cells;
        for (int y = area.y; y < area.bottom(); ++y) {
            for (int x = area.x; x < area.right(); ++x) {
                const ui::Cell& cell = screen.lastFrame().canvas.at({x, y});
                EXPECT_EQ(cell.ch, ui::image::upperHalfBlock) << x << "," << y;
                cells.push_back({cell.fg, cell.bg});
            }
        }
        return cells;
    }

    ui::ScriptedScreen screen;
    ui::Application app{screen};
};

TEST_F(PictureControlTest, TheSplashBitmapFillsItsFrameExactly) {
    const auto splash = ui::image::readBitmapFile(res::bitmap(215));
    ASSERT_TRUE(splash);
    look(204, [&](const ui::Picture& picture, ui::Rect onScreen) {
        EXPECT_EQ(picture.resource(), 215);
        EXPECT_EQ(picture.pictureRect(), picture.rect());  // the 187 x 86 unit frame
        EXPECT_EQ(onScreen.size(), (ui::Size{63, 11}));
        const auto expected = ui::image::toHalfBlocks(*splash, onScreen.size(), {});
        EXPECT_EQ(shown(onScreen), expected.blocks);
    });
}

TEST_F(PictureControlTest, TheIconShowsItsStandardImageOverTheDialogFace) {
    const auto icon = ui::image::readIcon(res::icon(128), {32, 8});
    ASSERT_TRUE(icon);
    look(102, [&](const ui::Picture& picture, ui::Rect onScreen) {
        EXPECT_TRUE(picture.isIcon());
        EXPECT_EQ(onScreen.size(), ui::units::pictureCells(32, 32));
        // Where the icon is transparent, the dialog's face shows through.
        const ui::Color face = screen.lastFrame().canvas.at({onScreen.x - 1, onScreen.y}).bg;
        const auto expected = ui::image::toHalfBlocks(*icon, onScreen.size(), face);
        EXPECT_EQ(shown(onScreen), expected.blocks);
        EXPECT_EQ(expected.at(0, 0).top, face);
    });
}

}  // namespace

namespace {

using ui::image::HalfBlock;

constexpr ui::Color paper{1, 2, 3};

ui::Canvas blankCanvas(ui::Size size) {
    return ui::Canvas(size, ui::Cell{U'.', paper, paper});
}

TEST(BuiltInPictures, PaintTheClipCentredAtItsOwnSizeNeverStretched) {
    const res::BuiltInPictures pictures;
    const auto clip = ui::image::readClip(res::clip(202));
    ASSERT_TRUE(clip);
    const ui::Size own = ui::units::pictureCells(142, 64);  // 32 x 5
    const auto frame3 = ui::image::toHalfBlocks(clip->frameImage(2), own, {});
    struct Case {
        const char* name;
        ui::Rect area;        // where the control asks for it
        ui::Point ownOrigin;  // where the clip's own top left cell lands
    };
    const Case cases[] = {
        {"the control's own size", {2, 1, 32, 5}, {2, 1}},
        {"a larger control: centred", {0, 0, 40, 9}, {4, 2}},
        {"a smaller control: centred and cut", {3, 3, 30, 3}, {2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::Canvas canvas = blankCanvas({50, 12});
        ASSERT_TRUE(pictures.paintClipFrame(202, 2, canvas, c.area));
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 50; ++x) {
                const ui::Cell& cell = canvas.at({x, y});
                const ui::Point inClip{x - c.ownOrigin.x, y - c.ownOrigin.y};
                const bool covered = c.area.contains({x, y}) && inClip.x >= 0 && inClip.y >= 0 &&
                                     inClip.x < own.width && inClip.y < own.height;
                if (covered) {
                    EXPECT_EQ((HalfBlock{cell.fg, cell.bg}), frame3.at(inClip.x, inClip.y))
                        << x << "," << y;
                } else {
                    EXPECT_EQ(cell.ch, U'.') << x << "," << y << ": painted outside";
                }
            }
        }
    }
}

TEST(BuiltInPictures, PaintNothingForWhatTheyDoNotHold) {
    const res::BuiltInPictures pictures;
    ui::Canvas canvas = blankCanvas({10, 4});
    const ui::Canvas untouched = canvas;
    EXPECT_FALSE(pictures.paintBitmap(216, canvas, {0, 0, 5, 2}));
    EXPECT_FALSE(pictures.paintIcon(129, canvas, {0, 0, 5, 2}));
    EXPECT_FALSE(pictures.openClip(203).has_value());
    EXPECT_FALSE(pictures.paintClipFrame(202, 8, canvas, {0, 0, 5, 2}));
    EXPECT_FALSE(pictures.paintClipFrame(202, -1, canvas, {0, 0, 5, 2}));
    EXPECT_FALSE(pictures.bitmapPixels(1).has_value());
    EXPECT_EQ(canvas, untouched);

    const auto clip = pictures.openClip(202);
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->frameCount, 8);
    EXPECT_EQ(clip->frameDuration, std::chrono::microseconds(500000));
    EXPECT_EQ(pictures.bitmapPixels(215), (ui::Size{280, 140}));
}

// The tables written at build time must show what decoding at run time shows.
TEST(RenderedPictures, HoldWhatTheReadersAndTheScalerGive) {
    ASSERT_FALSE(res::renderedBitmaps().empty());
    for (const res::RenderedBitmap& rendered : res::renderedBitmaps()) {
        SCOPED_TRACE(rendered.resource);
        const auto image = ui::image::readBitmapFile(res::bitmap(rendered.resource));
        ASSERT_TRUE(image);
        EXPECT_EQ(rendered.pixels, (ui::Size{image->width, image->height}));
        const auto scaled = ui::image::toHalfBlocks(*image, rendered.cells, {});
        EXPECT_TRUE(std::ranges::equal(rendered.blocks, scaled.blocks));
    }
    ASSERT_EQ(res::renderedClips().size(), 1u);
    const res::RenderedClip& rendered = res::renderedClips().front();
    const auto clip = ui::image::readClip(res::clip(rendered.resource));
    ASSERT_TRUE(clip);
    ASSERT_EQ(rendered.frameCount, clip->frameCount());
    EXPECT_EQ(rendered.microsecondsPerFrame, clip->microsecondsPerFrame);
    EXPECT_EQ(rendered.cells, ui::units::pictureCells(clip->width, clip->height));
    for (int frame = 0; frame < clip->frameCount(); ++frame) {
        SCOPED_TRACE(frame);
        const auto scaled = ui::image::toHalfBlocks(clip->frameImage(frame), rendered.cells, {});
        EXPECT_TRUE(std::ranges::equal(rendered.frame(frame), scaled.blocks));
    }
}

TEST(BuiltInPictures, ScaleABitmapAtRunTimeToASizeNotRenderedBefore) {
    const res::BuiltInPictures pictures;
    const auto splash = ui::image::readBitmapFile(res::bitmap(215));
    ASSERT_TRUE(splash);
    const ui::Rect area{1, 1, 20, 4};
    ui::Canvas canvas = blankCanvas({22, 6});
    ASSERT_TRUE(pictures.paintBitmap(215, canvas, area));
    const auto expected = ui::image::toHalfBlocks(*splash, area.size(), {});
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
            EXPECT_EQ((HalfBlock{canvas.at({area.x + x, area.y + y}).fg,
                                 canvas.at({area.x + x, area.y + y}).bg}),
                      expected.at(x, y));
    EXPECT_EQ(canvas.at({0, 0}).ch, U'.');
}

}  // namespace
