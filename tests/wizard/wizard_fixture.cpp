#include "tests/wizard/wizard_fixture.h"

#include "info/about_dlg.h"
#include "ui/message_table.h"
#include "ui/messages.h"

namespace wizard::testing {
namespace {

constexpr ui::ControlTemplate mainControls[] = {
    {ui::ControlKind::pushButton,
     ui::IDOK,
     "&Start",
     {129, 7, 50, 14},
     ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
     0},
};
constexpr ui::DialogTemplate mainTemplate{
    .number = 9102, .caption = mainCaption, .rect = {0, 0, 186, 95}, .controls = mainControls};

std::string activeCaption() {
    ui::Dialog* active = ui::Dialog::active();
    return active ? std::string(active->caption()) : std::string();
}

}  // namespace

StandInMainDlg::StandInMainDlg() : ui::Dialog(mainTemplate) {}

void StandInMainDlg::onOk() {
    endDialog(ui::IDOK);
    CQuestion1Dlg question;
    question.runModal();
}

bool StandInMainDlg::onMessage(ui::Message& message) {
    static constexpr ui::MessageEntry<StandInMainDlg> table[] = {
        {ui::WM_COMMAND, ui::BN_CLICKED, ui::ID_APP_EXIT, &StandInMainDlg::onQuit},
        {ui::WM_COMMAND, ui::BN_CLICKED, ui::ID_APP_ABOUT, &StandInMainDlg::onAbout},
    };
    return ui::dispatchMessage(*this, table, message) || ui::Dialog::onMessage(message);
}

void StandInMainDlg::onQuit() {
    quitsFrom.push_back(activeCaption());
    try {
        generator::deleteAnswersFile();
    } catch (const generator::FileError&) {
        // Quit goes on whether or not there was a file to delete.
    }
    ui::Application::instance().quickExit(1);
}

void StandInMainDlg::onAbout() {
    aboutsFrom.push_back(activeCaption());
    info::CAboutDlg about;
    about.runModal();
}

WizardScript& WizardScript::start() {
    screen_.key(ui::Key::enter);
    return *this;
}

WizardScript& WizardScript::answer(std::string_view text) {
    screen_.type(text).key(ui::Key::enter);
    return *this;
}

WizardScript& WizardScript::answers(std::initializer_list<std::string_view> texts) {
    return answers(std::span<const std::string_view>(texts.begin(), texts.size()));
}

WizardScript& WizardScript::answers(std::span<const std::string_view> texts) {
    for (std::string_view text : texts) {
        answer(text);
    }
    return *this;
}

WizardScript& WizardScript::answerQuestionTwo(std::string_view baseDirectory, int frameBoxClicks) {
    screen_.type(baseDirectory);
    for (int click = 0; click < frameBoxClicks; ++click) {
        screen_.click(CQuestion2Dlg::frameBoxId);
    }
    screen_.key(ui::Key::enter);  // the box is no push button: Enter is still Next
    return *this;
}

WizardScript& WizardScript::cancel() {
    screen_.key(ui::Key::escape);
    return *this;
}

WizardScript& WizardScript::expectActive(std::string_view caption) {
    screen_.then([caption] { EXPECT_EQ(activeCaption(), caption); });
    return *this;
}

}  // namespace wizard::testing
