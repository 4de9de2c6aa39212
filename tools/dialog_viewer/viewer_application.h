#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"

// The viewer's application object: its start routine runs the one dialog
// asked for, and its command table takes what the dialogs pass on, as the
// program's main dialog would: Quit ends at once with exit code 1, About shows
// the About dialog, Help is only noted.

namespace dialog_viewer {

struct ViewerOptions {
    int templateNumber = 0;
    bool threeD = true;  // the three-dimensional look, as the program switches it on
    // The dialog built from its template alone, which notes every command it
    // sees, instead of the system's own dialog class.
    bool generic = false;
};

// Whether the viewer knows the template.
bool isViewable(int templateNumber);

class ViewerApplication : public ui::Application {
  public:
    ViewerApplication(std::unique_ptr<ui::Screen> screen, ViewerOptions options);
    // On a screen owned elsewhere (the scripted screen of a test).
    ViewerApplication(ui::Screen& screen, ViewerOptions options);

    bool initInstance() override;
    bool onCommand(int id) override;

    // What happened, one line per event, in UTF-8.
    const std::vector<std::string>& log() const { return log_; }

  private:
    void runDialog(int templateNumber);

    ViewerOptions options_;
    std::vector<std::string> log_;
};

}  // namespace dialog_viewer
