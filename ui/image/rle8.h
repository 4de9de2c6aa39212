#pragma once

#include "ui/image/byte_reader.h"
#include "ui/image/image.h"
#include "ui/image/read_result.h"

// Run-length encoded 8-bit pixels. Rows are stored from the bottom. A code is
// either a run (count, index) or an escape (0, n): 0 ends the line, 1 ends the
// bitmap, 2 moves right and up by the next two bytes, 3 and more copy n indices
// that follow, padded to an even length. Pixels the codes never reach keep what
// the target held, which is how a frame is painted over the one before.

namespace ui::image {

struct Rle8Done {};

// Decodes into target, whose width and height give the bitmap's size. Fails on a
// run past the end of a line, a move out of the bitmap or data that ends inside
// a code; data that ends between codes is taken as the end of the bitmap.
ReadResult<Rle8Done> decodeRle8(Bytes data, IndexedImage& target);

}  // namespace ui::image
