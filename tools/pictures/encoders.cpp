#include "tools/pictures/encoders.h"

#include <algorithm>

#include "tools/pictures/byte_writer.h"
#include "tools/pictures/palettes.h"

namespace pictures {

namespace {

using ui::image::IndexedImage;
using ui::image::Palette;

constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t pixelsPerMetre = 2835;  // 72 dots per inch
constexpr std::uint32_t rle8 = 1;

std::size_t strideOf(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

void writeInfoHeader(ByteWriter& out, int width, int storedHeight, int bitCount,
                     std::uint32_t compression, std::uint32_t imageSize, std::uint32_t colours) {
    out.u32(infoHeaderSize);
    out.i32(width);
    out.i32(storedHeight);
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(bitCount));
    out.u32(compression);
    out.u32(imageSize);
    out.u32(pixelsPerMetre);
    out.u32(pixelsPerMetre);
    out.u32(colours);
    out.u32(0);
}

void writePalette(ByteWriter& out, const Palette& palette) {
    for (const ui::Color& colour : palette) {
        out.u8(colour.b);
        out.u8(colour.g);
        out.u8(colour.r);
        out.u8(0);
    }
}

// Rows from the bottom, bitCount bits a pixel from the left, each row padded.
void writeRows(ByteWriter& out, int width, int height, int bitCount, auto valueAt) {
    const std::size_t stride = strideOf(width, bitCount);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const int bit = x * bitCount;
            const int shift = 8 - bitCount - bit % 8;
            row[static_cast<std::size_t>(bit / 8)] |=
                static_cast<std::uint8_t>(valueAt(x, y) << shift);
        }
        for (std::uint8_t byte : row)
            out.u8(byte);
    }
}

// RLE8 of one stored row's pixels [from, to): runs of three or more alike as
// runs, the rest as literal stretches of three or more, or as short runs.
void encodeStretch(ByteWriter& out, const std::vector<std::uint8_t>& row, int from, int to) {
    int x = from;
    auto runAt = [&](int at) {
        int length = 1;
        while (at + length < to && length < 255 && row[at + length] == row[at])
            ++length;
        return length;
    };
    while (x < to) {
        const int run = runAt(x);
        if (run >= 3) {
            out.u8(static_cast<std::uint32_t>(run));
            out.u8(row[x]);
            x += run;
            continue;
        }
        int end = x;
        while (end < to && end - x < 255 && runAt(end) < 3)
            ++end;
        const int literal = end - x;
        if (literal < 3) {
            for (; x < end; ++x) {
                out.u8(1);
                out.u8(row[x]);
            }
            continue;
        }
        out.u8(0);
        out.u8(static_cast<std::uint32_t>(literal));
        for (; x < end; ++x)
            out.u8(row[x]);
        if (literal % 2 == 1)
            out.u8(0);
    }
}

std::vector<std::uint8_t> storedRow(const IndexedImage& image, int storedRow) {
    const int y = image.height - 1 - storedRow;
    const auto first = image.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    return {first, first + image.width};
}

// Moves the RLE8 cursor from (x, row) to (toX, toRow), which lies ahead of it.
void moveTo(ByteWriter& out, int& x, int& row, int toX, int toRow) {
    if (toX < x) {
        out.u8(0);
        out.u8(0);  // end of line
        x = 0;
        ++row;
    }
    while (x != toX || row != toRow) {
        const int right = std::min(toX - x, 255);
        const int up = std::min(toRow - row, 255);
        out.u8(0);
        out.u8(2);
        out.u8(static_cast<std::uint32_t>(right));
        out.u8(static_cast<std::uint32_t>(up));
        x += right;
        row += up;
    }
}

// Changed pixels closer than this are sent together with the unchanged ones between.
constexpr int smallestWorthwhileGap = 4;

}  // namespace

