#include "ui/image/rle8.h"

#include <string>

namespace ui::image {

namespace {

enum Escape : std::uint8_t { endOfLine = 0, endOfBitmap = 1, delta = 2 };

// Where the next pixel goes, counted as stored: row 0 is the bottom row.
struct Cursor {
    int x = 0;
    int row = 0;
};

ReadError failAt(const Cursor& at, std::string_view what) {
    return fail("RLE8 " + std::string(what) + " at pixel " + std::to_string(at.x) + " of row " +
                std::to_string(at.row));
}

}  // namespace

ReadResult<Rle8Done> decodeRle8(Bytes data, IndexedImage& target) {
    const int width = target.width;
    const int height = target.height;
    if (width < 0 || height < 0 ||
        target.indices.size() !=
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return fail("RLE8 target has no room for its pixels");
    }
    auto put = [&](const Cursor& at, std::uint8_t index) {
        const int y = height - 1 - at.row;
        target.indices[static_cast<std::size_t>(y) * width + at.x] = index;
    };

    ByteReader reader(data);
    Cursor at;
    while (!reader.atEnd()) {
        const auto count = reader.u8();
        const auto second = reader.u8();
        if (!count || !second)
            return failAt(at, "code cut short");

        if (*count > 0) {
            if (at.row >= height || at.x + *count > width)
                return failAt(at, "run past the line");
            for (int i = 0; i < *count; ++i, ++at.x)
                put(at, *second);
            continue;
        }
        switch (*second) {
            case endOfLine:
                at = {0, at.row + 1};
                break;
            case endOfBitmap:
                return Rle8Done{};
            case delta: {
                const auto right = reader.u8();
                const auto up = reader.u8();
                if (!right || !up)
                    return failAt(at, "move cut short");
                at = {at.x + *right, at.row + *up};
                // A move may end just past the last pixel of a line, never beyond.
                if (at.x > width || at.row > height || (at.row == height && at.x > 0)) {
                    return failAt(at, "move out of the bitmap");
                }
                break;
            }
            default: {
                const int literal = *second;
                if (at.row >= height || at.x + literal > width) {
                    return failAt(at, "literal run past the line");
                }
                const auto indices = reader.take(static_cast<std::size_t>(literal));
                if (!indices)
                    return failAt(at, "literal run cut short");
                for (std::byte index : *indices) {
                    put(at, std::to_integer<std::uint8_t>(index));
                    ++at.x;
                }
                if (literal % 2 == 1 && !reader.skip(1))
                    return failAt(at, "literal padding missing");
                break;
            }
        }
        if (at.row > height)
            return failAt(at, "line past the bitmap");
    }
    return Rle8Done{};
}

}  // namespace ui::image
