#include "ui/image/bitmap.h"

#include <string>

#include "ui/image/rle8.h"

namespace ui::image {

namespace {

constexpr std::uint32_t smallestHeaderSize = 40;
constexpr std::uint32_t largestHeaderSize = 124;
constexpr int fileHeaderSize = 14;

constexpr bool isSupportedBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// The palette index of pixel x in a row of 1, 4 or 8 bits per pixel.
std::uint8_t indexInRow(Bytes row, int x, int bits) {
    const int perByte = 8 / bits;
    const auto byte = std::to_integer<std::uint8_t>(row[static_cast<std::size_t>(x / perByte)]);
    const int shift = 8 - bits * (x % perByte + 1);
    return static_cast<std::uint8_t>((byte >> shift) & ((1 << bits) - 1));
}

}  // namespace

int BitmapHeader::paletteSize() const {
    if (bitCount > 8)
        return 0;
    return colorsUsed == 0 ? 1 << bitCount : static_cast<int>(colorsUsed);
}

std::size_t BitmapHeader::stride() const {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

ReadResult<BitmapHeader> readBitmapHeader(ByteReader& reader) {
    const std::size_t start = reader.position();
    BitmapHeader header;
    const auto size = reader.u32();
    const auto width = reader.i32();
    const auto height = reader.i32();
    const auto planes = reader.u16();
    const auto bitCount = reader.u16();
    const auto compression = reader.u32();
    const auto imageSize = reader.u32();
    if (!size || !width || !height || !planes || !bitCount || !compression || !imageSize) {
        return fail("bitmap header cut short");
    }
    if (*size < smallestHeaderSize || *size > largestHeaderSize) {
        return fail("bitmap header of unknown size " + std::to_string(*size));
    }
    if (!reader.skip(8))
        return fail("bitmap header cut short");  // pixels per metre
    const auto colorsUsed = reader.u32();
    if (!colorsUsed || !reader.seek(start + *size))
        return fail("bitmap header cut short");

    if (*width <= 0 || *width > maximumSide || *height == 0 || *height < -maximumSide ||
        *height > 2 * maximumSide) {
        return fail("bitmap of impossible size " + std::to_string(*width) + " x " +
                    std::to_string(*height));
    }
    const long long storedHeight = *height < 0 ? -static_cast<long long>(*height) : *height;
    // An icon's stored height is twice its own, for the mask below the colours.
    if (static_cast<long long>(*width) * storedHeight > 2 * maximumPixels) {
        return fail("bitmap of " + std::to_string(*width) + " x " + std::to_string(storedHeight) +
                    " pixels, more than any picture shown");
    }
    if (!isSupportedBitCount(*bitCount)) {
        return fail("bitmap with " + std::to_string(*bitCount) + " bits per pixel");
    }
    if (*colorsUsed > 256 || (*bitCount <= 8 && *colorsUsed > (1u << *bitCount))) {
        return fail("bitmap palette of " + std::to_string(*colorsUsed) + " colours");
    }
    header.headerSize = *size;
    header.width = *width;
    header.height = *height < 0 ? -*height : *height;
    header.topDown = *height < 0;
    header.bitCount = *bitCount;
    header.compression = *compression;
    header.imageSize = *imageSize;
    header.colorsUsed = *colorsUsed;
    return header;
}

ReadResult<Palette> readPalette(ByteReader& reader, int count) {
    Palette palette;
    palette.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const auto blue = reader.u8();
        const auto green = reader.u8();
        const auto red = reader.u8();
        if (!blue || !green || !red || !reader.skip(1))
            return fail("palette cut short");
        palette.push_back({*red, *green, *blue});
    }
    return palette;
}

ReadResult<Image> unpackRows(Bytes bits, const BitmapHeader& header, const Palette& palette) {
    const std::size_t stride = header.stride();
    if (bits.size() / stride < static_cast<std::size_t>(header.height)) {
        return fail("bitmap pixels cut short");
    }
    Image image{header.width, header.height, {}};
    image.pixels.resize(static_cast<std::size_t>(header.width) * header.height);
    for (int stored = 0; stored < header.height; ++stored) {
        const Bytes row = bits.subspan(static_cast<std::size_t>(stored) * stride, stride);
        const int y = header.topDown ? stored : header.height - 1 - stored;
        for (int x = 0; x < header.width; ++x) {
            Color color;
            if (header.bitCount <= 8) {
                color = paletteColor(palette, indexInRow(row, x, header.bitCount));
            } else {
                const std::size_t at = static_cast<std::size_t>(x) * (header.bitCount / 8);
                color = {std::to_integer<std::uint8_t>(row[at + 2]),
                         std::to_integer<std::uint8_t>(row[at + 1]),
                         std::to_integer<std::uint8_t>(row[at])};
            }
            image.at(x, y) = {color, true};
        }
    }
    return image;
}

ReadResult<Image> readBitmapFile(Bytes file) {
    ByteReader reader(file);
    const auto magic = reader.u16();
    if (!magic || *magic != 0x4D42)
        return fail("not a BMP file");
    if (!reader.skip(8))
        return fail("BMP file header cut short");
    const auto pixelOffset = reader.u32();
    if (!pixelOffset)
        return fail("BMP file header cut short");

    auto header = readBitmapHeader(reader);
    if (!header)
        return fail(header.error());
    if (header->height > maximumSide ||
        static_cast<long long>(header->width) * header->height > maximumPixels) {
        return fail("bitmap larger than any picture shown");
    }
    auto palette = readPalette(reader, header->paletteSize());
    if (!palette)
        return fail(palette.error());

    if (*pixelOffset < fileHeaderSize + header->headerSize || *pixelOffset > file.size()) {
        return fail("BMP pixel offset " + std::to_string(*pixelOffset) + " outside the file");
    }
    const Bytes pixels = file.subspan(*pixelOffset);

    switch (static_cast<Compression>(header->compression)) {
        case Compression::none:
            return unpackRows(pixels, *header, *palette);
        case Compression::rle8: {
            if (header->bitCount != 8 || header->topDown)
                return fail("RLE8 bitmap of wrong shape");
            IndexedImage indexed{header->width, header->height, {}};
            indexed.indices.resize(static_cast<std::size_t>(header->width) * header->height);
            auto decoded = decodeRle8(pixels, indexed);
            if (!decoded)
                return fail(decoded.error());
            return withPalette(indexed, *palette);
        }
    }
    return fail("bitmap compression " + std::to_string(header->compression) + " not supported");
}

}  // namespace ui::image
