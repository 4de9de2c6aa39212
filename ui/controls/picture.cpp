#include "ui/controls/picture.h"

#include <string>

#include "ui/cp1252.h"
#include "ui/picture_source.h"

namespace ui {

Rect Picture::pictureRect() const {
    if (!isIcon()) {
        if (const std::optional<Size> pixels = pictureSource().bitmapPixels(resource())) {
            const units::UnitRect at = source().rect;
            const Rect own = units::toCells({at.x, at.y, units::unitsFromPixelsX(pixels->width),
                                             units::unitsFromPixelsY(pixels->height)});
            return {rect().x, rect().y, own.width, own.height};
        }
    }
    const Size own = isIcon() ? units::pictureCells(32, 32)
                              : pictureSource().bitmapCells(resource()).value_or(rect().size());
    return {rect().x, rect().y, own.width, own.height};
}

void Picture::paint(Canvas& canvas, Point origin, const PaintState&) const {
    const Rect r = pictureRect().translated(origin.x, origin.y);
    const bool painted = isIcon() ? pictureSource().paintIcon(resource(), canvas, r)
                                  : pictureSource().paintBitmap(resource(), canvas, r);
    if (painted)
        return;
    canvas.fill(r, Cell{U'░', palette::buttonShadow, palette::buttonFace});
    const std::string name = (isIcon() ? "icon " : "bitmap ") + std::to_string(resource());
    const Rect saved = canvas.clip();
    canvas.setClip(r.intersected(saved));
    canvas.text({r.x, r.y}, cp1252::toUnicode(name), palette::windowText, palette::buttonFace);
    canvas.setClip(saved);
}

}  // namespace ui
