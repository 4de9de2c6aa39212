#pragma once

#include <filesystem>
#include <string>

#include "generator/answers_file.h"

namespace generator::page_tool {

// The line navisift-page prints for a problem of a hand-kept answers file, after its own name:
// the file and line, the field, what is wrong and what the field kept, e.g.
// questions.txt:3: target frame: ends in a CR, as a CR LF line end leaves it; kept "main\x0D"
std::string warningText(const AnswersFileProblem& problem, const std::filesystem::path& file);

}  // namespace generator::page_tool
