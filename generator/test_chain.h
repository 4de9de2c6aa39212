#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "generator/answers.h"
#include "generator/progress.h"

namespace generator {

// The body of the page's `checkBrowser` function: one outer else-if chain of top tests, some of
// which are families that hold an else-if chain of nested tests. Each single test opens the page
// the author named for one browser version; the alert after the chain catches everyone else.

// What the alert after the chain says to everyone else.
inline constexpr std::string_view unknownBrowserMessage = "You are Using a Unknown Browser";

enum class TestLevel { top, nested };
enum class TestKind { single, family };

// What a comparison looks at: `navigator.appName`, or characters of `navigator.appVersion`.
enum class Subject { appName, appVersion };

// One comparison of a condition line, as the browser evaluates it: `navigator.appName ==
// "literal"`, or `navigator.appVersion.substring(from,to) == "literal"`. The two positions are
// kept as written; substring takes the characters from the smaller up to the larger.
struct Comparison {
    Subject subject;
    int from;
    int to;
    std::string_view literal;
};

constexpr Comparison appName(std::string_view literal) {
    return {Subject::appName, 0, 0, literal};
}
constexpr Comparison appVersion(int from, int to, std::string_view literal) {
    return {Subject::appVersion, from, to, literal};
}

// A line of a test's condition, exactly as the page holds it, with the comparison it makes.
struct ConditionLine {
    std::string_view text;
    Comparison comparison;
};

struct BrowserTest {
    int row;  // counted from 1, in writing order
    TestLevel level;
    TestKind kind;
    std::array<ConditionLine, 3> lines;  // the first `lineCount` are used; the last opens the block
    std::size_t lineCount;
    std::string_view version;  // the browser version the test is for
    // Single tests only: the page its open line inserts, the opener and the block's closing line,
    // "}else" or, for the last test of a family, "}}else" that closes the family's block too.
    AnswerMember page;
    std::string_view opener;
    std::string_view closing;
    int progressAfter;  // the progress position set once the test is written, or 0 for none

    constexpr std::span<const ConditionLine> conditions() const {
        return {lines.data(), lineCount};
    }

