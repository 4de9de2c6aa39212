// navisift-page's preview as a program: what it prints, where it writes nothing, and its exit
// status when the answers cannot be read or the preview cannot be written.

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path program = fs::path(NAVISIFT_BINARY_DIR) / "bin" / "navisift-page";

class PreviewProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "navisift-preview-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        std::ofstream(folder_ / "questions.txt", std::ios::binary)
            << "www.example.org\n/\n_self\nn2.html\nn3.html\nn4.html\nn45.html\ne3.html\n"
               "e4.html\ne5.html\naol3.html\naol4.html\nwebtv.html\n";
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the program in the scratch folder; its standard output goes to `output`.
    int run(const std::string& arguments, const std::string& output = "stdout.txt") {
        const std::string command = "cd '" + folder_.string() + "' && '" + program.string() + "' " +
                                    arguments + " > " + output + " 2> stderr.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
};

TEST_F(PreviewProgramTest, ExplainPrintsTheRouteAndWritesNoPage) {
    ASSERT_EQ(run("--explain 'Mozilla/4.0 (compatible; MSIE 5.0b2; Windows 98)'"), 0);
    EXPECT_EQ(read("stdout.txt"),
              "appName \"Microsoft Internet Explorer\", appVersion \"4.0 (compatible; MSIE 5.0b2; "
              "Windows 98)\"\n"
              "row 27 (Internet Explorer 5.0b2): opens \"http://www.example.org/e5.html\" in "
              "\"_self\"\n");
    EXPECT_FALSE(fs::exists(folder_ / "nvoutput.htm"));
    EXPECT_TRUE(fs::exists(folder_ / "questions.txt"));
}

TEST_F(PreviewProgramTest, ReportEndsWithItsCount) {
    ASSERT_EQ(run("--report"), 0);
    const std::string report = read("stdout.txt");
    EXPECT_TRUE(report.starts_with("Sent to a page (")) << report;
    EXPECT_NE(report.find("\n  Netscape 4.6 (Windows 98)"), std::string::npos) << report;
    EXPECT_NE(report.find(" browsers: "), std::string::npos) << report;
    EXPECT_FALSE(fs::exists(folder_ / "nvoutput.htm"));
}

TEST_F(PreviewProgramTest, ExplainAsTsvNamesTheUserAgentAsItsBrowser) {
    ASSERT_EQ(run("--explain 'Mozilla/2.0 (Win95; I)' --format tsv"), 0);
    const std::string tsv = read("stdout.txt");
    EXPECT_NE(tsv.find("\nMozilla/2.0 (Win95; I)\tNetscape\t2.0 (Win95; I)\t1\topen\t"),
              std::string::npos)
        << tsv;
}

TEST_F(PreviewProgramTest, OutputTakesThePreviewInsteadOfTheStandardOutput) {
    for (const std::string preview :
         {"--report", "--report --format tsv", "--explain Mozilla/4.5"}) {
        ASSERT_EQ(run(preview), 0) << preview;
        const std::string printed = read("stdout.txt");
        ASSERT_EQ(run(preview + " --output preview.txt"), 0) << preview;
        EXPECT_EQ(read("stdout.txt"), "") << preview;
        EXPECT_EQ(read("preview.txt"), printed) << preview;
        EXPECT_FALSE(fs::exists(folder_ / "nvoutput.htm")) << preview;
    }
}

TEST_F(PreviewProgramTest, OutputThatCannotTakeThePreviewFails) {
    const std::string answers = read("questions.txt");
    struct Case {
        std::string arguments;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"--report --output questions.txt", 2, "--output questions.txt is the answers file"},
        {"--report --output ./questions.txt", 2, "is the answers file"},
        {"--report --output /dev/full", 1, "cannot write /dev/full: No space left on device"},
        {"--report --output gone/report.txt", 1, "cannot create gone/report.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.arguments), c.status) << c.arguments;
        EXPECT_NE(read("stderr.txt").find(c.message), std::string::npos)
            << c.arguments << ": " << read("stderr.txt");
        EXPECT_EQ(read("stdout.txt"), "") << c.arguments;
        EXPECT_EQ(read("questions.txt"), answers) << c.arguments;
    }
    // A failed write removes nothing, least of all a device.
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(PreviewProgramTest, FailuresAreReportedInTheExitStatus) {
    struct Case {
        std::string arguments;
        std::string output;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"--report --answers missing.txt", "stdout.txt", 2, "cannot read missing.txt"},
        {"--explain 'Mozilla/2.0' --answers .", "stdout.txt", 2, "cannot read ."},
        {"--report --format xml", "stdout.txt", 2, "unknown format 'xml'"},
        {"--report", "/dev/full", 1, "cannot write the preview"},
        {"--explain 'Mozilla/2.0 (Win95; I)'", "/dev/full", 1, "cannot write the preview"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.arguments, c.output), c.status) << c.arguments;
        EXPECT_NE(read("stderr.txt").find(c.message), std::string::npos)
            << c.arguments << ": " << read("stderr.txt");
    }
}

}  // namespace
