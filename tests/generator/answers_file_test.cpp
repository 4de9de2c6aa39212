#include "generator/answers_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/generator/scratch_folder.h"
#include "tests/support/other_process.h"
#include "tests/support/test_names.h"

namespace generator {

void PrintTo(const AnswersFileProblem& problem, std::ostream* out) {
    *out << "{kind " << static_cast<int>(problem.kind) << ", line " << problem.line << ", kept \""
         << problem.kept << "\", dropped \"" << problem.dropped << "\" of " << problem.droppedSize
         << "}";
}

namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

Answers answersOf(const std::vector<std::string>& fields) {
    Answers answers;
    for (std::size_t at = 0; at < fields.size(); ++at) {
        answers.*answerFields[at].member = fields[at];
    }
    return answers;
}

std::string linesOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + '\n';
    }
    return bytes;
}

// Every answer at the longest length the wizard allows, each field of its own letter.
std::vector<std::string> fullLengthFields() {
    std::vector<std::string> fields;
    char letter = 'a';
    for (const AnswerField& field : answerFields) {
        fields.emplace_back(field.limit, letter++);
    }
    return fields;
}

const std::vector<std::string> thirteenLines{
    "www.example.org", "/site/",   "_self",    "ns2.html",  "ns3.html",  "ns4.html",  "ns45.html",
    "ie3.html",        "ie4.html", "ie5.html", "aol3.html", "aol4.html", "webtv.html"};

struct ReaderCase {
    std::string name;
    std::string bytes;
    std::vector<std::string> fields;
    std::vector<AnswersFileProblem> problems;  // what the checked reading notes besides
};

AnswersFileProblem crAt(std::size_t line, std::string kept) {
    return {AnswersFileProblemKind::endsInCarriageReturn, line, std::move(kept), {}, 0};
}

AnswersFileProblem cutAt(std::size_t line, std::string kept, std::string dropped,
                         std::size_t droppedSize) {
    return {AnswersFileProblemKind::lineTooLong, line, std::move(kept), std::move(dropped),
            droppedSize};
}

AnswersFileProblem missingFrom(std::size_t line) {
    return {AnswersFileProblemKind::linesMissing, line, {}, {}, 0};
}

AnswersFileProblem ignoredFrom(std::size_t line, std::string dropped, std::size_t droppedSize) {
    return {AnswersFileProblemKind::linesAfterTheLast, line, {}, std::move(dropped), droppedSize};
}

std::vector<ReaderCase> readerCases() {
    const std::string overLong(100, 'x');
    std::vector<std::string> extraLines = thirteenLines;
    extraLines.push_back("a fourteenth line");
    extraLines.push_back("and a fifteenth");
    std::vector<std::string> crLines;
    std::vector<AnswersFileProblem> crProblems;
    for (const std::string& line : thirteenLines) {
        crLines.push_back(line + '\r');
        crProblems.push_back(crAt(crLines.size(), crLines.back()));
    }
    return {
        {"thirteen lines", linesOf(thirteenLines), thirteenLines, {}},
        {"every answer at full length", linesOf(fullLengthFields()), fullLengthFields(), {}},
        {"an empty file", "", {}, {missingFrom(1)}},
        {"empty lines",
         "www.example.org\n\n\nns2.html\n",
         {"www.example.org", "", "", "ns2.html"},
         {missingFrom(5)}},
        {"a file that ends early",
         "www.example.org\n/site/\n",
         {"www.example.org", "/site/"},
         {missingFrom(3)}},
        {"a last line without LF",
         "www.example.org\n/site/\nframe",
         {"www.example.org", "/site/", "frame"},
         {missingFrom(4)}},
        {"thirteen lines, the last without LF",
         linesOf(thirteenLines).substr(0, linesOf(thirteenLines).size() - 1),
         thirteenLines,
         {}},
        {"a last line without LF, longer than its field",
         "site\n/site/\n" + std::string(30, 'f'),
         {"site", "/site/", std::string(21, 'f')},
         {cutAt(3, std::string(21, 'f'), std::string(9, 'f'), 9), missingFrom(4)}},
        {"CR before LF",
         "www.example.org\r\n/site/\r\n_self\r\n",
         {"www.example.org\r", "/site/\r", "_self\r"},
         {crAt(1, "www.example.org\r"), crAt(2, "/site/\r"), crAt(3, "_self\r"), missingFrom(4)}},
        {"CR LF after every one of thirteen lines", linesOf(crLines), crLines, crProblems},
        {"CR after a full-length answer",
         std::string(40, 's') + "\r\n/site/\n",
         {std::string(40, 's') + "\r", "/site/"},
         {crAt(1, std::string(40, 's') + "\r"), missingFrom(3)}},
        {"lines after the thirteenth",
         linesOf(extraLines),
         thirteenLines,
         {ignoredFrom(14, "a fourteenth line", 17)}},
        {"blank lines after the thirteenth",
         linesOf(thirteenLines) + "\n \t\r\n\n",
         thirteenLines,
         {}},
        {"text after blank lines after the thirteenth",
         linesOf(thirteenLines) + "\n\r\n  " + overLong + "\nmore\n",
         thirteenLines,
         {ignoredFrom(16, overLong.substr(0, droppedSampleSize), 100)}},
        {"a line longer than its field",
         "www.example.org\n" + overLong + "\n_self\nns2.html\n",
         {"www.example.org", overLong.substr(0, 61), "_self", "ns2.html"},
         {cutAt(2, overLong.substr(0, 61), overLong.substr(0, droppedSampleSize), 39),
          missingFrom(5)}},
        {"a line one longer than its field's limit is kept whole",
         std::string(41, 's') + "\n/site/\n",
         {std::string(41, 's'), "/site/"},
         {missingFrom(3)}},
        {"a line far longer than its field",
         std::string(1000, 'y') + "\n/site/\n",
         {std::string(41, 'y'), "/site/"},
         {cutAt(1, std::string(41, 'y'), std::string(droppedSampleSize, 'y'), 959),
          missingFrom(3)}},
        {"an over-long last line without LF",
         "www.example.org\n" + overLong,
         {"www.example.org", overLong.substr(0, 61)},
         {cutAt(2, overLong.substr(0, 61), overLong.substr(0, droppedSampleSize), 39),
          missingFrom(3)}},
    };
}

