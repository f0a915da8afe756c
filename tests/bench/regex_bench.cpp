// Throughput of the built-in regular-expression engine with the program's
// three patterns, run as the program runs them (case-insensitive, multi-line,
// every match), over list answers of 1, 2 and 4 MB on one line. Equal figures
// across the sizes show the work growing linearly with the subject.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "textmatch/engine/regex.h"

namespace {

const char16_t* const kPatterns[] = {
    u"<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\" />",
    u"<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\"  />",
    u"<meta.+?charset=[^\\w]?([-\\w]+)",
};

// What a subject is made of: a realistic answer, or pieces chosen so that
// every position starts a match attempt that never completes.
const char16_t* const kPieces[][2] = {
    {u"<m type=\"2\" src=\"http://media.example/live/1234.flv\" label=\"\u9891\u9053 1234\" />",
     u"<m type=\"2\" src=\""},
    {u"<m type=\"2\" src=\"http://media.example/live/1234.flv\" label=\"\u9891\u9053 1234\"  />",
     u"<m type=\"2\" src=\"a\" label=\"b\" />"},
    {u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">",
     u"<meta"},
};

std::u16string subject(const char16_t* piece, std::size_t units) {
    std::u16string built;
    built.reserve(units + 128);
    while (built.size() < units) {
        built += piece;
    }
    return built;
}

// Arguments: pattern index, subject kind (0 answer, 1 hostile), size in MB.
void globalSearch(benchmark::State& state) {
    const char16_t* pattern = kPatterns[state.range(0)];
    std::u16string text = subject(kPieces[state.range(0)][state.range(1)],
                                  static_cast<std::size_t>(state.range(2)) * 1024 * 1024 / 2);
    std::optional<regex::Regex> regex = regex::Regex::compile(pattern, {true, true});
    if (!regex) {
        state.SkipWithError("pattern rejected");
        return;
    }
    std::vector<regex::Span> captures;
    std::size_t matches = 0;
    for (auto _ : state) {
        matches = 0;
        std::size_t from = 0;
        while (from <= text.size() && regex->search(text, from, captures)) {
            ++matches;
            regex::Span whole = captures[0];
            from = static_cast<std::size_t>(whole.end) + (whole.end == whole.start ? 1 : 0);
        }
        benchmark::DoNotOptimize(matches);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size() * sizeof(char16_t)));
    state.counters["matches"] = static_cast<double>(matches);
}
BENCHMARK(globalSearch)
    ->ArgNames({"pattern", "hostile", "MB"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}, {1, 2, 4}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
