// Damaged pictures: every reader must refuse them with a reason, and never read
// outside the bytes it was given (run these under the sanitizers as well).

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "res/pictures/pictures.h"
#include "ui/image/bitmap.h"
#include "ui/image/clip.h"
#include "ui/image/icon.h"

namespace {

using namespace ui::image;
using File = std::vector<std::byte>;

File copyOf(Bytes bytes) {
    return {bytes.begin(), bytes.end()};
}

// Where a four-character id first occurs, after a given offset.
std::size_t offsetOf(const File& file, std::string_view id, std::size_t after = 0) {
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    const std::size_t at = text.find(id, after);
    if (at == std::string_view::npos)
        throw std::runtime_error("no " + std::string(id));
    return at;
}

void put32(File& file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        file.at(at + i) = static_cast<std::byte>((value >> (8 * i)) & 0xFF);
}
void put16(File& file, std::size_t at, std::uint16_t value) {
    file.at(at) = static_cast<std::byte>(value & 0xFF);
    file.at(at + 1) = static_cast<std::byte>(value >> 8);
}
void putText(File& file, std::size_t at, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        file.at(at + i) = static_cast<std::byte>(text[i]);
}
void putBytes(File& file, std::size_t at, std::initializer_list<int> values) {
    for (int v : values)
        file.at(at++) = static_cast<std::byte>(v);
}

enum class Kind { bitmap, icon, clip };

File original(Kind kind) {
    switch (kind) {
        case Kind::bitmap:
            return copyOf(res::bitmap(215));
        case Kind::icon:
            return copyOf(res::icon(128));
        case Kind::clip:
            return copyOf(res::clip(202));
    }
    return {};
}

// The error a reader gives, or nothing when it read the file.
std::optional<std::string> readError(Kind kind, const File& file) {
    switch (kind) {
        case Kind::bitmap: {
            const auto result = readBitmapFile(file);
            return result ? std::nullopt : std::optional(result.error());
        }
        case Kind::icon: {
            const auto result = readIcon(file, {32, 8});
            return result ? std::nullopt : std::optional(result.error());
        }
        case Kind::clip: {
            const auto result = readClip(file);
            return result ? std::nullopt : std::optional(result.error());
        }
    }
    return std::nullopt;
}

// Offsets in the icon: the directory entry of the 32 x 32 256-colour image (the
// one a 32-pixel wish reads) and that image's bitmap header.
constexpr std::size_t wishedEntry = 6 + 3 * 16;
std::size_t wishedImage(const File& icon) {
    return std::to_integer<std::size_t>(icon[wishedEntry + 12]) |
           std::to_integer<std::size_t>(icon[wishedEntry + 13]) << 8;
}

// The data of frame n (from 1) of the clip.
std::size_t frameData(const File& clip, int n) {
    std::size_t at = offsetOf(clip, "movi");
    for (int i = 0; i < n; ++i)
        at = offsetOf(clip, "00dc", at + 4);
    return at + 8;
}

// Copies the stream list once more into the header list, as a clip with sound has it.
void addSecondStream(File& f) {
    const std::size_t list = offsetOf(f, "strl") - 8;
    const std::size_t length = 8 + std::to_integer<std::size_t>(f[list + 4]) +
                               (std::to_integer<std::size_t>(f[list + 5]) << 8);
    const File copy(f.begin() + static_cast<std::ptrdiff_t>(list),
                    f.begin() + static_cast<std::ptrdiff_t>(list + length));
    f.insert(f.begin() + static_cast<std::ptrdiff_t>(list + length), copy.begin(), copy.end());
    const std::size_t headerList = offsetOf(f, "hdrl") - 4;
    auto grow = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= std::to_integer<std::uint32_t>(f[at + i]) << (8 * i);
        put32(f, at, value + static_cast<std::uint32_t>(length));
    };
    grow(headerList);
    grow(4);  // the RIFF length
}

struct Damage {
    const char* name;
    Kind kind;
    std::function<void(File&)> apply;
};

