// What stands at the page's path after a write, failed or not: the previous page survives a
// failure byte for byte, links stay links, and devices, FIFOs and pipes are written through and
// never removed.

#include "generator/page_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "generator/answers_file.h"
#include "generator/detection_page.h"
#include "tests/generator/scratch_folder.h"
#include "tests/generator/small_file_system.h"

namespace generator {

void PrintTo(PageLeftBehind left, std::ostream* out) {
    constexpr const char* names[] = {"nothing", "previousPage", "partialOutput"};
    *out << names[static_cast<int>(left)];
}

namespace {

namespace fs = std::filesystem;
using testing::expectedFile;
using testing::readBytes;
using testing::ScratchFolder;
using testing::SmallFileSystem;
using testing::writeBytes;

const SetProgress ignoreProgress = [](int) {};

Answers ordinaryAnswers() {
    return readAnswers(expectedFile("ordinary.txt"));
}

std::string ordinaryPage() {
    return readBytes(expectedFile("ordinary.htm"));
}

// The names in a folder, links and all.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A previous page three file-system pages long (9868 bytes), and a disk with room for one page
// more: the new page (6257 bytes) is cut short after its first 4096.
struct FullDiskCase {
    std::string name;
    bool previousPage;
    bool throughALink;
};

TEST(PageFile, ADiskFullPartWayKeepsThePreviousPageAndRemovesOnlyTheNewFile) {
    const FullDiskCase cases[] = {
        {"a previous page", true, false},
        {"no page yet", false, false},
        {"a link to a previous page on the full disk", true, true},
    };
    for (const FullDiskCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScratchFolder folder;
        const fs::path disk = folder / "disk";
        const SmallFileSystem smallDisk(disk, c.previousPage ? 16 : 4);
        if (!smallDisk.unavailable().empty()) {
            GTEST_SKIP() << "no small file system to fill: " << smallDisk.unavailable();
        }
        const std::string previous = readBytes(expectedFile("full_length.htm"));
        if (c.previousPage) {
            writeBytes(disk / "nvoutput.htm", previous);
        }
        fs::path page = disk / "nvoutput.htm";
        if (c.throughALink) {
            fs::create_symlink("disk/nvoutput.htm", folder / "nvoutput.htm");
            page = folder / "nvoutput.htm";
        }
        std::uintmax_t writtenAt50 = 0;
        PageFailure failure;
        EXPECT_EQ(writeDetectionPage(
                      ordinaryAnswers(),
                      [&](int position) {
                          if (position != 50) {
                              return;
                          }
                          for (const auto& entry : fs::directory_iterator(disk)) {
                              if (entry.path().filename() != "nvoutput.htm") {
                                  writtenAt50 = entry.file_size();
                              }
                          }
                      },
                      page, failure),
                  PageResult::writeFailed);
        EXPECT_GT(writtenAt50, 0u) << "the disk was full before the page began";
        EXPECT_EQ(failure.cause, std::make_error_code(std::errc::no_space_on_device));
        if (c.previousPage) {
            EXPECT_EQ(failure.leftBehind, PageLeftBehind::previousPage);
            EXPECT_EQ(namesIn(disk), std::vector<std::string>{"nvoutput.htm"});
            EXPECT_EQ(readBytes(disk / "nvoutput.htm"), previous);
        } else {
            EXPECT_EQ(failure.leftBehind, PageLeftBehind::nothing);
            EXPECT_TRUE(namesIn(disk).empty());
        }
        if (c.throughALink) {
            EXPECT_TRUE(fs::is_symlink(folder / "nvoutput.htm"));
        }
    }
}

// Reads a FIFO to its end on a thread of its own, as another program would.
class FifoReader {
  public:
    explicit FifoReader(const fs::path& fifo)
        : thread_([this, fifo] { received_ = readBytes(fifo); }) {}
    std::string received() {
        thread_.join();
        return received_;
    }

