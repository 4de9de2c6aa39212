#pragma once

#include <string_view>

#include "ui/dialog.h"
#include "ui/icon.h"
#include "ui/system_menu.h"

namespace app {

// The program's main window: Start, Quit, About and Browsers, and an About item in its system
// menu. The question dialogs pass their Quit and About buttons on to it, so its handlers serve
// the whole wizard.
class CMainDlg : public ui::Dialog {
  public:
    CMainDlg();

  protected:
    bool onInitDialog() override;
    void onOk() override;  // Start
    bool onMessage(ui::Message& message) override;

  private:
    void onSysCommand(unsigned id, ui::LParam position);
    void onPaint();
    ui::Icon onQueryDragIcon();
    void onQuit();
    void onAbout();
    void onBrowsers();

    ui::Icon icon;
};

// Adds a separator and the About item (system command 16) to a system menu, or nothing at all
// when the item's text is empty.
void appendAboutItem(ui::SystemMenu& menu, std::string_view text);

}  // namespace app