TEST(DamagedPictures, AreRefusedWithAReason) {
    const std::vector<Damage> damages{
        {"bitmap: not a BMP", Kind::bitmap, [](File& f) { putText(f, 0, "MB"); }},
        {"bitmap: header of unknown size", Kind::bitmap, [](File& f) { put32(f, 14, 12); }},
        {"bitmap: header longer than the file", Kind::bitmap,
         [](File& f) {
             put32(f, 14, 124);
             f.resize(60);
         }},
        {"bitmap: width 0", Kind::bitmap, [](File& f) { put32(f, 18, 0); }},
        {"bitmap: huge width", Kind::bitmap, [](File& f) { put32(f, 18, 1u << 30); }},
        {"bitmap: negative width", Kind::bitmap, [](File& f) { put32(f, 18, 0xFFFFFF00); }},
        {"bitmap: height 0", Kind::bitmap, [](File& f) { put32(f, 22, 0); }},
        {"bitmap: huge height upside down", Kind::bitmap,
         [](File& f) { put32(f, 22, 0x80000000); }},
        {"bitmap: taller than its pixels", Kind::bitmap, [](File& f) { put32(f, 22, 141); }},
        {"bitmap: wider than its pixels", Kind::bitmap, [](File& f) { put32(f, 18, 300); }},
        {"bitmap: more pixels than any picture shown", Kind::bitmap,
         [](File& f) {
             put32(f, 18, 4000);
             put32(f, 22, 4000);
             put32(f, 30, 1);  // RLE8, so that few bytes could claim them
         }},
        {"bitmap: 7 bits a pixel", Kind::bitmap, [](File& f) { put16(f, 28, 7); }},
        {"bitmap: 300 colours", Kind::bitmap, [](File& f) { put32(f, 46, 300); }},
        {"bitmap: unknown compression", Kind::bitmap, [](File& f) { put32(f, 30, 3); }},
        {"bitmap: pixels past the file", Kind::bitmap, [](File& f) { put32(f, 10, 0x7FFFFFFF); }},
        {"bitmap: pixels inside the header", Kind::bitmap, [](File& f) { put32(f, 10, 20); }},
        {"bitmap: RLE8 codes that run past the line", Kind::bitmap,
         [](File& f) {
             put32(f, 30, 1);
             putBytes(f, 1078, {255, 1});
         }},

        {"icon: not an icon", Kind::icon, [](File& f) { put16(f, 0, 1); }},
        {"icon: a cursor", Kind::icon, [](File& f) { put16(f, 2, 2); }},
        {"icon: no images", Kind::icon, [](File& f) { put16(f, 4, 0); }},
        {"icon: more images than the directory holds", Kind::icon,
         [](File& f) { put16(f, 4, 500); }},
        {"icon: image past the file", Kind::icon,
         [](File& f) { put32(f, wishedEntry + 12, 0x00FFFFFF); }},
        {"icon: image longer than the file", Kind::icon,
         [](File& f) { put32(f, wishedEntry + 8, 0x00FFFFFF); }},
        {"icon: image inside the directory", Kind::icon,
         [](File& f) { put32(f, wishedEntry + 12, 8); }},
        {"icon: image without its mask", Kind::icon,
         [](File& f) { put32(f, wishedEntry + 8, 40 + 1024 + 32 * 32); }},
        {"icon: image width 0", Kind::icon, [](File& f) { put32(f, wishedImage(f) + 4, 0); }},
        {"icon: image of odd height", Kind::icon,
         [](File& f) { put32(f, wishedImage(f) + 8, 63); }},
        {"icon: image too tall for its bytes", Kind::icon,
         [](File& f) { put32(f, wishedImage(f) + 8, 128); }},
        {"icon: image of 3 bits a pixel", Kind::icon,
         [](File& f) { put16(f, wishedImage(f) + 14, 3); }},

        {"clip: not RIFF", Kind::clip, [](File& f) { putText(f, 0, "RIFX"); }},
        {"clip: not AVI", Kind::clip, [](File& f) { putText(f, 8, "WAVE"); }},
        {"clip: RIFF longer than the file", Kind::clip,
         [](File& f) { put32(f, 4, static_cast<std::uint32_t>(f.size())); }},
        {"clip: header list longer than the file", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "LIST") + 4, 0x7FFFFFF0); }},
        {"clip: main header of a wrong length", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "avih") + 4, 8); }},
        {"clip: no main header", Kind::clip,
         [](File& f) { putText(f, offsetOf(f, "avih"), "JUNK"); }},
        {"clip: stream list longer than the header list", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "strl") - 4, 0x10000); }},
        {"clip: two streams", Kind::clip, [](File& f) { addSecondStream(f); }},
        {"clip: no frame rate anywhere", Kind::clip,
         [](File& f) {
             put32(f, offsetOf(f, "avih") + 8, 0);   // microseconds a frame
             put32(f, offsetOf(f, "vids") + 24, 0);  // the stream's rate
         }},
        {"clip: a sound stream", Kind::clip,
         [](File& f) { putText(f, offsetOf(f, "vids"), "auds"); }},
        {"clip: no stream format", Kind::clip,
         [](File& f) { putText(f, offsetOf(f, "strf"), "strg"); }},
        {"clip: frames of 24 bits", Kind::clip,
         [](File& f) { put16(f, offsetOf(f, "strf") + 22, 24); }},
        {"clip: frames in RLE4", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "strf") + 24, 2); }},
        {"clip: frames of width 0", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "strf") + 12, 0); }},
        {"clip: frames of huge width", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "strf") + 12, 100000); }},
        {"clip: format longer than its chunk", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "strf") + 4, 40 + 1000); }},
        {"clip: no movie list", Kind::clip,
         [](File& f) { putText(f, offsetOf(f, "movi"), "mova"); }},
        {"clip: movie list longer than the file", Kind::clip,
         [](File& f) { put32(f, offsetOf(f, "movi") - 4, 0x7FFFFFF0); }},
        {"clip: frame longer than the movie list", Kind::clip,
         [](File& f) { put32(f, frameData(f, 1) - 4, 0x00FFFFFF); }},
        {"clip: no frames at all", Kind::clip,
         [](File& f) {
             for (std::size_t at = offsetOf(f, "movi");;) {
                 try {
                     at = offsetOf(f, "00dc", at);
                 } catch (const std::runtime_error&) {
                     break;
                 }
                 putText(f, at, "01wb");
             }
         }},
        {"clip: key frame runs past the line", Kind::clip,
         [](File& f) {
             putBytes(f, frameData(f, 1), {255, 7});
         }},
        {"clip: change frame moves out of the bitmap", Kind::clip,
         [](File& f) {
             putBytes(f, frameData(f, 2), {0, 2, 0, 200});
         }},
        {"clip: change frame literal past the line", Kind::clip,
         [](File& f) {
             putBytes(f, frameData(f, 3), {0, 2, 140, 0, 0, 3});
         }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        File file = original(damage.kind);
        ASSERT_FALSE(readError(damage.kind, file).has_value()) << "the undamaged file reads";
        damage.apply(file);
        const auto error = readError(damage.kind, file);
        ASSERT_TRUE(error.has_value());
        EXPECT_FALSE(error->empty());
    }
}

