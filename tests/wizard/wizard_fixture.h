#pragma once

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "generator/answers_file.h"
#include "ui/application.h"
#include "ui/dialog.h"
#include "ui/testing/scripted_screen.h"
#include "wizard/question_dialogs.h"

// What the wizard's tests share: a working directory of their own, a stand-in for the main
// dialog that starts the chain and takes the Quit and About the question dialogs pass on, and a
// script that answers the questions.

namespace wizard::testing {

namespace fs = std::filesystem;

// Makes a fresh folder the working directory for one test and goes back afterwards.
class ScratchWorkingDirectory {
  public:
    ScratchWorkingDirectory() : previous_(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "navisift-wizard-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        fs::current_path(path_);
    }
    ~ScratchWorkingDirectory() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(path_, ignored);
    }
    ScratchWorkingDirectory(const ScratchWorkingDirectory&) = delete;
    ScratchWorkingDirectory& operator=(const ScratchWorkingDirectory&) = delete;

    const fs::path& path() const { return path_; }

  private:
    fs::path previous_;
    fs::path path_;
};

inline std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline constexpr std::string_view mainCaption = "Stand-in Main";
inline constexpr std::string_view aboutCaption = "About...";

// Stands in for the application shell's main dialog: Start (Enter) ends it and runs Question 1;
// Quit deletes the answers file and ends the process with code 1; About runs the About dialog.
// Both record where they came from.
class StandInMainDlg : public ui::Dialog {
  public:
    StandInMainDlg();

    // The caption of the active dialog each time the command arrived.
    std::vector<std::string> quitsFrom;
    std::vector<std::string> aboutsFrom;

  protected:
    void onOk() override;
    bool onMessage(ui::Message& message) override;

  private:
    void onQuit();
    void onAbout();
};

// The scripted user: each step runs when a dialog next waits for input.
class WizardScript {
  public:
    explicit WizardScript(ui::ScriptedScreen& screen) : screen_(screen) {}

    // Start on the stand-in main dialog.
    WizardScript& start();
    // Types the answer into the active question's field and presses Enter (Next).
    WizardScript& answer(std::string_view text);
    WizardScript& answers(std::initializer_list<std::string_view> texts);
    WizardScript& answers(std::span<const std::string_view> texts);
    // Question 2: types the base directory, clicks the frame box that many times, then Next.
    WizardScript& answerQuestionTwo(std::string_view baseDirectory, int frameBoxClicks);
    // Esc on the active dialog.
    WizardScript& cancel();
    // Checks that the active dialog has this caption.
    WizardScript& expectActive(std::string_view caption);

    ui::ScriptedScreen& screen() { return screen_; }

  private:
    ui::ScriptedScreen& screen_;
};

// The ten page paths of Questions 3 to 12, as their prompts suggest them.
inline constexpr std::array<std::string_view, 10> examplePages = {
    "net/net2.html", "net/net3.html", "net/net4.html", "net/net45.html", "ie/ie3.html",
    "ie/ie4.html",   "ie/ie5.html",   "aol/aol3.html", "aol/aol4.html",  "wbtv/webtv.html",
};

// The answers file lines of those ten pages.
inline std::string examplePageLines() {
    std::string lines;
    for (std::string_view page : examplePages) {
        lines.append(page).push_back('\n');
    }
    return lines;
}

// Every test: its own working directory, the scripted screen and the application object.
class WizardTest : public ::testing::Test {
  protected:
    WizardTest() { app.setTitle("navisift"); }

    // Runs the stand-in main dialog, and with it the whole chain, until the script has ended it.
    void runWizard() { mainDialog.runModal(); }

    std::string answersFile() const { return readBytes(generator::answersFileName); }
    bool answersFileExists() const { return fs::exists(generator::answersFileName); }

    ScratchWorkingDirectory directory;
    ui::ScriptedScreen screen;
    ui::Application app{screen};
    StandInMainDlg mainDialog;
    WizardScript script{screen};
};

}  // namespace wizard::testing
