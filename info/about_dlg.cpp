#include "info/about_dlg.h"

#include "res/dialog_templates.h"
#include "res/pictures/pictures.h"

namespace info {

namespace {

constexpr int aboutTemplate = 100;
constexpr int animationId = 1026;
constexpr ui::WParam ownModule = 0;
constexpr ui::WParam repeatForever = static_cast<ui::WParam>(-1);
constexpr unsigned firstFrame = 0;
constexpr unsigned lastFrame = 0xFFFF;

}  // namespace

CAboutDlg::CAboutDlg() : ui::Dialog(res::dialogTemplate(aboutTemplate)) {}

void CAboutDlg::exchangeData(ui::DataExchange& dx) {
    dx.control(animationId, animation);
}

bool CAboutDlg::onInitDialog() {
    Dialog::onInitDialog();
    // Neither result is examined: a clip that does not open leaves the control empty.
    animation.sendMessage(ui::ACM_OPEN, ownModule, res::aboutClip);
    animation.sendMessage(ui::ACM_PLAY, repeatForever, ui::makeLong(firstFrame, lastFrame));
    return true;  // the focus goes to the first tab stop, the animation
}

bool CAboutDlg::onMessage(ui::Message& message) {
    static constexpr ui::MessageEntry<CAboutDlg> table[] = {
        {ui::WM_NOTIFY, ui::NM_OUTOFMEMORY, animationId, &CAboutDlg::onOutOfMemory},
    };
    return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
}

void CAboutDlg::onOutOfMemory(ui::NotifyHeader&, ui::MessageResult& result) {
    messageBox("Out Of Memory");
    result = 0;
}

}  // namespace info
