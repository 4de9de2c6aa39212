#include "generator/test_chain.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace generator {
namespace {

std::string comparisonAsWritten(const Comparison& comparison) {
    if (comparison.subject == Subject::appName) {
        return "navigator.appName";
    }
    return "navigator.appVersion.substring(" + std::to_string(comparison.from) + "," +
           std::to_string(comparison.to) + ")";
}

// The structured comparison of every condition line is the one its text makes, so that routing
// can be worked out from the table without parsing the lines.
TEST(BrowserTests, EachConditionLineMakesTheComparisonItCarries) {
    const std::regex comparison(
        R"re(navigator\.(?:appName|appVersion\.substring\(\d+,\d+\)) ?== ?"[^"]*")re");
    for (const BrowserTest& test : browserTests) {
        for (const ConditionLine& line : test.conditions()) {
            SCOPED_TRACE(line.text);
            const std::string text(line.text);
            const auto found = std::sregex_iterator(text.begin(), text.end(), comparison);
            ASSERT_EQ(std::distance(found, std::sregex_iterator()), 1) << "one comparison a line";
            const std::string written = found->str();
            const std::string subject = comparisonAsWritten(line.comparison);
            EXPECT_EQ(written.substr(0, subject.size()), subject);
            const std::string literal = '"' + std::string(line.comparison.literal) + '"';
            EXPECT_TRUE(written.ends_with("== " + literal) || written.ends_with("==" + literal));
        }
    }
}

TEST(BrowserTests, EveryTestOpensItsBlockOnItsLastLineOnly) {
    const std::regex opening(R"re(^.*\)\)? ?\{$)re");
    for (const BrowserTest& test : browserTests) {
        SCOPED_TRACE(test.row);
        const auto lines = test.conditions();
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.front().text.starts_with("if ("));
        for (const ConditionLine& line : lines.first(lines.size() - 1)) {
            EXPECT_TRUE(line.text.ends_with(") &&")) << line.text;
        }
        EXPECT_TRUE(std::regex_match(std::string(lines.back().text), opening));
    }
}

std::vector<std::string> chainLines(const Answers& answers, std::vector<int>* positions = nullptr) {
    std::ostringstream page;
    writeTestChain(page, answers, [&](int position) {
        if (positions != nullptr) {
            positions->push_back(position);
        }
    });
    std::vector<std::string> lines;
    const std::string text = page.str();
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> openLines(const std::vector<std::string>& lines) {
    std::vector<std::string> opens;
    for (const std::string& line : lines) {
        if (line.starts_with("open")) {
            opens.push_back(line);
        }
    }
    return opens;
}

TEST(TestChain, WithEveryAnswerEmptyEachOpenLineHasEmptyQuotes) {
    const std::vector<std::string> lines = chainLines(Answers{});
    ASSERT_EQ(lines.size(), 122u);
    EXPECT_EQ(lines.back(), "}else");
    const std::vector<std::string> opens = openLines(lines);
    ASSERT_EQ(opens.size(), 34u);
    for (std::size_t at = 0; at < opens.size(); ++at) {
        // The AOL tests are the last two but one.
        const bool aol = at == 31 || at == 32;
        EXPECT_EQ(opens[at], aol ? R"(open ("http://","");)" : R"(open("http://","");)");
    }
}

TEST(TestChain, EachOpenLineJoinsTheAddressOfItsRowsPage) {
    Answers answers;
    answers.siteAddress = "www.example.org";
    answers.baseDirectory = "/base/";
    answers.targetFrame = "_self";
    for (std::size_t field = 3; field < answerFields.size(); ++field) {
        answers.*answerFields[field].member = std::string(answerFields[field].name) + ".html";
    }
    std::vector<std::string> expected;
    for (const BrowserTest& test : browserTests) {
        if (test.kind == TestKind::single) {
            expected.push_back(std::string(test.opener) + "\"http://www.example.org/base/" +
                               answers.*test.page + "\",\"_self\");");
        }
    }
    EXPECT_EQ(openLines(chainLines(answers)), expected);
}

TEST(TestChain, AnswersCannotBreakOutOfTheScriptStrings) {
    struct Case {
        std::string site, base, page, frame, addressInLine, frameInLine;
    };
    const std::vector<Case> cases{
        {"a\"b", "", "", "f\"g", R"(http://a\"b)", R"(f\"g)"},
        {"", "net\\new.html", "", "\\", R"(http://net\\new.html)", R"(\\)"},
        {"", "", "</script>", "", R"(http://<\/script>)", ""},
        {"", "", "<!-- x -->", "<!--", R"(http://<\!-- x -->)", R"(<\!--)"},
        {"", "a\r", "", "b\r", R"(http://a\r)", R"(b\r)"},
        // A closing tag formed where two answers meet.
        {"site<", "/script>", "", "", R"(http://site<\/script>)", ""},
        {"it's", " a page ", "", "it's", "http://it's a page ", "it's"},
        {"<", "!--", "", "", R"(http://<\!--)", ""},
        {"<!-", "", "", "<!-", "http://<!-", "<!-"},
    };
    for (const Case& c : cases) {
        Answers answers;
        answers.siteAddress = c.site;
        answers.baseDirectory = c.base;
        answers.pageNetscape2 = c.page;
        answers.targetFrame = c.frame;
        EXPECT_EQ(openLine(browserTests[0], answers),
                  "open(\"" + c.addressInLine + "\",\"" + c.frameInLine + "\");");
    }
}

TEST(TestChain, MovesProgressTo50And75EvenWhenTheStreamHasFailed) {
    std::ostringstream page;
    page.setstate(std::ios::badbit);
    std::vector<int> positions;
    writeTestChain(page, Answers{}, [&](int position) { positions.push_back(position); });
    EXPECT_EQ(positions, (std::vector<int>{50, 75}));
}

}  // namespace
}  // namespace generator
