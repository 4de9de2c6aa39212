#include "ui/image/image.h"

namespace ui::image {

Image withPalette(const IndexedImage& indexed, const Palette& palette) {
    Image image{indexed.width, indexed.height, {}};
    image.pixels.reserve(indexed.indices.size());
    for (std::uint8_t index : indexed.indices)
        image.pixels.push_back({paletteColor(palette, index)});
    return image;
}

}  // namespace ui::image
