#include "generator/page_tool/answers_warnings.h"

#include "generator/routing/report.h"

namespace generator::page_tool {
namespace {

// A dropped or ignored text as far as the problem holds it, with "..." when there was more.
std::string sample(const AnswersFileProblem& problem) {
    const bool cut = problem.droppedSize > problem.dropped.size();
    return routing::quoted(problem.dropped) + (cut ? "..." : "");
}

std::string describe(const AnswersFileProblem& problem) {
    const std::size_t lastLine = answerFields.size();
    const AnswerField* field = problem.line <= lastLine ? &answerFields[problem.line - 1] : nullptr;
    switch (problem.kind) {
        case AnswersFileProblemKind::endsInCarriageReturn:
            return std::string(field->label) +
                   ": ends in a CR, as a CR LF line end leaves it; kept " +
                   routing::quoted(problem.kept);
        case AnswersFileProblemKind::lineTooLong:
            return std::string(field->label) + ": a line of " +
                   std::to_string(problem.kept.size() + problem.droppedSize) +
                   " characters, longer than the " + std::to_string(field->chunk()) +
                   " read; kept " + routing::quoted(problem.kept) + ", dropped " + sample(problem);
        case AnswersFileProblemKind::linesMissing: {
            const std::string fields =
                problem.line == lastLine
                    ? std::string(field->label)
                    : std::string(field->label) + " to " + std::string(answerFields.back().label);
            const std::string fileEnd =
                problem.line == 1 ? "the file is empty"
                                  : "the file ends after line " + std::to_string(problem.line - 1);
            return fields + ": missing, " + fileEnd + "; left empty";
        }
        case AnswersFileProblemKind::linesAfterTheLast:
            return "after the last answer: ignored from here on; the line holds " + sample(problem);
    }
    return {};
}

}  // namespace

std::string warningText(const AnswersFileProblem& problem, const std::filesystem::path& file) {
    return file.string() + ":" + std::to_string(problem.line) + ": " + describe(problem);
}

}  // namespace generator::page_tool
