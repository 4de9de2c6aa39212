// The pictures kept in res/pictures are the generator's output: drawing them
// again gives the same bytes, and the program holds the same bytes built in.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>

#include "res/pictures/pictures.h"
#include "tools/pictures/picture_files.h"

namespace {

std::vector<std::byte> keptFile(std::string_view name) {
    const std::filesystem::path path =
        std::filesystem::path(NAVISIFT_SOURCE_DIR) / "res" / "pictures" / name;
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> chars((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::byte> bytes(chars.size());
    std::transform(chars.begin(), chars.end(), bytes.begin(),
                   [](char c) { return static_cast<std::byte>(c); });
    return bytes;
}

bool sameBytes(std::span<const std::byte> a, std::span<const std::byte> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

TEST(KeptPictures, EqualAFreshRunOfTheGenerator) {
    for (const pictures::PictureFile& file : pictures::pictureFiles()) {
        SCOPED_TRACE(file.name);
        const std::vector<std::byte> kept = keptFile(file.name);
        ASSERT_FALSE(kept.empty()) << "run navisift-make-pictures res/pictures";
        EXPECT_TRUE(sameBytes(kept, file.encode()))
            << "the kept file is stale: run navisift-make-pictures res/pictures";
    }
}

TEST(KeptPictures, AreTheOnesBuiltIntoTheProgram) {
    struct Case {
        std::string_view name;
        std::span<const std::byte> builtIn;
    };
    const Case cases[] = {
        {"splash.bmp", res::bitmap(215)},
        {"navisift.ico", res::icon(128)},
        {"logo.avi", res::clip(202)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(sameBytes(keptFile(c.name), c.builtIn));
    }
}

}  // namespace