void PrintTo(const ReaderCase& readerCase, std::ostream* out) {
    *out << readerCase.name;
}

class ReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTest, ReadsEachLineIntoItsField) {
    const ScratchFolder folder;
    writeBytes(folder / "questions.txt", GetParam().bytes);
    EXPECT_EQ(readAnswers(folder / "questions.txt"), answersOf(GetParam().fields));
}

TEST_P(ReaderTest, TheCheckedReadingGivesTheSameAnswersAndNotesEachProblem) {
    const ScratchFolder folder;
    writeBytes(folder / "questions.txt", GetParam().bytes);
    const CheckedAnswers checked = readAnswersChecked(folder / "questions.txt");
    EXPECT_EQ(checked.answers, answersOf(GetParam().fields));
    EXPECT_EQ(checked.problems, GetParam().problems);
}

INSTANTIATE_TEST_SUITE_P(AnswersFile, ReaderTest, ::testing::ValuesIn(readerCases()),
                         navisift_test::NamedAfterCase{});

TEST(AnswersFile, WritersLeaveOneLineEndedByLfPerAnswer) {
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    createAnswersFile(thirteenLines[0], file);
    EXPECT_EQ(readBytes(file), "www.example.org\n");
    for (std::size_t line = 1; line < thirteenLines.size(); ++line) {
        appendAnswer(thirteenLines[line], file);
    }
    EXPECT_EQ(readBytes(file), linesOf(thirteenLines));
    EXPECT_EQ(readAnswers(file), answersOf(thirteenLines));
}

TEST(AnswersFile, FullLengthAnswersComeBackWhole) {
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    const std::vector<std::string> fields = fullLengthFields();
    createAnswersFile(fields[0], file);
    for (std::size_t line = 1; line < fields.size(); ++line) {
        appendAnswer(fields[line], file);
    }
    EXPECT_EQ(readAnswers(file), answersOf(fields));
}

TEST(AnswersFile, EmptyAnswerIsALineWithOnlyItsLf) {
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    createAnswersFile("", file);
    appendAnswer("", file);
    EXPECT_EQ(readBytes(file), "\n\n");
}

TEST(AnswersFile, CreateEmptiesAFileLeftFromAnEarlierRun) {
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    writeBytes(file, std::string(5000, 'z') + "\nold\n");
    createAnswersFile("www.example.org", file);
    EXPECT_EQ(readBytes(file), "www.example.org\n");
}

