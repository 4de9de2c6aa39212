#pragma once

#include "ui/canvas.h"
#include "ui/icon.h"
#include "ui/messages.h"

// The device context of a minimised dialog's WM_PAINT: begin painting when it
// is made, end painting when it goes. Its coordinates are pixels of the icon
// tile (36 x 36), so that the usual centring arithmetic on SM_CXICON and
// SM_CYICON holds.

namespace ui {

class Dialog;

class PaintContext {
  public:
    explicit PaintContext(Dialog& dialog);  // begin painting
    ~PaintContext();                        // end painting
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    // The client rectangle, in pixels; {0, 0, width, height}.
    Rect clientRect() const { return {0, 0, width_, height_}; }
    // Draws an icon with its top-left corner at (x, y) pixels.
    void drawIcon(int x, int y, Icon icon);
    // Clears the tile to its background.
    void eraseBackground();

    // As WM_ICONERASEBKGND's wParam.
    WParam handle() const { return reinterpret_cast<WParam>(this); }

    // What the context has drawn, for tests: the last icon and its place.
    struct DrawnIcon {
        int x = 0;
        int y = 0;
        Icon icon;
    };
    static const std::optional<DrawnIcon>& lastDrawnIcon();

  private:
    Dialog& dialog_;
    Canvas* canvas_;
    Rect cells_;
    int width_;
    int height_;
};

// The client size of a minimised dialog's tile, in pixels.
inline constexpr int minimizedClientPixels = 36;

}  // namespace ui
