#include "generator/routing/report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace generator::routing {
namespace {

struct OutcomeText {
    Outcome outcome;
    std::string_view word;     // the tab-separated form
    std::string_view heading;  // the group in the text report
    std::string_view summary;  // its count in the summary line
};

constexpr std::array<OutcomeText, 3> outcomeTexts{{
    {Outcome::opensPage, "open", "Sent to a page", "sent to a page"},
    {Outcome::nothingHappens, "nothing", "Nothing happens", "get nothing"},
    {Outcome::unknownBrowser, "alert", "Unknown-browser alert", "get the alert"},
}};

const OutcomeText& textOf(Outcome outcome) {
    return *std::ranges::find(outcomeTexts, outcome, &OutcomeText::outcome);
}

// One visitor with its route: a browser of the list, or the visitor the author asked about.
struct RoutedVisitor {
    std::string_view name;
    std::string_view source;
    Visitor visitor;
    Route route;
};

// What the deciding test does with the visitor, e.g.
// row 24 (Netscape 4.5 and every other 4.5 version): opens "http://site/n45.html" in "_self"
std::string describeRoute(const Route& route) {
    switch (route.outcome) {
        case Outcome::opensPage:
            return "row " + std::to_string(route.decidingTest->row) + " (" +
                   std::string(route.decidingTest->version) + "): opens " +
                   quoted(route.open.address) + " in " + quoted(route.open.target);
        case Outcome::nothingHappens:
            return "row " + std::to_string(route.decidingTest->row) + " (" +
                   std::string(route.decidingTest->version) +
                   ") holds and none of its nested tests does: nothing happens";
        case Outcome::unknownBrowser:
            return "no test holds: the alert " + quoted(unknownBrowserMessage);
    }
    return {};
}

std::string tsvField(std::string_view text) {
    std::string field;
    for (const char c : text) {
        switch (c) {
            case '\\':
                field += "\\\\";
                break;
            case '\t':
                field += "\\t";
                break;
            case '\r':
                field += "\\r";
                break;
            case '\n':
                field += "\\n";
                break;
            default:
                field += c;
        }
    }
    return field;
}

void writeTsvLine(std::ostream& out, const RoutedVisitor& routed) {
    const Route& route = routed.route;
    const std::string row = route.decidingTest ? std::to_string(route.decidingTest->row) : "";
    const std::string_view message =
        route.outcome == Outcome::unknownBrowser ? unknownBrowserMessage : "";
    const std::array<std::string_view, 9> fields{routed.name,
                                                 routed.visitor.appName,
                                                 routed.visitor.appVersion,
                                                 row,
                                                 outcomeWord(route.outcome),
                                                 route.open.address,
                                                 route.open.target,
                                                 message,
                                                 routed.source};
    for (std::size_t at = 0; at < fields.size(); ++at) {
        out << (at == 0 ? "" : "\t") << tsvField(fields[at]);
    }
    out << '\n';
}

}  // namespace

std::string_view outcomeWord(Outcome outcome) {
    return textOf(outcome).word;
}

std::string quoted(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            std::array<char, 5> escape{};
            std::snprintf(escape.data(), escape.size(), "\\x%02X", byte);
            result += escape.data();
        } else {
            result += c;
        }
    }
    return result + "\"";
}

void writeExplanation(std::ostream& out, const Visitor& visitor, const Answers& answers,
                      ReportFormat format) {
    const RoutedVisitor routed{"", "", visitor, routeVisitor(visitor, answers)};
    if (format == ReportFormat::tsv) {
        out << tsvHeader << '\n';
        writeTsvLine(out, routed);
        return;
    }
    out << "appName " << quoted(visitor.appName) << ", appVersion " << quoted(visitor.appVersion)
        << '\n'
        << describeRoute(routed.route) << '\n';
}

void writeReport(std::ostream& out, std::span<const KnownBrowser> browsers, const Answers& answers,
                 ReportFormat format) {
    std::vector<RoutedVisitor> routed;
    for (const KnownBrowser& browser : browsers) {
        const Visitor visitor = browser.visitor();
        routed.push_back({browser.name, browser.source, visitor, routeVisitor(visitor, answers)});
    }
    // Grouped by outcome, in the list's order within each group.
    std::ranges::stable_sort(routed, {}, [](const RoutedVisitor& r) { return r.route.outcome; });

    if (format == ReportFormat::tsv) {
        out << tsvHeader << '\n';
        for (const RoutedVisitor& r : routed) {
            writeTsvLine(out, r);
        }
        return;
    }
    std::size_t nameWidth = 0;
    for (const RoutedVisitor& r : routed) {
        nameWidth = std::max(nameWidth, r.name.size());
    }
    std::string summary;
    for (const OutcomeText& text : outcomeTexts) {
        const auto count = std::ranges::count(
            routed, text.outcome, [](const RoutedVisitor& r) { return r.route.outcome; });
        summary += ", " + std::to_string(count) + " " + std::string(text.summary);
        if (count == 0) {
            continue;
        }
        out << text.heading << " (" << count << "):\n";
        for (const RoutedVisitor& r : routed) {
            if (r.route.outcome == text.outcome) {
                std::string name(r.name);
                name.resize(nameWidth, ' ');
                out << "  " << name << "  " << describeRoute(r.route) << '\n';
            }
        }
    }
    out << routed.size() << (routed.size() == 1 ? " browser:" : " browsers:") << summary.substr(1)
        << '\n';
}

}  // namespace generator::routing
