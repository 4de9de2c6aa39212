#include "generator/escaping.h"

#include <array>
#include <cstdint>

#include "codepage/windows_1252.h"

namespace generator {
namespace {

constexpr bool isPrintableAscii(unsigned char byte) {
    return byte >= 0x20 && byte <= 0x7E;
}

// The character the answer's byte stands for in the code page it was typed in.
char32_t characterOf(char c) {
    return codepage::windows1252ToUnicode(static_cast<unsigned char>(c));
}

// An ASCII character and the text that replaces it.
struct Replacement {
    char character;
    std::string_view text;
};

constexpr std::array<Replacement, 3> scriptReplacements{{
    {'\\', "\\\\"},
    {'"', "\\\""},
    {'\r', "\\r"},
}};

constexpr std::array<Replacement, 2> attributeReplacements{{
    {'&', "&amp;"},
    {'"', "&quot;"},
}};

// Adds \uXXXX with four lowercase hexadecimal digits: every character of Windows-1252 lies in
// the Basic Multilingual Plane.
void appendUnicodeEscape(std::string& text, char32_t character) {
    constexpr std::string_view digits = "0123456789abcdef";
    text += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        text += digits[(character >> shift) & 0xF];
    }
}

// Adds &#NNNN; with the decimal number of the character.
void appendCharacterReference(std::string& text, char32_t character) {
    text += "&#";
    text += std::to_string(static_cast<std::uint32_t>(character));
    text += ';';
}

template <std::size_t size>
const Replacement* findReplacement(const std::array<Replacement, size>& table, char c) {
    for (const Replacement& replacement : table) {
        if (replacement.character == c) {
            return &replacement;
        }
    }
    return nullptr;
}

}  // namespace

std::string escapeScriptString(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (const Replacement* replacement = findReplacement(scriptReplacements, c)) {
            escaped += replacement->text;
        } else if (c == '<' &&
                   (text.substr(at).starts_with("</") || text.substr(at).starts_with("<!--"))) {
            // "<\/" and "<\!--" read as the same text inside the literal.
            escaped += "<\\";
        } else if (isPrintableAscii(static_cast<unsigned char>(c))) {
            escaped += c;
        } else {
            appendUnicodeEscape(escaped, characterOf(c));
        }
    }
    return escaped;
}

std::string escapeAttributeValue(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (const Replacement* replacement = findReplacement(attributeReplacements, c)) {
            escaped += replacement->text;
        } else if (isPrintableAscii(static_cast<unsigned char>(c))) {
            escaped += c;
        } else {
            appendCharacterReference(escaped, characterOf(c));
        }
    }
    return escaped;
}

}  // namespace generator
