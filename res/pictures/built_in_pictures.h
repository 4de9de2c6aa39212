#pragma once

#include <map>
#include <optional>

#include "ui/image/clip.h"
#include "ui/image/half_blocks.h"
#include "ui/image/image.h"
#include "ui/picture_source.h"

// The toolkit's picture source for the pictures built into the program: the
// splash bitmap, the icon and the About clip, decoded on first use and painted
// as half-block cells. The program installs it once at start:
//
//     res::installBuiltInPictures();
//
// A resource that is missing or cannot be read paints nothing, so the toolkit
// falls back to its placeholder (the animation control stays empty).

namespace res {

class BuiltInPictures final : public ui::PictureSource {
  public:
    std::optional<ui::Size> bitmapCells(int resource) const override;
    std::optional<ui::Size> bitmapPixels(int resource) const override;
    bool paintBitmap(int resource, ui::Canvas& canvas, ui::Rect cells) const override;
    bool paintIcon(int resource, ui::Canvas& canvas, ui::Rect cells) const override;
    std::optional<ui::ClipInfo> openClip(int resource) const override;
    bool paintClipFrame(int resource, int frame, ui::Canvas& canvas, ui::Rect cells) const override;

  private:
    const ui::image::Image* bitmap(int resource) const;
    const ui::image::Image* icon(int resource) const;
    const ui::image::Clip* clip(int resource) const;

    // Decoded once; nothing stored for a resource that could not be read.
    mutable std::map<int, std::optional<ui::image::Image>> bitmaps_;
    mutable std::map<int, std::optional<ui::image::Image>> icons_;
    mutable std::map<int, std::optional<ui::image::Clip>> clips_;
};

// Makes the built-in pictures the toolkit's picture source for the rest of the run.
void installBuiltInPictures();

// Paints a picture scaled to the cells given, as upper half blocks; pixels an
// icon leaves transparent show the background already in the canvas.
void paintHalfBlocks(const ui::image::Image& image, ui::Canvas& canvas, ui::Rect cells);

}  // namespace res
