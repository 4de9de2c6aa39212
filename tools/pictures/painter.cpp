#include "tools/pictures/painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace pictures {

namespace {

struct Glyph {
    char letter;
    std::array<std::string_view, 7> rows;
};

constexpr std::array<Glyph, 7> glyphs{{
    {'N', {"X...X", "XX..X", "XX..X", "X.X.X", "X..XX", "X..XX", "X...X"}},
    {'A', {".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"}},
    {'V', {"X...X", "X...X", "X...X", "X...X", ".X.X.", ".X.X.", "..X.."}},
    {'I', {"XXX", ".X.", ".X.", ".X.", ".X.", ".X.", "XXX"}},
    {'S', {".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."}},
    {'F', {"XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "X...."}},
    {'T', {"XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."}},
}};

const Glyph* glyphOf(char letter) {
    for (const Glyph& glyph : glyphs) {
        if (glyph.letter == letter)
            return &glyph;
    }
    return nullptr;
}

bool inside(const std::vector<Vec>& corners, Vec p) {
    // Even-odd rule over the polygon's edges.
    bool in = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Vec a = corners[i];
        const Vec b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            in = !in;
        }
    }
    return in;
}

}  // namespace

void Painter::set(int x, int y, std::uint8_t index) {
    if (x < 0 || y < 0 || x >= image_.width || y >= image_.height)
        return;
    image_.indices[static_cast<std::size_t>(y) * image_.width + x] = index;
}

void Painter::fill(std::uint8_t index) {
    std::fill(image_.indices.begin(), image_.indices.end(), index);
}

void Painter::rect(ui::Rect area, std::uint8_t index) {
    for (int y = area.y; y < area.bottom(); ++y) {
        for (int x = area.x; x < area.right(); ++x)
            set(x, y, index);
    }
}

void Painter::disc(Vec centre, double radius, std::uint8_t index) {
    for (int y = 0; y < image_.height; ++y) {
        for (int x = 0; x < image_.width; ++x) {
            const double dx = x + 0.5 - centre.x;
            const double dy = y + 0.5 - centre.y;
            if (dx * dx + dy * dy <= radius * radius)
                set(x, y, index);
        }
    }
}

void Painter::polygon(std::initializer_list<Vec> cornerList, std::uint8_t index) {
    const std::vector<Vec> corners(cornerList);
    for (int y = 0; y < image_.height; ++y) {
        for (int x = 0; x < image_.width; ++x) {
            if (inside(corners, {x + 0.5, y + 0.5}))
                set(x, y, index);
        }
    }
}

void Painter::point(Vec centre, double angle, double length, double halfWidth, std::uint8_t light,
                    std::uint8_t dark) {
    const Vec along{std::sin(angle), -std::cos(angle)};
    const Vec across{std::cos(angle), std::sin(angle)};
    const Vec tip{centre.x + along.x * length, centre.y + along.y * length};
    const Vec left{centre.x - across.x * halfWidth, centre.y - across.y * halfWidth};
    const Vec right{centre.x + across.x * halfWidth, centre.y + across.y * halfWidth};
    polygon({centre, tip, left}, light);
    polygon({centre, tip, right}, dark);
}

ui::Rect BlockGrid::block(int column, int row, int width, int height) const {
    auto edge = [](int i, int count, int length) { return i * length / count; };
    const int left = edge(column, blocks_.width, pixels_.width);
    const int top = edge(row, blocks_.height, pixels_.height);
    const int right = edge(column + width, blocks_.width, pixels_.width);
    const int bottom = edge(row + height, blocks_.height, pixels_.height);
    return {left, top, right - left, bottom - top};
}

int letterWidth(char letter) {
    const Glyph* glyph = glyphOf(letter);
    return glyph == nullptr ? 5 : static_cast<int>(glyph->rows[0].size());
}

int lettersWidth(std::string_view text) {
    int width = 0;
    for (char letter : text)
        width += letterWidth(letter) + 1;
    return text.empty() ? 0 : width - 1;
}

int drawLetters(Painter& painter, const BlockGrid& grid, int column, int row, std::string_view text,
                std::uint8_t index) {
    int x = column;
    for (char letter : text) {
        if (const Glyph* glyph = glyphOf(letter)) {
            for (int dy = 0; dy < static_cast<int>(glyph->rows.size()); ++dy) {
                for (int dx = 0; dx < static_cast<int>(glyph->rows[dy].size()); ++dx) {
                    if (glyph->rows[dy][dx] == 'X')
                        painter.rect(grid.block(x + dx, row + dy), index);
                }
            }
        }
        x += letterWidth(letter) + 1;
    }
    return x - column - 1;
}

}  // namespace pictures
