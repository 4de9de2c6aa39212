// What an answer turns into inside a script string literal and inside a link attribute.

#include "generator/escaping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "generator/answers.h"
#include "generator/detection_page.h"

namespace generator {
namespace {

bool isOutsidePrintableAscii(char c) {
    return c < 0x20 || c > 0x7E;
}

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
        EXPECT_EQ(std::ranges::find_if(escaped, isOutsidePrintableAscii), escaped.end()) << escaped;
    }
}

// Every answer holds every byte, in an order that puts each byte before a quote and a backslash
// once: the page still holds nothing but printable ASCII and its CR LF line ends.
TEST(Escaping, ThePageOfAnyAnswersIsPrintableAscii) {
    std::string hostile;
    for (int byte = 0; byte < 256; ++byte) {
        hostile += static_cast<char>(byte);
        hostile += byte % 2 == 0 ? "\\" : "\"";
    }
    Answers answers;
    for (const AnswerField& field : answerFields) {
        answers.*field.member = hostile;
    }
    std::ostringstream page;
    writeDetectionPageText(page, answers, [](int) {});
    std::string text = page.str();
    EXPECT_NE(text.find("\r\nopen(\"http://\\u0000\\\\\\u0001\\\"\\u0002\\\\"), std::string::npos);
    EXPECT_NE(text.find("\r\n<a href=\"http://&#0;\\&#1;&quot;&#2;\\"), std::string::npos);
    for (std::size_t lineEnd; (lineEnd = text.find("\r\n")) != std::string::npos;) {
        text.erase(lineEnd, 2);
    }
    const auto outside = std::ranges::find_if(text, isOutsidePrintableAscii);
    EXPECT_EQ(outside, text.end()) << "at " << (outside - text.begin());
}

}  // namespace
}  // namespace generator
