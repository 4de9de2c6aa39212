#include "generator/detection_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/answers_file.h"
#include "tests/generator/scratch_folder.h"

namespace generator {
namespace {

using testing::expectedFile;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

}  // namespace

void PrintTo(PageResult result, std::ostream* out) {
    constexpr const char* names[] = {"written", "creationFailed", "writeFailed"};
    *out << names[static_cast<int>(result)];
}

namespace {

const SetProgress ignoreProgress = [](int) {};

// The first `count` lines of a page, each with its CR LF.
std::string firstLines(const std::string& page, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t line = 0; line < count; ++line) {
        end = page.find("\r\n", end) + 2;
    }
    return page.substr(0, end);
}

Answers ordinaryAnswers() {
    return readAnswers(expectedFile("ordinary.txt"));
}

// The answers files and the pages they must give were written by hand, line by line.
TEST(DetectionPage, IsExactlyTheExpectedPage) {
    for (const std::string name : {"ordinary", "full_length"}) {
        SCOPED_TRACE(name);
        const ScratchFolder folder;
        const Answers answers = readAnswers(expectedFile(name + ".txt"));
        ASSERT_EQ(writeDetectionPage(answers, ignoreProgress, folder / "nvoutput.htm"),
                  PageResult::written);
        EXPECT_EQ(readBytes(folder / "nvoutput.htm"), readBytes(expectedFile(name + ".htm")));
    }
}

// The lines go to a new file beside the page, each one as it is written; the page itself is
// replaced only at the end.
TEST(DetectionPage, ProgressMovesTo50And75WithEveryLineBeforeItAlreadyOnDisk) {
    const ScratchFolder folder;
    const auto file = folder / "nvoutput.htm";
    writeBytes(file, "the previous page");
    const std::string expected = readBytes(expectedFile("ordinary.htm"));
    std::vector<int> positions;
    std::vector<std::string> pageAtProgress;
    std::vector<std::string> newFileAtProgress;
    const SetProgress recordProgress = [&](int position) {
        positions.push_back(position);
        pageAtProgress.push_back(readBytes(file));
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (entry.path() != file) {
                newFileAtProgress.push_back(readBytes(entry.path()));
            }
        }
    };
    ASSERT_EQ(writeDetectionPage(ordinaryAnswers(), recordProgress, file), PageResult::written);
    EXPECT_EQ(positions, (std::vector<int>{50, 75}));
    EXPECT_EQ(pageAtProgress, (std::vector<std::string>{"the previous page", "the previous page"}));
    ASSERT_EQ(newFileAtProgress.size(), 2u);
    // Fourteen lines before the chain, then 34 and 76 lines of it.
    EXPECT_EQ(newFileAtProgress[0], firstLines(expected, 14 + 34));
    EXPECT_EQ(newFileAtProgress[1], firstLines(expected, 14 + 76));
    EXPECT_EQ(readBytes(file), expected);
}

TEST(DetectionPage, ReplacesALongerPageCompletely) {
    const ScratchFolder folder;
    const auto file = folder / "nvoutput.htm";
    writeBytes(file, std::string(50000, '#'));
    ASSERT_EQ(writeDetectionPage(ordinaryAnswers(), ignoreProgress, file), PageResult::written);
    EXPECT_EQ(readBytes(file), readBytes(expectedFile("ordinary.htm")));
}

TEST(DetectionPage, FallbackLinksQuoteTheirAttributes) {
    Answers answers;
    answers.siteAddress = "www.example.org";
    answers.baseDirectory = "/a\"b/";
    answers.targetFrame = "my \"frame\"";
    answers.pageNetscape3 = "it's<3>.html";
    answers.pageExplorer3 = "";
    const ScratchFolder folder;
    ASSERT_EQ(writeDetectionPage(answers, ignoreProgress, folder / "nvoutput.htm"),
              PageResult::written);
    const std::string page = readBytes(folder / "nvoutput.htm");
    EXPECT_NE(page.find("\r\n<a href=\"http://www.example.org/a&quot;b/it's<3>.html\" "
                        "target=\"my &quot;frame&quot;\">\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("\r\n<a href=\"http://www.example.org/a&quot;b/\" "
                        "target=\"my &quot;frame&quot;\">\r\n"),
              std::string::npos);
}

TEST(DetectionPage, AnEmptyFrameAndBaseDirectoryLeaveNothingBetweenTheQuotes) {
    Answers answers = ordinaryAnswers();
    answers.baseDirectory = "";
    answers.targetFrame = "";
    const ScratchFolder folder;
    ASSERT_EQ(writeDetectionPage(answers, ignoreProgress, folder / "nvoutput.htm"),
              PageResult::written);
    const std::string page = readBytes(folder / "nvoutput.htm");
    EXPECT_NE(page.find("\r\n<a href=\"http://www.example.orgnetscape3.html\" target=\"\">\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("\r\nopen(\"http://www.example.orgnetscape2.html\",\"\");\r\n"),
              std::string::npos);
}

struct PageFailureCase {
    std::string name;
    std::function<std::filesystem::path(const ScratchFolder&)> prepare;
    PageResult result;
    std::errc cause;
};

TEST(DetectionPage, FailuresAreReportedWithTheirCause) {
    const std::vector<PageFailureCase> cases{
        {"a folder named nvoutput.htm",
         [](const ScratchFolder& folder) {
             std::filesystem::create_directory(folder / "nvoutput.htm");
             return folder / "nvoutput.htm";
         },
         PageResult::creationFailed, std::errc::is_a_directory},
        {"a folder that does not exist",
         [](const ScratchFolder& folder) { return folder / "gone" / "nvoutput.htm"; },
         PageResult::creationFailed, std::errc::no_such_file_or_directory},
        {"a full disk",
         [](const ScratchFolder& folder) {
             std::filesystem::create_symlink("/dev/full", folder / "nvoutput.htm");
             return folder / "nvoutput.htm";
         },
         PageResult::writeFailed, std::errc::no_space_on_device},
    };
    for (const PageFailureCase& failure : cases) {
        SCOPED_TRACE(failure.name);
        {
            const ScratchFolder folder;
            const auto file = failure.prepare(folder);
            std::vector<int> positions;
            PageFailure why;
            EXPECT_EQ(writeDetectionPage(
                          ordinaryAnswers(), [&](int position) { positions.push_back(position); },
                          file, why),
                      failure.result);
            EXPECT_EQ(why.cause, std::make_error_code(failure.cause));
            if (failure.result == PageResult::creationFailed) {
                EXPECT_TRUE(positions.empty())
                    << "nothing is written when the page cannot be created";
            }
        }
        const ScratchFolder folder;
        EXPECT_EQ(writeDetectionPage(ordinaryAnswers(), ignoreProgress, failure.prepare(folder)),
                  failure.result);
    }
}

TEST(DetectionPage, AFolderInTheWayIsLeftAlone) {
    const ScratchFolder folder;
    std::filesystem::create_directory(folder / "nvoutput.htm");
    writeBytes(folder / "nvoutput.htm" / "inside", "kept");
    EXPECT_EQ(writeDetectionPage(ordinaryAnswers(), ignoreProgress, folder / "nvoutput.htm"),
              PageResult::creationFailed);
    EXPECT_EQ(readBytes(folder / "nvoutput.htm" / "inside"), "kept");
}

}  // namespace
}  // namespace generator
