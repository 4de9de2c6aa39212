// libFuzzer target for answers -> page: whatever the answers hold, the page is written whole, is
// printable ASCII with CR LF line ends, differs from the page of empty answers only inside the
// open calls' string literals and the links' attribute values, and each of those reads back, as a
// browser reads it, as exactly the answers' characters in Windows-1252.
//
// The input is split at its first twelve LFs into the thirteen answers; the last one takes the
// rest, line feeds included. Built by the fuzz preset; tools/fuzz.sh runs it on
// tests/fuzz/corpus/detection_page.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "codepage/windows_1252.h"
#include "generator/answers.h"
#include "generator/detection_page.h"
#include "generator/test_chain.h"

namespace {

using generator::Answers;

[[noreturn]] void failBecause(std::string_view what, std::string_view line = {}) {
    std::fprintf(stderr, "detection page: %.*s\n  %.*s\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(line.size()), line.data());
    std::abort();
}

Answers answersFrom(std::string_view input) {
    Answers answers;
    for (std::size_t at = 0; at < generator::answerFields.size(); ++at) {
        const std::size_t lineFeed =
            at + 1 < generator::answerFields.size() ? input.find('\n') : std::string_view::npos;
        answers.*generator::answerFields[at].member = input.substr(0, lineFeed);
        input.remove_prefix(lineFeed == std::string_view::npos ? input.size() : lineFeed + 1);
    }
    return answers;
}

// The text a browser holds for the answers' bytes.
std::u32string asWindows1252(std::string_view bytes) {
    std::u32string text;
    for (const char c : bytes) {
        text += codepage::windows1252ToUnicode(static_cast<unsigned char>(c));
    }
    return text;
}

std::vector<std::string_view> linesOf(std::string_view page) {
    if (!page.ends_with("\r\n")) {
        failBecause("the page does not end with a line end");
    }
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < page.size(); ++at) {
        const char c = page[at];
        if (c == '\r' && at + 1 < page.size() && page[at + 1] == '\n') {
            lines.push_back(page.substr(start, at - start));
            start = at + 2;
            ++at;
        } else if (c < 0x20 || c > 0x7E) {
            failBecause("a byte outside printable ASCII", page.substr(start, at + 1 - start));
        }
    }
    return lines;
}

// Reads one line from its start; every step that does not find what it expects fails the input.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : line_(line) {}

    void expect(std::string_view text) {
        if (!line_.substr(at_).starts_with(text)) {
            failBecause("expected text missing", line_);
        }
        at_ += text.size();
    }

    void expectEnd() const {
        if (at_ != line_.size()) {
            failBecause("text after the end of the line", line_);
        }
    }

    // The text of a JavaScript string literal up to its closing double quote, its escapes
    // resolved as the page writes them.
    std::u32string scriptString() {
        const std::size_t start = at_;
        std::u32string text;
        for (char c = next(); c != '"'; c = next()) {
            text += c == '\\' ? escaped() : static_cast<char32_t>(c);
        }
        const std::string_view literal = line_.substr(start, at_ - start);
        if (literal.find("</") != std::string_view::npos ||
            literal.find("<!--") != std::string_view::npos) {
            failBecause("a literal that can end or confuse the script element", line_);
        }
        return text;
    }

    // The text of an attribute value up to its closing double quote, its character references
    // resolved.
    std::u32string attributeValue() {
        std::u32string text;
        for (char c = next(); c != '"'; c = next()) {
            text += c == '&' ? reference() : static_cast<char32_t>(c);
        }
        return text;
    }

  private:
    char next() {
        if (at_ == line_.size()) {
            failBecause("an unterminated string", line_);
        }
        return line_[at_++];
    }

    char32_t number(int base, std::size_t digits) {
        const std::size_t end = at_ + digits;
        if (end > line_.size()) {
            failBecause("a number cut short", line_);
        }
        char32_t value = 0;
        for (; at_ < end; ++at_) {
            const char c = line_[at_];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                     : base;
            if (digit >= base) {
                failBecause("a malformed number", line_);
            }
            value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
        }
        return value;
    }

