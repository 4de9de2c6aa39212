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

// The text report's lines fit this many columns; the tab-separated form keeps every line whole.
constexpr std::size_t reportWidth = 80;

// The words a wrapped line may end after: the text split at its spaces, except that a quoted
// text stays one word, spaces and all.
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    bool inQuotes = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (inQuotes) {
            if (c == '\\') {
                ++at;  // an escaped quote or backslash
            } else if (c == '"') {
                inQuotes = false;
            }
        } else if (c == '"') {
            inQuotes = true;
        } else if (c == ' ') {
            words.push_back(text.substr(start, at - start));
            start = at + 1;
        }
    }
    words.push_back(text.substr(start));
    return words;
}

// Writes the text as lines of at most reportWidth columns: the first begun by `indent` spaces,
// the others by two more. Words are kept whole where they fit a line; a longer one is cut at the
// line's end.
void writeWrapped(std::ostream& out, std::string_view text, std::size_t indent) {
    std::size_t lineIndent = indent;
    std::string line;
    const auto endLine = [&] {
        out << std::string(lineIndent, ' ') << line << '\n';
        line.clear();
        lineIndent = indent + 2;
    };
    for (std::string_view word : wordsOf(text)) {
        if (!line.empty() && lineIndent + line.size() + 1 + word.size() > reportWidth) {
            endLine();
        }
        if (!line.empty()) {
            line += ' ';
        }
        while (lineIndent + line.size() + word.size() > reportWidth) {
            const std::size_t fits = reportWidth - lineIndent - line.size();
            line += word.substr(0, fits);
            word.remove_prefix(fits);
            endLine();
        }
        line += word;
    }
    if (!line.empty()) {
        endLine();
    }
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
                      ReportFormat format, std::string_view userAgent) {
    const RoutedVisitor routed{userAgent, "", visitor, routeVisitor(visitor, answers)};
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
                writeWrapped(out, r.name, 2);
                writeWrapped(out, describeRoute(r.route), 4);
            }
        }
    }
    out << routed.size() << (routed.size() == 1 ? " browser:" : " browsers:") << summary.substr(1)
        << '\n';
}

}  // namespace generator::routing
