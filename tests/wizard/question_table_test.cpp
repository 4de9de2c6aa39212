#include "wizard/question_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/answers.h"

namespace wizard {
namespace {

// The templates Next visits from Question 1, taking the frame branch or not, up to the save
// dialog.
std::vector<int> chainFromQuestionOne(bool inFrame) {
    std::vector<int> visited;
    int current = questionTable.front().templateId;
    while (current != saveDialogTemplate && visited.size() <= questionTable.size()) {
        visited.push_back(current);
        const Question& question = questionFor(current);
        current = inFrame && question.nextInFrame ? *question.nextInFrame : question.next;
    }
    visited.push_back(current);
    return visited;
}

TEST(QuestionTableTest, NextLeadsThroughTheQuestionsInTheirBindingOrder) {
    EXPECT_EQ(chainFromQuestionOne(false),
              (std::vector<int>{129, 130, 131, 132, 133, 217, 134, 135, 138, 137, 136, 141, 142}));
    EXPECT_EQ(chainFromQuestionOne(true), (std::vector<int>{129, 130, 140, 131, 132, 133, 217, 134,
                                                            135, 138, 137, 136, 141, 142}));
}

TEST(QuestionTableTest, RowsRunInTheOrderOfTheAnswersFileLines) {
    // With the frame branch every question writes one line, and each line is the one the
    // reader expects next: the table's order is the answers file's line order.
    ASSERT_EQ(questionTable.size(), generator::answerFields.size());
    for (std::size_t line = 0; line < questionTable.size(); ++line) {
        SCOPED_TRACE("Question " + std::string(questionTable[line].order));
        EXPECT_EQ(questionTable[line].answer, generator::answerFields[line].member);
    }
}

TEST(QuestionTableTest, EveryAnswerFitsTheReadersChunk) {
    // The reader takes each line with one read of limit plus one bytes; a longer answer would
    // spill into the next field.
    for (const Question& question : questionTable) {
        SCOPED_TRACE("Question " + std::string(question.order));
        const generator::AnswerField* field = nullptr;
        for (const generator::AnswerField& candidate : generator::answerFields) {
            if (candidate.member == question.answer) {
                field = &candidate;
            }
        }
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(question.limit, field->limit);
    }
}

struct CaptionCase {
    int templateId;
    std::string_view caption;
    std::size_t limit;
};

TEST(QuestionTableTest, TemplatesCarryTheirCaptionAndLimit) {
    const CaptionCase cases[] = {
        {129, "Question 1", 40},  {130, "Question 2", 60},  {140, "Question 2-2", 20},
        {217, "Question 6", 30},  {138, "Question 9", 30},  {137, "Question 10", 30},
        {136, "Question 11", 30}, {141, "Question 12", 30},
    };
    for (const CaptionCase& expected : cases) {
        SCOPED_TRACE(expected.templateId);
        const Question& question = questionFor(expected.templateId);
        EXPECT_EQ(question.caption, expected.caption);
        EXPECT_EQ(question.limit, expected.limit);
    }
}

TEST(QuestionTableTest, OnlyQuestionOneCreatesTheAnswersFile) {
    for (const Question& question : questionTable) {
        SCOPED_TRACE("Question " + std::string(question.order));
        EXPECT_EQ(question.writer == Writer::createAnswersFile, question.templateId == 129);
    }
}

TEST(QuestionTableTest, UnknownTemplatesAreNoQuestion) {
    for (int templateId : {0, 102, 128, 139, 142, 218}) {
        EXPECT_EQ(findQuestion(templateId), nullptr) << templateId;
        EXPECT_THROW(questionFor(templateId), std::out_of_range) << templateId;
    }
}

TEST(QuestionTableTest, QuestionOneShowsAnExampleHostOnItsFourthLine) {
    const std::string_view prompt = questionFor(129).prompt;
    const std::string_view lead =
        "What is your site's address?\n40 Characters or less.\nExample:\n";
    ASSERT_TRUE(prompt.starts_with(lead));
    const std::string_view host = prompt.substr(lead.size());
    EXPECT_FALSE(host.empty());
    EXPECT_EQ(host.find('\n'), std::string_view::npos);
    EXPECT_EQ(host.find("://"), std::string_view::npos);  // a host name, without scheme
    EXPECT_LE(host.size(), questionFor(129).limit);       // and one the field accepts
}

}  // namespace
}  // namespace wizard
