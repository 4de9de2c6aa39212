#include "app/command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/test_names.h"

namespace {

using app::StartRequest;

struct ArgumentsCase {
    std::vector<std::string> arguments;
    StartRequest request;
    std::string badArgument;
};

void PrintTo(const ArgumentsCase& c, std::ostream* os) {
    *os << "arguments:";
    for (const std::string& argument : c.arguments)
        *os << " '" << argument << "'";
}

class Arguments : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(Arguments, DecideWhatTheProgramDoes) {
    const ArgumentsCase& c = GetParam();
    const app::ParsedArguments parsed = app::parseArguments(c.arguments);
    EXPECT_EQ(parsed.request, c.request);
    EXPECT_EQ(parsed.badArgument, c.badArgument);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Arguments,
    testing::Values(ArgumentsCase{{}, StartRequest::runWizard, ""},
                    ArgumentsCase{{"--help"}, StartRequest::showHelp, ""},
                    ArgumentsCase{{"-h"}, StartRequest::showHelp, ""},
                    ArgumentsCase{{"--version"}, StartRequest::showVersion, ""},
                    ArgumentsCase{{"-V"}, StartRequest::showVersion, ""},
                    ArgumentsCase{{"--colour"}, StartRequest::badArgument, "--colour"},
                    ArgumentsCase{{"answers.txt"}, StartRequest::badArgument, "answers.txt"},
                    ArgumentsCase{{"--help", "extra"}, StartRequest::badArgument, "extra"},
                    ArgumentsCase{{"--HELP"}, StartRequest::badArgument, "--HELP"},
                    ArgumentsCase{{""}, StartRequest::badArgument, ""}),
    [](const testing::TestParamInfo<ArgumentsCase>& info) {
        if (info.param.arguments.empty())
            return std::string("NoArguments");
        std::string words;
        for (const std::string& argument : info.param.arguments)
            words += (argument.empty() ? "EmptyWord" : argument) + " ";
        // "--help" and "--HELP" differ by case alone, which the names keep.
        return navisift_test::testNameOf(words.substr(0, words.size() - 1));
    });

struct TitleCase {
    std::string programPath;
    std::string title;
};

void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << "program path '" << c.programPath << "'";
}

class Title : public testing::TestWithParam<TitleCase> {};

TEST_P(Title, IsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(app::applicationTitle(GetParam().programPath), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Table, Title,
                         testing::Values(TitleCase{"navisift", "navisift"},
                                         TitleCase{"/usr/local/bin/navisift", "navisift"},
                                         TitleCase{"./build/bin/navisift", "navisift"},
                                         TitleCase{"/tmp/wizard.bin", "wizard"},
                                         TitleCase{"my.page.maker.exe", "my.page.maker"},
                                         TitleCase{"../Page Maker", "Page Maker"}),
                         [](const testing::TestParamInfo<TitleCase>& info) {
                             return navisift_test::testNameOf(info.param.programPath);
                         });

TEST(OwnCommandLine, StartsWithThisTestProgramsPath) {
    const std::vector<std::string> words = app::ownCommandLine();
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(app::applicationTitle(words.front()), "app_logic_tests");
}

TEST(HelpAndVersion, NameTheProgramAsItWasCalled) {
    EXPECT_EQ(app::versionText("wizard"), "wizard V1.0B7\n");
    const std::string usage = app::usageText("wizard");
    EXPECT_EQ(usage.rfind("Usage: wizard [--help | --version]\n", 0), 0u);
    for (const char* file : {"config.cfg", "questions.txt", "nvoutput.htm"}) {
        EXPECT_NE(usage.find(file), std::string::npos) << file;
    }
}

}  // namespace
