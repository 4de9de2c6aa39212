#include "generator/answers_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "generator/answers_claim.h"

namespace generator {
namespace {

namespace fs = std::filesystem;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// The answers file, open and locked against every other process until it is closed. The lock is
// advisory and taken without waiting: a second opener fails at once, as with an exclusive open.
// A file that another wizard run owns is not opened at all.
class ExclusiveFile {
  public:
    ExclusiveFile(const fs::path& file, int flags, std::string_view operation) : file_(file) {
        refuseIfOwnedByAnotherRun(operation, file_);
        descriptor_ = ::open(file.c_str(), flags | O_CLOEXEC, 0666);
        if (descriptor_ < 0) {
            throw FileError(operation, file_, lastError());
        }
        if (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
            const std::error_code error =
                errno == EWOULDBLOCK ? make_error_code(FileErrc::sharingViolation) : lastError();
            ::close(descriptor_);
            throw FileError(operation, file_, error);
        }
    }
    ~ExclusiveFile() { ::close(descriptor_); }
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    // Emptied only once locked, so that a file another process holds is never cut short.
    void empty() {
        if (::ftruncate(descriptor_, 0) != 0) {
            throw FileError("cannot empty", file_, lastError());
        }
    }

    void seek(off_t offset, int whence) {
        if (::lseek(descriptor_, offset, whence) < 0) {
            throw FileError("cannot seek in", file_, lastError());
        }
    }

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw FileError("cannot write", file_, lastError());
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    // Reads up to `size` bytes from the current position; fewer only at the end of the file.
    std::size_t read(char* buffer, std::size_t size) {
        std::size_t total = 0;
        while (total < size) {
            const ssize_t got = ::read(descriptor_, buffer + total, size - total);
            if (got < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw FileError("cannot read", file_, lastError());
            }
            if (got == 0) {
                break;
            }
            total += static_cast<std::size_t>(got);
        }
        return total;
    }

  private:
    fs::path file_;
    int descriptor_ = -1;
};

void writeLine(ExclusiveFile& file, std::string_view text) {
    std::string line(text);
    line += '\n';
    file.write(line);
}

// The part of a line that did not fit its chunk, up to its LF or the end of the file.
struct RestOfLine {
    off_t next;         // the offset just after the LF, or the end of the file
    std::size_t size;   // the bytes moved past, the LF not counted
    std::string start;  // the first of them, at most droppedSampleSize
};

RestOfLine skipRestOfLine(ExclusiveFile& file, off_t offset) {
    RestOfLine rest{offset, 0, {}};
    char buffer[64];
    for (;;) {
        const std::size_t got = file.read(buffer, sizeof buffer);
        const char* lineFeed = std::find(buffer, buffer + got, '\n');
        const auto inLine = static_cast<std::size_t>(lineFeed - buffer);
        rest.start.append(buffer, std::min(inLine, droppedSampleSize - rest.start.size()));
        rest.size += inLine;
        rest.next += static_cast<off_t>(inLine);
        if (lineFeed != buffer + got) {
            rest.next += 1;
            return rest;
        }
        if (got < sizeof buffer) {
            return rest;
        }
    }
}

// Reads the thirteen fields by the reader's rules, noting on the way what the wizard never writes.
Answers readFields(ExclusiveFile& file, std::vector<AnswersFileProblem>& problems) {
    file.seek(0, SEEK_SET);
    Answers answers;
    std::vector<char> chunk;
    off_t lineStart = 0;
    std::size_t linesPresent = 0;
    for (std::size_t index = 0; index < answerFields.size(); ++index) {
        const AnswerField& field = answerFields[index];
        const std::size_t line = index + 1;
        chunk.resize(field.chunk());
        const std::size_t got = file.read(chunk.data(), chunk.size());
        if (got > 0) {
            linesPresent = line;
        }
        const auto end = chunk.begin() + static_cast<std::ptrdiff_t>(got);
        const auto lineFeed = std::find(chunk.begin(), end, '\n');
        std::string& text = answers.*field.member;
        text.assign(chunk.begin(), lineFeed);
        if (lineFeed != end) {
            lineStart += (lineFeed - chunk.begin()) + 1;
            file.seek(lineStart, SEEK_SET);
        } else if (got == chunk.size()) {
            // A line longer than its field, which the wizard never writes: the field keeps its
            // chunk and the next field starts after the line's LF, so it is still read right.
            RestOfLine rest = skipRestOfLine(file, lineStart + static_cast<off_t>(got));
            lineStart = rest.next;
            file.seek(lineStart, SEEK_SET);
            if (rest.size > 0) {
                problems.push_back({AnswersFileProblemKind::lineTooLong, line, text,
                                    std::move(rest.start), rest.size});
                continue;
            }
        }
        // Otherwise the file ended inside this line: the fields after it stay empty.
        if (text.ends_with('\r')) {
            problems.push_back({AnswersFileProblemKind::endsInCarriageReturn, line, text, {}, 0});
        }
    }
    if (linesPresent < answerFields.size()) {
        problems.push_back({AnswersFileProblemKind::linesMissing, linesPresent + 1, {}, {}, 0});
    }
    return answers;
}

// After the thirteenth line: the first line that holds more than blanks and its line end.
void noteIgnoredLines(ExclusiveFile& file, std::vector<AnswersFileProblem>& problems) {
    std::size_t line = answerFields.size() + 1;
    std::optional<AnswersFileProblem> ignored;
    char buffer[64];
    for (std::size_t got; (got = file.read(buffer, sizeof buffer)) > 0;) {
        for (const char c : std::string_view(buffer, got)) {
            if (ignored) {
                if (c == '\n') {
                    problems.push_back(*ignored);
                    return;
                }
                if (ignored->dropped.size() < droppedSampleSize) {
                    ignored->dropped += c;
                }
                ++ignored->droppedSize;
            } else if (c == '\n') {
                ++line;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                ignored = AnswersFileProblem{
                    AnswersFileProblemKind::linesAfterTheLast, line, {}, std::string(1, c), 1};
            }
        }
    }
    if (ignored) {
        problems.push_back(*ignored);
    }
}

}  // namespace

void createAnswersFile(std::string_view text, const fs::path& file) {
    ExclusiveFile answers(file, O_WRONLY | O_CREAT, "cannot create");
    answers.empty();
    writeLine(answers, text);
}

void appendAnswer(std::string_view text, const fs::path& file) {
    ExclusiveFile answers(file, O_WRONLY, "cannot append to");
    answers.seek(0, SEEK_END);
    writeLine(answers, text);
}

Answers readAnswers(const fs::path& file) {
    ExclusiveFile answersFile(file, O_RDONLY, "cannot read");
    std::vector<AnswersFileProblem> unreported;
    return readFields(answersFile, unreported);
}

CheckedAnswers readAnswersChecked(const fs::path& file) {
    ExclusiveFile answersFile(file, O_RDONLY, "cannot read");
    CheckedAnswers checked;
    checked.answers = readFields(answersFile, checked.problems);
    noteIgnoredLines(answersFile, checked.problems);
    return checked;
}

void deleteAnswersFile(const fs::path& file) {
    // Held open and locked while it is unlinked, so that a file another process is using is
    // refused with a sharing violation instead of vanishing under it.
    const ExclusiveFile answers(file, O_RDONLY, "cannot delete");
    if (::unlink(file.c_str()) != 0) {
        throw FileError("cannot delete", file, lastError());
    }
}

}  // namespace generator
