// The routing preview against the browser test chain: which test decides for a visitor, and what
// the page then does.

#include "generator/routing/route.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/test_names.h"

namespace generator::routing {
namespace {

constexpr std::string_view netscape = "Netscape";
constexpr std::string_view explorer = "Microsoft Internet Explorer";

Answers namedAnswers() {
    Answers answers;
    answers.siteAddress = "www.example.org";
    answers.baseDirectory = "/authors/jane/";
    answers.targetFrame = "content";
    answers.pageNetscape2 = "n2.html";
    answers.pageNetscape3 = "n3.html";
    answers.pageNetscape4 = "n4.html";
    answers.pageNetscape45 = "n45.html";
    answers.pageExplorer3 = "e3.html";
    answers.pageExplorer4 = "e4.html";
    answers.pageExplorer5 = "e5.html";
    answers.pageAol3 = "aol3.html";
    answers.pageAol4 = "aol4.html";
    answers.pageWebTv = "webtv.html";
    return answers;
}

struct RouteCase {
    std::string_view appName;
    std::string_view appVersion;
    int row;  // the deciding row, 0 for none
    Outcome outcome;
    std::string_view page;  // the page path opened, when one is
};

void PrintTo(const RouteCase& c, std::ostream* out) {
    *out << '"' << c.appName << "\" \"" << c.appVersion << '"';
}

class RouteTest : public testing::TestWithParam<RouteCase> {};

TEST_P(RouteTest, DecidingTestAndOutcome) {
    const RouteCase& c = GetParam();
    const Answers answers = namedAnswers();
    const Route route = routeVisitor({std::string(c.appName), std::string(c.appVersion)}, answers);
    EXPECT_EQ(route.outcome, c.outcome);
    ASSERT_EQ(route.decidingTest != nullptr, c.row != 0);
    if (route.decidingTest) {
        EXPECT_EQ(route.decidingTest->row, c.row);
    }
    if (c.outcome == Outcome::opensPage) {
        EXPECT_EQ(route.open.address, "http://www.example.org/authors/jane/" + std::string(c.page));
        EXPECT_EQ(route.open.target, "content");
    } else {
        EXPECT_EQ(route.open, OpenCall{});
    }
}

constexpr auto opens = Outcome::opensPage;
constexpr auto nothing = Outcome::nothingHappens;
constexpr auto alert = Outcome::unknownBrowser;

// Every row of the chain decides for someone, but row 36 (see below); every family also lets
// someone through to nothing at all.
INSTANTIATE_TEST_SUITE_P(
    EveryRow, RouteTest,
    testing::Values(
        // Netscape 2 and 3
        RouteCase{netscape, "2.0 (Win95; I)", 1, opens, "n2.html"},
        RouteCase{netscape, "2.02 (Win95; I)", 1, opens, "n2.html"},
        RouteCase{netscape, "3.01 (WinNT; I)", 2, opens, "n3.html"},
        RouteCase{netscape, "3.03 (Win95; I)", 3, opens, "n3.html"},
        RouteCase{netscape, "3.04 (Win16; I)", 4, opens, "n3.html"},
        RouteCase{netscape, "3.0 (Win95; I)", 5, opens, "n3.html"},
        RouteCase{netscape, "3.02 (Win95; I)", 5, opens, "n3.html"},
        RouteCase{netscape, "3.0 WebTV/2.10 (compatible)", 5, opens, "n3.html"},
        // Netscape 4: each nested test, then the family that holds for nobody inside it
        RouteCase{netscape, "4.0b1 (Win95; I)", 7, opens, "n4.html"},
        RouteCase{netscape, "4.0b2 (Win95; I)", 8, opens, "n4.html"},
        RouteCase{netscape, "4.0b3 (Win95; I)", 9, opens, "n4.html"},
        RouteCase{netscape, "4.0b4 (Win95; I)", 10, opens, "n4.html"},
        RouteCase{netscape, "4.0b5 (Win95; I)", 11, opens, "n4.html"},
        RouteCase{netscape, "4.01a [en] (Win95; I)", 12, opens, "n4.html"},
        RouteCase{netscape, "4.01A [en] (Win95; I)", 13, opens, "n4.html"},
        RouteCase{netscape, "4.01 [en] (Win95; I)", 13, opens, "n4.html"},
        RouteCase{netscape, "4.02 [en] (Win95; I)", 14, opens, "n4.html"},
        RouteCase{netscape, "4.03 [en] (Win95; I)", 15, opens, "n4.html"},
        RouteCase{netscape, "4.04 [en] (Win95; I)", 16, opens, "n4.html"},
        RouteCase{netscape, "4.05 [en] (WinNT; I)", 17, opens, "n4.html"},
        RouteCase{netscape, "4.06 [en] (Win95; I)", 18, opens, "n4.html"},
        RouteCase{netscape, "4.07 [en] (Win95; I)", 19, opens, "n4.html"},
        RouteCase{netscape, "4.08 [en] (Win95; I)", 20, opens, "n4.html"},
        RouteCase{netscape, "4.0 (Win98; I)", 21, opens, "n4.html"},
        RouteCase{netscape, "4.0 (BeOS R4.5;US) Opera 3.60  [en]", 21, opens, "n4.html"},
        RouteCase{netscape, "4.5b1 [en] (WinNT; I)", 22, opens, "n45.html"},
        RouteCase{netscape, "4.5b2 [en] (WinNT; I)", 23, opens, "n45.html"},
        RouteCase{netscape, "4.5 [en] (WinNT; I)", 24, opens, "n45.html"},
        RouteCase{netscape, "4.51 [en] (WinNT; I)", 24, opens, "n45.html"},
        RouteCase{netscape, "4.6 [en] (Win98; I)", 6, nothing, ""},
        RouteCase{netscape, "4", 6, nothing, ""},
        // Internet Explorer 5 and 4
        RouteCase{explorer, "4.0 (compatible; MSIE 5.0b1; Mac_PowerPC)", 26, opens, "e5.html"},
        RouteCase{explorer, "4.0 (compatible; MSIE 5.0b2; Windows 98)", 27, opens, "e5.html"},
        RouteCase{explorer, "4.0 (compatible; MSIE 5.0; Windows 98; DigExt)", 25, nothing, ""},
        RouteCase{explorer, "4.0 (compatible; MSIE 4.01; Windows 95)", 29, opens, "e4.html"},
        RouteCase{explorer, "4.0 (compatible; MSIE 4.0; Windows 95)", 30, opens, "e4.html"},
        RouteCase{"AOL", "4.0 (compatible; MSIE 4.01; AOL 4.0; Windows 95)", 29, opens, "e4.html"},
        // 4.5 at positions 22 to 24: neither family holds.
        RouteCase{explorer, "4.0 (compatible; MSIE 4.5; Mac_PowerPC)", 0, alert, ""},
        // Internet Explorer 3; its family also takes every visitor row 36 would send to the AOL 3
        // page
        RouteCase{explorer, "2.0 (compatible; MSIE 3.01; Windows 95)", 32, opens, "e3.html"},
        RouteCase{explorer, "2.0 (compatible; MSIE 3.02; Windows 95)", 33, opens, "e3.html"},
        RouteCase{explorer, "2.0 (compatible; MSIE 3.03; Windows 95)", 34, opens, "e3.html"},
        RouteCase{explorer, "2.0 (compatible; MSIE 3.0; Windows 95)", 35, opens, "e3.html"},
        RouteCase{explorer, "2.0 (compatible; MSIE 3.0; AOL 3.0; Windows 95)", 35, opens,
                  "e3.html"},
        RouteCase{explorer, "2.0 (compatible; MSIE 3.1; Windows 95)", 31, nothing, ""},
        // AOL 4.0 and WebTV
        RouteCase{explorer, "3.0 (compatible; MSIE 3.02; AOL 4.0; Windows 95)", 37, opens,
                  "aol4.html"},
        RouteCase{netscape, "5.0 (compatible; MSIE 3.02; Windows 95)", 37, opens, "aol4.html"},
        RouteCase{"WebTV Plus Receiver", "3.0 (WebTV/2.10)", 38, opens, "webtv.html"},
        // Nobody the chain knows
        RouteCase{netscape, "3.1 (X11; I; Linux)", 0, alert, ""},
        RouteCase{netscape, "5.0 (X11)", 0, alert, ""},
        RouteCase{"WebTV Plus Receiver", "3.0 WebTV/1.2 (compatible; MSIE 2.0)", 0, alert, ""},
        RouteCase{explorer, "2.0 (compatible; MSIE 2.0; Windows 95)", 0, alert, ""},
        RouteCase{"netscape", "2.0 (Win95; I)", 0, alert, ""}, RouteCase{"", "", 0, alert, ""}),
    [](const testing::TestParamInfo<RouteCase>& info) {
        // Some versions are tried under two names: the name is part of the test's name.
        return navisift_test::testNameOf(std::string(info.param.appName) + " " +
                                         std::string(info.param.appVersion));
    });

TEST(RouteTest, TheAolThreeRowHoldsOnlyForVisitorsTheExplorerThreeFamilyTakesFirst) {
    const Visitor aol3{std::string(explorer), "2.0 (compatible; MSIE 3.0; AOL 3.0; Windows 95)"};
    const BrowserTest& row36 = browserTests[35];
    ASSERT_EQ(row36.row, 36);
    EXPECT_TRUE(holds(row36, aol3));
    EXPECT_TRUE(holds(browserTests[30], aol3));  // row 31, tested before it
    EXPECT_EQ(routeVisitor(aol3, namedAnswers()).decidingTest->row, 35);
}

TEST(RouteTest, ComparisonsAreExactAndReadReversedPositions) {
    const Visitor visitor{"Netscape", "2.0 (compatible; MSIE 3.02; Windows 95)"};
    struct Case {
        Comparison comparison;
        bool holds;
    };
    const Case cases[] = {
        {appName("Netscape"), true},
        {appName("netscape"), false},
        {appName("Netscape "), false},
        {appVersion(23, 22, "3"), true},
        {appVersion(26, 22, "3.02"), true},
        {appVersion(25, 22, "3.0"), true},
        {appVersion(17, 21, "MSIE"), true},
        {appVersion(17, 21, "Microsoft Internet Explorer"), false},
        {appVersion(22, 25, "3.02"), false},
        {appVersion(38, 45, ")"), true},  // clamped to the end of the text
    };
    for (const Case& c : cases) {
        EXPECT_EQ(holds(c.comparison, visitor), c.holds)
            << c.comparison.from << "," << c.comparison.to << " " << c.comparison.literal;
    }
}

// Answers full of what a script literal must not hold as it stands: what `open` receives is still
// the joined answers, byte for byte.
TEST(RouteTest, OpenReceivesTheJoinedAnswersWhateverTheyHold) {
    Answers answers;
    answers.siteAddress = R"(www.example.org/"a'b")";
    answers.baseDirectory = R"(/dir with spaces\net\new\<)";
    answers.targetFrame = R"(my "frame" \ it's)";
    answers.pageNetscape2 = R"(/script>alert("x").html)";
    answers.pageNetscape3 = R"(</script><b>"x"</script>)";
    answers.pageNetscape4 = "<!-- hidden --> page.html\r";
    answers.pageNetscape45 = R"(\)";
    answers.pageExplorer3 = R"(")";
    answers.pageExplorer4 = R"(it's "quoted".html)";
    answers.pageExplorer5 = "</SCRIPT>.html";
    answers.pageAol3 = R"(\")";
    answers.pageAol4 = R"(a\nb\tc\x41\u0041.html)";
    answers.pageWebTv = R"(<\/ </ <!-)";
    for (const BrowserTest& test : browserTests) {
        if (test.kind != TestKind::single) {
            continue;
        }
        const OpenCall call = readOpenLine(openLine(test, answers));
        EXPECT_EQ(call.address,
                  "http://" + answers.siteAddress + answers.baseDirectory + answers.*test.page)
            << "row " << test.row;
        EXPECT_EQ(call.target, answers.targetFrame) << "row " << test.row;
    }
}

// Every byte an answer may hold reaches `open` as itself, through the escapes of the page.
TEST(RouteTest, OpenReceivesEveryByteOfTheAnswers) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    Answers answers;
    answers.siteAddress = everyByte;
    answers.targetFrame = everyByte;
    const auto opensAPage = [](const BrowserTest& test) { return test.kind == TestKind::single; };
    const OpenCall call =
        readOpenLine(openLine(*std::ranges::find_if(browserTests, opensAPage), answers));
    EXPECT_EQ(call.address, "http://" + everyByte);
    EXPECT_EQ(call.target, everyByte);
}

TEST(RouteTest, EmptyAnswersOpenTheBareScheme) {
    const Route route = routeVisitor({"Netscape", "2.0 (Win95; I)"}, Answers{});
    EXPECT_EQ(route.open, (OpenCall{"http://", ""}));
}

}  // namespace
}  // namespace generator::routing
