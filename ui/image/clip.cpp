#include "ui/image/clip.h"

#include <string>

#include "ui/image/bitmap.h"
#include "ui/image/riff.h"
#include "ui/image/rle8.h"

namespace ui::image {

namespace {

constexpr std::size_t mainHeaderSize = 56;
constexpr std::size_t streamHeaderSize = 48;  // up to the frame rectangle, which we do not need
constexpr std::size_t indexEntrySize = 16;

const Chunk* findChunk(const std::vector<Chunk>& chunks, std::string_view id,
                       std::string_view listType = {}) {
    for (const Chunk& chunk : chunks) {
        if (chunk.id == id && chunk.listType == listType)
            return &chunk;
    }
    return nullptr;
}

// Frame chunks of stream 0: "00dc" compressed, "00db" uncompressed.
bool isFrameChunk(std::string_view id) {
    return id == "00dc" || id == "00db";
}

struct VideoFormat {
    std::uint32_t microsecondsPerFrame = 0;
    BitmapHeader bitmap;
    Palette palette;
};

ReadResult<std::uint32_t> readMainHeader(const Chunk& avih) {
    if (avih.body.size() < mainHeaderSize)
        return fail("AVI main header cut short");
    ByteReader reader(avih.body);
    return *reader.u32();
}

// Checks the one stream list of the header list and reads its format.
ReadResult<VideoFormat> readStreams(Bytes file, const std::vector<Chunk>& headerList) {
    const Chunk* avih = findChunk(headerList, "avih");
    if (avih == nullptr)
        return fail("AVI main header missing");
    auto microseconds = readMainHeader(*avih);
    if (!microseconds)
        return fail(microseconds.error());

    const Chunk* streamList = nullptr;
    for (const Chunk& chunk : headerList) {
        if (chunk.id != "LIST" || chunk.listType != "strl")
            continue;
        if (streamList != nullptr)
            return fail("AVI clip with more than one stream");
        streamList = &chunk;
    }
    if (streamList == nullptr)
        return fail("AVI clip without a stream");
    auto streamChunks = readChildren(file, *streamList);
    if (!streamChunks)
        return fail(streamChunks.error());

    const Chunk* strh = findChunk(*streamChunks, "strh");
    const Chunk* strf = findChunk(*streamChunks, "strf");
    if (strh == nullptr || strf == nullptr)
        return fail("AVI stream header or format missing");
    if (strh->body.size() < streamHeaderSize)
        return fail("AVI stream header cut short");
    ByteReader streamHeader(strh->body);
    if (*streamHeader.fourcc() != "vids")
        return fail("AVI stream is not video");

    VideoFormat format;
    format.microsecondsPerFrame = *microseconds;
    if (format.microsecondsPerFrame == 0) {
        // No rate in the main header: take it from the stream's scale and rate.
        streamHeader.seek(20);
        const std::uint64_t scale = *streamHeader.u32();
        const std::uint64_t rate = *streamHeader.u32();
        if (rate == 0)
            return fail("AVI clip without a frame rate");
        format.microsecondsPerFrame = static_cast<std::uint32_t>(scale * 1000000 / rate);
    }

    ByteReader formatReader(strf->body);
    auto bitmap = readBitmapHeader(formatReader);
    if (!bitmap)
        return fail(bitmap.error());
    if (bitmap->bitCount != 8)
        return fail("AVI frames not of 8 bits per pixel");
    if (bitmap->compression != static_cast<std::uint32_t>(Compression::none) &&
        bitmap->compression != static_cast<std::uint32_t>(Compression::rle8)) {
        return fail("AVI frames neither uncompressed nor RLE8");
    }
    if (bitmap->height > maximumSide ||
        static_cast<long long>(bitmap->width) * bitmap->height > maximumPixels ||
        (bitmap->topDown && bitmap->compression != 0)) {
        return fail("AVI frames of impossible shape");
    }
    auto palette = readPalette(formatReader, bitmap->paletteSize());
    if (!palette)
        return fail(palette.error());
    format.bitmap = *bitmap;
    format.palette = std::move(palette).value();
    return format;
}

// The frame chunks the index points at, or nothing if it points elsewhere.
// Offsets count from the movie list's type or, in some writers, from the file's start.
std::vector<Bytes> framesByIndex(Bytes file, const Chunk& index, const Chunk& movie) {
    const std::size_t movieType = movie.offset + 8;
    for (std::size_t base : {movieType, std::size_t{0}}) {
        std::vector<Bytes> frames;
        ByteReader entries(index.body);
        bool pointsAtFrames = true;
        while (pointsAtFrames && entries.remaining() >= indexEntrySize) {
            const std::string_view id = *entries.fourcc();
            entries.skip(4);  // flags
            const std::size_t offset = *entries.u32();
            const std::size_t length = *entries.u32();
            if (!isFrameChunk(id))
                continue;
            ByteReader at(file);
            pointsAtFrames = at.seek(base + offset) && at.fourcc() == id && at.u32() == length;
            const auto body = pointsAtFrames ? at.take(length) : std::nullopt;
            pointsAtFrames = body.has_value();
            if (pointsAtFrames)
                frames.push_back(*body);
        }
        if (pointsAtFrames && !frames.empty())
            return frames;
    }
    return {};
}

// The frame chunks in the order the movie list holds them, looking inside "rec " lists.
ReadResult<std::vector<Bytes>> framesByWalking(Bytes file, const Chunk& movie) {
    auto chunks = readChildren(file, movie);
    if (!chunks)
        return fail(chunks.error());
    std::vector<Bytes> frames;
    for (const Chunk& chunk : *chunks) {
        if (isFrameChunk(chunk.id))
            frames.push_back(chunk.body);
        if (chunk.id == "LIST" && chunk.listType == "rec ") {
            auto inner = readChildren(file, chunk);
            if (!inner)
                return fail(inner.error());
            for (const Chunk& part : *inner) {
                if (isFrameChunk(part.id))
                    frames.push_back(part.body);
            }
        }
    }
    return frames;
}

// Paints one frame's data over the frame before (in place).
ReadResult<Rle8Done> paintFrame(Bytes data, const BitmapHeader& format, IndexedImage& frame) {
    if (data.empty())
        return Rle8Done{};  // a dropped frame repeats the one before
    if (format.compression == static_cast<std::uint32_t>(Compression::rle8)) {
        return decodeRle8(data, frame);
    }
    const std::size_t stride = format.stride();
    if (data.size() / stride < static_cast<std::size_t>(frame.height)) {
        return fail("uncompressed frame cut short");
    }
    for (int stored = 0; stored < frame.height; ++stored) {
        const int y = format.topDown ? stored : frame.height - 1 - stored;
        const Bytes row = data.subspan(static_cast<std::size_t>(stored) * stride, frame.width);
        for (int x = 0; x < frame.width; ++x) {
            frame.indices[static_cast<std::size_t>(y) * frame.width + x] =
                std::to_integer<std::uint8_t>(row[static_cast<std::size_t>(x)]);
        }
    }
    return Rle8Done{};
}

}  // namespace

ReadResult<Clip> readClip(Bytes file) {
    ByteReader reader(file);
    const auto riff = reader.fourcc();
    const auto riffLength = reader.u32();
    const auto form = reader.fourcc();
    if (!riff || !riffLength || !form || *riff != "RIFF" || *form != "AVI ") {
        return fail("not an AVI file");
    }
    if (*riffLength < 4 || *riffLength > file.size() - 8)
        return fail("RIFF length past the file");
    auto top = readChunks(file, 12, 8 + static_cast<std::size_t>(*riffLength));
    if (!top)
        return fail(top.error());

    const Chunk* headerList = findChunk(*top, "LIST", "hdrl");
    const Chunk* movie = findChunk(*top, "LIST", "movi");
    if (headerList == nullptr || movie == nullptr)
        return fail("AVI header or movie list missing");
    auto headers = readChildren(file, *headerList);
    if (!headers)
        return fail(headers.error());
    auto format = readStreams(file, *headers);
    if (!format)
        return fail(format.error());

    std::vector<Bytes> frameData;
    if (const Chunk* index = findChunk(*top, "idx1"))
        frameData = framesByIndex(file, *index, *movie);
    if (frameData.empty()) {
        auto walked = framesByWalking(file, *movie);
        if (!walked)
            return fail(walked.error());
        frameData = std::move(walked).value();
    }
    if (frameData.empty())
        return fail("AVI clip without frames");

    const BitmapHeader& bitmap = format->bitmap;
    const std::size_t frameBytes = static_cast<std::size_t>(bitmap.width) * bitmap.height;
    if (frameBytes == 0 || frameData.size() > maximumClipBytes / frameBytes) {
        return fail("AVI clip too large to hold");
    }

    Clip clip{bitmap.width, bitmap.height, format->microsecondsPerFrame, format->palette, {}};
    IndexedImage frame{bitmap.width, bitmap.height, std::vector<std::uint8_t>(frameBytes, 0)};
    for (std::size_t i = 0; i < frameData.size(); ++i) {
        auto painted = paintFrame(frameData[i], bitmap, frame);
        if (!painted)
            return fail("frame " + std::to_string(i + 1) + ": " + painted.error());
        clip.frames.push_back(frame);
    }
    return clip;
}

}  // namespace ui::image
