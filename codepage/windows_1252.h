#pragma once

#include <array>
#include <optional>

// Windows-1252, the 8-bit code page the answers are typed in and the toolkit draws. Bytes below
// 0x80 and from 0xA0 up stand for the code point of the same number; the 32 bytes between differ.
// The toolkit and the page generator share this one table.

namespace codepage {

// Bytes 0x80 to 0x9F as browsers decode them: the five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same number.
inline constexpr std::array<char32_t, 32> windows1252From0x80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

// The code point a byte stands for, as a browser reads it.
constexpr char32_t windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return windows1252From0x80[byte - 0x80];
    }
    return byte;
}

// One of the five bytes with no character of their own.
constexpr bool isUnassignedInWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F && windows1252ToUnicode(byte) == byte;
}

// The byte that stands for a code point, the five C1 controls included; nothing when the code
// page has no such character.
constexpr std::optional<unsigned char> unicodeToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte) {
        if (windows1252From0x80[byte - 0x80] == codePoint) {
            return static_cast<unsigned char>(byte);
        }
    }
    return std::nullopt;
}

}  // namespace codepage
