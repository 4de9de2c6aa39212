// What navisift-page --explain and --report print.

#include "generator/routing/report.h"

#include <gtest/gtest.h>

#include <sstream>

namespace generator::routing {
namespace {

Answers siteAnswers() {
    Answers answers;
    answers.siteAddress = "www.example.org";
    answers.baseDirectory = "/";
    answers.targetFrame = "_self";
    answers.pageNetscape4 = "n4.html";
    answers.pageExplorer5 = "e5.html";
    return answers;
}

// One browser of each outcome, listed out of the report's order.
const KnownBrowser browsers[] = {
    {"Chrome 120", "Netscape", "5.0 (X11)", "now"},
    {"Netscape 4.6", "Netscape", "4.6 [en] (Win98; I)", "a list"},
    {"IE 5.0b1", "Microsoft Internet Explorer", "4.0 (compatible; MSIE 5.0b1; Mac_PowerPC)",
     "a list"},
    {"Netscape 4.0", "Netscape", "4.0 (Win98; I)", "a book"},
};

TEST(ReportTest, TextGroupsByOutcomeAndCounts) {
    std::ostringstream out;
    writeReport(out, browsers, siteAnswers(), ReportFormat::text);
    EXPECT_EQ(out.str(),
              "Sent to a page (2):\n"
              "  IE 5.0b1\n"
              "    row 26 (Internet Explorer 5.0b1): opens \"http://www.example.org/e5.html\" in\n"
              "      \"_self\"\n"
              "  Netscape 4.0\n"
              "    row 21 (Netscape 4.0 and every other 4.0 version): opens\n"
              "      \"http://www.example.org/n4.html\" in \"_self\"\n"
              "Nothing happens (1):\n"
              "  Netscape 4.6\n"
              "    row 6 (Netscape 4 family) holds and none of its nested tests does: nothing\n"
              "      happens\n"
              "Unknown-browser alert (1):\n"
              "  Chrome 120\n"
              "    no test holds: the alert \"You are Using a Unknown Browser\"\n"
              "4 browsers: 2 sent to a page, 1 get nothing, 1 get the alert\n");
}

TEST(ReportTest, TextLeavesOutEmptyGroupsButCountsThem) {
    std::ostringstream out;
    writeReport(out, std::span(browsers).first(1), siteAnswers(), ReportFormat::text);
    EXPECT_EQ(out.str(),
              "Unknown-browser alert (1):\n"
              "  Chrome 120\n"
              "    no test holds: the alert \"You are Using a Unknown Browser\"\n"
              "1 browser: 0 sent to a page, 0 get nothing, 1 get the alert\n");
}

// Every byte of the text but its spaces and line ends, to compare a wrapped text with its source.
std::string withoutSpaces(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\n') {
            kept += c;
        }
    }
    return kept;
}

TEST(ReportTest, TextFitsEightyColumnsAndLosesNothing) {
    // The longest answers there are, with spaces inside the quoted texts, and a long name.
    Answers answers;
    for (const AnswerField& field : answerFields) {
        answers.*field.member = std::string(field.limit - 4, 'w') + " \"x\"";
    }
    const KnownBrowser longNamed[] = {
        {"A browser whose name alone is longer than the eighty columns of an ordinary terminal",
         "Netscape", "4.5 [en] (WinNT; I)", "a list"},
        {"Netscape 4.6", "Netscape", "4.6 [en] (Win98; I)", "a list"},
    };
    std::ostringstream report;
    writeReport(report, longNamed, answers, ReportFormat::text);
    std::istringstream lines(report.str());
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 80u) << line;
    }
    for (const KnownBrowser& browser : longNamed) {
        std::ostringstream explanation;
        writeExplanation(explanation, browser.visitor(), answers, ReportFormat::text);
        const std::string route = explanation.str().substr(explanation.str().find('\n') + 1);
        EXPECT_NE(
            withoutSpaces(report.str()).find(withoutSpaces(browser.name) + withoutSpaces(route)),
            std::string::npos)
            << browser.name;
    }
}

TEST(ReportTest, TsvHasOneEscapedLinePerBrowser) {
    Answers answers = siteAnswers();
    answers.targetFrame = "a\tb\\c";
    std::ostringstream out;
    writeReport(out, browsers, answers, ReportFormat::tsv);
    EXPECT_EQ(out.str(),
              std::string(tsvHeader) + "\n" +
                  "IE 5.0b1\tMicrosoft Internet Explorer\t4.0 (compatible; MSIE 5.0b1; "
                  "Mac_PowerPC)\t26\topen\thttp://www.example.org/e5.html\ta\\tb\\\\c\t\ta list\n"
                  "Netscape 4.0\tNetscape\t4.0 (Win98; I)\t21\topen\t"
                  "http://www.example.org/n4.html\ta\\tb\\\\c\t\ta book\n"
                  "Netscape 4.6\tNetscape\t4.6 [en] (Win98; I)\t6\tnothing\t\t\t\ta list\n"
                  "Chrome 120\tNetscape\t5.0 (X11)\t\talert\t\t\t"
                  "You are Using a Unknown Browser\tnow\n");
}

TEST(ReportTest, ExplanationNamesTheValuesTheTestAndTheOutcome) {
    struct Case {
        Visitor visitor;
        std::string expected;
    };
    Answers answers = siteAnswers();
    answers.pageNetscape45 = "say \"hi\"\x01.html";
    const Case cases[] = {
        {{"Netscape", "4.5 [en] (WinNT; I)"},
         "appName \"Netscape\", appVersion \"4.5 [en] (WinNT; I)\"\n"
         "row 24 (Netscape 4.5 and every other 4.5 version): opens "
         "\"http://www.example.org/say \\\"hi\\\"\\x01.html\" in \"_self\"\n"},
        {{"Netscape", "4.6 [en] (Win98; I)"},
         "appName \"Netscape\", appVersion \"4.6 [en] (Win98; I)\"\n"
         "row 6 (Netscape 4 family) holds and none of its nested tests does: nothing happens\n"},
        {{"Lynx", ""},
         "appName \"Lynx\", appVersion \"\"\n"
         "no test holds: the alert \"You are Using a Unknown Browser\"\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        writeExplanation(out, c.visitor, answers, ReportFormat::text);
        EXPECT_EQ(out.str(), c.expected);
    }
}

TEST(ReportTest, ExplanationAsTsvIsTheReportsLineWithTheUserAgentAsBrowser) {
    std::ostringstream out;
    writeExplanation(out, {"Netscape", "2.0 (Win95; I)"}, siteAnswers(), ReportFormat::tsv,
                     "Mozilla/2.0 (Win95; I)");
    EXPECT_EQ(out.str(), std::string(tsvHeader) +
                             "\nMozilla/2.0 (Win95; I)\tNetscape\t2.0 (Win95; I)\t1\topen\t"
                             "http://www.example.org/\t_self\t\t\n");
}

TEST(ReportTest, ExplanationAsTsvWithoutUserAgentLeavesTheBrowserEmpty) {
    std::ostringstream out;
    writeExplanation(out, {"Netscape", "2.0 (Win95; I)"}, siteAnswers(), ReportFormat::tsv);
    EXPECT_EQ(out.str(), std::string(tsvHeader) +
                             "\n\tNetscape\t2.0 (Win95; I)\t1\topen\thttp://www.example.org/\t_self"
                             "\t\t\n");
}

}  // namespace
}  // namespace generator::routing
