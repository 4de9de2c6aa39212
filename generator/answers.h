#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace generator {

// The wizard's thirteen answers, in the order of the lines of the answers file. Each field holds
// the bytes of its line as typed, without conversion or escaping.
struct Answers {
    std::string siteAddress;    // the web site's host address, without scheme
    std::string baseDirectory;  // placed between the site address and every page path
    std::string targetFrame;    // the window or frame the pages open in; "_self" without frames
    std::string pageNetscape2;
    std::string pageNetscape3;  // also Opera 3.x
    std::string pageNetscape4;
    std::string pageNetscape45;
    std::string pageExplorer3;
    std::string pageExplorer4;
    std::string pageExplorer5;
    std::string pageAol3;
    std::string pageAol4;
    std::string pageWebTv;

    friend bool operator==(const Answers&, const Answers&) = default;
};

using AnswerMember = std::string Answers::*;

// One line of the answers file: the field it fills and the longest answer the wizard writes there.
struct AnswerField {
    std::string_view name;
    AnswerMember member;
    std::size_t limit;
    std::string_view label;  // what the line holds, in the author's words

    // The reader takes each line with one read of this many bytes: a full-length answer and its LF.
    constexpr std::size_t chunk() const { return limit + 1; }
};

inline constexpr std::array<AnswerField, 13> answerFields{{
    {"siteAddress", &Answers::siteAddress, 40, "site address"},
    {"baseDirectory", &Answers::baseDirectory, 60, "base directory"},
    {"targetFrame", &Answers::targetFrame, 20, "target frame"},
    {"pageNetscape2", &Answers::pageNetscape2, 30, "page for Netscape 2.0"},
    {"pageNetscape3", &Answers::pageNetscape3, 30, "page for Netscape 3.0"},
    {"pageNetscape4", &Answers::pageNetscape4, 30, "page for Netscape 4.0"},
    {"pageNetscape45", &Answers::pageNetscape45, 30, "page for Netscape 4.5"},
    {"pageExplorer3", &Answers::pageExplorer3, 30, "page for Internet Explorer 3.0"},
    {"pageExplorer4", &Answers::pageExplorer4, 30, "page for Internet Explorer 4.0"},
    {"pageExplorer5", &Answers::pageExplorer5, 30, "page for Internet Explorer 5.0"},
    {"pageAol3", &Answers::pageAol3, 30, "page for AOL 3.0"},
    {"pageAol4", &Answers::pageAol4, 30, "page for AOL 4.0"},
    {"pageWebTv", &Answers::pageWebTv, 30, "page for WebTV 2.10"},
}};

// The longest answer the wizard writes into this field; in a constant expression, a member that
// is no line of the file does not compile.
constexpr std::size_t answerLimit(AnswerMember member) {
    for (const AnswerField& field : answerFields) {
        if (field.member == member) {
            return field.limit;
        }
    }
    throw std::out_of_range("no line of the answers file holds this field");
}

// The temporary file that carries the answers from the question dialogs to the save dialog.
inline constexpr std::string_view answersFileName = "questions.txt";

}  // namespace generator
