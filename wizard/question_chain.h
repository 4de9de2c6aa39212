#pragma once

// How one question leads to the next: the dialog that a Next opens is constructed on the Next
// handler's stack, with no parent given, and run modally from inside it. The runs nest on the
// call stack, up to the save dialog; each returns once everything after it has ended.

namespace wizard {

// Constructs the dialog bound to the template (a question, or the save dialog), runs it modally
// and destroys it once its run returns. The end code is not looked at.
void runDialog(int templateId);

}  // namespace wizard
