#include "ui/image/icon.h"

#include <cstdlib>
#include <string>
#include <tuple>

#include "ui/image/bitmap.h"

namespace ui::image {

namespace {

constexpr std::uint16_t iconType = 1;
constexpr int directoryHeaderSize = 6;
constexpr int entrySize = 16;

// Smaller is better. A size below the wish is worse than any above it, since a
// larger picture scales down cleanly and a smaller one only grows blocky.
std::tuple<int, int, int> fitScore(const IconEntry& entry, IconWish wish) {
    const int side = entry.width > entry.height ? entry.width : entry.height;
    const int sizeMiss = side >= wish.size ? side - wish.size : 100000 + wish.size - side;
    const bool tooDeep = entry.bitCount > wish.bitCount;
    const int depthMiss = tooDeep ? entry.bitCount : -entry.bitCount;
    return {sizeMiss, tooDeep ? 1 : 0, depthMiss};
}

bool maskBitSet(Bytes row, int x) {
    const auto byte = std::to_integer<std::uint8_t>(row[static_cast<std::size_t>(x / 8)]);
    return ((byte >> (7 - x % 8)) & 1) != 0;
}

}  // namespace

ReadResult<std::vector<IconEntry>> readIconDirectory(Bytes file) {
    ByteReader reader(file);
    const auto reserved = reader.u16();
    const auto type = reader.u16();
    const auto count = reader.u16();
    if (!reserved || !type || !count)
        return fail("icon directory cut short");
    if (*reserved != 0 || *type != iconType)
        return fail("not an icon file");
    if (*count == 0)
        return fail("icon file without images");
    if (reader.remaining() / entrySize < *count)
        return fail("icon directory cut short");

    std::vector<IconEntry> entries;
    for (int i = 0; i < *count; ++i) {
        const int width = *reader.u8();
        const int height = *reader.u8();
        reader.skip(4);  // colour count, reserved, planes: the image's own header says more
        const int bitCount = *reader.u16();
        const std::uint32_t size = *reader.u32();
        const std::uint32_t offset = *reader.u32();
        if (offset < directoryHeaderSize + static_cast<std::uint32_t>(*count) * entrySize ||
            offset > file.size() || size > file.size() - offset) {
            return fail("icon image " + std::to_string(i) + " lies outside the file");
        }
        // A side of 0 stands for 256.
        entries.push_back(
            {width == 0 ? 256 : width, height == 0 ? 256 : height, bitCount, size, offset});
    }
    return entries;
}

const IconEntry* chooseIconEntry(const std::vector<IconEntry>& entries, IconWish wish) {
    const IconEntry* best = nullptr;
    for (const IconEntry& entry : entries) {
        if (best == nullptr || fitScore(entry, wish) < fitScore(*best, wish))
            best = &entry;
    }
    return best;
}

ReadResult<Image> readIconImage(Bytes file, const IconEntry& entry) {
    if (entry.offset > file.size() || entry.size > file.size() - entry.offset) {
        return fail("icon image lies outside the file");
    }
    const Bytes data = file.subspan(entry.offset, entry.size);
    ByteReader reader(data);
    auto header = readBitmapHeader(reader);
    if (!header)
        return fail(header.error());
    if (header->topDown || header->height % 2 != 0 || header->compression != 0) {
        return fail("icon image of unusual shape");
    }
    // The stored height covers the colours and the mask stacked on each other.
    BitmapHeader colours = *header;
    colours.height = header->height / 2;
    auto palette = readPalette(reader, colours.paletteSize());
    if (!palette)
        return fail(palette.error());

    const Bytes rest = data.subspan(reader.position());
    const std::size_t colourBytes = colours.stride() * colours.height;
    if (rest.size() < colourBytes)
        return fail("icon colours cut short");
    auto image = unpackRows(rest.first(colourBytes), colours, *palette);
    if (!image)
        return image;

    BitmapHeader mask = colours;
    mask.bitCount = 1;
    const std::size_t maskStride = mask.stride();
    const Bytes maskBits = rest.subspan(colourBytes);
    if (maskBits.size() / maskStride < static_cast<std::size_t>(mask.height)) {
        return fail("icon mask cut short");
    }
    Image result = std::move(image).value();
    for (int stored = 0; stored < mask.height; ++stored) {
        const Bytes row =
            maskBits.subspan(static_cast<std::size_t>(stored) * maskStride, maskStride);
        const int y = mask.height - 1 - stored;
        for (int x = 0; x < mask.width; ++x) {
            if (maskBitSet(row, x))
                result.at(x, y).opaque = false;
        }
    }
    return result;
}

ReadResult<Image> readIcon(Bytes file, IconWish wish) {
    auto entries = readIconDirectory(file);
    if (!entries)
        return fail(entries.error());
    return readIconImage(file, *chooseIconEntry(*entries, wish));
}

}  // namespace ui::image
