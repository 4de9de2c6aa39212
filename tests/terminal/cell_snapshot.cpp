#include "tests/terminal/cell_snapshot.h"

#include <cstdio>
#include <map>
#include <sstream>

#include "ui/cp1252.h"

namespace snapshot {
namespace {

constexpr std::string_view charactersHeading = "--- characters ---";
constexpr std::string_view looksHeading = "--- looks ---";
constexpr std::string_view legendHeading = "--- legend ---";

// Keys for the looks, in the order they first appear; a frame with more looks
// than keys (a picture) shares the last key among the rest.
constexpr std::string_view lookKeys =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+*=#@$%&/<>^~";

std::string hexOf(ui::Color color) {
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", color.r, color.g, color.b);
    return text;
}

std::string describeLook(const ui::Cell& cell) {
    std::string text = hexOf(cell.fg) + " on " + hexOf(cell.bg);
    if (ui::hasStyle(cell.style, ui::CellStyle::bold))
        text += " bold";
    if (ui::hasStyle(cell.style, ui::CellStyle::underline))
        text += " underline";
    if (ui::hasStyle(cell.style, ui::CellStyle::reverse))
        text += " reverse";
    return text;
}

std::u32string decodeUtf8(std::string_view text) {
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        decoded.push_back(code);
        i += static_cast<std::size_t>(length);
    }
    return decoded;
}

struct ParsedSnapshot {
    std::vector<std::u32string> characters;
    std::vector<std::string> looks;  // keys per row
    std::map<char, std::string> legend;
    std::string caret;
};

// Reads the rows between one heading and the next: "|...|" each.
bool readRows(std::istringstream& in, std::vector<std::string>& rows, std::string_view until) {
    for (std::string line; std::getline(in, line);) {
        if (line == until)
            return true;
        if (line.size() < 2 || line.front() != '|' || line.back() != '|')
            return false;
        rows.push_back(line.substr(1, line.size() - 2));
    }
    return false;
}

bool parse(const std::string& text, ParsedSnapshot& parsed) {
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);  // the title
    if (!std::getline(in, line) || line != charactersHeading)
        return false;
    std::vector<std::string> characterRows;
    if (!readRows(in, characterRows, looksHeading))
        return false;
    for (const std::string& row : characterRows)
        parsed.characters.push_back(decodeUtf8(row));
    if (!readRows(in, parsed.looks, legendHeading))
        return false;
    while (std::getline(in, line)) {
        if (line.starts_with("caret ")) {
            parsed.caret = line;
            continue;
        }
        if (line.size() < 3 || line[1] != ' ')
            return false;
        parsed.legend[line[0]] = line.substr(2);
    }
    return true;
}

std::string quoted(char32_t code) {
    return "'" + ui::cp1252::toUtf8(std::u32string(1, code)) + "'";
}

}  // namespace

std::string format(const ui::Frame& frame, std::string_view title) {
    const ui::Canvas& canvas = frame.canvas;
    const ui::Size size = canvas.size();
    std::string text = std::string(title) + ", " + std::to_string(size.width) + " x " +
                       std::to_string(size.height) + "\n" + std::string(charactersHeading) + "\n";
    for (int y = 0; y < size.height; ++y) {
        std::u32string row;
        for (int x = 0; x < size.width; ++x)
            row.push_back(canvas.at({x, y}).ch);
        text += "|" + ui::cp1252::toUtf8(row) + "|\n";
    }

    std::map<std::string, char> keys;
    std::vector<std::string> legend;
    text += std::string(looksHeading) + "\n";
    for (int y = 0; y < size.height; ++y) {
        std::string row;
        for (int x = 0; x < size.width; ++x) {
            const std::string look = describeLook(canvas.at({x, y}));
            auto found = keys.find(look);
            if (found == keys.end()) {
                const std::size_t index = std::min(keys.size(), lookKeys.size() - 1);
                found = keys.emplace(look, lookKeys[index]).first;
                if (index < lookKeys.size() - 1)
                    legend.push_back(std::string(1, lookKeys[index]) + " " + look);
            }
            row.push_back(found->second);
        }
        text += "|" + row + "|\n";
    }
    text += std::string(legendHeading) + "\n";
    if (keys.size() >= lookKeys.size())
        legend.push_back(std::string(1, lookKeys.back()) + " any other look (a picture)");
    for (const std::string& entry : legend)
        text += entry + "\n";
    text += frame.caret
                ? "caret " + std::to_string(frame.caret->x) + "," + std::to_string(frame.caret->y)
                : std::string("caret none");
    return text + "\n";
}

std::vector<std::string> differences(const std::string& expected, const std::string& actual) {
    ParsedSnapshot want;
    ParsedSnapshot got;
    if (!parse(expected, want))
        return {"the expected snapshot cannot be read"};
    if (!parse(actual, got))
        return {"the drawn snapshot cannot be read"};
    std::vector<std::string> found;
    if (want.characters.size() != got.characters.size())
        found.push_back("rows: " + std::to_string(want.characters.size()) + " and " +
                        std::to_string(got.characters.size()));
    const std::size_t rows = std::min(want.characters.size(), got.characters.size());
    for (std::size_t y = 0; y < rows; ++y) {
        const std::size_t columns = std::max(want.characters[y].size(), got.characters[y].size());
        for (std::size_t x = 0; x < columns; ++x) {
            const std::string where =
                "row " + std::to_string(y) + ", column " + std::to_string(x) + ": ";
            const char32_t a = x < want.characters[y].size() ? want.characters[y][x] : U'\0';
            const char32_t b = x < got.characters[y].size() ? got.characters[y][x] : U'\0';
            if (a != b)
                found.push_back(where + "characters " + quoted(a) + " and " + quoted(b));
            const char keyA =
                y < want.looks.size() && x < want.looks[y].size() ? want.looks[y][x] : '?';
            const char keyB =
                y < got.looks.size() && x < got.looks[y].size() ? got.looks[y][x] : '?';
            const std::string lookA =
                want.legend.count(keyA) ? want.legend[keyA] : std::string(1, keyA);
            const std::string lookB =
                got.legend.count(keyB) ? got.legend[keyB] : std::string(1, keyB);
            if (lookA != lookB)
                found.push_back(where + "looks " + lookA + " and " + lookB);
        }
    }
    if (want.caret != got.caret)
        found.push_back(want.caret + " and " + got.caret);
    return found;
}

}  // namespace snapshot
