#include "ui/cp1252.h"

#include "codepage/windows_1252.h"

namespace ui::cp1252 {

namespace {

constexpr char32_t noCharacter = 0xFFFD;

}  // namespace

// The toolkit draws the five bytes without a character as the replacement character, and no
// typed character turns into them.
char32_t toUnicode(unsigned char byte) {
    if (codepage::isUnassignedInWindows1252(byte))
        return noCharacter;
    return codepage::windows1252ToUnicode(byte);
}

std::optional<unsigned char> fromUnicode(char32_t codePoint) {
    const std::optional<unsigned char> byte = codepage::unicodeToWindows1252(codePoint);
    if (byte && codepage::isUnassignedInWindows1252(*byte))
        return std::nullopt;
    return byte;
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
