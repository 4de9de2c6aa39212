#include "info/browsers_dlg.h"

#include <initializer_list>

#include "info/browser_list.h"
#include "res/dialog_templates.h"

namespace info {

namespace {

constexpr int browsersTemplate = 152;
constexpr int leftListId = 1023;
constexpr int rightListId = 1022;

template <std::size_t N>
void fill(const ui::ControlHandle& list, const std::array<const char*, N>& entries) {
    // The results are not examined: a full list tells the dialog by LBN_ERRSPACE.
    for (const char* entry : entries) {
        list.sendMessage(ui::LB_ADDSTRING, 0, reinterpret_cast<ui::LParam>(entry));
    }
}

}  // namespace

CBrowsersDlg::CBrowsersDlg(ui::Dialog* owner)
    : ui::Dialog(res::dialogTemplate(browsersTemplate), owner) {}

void CBrowsersDlg::exchangeData(ui::DataExchange& dx) {
    dx.control(leftListId, leftList);
    dx.control(rightListId, rightList);
}

bool CBrowsersDlg::onInitDialog() {
    Dialog::onInitDialog();
    fill(leftList, leftBrowsers);
    fill(rightList, rightBrowsers);
    // Each list shows only part of its entries: Tab after OK reaches the left
    // list, then the right one, so a keyboard user can scroll both. OK stays the
    // first tab stop.
    for (const ui::ControlHandle* list : {&leftList, &rightList}) {
        if (ui::Control* control = list->get())
            control->setTabStop(true);
    }
    return true;  // the focus goes to the first tab stop, OK
}

void CBrowsersDlg::onOk() {
    Dialog::onOk();
}

bool CBrowsersDlg::onMessage(ui::Message& message) {
    static constexpr ui::MessageEntry<CBrowsersDlg> table[] = {
        {ui::WM_COMMAND, ui::LBN_ERRSPACE, leftListId, &CBrowsersDlg::onOutOfSpace},
        {ui::WM_COMMAND, ui::LBN_ERRSPACE, rightListId, &CBrowsersDlg::onOutOfSpace},
    };
    return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
}

void CBrowsersDlg::onOutOfSpace() {
    messageBox("Out Of Memory");
}

}  // namespace info
