#include "tools/pictures/artwork.h"

#include <numbers>

#include "tools/pictures/painter.h"
#include "tools/pictures/palettes.h"
#include "ui/dialog_units.h"

namespace pictures {

namespace {

using ui::image::IndexedImage;

constexpr double eighth = std::numbers::pi / 4;

IndexedImage blank(int width, int height, std::uint8_t index) {
    return {width, height,
            std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, index)};
}

// The blocks a picture of this size shows as on the terminal: one per column,
// two per row of cells.
BlockGrid terminalBlocks(int width, int height) {
    const ui::Size cells = ui::units::pictureCells(width, height);
    return BlockGrid({width, height}, {cells.width, cells.height * 2});
}

struct RoseColours {
    std::uint8_t ring;
    std::uint8_t face;
    std::uint8_t northLight;
    std::uint8_t northDark;
    std::uint8_t pointLight;
    std::uint8_t pointDark;
    std::uint8_t minor;
    std::uint8_t hub;
};

// In the full palette: navy face, gold ring, red north, white points.
constexpr RoseColours fullRose{cube(5, 4, 1), cube(0, 0, 2), cube(5, 1, 1), cube(3, 0, 0),
                               cube(5, 5, 5), cube(3, 4, 5), cube(2, 3, 5), cube(5, 4, 1)};
constexpr RoseColours sixteenRose{classic::yellow, classic::navy,   classic::red,  classic::maroon,
                                  classic::white,  classic::silver, classic::blue, classic::yellow};
// In two colours the face is white and everything drawn on it black.
constexpr RoseColours twoColourRose{0, 1, 0, 0, 0, 0, 0, 1};

// The full rose: ring, face, four short diagonal points, the long north and
// south points and the shorter east and west ones.
void drawRose(Painter& painter, Vec centre, double radius, const RoseColours& colours) {
    painter.disc(centre, radius, colours.ring);
    painter.disc(centre, radius * 0.80, colours.face);
    for (int i = 1; i < 8; i += 2) {
        painter.point(centre, i * eighth, radius * 0.62, radius * 0.13, colours.minor,
                      colours.minor);
    }
    painter.point(centre, 2 * eighth, radius * 0.78, radius * 0.22, colours.pointLight,
                  colours.pointDark);
    painter.point(centre, 6 * eighth, radius * 0.78, radius * 0.22, colours.pointLight,
                  colours.pointDark);
    painter.point(centre, 4 * eighth, radius * 0.98, radius * 0.24, colours.pointLight,
                  colours.pointDark);
    painter.point(centre, 0, radius * 0.98, radius * 0.24, colours.northLight, colours.northDark);
    painter.disc(centre, radius * 0.10, colours.hub);
}

}  // namespace

IndexedImage splashPicture() {
    constexpr int width = 280;
    constexpr int height = 140;
    const std::uint8_t night = cube(0, 0, 1);
    const std::uint8_t gold = cube(5, 4, 1);
    IndexedImage image = blank(width, height, night);
    Painter painter(image);
    // The splash dialog shows the picture in its frame at 7,7: 63 x 11 cells.
    const ui::Size cells = ui::units::toCells({7, 7, ui::units::unitsFromPixelsX(width),
                                               ui::units::unitsFromPixelsY(height)})
                               .size();
    const BlockGrid blocks({width, height}, {cells.width, cells.height * 2});

    // A lighter band behind the name, like a horizon.
    painter.rect(blocks.block(0, 4, cells.width, 14), cube(0, 1, 2));
    painter.rect(blocks.block(0, 4, cells.width, 1), cube(0, 2, 3));
    painter.rect(blocks.block(0, 17, cells.width, 1), cube(0, 2, 3));

    // The rose fills 11 half rows of the band; it is round in pixels.
    const ui::Rect roseBlocks = blocks.block(1, 5, 16, 11);
    const Vec centre{roseBlocks.x + roseBlocks.width / 2.0, roseBlocks.y + roseBlocks.height / 2.0};
    drawRose(painter, centre, roseBlocks.height / 2.0, fullRose);

    // The name in two colours: navigate in white, sift in gold, and a gold rule.
    const int column = 18;
    const int row = 7;
    const int navi = drawLetters(painter, blocks, column, row, "NAVI", cube(5, 5, 5));
    const int sift = drawLetters(painter, blocks, column + navi + 1, row, "SIFT", gold);
    painter.rect(blocks.block(column, row + 8, navi + 1 + sift, 1), gold);
    return image;
}

