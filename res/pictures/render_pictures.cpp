// navisift-render-pictures OUTPUT.cpp: decodes the splash bitmap and the About
// clip built into the program, scales them to half blocks as the terminal
// shows them, and writes the blocks as constant tables (rendered_pictures.h).
// Run by the build; the program then paints the tables without decoding.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "res/dialog_templates.h"
#include "res/pictures/pictures.h"
#include "ui/dialog_units.h"
#include "ui/image/bitmap.h"
#include "ui/image/clip.h"
#include "ui/image/half_blocks.h"

namespace {

using ui::image::HalfBlock;

// The background only shows where a picture is transparent, and these are not.
constexpr ui::Color unused{};

// The cells of every place a dialog template shows the bitmap at, measured as
// the picture control measures it: from its own position, in dialog units.
std::vector<ui::Size> placesOf(int bitmap, const ui::image::Image& image) {
    std::vector<ui::Size> sizes;
    for (const ui::DialogTemplate* dialog : res::dialogTemplates()) {
        for (const ui::ControlTemplate& control : dialog->controls) {
            if (control.kind != ui::ControlKind::picture || control.resource != bitmap)
                continue;
            const ui::Size cells = ui::units::toCells({control.rect.x, control.rect.y,
                                                       ui::units::unitsFromPixelsX(image.width),
                                                       ui::units::unitsFromPixelsY(image.height)})
                                       .size();
            if (std::find(sizes.begin(), sizes.end(), cells) == sizes.end())
                sizes.push_back(cells);
        }
    }
    return sizes;
}

void writeBlocks(std::ostream& out, const std::string& name, const std::vector<HalfBlock>& blocks) {
    out << "constexpr ui::image::HalfBlock " << name << "[] = {\n";
    char entry[64];
    for (const HalfBlock& block : blocks) {
        std::snprintf(entry, sizeof entry, "    {{%d, %d, %d}, {%d, %d, %d}},\n", block.top.r,
                      block.top.g, block.top.b, block.bottom.r, block.bottom.g, block.bottom.b);
        out << entry;
    }
    out << "};\n\n";
}

std::string sizeOf(ui::Size size) {
    return "{" + std::to_string(size.width) + ", " + std::to_string(size.height) + "}";
}

// Writes the tables and the entries that list them.
void writeBitmaps(std::ostream& tables, std::ostream& entries) {
    const int resource = res::splashBitmap;
    auto image = ui::image::readBitmapFile(res::bitmap(resource));
    if (!image) {
        std::cerr << "navisift-render-pictures: bitmap " << resource << ": " << image.error()
                  << " (left to the readers)\n";
        return;
    }
    for (const ui::Size cells : placesOf(resource, *image)) {
        const std::string name = "bitmap" + std::to_string(resource) + "At" +
                                 std::to_string(cells.width) + "x" + std::to_string(cells.height);
        writeBlocks(tables, name, ui::image::toHalfBlocks(*image, cells, unused).blocks);
        entries << "    {" << resource << ", " << sizeOf({image->width, image->height}) << ", "
                << sizeOf(cells) << ", " << name << "},\n";
    }
}

void writeClips(std::ostream& tables, std::ostream& entries) {
    const int resource = res::aboutClip;
    auto clip = ui::image::readClip(res::clip(resource));
    if (!clip || clip->frameCount() == 0) {
        std::cerr << "navisift-render-pictures: clip " << resource << ": "
                  << (clip ? std::string("no frames") : clip.error()) << " (left to the readers)\n";
        return;
    }
    const ui::Size cells = ui::units::pictureCells(clip->width, clip->height);
    std::vector<HalfBlock> blocks;
    for (int frame = 0; frame < clip->frameCount(); ++frame) {
        const auto shown = ui::image::toHalfBlocks(clip->frameImage(frame), cells, unused);
        blocks.insert(blocks.end(), shown.blocks.begin(), shown.blocks.end());
    }
    const std::string name = "clip" + std::to_string(resource);
    writeBlocks(tables, name, blocks);
    entries << "    {" << resource << ", " << sizeOf({clip->width, clip->height}) << ", "
            << sizeOf(cells) << ", " << clip->microsecondsPerFrame << ", " << clip->frameCount()
            << ", " << name << "},\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: navisift-render-pictures OUTPUT.cpp\n";
        return 2;
    }
    std::ostringstream tables;
    std::ostringstream bitmaps;
    std::ostringstream clips;
    writeBitmaps(tables, bitmaps);
    writeClips(tables, clips);

    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Written by navisift-render-pictures at build time; do not edit.\n"
        << "#include \"res/pictures/rendered_pictures.h\"\n\n"
        << "namespace res {\n\nnamespace {\n\n"
        << tables.str()
        // A zero-sized array is not allowed; the empty entry at the end is never listed.
        << "constexpr RenderedBitmap bitmaps[] = {\n"
        << bitmaps.str() << "    {},\n};\n\n"
        << "constexpr RenderedClip clips[] = {\n"
        << clips.str() << "    {},\n};\n\n"
        << "}  // namespace\n\n"
        << "std::span<const RenderedBitmap> renderedBitmaps() {\n"
        << "    return std::span(bitmaps).first(std::size(bitmaps) - 1);\n}\n\n"
        << "std::span<const RenderedClip> renderedClips() {\n"
        << "    return std::span(clips).first(std::size(clips) - 1);\n}\n\n"
        << "}  // namespace res\n";
    out.close();
    if (!out) {
        std::cerr << "navisift-render-pictures: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
