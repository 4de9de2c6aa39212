#include "generator/routing/open_call.h"

#include <array>
#include <cstddef>
#include <optional>

#include "codepage/windows_1252.h"

namespace generator::routing {
namespace {

// Walks the characters of one open line from its start.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : line_(line) {}

    void expect(std::string_view text) {
        if (!line_.substr(at_).starts_with(text)) {
            fail("expected '" + std::string(text) + "'");
        }
        at_ += text.size();
    }

    bool skip(std::string_view text) {
        if (!line_.substr(at_).starts_with(text)) {
            return false;
        }
        at_ += text.size();
        return true;
    }

    void expectEnd() {
        if (at_ != line_.size()) {
            fail("unexpected text after the call");
        }
    }

    // A double-quoted string literal, its escape sequences resolved.
    std::string stringLiteral() {
        expect("\"");
        std::string text;
        while (true) {
            const char c = next("an unterminated string");
            if (c == '"') {
                return text;
            }
            if (c == '\r' || c == '\n') {
                fail("a line break inside a string");
            }
            if (c == '\\') {
                text += escapedCharacter();
            } else {
                text += c;
            }
        }
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        throw MalformedOpenLine("not an open line (" + what + " at position " +
                                std::to_string(at_) + "): " + std::string(line_));
    }

    char next(std::string_view whatIsMissing) {
        if (at_ == line_.size()) {
            fail(std::string(whatIsMissing));
        }
        return line_[at_++];
    }

    std::optional<int> digit(int base) const {
        if (at_ == line_.size()) {
            return std::nullopt;
        }
        const char c = line_[at_];
        int value = -1;
        if (c >= '0' && c <= '9') {
            value = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            value = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            value = c - 'A' + 10;
        }
        if (value < 0 || value >= base) {
            return std::nullopt;
        }
        return value;
    }

    int hexDigits(std::size_t count) {
        int value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const std::optional<int> d = digit(16);
            if (!d) {
                fail("a malformed hexadecimal escape");
            }
            value = value * 16 + *d;
            ++at_;
        }
        return value;
    }

    // The answers' byte for a character the browser holds: the page's text is Windows-1252.
    char byteFor(int codePoint) const {
        const std::optional<unsigned char> byte =
            codepage::unicodeToWindows1252(static_cast<char32_t>(codePoint));
        if (!byte) {
            fail("a character outside Windows-1252");
        }
        return static_cast<char>(*byte);
    }

    // The character after a backslash, and what follows it when the escape is longer.
    char escapedCharacter() {
        struct Single {
            char letter;
            char meaning;
        };
        static constexpr std::array<Single, 6> singles{
            {{'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'v', '\v'}}};
        const char c = next("an unterminated escape");
        for (const Single& single : singles) {
            if (c == single.letter) {
                return single.meaning;
            }
        }
        if (c == 'x') {
            return byteFor(hexDigits(2));
        }
        if (c == 'u') {
            return byteFor(hexDigits(4));
        }
        if (c >= '0' && c <= '7') {
            // An old-style octal escape: up to three digits while the value stays below 256.
            int value = c - '0';
            const std::size_t longest = c <= '3' ? 2 : 1;
            for (std::size_t more = 0; more < longest && digit(8); ++more) {
                value = value * 8 + *digit(8);
                ++at_;
            }
            return byteFor(value);
        }
        if (c == '\r' || c == '\n') {
            fail("a line continuation");
        }
        return c;  // every other character stands for itself: \" \' \\ \/ \!
    }

    std::string_view line_;
    std::size_t at_ = 0;
};

}  // namespace

OpenCall readOpenLine(std::string_view line) {
    LineReader reader(line);
    reader.expect("open");
    reader.skip(" ");
    reader.expect("(");
    OpenCall call;
    call.address = reader.stringLiteral();
    reader.expect(",");
    call.target = reader.stringLiteral();
    reader.expect(");");
    reader.expectEnd();
    return call;
}

}  // namespace generator::routing
