// The readers on the shapes of file the program's own pictures do not use: BMP
// files of other depths and row orders, and clips of uncompressed frames.

#include <gtest/gtest.h>

#include "tools/pictures/byte_writer.h"
#include "tools/pictures/encoders.h"
#include "tools/pictures/palettes.h"
#include "ui/image/bitmap.h"
#include "ui/image/clip.h"

namespace {

using namespace ui::image;
using pictures::ByteWriter;
using ui::Color;

constexpr Color red{0xFF, 0, 0};
constexpr Color green{0, 0xFF, 0};
constexpr Color blue{0, 0, 0xFF};
constexpr Color white{0xFF, 0xFF, 0xFF};

struct BitmapCase {
    const char* name;
    int bitCount;
    std::int32_t storedHeight;  // negative: rows from the top
    std::uint32_t compression;
    std::vector<Color> palette;
    std::vector<int> data;  // the pixel bytes as stored
};

// A BMP file of 3 x 2 pixels around the pixel bytes given.
std::vector<std::byte> bitmapFile(const BitmapCase& c) {
    ByteWriter out;
    const auto pixelOffset = static_cast<std::uint32_t>(14 + 40 + 4 * c.palette.size());
    out.u16(0x4D42);
    out.u32(pixelOffset + static_cast<std::uint32_t>(c.data.size()));
    out.u32(0);
    out.u32(pixelOffset);
    out.u32(40);
    out.i32(3);
    out.i32(c.storedHeight);
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(c.bitCount));
    out.u32(c.compression);
    out.u32(static_cast<std::uint32_t>(c.data.size()));
    out.u32(0);
    out.u32(0);
    out.u32(static_cast<std::uint32_t>(c.palette.size()));
    out.u32(0);
    for (const Color& colour : c.palette) {
        out.u8(colour.b);
        out.u8(colour.g);
        out.u8(colour.r);
        out.u8(0);
    }
    for (int byte : c.data)
        out.u8(static_cast<std::uint32_t>(byte));
    return std::move(out.bytes());
}

TEST(BitmapFormats, EveryDepthAndRowOrderGivesTheSamePicture) {
    // Top row red, green, blue; bottom row white, red, green. Rows are padded to four bytes.
    const std::vector<Color> expected{red, green, blue, white, red, green};
    const std::vector<Color> palette{red, green, blue, white};
    const std::vector<BitmapCase> cases{
        {"8 bits, bottom up", 8, 2, 0, palette, {3, 0, 1, 0, 0, 1, 2, 0}},
        {"8 bits, top down", 8, -2, 0, palette, {0, 1, 2, 0, 3, 0, 1, 0}},
        {"4 bits", 4, 2, 0, palette, {0x30, 0x10, 0, 0, 0x01, 0x20, 0, 0}},
        {"24 bits", 24, 2, 0, {}, {0xFF, 0xFF, 0xFF, 0, 0,    0xFF, 0,    0xFF, 0, 0, 0, 0,
                                   0,    0,    0xFF, 0, 0xFF, 0,    0xFF, 0,    0, 0, 0, 0}},
        {"32 bits", 32, 2, 0, {}, {0xFF, 0xFF, 0xFF, 0, 0, 0,    0xFF, 0, 0,    0xFF, 0, 0,
                                   0,    0,    0xFF, 0, 0, 0xFF, 0,    0, 0xFF, 0,    0, 0}},
        {"RLE8", 8, 2, 1, palette, {1, 3, 1, 0, 1, 1, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1}},
    };
    for (const BitmapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto image = readBitmapFile(bitmapFile(c));
        ASSERT_TRUE(image) << image.error();
        ASSERT_EQ(image->width, 3);
        ASSERT_EQ(image->height, 2);
        std::vector<Color> colours;
        for (const Pixel& pixel : image->pixels)
            colours.push_back(pixel.color);
        EXPECT_EQ(colours, expected);
    }
}

TEST(BitmapFormats, OneBitRowsReadFromTheHighestBit) {
    // 3 x 2 in two colours: 101 above 011.
    const BitmapCase c{"1 bit", 1, 2, 0, {white, blue}, {0x60, 0, 0, 0, 0xA0, 0, 0, 0}};
    const auto image = readBitmapFile(bitmapFile(c));
    ASSERT_TRUE(image) << image.error();
    std::vector<Color> colours;
    for (const Pixel& pixel : image->pixels)
        colours.push_back(pixel.color);
    EXPECT_EQ(colours, (std::vector<Color>{blue, white, blue, white, blue, blue}));
}

TEST(ClipFormats, UncompressedFramesAreReadWhole) {
    // Odd widths show the row padding; each frame stands alone.
    IndexedImage first{5, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
    IndexedImage second = first;
    second.indices[7] = 200;
    IndexedImage third{5, 3, std::vector<std::uint8_t>(15, 9)};
    const std::vector<IndexedImage> frames{first, second, third};
    const auto file = pictures::encodeClipFile(frames, pictures::fullPalette(), 250000,
                                               pictures::FrameStorage::uncompressed);
    const auto clip = readClip(file);
    ASSERT_TRUE(clip) << clip.error();
    EXPECT_EQ(clip->microsecondsPerFrame, 250000u);
    EXPECT_EQ(clip->frames, frames);
}

}  // namespace
