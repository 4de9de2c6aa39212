#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "generator/answers.h"
#include "res/question_texts.h"

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
// The captions and prompts are the constants the question templates are built from, and the
// limits those of the answers file.
inline constexpr std::array<Question, 13> questionTable{{
    {"1",
     129,
     res::question_text::siteAddress.caption,
     &Answers::siteAddress,
     generator::answerLimit(&Answers::siteAddress),
     Writer::createAnswersFile,
     130,
     {},
     res::question_text::siteAddress.prompt},
    {"2", 130, res::question_text::baseDirectory.caption, &Answers::baseDirectory,
     generator::answerLimit(&Answers::baseDirectory), Writer::appendAnswer, 131, 140,
     res::question_text::baseDirectory.prompt},
    {"2a",
     140,
     res::question_text::targetFrame.caption,
     &Answers::targetFrame,
     generator::answerLimit(&Answers::targetFrame),
     Writer::appendAnswer,
     131,
     {},
     res::question_text::targetFrame.prompt},
    {"3",
     131,
     res::question_text::pageNetscape2.caption,
     &Answers::pageNetscape2,
     generator::answerLimit(&Answers::pageNetscape2),
     Writer::appendAnswer,
     132,
     {},
     res::question_text::pageNetscape2.prompt},
    {"4",
     132,
     res::question_text::pageNetscape3.caption,
     &Answers::pageNetscape3,
     generator::answerLimit(&Answers::pageNetscape3),
     Writer::appendAnswer,
     133,
     {},
     res::question_text::pageNetscape3.prompt},
    {"5",
     133,
     res::question_text::pageNetscape4.caption,
     &Answers::pageNetscape4,
     generator::answerLimit(&Answers::pageNetscape4),
     Writer::appendAnswer,
     217,
     {},
     res::question_text::pageNetscape4.prompt},
    {"6",
     217,
     res::question_text::pageNetscape45.caption,
     &Answers::pageNetscape45,
     generator::answerLimit(&Answers::pageNetscape45),
     Writer::appendAnswer,
     134,
     {},
     res::question_text::pageNetscape45.prompt},
    {"7",
     134,
     res::question_text::pageExplorer3.caption,
     &Answers::pageExplorer3,
     generator::answerLimit(&Answers::pageExplorer3),
     Writer::appendAnswer,
     135,
     {},
     res::question_text::pageExplorer3.prompt},
    {"8",
     135,
     res::question_text::pageExplorer4.caption,
     &Answers::pageExplorer4,
     generator::answerLimit(&Answers::pageExplorer4),
     Writer::appendAnswer,
     138,
     {},
     res::question_text::pageExplorer4.prompt},
    {"9",
     138,
     res::question_text::pageExplorer5.caption,
     &Answers::pageExplorer5,
     generator::answerLimit(&Answers::pageExplorer5),
     Writer::appendAnswer,
     137,
     {},
     res::question_text::pageExplorer5.prompt},
    {"10",
     137,
     res::question_text::pageAol3.caption,
     &Answers::pageAol3,
     generator::answerLimit(&Answers::pageAol3),
     Writer::appendAnswer,
     136,
     {},
     res::question_text::pageAol3.prompt},
    {"11",
     136,
     res::question_text::pageAol4.caption,
     &Answers::pageAol4,
     generator::answerLimit(&Answers::pageAol4),
     Writer::appendAnswer,
     141,
     {},
     res::question_text::pageAol4.prompt},
    {"12",
     141,
     res::question_text::pageWebTv.caption,
     &Answers::pageWebTv,
     generator::answerLimit(&Answers::pageWebTv),
     Writer::appendAnswer,
     saveDialogTemplate,
     {},
     res::question_text::pageWebTv.prompt},
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