  private:
    std::string received_;
    std::thread thread_;
};

TEST(PageFile, WhatIsNotARegularFileIsWrittenThroughAndNeverRemoved) {
    struct Case {
        std::string name;
        fs::path page;
        PageResult result;
    };
    // Devices of the test's own, so that a fault here cannot take the system's: a full device
    // and a null device, each also reached through a link.
    const ScratchFolder folder;
    const bool madeDevices =
        ::mknod((folder / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0 &&
        ::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (!madeDevices) {
        GTEST_SKIP() << "cannot make device files here: " << std::strerror(errno);
    }
    fs::create_symlink("full", folder / "full.htm");
    fs::create_symlink("null", folder / "null.htm");
    const Case cases[] = {
        {"a full device", folder / "full", PageResult::writeFailed},
        {"a link to a full device", folder / "full.htm", PageResult::writeFailed},
        {"a null device", folder / "null", PageResult::written},
        {"a link to a null device", folder / "null.htm", PageResult::written},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PageFailure failure;
        EXPECT_EQ(writeDetectionPage(ordinaryAnswers(), ignoreProgress, c.page, failure), c.result);
        if (c.result == PageResult::writeFailed) {
            EXPECT_EQ(failure.cause, std::make_error_code(std::errc::no_space_on_device));
            EXPECT_EQ(failure.leftBehind, PageLeftBehind::partialOutput);
        }
        EXPECT_TRUE(fs::is_character_file(c.page));
    }
    EXPECT_TRUE(fs::is_symlink(folder / "full.htm"));
    EXPECT_TRUE(fs::is_symlink(folder / "null.htm"));
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"full", "full.htm", "null", "null.htm"}));
}

TEST(PageFile, AFifoGetsThePageAndStays) {
    const ScratchFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo.htm").c_str(), 0600), 0);
    FifoReader reader(folder / "fifo.htm");
    const PageResult result =
        writeDetectionPage(ordinaryAnswers(), ignoreProgress, folder / "fifo.htm");
    if (result != PageResult::written) {
        // The reader still waits for a writer: one that opens and closes lets it end.
        ::close(::open((folder / "fifo.htm").c_str(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_EQ(result, PageResult::written);
    EXPECT_EQ(reader.received(), ordinaryPage());
    EXPECT_TRUE(fs::is_fifo(folder / "fifo.htm"));
}

TEST(PageFile, ALinkedPageIsReplacedWhereTheLinkLeadsAndTheLinkStays) {
    struct Case {
        std::string name;
        std::function<void(const ScratchFolder&)> links;  // nvoutput.htm leads to site/page.htm
    };
    const Case cases[] = {
        {"a relative link",
         [](const ScratchFolder& folder) {
             fs::create_symlink("site/page.htm", folder / "nvoutput.htm");
         }},
        {"an absolute link",
         [](const ScratchFolder& folder) {
             fs::create_symlink(folder / "site" / "page.htm", folder / "nvoutput.htm");
         }},
        {"a link to a link",
         [](const ScratchFolder& folder) {
             fs::create_symlink("page.htm", folder / "site" / "current.htm");
             fs::create_symlink("site/current.htm", folder / "nvoutput.htm");
         }},
    };
    for (const bool previousPage : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name + (previousPage ? ", with a previous page" : ", to no page yet"));
            const ScratchFolder folder;
            fs::create_directory(folder / "site");
            if (previousPage) {
                writeBytes(folder / "site" / "page.htm", "the previous page");
            }
            c.links(folder);
            ASSERT_EQ(
                writeDetectionPage(ordinaryAnswers(), ignoreProgress, folder / "nvoutput.htm"),
                PageResult::written);
            EXPECT_TRUE(fs::is_symlink(folder / "nvoutput.htm"));
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / "site" / "page.htm")));
            EXPECT_EQ(readBytes(folder / "site" / "page.htm"), ordinaryPage());
        }
    }
}

TEST(PageFile, TheNewPageKeepsTheOwnerAndGroupOfTheOneItReplaces) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user here";
    }
    const ScratchFolder folder;
    const auto file = folder / "nvoutput.htm";
    writeBytes(file, "the previous page");
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ASSERT_EQ(writeDetectionPage(ordinaryAnswers(), ignoreProgress, file), PageResult::written);
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
}

TEST(PageFile, TheNewPageKeepsThePermissionsOfTheOneItReplaces) {
    for (const fs::perms mode : {fs::perms(0640), fs::perms(0604), fs::perms(0755)}) {
        const ScratchFolder folder;
        const auto file = folder / "nvoutput.htm";
        writeBytes(file, "the previous page");
        fs::permissions(file, mode);
        ASSERT_EQ(writeDetectionPage(ordinaryAnswers(), ignoreProgress, file), PageResult::written);
        EXPECT_EQ(fs::status(file).permissions(), mode);
    }
    // A page made new gets the usual permissions of a new file.
    const mode_t previousMask = ::umask(027);
    const ScratchFolder folder;
    const PageResult result =
        writeDetectionPage(ordinaryAnswers(), ignoreProgress, folder / "nvoutput.htm");
    ::umask(previousMask);
    ASSERT_EQ(result, PageResult::written);
    EXPECT_EQ(fs::status(folder / "nvoutput.htm").permissions(), fs::perms(0640));
}

TEST(PageFile, APageThatIsNeverClosedIsAbandoned) {
    const ScratchFolder folder;
    const auto file = folder / "nvoutput.htm";
    writeBytes(file, "the previous page");
    {
        PageFile page(file);
        ASSERT_FALSE(page.openError());
        std::ostream(&page) << "the start of a new page" << std::flush;
    }
    EXPECT_EQ(readBytes(file), "the previous page");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"nvoutput.htm"});
}

}  // namespace
}  // namespace generator
