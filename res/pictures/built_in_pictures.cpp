#include "res/pictures/built_in_pictures.h"

#include "res/pictures/pictures.h"
#include "res/pictures/rendered_pictures.h"
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

const RenderedBitmap* renderedBitmap(int resource, std::optional<ui::Size> cells = {}) {
    for (const RenderedBitmap& rendered : renderedBitmaps())
        if (rendered.resource == resource && (!cells || rendered.cells == *cells))
            return &rendered;
    return nullptr;
}

const RenderedClip* renderedClip(int resource) {
    for (const RenderedClip& rendered : renderedClips())
        if (rendered.resource == resource)
            return &rendered;
    return nullptr;
}

// Blocks row by row, as many as the cells hold.
void paintBlocks(std::span<const ui::image::HalfBlock> blocks, ui::Canvas& canvas, ui::Rect cells) {
    for (int row = 0; row < cells.height; ++row) {
        for (int column = 0; column < cells.width; ++column) {
            const ui::image::HalfBlock& block =
                blocks[static_cast<std::size_t>(row) * cells.width + column];
            canvas.set({cells.x + column, cells.y + row},
                       ui::Cell{ui::image::upperHalfBlock, block.top, block.bottom});
        }
    }
}

}  // namespace

void paintHalfBlocks(const ui::image::Image& image, ui::Canvas& canvas, ui::Rect cells) {
    if (cells.isEmpty())
        return;
    const ui::Color background = canvas.at(cells.origin()).bg;
    paintBlocks(ui::image::toHalfBlocks(image, cells.size(), background).blocks, canvas, cells);
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
    if (const RenderedBitmap* rendered = renderedBitmap(resource))
        return ui::units::pictureCells(rendered->pixels.width, rendered->pixels.height);
    const ui::image::Image* image = bitmap(resource);
    if (image == nullptr)
        return std::nullopt;
    return ui::units::pictureCells(image->width, image->height);
}

std::optional<ui::Size> BuiltInPictures::bitmapPixels(int resource) const {
    if (const RenderedBitmap* rendered = renderedBitmap(resource))
        return rendered->pixels;
    const ui::image::Image* image = bitmap(resource);
    if (image == nullptr)
        return std::nullopt;
    return ui::Size{image->width, image->height};
}

bool BuiltInPictures::paintBitmap(int resource, ui::Canvas& canvas, ui::Rect cells) const {
    if (const RenderedBitmap* rendered = renderedBitmap(resource, cells.size())) {
        paintBlocks(rendered->blocks, canvas, cells);
        return true;
    }
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
    if (const RenderedClip* rendered = renderedClip(resource))
        return ui::ClipInfo{rendered->frameCount,
                            std::chrono::microseconds(rendered->microsecondsPerFrame)};
    const ui::image::Clip* opened = clip(resource);
    if (opened == nullptr)
        return std::nullopt;
    return ui::ClipInfo{opened->frameCount(),
                        std::chrono::microseconds(opened->microsecondsPerFrame)};
}

bool BuiltInPictures::paintClipFrame(int resource, int frame, ui::Canvas& canvas,
                                     ui::Rect cells) const {
    const RenderedClip* rendered = renderedClip(resource);
    const ui::image::Clip* opened = rendered == nullptr ? clip(resource) : nullptr;
    const int frameCount = rendered != nullptr ? rendered->frameCount
                           : opened != nullptr ? opened->frameCount()
                                               : 0;
    if (frame < 0 || frame >= frameCount)
        return false;
    // Centred at its own size, not stretched; what does not fit is cut off.
    const ui::Size own = rendered != nullptr
                             ? rendered->cells
                             : ui::units::pictureCells(opened->width, opened->height);
    const ui::Rect at{cells.x + (cells.width - own.width) / 2,
                      cells.y + (cells.height - own.height) / 2, own.width, own.height};
    const ui::Rect saved = canvas.clip();
    canvas.setClip(cells.intersected(saved));
    if (rendered != nullptr)
        paintBlocks(rendered->frame(frame), canvas, at);
    else
        paintHalfBlocks(opened->frameImage(frame), canvas, at);
    canvas.setClip(saved);
    return true;
}

void installBuiltInPictures() {
    static BuiltInPictures pictures;
    ui::setPictureSource(&pictures);
}

}  // namespace res
