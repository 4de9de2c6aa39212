// navisift-page: writes the detection page from an answers file, for authors who keep or edit
// their answers outside the wizard. The answers file is left where it is.

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "generator/answers_file.h"
#include "generator/detection_page.h"
#include "generator/page_tool/answers_warnings.h"
#include "generator/page_tool/options.h"
#include "generator/page_tool/preview.h"
#include "generator/version.h"

namespace {

using namespace generator;

enum ExitStatus {
    success = 0,
    pageNotWritten = 1,
    badInput = 2,  // a usage error or an unreadable answers file
};

constexpr std::string_view programName = "navisift-page";

int fail(ExitStatus status, const std::string& message) {
    std::cerr << programName << ": " << message << '\n';
    return status;
}

// What a failed write left at the page's path, for the end of its message.
std::string_view whatWasLeft(PageLeftBehind leftBehind) {
    switch (leftBehind) {
        case PageLeftBehind::nothing:
            return "no page was written";
        case PageLeftBehind::previousPage:
            return "the previous page was kept";
        case PageLeftBehind::partialOutput:
            return "the output is incomplete";
    }
    return "";
}

// The exit status of a write into `output`, with its one line on stderr when it failed.
int statusOf(PageResult result, const PageFailure& failure, const std::filesystem::path& output) {
    switch (result) {
        case PageResult::written:
            return success;
        case PageResult::creationFailed:
            return fail(pageNotWritten,
                        "cannot create " + output.string() + ": " + failure.cause.message());
        case PageResult::writeFailed:
            return fail(pageNotWritten, "cannot write " + output.string() + ": " +
                                            failure.cause.message() + "; " +
                                            std::string(whatWasLeft(failure.leftBehind)));
    }
    return pageNotWritten;
}

// Writing over the answers file would lose the answers; the same file under another name or
// through a link counts too.
bool outputIsTheAnswersFile(const page_tool::Options& options) {
    std::error_code ignored;
    return std::filesystem::equivalent(options.output, options.answers, ignored);
}

int refuseOutputOverAnswers(const page_tool::Options& options) {
    return fail(badInput, "--output " + options.output.string() + " is the answers file " +
                              options.answers.string() + "; nothing was written");
}

// Reads the answers file, with one warning on stderr for each line of it that the wizard never
// writes. Gives `success` when the answers are to be used; under --strict a warning stops here.
int readAnswersFile(const page_tool::Options& options, Answers& answers) {
    CheckedAnswers checked;
    try {
        checked = readAnswersChecked(options.answers);
    } catch (const FileError& error) {
        return fail(badInput, "cannot read " + error.file().string() + ": " + error.cause());
    }
    for (const AnswersFileProblem& problem : checked.problems) {
        std::cerr << programName << ": " << page_tool::warningText(problem, options.answers)
                  << '\n';
    }
    if (options.strict && !checked.problems.empty()) {
        const std::size_t count = checked.problems.size();
        return fail(badInput, "--strict: nothing written, for the " + std::to_string(count) +
                                  (count == 1 ? " warning" : " warnings") + " above");
    }
    answers = std::move(checked.answers);
    return success;
}

int writePage(const page_tool::Options& options) {
    if (outputIsTheAnswersFile(options)) {
        return refuseOutputOverAnswers(options);
    }
    Answers answers;
    if (const int status = readAnswersFile(options, answers); status != success) {
        return status;
    }
    PageFailure failure;
    const PageResult result = writeDetectionPage(
        answers, [](int) {}, options.output, failure);
    return statusOf(result, failure, options.output);
}

// --explain and --report: where the page for these answers sends its visitors, on the standard
// output or into the file --output names.
int showPreview(const page_tool::Options& options) {
    if (options.outputNamed && outputIsTheAnswersFile(options)) {
        return refuseOutputOverAnswers(options);
    }
    Answers answers;
    if (const int status = readAnswersFile(options, answers); status != success) {
        return status;
    }
    if (!options.outputNamed) {
        page_tool::writePreview(std::cout, options, answers);
        if (!std::cout.flush()) {
            return fail(pageNotWritten, "cannot write the preview to the standard output");
        }
        return success;
    }
    PageFailure failure;
    const PageResult result = page_tool::writePreviewFile(options, answers, failure);
    return statusOf(result, failure, options.output);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    const page_tool::ParsedCommandLine commandLine = page_tool::parseCommandLine(arguments);
    if (!commandLine.error.empty()) {
        return fail(badInput, commandLine.error + " (try --help)");
    }
    if (commandLine.options.help) {
        std::cout << page_tool::usageText();
        return success;
    }
    if (commandLine.options.version) {
        std::cout << programName << ' ' << productVersion << '\n';
        return success;
    }
    try {
        if (commandLine.options.report || commandLine.options.explains()) {
            return showPreview(commandLine.options);
        }
        return writePage(commandLine.options);
    } catch (const std::exception& error) {
        return fail(pageNotWritten, error.what());
    }
}
