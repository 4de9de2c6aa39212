#pragma once

#include <ostream>
#include <system_error>

#include "generator/answers.h"
#include "generator/detection_page.h"
#include "generator/page_tool/options.h"
#include "generator/routing/visitor.h"

namespace generator::page_tool {

// The visitor of --explain: the values a user agent implies, then those given directly. Without a
// user agent, the appName follows from the appVersion by the same rule.
routing::Visitor visitorToExplain(const Options& options);

// What --explain or --report prints for these answers.
void writePreview(std::ostream& out, const Options& options, const Answers& answers);

// The same into the file --output names, through the page's own file writer: a file there is
// replaced only once the preview is whole, and a device is written straight through. `failure`
// says why, and what was left, when the result is a failure.
PageResult writePreviewFile(const Options& options, const Answers& answers, PageFailure& failure);

}  // namespace generator::page_tool
