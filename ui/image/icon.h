#pragma once

#include <vector>

#include "ui/image/byte_reader.h"
#include "ui/image/image.h"
#include "ui/image/read_result.h"

// Icon files: a directory of images of several sizes and colour depths, each a
// bitmap of colours followed by a one-bit mask of the pixels left transparent.

namespace ui::image {

struct IconEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;  // colour depth: 1, 4, 8, ...
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
    friend constexpr bool operator==(const IconEntry&, const IconEntry&) = default;
};

ReadResult<std::vector<IconEntry>> readIconDirectory(Bytes file);

// What a caller would like to show.
struct IconWish {
    int size = 32;
    int bitCount = 8;
};

// The entry that fits a wish best: the nearest size, preferring a larger one
// that can be scaled down to a smaller one; among those, the deepest colours
// not beyond the wish, else the shallowest beyond it.
const IconEntry* chooseIconEntry(const std::vector<IconEntry>& entries, IconWish wish);

// Decodes one image of the file with its mask applied.
ReadResult<Image> readIconImage(Bytes file, const IconEntry& entry);

// Reads the directory and decodes the entry that fits the wish.
ReadResult<Image> readIcon(Bytes file, IconWish wish);

}  // namespace ui::image
