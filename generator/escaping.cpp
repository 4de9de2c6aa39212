#include "generator/escaping.h"

namespace generator {

std::string escapeScriptString(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const std::string_view rest = text.substr(at);
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '"') {
            escaped += "\\\"";
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (rest.starts_with("</") || rest.starts_with("<!--")) {
            // "<\/" and "<\!--" read as the same text inside the literal.
            escaped += "<\\";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string escapeAttributeValue(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '"') {
            escaped += "&quot;";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace generator
