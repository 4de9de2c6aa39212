#pragma once

#include "ui/dialog.h"

namespace app {

// The picture shown while the application object is being constructed. A click anywhere on it,
// picture and text included, ends it; so do Enter and Esc, through the toolkit.
class CSplashDlg : public ui::Dialog {
  public:
    CSplashDlg();

  protected:
    bool onMessage(ui::Message& message) override;

  private:
    void onLButtonUp(unsigned flags, ui::Point at);
};

}  // namespace app
