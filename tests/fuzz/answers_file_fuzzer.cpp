// libFuzzer target for the answers-file reader: any bytes as "questions.txt" must be read into
// exactly the record that a small model of the reader's rules gives.
//
// Built by the fuzz preset; tools/fuzz.sh runs it on tests/fuzz/corpus/answers_file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include "generator/answers.h"
#include "generator/answers_file.h"
#include "tests/fuzz/scratch_folder.h"

namespace {

using generator::AnswerField;
using generator::answerFields;
using generator::Answers;

// The reader's rules, one line at a time: a field takes the bytes before its line's LF; a line
// longer than the field's chunk gives the whole chunk and the next field starts after its LF; a
// file that ends inside a line gives the rest of the file, and the fields after it stay empty.
Answers modelOfReader(std::string_view file) {
    Answers answers;
    for (const AnswerField& field : answerFields) {
        const std::string_view chunk = file.substr(0, field.chunk());
        const std::size_t lineFeed = chunk.find('\n');
        if (lineFeed != std::string_view::npos) {
            answers.*field.member = chunk.substr(0, lineFeed);
            file.remove_prefix(lineFeed + 1);
        } else if (chunk.size() == field.chunk()) {
            answers.*field.member = chunk;
            const std::size_t endOfLine = file.find('\n', chunk.size());
            file.remove_prefix(endOfLine == std::string_view::npos ? file.size() : endOfLine + 1);
        } else {
            answers.*field.member = chunk;
            file = {};
        }
    }
    return answers;
}

void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::abort();
    }
}

void failBecause(const char* what) {
    std::fprintf(stderr, "answers file: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzing::ScratchFolder folder;
    static const std::filesystem::path file = folder / "questions.txt";
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    writeFile(file, bytes);
    const Answers read = generator::readAnswers(file);
    if (read != modelOfReader(bytes)) {
        failBecause("the reader and its model disagree");
    }
    return 0;
}
