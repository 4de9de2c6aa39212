// Shows what the pictures look like: navisift-preview-pictures INDIR OUTDIR reads
// the three files with the program's own readers and writes PPM images of each,
// enlarged, and of each as the terminal shows it in half-block cells.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/dialog_units.h"
#include "ui/image/bitmap.h"
#include "ui/image/clip.h"
#include "ui/image/half_blocks.h"
#include "ui/image/icon.h"

namespace {

using ui::image::Image;

std::vector<std::byte> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> chars((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::byte> bytes(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i)
        bytes[i] = static_cast<std::byte>(chars[i]);
    return bytes;
}

// Each pixel becomes a square of scale x scale; transparent ones show grey.
void writeEnlarged(const std::filesystem::path& path, const Image& image, int scale) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width * scale << ' ' << image.height * scale << "\n255\n";
    for (int y = 0; y < image.height * scale; ++y) {
        for (int x = 0; x < image.width * scale; ++x) {
            const auto& pixel = image.at(x / scale, y / scale);
            const ui::Color c = pixel.opaque ? pixel.color : ui::Color{0x80, 0x80, 0x80};
            out.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
        }
    }
}

// A terminal cell drawn as 8 x 16 pixels, its two halves 8 x 8 each.
// cells: as many as the picture takes where it shows; by default, its own size.
void writeCells(const std::filesystem::path& path, const Image& image, ui::Size cells = {}) {
    if (cells == ui::Size{})
        cells = ui::units::pictureCells(image.width, image.height);
    const auto blocks = ui::image::toHalfBlocks(image, cells, {0xC0, 0xC0, 0xC0});
    Image shown{cells.width, cells.height * 2, {}};
    for (int row = 0; row < cells.height * 2; ++row) {
        for (int column = 0; column < cells.width; ++column) {
            const auto& block = blocks.at(column, row / 2);
            shown.pixels.push_back({row % 2 == 0 ? block.top : block.bottom});
        }
    }
    writeEnlarged(path, shown, 8);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: navisift-preview-pictures INDIR OUTDIR\n";
        return 2;
    }
    const std::filesystem::path in = argv[1];
    const std::filesystem::path out = argv[2];
    bool good = true;
    auto report = [&](const std::string& what, const std::string& error) {
        std::cerr << what << ": " << error << '\n';
        good = false;
    };

    const auto splashBytes = readFile(in / "splash.bmp");
    if (auto splash = ui::image::readBitmapFile(splashBytes)) {
        writeEnlarged(out / "splash.ppm", *splash, 3);
        writeCells(out / "splash-cells.ppm", *splash, ui::units::toCells({7, 7, 187, 86}).size());
    } else {
        report("splash.bmp", splash.error());
    }

    const auto iconBytes = readFile(in / "navisift.ico");
    if (auto entries = ui::image::readIconDirectory(iconBytes)) {
        for (const auto& entry : *entries) {
            const std::string name =
                "icon-" + std::to_string(entry.width) + "-" + std::to_string(entry.bitCount);
            if (auto icon = ui::image::readIconImage(iconBytes, entry)) {
                writeEnlarged(out / (name + ".ppm"), *icon, 8);
                writeCells(out / (name + "-cells.ppm"), *icon);
            } else {
                report(name, icon.error());
            }
        }
    } else {
        report("navisift.ico", entries.error());
    }

    const auto clipBytes = readFile(in / "logo.avi");
    if (auto clip = ui::image::readClip(clipBytes)) {
        for (int frame = 0; frame < clip->frameCount(); ++frame) {
            const std::string name = "logo-" + std::to_string(frame + 1);
            writeEnlarged(out / (name + ".ppm"), clip->frameImage(frame), 3);
            writeCells(out / (name + "-cells.ppm"), clip->frameImage(frame));
        }
    } else {
        report("logo.avi", clip.error());
    }
    return good ? 0 : 1;
}
