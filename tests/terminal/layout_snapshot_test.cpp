// The layout of every dialog, cell by cell, against the snapshots kept in
// snapshots/. A change of layout, colour or caret shows as a failing cell and
// as a diff of the file. To take new snapshots on purpose, run the test with
// NAVISIFT_UPDATE_SNAPSHOTS=1 and read the diff before committing it.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "tests/terminal/cell_snapshot.h"
#include "tools/dialog_viewer/viewer_application.h"
#include "ui/testing/scripted_screen.h"

namespace {

namespace fs = std::filesystem;

struct SnapshotCase {
    const char* name;  // also the file name
    int templateNumber;
    bool threeD = true;
    // Steps before the picture is taken (typing, opening a menu).
    std::function<void(ui::ScriptedScreen&)> prepare = [](ui::ScriptedScreen&) {};
    // Runs in a folder of its own that holds a full answers file, for the save dialog.
    bool withAnswersFile = false;
};

// A fresh working folder with the thirteen answers, for as long as it lives.
class AnswersFolder {
  public:
    AnswersFolder() : previous_(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "navisift-snapshot-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        folder_ = pattern;
        std::ofstream answers(folder_ / "questions.txt", std::ios::binary);
        answers << "www.example.com\n/\n_self\n";
        for (int page = 3; page <= 12; ++page)
            answers << "page" << page << ".html\n";
        answers.close();
        fs::current_path(folder_);
    }
    ~AnswersFolder() {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    AnswersFolder(const AnswersFolder&) = delete;
    AnswersFolder& operator=(const AnswersFolder&) = delete;

  private:
    fs::path previous_;
    fs::path folder_;
};

void PrintTo(const SnapshotCase& entry, std::ostream* out) {
    *out << entry.name;
}

fs::path snapshotPath(std::string_view name) {
    return fs::path(NAVISIFT_SOURCE_DIR) / "tests/terminal/snapshots" /
           (std::string(name) + ".txt");
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class LayoutSnapshotTest : public testing::TestWithParam<SnapshotCase> {};

TEST_P(LayoutSnapshotTest, DrawsAsTheSnapshotShows) {
    const SnapshotCase& entry = GetParam();
    std::optional<AnswersFolder> folder;
    if (entry.withAnswersFile)
        folder.emplace();
    ui::ScriptedScreen screen({80, 24});
    dialog_viewer::ViewerApplication app(
        screen, {.templateNumber = entry.templateNumber, .threeD = entry.threeD});
    app.setTitle("navisift-dialog-viewer");
    std::string drawn;
    entry.prepare(screen);
    screen
        .then([&] {
            drawn =
                snapshot::format(screen.lastFrame(),
                                 "template " + std::to_string(entry.templateNumber) +
                                     (entry.threeD ? ", three-dimensional look" : ", plain look"));
        })
        .key(ui::Key::escape)
        .key(ui::Key::escape)
        .key(ui::Key::escape);
    try {
        app.run();
    } catch (const ui::ScriptExhausted&) {
        // Esc ended every dialog before the script did: nothing is left waiting.
    }
    ASSERT_FALSE(drawn.empty()) << "no dialog waited for input";

    const fs::path path = snapshotPath(entry.name);
    if (std::getenv("NAVISIFT_UPDATE_SNAPSHOTS") != nullptr) {
        std::ofstream(path, std::ios::binary) << drawn;
        GTEST_SKIP() << "snapshot written: " << path;
    }
    ASSERT_TRUE(fs::exists(path)) << "no snapshot " << path << "; drawn:\n" << drawn;
    const std::vector<std::string> found = snapshot::differences(readFile(path), drawn);
    std::string report;
    for (std::size_t i = 0; i < found.size() && i < 20; ++i)
        report += found[i] + "\n";
    EXPECT_TRUE(found.empty()) << found.size() << " cells differ:\n"
                               << report << "drawn:\n"
                               << drawn;
}

INSTANTIATE_TEST_SUITE_P(
    Templates, LayoutSnapshotTest,
    testing::Values(SnapshotCase{"102", 102}, SnapshotCase{"204", 204}, SnapshotCase{"129", 129},
                    SnapshotCase{"130", 130}, SnapshotCase{"140", 140}, SnapshotCase{"131", 131},
                    SnapshotCase{"132", 132}, SnapshotCase{"133", 133}, SnapshotCase{"217", 217},
                    SnapshotCase{"134", 134}, SnapshotCase{"135", 135}, SnapshotCase{"138", 138},
                    SnapshotCase{"137", 137}, SnapshotCase{"136", 136}, SnapshotCase{"141", 141},
                    SnapshotCase{"142", 142}, SnapshotCase{"152", 152}, SnapshotCase{"100", 100}),
    [](const testing::TestParamInfo<SnapshotCase>& info) {
        return std::string("Template") + info.param.name;
    });

INSTANTIATE_TEST_SUITE_P(
    States, LayoutSnapshotTest,
    testing::Values(
        SnapshotCase{"129-plain-look", 129, false}, SnapshotCase{"142-plain-look", 142, false},
        SnapshotCase{"129-typed", 129, true,
                     [](ui::ScriptedScreen& screen) { screen.type("www.example.org"); }},
        SnapshotCase{
            "130-ticked-and-focused", 130, true,
            [](ui::ScriptedScreen& screen) { screen.key(ui::Key::tab).key(ui::Key::space); }},
        SnapshotCase{"131-text-too-long", 131, true,
                     [](ui::ScriptedScreen& screen) { screen.type(std::string(31, 'x')); }},
        SnapshotCase{"142-file-saved", 142, true,
                     [](ui::ScriptedScreen& screen) { screen.key(ui::Key::enter); }, true},
        SnapshotCase{
            "100-second-frame", 100, true,
            [](ui::ScriptedScreen& screen) { screen.advance(std::chrono::milliseconds(500)); }},
        SnapshotCase{"102-minimised", 102, true,
                     [](ui::ScriptedScreen& screen) { screen.clickMinimizeBox(); }},
        SnapshotCase{"102-system-menu", 102, true,
                     [](ui::ScriptedScreen& screen) { screen.key(ui::Key::space, {.alt = true}); }},
        SnapshotCase{"152-right-list-at-its-end", 152, true,
                     [](ui::ScriptedScreen& screen) {
                         screen.key(ui::Key::tab).key(ui::Key::tab).key(ui::Key::end);
                     }}),
    [](const testing::TestParamInfo<SnapshotCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == '-')
                c = '_';
        return "State_" + name;
    });

}  // namespace
