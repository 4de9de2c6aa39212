#pragma once

#include <chrono>
#include <optional>

#include "ui/canvas.h"

// Where the pictures of static pictures, icons and the animation control come
// from. The toolkit paints placeholders until a source is installed; the
// picture readers provide the real one.

namespace ui {

struct ClipInfo {
    int frameCount = 0;
    std::chrono::microseconds frameDuration{0};
};

class PictureSource {
  public:
    virtual ~PictureSource() = default;

    // A bitmap's own size in cells, if the resource exists.
    virtual std::optional<Size> bitmapCells(int /*resource*/) const { return std::nullopt; }
    // A bitmap's own size in pixels, if the resource exists. The picture control
    // measures it in dialog units from its own place, so that a bitmap as large as
    // its frame fills the frame's cells exactly.
    virtual std::optional<Size> bitmapPixels(int /*resource*/) const { return std::nullopt; }
    // Each paint returns false when it cannot paint; the placeholder is drawn then.
    virtual bool paintBitmap(int /*resource*/, Canvas&, Rect /*cells*/) const { return false; }
    virtual bool paintIcon(int /*resource*/, Canvas&, Rect /*cells*/) const { return false; }
    // A clip the animation control can play, if the resource holds one.
    virtual std::optional<ClipInfo> openClip(int /*resource*/) const { return std::nullopt; }
    virtual bool paintClipFrame(int /*resource*/, int /*frame*/, Canvas&, Rect /*cells*/) const {
        return false;
    }
};

// The installed source (a source that paints nothing until one is set).
PictureSource& pictureSource();
void setPictureSource(PictureSource* source);

}  // namespace ui