    char32_t escaped() {
        switch (const char c = next()) {
            case '\\':
            case '"':
            case '/':
            case '!':
                return static_cast<char32_t>(c);
            case 'r':
                return U'\r';
            case 'u':
                return number(16, 4);
            default:
                failBecause("an escape the page does not write", line_);
        }
    }

    char32_t reference() {
        const std::size_t semicolon = line_.find(';', at_);
        if (semicolon == std::string_view::npos) {
            failBecause("an unterminated character reference", line_);
        }
        const std::string_view name = line_.substr(at_, semicolon - at_);
        if (name == "amp" || name == "quot") {
            at_ = semicolon + 1;
            return name == "amp" ? U'&' : U'"';
        }
        expect("#");
        const std::size_t digits = semicolon - at_;
        if (digits == 0 || digits > 7) {
            failBecause("a character reference of no or too many digits", line_);
        }
        const char32_t character = number(10, digits);
        at_ = semicolon + 1;
        return character;
    }

    std::string_view line_;
    std::size_t at_ = 0;
};

// An open line of the chain: `open("address","target");`, with the test's own opener.
void checkOpenLine(std::string_view line, const generator::BrowserTest& test,
                   const Answers& answers) {
    LineReader reader(line);
    reader.expect(test.opener);
    reader.expect("\"");
    const std::u32string address = reader.scriptString();
    reader.expect(",\"");
    const std::u32string target = reader.scriptString();
    reader.expect(");");
    reader.expectEnd();
    if (address != asWindows1252("http://" + answers.siteAddress + answers.baseDirectory +
                                 answers.*test.page) ||
        target != asWindows1252(answers.targetFrame)) {
        failBecause("open receives other text than the answers", line);
    }
}

// A fallback link: `<a href="address" target="frame">`.
void checkLink(std::string_view line, const std::string& pagePath, const Answers& answers) {
    LineReader reader(line);
    reader.expect("<a href=\"");
    const std::u32string address = reader.attributeValue();
    reader.expect(" target=\"");
    const std::u32string target = reader.attributeValue();
    reader.expect(">");
    reader.expectEnd();
    if (address !=
            asWindows1252("http://" + answers.siteAddress + answers.baseDirectory + pagePath) ||
        target != asWindows1252(answers.targetFrame)) {
        failBecause("a link holds other text than the answers", line);
    }
}

// The page is written to memory: the file around it does not depend on the answers, and a
// file's write and flush at every line would make each run many times slower.
std::string writePage(const Answers& answers) {
    std::vector<int> progress;
    const generator::SetProgress recordProgress = [&](int position) {
        progress.push_back(position);
    };
    std::ostringstream page;
    generator::writeDetectionPageText(page, answers, recordProgress);
    if (!page) {
        failBecause("the page was not written");
    }
    if (progress != std::vector<int>{50, 75}) {
        failBecause("progress did not move to 50 and 75");
    }
    return page.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string emptyPage = writePage(Answers{});
    static const std::vector<std::string_view> pageOfNoAnswers = linesOf(emptyPage);

    const Answers answers =
        answersFrom(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string page = writePage(answers);
    const std::vector<std::string_view> lines = linesOf(page);
    if (lines.size() != pageOfNoAnswers.size()) {
        failBecause("the page has another number of lines");
    }

    auto nextOpeningTest = generator::browserTests.begin();
    const std::string* const linkPages[] = {&answers.pageNetscape3, &answers.pageExplorer3};
    std::size_t linksSeen = 0;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string_view expected = pageOfNoAnswers[at];
        if (expected.starts_with("open")) {
            while (nextOpeningTest->kind != generator::TestKind::single) {
                ++nextOpeningTest;
            }
            checkOpenLine(lines[at], *nextOpeningTest++, answers);
        } else if (expected.starts_with("<a href=")) {
            checkLink(lines[at], *linkPages[linksSeen++], answers);
        } else if (lines[at] != expected) {
            failBecause("a line other than the page of no answers holds", lines[at]);
        }
    }
    return 0;
}
