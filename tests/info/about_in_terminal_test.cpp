// The About box of the real program in a real terminal: the logo's clip plays,
// in the terminal's colours.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include <unistd.h>

#include "tests/support/terminal_run.h"

namespace {

namespace fs = std::filesystem;
using navisift_e2e::TerminalRun;
using namespace std::chrono_literals;

const fs::path program = fs::path(NAVISIFT_BINARY_DIR) / "bin" / "navisift";

// The rows of the screen that hold half blocks, the picture's cells, with their colours.
std::string pictureRows(const std::string& screen) {
    std::string rows;
    std::size_t start = 0;
    while (start < screen.size()) {
        std::size_t end = screen.find('\n', start);
        if (end == std::string::npos)
            end = screen.size();
        const std::string row = screen.substr(start, end - start);
        if (row.find("\u2580") != std::string::npos)
            rows += row + '\n';
        start = end + 1;
    }
    return rows;
}

TEST(AboutInTerminal, TheLogoMovesInColour) {
    if (!navisift_e2e::tmuxAvailable())
        GTEST_SKIP() << "tmux is not installed";
    const fs::path folder =
        fs::temp_directory_path() / ("navisift-about-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    {
        TerminalRun session({program.string()}, {.workingDirectory = folder});
        ASSERT_TRUE(session.waitForText("Click To Continue"));
        session.keys({"Enter"});
        ASSERT_TRUE(session.waitForText("Press Start To Continue."));
        session.keys({"M-a"});
        ASSERT_TRUE(session.waitForText("Newest Updates At:"));

        // Two frames a second: within two seconds the picture changes at least thrice.
        std::set<std::string> seen;
        for (int look = 0; look < 10; ++look) {
            const std::string rows = pictureRows(session.screenWithAttributes());
            ASSERT_FALSE(rows.empty()) << session.screenText();
            EXPECT_NE(rows.find("\x1b["), std::string::npos) << "no colours";
            seen.insert(rows);
            std::this_thread::sleep_for(200ms);
        }
        EXPECT_GE(seen.size(), 3u);

        session.keys({"Escape"});
        ASSERT_TRUE(session.waitForTextGone("Newest Updates At:"));
        session.keys({"M-q"});
        const auto ending = session.waitForEnd();
        ASSERT_TRUE(ending.has_value()) << session.screenText();
        EXPECT_EQ(ending->exitCode, 1);
    }
    fs::remove_all(folder);
}

}  // namespace
