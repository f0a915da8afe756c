// Throughput of the text scans over a playlist-sized text, beside a plain
// memchr pass over the same bytes as the ceiling to compare against.

#include <benchmark/benchmark.h>

#include <cstring>

#include "common/text.h"

namespace {

// About 200 kB of records shaped like an embedded playlist: mostly ASCII
// addresses with double-byte titles and tags.
const Text& playlist() {
    static const Text text = [] {
        Text built;
        for (int record = 0; built.size() < 200 * 1024; ++record) {
            const Text number = std::to_string(record);
            built += gbk::concat("<视频>第", number, "集 中文标题|<图片>http://img.example/",
                                 number, ".jpg|<地址>http://media.example/v/", number, ".mp4|\r\n");
        }
        return built;
    }();
    return text;
}

// About 200 kB of double-byte characters only, where every byte lies in the
// lead-byte range: the hardest case for telling a character start apart.
const Text& chineseText() {
    static const Text text = [] {
        Text built;
        while (built.size() < 200 * 1024) {
            built += "中文的标题视频地址图片";
        }
        return built + "完";
    }();
    return text;
}

void setThroughput(benchmark::State& state, const Text& text) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

void memchrScan(benchmark::State& state) {
    const Text& text = playlist();
    for (auto _ : state) {
        int found = 0;
        for (const char* at = text.data();
             (at = static_cast<const char*>(std::memchr(at, '|', text.data() + text.size() - at)));
             ++at) {
            ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    setThroughput(state, text);
}
BENCHMARK(memchrScan);

// The walk of the playlist extraction: find a tag, then the "|" closing it,
// each search starting where the last one ended.
void findWalk(benchmark::State& state) {
    const Text& text = playlist();
    const Text tag = "<地址>";
    for (auto _ : state) {
        int found = 0;
        for (std::int32_t at = gbk::find(text, tag); at != -1;) {
            const std::int32_t end = gbk::find(text, "|", at + gbk::length(tag));
            if (end == -1) {
                break;
            }
            ++found;
            at = gbk::find(text, tag, end);
        }
        benchmark::DoNotOptimize(found);
    }
    setThroughput(state, text);
}
BENCHMARK(findWalk);

void findAbsent(benchmark::State& state) {
    const Text& text = playlist();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gbk::find(text, "<不在>"));
    }
    setThroughput(state, text);
}
BENCHMARK(findAbsent);

void findIgnoringCase(benchmark::State& state) {
    const Text& text = playlist();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gbk::find(text, "HTTP://ABSENT", 1, true));
    }
    setThroughput(state, text);
}
BENCHMARK(findIgnoringCase);

void findInChineseText(benchmark::State& state) {
    const Text& text = chineseText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gbk::find(text, "完"));
    }
    setThroughput(state, text);
}
BENCHMARK(findInChineseText);

void splitLines(benchmark::State& state) {
    const Text& text = playlist();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gbk::split(text, "\r\n"));
    }
    setThroughput(state, text);
}
BENCHMARK(splitLines);

void replaceSeparators(benchmark::State& state) {
    const Text& text = playlist();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gbk::replace(text, "|", "\t", true));
    }
    setThroughput(state, text);
}
BENCHMARK(replaceSeparators);

}  // namespace

BENCHMARK_MAIN();
