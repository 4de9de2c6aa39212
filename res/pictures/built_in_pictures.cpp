#include "res/pictures/built_in_pictures.h"

#include "res/pictures/pictures.h"
#include "ui/dialog_units.h"
#include "ui/image/bitmap.h"
#include "ui/image/icon.h"

namespace res {

namespace {

// The standard icon of a 256-colour screen.
constexpr ui::image::IconWish standardIcon{32, 8};

template <typename T, typename Read>
const T* decodedOnce(std::map<int, std::optional<T>>& cache, int resource, Read read) {
    auto found = cache.find(resource);
    if (found == cache.end()) {
        auto result = read(resource);
        std::optional<T> value;
        if (result)
            value = std::move(result).value();
        found = cache.emplace(resource, std::move(value)).first;
    }
    return found->second ? &*found->second : nullptr;
}

}  // namespace

void paintHalfBlocks(const ui::image::Image& image, ui::Canvas& canvas, ui::Rect cells) {
    if (cells.isEmpty())
        return;
    const ui::Color background = canvas.at(cells.origin()).bg;
    const ui::image::HalfBlockPicture shown =
        ui::image::toHalfBlocks(image, cells.size(), background);
    for (int row = 0; row < cells.height; ++row) {
        for (int column = 0; column < cells.width; ++column) {
            const ui::image::HalfBlock& block = shown.at(column, row);
            canvas.set({cells.x + column, cells.y + row},
                       ui::Cell{ui::image::upperHalfBlock, block.top, block.bottom});
        }
    }
}

const ui::image::Image* BuiltInPictures::bitmap(int resource) const {
    return decodedOnce(bitmaps_, resource,
                       [](int number) { return ui::image::readBitmapFile(res::bitmap(number)); });
}

const ui::image::Image* BuiltInPictures::icon(int resource) const {
    return decodedOnce(icons_, resource, [](int number) {
        return ui::image::readIcon(res::icon(number), standardIcon);
    });
}

const ui::image::Clip* BuiltInPictures::clip(int resource) const {
    return decodedOnce(clips_, resource,
                       [](int number) { return ui::image::readClip(res::clip(number)); });
}

std::optional<ui::Size> BuiltInPictures::bitmapCells(int resource) const {
    const ui::image::Image* image = bitmap(resource);
    if (image == nullptr)
        return std::nullopt;
    return ui::units::pictureCells(image->width, image->height);
}

std::optional<ui::Size> BuiltInPictures::bitmapPixels(int resource) const {
    const ui::image::Image* image = bitmap(resource);
    if (image == nullptr)
        return std::nullopt;
    return ui::Size{image->width, image->height};
}

bool BuiltInPictures::paintBitmap(int resource, ui::Canvas& canvas, ui::Rect cells) const {
    const ui::image::Image* image = bitmap(resource);
    if (image == nullptr)
        return false;
    paintHalfBlocks(*image, canvas, cells);
    return true;
}

bool BuiltInPictures::paintIcon(int resource, ui::Canvas& canvas, ui::Rect cells) const {
    const ui::image::Image* image = icon(resource);
    if (image == nullptr)
        return false;
    paintHalfBlocks(*image, canvas, cells);
    return true;
}

std::optional<ui::ClipInfo> BuiltInPictures::openClip(int resource) const {
    const ui::image::Clip* opened = clip(resource);
    if (opened == nullptr)
        return std::nullopt;
    return ui::ClipInfo{opened->frameCount(),
                        std::chrono::microseconds(opened->microsecondsPerFrame)};
}

bool BuiltInPictures::paintClipFrame(int resource, int frame, ui::Canvas& canvas,
                                     ui::Rect cells) const {
    const ui::image::Clip* opened = clip(resource);
    if (opened == nullptr || frame < 0 || frame >= opened->frameCount())
        return false;
    // Centred at its own size, not stretched; what does not fit is cut off.
    const ui::Size own = ui::units::pictureCells(opened->width, opened->height);
    const ui::Rect at{cells.x + (cells.width - own.width) / 2,
                      cells.y + (cells.height - own.height) / 2, own.width, own.height};
    const ui::Rect saved = canvas.clip();
    canvas.setClip(cells.intersected(saved));
    paintHalfBlocks(opened->frameImage(frame), canvas, at);
    canvas.setClip(saved);
    return true;
}

void installBuiltInPictures() {
    static BuiltInPictures pictures;
    ui::setPictureSource(&pictures);
}

}  // namespace res
