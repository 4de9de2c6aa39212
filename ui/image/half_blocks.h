#pragma once

#include <vector>

#include "ui/color.h"
#include "ui/geometry.h"
#include "ui/image/image.h"

// Pictures on a terminal: each cell shows two pixels, one above the other, as
// an upper half block drawn in the top colour on the bottom colour.

namespace ui::image {

struct HalfBlock {
    Color top;
    Color bottom;
    friend constexpr bool operator==(HalfBlock, HalfBlock) = default;
};

struct HalfBlockPicture {
    Size cells;
    std::vector<HalfBlock> blocks;  // row by row from the top

    const HalfBlock& at(int column, int row) const {
        return blocks[static_cast<std::size_t>(row) * cells.width + column];
    }
};

inline constexpr char32_t upperHalfBlock = U'\u2580';

// Scales the image to cells.width x (2 * cells.height) pixels, each one the mean
// of the image pixels it covers; where most of them are transparent, the
// background shows instead.
HalfBlockPicture toHalfBlocks(const Image& image, Size cells, Color background);

}  // namespace ui::image
