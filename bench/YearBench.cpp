// The year engine's recomputation, which a page runs on every edit and the household split
// thousands of times, and the year file's reading and writing around it, on the busy year of
// YearFiles.h. Goal: a recomputation under 5 ms (bench/README.md).

#include "YearFiles.h"
#include "engine/current/Year.h"
#include "sheets/YearFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

const current::YearFacts &Busy() {
    static const current::YearFacts facts = [] {
        sheets::YearRead read = sheets::ParseYearFile(BusyYear);
        if (!read.Facts) {
            std::fprintf(stderr, "the busy year is refused: %s\n", read.Error.toUtf8().constData());
            std::exit(1);
        }
        return *read.Facts;
    }();
    return facts;
}

void ComputeYear(benchmark::State &State) {
    const current::YearFacts &facts = Busy();
    for (auto _ : State)
        benchmark::DoNotOptimize(current::ComputeYear(facts));
}
BENCHMARK(ComputeYear);

// A page checks the facts before it recomputes them.
void CheckAndComputeYear(benchmark::State &State) {
    const current::YearFacts &facts = Busy();
    for (auto _ : State) {
        benchmark::DoNotOptimize(current::CheckYear(facts));
        benchmark::DoNotOptimize(current::ComputeYear(facts));
    }
}
BENCHMARK(CheckAndComputeYear);

void ParseYearFile(benchmark::State &State) {
    const QByteArray bytes(BusyYear);
    for (auto _ : State)
        benchmark::DoNotOptimize(sheets::ParseYearFile(bytes));
}
BENCHMARK(ParseYearFile);

void YearFileBytes(benchmark::State &State) {
    const current::YearFacts &facts = Busy();
    for (auto _ : State)
        benchmark::DoNotOptimize(sheets::YearFileBytes(facts));
}
BENCHMARK(YearFileBytes);

} // namespace

BENCHMARK_MAIN();
