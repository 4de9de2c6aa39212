#include "ui/image/half_blocks.h"

#include <algorithm>

namespace ui::image {

namespace {

// Source pixels [first, last) that target pixel i of count covers along a side of length.
struct Span {
    int first = 0;
    int last = 0;
};

Span coveredBy(int i, int count, int length) {
    const int first = static_cast<int>(static_cast<long long>(i) * length / count);
    const int last = static_cast<int>((static_cast<long long>(i) + 1) * length / count);
    return {first, std::max(last, first + 1)};
}

Color meanOver(const Image& image, Span xs, Span ys, Color background) {
    long long red = 0, green = 0, blue = 0;
    int opaque = 0;
    int total = 0;
    for (int y = ys.first; y < ys.last; ++y) {
        for (int x = xs.first; x < xs.last; ++x) {
            ++total;
            const Pixel& pixel = image.at(x, y);
            if (!pixel.opaque)
                continue;
            ++opaque;
            red += pixel.color.r;
            green += pixel.color.g;
            blue += pixel.color.b;
        }
    }
    if (opaque * 2 < total || opaque == 0)
        return background;
    auto mean = [opaque](long long sum) {
        return static_cast<std::uint8_t>((sum + opaque / 2) / opaque);
    };
    return {mean(red), mean(green), mean(blue)};
}

}  // namespace

HalfBlockPicture toHalfBlocks(const Image& image, Size cells, Color background) {
    HalfBlockPicture picture{cells, {}};
    if (cells.width <= 0 || cells.height <= 0)
        return {{0, 0}, {}};
    picture.blocks.assign(static_cast<std::size_t>(cells.width) * cells.height,
                          HalfBlock{background, background});
    if (image.width <= 0 || image.height <= 0)
        return picture;

    const int pixelRows = cells.height * 2;
    for (int row = 0; row < cells.height; ++row) {
        const Span top = coveredBy(row * 2, pixelRows, image.height);
        const Span bottom = coveredBy(row * 2 + 1, pixelRows, image.height);
        for (int column = 0; column < cells.width; ++column) {
            const Span xs = coveredBy(column, cells.width, image.width);
            picture.blocks[static_cast<std::size_t>(row) * cells.width + column] = {
                meanOver(image, xs, top, background), meanOver(image, xs, bottom, background)};
        }
    }
    return picture;
}

}  // namespace ui::image
