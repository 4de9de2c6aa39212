#pragma once

#include <memory>

#include "ui/application.h"
#include "ui/screen.h"

namespace app {

// The one application object. Constructing it shows the splash until the user clicks it away;
// its start routine then stamps the version and runs the main dialog.
class CWizardApp : public ui::Application {
  public:
    explicit CWizardApp(std::unique_ptr<ui::Screen> screen);
    explicit CWizardApp(ui::Screen& screen);  // tests keep their own screen

    bool initInstance() override;
    bool onCommand(int id) override;
    void onHelp() override;

  private:
    void showSplash();
};

}  // namespace app
