#pragma once

#include <ostream>

#include "generator/answers.h"
#include "generator/page_tool/options.h"
#include "generator/routing/visitor.h"

namespace generator::page_tool {

// The visitor of --explain: the values a user agent implies, then those given directly. Without a
// user agent, the appName follows from the appVersion by the same rule.
routing::Visitor visitorToExplain(const Options& options);

// What --explain or --report prints for these answers.
void writePreview(std::ostream& out, const Options& options, const Answers& answers);

}  // namespace generator::page_tool
