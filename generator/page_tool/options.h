#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace generator::page_tool {

// What the command line of navisift-page asks for.
struct Options {
    std::filesystem::path answers;
    std::filesystem::path output;  // the page; with the preview, only when outputNamed
    bool outputNamed = false;      // --output was given
    bool strict = false;           // a problem of the answers file stops the tool
    bool help = false;
    bool version = false;

    // The routing preview instead of the page: one visitor, given by a user agent or by the two
    // values the page tests, or every browser of the built-in list.
    std::optional<std::string> explain;  // a user-agent string
    std::optional<std::string> appName;
    std::optional<std::string> appVersion;
    bool report = false;
    std::optional<std::string> format;  // "text" or "tsv"

    bool explains() const { return explain || appName || appVersion; }
};

// A command-line option: `--name`, or `--name VALUE` / `--name=VALUE` when it takes a value.
struct OptionDefinition {
    std::string_view name;
    std::string_view valueName;  // empty for an option without a value
    std::string_view description;
    void (*apply)(Options& options, std::string_view value);

    bool takesValue() const { return !valueName.empty(); }
};

std::span<const OptionDefinition> optionDefinitions();

struct ParsedCommandLine {
    Options options;
    std::string error;  // empty when the command line is valid
};

// The arguments after the program name.
ParsedCommandLine parseCommandLine(std::span<const std::string_view> arguments);

// The text of --help.
std::string usageText();

}  // namespace generator::page_tool
