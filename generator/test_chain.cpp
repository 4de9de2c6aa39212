#include "generator/test_chain.h"

#include <algorithm>

#include "generator/escaping.h"
#include "generator/page_line.h"

namespace generator {
namespace {

constexpr bool isSingle(const BrowserTest& test) {
    return test.kind == TestKind::single;
}

constexpr std::size_t chainLineCount() {
    std::size_t lines = 0;
    for (const BrowserTest& test : browserTests) {
        lines += test.lineCount + (isSingle(test) ? 2 : 0);
    }
    return lines;
}

constexpr bool rowsInOrder() {
    for (std::size_t at = 0; at < browserTests.size(); ++at) {
        if (browserTests[at].row != static_cast<int>(at) + 1) {
            return false;
        }
    }
    return true;
}

// Every family is followed by its nested tests, and only the last of them closes the family.
constexpr bool familiesClosed() {
    bool inFamily = false;
    for (std::size_t at = 0; at < browserTests.size(); ++at) {
        const BrowserTest& test = browserTests[at];
        const bool lastOfFamily =
            test.level == TestLevel::nested &&
            (at + 1 == browserTests.size() || browserTests[at + 1].level == TestLevel::top);
        if (test.level == TestLevel::nested && !inFamily) {
            return false;
        }
        if (isSingle(test) != (test.page != nullptr)) {
            return false;
        }
        if (isSingle(test) && test.closing != (lastOfFamily ? "}}else" : "}else")) {
            return false;
        }
        if (test.kind == TestKind::family) {
            inFamily = true;
        } else if (test.level == TestLevel::top || lastOfFamily) {
            inFamily = false;
        }
    }
    return !inFamily;
}

static_assert(rowsInOrder());
static_assert(familiesClosed());
static_assert(std::ranges::count_if(browserTests, isSingle) == 34, "34 open lines");
static_assert(chainLineCount() == 122);

}  // namespace

std::string openLine(const BrowserTest& test, const Answers& answers) {
    const std::string address =
        "http://" + answers.siteAddress + answers.baseDirectory + answers.*test.page;
    std::string line(test.opener);
    line += '"';
    line += escapeScriptString(address);
    line += "\",\"";
    line += escapeScriptString(answers.targetFrame);
    line += "\");";
    return line;
}

void writeTestChain(std::ostream& page, const Answers& answers, const SetProgress& setProgress) {
    for (const BrowserTest& test : browserTests) {
        for (const ConditionLine& line : test.conditions()) {
            writePageLine(page, {line.text});
        }
        if (isSingle(test)) {
            writePageLine(page, {openLine(test, answers)});
            writePageLine(page, {test.closing});
        }
        if (test.progressAfter != 0) {
            setProgress(test.progressAfter);
        }
    }
}

}  // namespace generator
