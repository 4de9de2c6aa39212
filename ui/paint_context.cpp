#include "ui/paint_context.h"

#include "ui/dialog.h"
#include "ui/picture_source.h"

namespace ui {

namespace {

std::optional<PaintContext::DrawnIcon>& drawnIcon() {
    static std::optional<PaintContext::DrawnIcon> last;
    return last;
}

int cellX(int pixels) {
    return units::columnOf(units::unitsFromPixelsX(pixels));
}
int cellY(int pixels) {
    return units::rowOf(units::unitsFromPixelsY(pixels));
}

}  // namespace

PaintContext::PaintContext(Dialog& dialog) : dialog_(dialog), canvas_(dialog.paintCanvas_) {
    if (dialog.isMinimized()) {
        const Rect tile = dialog.minimizedRect();
        const Size client = units::pictureCells(minimizedClientPixels, minimizedClientPixels);
        cells_ = {tile.x + 1, tile.y, client.width, client.height};
        width_ = minimizedClientPixels;
        height_ = minimizedClientPixels;
    } else {
        cells_ = dialog.clientRect();
        width_ = cells_.width * units::unitsPerColumn * 3 / 2;
        height_ = cells_.height * units::unitsPerRow * 13 / 8;
    }
}

PaintContext::~PaintContext() = default;

void PaintContext::drawIcon(int x, int y, Icon icon) {
    drawnIcon() = DrawnIcon{x, y, icon};
    if (!canvas_ || !icon)
        return;
    const Size size = units::pictureCells(getSystemMetrics(SM_CXICON), getSystemMetrics(SM_CYICON));
    const Rect at{cells_.x + cellX(x), cells_.y + cellY(y), size.width, size.height};
    const Rect saved = canvas_->clip();
    canvas_->setClip(cells_.intersected(saved));
    if (!pictureSource().paintIcon(icon.resource, *canvas_, at))
        canvas_->fill(at, Cell{U'▒', palette::navy, palette::buttonFace});
    canvas_->setClip(saved);
}

void PaintContext::eraseBackground() {
    if (canvas_)
        canvas_->fill(cells_, Cell{U' ', palette::windowText, palette::desktop});
}

const std::optional<PaintContext::DrawnIcon>& PaintContext::lastDrawnIcon() {
    return drawnIcon();
}

}  // namespace ui
