#include "generator/save/save_dialog.h"

#include "res/dialog_templates.h"
#include "ui/application.h"

namespace generator {

namespace {

constexpr int saveTemplate = 142;
constexpr int progressBarId = 1005;

}  // namespace

CSaveDlg::CSaveDlg(SaveFiles files)
    : ui::Dialog(res::dialogTemplate(saveTemplate)), files_(std::move(files)) {}

void CSaveDlg::exchangeData(ui::DataExchange& dx) {
    dx.control(progressBarId, progress_);
}

void CSaveDlg::setProgress(int position) {
    progress_.sendMessage(ui::PBM_SETPOS, static_cast<ui::WParam>(position), 0);
}

void CSaveDlg::onOk() {
    progress_.sendMessage(ui::PBM_SETRANGE, 0, ui::makeLong(0, 100));
    setProgress(0);
    // A file error from here on is shown by the toolkit; the dialog stays and
    // Save can be pressed again.
    const Answers answers = readAnswers(files_.answers);
    setProgress(25);
    const PageResult result = writeDetectionPage(
        answers, [this](int position) { setProgress(position); }, files_.page);
    if (result != PageResult::written) {
        messageBox("Error Writing To File");
        ui::Application::instance().quickExit(1);
    }
    deleteAnswersFile(files_.answers);
    setProgress(100);
    messageBox("File Saved");
    Dialog::onOk();
}

}  // namespace generator
