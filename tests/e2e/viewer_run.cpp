#include "tests/e2e/viewer_run.h"

#include <sstream>

namespace navisift_e2e {

namespace {

// The text without terminal control sequences (Esc [ ... final, Esc ] ...
// BEL, Esc ( charset, Esc with one more character) and control characters.
std::string withoutEscapes(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\x1b') {
            if (text[i] == '\n' || static_cast<unsigned char>(text[i]) >= 0x20)
                plain += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break;
        if (text[i + 1] == '[') {
            i += 2;
            while (i < text.size() && !(text[i] >= 0x40 && text[i] <= 0x7E))
                ++i;
        } else if (text[i + 1] == ']') {
            i += 2;
            while (i < text.size() && text[i] != '\a')
                ++i;
        } else if (std::string_view("()*+").find(text[i + 1]) != std::string_view::npos) {
            i += 2;
        } else {
            ++i;
        }
    }
    return plain;
}

}  // namespace

std::vector<std::string> printedLines(const std::string& typescript) {
    // The program prints once it has left the alternate screen.
    const std::string_view leave = "\x1b[?1049l";
    const std::size_t left = typescript.rfind(leave);
    std::istringstream text(
        withoutEscapes(left == std::string::npos ? typescript : typescript.substr(left)));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.starts_with("Script "))
            continue;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace navisift_e2e
