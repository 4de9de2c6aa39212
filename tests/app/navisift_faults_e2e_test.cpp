// The real navisift in a real terminal under file faults, one row of a table each: where the
// fault shows, what the user is told, the exit code, what is left on disk, and the terminal
// given back as it was. Nothing the user had may be lost: the answers stay when no page was
// saved, a previous page survives a failed write, and nothing but the program's own files goes.

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/other_process.h"
#include "tests/support/terminal_run.h"

namespace {

namespace fs = std::filesystem;
using navisift_e2e::Ending;
using navisift_e2e::TerminalRun;
using navisift_testing::OtherProcess;
using namespace std::chrono_literals;

const fs::path program = fs::path(NAVISIFT_BINARY_DIR) / "bin" / "navisift";
const fs::path previousPageSource =
    fs::path(NAVISIFT_SOURCE_DIR) / "tests/generator/expected/full_length.htm";

constexpr int nobody = 65534;

const std::vector<std::string> answers{
    "www.example.org", "/authors/jane/",  "netscape2.html", "netscape3.html",
    "netscape4.html",  "netscape45.html", "explorer3.html", "explorer4.html",
    "explorer5.html",  "aol3.html",       "aol4.html",      "webtv.html",
};
const std::string answersFile =
    "www.example.org\n/authors/jane/\n_self\nnetscape2.html\nnetscape3.html\nnetscape4.html\n"
    "netscape45.html\nexplorer3.html\nexplorer4.html\nexplorer5.html\naol3.html\naol4.html\n"
    "webtv.html\n";
const std::string otherRunsAnswers = "www.first-run.example\n";

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where the fault shows: at Question 1's Next, or at the save dialog's Save.
enum class FaultShows { atQuestionOne, atSave };

// How the program is run.
enum class Runner {
    directly,
    unprivileged,  // as an unprivileged user, through setpriv
    onSmallDisk,   // in a folder on a file system of 24 KiB, in a mount namespace of its own
};

class FaultRun;

struct FaultCase {
    std::string name;
    std::function<void(FaultRun&)> prepare;  // the working folder before the program starts
    Runner runner;
    FaultShows shows;
    std::vector<std::string> told;  // the messages, in order; each is dismissed with Enter
    std::string thenKey;            // pressed after the last message, or nothing
    int exitCode;
    std::function<void(FaultRun&)> check;  // the working folder once the program has ended
    // Done to the folder just before the key that meets the fault, if anything.
    std::function<void(FaultRun&)> justBefore = {};
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class FaultRun : public testing::TestWithParam<FaultCase> {
  public:
    fs::path folder;
    std::optional<TerminalRun> terminal;
    std::optional<TerminalRun> otherRun;
    std::optional<OtherProcess> otherProcess;

    bool exists(const std::string& name) const {
        return fs::exists(fs::symlink_status(folder / name));
    }
    std::string file(const std::string& name) const { return contents(folder / name); }
    void writeFile(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    // The names in the working folder, sorted, without the version stamp.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().filename() != "config.cfg")
                found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
    void ownedByNobody(const std::string& name) const {
        ASSERT_EQ(::chown((folder / name).c_str(), nobody, nobody), 0) << name;
    }

    // A first wizard run in the same folder, left waiting on Question 2.
    void startOtherRunToQuestionTwo() {
        otherRun.emplace(std::vector<std::string>{program.string()},
                         navisift_e2e::TerminalOptions{.workingDirectory = folder});
        ASSERT_TRUE(otherRun->waitForText("Click To Continue"));
        otherRun->keys({"Enter"});
        ASSERT_TRUE(otherRun->waitForText("Press Start To Continue."));
        otherRun->keys({"Enter"});
        ASSERT_TRUE(otherRun->waitForText("What is your site's address?"));
        otherRun->type("www.first-run.example");
        otherRun->keys({"Enter"});
        ASSERT_TRUE(otherRun->waitForText("Base Directory"));
    }

  protected:
    void SetUp() override {
        ASSERT_TRUE(navisift_e2e::tmuxAvailable()) << "tmux is not installed";
        folder = fs::path(NAVISIFT_BINARY_DIR) / "app-e2e-work" / ("Fault." + GetParam().name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms(0755));
    }
    void TearDown() override {
        if (HasFailure() && terminal)
            std::cerr << "The screen at the failure:\n" << screen() << '\n';
        terminal.reset();
        otherRun.reset();
        otherProcess.reset();
        if (!HasFailure())
            fs::remove_all(folder);
    }

    std::string screen() const { return terminal->screenTextForReport(); }

    void start(Runner runner) {
        std::vector<std::string> command;
        switch (runner) {
            case Runner::directly:
                command = {program.string()};
                break;
            case Runner::unprivileged:
                command = {"setpriv", "--reuid=" + std::to_string(nobody),
                           "--regid=" + std::to_string(nobody), "--clear-groups", program.string()};
                break;
            case Runner::onSmallDisk:
                // The files prepared in the folder move onto the small disk, and whatever the
                // run left there comes back once it has ended.
                command = {"unshare", "--mount", "sh", "-c", R"(
                    mkdir disk && mount -t tmpfs -o size=24k tmpfs disk || exit 99
                    for name in *; do [ "$name" = disk ] || mv "$name" disk/; done
                    cd disk && "$0"
                    status=$?
                    cd .. && cp -a disk/. . && umount disk && rmdir disk
                    exit $status)", program.string()};
                break;
        }
        terminal.emplace(command, navisift_e2e::TerminalOptions{.workingDirectory = folder});
    }

    void expectText(std::string_view text) {
        ASSERT_TRUE(terminal->waitForText(text)) << "never shown: " << text << "\n" << screen();
    }

    // A question's caption, not a longer one that starts the same ("Question 1" is not
    // "Question 12").
    void expectCaption(const std::string& caption) {
        const std::regex exact(caption + "([^0-9-]|$)");
        ASSERT_TRUE(terminal->waitUntil([&](const std::string& text) {
            return std::regex_search(text, exact);
        })) << "never shown: "
            << caption << "\n"
            << screen();
    }

    // Start, then the answers up to where the fault shows.
    void answerUpTo(FaultShows shows, const std::function<void(FaultRun&)>& justBefore) {
        expectText("Click To Continue");
        terminal->keys({"Enter"});
        expectText("Press Start To Continue.");
        terminal->keys({"Enter"});
        expectCaption("Question 1");
        terminal->type(answers.front());
        if (shows == FaultShows::atQuestionOne && justBefore)
            justBefore(*this);
        terminal->keys({"Enter"});
        if (shows == FaultShows::atQuestionOne)
            return;
        for (std::size_t at = 1; at < answers.size(); ++at) {
            expectCaption("Question " + std::to_string(at + 1));
            terminal->type(answers[at]);
            terminal->keys({"Enter"});
        }
        expectText("Saving File...");
        if (justBefore)
            justBefore(*this);
        terminal->keys({"Enter"});
    }

    // Waits for the end; whichever way the program ended, it gave the terminal back as it was.
    int exitCode() {
        const std::optional<Ending> ending = terminal->waitForEnd();
        EXPECT_TRUE(ending.has_value()) << "still running:\n" << screen();
        if (!ending)
            return -1;
        EXPECT_NE(ending->sttyBefore, "") << "stty saw no terminal";
        EXPECT_EQ(ending->sttyAfter, ending->sttyBefore)
            << "the terminal's modes were not restored";
        return ending->exitCode;
    }
};

// Whether this machine lets a test mount a small file system in a mount namespace.
bool smallDiskAvailable() {
    return std::system(
               "unshare --mount sh -c 'd=$(mktemp -d) || exit 1; "
               "mount -t tmpfs -o size=16k tmpfs \"$d\"; status=$?; "
               "umount \"$d\"; rmdir \"$d\"; exit $status' >/dev/null 2>&1") == 0;
}

TEST_P(FaultRun, TellsTheUserLosesNothingAndGivesTheTerminalBack) {
    const FaultCase& c = GetParam();
    if (c.runner == Runner::unprivileged && ::geteuid() != 0)
        GTEST_SKIP() << "only root can run the program as another user here";
    if (c.runner == Runner::onSmallDisk && !smallDiskAvailable())
        GTEST_SKIP() << "this machine does not let a test mount a small file system";
    c.prepare(*this);
    ASSERT_FALSE(HasFatalFailure());
    start(c.runner);
    answerUpTo(c.shows, c.justBefore);
    for (const std::string& message : c.told) {
        expectText(message);
        terminal->keys({"Enter"});
        ASSERT_TRUE(terminal->waitForTextGone(message)) << screen();
    }
    if (!c.thenKey.empty())
        terminal->keys({c.thenKey});
    EXPECT_EQ(exitCode(), c.exitCode);
    c.check(*this);
}

const FaultCase faultCases[] = {
    {.name = "AnswersFileIsAFolder",
     .prepare = [](FaultRun& run) { fs::create_directory(run.folder / "questions.txt"); },
     .runner = Runner::directly,
     .shows = FaultShows::atQuestionOne,
     .told = {"Is a directory"},
     .thenKey = "Escape",
     .exitCode = 0,
     .check =
         [](FaultRun& run) {
             EXPECT_TRUE(fs::is_directory(run.folder / "questions.txt"));
             EXPECT_FALSE(run.exists("nvoutput.htm"));
         }},
    {.name = "AnswersFileLockedByAnotherProcess",
     .prepare =
         [](FaultRun& run) {
             run.writeFile("questions.txt", otherRunsAnswers);
             const fs::path file = run.folder / "questions.txt";
             run.otherProcess.emplace([file] {
                 const int descriptor = ::open(file.c_str(), O_RDONLY);
                 return descriptor >= 0 && ::flock(descriptor, LOCK_EX) == 0;
             });
             ASSERT_TRUE(run.otherProcess->succeeded());
         },
     .runner = Runner::directly,
     .shows = FaultShows::atQuestionOne,
     .told = {"Sharing violation"},
     .thenKey = "Escape",
     .exitCode = 0,
     .check = [](FaultRun& run) { EXPECT_EQ(run.file("questions.txt"), otherRunsAnswers); }},
    {.name = "AnswersFileOwnedByAnotherWizardRun",
     .prepare = [](FaultRun& run) { run.startOtherRunToQuestionTwo(); },
     .runner = Runner::directly,
     .shows = FaultShows::atQuestionOne,
     .told = {"in use by another run"},
     .thenKey = "M-q",
     .exitCode = 1,
     .check =
         [](FaultRun& run) {
             // Quit deleted nothing of the first run's, which goes on as before.
             EXPECT_EQ(run.file("questions.txt"), otherRunsAnswers);
             run.otherRun->keys({"Escape"});
             const std::optional<Ending> ending = run.otherRun->waitForEnd();
             ASSERT_TRUE(ending.has_value());
             EXPECT_EQ(ending->exitCode, 0);
             EXPECT_EQ(run.file("questions.txt"), otherRunsAnswers);
         }},
    {.name = "AnswersFileGoneBeforeSave",
     .prepare = [](FaultRun&) {},
     .runner = Runner::directly,
     .shows = FaultShows::atSave,
     .told = {"No such file or directory"},
     .thenKey = "Escape",
     .exitCode = 0,
     .check = [](FaultRun& run) { EXPECT_TRUE(run.names().empty()); },
     .justBefore = [](FaultRun& run) { fs::remove(run.folder / "questions.txt"); }},
    {.name = "PageIsAFolder",
     .prepare = [](FaultRun& run) { fs::create_directory(run.folder / "nvoutput.htm"); },
     .runner = Runner::directly,
     .shows = FaultShows::atSave,
     .told = {"Error Writing To File"},
     .thenKey = "",
     .exitCode = 1,
     .check =
         [](FaultRun& run) {
             EXPECT_TRUE(fs::is_directory(run.folder / "nvoutput.htm"));
             EXPECT_EQ(run.file("questions.txt"), answersFile);
         }},
    {.name = "PageIsALinkToAFullDevice",
     .prepare = [](FaultRun& run) { fs::create_symlink("/dev/full", run.folder / "nvoutput.htm"); },
     .runner = Runner::directly,
     .shows = FaultShows::atSave,
     .told = {"Error Writing To File"},
     .thenKey = "",
     .exitCode = 1,
     .check =
         [](FaultRun& run) {
             EXPECT_EQ(fs::read_symlink(run.folder / "nvoutput.htm"), "/dev/full");
             EXPECT_EQ(run.file("questions.txt"), answersFile);
         }},
    {.name = "PageIsADevice",
     .prepare =
         [](FaultRun& run) {
             // The null device under the page's name, or a link to it where no device can be made.
             const fs::path page = run.folder / "nvoutput.htm";
             if (::mknod(page.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                 fs::create_symlink("/dev/null", page);
         },
     .runner = Runner::directly,
     .shows = FaultShows::atSave,
     .told = {"File Saved"},
     .thenKey = "",
     .exitCode = 0,
     .check =
         [](FaultRun& run) {
             EXPECT_TRUE(fs::is_character_file(run.folder / "nvoutput.htm"));
             EXPECT_EQ(run.names(), std::vector<std::string>{"nvoutput.htm"});
         }},
    {.name = "FolderNotWritable",
     .prepare =
         [](FaultRun& run) {
             // Question 1 can still empty the answers file the user may write.
             run.writeFile("questions.txt", otherRunsAnswers);
             fs::permissions(run.folder / "questions.txt", fs::perms(0666));
         },
     .runner = Runner::unprivileged,
     .shows = FaultShows::atSave,
     .told = {"Error Writing To File"},
     .thenKey = "",
     .exitCode = 1,
     .check =
         [](FaultRun& run) {
             EXPECT_EQ(run.file("questions.txt"), answersFile);
             EXPECT_EQ(run.names(), std::vector<std::string>{"questions.txt"});
         }},
    {.name = "AnswersFileCannotGoAfterThePageIsSaved",
     .prepare =
         [](FaultRun& run) {
             // The page goes, through a link, to a folder of the user's; the answers file is in
             // a folder that is not theirs.
             run.writeFile("questions.txt", "");
             fs::permissions(run.folder / "questions.txt", fs::perms(0666));
             fs::create_directory(run.folder / "site");
             run.ownedByNobody("site");
             fs::create_symlink("site/nvoutput.htm", run.folder / "nvoutput.htm");
         },
     .runner = Runner::unprivileged,
     .shows = FaultShows::atSave,
     .told = {"File Saved", "Permission denied"},
     .thenKey = "",
     .exitCode = 0,
     .check =
         [](FaultRun& run) {
             EXPECT_TRUE(run.file("site/nvoutput.htm").ends_with("</html>\r\n"));
             EXPECT_EQ(run.file("questions.txt"), answersFile);
         }},
    {.name = "VersionStampIsAFolder",
     .prepare = [](FaultRun& run) { fs::create_directory(run.folder / "config.cfg"); },
     .runner = Runner::directly,
     .shows = FaultShows::atSave,
     .told = {"File Saved"},
     .thenKey = "",
     .exitCode = 0,
     .check =
         [](FaultRun& run) {
             EXPECT_TRUE(fs::is_directory(run.folder / "config.cfg"));
             EXPECT_TRUE(run.file("nvoutput.htm").ends_with("</html>\r\n"));
             EXPECT_FALSE(run.exists("questions.txt"));
         }},
    {.name = "DiskFullPartWay",
     .prepare =
         [](FaultRun& run) {
             // The previous page takes three of the disk's six pages, the version stamp and the
             // answers one each: the new page (6 KiB) fills the last one part way.
             fs::copy_file(previousPageSource, run.folder / "nvoutput.htm");
         },
     .runner = Runner::onSmallDisk,
     .shows = FaultShows::atSave,
     .told = {"Error Writing To File"},
     .thenKey = "",
     .exitCode = 1,
     .check =
         [](FaultRun& run) {
             EXPECT_EQ(run.file("nvoutput.htm"), contents(previousPageSource));
             EXPECT_EQ(run.file("questions.txt"), answersFile);
             EXPECT_EQ(run.names(), (std::vector<std::string>{"nvoutput.htm", "questions.txt"}));
         }},
};

INSTANTIATE_TEST_SUITE_P(Faults, FaultRun, testing::ValuesIn(faultCases),
                         [](const auto& info) { return info.param.name; });

// A terminal that cannot show the dialogs is refused before anything is drawn or written.
struct RefusedTerminal {
    std::string name;
    std::string term;
    std::string message;
};

void PrintTo(const RefusedTerminal& c, std::ostream* os) {
    *os << c.name;
}

// What the program wrote to its terminal, without the lines `script` adds before and after.
std::string programOutput(const std::string& typescript) {
    const std::size_t begin =
        typescript.starts_with("Script started") ? typescript.find('\n') + 1 : 0;
    const std::size_t end = typescript.rfind("\nScript done");
    return typescript.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

class TerminalRefusal : public testing::TestWithParam<RefusedTerminal> {};

TEST_P(TerminalRefusal, InOneLineWithExitCodeTwoAndNothingWritten) {
    const RefusedTerminal& c = GetParam();
    ASSERT_TRUE(navisift_e2e::tmuxAvailable()) << "tmux is not installed";
    const fs::path folder = fs::path(NAVISIFT_BINARY_DIR) / "app-e2e-work" / ("Refused." + c.name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    TerminalRun run({program.string()}, {.term = c.term, .workingDirectory = folder});
    const std::optional<Ending> ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    EXPECT_EQ(ending->exitCode, 2);
    EXPECT_EQ(programOutput(ending->output),
              "navisift: cannot use the terminal: " + c.message + "\r\n");
    EXPECT_EQ(ending->sttyAfter, ending->sttyBefore);
    EXPECT_TRUE(fs::is_empty(folder)) << "the refused program wrote into its folder";
    if (!HasFailure())
        fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Terminals, TerminalRefusal,
    testing::Values(RefusedTerminal{"Dumb", "dumb",
                                    "the terminal cannot move its cursor (check TERM)"},
                    RefusedTerminal{"Unknown", "no-such-terminal-type",
                                    "the terminal type is unknown (check TERM)"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
