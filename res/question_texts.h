#pragma once

#include <string_view>

// What each question dialog says: its caption, and the prompt above its answer field with "\n"
// between lines. The dialog templates are built from these, and the wizard's question table
// names the same constants, so the two cannot drift apart.

namespace res {

struct QuestionText {
    std::string_view caption;
    std::string_view prompt;
};

// One constant a question, named after the answer it asks for.
namespace question_text {

inline constexpr QuestionText siteAddress{
    "Question 1",
    "What is your site's address?\n40 Characters or less.\nExample:\nwww.example.com"};

inline constexpr QuestionText baseDirectory{
    "Question 2",
    "Please Enter The Base Directory Structure. 60 Characters or less.\n"
    "Skip if no Base Directory Structure.\nExample:\n/~kestrin/browser/\n"};

inline constexpr QuestionText targetFrame{
    "Question 2-2",
    "What is the Name of the Frame to load the page in? No Spaces Allowed\n"
    "20 Characters or Less."};

inline constexpr QuestionText pageNetscape2{
    "Question 3",
    "Please Enter the Directory Structure for Netscape 2.0.\nExample:\nnet/net2.html"};

inline constexpr QuestionText pageNetscape3{
    "Question 4",
    "Please Enter the Directory Structure for Netscape 3.0, and Opera 3.XX.\nExample:\n"
    "net/net3.html"};

inline constexpr QuestionText pageNetscape4{
    "Question 5",
    "Please Enter the Directory Structure for Netscape 4.0.\nExample:\nnet/net4.html"};

inline constexpr QuestionText pageNetscape45{
    "Question 6",
    "Please Enter the Directory Structure for Netscape 4.5.\nExample:\nnet/net45.html"};

inline constexpr QuestionText pageExplorer3{
    "Question 7",
    "Please Enter the Directory Structure for Internet Explorer 3.0.\nExample:\nie/ie3.html"};

inline constexpr QuestionText pageExplorer4{
    "Question 8",
    "Please Enter the Directory Structure for Internet Explorer 4.0.\nExample:\nie/ie4.html"};

inline constexpr QuestionText pageExplorer5{
    "Question 9",
    "Please Enter the Directory Structure for Internet Explorer 5.0.\nExample:\nie/ie5.html"};

inline constexpr QuestionText pageAol3{
    "Question 10",
    "Please Enter the Directory Structure for Aol 3.0 with IE.\nExample:\naol/aol3.html"};

inline constexpr QuestionText pageAol4{
    "Question 11", "Please Enter the Directory Structure for Aol 4.0.\nExample:\naol/aol4.html"};

inline constexpr QuestionText pageWebTv{
    "Question 12",
    "Please Enter the Directory Structure for WebTV 2.10.\nExample:\nwbtv/webtv.html"};

}  // namespace question_text

}  // namespace res
