// Per-call cost of the monthly salary engine and of amount parsing and display. Inputs cycle
// through a small table of realistic values so that no call can be folded away or predicted.

#include "common/UNumText.h"
#include "engine/USalaryTaxManager.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

constexpr std::array<double, 8> Incomes{5000,     10000,  3500.01, 83500.01,
                                        12345.67, 4800.5, 1000000, 25000};
constexpr std::array<double, 8> Golds{0, 1000, 0, 0, 2345.6, 0.01, 50000, 1800};
constexpr std::array<double, 8> Taxes{45, 545, 0.01, 22495.01, 1005, 0, 400000, 2000};
constexpr std::array<double, 8> AfterTax{4955, 8455, 3500.0097, 70000, 9000, 4900, 600000, 20000};
constexpr std::array<std::string_view, 8> Texts{"10000", "3500.01", "1234.567", "0.145",
                                                "3.405", " 88888 ", "1e5",      "99999.99"};
constexpr std::array<double, 8> Values{
    545, 0.0100000000002183, 3500.0097, 1e15, 1500.025, 45.001, -2.5e16, 0.000015};

void SalaryCalc(benchmark::State &State) {
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(TSalaryTaxManager::Calc(i & 1, Incomes[i & 7], Golds[i & 7]));
        ++i;
    }
}
BENCHMARK(SalaryCalc);

void SalaryAntiTax(benchmark::State &State) {
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(TSalaryTaxManager::AntiTax(i & 1, Taxes[i & 7], Golds[i & 7]));
        ++i;
    }
}
BENCHMARK(SalaryAntiTax);

void SalaryAntiIncomeAfterTax(benchmark::State &State) {
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(
            TSalaryTaxManager::AntiIncomeAfterTax(i & 1, AfterTax[i & 7], Golds[i & 7]));
        ++i;
    }
}
BENCHMARK(SalaryAntiIncomeAfterTax);

void ParseAmount(benchmark::State &State) {
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(NumText::ParseAmount(Texts[i & 7]));
        ++i;
    }
}
BENCHMARK(ParseAmount);

void FormatGeneral(benchmark::State &State) {
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(NumText::FormatGeneral(Values[i & 7]));
        ++i;
    }
}
BENCHMARK(FormatGeneral);

void FormatCents(benchmark::State &State) {
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(NumText::FormatCents(Values[i & 7]));
        ++i;
    }
}
BENCHMARK(FormatCents);

// What a page does with one typed amount: parse it, then show it back in the general form.
void ParseThenDisplay(benchmark::State &State) {
    std::size_t i = 0;
    for (auto _ : State) {
        const auto value = NumText::ParseAmount(Texts[i & 7]);
        benchmark::DoNotOptimize(NumText::FormatGeneral(value.value_or(0)));
        ++i;
    }
}
BENCHMARK(ParseThenDisplay);

} // namespace
