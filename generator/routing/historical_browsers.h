#pragma once

#include <string_view>
#include <vector>

#include "generator/routing/visitor.h"

namespace generator::routing {

// A real browser of the time, as its visitors' `navigator` showed it, and where that was read.
struct KnownBrowser {
    std::string_view name;  // e.g. "Netscape 4.6 (Windows 98)"
    std::string_view appName;
    std::string_view appVersion;
    std::string_view source;

    Visitor visitor() const { return {std::string(appName), std::string(appVersion)}; }
};

// The browsers of historical_browsers.tsv, built into the program, in the file's order.
const std::vector<KnownBrowser>& historicalBrowsers();

// Reads a list in that file's form: one browser a line, four fields separated by tabs (name,
// appName, appVersion, source); lines that start with "#" and empty lines are skipped. Throws
// std::invalid_argument, naming the line, for any other line.
std::vector<KnownBrowser> readBrowserList(std::string_view text);

}  // namespace generator::routing
