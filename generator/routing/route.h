#pragma once

#include <string_view>

#include "generator/answers.h"
#include "generator/routing/open_call.h"
#include "generator/routing/visitor.h"
#include "generator/test_chain.h"

namespace generator::routing {

// What the detection page does for one visitor.
enum class Outcome {
    opensPage,       // a single test holds: its page opens in the author's window or frame
    nothingHappens,  // a family test holds and none of its nested tests does
    unknownBrowser,  // no top test holds: the page alerts unknownBrowserMessage
};

struct Route {
    Outcome outcome;
    // The test that decides: the single test that opens the page, or the family that holds
    // without a nested test that does. None when the visitor falls through to the alert.
    const BrowserTest* decidingTest;
    OpenCall open;  // what `open` receives; empty unless a page opens
};

// Whether one comparison of a condition line holds for the visitor.
bool holds(const Comparison& comparison, const Visitor& visitor);

// Whether every comparison of a test's condition holds, read left to right as `&&` does.
bool holds(const BrowserTest& test, const Visitor& visitor);

// Runs the browser test chain for the visitor as the page's `checkBrowser` does: the first top
// test that holds wins, and a family that holds commits the visitor to its nested tests.
Route routeVisitor(const Visitor& visitor, const Answers& answers);

}  // namespace generator::routing