std::vector<IconPicture> iconPictures() {
    struct Kind {
        int side;
        int bitCount;
    };
    constexpr Kind kinds[] = {{16, 4}, {32, 1}, {32, 4}, {32, 8}, {48, 8}};
    std::vector<IconPicture> icons;
    for (const Kind& kind : kinds) {
        const RoseColours& colours = kind.bitCount == 1   ? twoColourRose
                                     : kind.bitCount == 4 ? sixteenRose
                                                          : fullRose;
        IconPicture icon{kind.bitCount, blank(kind.side, kind.side, colours.ring), {}};
        Painter painter(icon.colours);
        const double radius = kind.side / 2.0;
        drawRose(painter, {radius, radius}, radius, colours);
        // Everything outside the ring is left transparent.
        for (int y = 0; y < kind.side; ++y) {
            for (int x = 0; x < kind.side; ++x) {
                const double dx = x + 0.5 - radius;
                const double dy = y + 0.5 - radius;
                const bool outside = dx * dx + dy * dy > radius * radius;
                icon.transparent.push_back(outside);
                if (outside)
                    icon.colours.indices[static_cast<std::size_t>(y) * kind.side + x] = 0;
            }
        }
        icons.push_back(std::move(icon));
    }
    return icons;
}

std::vector<IndexedImage> logoFrames() {
    constexpr int width = 142;
    constexpr int height = 64;
    constexpr int frames = 8;
    constexpr int arrows = 4;
    const BlockGrid blocks = terminalBlocks(width, height);  // 32 x 10
    const std::uint8_t night = cube(0, 0, 1);
    const std::uint8_t gold = cube(5, 4, 1);
    const std::uint8_t dim = cube(1, 1, 3);

    std::vector<IndexedImage> result;
    for (int frame = 0; frame < frames; ++frame) {
        IndexedImage image = blank(width, height, night);
        Painter painter(image);

        // The dial: ring, face and the four quarter marks; the needle turns on it.
        const ui::Rect dial = blocks.block(1, 0, 14, 10);
        const Vec centre{dial.x + dial.width / 2.0, dial.y + dial.height / 2.0};
        const double radius = dial.height / 2.0;
        painter.disc(centre, radius, gold);
        painter.disc(centre, radius * 0.78, cube(0, 0, 2));
        for (int quarter = 0; quarter < 4; ++quarter) {
            painter.point(centre, quarter * 2 * eighth, radius * 0.78, radius * 0.16, dim, dim);
        }
        painter.disc(centre, radius * 0.50, cube(0, 0, 2));
        const double angle = frame * eighth;
        painter.point(centre, angle + 4 * eighth, radius * 0.74, radius * 0.22, cube(5, 5, 5),
                      cube(3, 4, 5));
        painter.point(centre, angle, radius * 0.74, radius * 0.22, cube(5, 1, 1), cube(3, 0, 0));
        painter.disc(centre, radius * 0.12, gold);

        // Arrows run out to the right: the lit one moves on one place a frame.
        for (int arrow = 0; arrow < arrows; ++arrow) {
            const bool lit = arrow == frame % arrows;
            const std::uint8_t colour = lit ? gold : dim;
            const int left = 16 + arrow * 4;
            for (int step = 0; step < 3; ++step) {
                painter.rect(blocks.block(left + step, 2 + step, 1, 1), colour);
                painter.rect(blocks.block(left + step, 7 - step, 1, 1), colour);
            }
            painter.rect(blocks.block(left + 1, 2, 1, 1), colour);
            painter.rect(blocks.block(left + 1, 7, 1, 1), colour);
        }
        result.push_back(std::move(image));
    }
    return result;
}

}  // namespace pictures
