// What an answer turns into inside a script string literal and inside a link attribute.

#include "generator/escaping.h"

#include <gtest/gtest.h>

#include <string>

namespace generator {
namespace {

struct EscapeCase {
    std::string text;
    std::string inScript;
    std::string inAttribute;
};

TEST(Escaping, EachAnswerBecomesPrintableAsciiThatReadsAsTheSameText) {
    const EscapeCase cases[] = {
        // Printable ASCII without a character the literal or the attribute cannot hold.
        {"www.example.org/dir/page.html", "www.example.org/dir/page.html",
         "www.example.org/dir/page.html"},
        {"it's <b> 'x'", "it's <b> 'x'", "it's <b> 'x'"},
        // The characters that would end the literal, the attribute or the script element.
        {R"(a"b\c)", R"(a\"b\\c)", R"(a&quot;b\c)"},
        {"</script><!-- <! <x", R"(<\/script><\!-- <! <x)", "</script><!-- <! <x"},
        {"a&amp;b", "a&amp;b", "a&amp;amp;b"},
        {"line\r", "line\\r", "line&#13;"},
        // Bytes outside printable ASCII, as the characters of Windows-1252 they stand for.
        {"caf\xe9", "caf\\u00e9", "caf&#233;"},
        {"\x80uro \x93q\x94 \x9f", "\\u20acuro \\u201cq\\u201d \\u0178",
         "&#8364;uro &#8220;q&#8221; &#376;"},
        {"\xa0\xff", "\\u00a0\\u00ff", "&#160;&#255;"},
        // The five bytes without a character of their own are the C1 controls of that number.
        {"\x81\x8d\x8f\x90\x9d", "\\u0081\\u008d\\u008f\\u0090\\u009d",
         "&#129;&#141;&#143;&#144;&#157;"},
        {std::string("\0\t\n\x1b\x7f", 5), "\\u0000\\u0009\\u000a\\u001b\\u007f",
         "&#0;&#9;&#10;&#27;&#127;"},
        // A Shift_JIS letter whose second byte is a backslash, before a quote: the lead byte is
        // escaped by itself, so no encoding can join it with the backslash that follows.
        {"\x95\\\"", "\\u2022\\\\\\\"", "&#8226;\\&quot;"},
    };
    for (const EscapeCase& c : cases) {
        EXPECT_EQ(escapeScriptString(c.text), c.inScript) << c.text;
        EXPECT_EQ(escapeAttributeValue(c.text), c.inAttribute) << c.text;
    }
}

TEST(Escaping, NoByteLeavesAnythingButPrintableAscii) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    for (const std::string& escaped :
         {escapeScriptString(everyByte), escapeAttributeValue(everyByte)}) {
        for (const char c : escaped) {
            EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << static_cast<int>(static_cast<unsigned char>(c));
        }
    }
}

}  // namespace
}  // namespace generator
