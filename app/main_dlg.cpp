#include "app/main_dlg.h"

#include <string>

#include "app/minimised_icon.h"
#include "app/system_command.h"
#include "generator/answers_file.h"
#include "info/about_dlg.h"
#include "info/browsers_dlg.h"
#include "res/dialog_templates.h"
#include "ui/application.h"
#include "ui/paint_context.h"
#include "wizard/question_dialogs.h"

namespace app {

namespace {

constexpr int mainIconResource = 128;
constexpr int aboutItemString = 101;
constexpr int browsersButton = 1010;
constexpr int quitExitCode = 1;

}  // namespace

void appendAboutItem(ui::SystemMenu& menu, std::string_view text) {
    if (text.empty())
        return;
    menu.appendSeparator();
    menu.appendItem(aboutSystemCommand, std::string(text));
}

CMainDlg::CMainDlg() : ui::Dialog(res::dialogTemplate(102)), icon(ui::loadIcon(mainIconResource)) {}

bool CMainDlg::onMessage(ui::Message& message) {
    static constexpr ui::MessageEntry<CMainDlg> table[] = {
        {ui::WM_SYSCOMMAND, 0, 0, &CMainDlg::onSysCommand},
        {ui::WM_PAINT, 0, 0, &CMainDlg::onPaint},
        {ui::WM_QUERYDRAGICON, 0, 0, &CMainDlg::onQueryDragIcon},
        {ui::WM_COMMAND, ui::BN_CLICKED, ui::ID_APP_EXIT, &CMainDlg::onQuit},
        {ui::WM_COMMAND, ui::BN_CLICKED, ui::ID_APP_ABOUT, &CMainDlg::onAbout},
        {ui::WM_COMMAND, ui::BN_CLICKED, browsersButton, &CMainDlg::onBrowsers},
    };
    return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
}

bool CMainDlg::onInitDialog() {
    Dialog::onInitDialog();
    appendAboutItem(systemMenu(), res::loadString(aboutItemString));
    sendMessage(ui::WM_SETICON, ui::ICON_BIG, icon.resource);
    sendMessage(ui::WM_SETICON, ui::ICON_SMALL, icon.resource);
    return true;  // the focus goes to the first control, Start
}

void CMainDlg::onOk() {
    // The main dialog vanishes now; its run returns once the whole chain has finished and this
    // handler returns, so the program ends after the wizard.
    Dialog::onOk();
    wizard::CQuestion1Dlg question;
    question.runModal();
}

void CMainDlg::onSysCommand(unsigned id, ui::LParam /*position*/) {
    if (isAboutSystemCommand(id)) {
        info::CAboutDlg about;
        about.runModal();
    } else {
        defaultSystemCommand(id);
    }
}

void CMainDlg::onPaint() {
    // Open, the controls have painted themselves already; only the minimised tile is ours.
    if (!isMinimized())
        return;
    ui::PaintContext dc(*this);
    sendMessage(ui::WM_ICONERASEBKGND, dc.handle(), 0);
    const ui::Size iconSize{ui::getSystemMetrics(ui::SM_CXICON),
                            ui::getSystemMetrics(ui::SM_CYICON)};
    const ui::Rect client = dc.clientRect();
    const ui::Point at = minimisedIconPosition(client.size(), iconSize);
    dc.drawIcon(at.x, at.y, icon);
}

ui::Icon CMainDlg::onQueryDragIcon() {
    return icon;
}

void CMainDlg::onQuit() {
    // No confirmation: the answers so far are thrown away. A file that is not there, or cannot
    // go, does not keep the program from ending; one that another run owns is not ours to delete.
    try {
        generator::deleteAnswersFile();
    } catch (const generator::FileError&) {
    }
    ui::Application::instance().quickExit(quitExitCode);
}

void CMainDlg::onAbout() {
    info::CAboutDlg about;
    about.runModal();
}

void CMainDlg::onBrowsers() {
    info::CBrowsersDlg browsers;
    browsers.runModal();
}

}  // namespace app
