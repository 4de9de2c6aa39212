// Draws the splash bitmap, the icon and the About clip and writes them into a
// folder: navisift-make-pictures OUTDIR. The files kept in res/pictures are
// this program's output.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/pictures/picture_files.h"

namespace {

bool writeFile(const std::filesystem::path& path, const pictures::ByteBuffer& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "navisift-make-pictures: cannot write " << path.string() << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: navisift-make-pictures OUTDIR\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    bool written = true;
    for (const pictures::PictureFile& file : pictures::pictureFiles()) {
        written = writeFile(folder / file.name, file.encode()) && written;
    }
    return written ? 0 : 1;
}
