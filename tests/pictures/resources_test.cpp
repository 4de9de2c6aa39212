// The readers on the pictures built into the program: every pixel they decode
// must be the one the generator drew.

#include <gtest/gtest.h>

#include "res/pictures/pictures.h"
#include "tools/pictures/artwork.h"
#include "tools/pictures/encoders.h"
#include "tools/pictures/palettes.h"
#include "ui/image/bitmap.h"
#include "ui/image/clip.h"
#include "ui/image/icon.h"
#include "ui/image/rle8.h"

namespace {

using namespace ui::image;

Image drawnWithTransparency(const pictures::IconPicture& icon, const Palette& palette) {
    Image image = withPalette(icon.colours, palette);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        if (icon.transparent[i])
            image.pixels[i] = {ui::Color{}, false};
    }
    return image;
}

Palette paletteOfDepth(int bitCount) {
    switch (bitCount) {
        case 1:
            return pictures::twoColours();
        case 4:
            return pictures::sixteenColours();
        default:
            return pictures::fullPalette();
    }
}

TEST(SplashBitmap, Is280By140In256ColoursAsDrawn) {
    const Bytes file = res::bitmap(215);
    ByteReader reader(file);
    ASSERT_TRUE(reader.skip(14));
    const auto header = readBitmapHeader(reader);
    ASSERT_TRUE(header) << header.error();
    EXPECT_EQ(header->width, 280);
    EXPECT_EQ(header->height, 140);
    EXPECT_EQ(header->bitCount, 8);
    EXPECT_EQ(header->paletteSize(), 256);
    const auto palette = readPalette(reader, header->paletteSize());
    ASSERT_TRUE(palette);
    EXPECT_EQ(*palette, pictures::fullPalette());

    const auto image = readBitmapFile(file);
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(*image, withPalette(pictures::splashPicture(), pictures::fullPalette()));
}

TEST(ProgramIcon, HoldsItsFiveImagesAsDrawn) {
    const Bytes file = res::icon(128);
    const auto entries = readIconDirectory(file);
    ASSERT_TRUE(entries) << entries.error();
    const std::vector<pictures::IconPicture> drawn = pictures::iconPictures();
    struct Expected {
        int side;
        int bitCount;
    };
    const std::vector<Expected> expected{{16, 4}, {32, 1}, {32, 4}, {32, 8}, {48, 8}};
    ASSERT_EQ(entries->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const IconEntry& entry = (*entries)[i];
        EXPECT_EQ(entry.width, expected[i].side);
        EXPECT_EQ(entry.height, expected[i].side);
        EXPECT_EQ(entry.bitCount, expected[i].bitCount);
        const auto image = readIconImage(file, entry);
        ASSERT_TRUE(image) << image.error();
        EXPECT_EQ(*image, drawnWithTransparency(drawn[i], paletteOfDepth(entry.bitCount)));
    }
}

TEST(ProgramIcon, CornersAreTransparentAndTheCentreIsNot) {
    const auto image = readIcon(res::icon(128), {32, 8});
    ASSERT_TRUE(image) << image.error();
    EXPECT_FALSE(image->at(0, 0).opaque);
    EXPECT_FALSE(image->at(31, 31).opaque);
    EXPECT_TRUE(image->at(16, 16).opaque);
}

TEST(ProgramIcon, ChoosesTheImageThatFits) {
    const auto entries = readIconDirectory(res::icon(128));
    ASSERT_TRUE(entries);
    struct Case {
        IconWish wish;
        int side;
        int bitCount;
    };
    const Case cases[] = {
        {{32, 8}, 32, 8},   // the standard icon of a 256-colour screen
        {{32, 4}, 32, 4},   // a 16-colour screen
        {{32, 1}, 32, 1},   // a monochrome one
        {{16, 8}, 16, 4},   // the small icon has 16 colours only
        {{48, 8}, 48, 8},   //
        {{40, 8}, 48, 8},   // no 40: the larger one scales down
        {{64, 8}, 48, 8},   // nothing larger: the largest
        {{20, 24}, 32, 8},  // the deepest of the nearest larger size
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wish.size << " x " << c.wish.bitCount);
        const IconEntry* chosen = chooseIconEntry(*entries, c.wish);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen->width, c.side);
        EXPECT_EQ(chosen->bitCount, c.bitCount);
    }
}

