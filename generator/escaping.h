#pragma once

#include <string>
#include <string_view>

namespace generator {

// Answers are the author's free text, and the page puts them inside JavaScript string literals and
// HTML attribute values. These keep such text from ending the literal, the attribute or the script
// element early, and they make the page pure printable ASCII.
//
// The page declares no character set, so a browser guesses one from its bytes; in a guessed
// two-byte encoding such as Shift_JIS a byte above 0x7F can swallow the backslash that follows it,
// and with it the escape. So every byte outside printable ASCII is written as an escape of the
// character it stands for in Windows-1252, the code page the answers are typed in, and reads the
// same whatever encoding the browser picks. Printable ASCII without the characters concerned comes
// back unchanged.

// For the text between the double quotes of a script string literal: backslash, double quote and
// CR become \\ \" \r; "</" and "<!--" are broken up as <\/ and <\!-- so that no answer can close or
// confuse the script element; every other byte outside printable ASCII becomes \uXXXX.
std::string escapeScriptString(std::string_view text);

// For the text between the double quotes of an HTML attribute value: & and " become &amp; and
// &quot;, every byte outside printable ASCII a numeric character reference such as &#8364;.
std::string escapeAttributeValue(std::string_view text);

}  // namespace generator
