#include "generator/save/save_dialog.h"

#include <optional>
#include <string>

#include "res/dialog_templates.h"
#include "ui/application.h"

namespace generator {

namespace {

constexpr int saveTemplate = 142;
constexpr int progressBarId = 1005;

// The stop box's text when the answers file stayed after a saved page.
std::string answersKeptMessage(const FileError& error) {
    return "The page was saved, but the file \"" + error.file().string() +
           "\" could not be deleted and is still there.\n" + error.cause() + ".";
}

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
    // A file error reading the answers is shown by the toolkit; the dialog
    // stays and Save can be pressed again.
    const Answers answers = readAnswers(files_.answers);
    setProgress(25);
    const PageResult result = writeDetectionPage(
        answers, [this](int position) { setProgress(position); }, files_.page);
    if (result != PageResult::written) {
        messageBox("Error Writing To File");
        ui::Application::instance().quickExit(1);
    }
    // The page is saved whatever happens to the answers file now: the bar still reaches 100 and
    // "File Saved" still comes; an answers file that cannot go is told about afterwards.
    std::optional<FileError> answersKept;
    try {
        deleteAnswersFile(files_.answers);
    } catch (const FileError& error) {
        answersKept = error;
    }
    setProgress(100);
    messageBox("File Saved");
    if (answersKept) {
        messageBox(answersKeptMessage(*answersKept), ui::MessageBoxIcon::stop);
    }
    Dialog::onOk();
}

}  // namespace generator
