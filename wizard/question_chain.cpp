#include "wizard/question_chain.h"

#include <stdexcept>
#include <string>

#include "generator/save/save_dialog.h"
#include "wizard/question_dialogs.h"

namespace wizard {
namespace {

template <class D>
void runOnStack() {
    D dialog;
    dialog.runModal();
}

struct DialogRunner {
    int templateId;
    void (*run)();
};

template <class D>
constexpr DialogRunner runnerOf() {
    return {D::templateId, &runOnStack<D>};
}

// Every dialog that a Next can open, by its template.
constexpr DialogRunner runners[] = {
    runnerOf<CQuestion1Dlg>(),   runnerOf<CQuestion2Dlg>(),
    runnerOf<CQuestion2_2Dlg>(), runnerOf<CQuestion3Dlg>(),
    runnerOf<CQuestion4Dlg>(),   runnerOf<CQuestion5Dlg>(),
    runnerOf<CQuestion6Dlg>(),   runnerOf<CQuestion7Dlg>(),
    runnerOf<CQuestion8Dlg>(),   runnerOf<CQuestion9Dlg>(),
    runnerOf<CQuestion10Dlg>(),  runnerOf<CQuestion11Dlg>(),
    runnerOf<CQuestion12Dlg>(),  {saveDialogTemplate, &runOnStack<generator::CSaveDlg>},
};

}  // namespace

void runDialog(int templateId) {
    for (const DialogRunner& runner : runners) {
        if (runner.templateId == templateId) {
            runner.run();
            return;
        }
    }
    throw std::logic_error("no dialog is bound to template " + std::to_string(templateId));
}

}  // namespace wizard
