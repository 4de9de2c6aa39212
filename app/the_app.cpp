// The one application object of navisift. Its construction, during static initialisation, settles
// the command line and the terminal and then shows the splash; the toolkit's entry point runs
// its start routine afterwards.

#include "app/program_start.h"
#include "app/wizard_app.h"

namespace {

app::CWizardApp theApp(app::startTerminalScreen());

}  // namespace
