#pragma once

#include <span>
#include <string_view>

#include "ui/dialog_template.h"

// The program's dialog templates and its string table, as a resource script
// would hold them: looked up by number.

namespace res {

// The template with this number; throws std::out_of_range for an unknown one.
const ui::DialogTemplate& dialogTemplate(int number);

// Every template of the program, in the order of the script.
std::span<const ui::DialogTemplate* const> dialogTemplates();

// A string of the string table; empty when there is none.
std::string_view loadString(int id);

}  // namespace res
