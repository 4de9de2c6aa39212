#include "generator/save/save_dialog.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "ui/application.h"
#include "ui/controls/progress_bar.h"
#include "ui/testing/scripted_screen.h"

namespace {

namespace fs = std::filesystem;
using ui::Key;

const std::string thirteenLines =
    "www.example.com\n/\n_self\nn2.html\nn3.html\nn4.html\nn45.html\nie3.html\nie4.html\n"
    "ie5.html\naol3.html\naol4.html\nwebtv.html\n";

// The scripted screen, which can also act while the page is being written: at the first frame
// after the bar reached 50, the answers have long been read and the page is not finished yet.
class SaveScreen : public ui::ScriptedScreen {
  public:
    std::function<void()> whileThePageIsWritten;

    void present(const ui::Frame& frame) override {
        ui::ScriptedScreen::present(frame);
        if (whileThePageIsWritten && !progressPositions().empty() &&
            progressPositions().back() == 50) {
            std::exchange(whileThePageIsWritten, nullptr)();
        }
    }
};

// Each test runs in its own empty working directory, as the program does.
class SaveDialogTest : public ::testing::Test {
  protected:
    SaveDialogTest() {
        home_ = fs::current_path();
        dir_ = fs::temp_directory_path() /
               ("navisift-save-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        app_.setTitle("navisift");
    }
    ~SaveDialogTest() override {
        fs::current_path(home_);
        fs::remove_all(dir_);
    }

    static void writeAnswers(const std::string& text = thirteenLines) {
        std::ofstream("questions.txt", std::ios::binary) << text;
    }
    static std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    int barPosition() const {
        // The save dialog is the outermost running dialog, also under a message box.
        return ui::Dialog::running().front()->controlAs<ui::ProgressBar>(1005)->position();
    }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : screen_.messageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    SaveScreen screen_;
    ui::Application app_{screen_};

  private:
    fs::path home_;
    fs::path dir_;
};

TEST_F(SaveDialogTest, SaveWritesThePageRemovesTheAnswersAndSaysFileSaved) {
    struct Case {
        const char* name;
        std::function<void(ui::ScriptedScreen&)> press;
    };
    const Case cases[] = {
        {"the Save button", [](auto& s) { s.click(ui::IDOK); }},
        {"Enter", [](auto& s) { s.key(Key::enter); }},
        {"Alt+S", [](auto& s) { s.alt('s'); }},
    };
    for (const Case& c : cases) {
        writeAnswers();
        fs::remove("nvoutput.htm");
        const std::size_t boxesBefore = screen_.messageBoxes().size();
        const std::size_t positionsBefore = screen_.progressPositions().size();
        int barAtFileSaved = -1;
        bool answersGoneAtFileSaved = false;
        c.press(screen_);
        screen_
            .then([&] {
                barAtFileSaved = barPosition();
                answersGoneAtFileSaved = !fs::exists("questions.txt");
            })
            .key(Key::enter);
        generator::CSaveDlg dialog;
        EXPECT_EQ(dialog.runModal(), ui::IDOK) << c.name;
        EXPECT_FALSE(fs::exists("questions.txt")) << c.name;
        EXPECT_TRUE(fs::exists("nvoutput.htm")) << c.name;
        EXPECT_EQ(barAtFileSaved, 100) << c.name;
        EXPECT_TRUE(answersGoneAtFileSaved) << c.name;
        const std::vector<int> positions(
            screen_.progressPositions().begin() + static_cast<long>(positionsBefore),
            screen_.progressPositions().end());
        EXPECT_EQ(positions, (std::vector<int>{0, 25, 50, 75, 100})) << c.name;
        ASSERT_EQ(screen_.messageBoxes().size(), boxesBefore + 1) << c.name;
        const ui::RecordedMessageBox& box = screen_.messageBoxes().back();
        EXPECT_EQ(box.text, "File Saved");
        EXPECT_EQ(box.caption, "navisift");
        EXPECT_EQ(box.icon, ui::MessageBoxIcon::none);
        EXPECT_EQ(box.owner, "Saving File...");
    }
    EXPECT_NE(read("nvoutput.htm").find("\r\n"), std::string::npos);
}

TEST_F(SaveDialogTest, CancelWritesNothingAndKeepsTheAnswers) {
    const std::pair<const char*, std::function<void(ui::ScriptedScreen&)>> cases[] = {
        {"Esc", [](auto& s) { s.key(Key::escape); }},
        {"the close box", [](auto& s) { s.clickCloseBox(); }},
    };
    for (const auto& [name, close] : cases) {
        writeAnswers();
        close(screen_);
        generator::CSaveDlg dialog;
        EXPECT_EQ(dialog.runModal(), ui::IDCANCEL) << name;
        EXPECT_EQ(read("questions.txt"), thirteenLines) << name;
        EXPECT_FALSE(fs::exists("nvoutput.htm")) << name;
    }
    EXPECT_TRUE(screen_.messageBoxes().empty());
    EXPECT_TRUE(screen_.progressPositions().empty());
}

TEST_F(SaveDialogTest, AMissingAnswersFileIsReportedAndSaveCanRunAgain) {
    screen_.key(Key::enter)
        .then([&] {
            ASSERT_EQ(screen_.messageBoxes().size(), 1u);
            EXPECT_EQ(barPosition(), 0);
        })
        .key(Key::enter)  // dismiss the stop box: the save dialog is still open
        .then([&] {
            EXPECT_EQ(screen_.topCaption(), "Saving File...");
            writeAnswers();
        })
        .key(Key::enter)   // Save again, from the start
        .key(Key::enter);  // "File Saved"
    generator::CSaveDlg dialog;
    EXPECT_EQ(dialog.runModal(), ui::IDOK);
    const ui::RecordedMessageBox& stop = screen_.messageBoxes().at(0);
    EXPECT_EQ(stop.icon, ui::MessageBoxIcon::stop);
    EXPECT_NE(stop.text.find("questions.txt"), std::string::npos) << stop.text;
    EXPECT_NE(stop.text.find("No such file or directory"), std::string::npos) << stop.text;
    EXPECT_EQ(screen_.progressPositions(), (std::vector<int>{0, 0, 25, 50, 75, 100}));
    EXPECT_EQ(boxTexts().back(), "File Saved");
    EXPECT_TRUE(fs::exists("nvoutput.htm"));
}

TEST_F(SaveDialogTest, APageThatCannotBeWrittenEndsWithExitCodeOneAndKeepsTheAnswers) {
    struct Case {
        const char* name;
        std::function<void()> provoke;
        std::vector<int> positions;
        std::function<bool()> leftAsItWas;
    };
    const Case cases[] = {
        {"the page cannot be created (a folder stands in its place)",
         [] { fs::create_directory("nvoutput.htm"); },
         {0, 25},
         [] { return fs::is_directory("nvoutput.htm"); }},
        {"the disk is full",
         [] { fs::create_symlink("/dev/full", "nvoutput.htm"); },
         {0, 25, 50, 75},
         [] { return fs::read_symlink("nvoutput.htm") == "/dev/full"; }},
    };
    for (const Case& c : cases) {
        fs::remove_all("nvoutput.htm");
        writeAnswers();
        c.provoke();
        screen_.key(Key::enter).key(Key::enter);
        const std::size_t boxesBefore = screen_.messageBoxes().size();
        const std::size_t positionsBefore = screen_.progressPositions().size();
        generator::CSaveDlg dialog;
        try {
            dialog.runModal();
            ADD_FAILURE() << c.name << ": the run returned";
        } catch (const ui::QuickExit& exit) {
            EXPECT_EQ(exit.exitCode, 1) << c.name;
        }
        ASSERT_EQ(screen_.messageBoxes().size(), boxesBefore + 1) << c.name;
        EXPECT_EQ(screen_.messageBoxes().back().text, "Error Writing To File") << c.name;
        EXPECT_EQ(screen_.messageBoxes().back().icon, ui::MessageBoxIcon::none) << c.name;
        const std::vector<int> positions(
            screen_.progressPositions().begin() + static_cast<long>(positionsBefore),
            screen_.progressPositions().end());
        EXPECT_EQ(positions, c.positions) << c.name;
        EXPECT_TRUE(c.leftAsItWas()) << c.name;
        // The answers survive, and can be read back for another try.
        EXPECT_EQ(read("questions.txt"), thirteenLines) << c.name;
        EXPECT_EQ(generator::readAnswers().siteAddress, "www.example.com") << c.name;
    }
    EXPECT_EQ(screen_.quickExitCode(), 1);
}

TEST_F(SaveDialogTest, AnAnswersFileThatCannotGoAfterThePageIsWrittenDoesNotUndoTheSave) {
    writeAnswers();
    // Another holder locks the answers file once they have been read, so deleting it fails.
    int holder = -1;
    screen_.whileThePageIsWritten = [&] {
        holder = ::open("questions.txt", O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    };
    int barAtFileSaved = -1;
    screen_.key(Key::enter)
        .then([&] { barAtFileSaved = barPosition(); })
        .key(Key::enter)   // "File Saved"
        .key(Key::enter);  // the stop box about the answers file
    generator::CSaveDlg dialog;
    EXPECT_EQ(dialog.runModal(), ui::IDOK);
    ::close(holder);

    EXPECT_TRUE(read("nvoutput.htm").ends_with("</html>\r\n")) << "the page is not complete";
    EXPECT_EQ(read("questions.txt"), thirteenLines);
    EXPECT_EQ(screen_.progressPositions(), (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(barAtFileSaved, 100);
    ASSERT_EQ(screen_.messageBoxes().size(), 2u);
    EXPECT_EQ(screen_.messageBoxes()[0].text, "File Saved");
    const ui::RecordedMessageBox& kept = screen_.messageBoxes()[1];
    EXPECT_EQ(kept.icon, ui::MessageBoxIcon::stop);
    EXPECT_NE(kept.text.find("The page was saved"), std::string::npos) << kept.text;
    EXPECT_NE(kept.text.find("\"questions.txt\" could not be deleted"), std::string::npos)
        << kept.text;
    EXPECT_NE(kept.text.find("Sharing violation"), std::string::npos) << kept.text;
    EXPECT_FALSE(screen_.quickExitCode().has_value());
}

TEST_F(SaveDialogTest, TheDialogAsDrawn) {
    writeAnswers();
    std::vector<std::string> before;
    screen_.then([&] { before = screen_.lines(); }).key(Key::escape);
    generator::CSaveDlg dialog;
    dialog.runModal();
    const std::vector<std::string> window(before.begin() + 5, before.begin() + 19);
    const std::vector<std::string> expected = {
        "        ▌≡ Saving File...                                             ×▐",
        "        │                                                              │",
        "        │                                                              │",
        "        │                                                              │",
        "        │                                                              │",
        "        │                  ┌─Saving File...─────────┐                  │",
        "        │                  │                        │                  │",
        "        │                  │                        │                  │",
        "        │                  └────────────────────────┘                  │",
        "        │                                                              │",
        "        │                      [    Save...    ]                       │",
        "        │                                                              │",
        "        │                                                              │",
        "        └──────────────────────────────────────────────────────────────┘",
    };
    EXPECT_EQ(window, expected) << screen_.drawing();
}

}  // namespace
