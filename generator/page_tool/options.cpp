#include "generator/page_tool/options.h"

#include <algorithm>
#include <array>

#include "generator/answers.h"
#include "generator/detection_page.h"

namespace generator::page_tool {
namespace {

constexpr std::array<OptionDefinition, 10> definitions{{
    {"--answers", "FILE", "the answers file to read (default questions.txt); it is never deleted",
     [](Options& options, std::string_view value) { options.answers = value; }},
    {"--output", "FILE", "the page to write (default nvoutput.htm), or the preview",
     [](Options& options, std::string_view value) {
         options.output = value;
         options.outputNamed = true;
     }},
    {"--strict", "", "write nothing if the answers file draws a warning",
     [](Options& options, std::string_view) { options.strict = true; }},
    {"--explain", "UA", "show where the page sends a visitor with user agent UA; writes no page",
     [](Options& options, std::string_view value) { options.explain = value; }},
    {"--app-name", "NAME", "the visitor's navigator.appName, overriding the one UA implies",
     [](Options& options, std::string_view value) { options.appName = value; }},
    {"--app-version", "VERSION", "the visitor's navigator.appVersion, overriding the one from UA",
     [](Options& options, std::string_view value) { options.appVersion = value; }},
    {"--report", "", "show where the page sends each browser of a built-in list of real ones",
     [](Options& options, std::string_view) { options.report = true; }},
    {"--format", "FORMAT", "text (the default) or tsv, for --explain and --report",
     [](Options& options, std::string_view value) { options.format = value; }},
    {"--help", "", "show this help and exit",
     [](Options& options, std::string_view) { options.help = true; }},
    {"--version", "", "show the version and exit",
     [](Options& options, std::string_view) { options.version = true; }},
}};

// The options of the routing preview go together in some ways only.
std::string previewError(const Options& options) {
    if (options.report && options.explains()) {
        return "--report shows every listed browser; it takes no --explain, --app-name or "
               "--app-version";
    }
    if (options.appName && !options.explain && !options.appVersion) {
        return "--app-name needs --explain or --app-version";
    }
    if (options.format && *options.format != "text" && *options.format != "tsv") {
        return "unknown format '" + *options.format + "' (text or tsv)";
    }
    if (options.format && !options.report && !options.explains()) {
        return "--format applies to --explain and --report";
    }
    return {};
}

const OptionDefinition* findDefinition(std::string_view name) {
    const auto found = std::ranges::find(definitions, name, &OptionDefinition::name);
    return found == definitions.end() ? nullptr : &*found;
}

}  // namespace

std::span<const OptionDefinition> optionDefinitions() {
    return definitions;
}

ParsedCommandLine parseCommandLine(std::span<const std::string_view> arguments) {
    ParsedCommandLine parsed;
    parsed.options.answers = answersFileName;
    parsed.options.output = detectionPageName;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const OptionDefinition* definition =
            argument.starts_with("--") ? findDefinition(name) : nullptr;
        if (definition == nullptr) {
            parsed.error = argument.starts_with("-")
                               ? "unknown option '" + std::string(name) + "'"
                               : "unexpected argument '" + std::string(argument) + "'";
            return parsed;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            if (!definition->takesValue()) {
                parsed.error = "option '" + std::string(name) + "' takes no value";
                return parsed;
            }
            value = argument.substr(equals + 1);
        } else if (definition->takesValue()) {
            if (at + 1 == arguments.size()) {
                parsed.error = "option '" + std::string(name) + "' needs a " +
                               std::string(definition->valueName);
                return parsed;
            }
            value = arguments[++at];
        }
        if (definition->takesValue() && value.empty()) {
            parsed.error = "option '" + std::string(name) + "' needs a non-empty " +
                           std::string(definition->valueName);
            return parsed;
        }
        definition->apply(parsed.options, value);
    }
    parsed.error = previewError(parsed.options);
    return parsed;
}

std::string usageText() {
    std::string text =
        "Usage: navisift-page [OPTION]...\n"
        "Writes the browser detection page from an answers file, without the wizard's dialogs.\n"
        "\n";
    const auto left = [](const OptionDefinition& definition) {
        return "  " + std::string(definition.name) +
               (definition.takesValue() ? " " + std::string(definition.valueName) : "");
    };
    std::size_t width = 0;
    for (const OptionDefinition& definition : definitions) {
        width = std::max(width, left(definition).size() + 2);
    }
    for (const OptionDefinition& definition : definitions) {
        std::string column = left(definition);
        column.resize(width, ' ');
        text += column + std::string(definition.description) + "\n";
    }
    text +=
        "\n"
        "With --explain, --app-version or --report no page is written: for the answers file, it\n"
        "shows the test of the page that decides for a visitor and what the page then does: the\n"
        "address and target it opens, nothing at all, or the unknown-browser alert. A user\n"
        "agent's appVersion is what follows its first \"/\", and its appName is \"Microsoft\n"
        "Internet Explorer\" when it holds \"MSIE\" and \"Netscape\" otherwise.\n"
        "\n"
        "A line of the answers file that the wizard never writes (a CR LF line end, a line\n"
        "longer than its field, missing lines, text after the thirteenth line) is read all the\n"
        "same, with one warning for each on the standard error: the line, the field and what\n"
        "was kept. With --strict such a warning stops the tool before it writes anything.\n"
        "\n"
        "Exit status: 0 when the page was written or the preview shown, 1 when the page could\n"
        "not be created or written or the preview not shown, 2 for a usage error, an answers\n"
        "file that cannot be read, or a warning under --strict.\n";
    return text;
}

}  // namespace generator::page_tool
