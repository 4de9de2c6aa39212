#pragma once

#include <cstdint>
#include <vector>

#include "ui/image/image.h"

// The product's pictures, drawn in code: a compass rose whose red needle points
// the way, beside the name in block letters. All of them are drawn on the
// blocks their terminal cells show, so they stay bold at that size.

namespace pictures {

// Bitmap 215, the splash: 280 x 140 in the full palette.
ui::image::IndexedImage splashPicture();

// One image of icon 128 with its palette depth and the pixels left transparent.
struct IconPicture {
    int bitCount = 8;
    ui::image::IndexedImage colours;  // indices into the palette of that depth
    std::vector<bool> transparent;    // row by row from the top
};

// The images of icon 128 in directory order: 16 x 16 in 16 colours, 32 x 32 in
// 2, 16 and 256 colours, 48 x 48 in 256 colours.
std::vector<IconPicture> iconPictures();

// Clip 202: eight frames of 142 x 64 in the full palette. The needle turns an
// eighth of a circle a frame while arrows run out of the rose.
std::vector<ui::image::IndexedImage> logoFrames();
inline constexpr std::uint32_t logoMicrosecondsPerFrame = 500000;

}  // namespace pictures
