#pragma once

#include <optional>
#include <string>
#include <string_view>

// The toolkit holds text as Windows-1252 bytes. Painting turns each byte into a
// Unicode code point for the canvas; a screen turns typed characters back into
// bytes and drops those that have none.

namespace ui::cp1252 {

// The code point a byte stands for. The five bytes with no character (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to U+FFFD.
char32_t toUnicode(unsigned char byte);

// The byte for a code point, or nothing when Windows-1252 has no such character.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

// A whole text, byte by byte.
std::u32string toUnicode(std::string_view text);

// A UTF-8 text (as a test or a terminal holds it) to Windows-1252; characters
// with no byte are dropped.
std::string fromUtf8(std::string_view utf8);

// Unicode text to UTF-8, for plain-text drawings of a screen.
std::string toUtf8(std::u32string_view text);

}  // namespace ui::cp1252
