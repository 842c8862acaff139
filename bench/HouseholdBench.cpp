// The household split of a busy couple: four children, a loan of two homes bought before the
// marriage and three illness entries shared, 3^4 × 3 × 2^3 = 1944 assignments, each two years
// computed. Goal: under 200 ms for the split, as a page or pendra-cli runs it (bench/README.md).

#include "engine/current/Household.h"
#include "sheets/HouseholdFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

// a: two jobs in turn with a raise, the bonus, remuneration, pension and health insurance. b: one
// job, parents past 60, a degree course, illness of their own.
constexpr const char *BusyHousehold = R"({
"a": { "year": 2026,
  "jobs": [ { "employer": "甲公司", "from": 1, "to": 6, "mode": "自1月",
              "pay": [ { "from": 1, "income": 18000, "insurance": 2100 },
                       { "from": 4, "income": 21000, "insurance": 2400 } ] },
            { "employer": "乙公司", "from": 7, "to": 12,
              "pay": [ { "from": 7, "income": 26000, "insurance": 2900 } ] } ],
  "pension": [ { "month": 12, "amount": 12000 } ],
  "health_insurance": [ { "from": 1, "to": 12, "monthly": 200 } ],
  "payments": [ { "month": 5, "kind": "labour", "amount": 26000 },
                { "month": 9, "kind": "author", "amount": 12000 } ],
  "bonus": { "month": 1, "amount": 50000, "employer": "甲公司" } },
"b": { "year": 2026,
  "jobs": [ { "employer": "丙医院",
              "pay": [ { "from": 1, "income": 11000, "insurance": 1250 },
                       { "from": 10, "income": 12500, "insurance": 1400 } ] } ],
  "elderly": { "parents_born": ["1962-08-30", "1964-01-12"], "only_child": false, "share": 1500 },
  "degree_study": [ { "from": "2024-09", "to": "2027-06" } ],
  "illness": [ { "who": "本人", "paid": 22000 } ],
  "bonus": { "month": 2, "amount": 20000, "employer": "丙医院" } },
"shared": {
  "children": [ { "born": "2012-09-01", "education_end": null },
                { "born": "2016-02-14" },
                { "born": "2023-10-03" },
                { "born": "2026-04-20" } ],
  "housing_loan": { "first_repayment": "2019-05", "both_before_marriage": true },
  "illness": [ { "who": "子女", "paid": 41000 }, { "who": "子女", "paid": 18000 },
               { "who": "配偶", "paid": 98000 } ] }
})";

const current::Household &Busy() {
    static const current::Household household = [] {
        sheets::HouseholdRead read = sheets::ParseHouseholdFile(BusyHousehold);
        if (!read.Facts) {
            std::fprintf(stderr, "the busy household is refused: %s\n",
                         read.Error.toUtf8().constData());
            std::exit(1);
        }
        return *read.Facts;
    }();
    return household;
}

void SplitHousehold(benchmark::State &State) {
    const current::Household &household = Busy();
    for (auto _ : State)
        benchmark::DoNotOptimize(current::SplitHousehold(household));
    State.counters["assignments"] =
        static_cast<double>(current::CountAssignments(household.Shared));
}
BENCHMARK(SplitHousehold)->Unit(benchmark::kMillisecond);

// What pendra-cli household does between reading the file and printing: parse, check, split.
void ParseCheckAndSplit(benchmark::State &State) {
    const QByteArray bytes(BusyHousehold);
    for (auto _ : State) {
        const sheets::HouseholdRead read = sheets::ParseHouseholdFile(bytes);
        benchmark::DoNotOptimize(current::SplitHousehold(*read.Facts));
    }
}
BENCHMARK(ParseCheckAndSplit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
