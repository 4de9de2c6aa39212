#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "generator/answers.h"
#include "generator/routing/historical_browsers.h"
#include "generator/routing/route.h"
#include "generator/routing/visitor.h"

namespace generator::routing {

enum class ReportFormat {
    text,  // lines for the author to read
    tsv,   // a header line, then one line per visitor, for programs
};

// The tab-separated form: the columns of the header line, in order. A field's backslashes, tabs,
// CRs and LFs are written as \\, \t, \r and \n, so that every visitor stays on one line.
inline constexpr std::string_view tsvHeader =
    "browser\tappName\tappVersion\trow\toutcome\taddress\ttarget\tmessage\tsource";

// The outcome column of the tab-separated form.
std::string_view outcomeWord(Outcome outcome);

// A text between double quotes, its double quotes, backslashes and control characters escaped as
// in a script literal, so that spaces and quotes at its ends stay visible.
std::string quoted(std::string_view text);

// The preview of one visitor: the two values it was given, the test that decides, and the outcome.
// The user agent, when the visitor was given by one, fills the browser column of the tsv form.
void writeExplanation(std::ostream& out, const Visitor& visitor, const Answers& answers,
                      ReportFormat format, std::string_view userAgent = {});

// Every browser of the list, grouped by outcome, and a summary count. In the text form each
// browser's name stands on a line of its own with its route below, wrapped to 80 columns; in the
// tsv form each browser is one line, whatever its length.
void writeReport(std::ostream& out, std::span<const KnownBrowser> browsers, const Answers& answers,
                 ReportFormat format);

}  // namespace generator::routing
