// Writing the largest page the wizard can produce: every answer at its full length.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "generator/answers.h"
#include "generator/detection_page.h"

namespace {

generator::Answers fullLengthAnswers() {
    generator::Answers answers;
    char letter = 'a';
    for (const generator::AnswerField& field : generator::answerFields) {
        answers.*field.member = std::string(field.limit, letter++);
    }
    return answers;
}

void writeFullLengthPage(benchmark::State& state) {
    std::string folder =
        (std::filesystem::temp_directory_path() / "navisift-bench-XXXXXX").string();
    ::mkdtemp(folder.data());
    const std::filesystem::path page = std::filesystem::path(folder) / "nvoutput.htm";
    const generator::Answers answers = fullLengthAnswers();
    for (auto _ : state) {
        const auto result = generator::writeDetectionPage(
            answers, [](int) {}, page);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(page)));
    std::filesystem::remove_all(folder);
}
BENCHMARK(writeFullLengthPage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
