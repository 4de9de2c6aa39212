#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ui/clipboard.h"
#include "ui/message_table.h"
#include "ui/screen.h"

// The application object: exactly one at a time. It holds the screen every
// dialog is shown on, the application title (the caption of every message
// box), the main window, and its own command table, which gets the commands
// that no dialog of the owner chain took.

namespace ui {

class Dialog;

class Application {
  public:
    explicit Application(Screen& screen);
    explicit Application(std::unique_ptr<Screen> screen);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application object; throws std::logic_error if there is none.
    static Application& instance();
    static Application* current();

    Screen& screen() { return *screen_; }

    // The clipboard that every dialog's answer fields share.
    Clipboard& clipboard() { return clipboard_; }

    // The program file's name without folder and extension. Taken from the
    // name the program was started by (a link's own name, not its target).
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    void setTitleFromProgramPath(std::string_view programPath);

    Dialog* mainWindow() const { return mainWindow_; }
    void setMainWindow(Dialog* dialog) { mainWindow_ = dialog; }

    // The start routine. Returning false ends the program (no message loop).
    virtual bool initInstance() { return false; }
    // The exit step; its result is the exit code of the normal end.
    virtual int exitInstance() { return 0; }
    // Runs the start routine and the exit step, then ends normally through
    // the screen. Returns the exit code.
    int run();

    // Switches on the three-dimensional control look for every dialog. True
    // on success. A new application object starts with the plain look.
    bool enable3dControls();

    // The normal end: the screen gives back what it changed.
    void normalEnd();
    // Ends the process at once with the code: no handler returns, nothing
    // else is closed. The screen restores itself first.
    [[noreturn]] void quickExit(int exitCode);

    // The command table: true when a row took the command. The default takes
    // none; an application adds its rows (Help goes to `onHelp`).
    virtual bool onCommand(int id);
    // The standard help action.
    virtual void onHelp();

  private:
    void registerInstance();

    std::unique_ptr<Screen> ownedScreen_;
    Screen* screen_;
    Clipboard clipboard_{screen_};
    std::string title_;
    Dialog* mainWindow_ = nullptr;
    bool ended_ = false;
};

}  // namespace ui
