// The same computations timed natively and in WebAssembly (bench/web.sh builds this file both
// ways, the second with the module's flags, and runs each): a busy year computed and written as
// JSON, as `pendra-cli year --json` gives it, the same year read from its file's text first, as
// the module's year does, and the reverse of a wage with the same net every month. Figures in
// bench/README.md.

#include "bench/YearFiles.h"
#include "engine/current/Reverse.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"
#include "formats/Result.h"
#include "formats/YearFile.h"

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using namespace current;

// Three jobs, four children, parents, two leases, a degree course, illness, pension, health
// insurance, remuneration and the bonus: nearly the year of bench/YearFiles.h, in code.
YearFacts BusyYearFacts() {
    YearFacts y;
    y.Year = 2026;
    JobFacts first{"甲公司", 1, 6, BasicDeduction::FromJanuary, true, {}};
    first.Pay = {{1, Yuan(28000), Yuan(300), Yuan(3200), Yuan(100)},
                 {4, 3100050, 0, Yuan(3500), 0}};
    JobFacts second{"乙公司", 7, 12, BasicDeduction::PerMonth, true, {}};
    second.Pay = {{7, Yuan(35000), 0, Yuan(3800), 0}, {10, Yuan(38000), 0, Yuan(4100), 0}};
    JobFacts third{"丙顾问", 3, 12, BasicDeduction::PerMonth, false, {}};
    third.Pay = {{3, Yuan(6000), 0, 0, 0}};
    y.Jobs = {first, second, third};
    y.Children = {{{2012, 9, 1}, 50, {}},
                  {{2016, 2, 14}, 100, CalendarMonth{2030, 6}},
                  {{2023, 10, 3}, 100, {}},
                  {{2026, 4, 20}, 50, {}}};
    y.Elderly = ElderlyFacts{{{1966, 8, 30}, {1968, 1, 12}}, false, Yuan(1500)};
    y.Rent = {{{2025, 9}, {2026, 8}, Yuan(1500)}, {{2026, 8}, {2027, 7}, Yuan(1100)}};
    y.DegreeStudy = {{{2023, 9}, CalendarMonth{2027, 6}}};
    y.Certificates = {{2026, 11}, {2026, 6}};
    IllnessFacts self, spouse;
    self.Paid = Yuan(22000);
    spouse.Who = IllnessOf::Spouse;
    spouse.Paid = Yuan(98000);
    y.Illness = {self, spouse};
    y.Pension = {{6, Yuan(5000)}, {12, Yuan(9000)}};
    y.HealthInsurance = {{1, 12, Yuan(150)}, {7, 12, Yuan(100)}};
    y.Payments = {{3, RemunerationKind::Labour, Yuan(30000)},
                  {5, RemunerationKind::Author, Yuan(10000)},
                  {9, RemunerationKind::Royalty, Yuan(8000)}};
    y.Bonus = BonusFacts{12, Yuan(60000), "乙公司"};
    return y;
}

void Time(const char *Name, int Runs, const std::function<std::size_t()> &Work) {
    std::size_t kept = Work(); // once before, so that nothing is timed cold
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Runs; ++i)
        kept += Work();
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    std::printf("%-44s %10.2f µs per call (%zu)\n", Name, spent.count() / Runs, kept % 10);
}

} // namespace

int main() {
    const YearFacts facts = BusyYearFacts();
    if (CheckYear(facts)) {
        std::puts("the benchmark's year is at fault");
        return 1;
    }
    Time("year computed", 2000, [&] { return ComputeYear(facts).Jobs.size(); });
    Time("year computed and written as JSON text", 1000,
         [&] { return formats::ResultText(formats::YearJson(facts, ComputeYear(facts))).size(); });
    Time("year file read, computed and written as JSON text", 1000, [] {
        const formats::YearRead read = formats::ParseYearFile(BusyYear);
        return read.Facts
                   ? formats::ResultText(formats::YearJson(*read.Facts, ComputeYear(*read.Facts)))
                         .size()
                   : 0;
    });
    WageTerms terms;
    terms.Insurance = Yuan(2000);
    terms.Special = Yuan(3000);
    Time("reverse wage, the same net every month", 1000,
         [&] { return ReverseWageEqualNet(Yuan(15000), terms)->Months.size(); });
    return 0;
}
