#include "res/dialog_templates.h"

#include <array>
#include <stdexcept>
#include <string>

#include "res/question_texts.h"
#include "ui/messages.h"

namespace res {

namespace {

using namespace ui;
using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;

constexpr Style child = WS_CHILD | WS_VISIBLE;
constexpr Style pushButton = child | WS_TABSTOP | BS_PUSHBUTTON;
constexpr Style defPushButton = child | WS_TABSTOP | BS_DEFPUSHBUTTON;

// ---------------------------------------------------------------------------
// 102: the main dialog

constexpr ControlTemplate mainControls[] = {
    {ControlKind::pushButton, IDOK, "&Start", {129, 7, 50, 14}, defPushButton},
    {ControlKind::pushButton, ID_APP_EXIT, "&Quit", {129, 24, 50, 14}, pushButton},
    {ControlKind::pushButton, ID_APP_ABOUT, "&About", {129, 41, 50, 14}, pushButton},
    {ControlKind::pushButton, 1010, "&Browsers", {129, 58, 50, 14}, pushButton},
    {ControlKind::staticText,
     IDC_STATIC,
     "Navisift? HTML Creator\nBrowser detection pages made easy\nCopyright (C) 1998",
     {7, 7, 121, 26},
     child | SS_CENTER},
    {ControlKind::staticText,
     IDC_STATIC,
     "Press Start To Continue.",
     {56, 77, 78, 8},
     child | SS_CENTER | SS_CENTERIMAGE},
    {ControlKind::icon, IDC_STATIC, "", {58, 39, 20, 20}, child | SS_ICON, 128},
};

constexpr DialogTemplate mainDialog{
    102,
    "Navisift? HTML Creator",
    {0, 0, 186, 95},
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SYSMODAL |
        DS_SETFONT,
    WS_EX_APPWINDOW,
    "MS Sans Serif",
    8,
    mainControls,
};

// ---------------------------------------------------------------------------
// 204: the splash

constexpr ControlTemplate splashControls[] = {
    {ControlKind::picture, IDC_STATIC, "", {7, 7, 187, 86}, child | SS_BITMAP, 215},
    {ControlKind::staticText, IDC_STATIC, "Click To Continue", {72, 95, 57, 8}, child | SS_CENTER},
};

constexpr DialogTemplate splashDialog{
    204,
    "",
    {0, 0, 201, 110},
    WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT,
    0,
    "MS Sans Serif",
    8,
    splashControls,
};

// ---------------------------------------------------------------------------
// 129 to 141 and 217: the question dialogs, which say what res/question_texts.h holds

constexpr Style questionStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                DS_MODALFRAME | DS_SYSMODAL | DS_SETFONT;
constexpr Style answerField = child | WS_BORDER | WS_TABSTOP | ES_LEFT;
constexpr Style prompt = child | SS_LEFT;

// The common shape: the answer field, Next, Quit, About, then the prompt.
template <std::size_t N>
using Controls = std::array<ControlTemplate, N>;

constexpr Controls<5> questionControls(std::string_view promptText, int promptHeight) {
    return {{
        {ControlKind::edit, 1001, "", {7, 70, 172, 12}, answerField},
        {ControlKind::pushButton, IDOK, "&Next", {129, 7, 50, 14}, defPushButton},
        {ControlKind::pushButton, ID_APP_EXIT, "&Quit", {129, 24, 50, 14}, pushButton},
        {ControlKind::pushButton, ID_APP_ABOUT, "&About", {129, 41, 50, 14}, pushButton},
        {ControlKind::staticText, IDC_STATIC, promptText, {7, 7, 120, promptHeight}, prompt},
    }};
}

constexpr DialogTemplate question(int number, const QuestionText& text,
                                  std::span<const ControlTemplate> controls) {
    return {number, text.caption, {0, 0, 186, 95}, questionStyle, 0, "MS Sans Serif", 8, controls};
}

constexpr auto q1Controls = questionControls(question_text::siteAddress.prompt, 32);

// Question 2 moves its field up to make room for the frame check box.
constexpr Controls<6> q2Controls{{
    {ControlKind::edit, 1001, "", {7, 60, 172, 12}, answerField},
    {ControlKind::checkBox,
     1002,
     "Is the Script Loaded in a Frame? Check if Yes.",
     {7, 70, 172, 18},
     child | WS_TABSTOP | BS_AUTOCHECKBOX},
    {ControlKind::pushButton, IDOK, "&Next", {129, 7, 50, 14}, defPushButton},
    {ControlKind::pushButton, ID_APP_EXIT, "&Quit", {129, 24, 50, 14}, pushButton},
    {ControlKind::pushButton, ID_APP_ABOUT, "&About", {129, 41, 50, 14}, pushButton},
    {ControlKind::staticText,
     IDC_STATIC,
     question_text::baseDirectory.prompt,
     {7, 7, 120, 40},
     prompt},
}};

constexpr auto q22Controls = questionControls(question_text::targetFrame.prompt, 32);
constexpr auto q3Controls = questionControls(question_text::pageNetscape2.prompt, 33);
constexpr auto q4Controls = questionControls(question_text::pageNetscape3.prompt, 32);
constexpr auto q5Controls = questionControls(question_text::pageNetscape4.prompt, 32);
constexpr auto q6Controls = questionControls(question_text::pageNetscape45.prompt, 32);
constexpr auto q7Controls = questionControls(question_text::pageExplorer3.prompt, 32);
constexpr auto q8Controls = questionControls(question_text::pageExplorer4.prompt, 32);
constexpr auto q9Controls = questionControls(question_text::pageExplorer5.prompt, 32);
constexpr auto q10Controls = questionControls(question_text::pageAol3.prompt, 32);
constexpr auto q11Controls = questionControls(question_text::pageAol4.prompt, 32);
constexpr auto q12Controls = questionControls(question_text::pageWebTv.prompt, 32);

constexpr DialogTemplate question1 = question(129, question_text::siteAddress, q1Controls);
constexpr DialogTemplate question2 = question(130, question_text::baseDirectory, q2Controls);
constexpr DialogTemplate question22 = question(140, question_text::targetFrame, q22Controls);
constexpr DialogTemplate question3 = question(131, question_text::pageNetscape2, q3Controls);
constexpr DialogTemplate question4 = question(132, question_text::pageNetscape3, q4Controls);
constexpr DialogTemplate question5 = question(133, question_text::pageNetscape4, q5Controls);
constexpr DialogTemplate question6 = question(217, question_text::pageNetscape45, q6Controls);
constexpr DialogTemplate question7 = question(134, question_text::pageExplorer3, q7Controls);
constexpr DialogTemplate question8 = question(135, question_text::pageExplorer4, q8Controls);
constexpr DialogTemplate question9 = question(138, question_text::pageExplorer5, q9Controls);
constexpr DialogTemplate question10 = question(137, question_text::pageAol3, q10Controls);
constexpr DialogTemplate question11 = question(136, question_text::pageAol4, q11Controls);
constexpr DialogTemplate question12 = question(141, question_text::pageWebTv, q12Controls);

// ---------------------------------------------------------------------------
// 142: the save dialog

constexpr ControlTemplate saveControls[] = {
    {ControlKind::pushButton, IDOK, "&Save...", {67, 70, 50, 14}, pushButton},
    {ControlKind::progressBar, 1005, "Progress1", {61, 44, 63, 14}, child | WS_BORDER},
    {ControlKind::groupBox, IDC_STATIC, "&Saving File...", {54, 32, 77, 30}, child | BS_GROUPBOX},
};

constexpr DialogTemplate saveDialog{
    142,
    "Saving File...",
    {0, 0, 186, 95},
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SYSMODAL | DS_SETFONT,
    0,
    "MS Sans Serif",
    8,
    saveControls,
};

// ---------------------------------------------------------------------------
// 152: the supported browsers

constexpr Style browserList =
    child | WS_BORDER | WS_VSCROLL | LBS_NOSEL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;

constexpr ControlTemplate browsersControls[] = {
    {ControlKind::pushButton, IDOK, "&OK", {72, 125, 50, 14}, defPushButton},
    {ControlKind::listBox, 1023, "", {7, 19, 88, 55}, browserList},
    {ControlKind::listBox, 1022, "", {100, 19, 88, 55}, browserList},
    {ControlKind::staticText,
     IDC_STATIC,
     "Browsers Supported By Navisift? Engine .48B",
     {14, 7, 166, 8},
     child | SS_LEFT | WS_GROUP},
    {ControlKind::staticText,
     IDC_STATIC,
     "\t\t\tLEGEND\n* = Never Tested.\n! = Cannot tell the difference between Netscape 4.01 "
     "&&\n     4.01A.\n% = Cannot Tell the difference between Netscape 3.0 &&\n       Opera "
     "3.XX.",
     {7, 77, 181, 48},
     child | SS_LEFT | WS_GROUP},
};

constexpr DialogTemplate browsersDialog{
    152,
    "Browsers Supported:",
    {0, 0, 195, 146},
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    "MS Sans Serif",
    8,
    browsersControls,
};

// ---------------------------------------------------------------------------
// 100: About

constexpr ControlTemplate aboutControls[] = {
    {ControlKind::staticText,
     IDC_STATIC,
     "Navisift? HTML Creator V1.0B7\nNavisift Engine .48B\nCopyright (C) 1998 Navisift "
     "Software\nNewest Updates At:\nhttp://www.example.com/navisift/\nPicture Created By: "
     "The Navisift Studio",
     {7, 51, 148, 50},
     child | SS_LEFT | WS_GROUP | SS_NOPREFIX},
    {ControlKind::animation,
     1026,
     "Animate1",
     {32, 7, 97, 42},
     child | WS_BORDER | WS_TABSTOP | ACS_CENTER | ACS_AUTOPLAY},
    {ControlKind::pushButton, IDCANCEL, "&OK", {55, 101, 50, 14}, defPushButton},
};

constexpr DialogTemplate aboutDialog{
    100,
    "About...",
    {0, 0, 162, 122},
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    "MS Sans Serif",
    8,
    aboutControls,
};

constexpr const DialogTemplate* allTemplates[] = {
    &mainDialog, &splashDialog, &question1,  &question2,  &question22,     &question3,
    &question4,  &question5,    &question6,  &question7,  &question8,      &question9,
    &question10, &question11,   &question12, &saveDialog, &browsersDialog, &aboutDialog,
};

struct StringRow {
    int id;
    std::string_view text;
};

constexpr StringRow stringTable[] = {
    {101, "&About Navisift?..."},
};

}  // namespace

const ui::DialogTemplate& dialogTemplate(int number) {
    for (const DialogTemplate* t : allTemplates)
        if (t->number == number)
            return *t;
    throw std::out_of_range("no dialog template " + std::to_string(number));
}

std::span<const ui::DialogTemplate* const> dialogTemplates() {
    return allTemplates;
}

std::string_view loadString(int id) {
    for (const StringRow& row : stringTable)
        if (row.id == id)
            return row.text;
    return {};
}

}  // namespace res