ByteBuffer encodeBitmapFile(const IndexedImage& image, const Palette& palette) {
    ByteWriter out;
    const auto imageSize = static_cast<std::uint32_t>(strideOf(image.width, 8) * image.height);
    const auto paletteBytes = static_cast<std::uint32_t>(palette.size() * 4);
    const std::uint32_t pixelOffset = fileHeaderSize + infoHeaderSize + paletteBytes;
    out.u16(0x4D42);  // "BM"
    out.u32(pixelOffset + imageSize);
    out.u32(0);
    out.u32(pixelOffset);
    writeInfoHeader(out, image.width, image.height, 8, 0, imageSize,
                    static_cast<std::uint32_t>(palette.size()));
    writePalette(out, palette);
    writeRows(out, image.width, image.height, 8, [&](int x, int y) { return image.at(x, y); });
    return std::move(out.bytes());
}

ByteBuffer encodeIconFile(const std::vector<IconPicture>& images) {
    std::vector<ByteBuffer> bodies;
    for (const IconPicture& icon : images) {
        const IndexedImage& colours = icon.colours;
        const Palette palette = icon.bitCount == 1   ? twoColours()
                                : icon.bitCount == 4 ? sixteenColours()
                                                     : fullPalette();
        const std::size_t maskSize = strideOf(colours.width, 1) * colours.height;
        const std::size_t colourSize = strideOf(colours.width, icon.bitCount) * colours.height;
        ByteWriter body;
        writeInfoHeader(body, colours.width, colours.height * 2, icon.bitCount, 0,
                        static_cast<std::uint32_t>(colourSize + maskSize), 0);
        writePalette(body, palette);
        writeRows(body, colours.width, colours.height, icon.bitCount,
                  [&](int x, int y) { return colours.at(x, y); });
        writeRows(body, colours.width, colours.height, 1, [&](int x, int y) {
            return icon.transparent[static_cast<std::size_t>(y) * colours.width + x] ? 1 : 0;
        });
        bodies.push_back(std::move(body.bytes()));
    }

    ByteWriter out;
    out.u16(0);
    out.u16(1);  // an icon, not a cursor
    out.u16(static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconPicture& icon = images[i];
        out.u8(static_cast<std::uint32_t>(icon.colours.width));
        out.u8(static_cast<std::uint32_t>(icon.colours.height));
        out.u8(icon.bitCount < 8 ? 1u << icon.bitCount : 0u);
        out.u8(0);
        out.u16(1);
        out.u16(static_cast<std::uint32_t>(icon.bitCount));
        out.u32(static_cast<std::uint32_t>(bodies[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const ByteBuffer& body : bodies)
        out.append(body);
    return std::move(out.bytes());
}

ByteBuffer encodeRle8Key(const IndexedImage& frame) {
    ByteWriter out;
    for (int row = 0; row < frame.height; ++row) {
        encodeStretch(out, storedRow(frame, row), 0, frame.width);
        if (row + 1 < frame.height) {
            out.u8(0);
            out.u8(0);  // end of line
        }
    }
    out.u8(0);
    out.u8(1);  // end of bitmap
    return std::move(out.bytes());
}

ByteBuffer encodeRle8Change(const IndexedImage& before, const IndexedImage& frame) {
    ByteWriter out;
    int x = 0;
    int row = 0;
    for (int stored = 0; stored < frame.height; ++stored) {
        const std::vector<std::uint8_t> was = storedRow(before, stored);
        const std::vector<std::uint8_t> now = storedRow(frame, stored);
        int at = 0;
        while (at < frame.width) {
            while (at < frame.width && was[at] == now[at])
                ++at;
            if (at == frame.width)
                break;
            // A stretch of changes, running on over short unchanged gaps.
            int end = at;
            int unchanged = 0;
            for (int scan = at; scan < frame.width && unchanged < smallestWorthwhileGap; ++scan) {
                unchanged = was[scan] == now[scan] ? unchanged + 1 : 0;
                if (unchanged == 0)
                    end = scan + 1;
            }
            moveTo(out, x, row, at, stored);
            encodeStretch(out, now, at, end);
            x = end;
            at = end;
        }
    }
    out.u8(0);
    out.u8(1);  // end of bitmap
    return std::move(out.bytes());
}

ByteBuffer encodeClipFile(const std::vector<IndexedImage>& frames, const Palette& palette,
                          std::uint32_t microsecondsPerFrame, FrameStorage storage) {
    const int width = frames.front().width;
    const int height = frames.front().height;
    const bool compressed = storage == FrameStorage::rle8;
    const std::string_view frameId = compressed ? "00dc" : "00db";
    std::vector<ByteBuffer> data;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (!compressed) {
            ByteWriter rows;
            writeRows(rows, width, height, 8, [&](int x, int y) { return frames[i].at(x, y); });
            data.push_back(std::move(rows.bytes()));
        } else if (i == 0) {
            data.push_back(encodeRle8Key(frames[i]));
        } else {
            data.push_back(encodeRle8Change(frames[i - 1], frames[i]));
        }
    }
    std::size_t largest = 0;
    for (const ByteBuffer& chunk : data)
        largest = std::max(largest, chunk.size());
    const auto count = static_cast<std::uint32_t>(frames.size());
    const std::uint32_t framesPerSecondScale = 1000000;

    ByteWriter out;
    std::vector<std::size_t> openLengths;
    auto open = [&](std::string_view id, std::string_view type) {
        out.fourcc(id);
        openLengths.push_back(out.size());
        out.u32(0);
        if (!type.empty())
            out.fourcc(type);
    };
    auto close = [&] {
        const std::size_t at = openLengths.back();
        openLengths.pop_back();
        out.patchU32(at, static_cast<std::uint32_t>(out.size() - at - 4));
        if (out.size() % 2 == 1)
            out.u8(0);
    };

    open("RIFF", "AVI ");
    open("LIST", "hdrl");
    open("avih", "");
    out.u32(microsecondsPerFrame);
    out.u32(static_cast<std::uint32_t>(largest * 1000000 / microsecondsPerFrame));
    out.u32(0);      // padding granularity
    out.u32(0x10);   // has an index
    out.u32(count);  // total frames
    out.u32(0);      // initial frames
    out.u32(1);      // one stream
    out.u32(static_cast<std::uint32_t>(largest));
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height));
    for (int i = 0; i < 4; ++i)
        out.u32(0);
    close();
    open("LIST", "strl");
    open("strh", "");
    out.fourcc("vids");
    out.fourcc(compressed ? "mrle" : "DIB ");
    out.u32(0);  // flags
    out.u16(0);  // priority
    out.u16(0);  // language
    out.u32(0);  // initial frames
    out.u32(microsecondsPerFrame);
    out.u32(framesPerSecondScale);
    out.u32(0);  // start
    out.u32(count);
    out.u32(static_cast<std::uint32_t>(largest));
    out.u32(0xFFFFFFFF);  // default quality
    out.u32(0);           // sample size varies
    out.u16(0);
    out.u16(0);
    out.u16(static_cast<std::uint32_t>(width));
    out.u16(static_cast<std::uint32_t>(height));
    close();
    open("strf", "");
    const std::size_t imageSize =
        compressed ? static_cast<std::size_t>(width) * height : strideOf(width, 8) * height;
    writeInfoHeader(out, width, height, 8, compressed ? rle8 : 0,
                    static_cast<std::uint32_t>(imageSize),
                    static_cast<std::uint32_t>(palette.size()));
    writePalette(out, palette);
    close();
    close();  // strl
    close();  // hdrl

    open("LIST", "movi");
    const std::size_t movieType = out.size() - 4;
    std::vector<std::uint32_t> offsets;
    for (const ByteBuffer& chunk : data) {
        offsets.push_back(static_cast<std::uint32_t>(out.size() - movieType));
        open(frameId, "");
        out.append(chunk);
        close();
    }
    close();  // movi

    open("idx1", "");
    for (std::size_t i = 0; i < data.size(); ++i) {
        out.fourcc(frameId);
        out.u32(i == 0 || !compressed ? 0x10 : 0);  // whole frames are key frames
        out.u32(offsets[i]);
        out.u32(static_cast<std::uint32_t>(data[i].size()));
    }
    close();
    close();  // RIFF
    return std::move(out.bytes());
}

}  // namespace pictures
