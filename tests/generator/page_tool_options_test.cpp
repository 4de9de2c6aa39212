#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/page_tool/options.h"

namespace generator::page_tool {
namespace {

struct CommandLineCase {
    std::vector<std::string_view> arguments;
    std::string answers;
    std::string output;
    bool help;
    bool version;
    std::string error;
};

TEST(PageToolCommandLine, ParsesEveryFormOrSaysWhatIsWrong) {
    const std::vector<CommandLineCase> cases{
        {{}, "questions.txt", "nvoutput.htm", false, false, ""},
        {{"--answers", "mine.txt"}, "mine.txt", "nvoutput.htm", false, false, ""},
        {{"--output=out/page.htm", "--answers=a.txt"}, "a.txt", "out/page.htm", false, false, ""},
        {{"--help"}, "questions.txt", "nvoutput.htm", true, false, ""},
        {{"--version"}, "questions.txt", "nvoutput.htm", false, true, ""},
        {{"--answers"}, "", "", false, false, "option '--answers' needs a FILE"},
        {{"--output="}, "", "", false, false, "option '--output' needs a non-empty FILE"},
        {{"--help=yes"}, "", "", false, false, "option '--help' takes no value"},
        {{"--frame", "x"}, "", "", false, false, "unknown option '--frame'"},
        {{"-h"}, "", "", false, false, "unknown option '-h'"},
        {{"page.htm"}, "", "", false, false, "unexpected argument 'page.htm'"},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? "(none)" : std::string(c.arguments.front()));
        const ParsedCommandLine parsed = parseCommandLine(c.arguments);
        EXPECT_EQ(parsed.error, c.error);
        if (c.error.empty()) {
            EXPECT_EQ(parsed.options.answers, c.answers);
            EXPECT_EQ(parsed.options.output, c.output);
            EXPECT_EQ(parsed.options.help, c.help);
            EXPECT_EQ(parsed.options.version, c.version);
        }
    }
}

TEST(PageToolCommandLine, StrictAndANamedOutputAreNoted) {
    const std::vector<std::string_view> plain;
    const ParsedCommandLine defaults = parseCommandLine(plain);
    EXPECT_FALSE(defaults.options.strict);
    EXPECT_FALSE(defaults.options.outputNamed);

    const std::vector<std::string_view> arguments{"--strict", "--report", "--output", "r.txt"};
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.strict);
    EXPECT_TRUE(parsed.options.outputNamed);
    EXPECT_EQ(parsed.options.output, "r.txt");
}

TEST(PageToolCommandLine, HelpListsEveryOption) {
    const std::string usage = usageText();
    for (const OptionDefinition& definition : optionDefinitions()) {
        EXPECT_NE(usage.find(definition.name), std::string::npos) << definition.name;
    }
}

}  // namespace
}  // namespace generator::page_tool
