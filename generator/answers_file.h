#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "generator/answers.h"
#include "generator/file_error.h"

namespace generator {

// The answers file holds one answer per line, each ended by a single LF, in the order of
// `answerFields`. Every open of it is exclusive: while one of these calls has it open, another
// process that tries gets a sharing violation. While another wizard run owns the folder's answers
// file (answers_claim.h), each of them refuses it with "in use by another run" and touches
// nothing. Every failure throws `FileError`.

// Question 1: creates the file, or empties one left from an earlier run, and writes its line.
void createAnswersFile(std::string_view text, const std::filesystem::path& file = answersFileName);

// Every later question: adds one line to the end of the existing file; never creates it.
void appendAnswer(std::string_view text, const std::filesystem::path& file = answersFileName);

// The save dialog: reads the thirteen lines into a record. Missing lines give empty fields, lines
// after the thirteenth are ignored, and a line longer than its field keeps the field's chunk of
// bytes while the next field starts after the line's LF.
Answers readAnswers(const std::filesystem::path& file = answersFileName);

// Something in a hand-kept answers file that the wizard never writes, and that `readAnswers`
// reads by its rules without a word.
enum class AnswersFileProblemKind {
    endsInCarriageReturn,  // the answer keeps a CR, as a line end of CR LF leaves it
    lineTooLong,           // the answer keeps the field's chunk; the rest of the line is dropped
    linesMissing,          // the file ends early: this line and every later one are empty
    linesAfterTheLast,     // text after the thirteenth line, which is ignored
};

struct AnswersFileProblem {
    AnswersFileProblemKind kind;
    std::size_t line;     // counted from 1: the line concerned, or the first missing or ignored one
    std::string kept;     // what the field holds; empty for missing or ignored lines
    std::string dropped;  // the start of the dropped rest, or of the first ignored line
    std::size_t droppedSize;  // all of the rest or of that line, in bytes

    friend bool operator==(const AnswersFileProblem&, const AnswersFileProblem&) = default;
};

// At most this many bytes of a dropped rest or an ignored line are kept in a problem.
inline constexpr std::size_t droppedSampleSize = 30;

struct CheckedAnswers {
    Answers answers;                           // exactly what `readAnswers` gives
    std::vector<AnswersFileProblem> problems;  // in the order of the file's lines
};

// navisift-page: reads the file as `readAnswers` does, and also notes each problem it meets,
// including text after the thirteenth line, which only this reading looks at.
CheckedAnswers readAnswersChecked(const std::filesystem::path& file = answersFileName);

// The save dialog after reading, and Quit.
void deleteAnswersFile(const std::filesystem::path& file = answersFileName);

}  // namespace generator
