#pragma once

#include <filesystem>
#include <string_view>

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

// The save dialog after reading, and Quit.
void deleteAnswersFile(const std::filesystem::path& file = answersFileName);

}  // namespace generator
