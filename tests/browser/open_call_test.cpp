// Reading a chain's open line the way the browser reads its two string literals.

#include "generator/routing/open_call.h"

#include <gtest/gtest.h>

namespace generator::routing {
namespace {

TEST(OpenCallTest, ResolvesEscapesInBothLiterals) {
    struct Case {
        std::string_view line;
        OpenCall expected;
    };
    const Case cases[] = {
        {R"(open("http://site/dir/page.html","_self");)", {"http://site/dir/page.html", "_self"}},
        {R"(open ("http://","");)", {"http://", ""}},
        {R"(open("a\"b\\c\'d","t\"");)", {R"(a"b\c'd)", R"(t")"}},
        {R"(open("<\/script><\!--","");)", {"</script><!--", ""}},
        {R"(open("\r\n\t\b\f\v","");)", {"\r\n\t\b\f\v", ""}},
        {R"(open("\x41\u0042\103\0\8","");)",
         {std::string("ABC\0"
                      "8",
                      5),
          ""}},
        {R"(open("\101\1012\400","");)", {"AA2 0", ""}},
        {R"(open("it's","");)", {"it's", ""}},
        // Characters as the Windows-1252 bytes that stand for them, the five C1 controls too.
        {R"(open("\u20ac\u0081\u00e9\xff\u2122","\u0178");)", {"\x80\x81\xe9\xff\x99", "\x9f"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readOpenLine(c.line), c.expected) << c.line;
    }
}

TEST(OpenCallTest, RejectsLinesThatAreNoOpenCall) {
    const std::string_view lines[] = {
        R"(alert('You are Using a Unknown Browser');)",
        R"(open("http://site/"a"","_self");)",
        R"(open("http://site/","_self"))",
        R"(open("http://site/");)",
        R"(open("http://site/","_self");x)",
        "open(\"http://site/\n\",\"_self\");",
        R"(open("\x4","");)",
        R"(open("\u0100","");)",
        R"(open("\u0080","");)",
        R"(open("\x9f","");)",
        R"(open("\u4e2d","");)",
        R"(open("abc)",
        R"(open("abc\)",
    };
    for (const std::string_view line : lines) {
        EXPECT_THROW(readOpenLine(line), MalformedOpenLine) << line;
    }
}

}  // namespace
}  // namespace generator::routing
