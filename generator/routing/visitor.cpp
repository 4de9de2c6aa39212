#include "generator/routing/visitor.h"

#include <algorithm>
#include <cstddef>

namespace generator::routing {

Visitor visitorFromUserAgent(std::string_view userAgent, std::optional<std::string_view> appName) {
    const std::size_t slash = userAgent.find('/');
    Visitor visitor;
    visitor.appVersion = slash == std::string_view::npos ? "" : userAgent.substr(slash + 1);
    if (appName) {
        visitor.appName = *appName;
    } else {
        const bool explorer = userAgent.find("MSIE") != std::string_view::npos;
        visitor.appName = explorer ? explorerAppName : netscapeAppName;
    }
    return visitor;
}

std::string_view javascriptSubstring(std::string_view text, int from, int to) {
    const auto clamp = [&](int position) {
        return std::min(static_cast<std::size_t>(std::max(position, 0)), text.size());
    };
    const std::size_t first = clamp(from);
    const std::size_t second = clamp(to);
    const std::size_t start = std::min(first, second);
    return text.substr(start, std::max(first, second) - start);
}

}  // namespace generator::routing
