#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace generator::routing {

// What the detection page's tests look at: the visitor's `navigator.appName` and
// `navigator.appVersion`.
struct Visitor {
    std::string appName;
    std::string appVersion;

    friend bool operator==(const Visitor&, const Visitor&) = default;
};

inline constexpr std::string_view explorerAppName = "Microsoft Internet Explorer";
inline constexpr std::string_view netscapeAppName = "Netscape";

// The two values as the browsers of the time derived them from their user-agent string:
// appVersion is what follows the first "/" (nothing, when there is no "/"), and appName is
// "Microsoft Internet Explorer" when the string holds "MSIE" and "Netscape" otherwise, unless the
// caller knows better.
Visitor visitorFromUserAgent(std::string_view userAgent,
                             std::optional<std::string_view> appName = std::nullopt);

// `text.substring(from, to)` as JavaScript reads it: both positions are clamped to the text, and
// the characters run from the smaller position up to, but not including, the larger one.
std::string_view javascriptSubstring(std::string_view text, int from, int to);

}  // namespace generator::routing
