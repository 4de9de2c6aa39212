#include "ui/cp1252.h"

#include <array>

namespace ui::cp1252 {

namespace {

constexpr char32_t noCharacter = 0xFFFD;

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> highControls{
    0x20AC,      noCharacter, 0x201A, 0x0192, 0x201E, 0x2026,      0x2020, 0x2021,       // 80
    0x02C6,      0x2030,      0x0160, 0x2039, 0x0152, noCharacter, 0x017D, noCharacter,  // 88
    noCharacter, 0x2018,      0x2019, 0x201C, 0x201D, 0x2022,      0x2013, 0x2014,       // 90
    0x02DC,      0x2122,      0x0161, 0x203A, 0x0153, noCharacter, 0x017E, 0x0178,       // 98
};

}  // namespace

char32_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return highControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> fromUnicode(char32_t codePoint) {
    if (codePoint == noCharacter)
        return std::nullopt;
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::u32string toUnicode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (char c : text)
        out.push_back(toUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        if (auto byte = fromUnicode(cp))
            out.push_back(static_cast<char>(*byte));
    }
    return out;
}

std::string toUtf8(std::u32string_view text) {
    std::string out;
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace ui::cp1252
