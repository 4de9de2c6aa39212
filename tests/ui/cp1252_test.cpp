#include "ui/cp1252.h"

#include <gtest/gtest.h>

namespace {

struct Mapping {
    unsigned char byte;
    char32_t codePoint;
};

TEST(Cp1252, BytesMapToTheirCharactersAndBack) {
    const Mapping cases[] = {
        {'A', U'A'},    {0x80, 0x20AC}, {0x84, 0x201E}, {0x85, 0x2026},
        {0x8C, 0x0152}, {0x92, 0x2019}, {0x96, 0x2013}, {0x99, 0x2122},
        {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const Mapping& c : cases) {
        EXPECT_EQ(ui::cp1252::toUnicode(c.byte), c.codePoint) << int(c.byte);
        EXPECT_EQ(ui::cp1252::fromUnicode(c.codePoint), c.byte) << int(c.byte);
    }
}

TEST(Cp1252, CharactersWithoutAByteAreRefused) {
    for (char32_t cp : {char32_t{0x0100}, char32_t{0x4E2D}, char32_t{0x1F600}, char32_t{0xFFFD}})
        EXPECT_FALSE(ui::cp1252::fromUnicode(cp).has_value()) << std::hex << unsigned(cp);
    for (unsigned char hole : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(ui::cp1252::toUnicode(hole), char32_t{0xFFFD});
}

TEST(Cp1252, Utf8RoundTrip) {
    const std::string utf8 = "caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD";  // café € and a CJK sign
    const std::string bytes = ui::cp1252::fromUtf8(utf8);
    EXPECT_EQ(bytes, "caf\xE9 \x80 ");
    EXPECT_EQ(ui::cp1252::toUtf8(ui::cp1252::toUnicode(bytes)), "caf\xC3\xA9 \xE2\x82\xAC ");
}

}  // namespace
