#include "ui/text_layout.h"

#include <cctype>

#include "ui/cp1252.h"

namespace ui {

GlyphLine parseLabel(std::string_view text, bool prefix) {
    GlyphLine line;
    bool marked = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (prefix && byte == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                line.push_back({'&', false});
                ++i;
                continue;
            }
            marked = true;
            continue;
        }
        line.push_back({byte, marked});
        marked = false;
    }
    return line;
}

std::optional<char> mnemonicOf(std::string_view text) {
    for (const Glyph& glyph : parseLabel(text))
        if (glyph.mnemonic)
            return static_cast<char>(std::tolower(glyph.byte));
    return std::nullopt;
}

namespace {

std::vector<GlyphLine> splitLines(const GlyphLine& all) {
    std::vector<GlyphLine> lines(1);
    for (const Glyph& glyph : all) {
        if (glyph.byte == '\n') {
            lines.emplace_back();
        } else if (glyph.byte == '\t') {
            do {
                lines.back().push_back({' ', false});
            } while (lines.back().size() % tabStop != 0);
        } else if (glyph.byte != '\r') {
            lines.back().push_back(glyph);
        }
    }
    return lines;
}

void wrapLine(GlyphLine line, std::size_t width, std::vector<GlyphLine>& out) {
    while (line.size() > width) {
        // The last space at or before the width ends the line; the run of
        // spaces at the break is dropped on both sides.
        std::size_t cut = width;
        while (cut > 0 && line[cut].byte != ' ')
            --cut;
        bool onlySpacesBefore = true;
        for (std::size_t i = 0; i < cut; ++i)
            if (line[i].byte != ' ')
                onlySpacesBefore = false;
        std::size_t end = cut;
        if (cut == 0 || onlySpacesBefore) {
            cut = width;
            end = width;
        } else {
            while (end > 0 && line[end - 1].byte == ' ')
                --end;
        }
        out.emplace_back(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(end));
        std::size_t rest = cut;
        while (rest < line.size() && line[rest].byte == ' ')
            ++rest;
        line.erase(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(rest));
        if (line.empty())
            return;
    }
    out.push_back(std::move(line));
}

}  // namespace

std::vector<GlyphLine> layoutText(std::string_view text, int width, bool prefix, bool wrap) {
    std::vector<GlyphLine> out;
    for (GlyphLine& line : splitLines(parseLabel(text, prefix))) {
        if (!wrap || width <= 0)
            out.push_back(std::move(line));
        else
            wrapLine(std::move(line), static_cast<std::size_t>(width), out);
    }
    return out;
}

void drawGlyphs(Canvas& canvas, Point p, const GlyphLine& line, Color fg, Color bg,
                CellStyle style) {
    for (const Glyph& glyph : line) {
        canvas.set(p, Cell{cp1252::toUnicode(glyph.byte), fg, bg,
                           glyph.mnemonic ? style | CellStyle::underline : style});
        ++p.x;
    }
}

}  // namespace ui
