// From a user-agent string to the two values the page tests, and JavaScript's substring.

#include "generator/routing/visitor.h"

#include <gtest/gtest.h>

#include <optional>

namespace generator::routing {
namespace {

TEST(VisitorTest, SplitsTheUserAgentAfterItsFirstSlash) {
    struct Case {
        std::string_view userAgent;
        std::optional<std::string_view> appName;
        Visitor expected;
    };
    const Case cases[] = {
        {"Mozilla/4.6 [en] (Win98; I)", std::nullopt, {"Netscape", "4.6 [en] (Win98; I)"}},
        {"Mozilla/4.0 (compatible; MSIE 5.0; Windows 98; DigExt)",
         std::nullopt,
         {"Microsoft Internet Explorer", "4.0 (compatible; MSIE 5.0; Windows 98; DigExt)"}},
        // Only the first slash splits; MSIE anywhere in the string makes it Internet Explorer.
        {"Mozilla/3.0 WebTV/1.2 (compatible; MSIE 2.0)",
         std::nullopt,
         {"Microsoft Internet Explorer", "3.0 WebTV/1.2 (compatible; MSIE 2.0)"}},
        {"Mozilla/3.0 WebTV/1.2 (compatible; MSIE 2.0)",
         "WebTV Plus Receiver",
         {"WebTV Plus Receiver", "3.0 WebTV/1.2 (compatible; MSIE 2.0)"}},
        {"Mozilla/4.0 (compatible; msie 5.0)",
         std::nullopt,
         {"Netscape", "4.0 (compatible; msie 5.0)"}},
        {"MSIE 5.0 without a slash", std::nullopt, {"Microsoft Internet Explorer", ""}},
        {"Mozilla/", std::nullopt, {"Netscape", ""}},
        {"", std::nullopt, {"Netscape", ""}},
        {"Mozilla/2.0 (Win95; I)", "", {"", "2.0 (Win95; I)"}},
    };
    for (const Case& c : cases) {
        const Visitor visitor = visitorFromUserAgent(c.userAgent, c.appName);
        EXPECT_EQ(visitor.appName, c.expected.appName) << c.userAgent;
        EXPECT_EQ(visitor.appVersion, c.expected.appVersion) << c.userAgent;
    }
}

TEST(VisitorTest, SubstringSwapsAndClampsItsPositions) {
    struct Case {
        std::string_view text;
        int from;
        int to;
        std::string_view expected;
    };
    const Case cases[] = {
        {"4.0 (compatible; MSIE 5.0b1)", 0, 3, "4.0"},
        {"4.0 (compatible; MSIE 5.0b1)", 17, 21, "MSIE"},
        {"4.0 (compatible; MSIE 5.0b1)", 22, 27, "5.0b1"},
        {"2.0 (compatible; MSIE 3.02)", 23, 22, "3"},
        {"2.0 (compatible; MSIE 3.02)", 26, 22, "3.02"},
        {"2.0 (compatible; MSIE 3.02)", 25, 22, "3.0"},
        {"abc", 1, 1, ""},
        {"abc", 1, 10, "bc"},
        {"abc", 10, 1, "bc"},
        {"abc", 5, 9, ""},
        {"abc", -2, 2, "ab"},
        {"abc", 2, -2, "ab"},
        {"", 0, 5, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(javascriptSubstring(c.text, c.from, c.to), c.expected)
            << '"' << c.text << "\".substring(" << c.from << "," << c.to << ")";
    }
}

}  // namespace
}  // namespace generator::routing
