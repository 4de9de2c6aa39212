#include "generator/answers_claim.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "generator/answers_file.h"
#include "tests/generator/scratch_folder.h"
#include "tests/support/other_process.h"

namespace generator {
namespace {

namespace fs = std::filesystem;
using navisift_testing::OtherProcess;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

const std::string someAnswers = "www.example.com\n/\n_self\n";

// Another process whose wizard run has claimed the answers file, until it is let go. The
// claim is never released by the other process itself: it ends with _exit.
OtherProcess runOwning(const fs::path& file) {
    return OtherProcess([&file] {
        try {
            static std::optional<AnswersFileClaim> claim;
            claim.emplace(file);
            return true;
        } catch (const FileError&) {
            return false;
        }
    });
}

bool claimSucceeds(const fs::path& file) {
    try {
        const AnswersFileClaim claim(file);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

TEST(AnswersFileClaim, AnotherRunIsRefusedTheFileAndNothingIsTouched) {
    const std::vector<std::pair<std::string, std::function<void(const fs::path&)>>> operations{
        {"claim", [](const fs::path& file) { const AnswersFileClaim claim(file); }},
        {"create", [](const fs::path& file) { createAnswersFile("other site", file); }},
        {"append", [](const fs::path& file) { appendAnswer("more", file); }},
        {"read", [](const fs::path& file) { readAnswers(file); }},
        {"delete", [](const fs::path& file) { deleteAnswersFile(file); }},
    };
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    writeBytes(file, someAnswers);
    const OtherProcess owner = runOwning(file);
    ASSERT_TRUE(owner.succeeded());
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        try {
            operation(file);
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& error) {
            EXPECT_EQ(error.code(), make_error_code(FileErrc::inUseByAnotherRun));
            EXPECT_EQ(error.file(), file);
            EXPECT_NE(error.cause().find("in use by another run"), std::string::npos)
                << error.cause();
        }
        EXPECT_EQ(readBytes(file), someAnswers);
    }
}

TEST(AnswersFileClaim, ReachesTheFileThroughALinkToIt) {
    const ScratchFolder folder;
    writeBytes(folder / "questions.txt", someAnswers);
    fs::create_directory(folder / "elsewhere");
    fs::create_symlink(folder / "questions.txt", folder / "elsewhere" / "answers.txt");
    const OtherProcess owner = runOwning(folder / "questions.txt");
    ASSERT_TRUE(owner.succeeded());
    EXPECT_THROW(readAnswers(folder / "elsewhere" / "answers.txt"), FileError);
}

TEST(AnswersFileClaim, TheOwningRunUsesTheFileAsBefore) {
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    const AnswersFileClaim claim(file);
    createAnswersFile("www.example.com", file);
    appendAnswer("/", file);
    EXPECT_EQ(readAnswers(file).baseDirectory, "/");
    deleteAnswersFile(file);
    EXPECT_FALSE(fs::exists(file));
    // Save deletes the file and a later Question 1 makes it again: the claim holds throughout.
    createAnswersFile("www.example.org", file);
    const OtherProcess other = runOwning(file);
    EXPECT_FALSE(other.succeeded());
}

TEST(AnswersFileClaim, OnlyTheFolderItsRunIsInAndOnlyItsAnswersFile) {
    const ScratchFolder folder;
    fs::create_directory(folder / "other");
    writeBytes(folder / "other" / "questions.txt", someAnswers);
    writeBytes(folder / "kept.txt", someAnswers);
    const OtherProcess owner = runOwning(folder / "questions.txt");
    ASSERT_TRUE(owner.succeeded());
    EXPECT_EQ(readAnswers(folder / "other" / "questions.txt").siteAddress, "www.example.com");
    EXPECT_EQ(readAnswers(folder / "kept.txt").siteAddress, "www.example.com");
    EXPECT_TRUE(claimSucceeds(folder / "other" / "questions.txt"));
}

TEST(AnswersFileClaim, EndsWithTheRunOrWithItsProcess) {
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    {
        const AnswersFileClaim claim(file);
        EXPECT_FALSE(runOwning(file).succeeded());
    }
    EXPECT_TRUE(runOwning(file).succeeded()) << "the claim outlived its run";

    OtherProcess owner = runOwning(file);
    ASSERT_TRUE(owner.succeeded());
    EXPECT_FALSE(claimSucceeds(file));
    owner.end();  // the process ends without giving the claim back itself
    EXPECT_TRUE(claimSucceeds(file));
}

}  // namespace
}  // namespace generator
