// The built-in list of real browsers, and the reader of its tab-separated form.

#include "generator/routing/historical_browsers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace generator::routing {
namespace {

TEST(HistoricalBrowsersTest, EveryBrowserIsNamedOnceAndKeepsItsSource) {
    const std::vector<KnownBrowser>& browsers = historicalBrowsers();
    ASSERT_FALSE(browsers.empty());
    std::set<std::string_view> names;
    for (const KnownBrowser& browser : browsers) {
        EXPECT_TRUE(names.insert(browser.name).second) << browser.name << " is listed twice";
        EXPECT_FALSE(browser.source.empty()) << browser.name;
    }
}

TEST(HistoricalBrowsersTest, ListHoldsTheBrowsersAuthorsAskAbout) {
    struct Case {
        std::string_view name;
        Visitor visitor;
    };
    const Case cases[] = {
        {"Netscape 4.6 (Windows 98)", {"Netscape", "4.6 [en] (Win98; I)"}},
        {"Internet Explorer 5.0 (Windows 98)",
         {"Microsoft Internet Explorer", "4.0 (compatible; MSIE 5.0; Windows 98; DigExt)"}},
        {"AOL 4.0 (Windows 95)",
         {"Microsoft Internet Explorer",
          "4.0 (compatible; MSIE 4.01; AOL 4.0; Windows 95; Toshiba Corporation)"}},
    };
    for (const Case& c : cases) {
        const auto& browsers = historicalBrowsers();
        const auto found = std::ranges::find(browsers, c.name, &KnownBrowser::name);
        ASSERT_NE(found, browsers.end()) << c.name;
        EXPECT_EQ(found->visitor(), c.visitor) << c.name;
    }
}

TEST(HistoricalBrowsersTest, ReaderSkipsCommentsAndTakesFourFields) {
    const std::vector<KnownBrowser> browsers = readBrowserList(
        "# browser\tappName\tappVersion\tsource\n"
        "\n"
        "A 1.0\tA\t1.0 (X11)\ta list\r\n"
        "B 2.0\tB\t2.0  [en] \t\n");
    ASSERT_EQ(browsers.size(), 2u);
    EXPECT_EQ(browsers[0].name, "A 1.0");
    EXPECT_EQ(browsers[0].source, "a list");
    EXPECT_EQ(browsers[1].appVersion, "2.0  [en] ");
    EXPECT_EQ(browsers[1].source, "");
}

TEST(HistoricalBrowsersTest, ReaderRejectsMalformedLines) {
    const std::string_view lists[] = {
        "A 1.0\tA\t1.0\n",      "A 1.0\tA\t1.0\tsource\textra\n", "\tA\t1.0\tsource\n",
        "A 1.0\tA\t\tsource\n", "A 1.0 A 1.0 source\n",
    };
    for (const std::string_view list : lists) {
        EXPECT_THROW(readBrowserList(list), std::invalid_argument) << list;
    }
}

}  // namespace
}  // namespace generator::routing
