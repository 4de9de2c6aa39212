#include "generator/page_tool/options.h"

#include <algorithm>
#include <array>

#include "generator/answers.h"
#include "generator/detection_page.h"

namespace generator::page_tool {
namespace {

constexpr std::array<OptionSpec, 4> specs{{
    {"--answers", "FILE", "the answers file to read (default questions.txt); it is never deleted",
     [](Options& options, std::string_view value) { options.answers = value; }},
    {"--output", "FILE", "the detection page to write (default nvoutput.htm)",
     [](Options& options, std::string_view value) { options.output = value; }},
    {"--help", "", "show this help and exit",
     [](Options& options, std::string_view) { options.help = true; }},
    {"--version", "", "show the version and exit",
     [](Options& options, std::string_view) { options.version = true; }},
}};

const OptionSpec* findSpec(std::string_view name) {
    const auto found = std::ranges::find(specs, name, &OptionSpec::name);
    return found == specs.end() ? nullptr : &*found;
}

}  // namespace

std::span<const OptionSpec> optionSpecs() {
    return specs;
}

ParsedCommandLine parseCommandLine(std::span<const std::string_view> arguments) {
    ParsedCommandLine parsed;
    parsed.options.answers = answersFileName;
    parsed.options.output = detectionPageName;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const OptionSpec* spec = argument.starts_with("--") ? findSpec(name) : nullptr;
        if (spec == nullptr) {
            parsed.error = argument.starts_with("-")
                               ? "unknown option '" + std::string(name) + "'"
                               : "unexpected argument '" + std::string(argument) + "'";
            return parsed;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            if (!spec->takesValue()) {
                parsed.error = "option '" + std::string(name) + "' takes no value";
                return parsed;
            }
            value = argument.substr(equals + 1);
        } else if (spec->takesValue()) {
            if (at + 1 == arguments.size()) {
                parsed.error =
                    "option '" + std::string(name) + "' needs a " + std::string(spec->valueName);
                return parsed;
            }
            value = arguments[++at];
        }
        if (spec->takesValue() && value.empty()) {
            parsed.error = "option '" + std::string(name) + "' needs a non-empty " +
                           std::string(spec->valueName);
            return parsed;
        }
        spec->apply(parsed.options, value);
    }
    return parsed;
}

std::string usageText() {
    std::string text =
        "Usage: navisift-page [OPTION]...\n"
        "Writes the browser detection page from an answers file, without the wizard's dialogs.\n"
        "\n";
    for (const OptionSpec& spec : specs) {
        std::string left = "  " + std::string(spec.name);
        if (spec.takesValue()) {
            left += " " + std::string(spec.valueName);
        }
        left.resize(std::max<std::size_t>(left.size() + 2, 18), ' ');
        text += left + std::string(spec.description) + "\n";
    }
    text +=
        "\n"
        "Exit status: 0 when the page was written, 1 when it could not be created or written,\n"
        "2 for a usage error or an answers file that cannot be read.\n";
    return text;
}

}  // namespace generator::page_tool
