#include "app/splash_dlg.h"

#include "res/dialog_templates.h"

namespace app {

CSplashDlg::CSplashDlg() : ui::Dialog(res::dialogTemplate(204)) {}

bool CSplashDlg::onMessage(ui::Message& message) {
    static constexpr ui::MessageEntry<CSplashDlg> table[] = {
        {ui::WM_LBUTTONUP, 0, 0, &CSplashDlg::onLButtonUp},
    };
    return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
}

void CSplashDlg::onLButtonUp(unsigned /*flags*/, ui::Point /*at*/) {
    endDialog(ui::IDOK);
}

}  // namespace app
