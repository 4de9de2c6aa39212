#pragma once

#include <cstdint>

#include "ui/image/byte_reader.h"
#include "ui/image/image.h"
#include "ui/image/read_result.h"

// Device-independent bitmaps: the BMP file of the splash picture, the images
// inside an icon and the frame format of a clip all start with the same header.

namespace ui::image {

enum class Compression : std::uint32_t { none = 0, rle8 = 1 };

struct BitmapHeader {
    std::uint32_t headerSize = 0;  // 40 or a longer later version
    int width = 0;
    int height = 0;        // always positive; see topDown
    bool topDown = false;  // rows stored from the top (negative height)
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;

    // How many palette entries follow the header.
    int paletteSize() const;
    // Bytes of one stored row of uncompressed pixels, padded to four bytes.
    std::size_t stride() const;
};

// Reads the header at the reader's position and leaves the reader just past it.
// The height is taken as stored: an icon's image doubles it to hold its mask.
ReadResult<BitmapHeader> readBitmapHeader(ByteReader& reader);

// Reads count palette entries stored as blue, green, red, reserved.
ReadResult<Palette> readPalette(ByteReader& reader, int count);

// Unpacks uncompressed rows of 1, 4, 8, 24 or 32 bits into colours.
ReadResult<Image> unpackRows(Bytes bits, const BitmapHeader& header, const Palette& palette);

// A whole BMP file.
ReadResult<Image> readBitmapFile(Bytes file);

}  // namespace ui::image
