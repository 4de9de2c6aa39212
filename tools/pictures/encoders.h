#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/pictures/artwork.h"
#include "ui/image/image.h"

// Writers of the three picture files, byte for byte as the readers expect them.

namespace pictures {

using ByteBuffer = std::vector<std::byte>;

// An uncompressed 8-bit BMP file.
ByteBuffer encodeBitmapFile(const ui::image::IndexedImage& image,
                            const ui::image::Palette& palette);

// An icon file holding the images in the order given.
ByteBuffer encodeIconFile(const std::vector<IconPicture>& images);

// RLE8 data painting the whole frame (a key frame) ...
ByteBuffer encodeRle8Key(const ui::image::IndexedImage& frame);
// ... or only the pixels that differ from the frame before (a change frame).
ByteBuffer encodeRle8Change(const ui::image::IndexedImage& before,
                            const ui::image::IndexedImage& frame);

// How the frames of a clip are stored.
enum class FrameStorage {
    rle8,          // a key frame, then only the changes against the frame before
    uncompressed,  // every frame whole, as rows of indices
};

// An AVI file with one 8-bit video stream and an index.
ByteBuffer encodeClipFile(const std::vector<ui::image::IndexedImage>& frames,
                          const ui::image::Palette& palette, std::uint32_t microsecondsPerFrame,
                          FrameStorage storage = FrameStorage::rle8);

}  // namespace pictures
