#pragma once

#include "ui/dialog.h"

// The About box (template 100): the product and engine versions, the maker and
// where updates are found, under the logo's clip, which plays from its first
// frame to its last and round again until the box closes. Its only button has
// the cancel id, so every way out ends it with 2.

namespace info {

class CAboutDlg : public ui::Dialog {
  public:
    CAboutDlg();

  protected:
    void exchangeData(ui::DataExchange& dx) override;
    bool onInitDialog() override;
    bool onMessage(ui::Message& message) override;

  private:
    void onOutOfMemory(ui::NotifyHeader& header, ui::MessageResult& result);

    ui::ControlHandle animation;  // 1026
};

}  // namespace info