TEST(AboutClip, IsEightFramesOf142By64AtTwoFramesASecond) {
    const auto clip = readClip(res::clip(202));
    ASSERT_TRUE(clip) << clip.error();
    EXPECT_EQ(clip->width, 142);
    EXPECT_EQ(clip->height, 64);
    EXPECT_EQ(clip->microsecondsPerFrame, 500000u);
    EXPECT_EQ(clip->palette, pictures::fullPalette());
    const std::vector<IndexedImage> drawn = pictures::logoFrames();
    ASSERT_EQ(clip->frameCount(), 8);
    for (int frame = 0; frame < 8; ++frame) {
        SCOPED_TRACE(frame + 1);
        EXPECT_EQ(clip->frames[frame], drawn[frame]);
    }
}

TEST(AboutClip, IsOneRle8VideoStreamWithAKeyFrameThenChanges) {
    const Bytes file = res::clip(202);
    // The stream format's header sits inside "strf": find it by its id.
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    const std::size_t strf = text.find("strf");
    ASSERT_NE(strf, std::string_view::npos);
    ByteReader reader(file);
    ASSERT_TRUE(reader.seek(strf + 8));
    const auto header = readBitmapHeader(reader);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->bitCount, 8);
    EXPECT_EQ(header->compression, static_cast<std::uint32_t>(Compression::rle8));
    EXPECT_EQ(header->paletteSize(), 256);
    EXPECT_EQ(text.find("auds"), std::string_view::npos);
    EXPECT_EQ(text.find("strl"), text.rfind("strl"));  // one stream list

    // The index: the first frame alone is flagged as a key frame.
    const std::size_t index = text.find("idx1");
    ASSERT_NE(index, std::string_view::npos);
    ASSERT_TRUE(reader.seek(index + 4));
    EXPECT_EQ(*reader.u32(), 8u * 16u);
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(*reader.fourcc(), "00dc");
        EXPECT_EQ(*reader.u32(), frame == 0 ? 0x10u : 0u) << "frame " << frame + 1;
        ASSERT_TRUE(reader.skip(8));
    }
}

TEST(AboutClip, ChangeFramesPaintOnlyWhatChanged) {
    // Painted over a picture of an index the clip never uses, a change frame must
    // cover every pixel that differs from the frame before, and leave most alone.
    constexpr std::uint8_t unused = 255;
    const std::vector<IndexedImage> frames = pictures::logoFrames();
    for (std::size_t i = 1; i < frames.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "frame " << i + 1);
        IndexedImage painted{142, 64, std::vector<std::uint8_t>(142 * 64, unused)};
        ASSERT_TRUE(decodeRle8(pictures::encodeRle8Change(frames[i - 1], frames[i]), painted));
        std::size_t untouched = 0;
        for (std::size_t p = 0; p < painted.indices.size(); ++p) {
            if (painted.indices[p] == unused) {
                ++untouched;
                EXPECT_EQ(frames[i - 1].indices[p], frames[i].indices[p]) << "pixel " << p;
            } else {
                EXPECT_EQ(painted.indices[p], frames[i].indices[p]) << "pixel " << p;
            }
        }
        EXPECT_GT(untouched, painted.indices.size() / 2);
    }
}

TEST(Resources, UnknownNumbersGiveNothing) {
    EXPECT_TRUE(res::bitmap(216).empty());
    EXPECT_TRUE(res::icon(215).empty());
    EXPECT_TRUE(res::clip(0).empty());
    EXPECT_FALSE(res::bitmap(215).empty());
    EXPECT_FALSE(res::icon(128).empty());
    EXPECT_FALSE(res::clip(202).empty());
}

}  // namespace
