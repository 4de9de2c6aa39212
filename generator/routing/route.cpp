#include "generator/routing/route.h"

#include <algorithm>
#include <span>

namespace generator::routing {
namespace {

Route opens(const BrowserTest& test, const Answers& answers) {
    return {Outcome::opensPage, &test, readOpenLine(openLine(test, answers))};
}

// The nested tests that follow a family in the table, up to the next top test.
std::span<const BrowserTest> nestedTestsOf(const BrowserTest* family) {
    const BrowserTest* first = family + 1;
    const BrowserTest* last =
        std::find_if(first, browserTests.data() + browserTests.size(),
                     [](const BrowserTest& test) { return test.level == TestLevel::top; });
    return {first, last};
}

}  // namespace

bool holds(const Comparison& comparison, const Visitor& visitor) {
    switch (comparison.subject) {
        case Subject::appName:
            return visitor.appName == comparison.literal;
        case Subject::appVersion:
            return javascriptSubstring(visitor.appVersion, comparison.from, comparison.to) ==
                   comparison.literal;
    }
    return false;
}

bool holds(const BrowserTest& test, const Visitor& visitor) {
    return std::ranges::all_of(test.conditions(), [&](const ConditionLine& line) {
        return holds(line.comparison, visitor);
    });
}

Route routeVisitor(const Visitor& visitor, const Answers& answers) {
    for (const BrowserTest& test : browserTests) {
        if (test.level != TestLevel::top || !holds(test, visitor)) {
            continue;
        }
        if (test.kind == TestKind::single) {
            return opens(test, answers);
        }
        for (const BrowserTest& nested : nestedTestsOf(&test)) {
            if (holds(nested, visitor)) {
                return opens(nested, answers);
            }
        }
        return {Outcome::nothingHappens, &test, {}};
    }
    return {Outcome::unknownBrowser, nullptr, {}};
}

}  // namespace generator::routing
