#include "app/wizard_app.h"

#include "app/help_text.h"
#include "app/main_dlg.h"
#include "app/splash_dlg.h"
#include "app/version_stamp.h"
#include "res/pictures/built_in_pictures.h"
#include "ui/dialog.h"
#include "ui/message_table.h"
#include "ui/messages.h"

namespace app {

CWizardApp::CWizardApp(std::unique_ptr<ui::Screen> screen) : ui::Application(std::move(screen)) {
    showSplash();
}

CWizardApp::CWizardApp(ui::Screen& screen) : ui::Application(screen) {
    showSplash();
}

void CWizardApp::showSplash() {
    res::installBuiltInPictures();  // the splash picture is the first one shown
    CSplashDlg splash;
    splash.runModal();
}

bool CWizardApp::initInstance() {
    enable3dControls();  // without it the dialogs keep the plain look
    CMainDlg mainDialog;
    writeVersionStamp();  // nothing reads the stamp: a failure does not stop the program
    setMainWindow(&mainDialog);
    mainDialog.runModal();
    setMainWindow(nullptr);
    return false;  // no message loop: the program ends
}

bool CWizardApp::onCommand(int id) {
    static constexpr ui::CommandEntry<CWizardApp> table[] = {
        {ui::ID_HELP, &CWizardApp::onHelp},
    };
    return ui::dispatchCommand(*this, table, id);
}

void CWizardApp::onHelp() {
    // Over whichever dialog is open; closing it goes back there.
    ui::messageBox(helpText);
}

}  // namespace app