TEST(AnswersFile, DeleteRemovesTheFile) {
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    createAnswersFile("www.example.org", file);
    deleteAnswersFile(file);
    EXPECT_FALSE(std::filesystem::exists(file));
}

struct FailureCase {
    std::string name;
    std::function<void(const std::filesystem::path& folder)> prepare;
    std::function<void(const std::filesystem::path& file)> operation;
    std::errc cause;
};

std::vector<FailureCase> failureCases() {
    const auto nothing = [](const std::filesystem::path&) {};
    const auto directoryInTheWay = [](const std::filesystem::path& folder) {
        std::filesystem::create_directory(folder / "questions.txt");
    };
    return {
        {"read a missing file", nothing, [](const auto& file) { readAnswers(file); },
         std::errc::no_such_file_or_directory},
        {"append to a missing file", nothing, [](const auto& file) { appendAnswer("x", file); },
         std::errc::no_such_file_or_directory},
        {"delete a missing file", nothing, [](const auto& file) { deleteAnswersFile(file); },
         std::errc::no_such_file_or_directory},
        {"create in a missing folder", nothing,
         [](const auto& file) {
             createAnswersFile("x", file.parent_path() / "gone" / "questions.txt");
         },
         std::errc::no_such_file_or_directory},
        {"create where a folder is", directoryInTheWay,
         [](const auto& file) { createAnswersFile("x", file); }, std::errc::is_a_directory},
        {"read a folder", directoryInTheWay, [](const auto& file) { readAnswers(file); },
         std::errc::is_a_directory},
    };
}

TEST(AnswersFile, FailuresThrowFileErrorWithTheCauseAndTheFile) {
    for (const FailureCase& failure : failureCases()) {
        SCOPED_TRACE(failure.name);
        const ScratchFolder folder;
        failure.prepare(folder.path());
        const auto file = folder / "questions.txt";
        try {
            failure.operation(file);
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& error) {
            EXPECT_EQ(error.code(), std::make_error_code(failure.cause));
            EXPECT_EQ(error.osError(), static_cast<int>(failure.cause));
            EXPECT_EQ(error.cause(), std::make_error_code(failure.cause).message());
            EXPECT_EQ(error.file().filename(), "questions.txt");
        }
    }
}

TEST(AnswersFile, AppendNeverCreatesTheFile) {
    const ScratchFolder folder;
    EXPECT_THROW(appendAnswer("x", folder / "questions.txt"), FileError);
    EXPECT_FALSE(std::filesystem::exists(folder / "questions.txt"));
}

TEST(AnswersFile, FileErrorIsAFileSystemErrorThatNamesTheFile) {
    const ScratchFolder folder;
    try {
        readAnswers(folder / "questions.txt");
        FAIL() << "no error";
    } catch (const std::filesystem::filesystem_error& error) {
        EXPECT_EQ(error.path1(), folder / "questions.txt");
        EXPECT_NE(std::string(error.what()).find("questions.txt"), std::string::npos);
    }
}

// Another process with the answers file open and locked, until it is let go.
navisift_testing::OtherProcess holdingOpenAndLocked(const std::filesystem::path& file) {
    return navisift_testing::OtherProcess([&file] {
        const int descriptor = ::open(file.c_str(), O_RDWR);
        return descriptor >= 0 && ::flock(descriptor, LOCK_EX) == 0;
    });
}

TEST(AnswersFile, AFileAnotherProcessHoldsIsASharingViolationAndStaysAsItIs) {
    const std::vector<std::pair<std::string, std::function<void(const std::filesystem::path&)>>>
        operations{
            {"create", [](const auto& file) { createAnswersFile("new", file); }},
            {"append", [](const auto& file) { appendAnswer("more", file); }},
            {"read", [](const auto& file) { readAnswers(file); }},
            {"delete", [](const auto& file) { deleteAnswersFile(file); }},
        };
    const ScratchFolder folder;
    const auto file = folder / "questions.txt";
    writeBytes(file, linesOf(thirteenLines));
    const navisift_testing::OtherProcess other = holdingOpenAndLocked(file);
    ASSERT_TRUE(other.succeeded());
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        try {
            operation(file);
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& error) {
            EXPECT_EQ(error.code(), make_error_code(FileErrc::sharingViolation));
            EXPECT_EQ(error.file(), file);
            EXPECT_NE(error.cause().find("another process"), std::string::npos) << error.cause();
        }
        EXPECT_EQ(readBytes(file), linesOf(thirteenLines));
    }
}

}  // namespace
}  // namespace generator
