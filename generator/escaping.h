#pragma once

#include <string>
#include <string_view>

namespace generator {

// Answers are the author's free text, and the page puts them inside JavaScript string literals and
// HTML attribute values. These keep such text from ending the literal, the attribute or the script
// element early; text without the characters concerned comes back unchanged.

// For the text between the double quotes of a script string literal: backslash, double quote and
// CR are escaped, and "</" and "<!--" are broken up so that no answer can close or confuse the
// script element.
std::string escapeScriptString(std::string_view text);

// For the text between the double quotes of an HTML attribute value.
std::string escapeAttributeValue(std::string_view text);

}  // namespace generator
