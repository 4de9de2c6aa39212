#include "app/version_stamp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

class VersionStamp : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("navisift-stamp-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        stamp = folder / "config.cfg";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string contents() const {
        std::ifstream in(stamp, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
    fs::path stamp;
};

TEST_F(VersionStamp, CreatesTheFileWithExactlySixBytes) {
    ASSERT_TRUE(app::writeVersionStamp(stamp));
    EXPECT_EQ(contents(), std::string("\x56\x31\x2E\x30\x42\x37", 6));
}

TEST_F(VersionStamp, CutsALongerFileToSixBytes) {
    std::ofstream(stamp, std::ios::binary) << "V0.9 and a long tail of old settings\n";
    ASSERT_TRUE(app::writeVersionStamp(stamp));
    EXPECT_EQ(contents(), "V1.0B7");
    EXPECT_EQ(fs::file_size(stamp), 6u);
}

TEST_F(VersionStamp, ReportsAFolderInTheWayWithoutThrowing) {
    fs::create_directory(stamp);
    EXPECT_FALSE(app::writeVersionStamp(stamp));
    EXPECT_TRUE(fs::is_directory(stamp));
}

TEST_F(VersionStamp, ReportsAFolderThatDoesNotExist) {
    EXPECT_FALSE(app::writeVersionStamp(folder / "missing" / "config.cfg"));
}

TEST_F(VersionStamp, ReportsAFullDisk) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    fs::create_symlink("/dev/full", stamp);
    EXPECT_FALSE(app::writeVersionStamp(stamp));
}

}  // namespace
