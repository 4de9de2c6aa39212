#pragma once

#include <cstdint>
#include <vector>

#include "ui/color.h"

// Decoded pictures. An Image holds colours ready to show; an IndexedImage keeps
// the palette indices an animation's frames are built from.

namespace ui::image {

struct Pixel {
    Color color;
    bool opaque = true;  // false where an icon's mask lets the background through
    friend constexpr bool operator==(Pixel, Pixel) = default;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // row by row from the top

    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    friend bool operator==(const Image&, const Image&) = default;
};

using Palette = std::vector<Color>;

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // row by row from the top

    std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
    friend bool operator==(const IndexedImage&, const IndexedImage&) = default;
};

// The colour of a palette index; an index past the palette's end shows black.
inline Color paletteColor(const Palette& palette, std::uint8_t index) {
    return index < palette.size() ? palette[index] : Color{};
}

// Looks every index up in the palette.
Image withPalette(const IndexedImage& indexed, const Palette& palette);

// Largest picture any reader accepts, so a damaged header cannot ask for gigabytes.
inline constexpr int maximumSide = 4096;
inline constexpr long long maximumPixels = 2048LL * 2048LL;

}  // namespace ui::image
