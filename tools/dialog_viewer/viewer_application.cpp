#include "tools/dialog_viewer/viewer_application.h"

#include <algorithm>
#include <array>

#include "app/main_dlg.h"
#include "app/splash_dlg.h"
#include "generator/save/save_dialog.h"
#include "info/about_dlg.h"
#include "info/browsers_dlg.h"
#include "res/dialog_templates.h"
#include "res/pictures/built_in_pictures.h"
#include "tools/dialog_viewer/viewer_dialog.h"
#include "ui/cp1252.h"
#include "ui/messages.h"
#include "wizard/question_dialogs.h"
#include "wizard/question_table.h"

namespace dialog_viewer {
namespace {

constexpr int aboutTemplate = 100;

template <class D>
std::unique_ptr<ui::Dialog> make() {
    return std::make_unique<D>();
}

// The system's own class of each template.
struct DialogClass {
    int templateNumber;
    std::unique_ptr<ui::Dialog> (*make)();
};
const std::array<DialogClass, 18> dialogClasses{{
    {102, make<app::CMainDlg>},
    {204, make<app::CSplashDlg>},
    {129, make<wizard::CQuestion1Dlg>},
    {130, make<wizard::CQuestion2Dlg>},
    {140, make<wizard::CQuestion2_2Dlg>},
    {131, make<wizard::CQuestion3Dlg>},
    {132, make<wizard::CQuestion4Dlg>},
    {133, make<wizard::CQuestion5Dlg>},
    {217, make<wizard::CQuestion6Dlg>},
    {134, make<wizard::CQuestion7Dlg>},
    {135, make<wizard::CQuestion8Dlg>},
    {138, make<wizard::CQuestion9Dlg>},
    {137, make<wizard::CQuestion10Dlg>},
    {136, make<wizard::CQuestion11Dlg>},
    {141, make<wizard::CQuestion12Dlg>},
    {142, make<generator::CSaveDlg>},
    {152, make<info::CBrowsersDlg>},
    {aboutTemplate, make<info::CAboutDlg>},
}};

const DialogClass* classOf(int templateNumber) {
    const auto found = std::find_if(
        dialogClasses.begin(), dialogClasses.end(),
        [&](const DialogClass& entry) { return entry.templateNumber == templateNumber; });
    return found == dialogClasses.end() ? nullptr : &*found;
}

// The answer field's limit of a question template; none elsewhere.
std::size_t answerLimitOf(int templateNumber) {
    for (const wizard::Question& question : wizard::questionTable)
        if (question.templateId == templateNumber)
            return question.limit;
    return 0;
}

std::string utf8Of(std::string_view windows1252) {
    return ui::cp1252::toUtf8(ui::cp1252::toUnicode(windows1252));
}

}  // namespace

bool isViewable(int templateNumber) {
    return classOf(templateNumber) != nullptr;
}

ViewerApplication::ViewerApplication(std::unique_ptr<ui::Screen> screen, ViewerOptions options)
    : ui::Application(std::move(screen)), options_(options) {}

ViewerApplication::ViewerApplication(ui::Screen& screen, ViewerOptions options)
    : ui::Application(screen), options_(options) {}

bool ViewerApplication::initInstance() {
    res::installBuiltInPictures();
    if (options_.threeD)
        enable3dControls();
    runDialog(options_.templateNumber);
    return false;
}

void ViewerApplication::runDialog(int templateNumber) {
    const std::string ended = "ended " + std::to_string(templateNumber) + " code ";
    if (!options_.generic) {
        const std::unique_ptr<ui::Dialog> dialog = classOf(templateNumber)->make();
        if (mainWindow() == nullptr)
            setMainWindow(dialog.get());
        const int code = dialog->runModal();
        log_.push_back(ended + std::to_string(code));
        return;
    }
    ViewerDialog dialog(res::dialogTemplate(templateNumber), answerLimitOf(templateNumber), log_);
    if (mainWindow() == nullptr)
        setMainWindow(&dialog);
    const int code = dialog.runModal();
    log_.push_back(ended + std::to_string(code));
    if (dialog.hasAnswerField())
        log_.push_back("answer [" + utf8Of(dialog.answerText()) + "]");
    if (dialog.hasCheckBox())
        log_.push_back("checked " + std::to_string(dialog.checked()));
}

bool ViewerApplication::onCommand(int id) {
    log_.push_back("application command " + std::to_string(id));
    switch (id) {
        case ui::ID_APP_EXIT:
            quickExit(1);
        case ui::ID_APP_ABOUT:
            runDialog(aboutTemplate);
            return true;
        case ui::ID_HELP:
            return true;
        default:
            return ui::Application::onCommand(id);
    }
}

}  // namespace dialog_viewer