    constexpr BrowserTest thenProgress(int position) const {
        BrowserTest test = *this;
        test.progressAfter = position;
        return test;
    }
};

namespace chain_rows {

constexpr std::string_view openNamed = "open(";
constexpr std::string_view openSpaced = "open (";
constexpr std::string_view nextTest = "}else";
constexpr std::string_view familyEnd = "}}else";

constexpr BrowserTest makeTest(int row, TestLevel level, TestKind kind,
                               std::initializer_list<ConditionLine> lines, std::string_view version,
                               AnswerMember page, std::string_view opener,
                               std::string_view closing) {
    BrowserTest test{row, level, kind, {}, 0, version, page, opener, closing, 0};
    for (const ConditionLine& line : lines) {
        test.lines[test.lineCount++] = line;
    }
    return test;
}

constexpr BrowserTest top(int row, std::initializer_list<ConditionLine> lines,
                          std::string_view version, AnswerMember page,
                          std::string_view opener = openNamed) {
    return makeTest(row, TestLevel::top, TestKind::single, lines, version, page, opener, nextTest);
}

constexpr BrowserTest family(int row, std::initializer_list<ConditionLine> lines,
                             std::string_view version) {
    return makeTest(row, TestLevel::top, TestKind::family, lines, version, nullptr, {}, {});
}

constexpr BrowserTest nested(int row, ConditionLine line, std::string_view version,
                             AnswerMember page, std::string_view closing = nextTest) {
    return makeTest(row, TestLevel::nested, TestKind::single, {line}, version, page, openNamed,
                    closing);
}

}  // namespace chain_rows

inline constexpr std::array<BrowserTest, 38> browserTests = [] {
    using namespace chain_rows;
    using A = Answers;
    return std::array<BrowserTest, 38>{{
        // Netscape
        top(1,
            {{R"(if ((navigator.appVersion.substring(0,3) == "2.0") &&)", appVersion(0, 3, "2.0")},
             {R"((navigator.appName == "Netscape")) {)", appName("Netscape")}},
            "Netscape 2.0", &A::pageNetscape2),
        top(2,
            {{R"(if ((navigator.appVersion.substring(0,4) == "3.01") &&)",
              appVersion(0, 4, "3.01")},
             {R"((navigator.appName == "Netscape")) {)", appName("Netscape")}},
            "Netscape 3.01", &A::pageNetscape3),
        top(3,
            {{R"(if ((navigator.appVersion.substring(0,4) == "3.03") &&)",
              appVersion(0, 4, "3.03")},
             {R"((navigator.appName == "Netscape")) {)", appName("Netscape")}},
            "Netscape 3.03", &A::pageNetscape3),
        top(4,
            {{R"(if ((navigator.appVersion.substring(0,4) == "3.04") &&)",
              appVersion(0, 4, "3.04")},
             {R"((navigator.appName == "Netscape")) {)", appName("Netscape")}},
            "Netscape 3.04", &A::pageNetscape3),
        top(5,
            {{R"(if ((navigator.appVersion.substring(0,3) == "3.0") &&)", appVersion(0, 3, "3.0")},
             {R"((navigator.appName == "Netscape")) {)", appName("Netscape")}},
            "Netscape 3.0 and every other 3.0 version", &A::pageNetscape3),
        family(6,
               {{R"(if ((navigator.appVersion.substring(0,1) == "4") &&)", appVersion(0, 1, "4")},
                {R"((navigator.appName == "Netscape")) {)", appName("Netscape")}},
               "Netscape 4 family"),
        nested(
            7,
            {R"(if (navigator.appVersion.substring(0,5) == "4.0b1") {)", appVersion(0, 5, "4.0b1")},
            "Netscape 4.0b1", &A::pageNetscape4),
        nested(
            8,
            {R"(if (navigator.appVersion.substring(0,5) == "4.0b2") {)", appVersion(0, 5, "4.0b2")},
            "Netscape 4.0b2", &A::pageNetscape4),
        nested(
            9,
            {R"(if (navigator.appVersion.substring(0,5) == "4.0b3") {)", appVersion(0, 5, "4.0b3")},
            "Netscape 4.0b3", &A::pageNetscape4),
        nested(
            10,
            {R"(if (navigator.appVersion.substring(0,5) == "4.0b4") {)", appVersion(0, 5, "4.0b4")},
            "Netscape 4.0b4", &A::pageNetscape4)
            .thenProgress(50),
        nested(
            11,
            {R"(if (navigator.appVersion.substring(0,5) == "4.0b5") {)", appVersion(0, 5, "4.0b5")},
            "Netscape 4.0b5", &A::pageNetscape4),
        nested(
            12,
            {R"(if (navigator.appVersion.substring(0,5) == "4.01a") {)", appVersion(0, 5, "4.01a")},
            "Netscape 4.01a", &A::pageNetscape4),
        nested(
            13,
            {R"(if (navigator.appVersion.substring(0,4) == "4.01") {)", appVersion(0, 4, "4.01")},
            "Netscape 4.01", &A::pageNetscape4),
        nested(
            14,
            {R"(if (navigator.appVersion.substring(0,4) == "4.02") {)", appVersion(0, 4, "4.02")},
            "Netscape 4.02", &A::pageNetscape4),
        nested(
            15,
            {R"(if (navigator.appVersion.substring(0,4) == "4.03") {)", appVersion(0, 4, "4.03")},
            "Netscape 4.03", &A::pageNetscape4),
        nested(
            16,
            {R"(if (navigator.appVersion.substring(0,4) == "4.04") {)", appVersion(0, 4, "4.04")},
            "Netscape 4.04", &A::pageNetscape4),
        nested(
            17,
            {R"(if (navigator.appVersion.substring(0,4) == "4.05") {)", appVersion(0, 4, "4.05")},
            "Netscape 4.05", &A::pageNetscape4),
        nested(
            18,
            {R"(if (navigator.appVersion.substring(0,4) == "4.06") {)", appVersion(0, 4, "4.06")},
            "Netscape 4.06", &A::pageNetscape4),
        nested(
            19,
            {R"(if (navigator.appVersion.substring(0,4) == "4.07") {)", appVersion(0, 4, "4.07")},
            "Netscape 4.07", &A::pageNetscape4),
        nested(
            20,
            {R"(if (navigator.appVersion.substring(0,4) == "4.08") {)", appVersion(0, 4, "4.08")},
            "Netscape 4.08", &A::pageNetscape4),
        nested(21,
               {R"(if (navigator.appVersion.substring(0,3) == "4.0") {)", appVersion(0, 3, "4.0")},
               "Netscape 4.0 and every other 4.0 version", &A::pageNetscape4),
        nested(
            22,
            {R"(if (navigator.appVersion.substring(0,5) == "4.5b1") {)", appVersion(0, 5, "4.5b1")},
            "Netscape 4.5b1", &A::pageNetscape45),
        nested(
            23,
            {R"(if (navigator.appVersion.substring(0,5) == "4.5b2") {)", appVersion(0, 5, "4.5b2")},
            "Netscape 4.5b2", &A::pageNetscape45),
        nested(24,
               {R"(if (navigator.appVersion.substring(0,3) == "4.5") {)", appVersion(0, 3, "4.5")},
               "Netscape 4.5 and every other 4.5 version", &A::pageNetscape45, familyEnd)
            .thenProgress(75),

        // Internet Explorer
        family(25,
               {{R"(if ((navigator.appVersion.substring(22,25) == "5.0") &&)",
                 appVersion(22, 25, "5.0")},
                {R"((navigator.appVersion.substring(0,3) == "4.0") &&)", appVersion(0, 3, "4.0")},
                {R"((navigator.appVersion.substring(17,21) == "MSIE")){)",
                 appVersion(17, 21, "MSIE")}},
               "Internet Explorer 5 family"),
        nested(26,
               {R"(if (navigator.appVersion.substring(22,27) == "5.0b1"){)",
                appVersion(22, 27, "5.0b1")},
               "Internet Explorer 5.0b1", &A::pageExplorer5),
        nested(27,
               {R"(if (navigator.appVersion.substring(22,27) == "5.0b2"){)",
                appVersion(22, 27, "5.0b2")},
               "Internet Explorer 5.0b2", &A::pageExplorer5, familyEnd),
        family(28,
               {{R"(if ((navigator.appVersion.substring(22,25) == "4.0") &&)",
                 appVersion(22, 25, "4.0")},
                {R"((navigator.appVersion.substring(0,3) == "4.0") &&)", appVersion(0, 3, "4.0")},
                {R"((navigator.appVersion.substring(17,21) == "MSIE")){)",
                 appVersion(17, 21, "MSIE")}},
               "Internet Explorer 4 family"),
        nested(29,
               {R"(if (navigator.appVersion.substring(22,26) == "4.01"){)",
                appVersion(22, 26, "4.01")},
               "Internet Explorer 4.01", &A::pageExplorer4),
        nested(30,
               {R"(if (navigator.appVersion.substring(0,3) == "4.0"){)", appVersion(0, 3, "4.0")},
               "Internet Explorer 4.0 and every other member of the family", &A::pageExplorer4,
               familyEnd),
        // The second line looks for MSIE, as the families above do, so that Internet Explorer 3
        // visitors get the Internet Explorer 3 page rather than the AOL one below.
        family(
            31,
            {{R"(if ((navigator.appVersion.substring(23,22) == "3") &&)", appVersion(23, 22, "3")},
             {R"((navigator.appVersion.substring(17,21) == "MSIE") &&)",
              appVersion(17, 21, "MSIE")},
             {R"((navigator.appVersion.substring(0,3) == "2.0")){)", appVersion(0, 3, "2.0")}},
            "Internet Explorer 3 family"),
        nested(32,
               {R"(if (navigator.appVersion.substring(26,22) == "3.01"){)",
                appVersion(26, 22, "3.01")},
               "Internet Explorer 3.01", &A::pageExplorer3),
        nested(33,
               {R"(if (navigator.appVersion.substring(26,22) == "3.02"){)",
                appVersion(26, 22, "3.02")},
               "Internet Explorer 3.02", &A::pageExplorer3),
        nested(34,
               {R"(if (navigator.appVersion.substring(26,22) == "3.03"){)",
                appVersion(26, 22, "3.03")},
               "Internet Explorer 3.03", &A::pageExplorer3),
        nested(
            35,
            {R"(if (navigator.appVersion.substring(25,22) == "3.0"){)", appVersion(25, 22, "3.0")},
            "Internet Explorer 3.0 and every other 3.0 version", &A::pageExplorer3, familyEnd),

        // AOL and WebTV
        top(36,
            {{R"(if ((navigator.appName =="Microsoft Internet Explorer") &&)",
              appName("Microsoft Internet Explorer")},
             {R"((navigator.appVersion.substring(0,3) == "2.0") &&)", appVersion(0, 3, "2.0")},
             {R"((navigator.appVersion.substring(17,25) == "MSIE 3.0")){)",
              appVersion(17, 25, "MSIE 3.0")}},
            "AOL 3.0 with Internet Explorer", &A::pageAol3, openSpaced),
        top(37,
            {{R"(if (navigator.appVersion.substring(17,26) == "MSIE 3.02"){)",
              appVersion(17, 26, "MSIE 3.02")}},
            "AOL 4.0", &A::pageAol4, openSpaced),
        top(38,
            {{R"(if ((navigator.appVersion.substring(0,3) =="3.0") &&)", appVersion(0, 3, "3.0")},
             {R"((navigator.appVersion.substring(5,10) == "WebTV") &&)",
              appVersion(5, 10, "WebTV")},
             {R"((navigator.appVersion.substring(11,15) == "2.10")) {)",
              appVersion(11, 15, "2.10")}},
            "WebTV 2.10", &A::pageWebTv),
    }};
}();

// Writes the chain's lines to the page, each ended and flushed like every page line, and moves the
// progress to 50 and then 75 on the way. It reports nothing: the page writer checks the stream.
void writeTestChain(std::ostream& page, const Answers& answers, const SetProgress& setProgress);

// The one line inside a single test's block, e.g. open("http://site/dir/page.html","_self");
std::string openLine(const BrowserTest& test, const Answers& answers);

}  // namespace generator
