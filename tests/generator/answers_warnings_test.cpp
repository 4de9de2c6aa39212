// The lines navisift-page prints about a hand-kept answers file.

#include "generator/page_tool/answers_warnings.h"

#include <gtest/gtest.h>

#include <string>

namespace generator::page_tool {
namespace {

TEST(AnswersWarnings, NameTheLineTheFieldAndWhatWasKept) {
    struct Case {
        AnswersFileProblem problem;
        std::string expected;
    };
    using Kind = AnswersFileProblemKind;
    const Case cases[] = {
        {{Kind::endsInCarriageReturn, 3, "main\r", {}, 0},
         "questions.txt:3: target frame: ends in a CR, as a CR LF line end leaves it; kept "
         "\"main\\x0D\""},
        {{Kind::lineTooLong, 4, std::string(31, 'p'), "q\"r", 3},
         "questions.txt:4: page for Netscape 2.0: a line of 34 characters, longer than the 31 "
         "read; kept \"" +
             std::string(31, 'p') + "\", dropped \"q\\\"r\""},
        {{Kind::lineTooLong, 1, std::string(41, 'y'), std::string(30, 'y'), 959},
         "questions.txt:1: site address: a line of 1000 characters, longer than the 41 read; "
         "kept \"" +
             std::string(41, 'y') + "\", dropped \"" + std::string(30, 'y') + "\"..."},
        {{Kind::linesMissing, 6, {}, {}, 0},
         "questions.txt:6: page for Netscape 4.0 to page for WebTV 2.10: missing, the file ends "
         "after line 5; left empty"},
        {{Kind::linesMissing, 13, {}, {}, 0},
         "questions.txt:13: page for WebTV 2.10: missing, the file ends after line 12; left "
         "empty"},
        {{Kind::linesMissing, 1, {}, {}, 0},
         "questions.txt:1: site address to page for WebTV 2.10: missing, the file is empty; left "
         "empty"},
        {{Kind::linesAfterTheLast, 14, {}, "extra", 5},
         "questions.txt:14: after the last answer: ignored from here on; the line holds "
         "\"extra\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(warningText(c.problem, "questions.txt"), c.expected);
    }
}

}  // namespace
}  // namespace generator::page_tool
