#pragma once

#include <cctype>
#include <string>
#include <string_view>

// Parameterised tests are named after their cases, so that GoogleTest and
// ctest list them readably ("Table/Title.IsTheFileName/tmp_wizard_bin", not
// ".../3"). A name holds letters, digits and underscores only: anything else
// in a case's text becomes an underscore.

namespace navisift_test {

inline std::string testNameOf(std::string_view text) {
    std::string name;
    for (const char c : text)
        name.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
    return name.empty() ? "Empty" : name;
}

// The name generator for cases that carry their own `name`.
struct NamedAfterCase {
    template <class Info>
    std::string operator()(const Info& info) const {
        return testNameOf(info.param.name);
    }
};

}  // namespace navisift_test
