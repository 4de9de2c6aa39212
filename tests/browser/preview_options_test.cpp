// navisift-page's options for the routing preview, and the visitor they describe.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "generator/page_tool/options.h"
#include "generator/page_tool/preview.h"

namespace generator::page_tool {
namespace {

ParsedCommandLine parse(std::vector<std::string_view> arguments) {
    return parseCommandLine(arguments);
}

TEST(PreviewOptionsTest, ValidCommandLinesGiveTheVisitor) {
    struct Case {
        std::vector<std::string_view> arguments;
        routing::Visitor expected;
    };
    const Case cases[] = {
        {{"--explain", "Mozilla/4.6 [en] (Win98; I)"}, {"Netscape", "4.6 [en] (Win98; I)"}},
        {{"--explain=Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)"},
         {"Microsoft Internet Explorer", "4.0 (compatible; MSIE 5.0; Windows 98)"}},
        {{"--explain", "Mozilla/3.0 WebTV/1.2 (compatible; MSIE 2.0)", "--app-name",
          "WebTV Plus Receiver"},
         {"WebTV Plus Receiver", "3.0 WebTV/1.2 (compatible; MSIE 2.0)"}},
        {{"--app-name", "AOL", "--app-version", "4.0 (compatible; MSIE 4.01; AOL 4.0)"},
         {"AOL", "4.0 (compatible; MSIE 4.01; AOL 4.0)"}},
        {{"--app-version", "2.0 (compatible; MSIE 3.02; Windows 95)"},
         {"Microsoft Internet Explorer", "2.0 (compatible; MSIE 3.02; Windows 95)"}},
        {{"--app-version", "4.5 [en] (WinNT; I)"}, {"Netscape", "4.5 [en] (WinNT; I)"}},
        // A user agent's appName stays when only the version is given anew.
        {{"--explain", "Mozilla/4.0 (compatible; MSIE 4.01)", "--app-version", "4.0 (X11)"},
         {"Microsoft Internet Explorer", "4.0 (X11)"}},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments);
        ASSERT_EQ(parsed.error, "") << c.arguments[0];
        EXPECT_TRUE(parsed.options.explains());
        EXPECT_FALSE(parsed.options.report);
        EXPECT_EQ(visitorToExplain(parsed.options), c.expected) << c.arguments[0];
    }
}

TEST(PreviewOptionsTest, ReportAndFormat) {
    const ParsedCommandLine plain = parse({"--report", "--answers", "mine.txt"});
    ASSERT_EQ(plain.error, "");
    EXPECT_TRUE(plain.options.report);
    EXPECT_FALSE(plain.options.explains());
    EXPECT_EQ(plain.options.format, std::nullopt);
    EXPECT_EQ(plain.options.answers, "mine.txt");

    const ParsedCommandLine tsv = parse({"--report", "--format", "tsv"});
    ASSERT_EQ(tsv.error, "");
    EXPECT_EQ(tsv.options.format, "tsv");
}

TEST(PreviewOptionsTest, CombinationsThatMeanNothingAreUsageErrors) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::string_view error;
    };
    const Case cases[] = {
        {{"--report", "--explain", "Mozilla/2.0"}, "--report shows every listed browser"},
        {{"--report", "--app-version", "2.0"}, "--report shows every listed browser"},
        {{"--app-name", "Netscape"}, "--app-name needs --explain or --app-version"},
        {{"--report", "--format", "csv"}, "unknown format 'csv' (text or tsv)"},
        {{"--format", "tsv"}, "--format applies to --explain and --report"},
        {{"--explain"}, "option '--explain' needs a UA"},
        {{"--explain", ""}, "option '--explain' needs a non-empty UA"},
        {{"--report=yes"}, "option '--report' takes no value"},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments);
        EXPECT_TRUE(parsed.error.starts_with(c.error)) << c.arguments[0] << ": " << parsed.error;
    }
}

}  // namespace
}  // namespace generator::page_tool
