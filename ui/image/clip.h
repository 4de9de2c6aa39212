#pragma once

#include <cstdint>
#include <vector>

#include "ui/image/byte_reader.h"
#include "ui/image/image.h"
#include "ui/image/read_result.h"

// AVI clips of the kind an animation control plays: one video stream and no
// sound, 8 bits per pixel with a palette, frames stored uncompressed or as RLE8,
// each frame painted over the one before it.

namespace ui::image {

struct Clip {
    int width = 0;
    int height = 0;
    std::uint32_t microsecondsPerFrame = 0;
    Palette palette;
    std::vector<IndexedImage> frames;  // fully painted, in playing order

    int frameCount() const { return static_cast<int>(frames.size()); }
    Image frameImage(int frame) const { return withPalette(frames.at(frame), palette); }
};

// Reads and decodes the whole clip. The frames are found through the index when
// it points at them, else by walking the movie list.
ReadResult<Clip> readClip(Bytes file);

// All frames together may take no more than this, however many a file declares.
inline constexpr std::size_t maximumClipBytes = 32u << 20;

}  // namespace ui::image
