// RLE8 decoding, code by code, and the generator's encoder against the decoder.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tools/pictures/encoders.h"
#include "ui/image/rle8.h"

namespace {

using namespace ui::image;

std::vector<std::byte> bytes(std::initializer_list<int> values) {
    std::vector<std::byte> out;
    for (int v : values)
        out.push_back(static_cast<std::byte>(v));
    return out;
}

// A 4 x 2 picture filled with 9, written as text rows from the top.
IndexedImage canvas() {
    return {4, 2, std::vector<std::uint8_t>(8, 9)};
}

struct DecodeCase {
    const char* name;
    std::vector<std::byte> data;
    std::vector<std::uint8_t> expected;  // empty: decoding fails
};

TEST(Rle8Decoding, FollowsEveryCodeAndRefusesWhatLeavesTheBitmap) {
    // Rows are stored from the bottom: the first row decoded is the lower one.
    const std::vector<DecodeCase> cases{
        {"run fills the bottom row", bytes({4, 1, 0, 1}), {9, 9, 9, 9, 1, 1, 1, 1}},
        {"end of line moves up", bytes({2, 1, 0, 0, 3, 2, 0, 1}), {2, 2, 2, 9, 1, 1, 9, 9}},
        {"delta skips pixels, keeping them",
         bytes({0, 2, 1, 1, 2, 5, 0, 1}),
         {9, 5, 5, 9, 9, 9, 9, 9}},
        {"literal run, odd length padded",
         bytes({0, 3, 7, 8, 6, 0, 1, 4, 0, 1}),
         {9, 9, 9, 9, 7, 8, 6, 4}},
        {"literal run of even length", bytes({0, 4, 1, 2, 3, 4, 0, 1}), {9, 9, 9, 9, 1, 2, 3, 4}},
        {"end of bitmap stops early", bytes({1, 3, 0, 1, 4, 4}), {9, 9, 9, 9, 3, 9, 9, 9}},
        {"data may end between codes", bytes({2, 3}), {9, 9, 9, 9, 3, 3, 9, 9}},
        {"end of line after the last row", bytes({0, 0, 0, 0, 0, 1}), {9, 9, 9, 9, 9, 9, 9, 9}},
        {"delta to the end of a line", bytes({0, 2, 4, 0, 0, 1}), {9, 9, 9, 9, 9, 9, 9, 9}},
        {"run past the line", bytes({5, 1, 0, 1}), {}},
        {"run after a delta past the line", bytes({0, 2, 3, 0, 2, 1}), {}},
        {"literal past the line", bytes({0, 5, 1, 2, 3, 4, 5, 0}), {}},
        {"delta out of the bitmap", bytes({0, 2, 0, 3}), {}},
        {"delta beyond the line's end", bytes({0, 2, 5, 0}), {}},
        {"run above the last row", bytes({0, 0, 0, 0, 1, 1}), {}},
        {"one line too many", bytes({0, 0, 0, 0, 0, 0}), {}},
        {"code cut short", bytes({4}), {}},
        {"delta cut short", bytes({0, 2, 1}), {}},
        {"literal cut short", bytes({0, 4, 1, 2}), {}},
        {"literal padding missing", bytes({0, 3, 1, 2, 3}), {}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        IndexedImage target = canvas();
        const auto result = decodeRle8(c.data, target);
        if (c.expected.empty()) {
            EXPECT_FALSE(result);
            EXPECT_FALSE(result.error().empty());
        } else {
            ASSERT_TRUE(result) << result.error();
            EXPECT_EQ(target.indices, c.expected);
        }
    }
}

TEST(Rle8Decoding, RefusesATargetWithoutRoom) {
    IndexedImage target{4, 2, std::vector<std::uint8_t>(3)};
    EXPECT_FALSE(decodeRle8(bytes({0, 1}), target));
}

IndexedImage randomPicture(std::mt19937& random, int width, int height, int colours) {
    IndexedImage image{width, height, {}};
    std::uniform_int_distribution<int> colour(0, colours - 1);
    std::uniform_int_distribution<int> stretch(1, 12);
    // Stretches of one colour, so that runs and literals both occur.
    const std::size_t total = static_cast<std::size_t>(width) * height;
    while (image.indices.size() < total) {
        const auto value = static_cast<std::uint8_t>(colour(random));
        const std::size_t length = static_cast<std::size_t>(stretch(random));
        image.indices.insert(image.indices.end(), std::min(length, total - image.indices.size()),
                             value);
    }
    return image;
}

IndexedImage changedPicture(std::mt19937& random, IndexedImage picture) {
    std::uniform_int_distribution<std::size_t> at(0, picture.indices.size() - 1);
    std::uniform_int_distribution<int> colour(0, 255);
    for (int n = 0; n < 40; ++n)
        picture.indices[at(random)] = static_cast<std::uint8_t>(colour(random));
    return picture;
}

TEST(Rle8Encoding, KeyAndChangeFramesDecodeToTheFramesEncoded) {
    struct Shape {
        int width;
        int height;
        int colours;
    };
    // Widths past 255 need runs and moves split; one row and one column are edges.
    const Shape shapes[] = {{142, 64, 4}, {300, 3, 2}, {1, 9, 3}, {17, 1, 256}, {520, 2, 1}};
    std::mt19937 random(202);
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(testing::Message() << shape.width << " x " << shape.height);
        const IndexedImage first = randomPicture(random, shape.width, shape.height, shape.colours);
        const IndexedImage second = changedPicture(random, first);

        IndexedImage decoded{shape.width, shape.height,
                             std::vector<std::uint8_t>(first.indices.size(), 0)};
        ASSERT_TRUE(decodeRle8(pictures::encodeRle8Key(first), decoded));
        EXPECT_EQ(decoded, first);
        ASSERT_TRUE(decodeRle8(pictures::encodeRle8Change(first, second), decoded));
        EXPECT_EQ(decoded, second);
        ASSERT_TRUE(decodeRle8(pictures::encodeRle8Change(second, second), decoded));
        EXPECT_EQ(decoded, second);
    }
}

}  // namespace
