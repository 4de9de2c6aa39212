// navisift-page: writes the detection page from an answers file, for authors who keep or edit
// their answers outside the wizard. The answers file is left where it is.

#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "generator/answers_file.h"
#include "generator/detection_page.h"
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

int writePage(const page_tool::Options& options) {
    // The same file under another name or through a link counts too.
    if (std::error_code ignored;
        std::filesystem::equivalent(options.output, options.answers, ignored)) {
        return fail(badInput, "--output " + options.output.string() + " is the answers file " +
                                  options.answers.string() + "; nothing was written");
    }
    Answers answers;
    try {
        answers = readAnswers(options.answers);
    } catch (const FileError& error) {
        return fail(badInput, "cannot read " + error.file().string() + ": " + error.cause());
    }
    PageFailure failure;
    switch (writeDetectionPage(
        answers, [](int) {}, options.output, failure)) {
        case PageResult::written:
            return success;
        case PageResult::creationFailed:
            return fail(pageNotWritten, "cannot create " + options.output.string() + ": " +
                                            failure.cause.message());
        case PageResult::writeFailed:
            return fail(pageNotWritten, "cannot write " + options.output.string() + ": " +
                                            failure.cause.message() + "; " +
                                            std::string(whatWasLeft(failure.leftBehind)));
    }
    return pageNotWritten;
}

// --explain and --report: where the page for these answers sends its visitors.
int showPreview(const page_tool::Options& options) {
    Answers answers;
    try {
        answers = readAnswers(options.answers);
    } catch (const FileError& error) {
        return fail(badInput, "cannot read " + error.file().string() + ": " + error.cause());
    }
    page_tool::writePreview(std::cout, options, answers);
    if (!std::cout.flush()) {
        return fail(pageNotWritten, "cannot write the preview to the standard output");
    }
    return success;
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
