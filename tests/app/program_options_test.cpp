// The real program, started without a terminal: what it answers before any screen starts.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path program = fs::path(NAVISIFT_BINARY_DIR) / "bin" / "navisift";

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& file) {
    std::string text;
    if (FILE* in = std::fopen(file.c_str(), "rb")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            text.append(buffer, got);
        std::fclose(in);
    }
    return text;
}

// Runs `shellCommand` in `folder` with standard input from /dev/null, so no terminal is
// attached, and collects both output streams.
Outcome run(const fs::path& folder, const std::string& shellCommand) {
    const std::string line =
        "cd '" + folder.string() + "' && " + shellCommand + " </dev/null >out.txt 2>err.txt";
    const int status = std::system(line.c_str());
    Outcome outcome;
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.out = slurp(folder / "out.txt");
    outcome.err = slurp(folder / "err.txt");
    fs::remove(folder / "out.txt");
    fs::remove(folder / "err.txt");
    return outcome;
}

class ProgramWithoutTerminal : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::path(NAVISIFT_BINARY_DIR) / "app-test-work" /
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        if (!HasFailure())
            fs::remove_all(folder);
    }

    std::vector<std::string> filesLeft() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder;
};

TEST_F(ProgramWithoutTerminal, HelpAnswersOnStandardOutput) {
    const Outcome outcome = run(folder, "'" + program.string() + "' --help");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out.rfind("Usage: navisift [--help | --version]\n", 0), 0u) << outcome.out;
    EXPECT_EQ(outcome.err, "");
    EXPECT_TRUE(filesLeft().empty()) << "no version stamp before the wizard starts";
}

TEST_F(ProgramWithoutTerminal, VersionAnswersOnStandardOutput) {
    const Outcome outcome = run(folder, "'" + program.string() + "' --version");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "navisift V1.0B7\n");
    EXPECT_EQ(outcome.err, "");
}

TEST_F(ProgramWithoutTerminal, HelpNamesTheProgramAsItWasCalled) {
    fs::create_symlink(program, folder / "pagewizard");
    const Outcome outcome = run(folder, "./pagewizard --version");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "pagewizard V1.0B7\n");
}

TEST_F(ProgramWithoutTerminal, SaysSoInOneLineAndExitsWithTwo) {
    const Outcome outcome = run(folder, "'" + program.string() + "'");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.out, "") << "nothing drawn";
    ASSERT_FALSE(outcome.err.empty());
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_NE(outcome.err.find("terminal"), std::string::npos) << outcome.err;
    EXPECT_TRUE(filesLeft().empty()) << "no version stamp without a terminal";
}

TEST_F(ProgramWithoutTerminal, RefusesAnUnknownArgument) {
    const Outcome outcome = run(folder, "'" + program.string() + "' --colour");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("--colour"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find("--help"), std::string::npos) << outcome.err;
}

}  // namespace
