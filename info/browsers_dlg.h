#pragma once

#include "ui/dialog.h"

// The supported browsers (template 152): two lists of fixed entries, filled one
// by one each time the dialog opens, and the legend of their marks. Nothing in
// it can be selected or changed; the lists scroll, by keys once Tab (after OK)
// or a click has given them the focus. OK, Enter, Esc and the close box end it.

namespace info {

class CBrowsersDlg : public ui::Dialog {
  public:
    explicit CBrowsersDlg(ui::Dialog* owner = nullptr);

  protected:
    void exchangeData(ui::DataExchange& dx) override;
    bool onInitDialog() override;
    void onOk() override;
    bool onMessage(ui::Message& message) override;

  private:
    // A list could not store an entry; the filling goes on with the next one.
    void onOutOfSpace();

    ui::ControlHandle leftList;   // 1023
    ui::ControlHandle rightList;  // 1022
};

}  // namespace info
