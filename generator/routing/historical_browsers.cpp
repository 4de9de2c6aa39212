#include "generator/routing/historical_browsers.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace generator::routing {

// Written at configure time from historical_browsers.tsv.
std::string_view historicalBrowsersTsv();

namespace {

constexpr std::size_t fieldCount = 4;

std::array<std::string_view, fieldCount> splitFields(std::string_view line, int lineNumber) {
    std::array<std::string_view, fieldCount> fields;
    std::size_t count = 0;
    while (true) {
        const std::size_t tab = line.find('\t');
        if (count == fieldCount) {
            throw std::invalid_argument("browser list line " + std::to_string(lineNumber) +
                                        ": more than four fields");
        }
        fields[count++] = line.substr(0, tab);
        if (tab == std::string_view::npos) {
            break;
        }
        line.remove_prefix(tab + 1);
    }
    if (count != fieldCount) {
        throw std::invalid_argument("browser list line " + std::to_string(lineNumber) +
                                    ": fewer than four fields");
    }
    return fields;
}

}  // namespace

std::vector<KnownBrowser> readBrowserList(std::string_view text) {
    std::vector<KnownBrowser> browsers;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        const auto [name, appName, appVersion, source] = splitFields(line, lineNumber);
        if (name.empty() || appName.empty() || appVersion.empty()) {
            throw std::invalid_argument("browser list line " + std::to_string(lineNumber) +
                                        ": a browser needs a name, an appName and an appVersion");
        }
        browsers.push_back({name, appName, appVersion, source});
    }
    return browsers;
}

const std::vector<KnownBrowser>& historicalBrowsers() {
    static const std::vector<KnownBrowser> browsers = readBrowserList(historicalBrowsersTsv());
    return browsers;
}

}  // namespace generator::routing