TEST(DamagedPictures, EveryTruncationIsRefused) {
    for (Kind kind : {Kind::bitmap, Kind::icon, Kind::clip}) {
        const File whole = original(kind);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const File cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            ASSERT_TRUE(readError(kind, cut).has_value())
                << "kind " << static_cast<int>(kind) << " cut to " << length << " bytes";
        }
    }
}

TEST(DamagedClip, WithAWrongIndexIsStillReadFromTheMovieList) {
    const auto expected = readClip(res::clip(202));
    ASSERT_TRUE(expected);
    struct Case {
        const char* name;
        std::function<void(File&)> apply;
    };
    const Case cases[] = {
        {"index renamed away", [](File& f) { putText(f, offsetOf(f, "idx1"), "JUNK"); }},
        {"index offsets shifted",
         [](File& f) {
             const std::size_t index = offsetOf(f, "idx1") + 8;
             for (int entry = 0; entry < 8; ++entry)
                 put32(f, index + entry * 16 + 8, 3);
         }},
        {"frame time only in the stream header",
         [](File& f) { put32(f, offsetOf(f, "avih") + 8, 0); }},
        {"index lengths wrong",
         [](File& f) {
             const std::size_t index = offsetOf(f, "idx1") + 8;
             put32(f, index + 12, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        File file = copyOf(res::clip(202));
        c.apply(file);
        const auto clip = readClip(file);
        ASSERT_TRUE(clip) << clip.error();
        EXPECT_EQ(clip->frames, expected->frames);
        EXPECT_EQ(clip->microsecondsPerFrame, 500000u);
    }
}

TEST(DamagedPictures, RandomDamageIsReadOrRefusedWithinBounds) {
    // Bytes changed at random: whatever the readers make of them, they answer.
    std::mt19937 random(215);
    for (Kind kind : {Kind::bitmap, Kind::icon, Kind::clip}) {
        const File whole = original(kind);
        std::uniform_int_distribution<std::size_t> at(0, whole.size() - 1);
        std::uniform_int_distribution<int> value(0, 255);
        for (int round = 0; round < 300; ++round) {
            File file = whole;
            for (int n = 0; n < 1 + round % 8; ++n)
                file[at(random)] = static_cast<std::byte>(value(random));
            const auto error = readError(kind, file);
            if (error) {
                EXPECT_FALSE(error->empty());
            }
        }
    }
}

}  // namespace
