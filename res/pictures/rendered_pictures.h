#pragma once

#include <cstdint>
#include <span>

#include "ui/geometry.h"
#include "ui/image/half_blocks.h"

// The splash bitmap and the About clip as the terminal shows them, scaled to
// half blocks when the program is built (navisift-render-pictures writes the
// tables), so that a start does not decode and scale them again. The bitmap
// is rendered at the size of every place a dialog template shows it; the clip
// at its own size, frame by frame. A picture that cannot be read has no
// rendering, and the readers are asked at run time as before.

namespace res {

struct RenderedBitmap {
    int resource = 0;
    ui::Size pixels;                               // the bitmap's own size
    ui::Size cells;                                // the cells of this rendering
    std::span<const ui::image::HalfBlock> blocks;  // row by row from the top
};

struct RenderedClip {
    int resource = 0;
    ui::Size pixels;  // the clip's own size
    ui::Size cells;   // its own size in cells
    std::uint32_t microsecondsPerFrame = 0;
    int frameCount = 0;
    std::span<const ui::image::HalfBlock> blocks;  // frame after frame, each row by row

    std::span<const ui::image::HalfBlock> frame(int index) const {
        const auto perFrame = static_cast<std::size_t>(cells.width) * cells.height;
        return blocks.subspan(static_cast<std::size_t>(index) * perFrame, perFrame);
    }
};

std::span<const RenderedBitmap> renderedBitmaps();
std::span<const RenderedClip> renderedClips();

}  // namespace res
