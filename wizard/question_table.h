#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "generator/answers.h"

// The wizard's questions as data: one row per question dialog, in the order they run. The
// dialog classes, their Next commands and the tests all read this table.

namespace wizard {

// The answers-file operation that a question's Next calls.
enum class Writer {
    createAnswersFile,  // Question 1: creates the file, or empties one left from an earlier run
    appendAnswer,       // every later question
};

struct Question {
    std::string_view order;          // "1" to "12", and "2a" for the frame name
    int templateId;                  // the dialog template the question's class is bound to
    std::string_view caption;        // the dialog's caption
    generator::AnswerMember answer;  // the `Answers` field the question fills
    std::size_t limit;               // the most characters the answer field accepts
    Writer writer;                   // what Next writes with
    int next;                        // the template Next opens
    std::optional<int> nextInFrame;  // Question 2 only: opened instead when the box is ticked
    std::string_view prompt;         // shown above the answer field, "\n" between lines
};

// The save dialog, which the last question opens.
inline constexpr int saveDialogTemplate = 142;

// Question 2 writes this as the target frame when the page is not loaded in a frame.
inline constexpr std::string_view noFrameTarget = "_self";

// Question 2 writes this as the base directory when its answer was left empty.
inline constexpr std::string_view rootDirectory = "/";

using generator::Answers;

// The template numbers do not follow the question numbers; this order is the order they run in.
inline constexpr std::array<Question, 13> questionTable{{
    {"1",
     129,
     "Question 1",
     &Answers::siteAddress,
     40,
     Writer::createAnswersFile,
     130,
     {},
     "What is your site's address?\n40 Characters or less.\nExample:\nwww.example.com"},
    {"2", 130, "Question 2", &Answers::baseDirectory, 60, Writer::appendAnswer, 131, 140,
     "Please Enter The Base Directory Structure. 60 Characters or less.\n"
     "Skip if no Base Directory Structure.\nExample:\n/~kestrin/browser/\n"},
    {"2a",
     140,
     "Question 2-2",
     &Answers::targetFrame,
     20,
     Writer::appendAnswer,
     131,
     {},
     "What is the Name of the Frame to load the page in? No Spaces Allowed\n"
     "20 Characters or Less."},
    {"3",
     131,
     "Question 3",
     &Answers::pageNetscape2,
     30,
     Writer::appendAnswer,
     132,
     {},
     "Please Enter the Directory Structure for Netscape 2.0.\nExample:\nnet/net2.html"},
    {"4",
     132,
     "Question 4",
     &Answers::pageNetscape3,
     30,
     Writer::appendAnswer,
     133,
     {},
     "Please Enter the Directory Structure for Netscape 3.0, and Opera 3.XX.\nExample:\n"
     "net/net3.html"},
    {"5",
     133,
     "Question 5",
     &Answers::pageNetscape4,
     30,
     Writer::appendAnswer,
     217,
     {},
     "Please Enter the Directory Structure for Netscape 4.0.\nExample:\nnet/net4.html"},
    {"6",
     217,
     "Question 6",
     &Answers::pageNetscape45,
     30,
     Writer::appendAnswer,
     134,
     {},
     "Please Enter the Directory Structure for Netscape 4.5.\nExample:\nnet/net45.html"},
    {"7",
     134,
     "Question 7",
     &Answers::pageExplorer3,
     30,
     Writer::appendAnswer,
     135,
     {},
     "Please Enter the Directory Structure for Internet Explorer 3.0.\nExample:\nie/ie3.html"},
    {"8",
     135,
     "Question 8",
     &Answers::pageExplorer4,
     30,
     Writer::appendAnswer,
     138,
     {},
     "Please Enter the Directory Structure for Internet Explorer 4.0.\nExample:\nie/ie4.html"},
    {"9",
     138,
     "Question 9",
     &Answers::pageExplorer5,
     30,
     Writer::appendAnswer,
     137,
     {},
     "Please Enter the Directory Structure for Internet Explorer 5.0.\nExample:\nie/ie5.html"},
    {"10",
     137,
     "Question 10",
     &Answers::pageAol3,
     30,
     Writer::appendAnswer,
     136,
     {},
     "Please Enter the Directory Structure for Aol 3.0 with IE.\nExample:\naol/aol3.html"},
    {"11",
     136,
     "Question 11",
     &Answers::pageAol4,
     30,
     Writer::appendAnswer,
     141,
     {},
     "Please Enter the Directory Structure for Aol 4.0.\nExample:\naol/aol4.html"},
    {"12",
     141,
     "Question 12",
     &Answers::pageWebTv,
     30,
     Writer::appendAnswer,
     saveDialogTemplate,
     {},
     "Please Enter the Directory Structure for WebTV 2.10.\nExample:\nwbtv/webtv.html"},
}};

// The row bound to a template, or nothing for a template that is no question.
constexpr const Question* findQuestion(int templateId) {
    for (const Question& question : questionTable) {
        if (question.templateId == templateId) {
            return &question;
        }
    }
    return nullptr;
}

// The row bound to a template that is known to be a question; in a constant expression, any
// other template does not compile.
constexpr const Question& questionFor(int templateId) {
    const Question* question = findQuestion(templateId);
    if (question == nullptr) {
        throw std::out_of_range("no question is bound to this template");
    }
    return *question;
}

}  // namespace wizard
