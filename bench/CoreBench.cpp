// Per-call cost of every engine operation and of amount parsing and display. Inputs cycle through
// small tables of realistic values (amounts around the bracket bounds, typed texts) so that no
// call can be folded away or predicted. Each benchmark is named after the operation it calls.

#include "engine/UCompanyManager.h"
#include "engine/UGoldsContribution.h"
#include "engine/UGoldsSetupIni.h"
#include "engine/ULaoWuManager.h"
#include "engine/ULateFeeManager.h"
#include "engine/ULicenseManager.h"
#include "engine/UMakeUpManager.h"
#include "engine/UMoneyManager.h"
#include "engine/UNumText.h"
#include "engine/UOthersManager.h"
#include "engine/URentManager.h"
#include "engine/USalaryOldManager.h"
#include "engine/USalaryTaxManager.h"
#include "engine/UTPersonalManager.h"
#include "engine/UTransferManager.h"
#include "engine/UWritingManager.h"
#include "engine/UYearAwardManager.h"
#include "engine/current/Bonus.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Reverse.h"
#include "engine/current/Settlement.h"
#include "engine/current/Severance.h"
#include "engine/current/TaxTable.h"
#include "engine/current/Wage.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Amounts = std::array<double, 8>;

constexpr Amounts Incomes{5000, 10000, 3500.01, 83500.01, 12345.67, 4800.5, 1000000, 25000};
constexpr Amounts Golds{0, 1000, 0, 0, 2345.6, 0.01, 50000, 1800};
constexpr Amounts Taxes{45, 545, 0.01, 22495.01, 1005, 0, 400000, 2000};
constexpr Amounts AfterTax{4955, 8455, 3500.0097, 70000, 9000, 4900, 600000, 20000};
// Single payments around the 800 / 4000 / 20000 / 50000 bounds of the remuneration engines.
constexpr Amounts Payments{800, 800.01, 3999.99, 4000.01, 20000, 20000.01, 50000.01, 123456.78};
constexpr Amounts PaymentTaxes{0, 0.01, 640, 3200, 6400.01, 13000, 30000, 99999.99};
constexpr Amounts PaymentsAfterTax{800, 3360, 3999.99, 16000, 16000.01, 42000, 100000, 1e6};
constexpr Amounts YearAwards{18000, 18000.01, 54000, 108000.01, 420000, 660000.01, 960001, 3e6};
constexpr Amounts Compensations{60000, 60000.01, 156000, 200000, 500000.5, 1e6, 12345.67, 3e6};
constexpr Amounts AverageWages{20000, 20000, 20000, 45000, 60000, 80000, 3000, 100000};
constexpr std::array<int32_t, 8> Years{1, 3, 12, 15, 0, 7, 2, 20};
constexpr std::array<int32_t, 8> Months{12, 1, 6, 12, 3, 12, 9, 24};
constexpr std::array<int32_t, 8> Days{1, 30, 365, 0, 90, 1000, 7, 4000};
constexpr Amounts Capitals{0.01, 10.05, 101, 1010, 100010000, 123456789.12, 9999999999999.99, 3.41};
constexpr std::array<int32_t, 7> SalaryBounds{0, 1500, 4500, 9000, 35000, 55000, 80000};

constexpr std::array<std::string_view, 8> Texts{"10000", "3500.01", "1234.567", "0.145",
                                                "3.405", " 88888 ", "1e5",      "99999.99"};
constexpr Amounts Values{545,     0.0100000000002183, 3500.0097, 1e15, 1500.025, 45.001, -2.5e16,
                         0.000015};

// A city's parameters as the parameter dialog keeps them.
constexpr TGoldsSetupInfo City{1869, 9348, 1869, 9348, 12, 2, 8, 0.5, 12, 10, 20, 1.5, 0.5, 0.8};

// Calls Call(i) for i = 0, 1, 2, ... (the caller picks its inputs with i & 7).
template <class F> void PerCall(benchmark::State &State, F Call) {
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(Call(i));
        ++i;
    }
}

#define ENGINE_BENCHMARK(Operation, ...)                                                           \
    BENCHMARK_CAPTURE(PerCall, Operation, [](std::size_t i) { return __VA_ARGS__; })

// Monthly wages, current and earlier rules.
ENGINE_BENCHMARK(TSalaryTaxManager::Calc,
                 TSalaryTaxManager::Calc(i & 1, Incomes[i & 7], Golds[i & 7]));
ENGINE_BENCHMARK(TSalaryTaxManager::AntiTax,
                 TSalaryTaxManager::AntiTax(i & 1, Taxes[i & 7], Golds[i & 7]));
ENGINE_BENCHMARK(TSalaryTaxManager::AntiIncomeAfterTax,
                 TSalaryTaxManager::AntiIncomeAfterTax(i & 1, AfterTax[i & 7], Golds[i & 7]));
ENGINE_BENCHMARK(TSalaryTaxManager::GetLevel,
                 TSalaryTaxManager::GetLevel(SalaryBounds, Incomes[i & 7] - 3500));
ENGINE_BENCHMARK(TSalaryTaxManager::GetLevelByTax, TSalaryTaxManager::GetLevelByTax(Taxes[i & 7]));
ENGINE_BENCHMARK(TSalaryOldManager::Calc,
                 TSalaryOldManager::Calc(i & 1, Incomes[i & 7], Golds[i & 7]));

// Annual bonus and severance compensation.
ENGINE_BENCHMARK(TYearAwardManager::Calc,
                 TYearAwardManager::Calc(i & 1, YearAwards[i & 7], Incomes[i & 7], Golds[i & 7]));
ENGINE_BENCHMARK(TYearAwardManager::GetLevel,
                 TYearAwardManager::GetLevel(SalaryBounds, YearAwards[i & 7] / 12));
ENGINE_BENCHMARK(TMakeUpManager::Calc,
                 TMakeUpManager::Calc(Compensations[i & 7], AverageWages[i & 7], Golds[i & 7],
                                      Years[i & 7]));
ENGINE_BENCHMARK(TMakeUpManager::IsTaxFree,
                 TMakeUpManager::IsTaxFree(Compensations[i & 7], AverageWages[i & 7]));

// Labour, author and royalty remuneration, lease, transfer.
ENGINE_BENCHMARK(TLaoWuManager::Calc, TLaoWuManager::Calc(Payments[i & 7]));
ENGINE_BENCHMARK(TLaoWuManager::GetLevel, TLaoWuManager::GetLevel(Payments[i & 7] * 0.8));
ENGINE_BENCHMARK(TLaoWuManager::AntiTax, TLaoWuManager::AntiTax(PaymentTaxes[i & 7]));
ENGINE_BENCHMARK(TLaoWuManager::AntiIncomeAfterTax,
                 TLaoWuManager::AntiIncomeAfterTax(PaymentsAfterTax[i & 7]));
ENGINE_BENCHMARK(TWritingManager::Calc, TWritingManager::Calc(Payments[i & 7]));
ENGINE_BENCHMARK(TWritingManager::AntiTax, TWritingManager::AntiTax(PaymentTaxes[i & 7]));
ENGINE_BENCHMARK(TWritingManager::AntiIncomeAfterTax,
                 TWritingManager::AntiIncomeAfterTax(PaymentsAfterTax[i & 7]));
ENGINE_BENCHMARK(TLicenseManager::Calc, TLicenseManager::Calc(Payments[i & 7]));
ENGINE_BENCHMARK(TRentManager::Calc, TRentManager::Calc(Payments[i & 7], i & 1));
ENGINE_BENCHMARK(TTransferManager::Calc,
                 TTransferManager::Calc(YearAwards[i & 7], Payments[i & 7], Golds[i & 7]));

// Business income, contracted operation, flat-rate incomes, late fee.
ENGINE_BENCHMARK(TPersonalManager::Calc, TPersonalManager::Calc(YearAwards[i & 7]));
ENGINE_BENCHMARK(TPersonalManager::GetLevel, TPersonalManager::GetLevel(Payments[i & 7]));
ENGINE_BENCHMARK(TCompanyManager::Calc, TCompanyManager::Calc(Months[i & 7], YearAwards[i & 7]));
ENGINE_BENCHMARK(TOthersManager::Calc, TOthersManager::Calc(Payments[i & 7]));
ENGINE_BENCHMARK(TOthersManager::AntiTax, TOthersManager::AntiTax(PaymentTaxes[i & 7]));
ENGINE_BENCHMARK(TOthersManager::AntiIncomeAfterTax,
                 TOthersManager::AntiIncomeAfterTax(PaymentsAfterTax[i & 7]));
ENGINE_BENCHMARK(TLateFeeManager::Calc, TLateFeeManager::Calc(Days[i & 7], Taxes[i & 7]));

// Capital numerals: CanConvert is a range check; ToCapital builds a string of up to 30
// characters, so it allocates.
ENGINE_BENCHMARK(TMoneyManager::CanConvert, TMoneyManager::CanConvert(Values[i & 7]));
ENGINE_BENCHMARK(TMoneyManager::ToCapital, TMoneyManager::ToCapital(Capitals[i & 7]));

// Social insurance contributions of one wage.
ENGINE_BENCHMARK(Golds::Contribute, Golds::Contribute(City, Incomes[i & 7]));

// The parameter file's text, read once when a window opens and written once on saving.
const std::string IniBytes = GoldsSetupIni::Write("[Options]\r\nLanguage=zh\r\n", City);
ENGINE_BENCHMARK(GoldsSetupIni::Read, GoldsSetupIni::Read(IniBytes));
ENGINE_BENCHMARK(GoldsSetupIni::Write, GoldsSetupIni::Write(IniBytes, City));

// The number rules every page uses.
ENGINE_BENCHMARK(NumText::ParseAmount, NumText::ParseAmount(Texts[i & 7]));
ENGINE_BENCHMARK(NumText::FormatGeneral, NumText::FormatGeneral(Values[i & 7]));
ENGINE_BENCHMARK(NumText::FormatCents, NumText::FormatCents(Values[i & 7]));

// What a page does with one typed amount: parse it, then show it back in the general form.
ENGINE_BENCHMARK(ParseThenDisplay,
                 NumText::FormatGeneral(NumText::ParseAmount(Texts[i & 7]).value_or(0)));

// The law in force since 2019, in whole cents. Amounts around the bounds of the three tables.
constexpr std::array<current::Cents, 8> CentAmounts{
    current::Yuan(36000),      current::Yuan(36000) + 1,
    current::Yuan(144000) + 1, current::Yuan(4000),
    current::Yuan(20000) + 1,  current::Yuan(318333) + 33,
    current::Yuan(960000) + 1, 1234567};
constexpr std::array<current::Cents, 8> OtherTaxable{0,
                                                     current::Yuan(100000),
                                                     -current::Yuan(30000),
                                                     current::Yuan(200000),
                                                     current::Yuan(50000),
                                                     current::Yuan(500000),
                                                     current::Yuan(2000000),
                                                     1};

ENGINE_BENCHMARK(current::TaxOn, current::TaxOn(current::Tables::Annual, CentAmounts[i & 7]));
ENGINE_BENCHMARK(current::WithholdNonResidentWage,
                 current::WithholdNonResidentWage(CentAmounts[i & 7]));
ENGINE_BENCHMARK(current::WithholdRemuneration,
                 current::WithholdRemuneration(CentAmounts[i & 7],
                                               static_cast<current::RemunerationKind>(i % 3),
                                               i & 4));
ENGINE_BENCHMARK(current::TaxBonusSeparately, current::TaxBonusSeparately(CentAmounts[i & 7]));
ENGINE_BENCHMARK(current::CompareBonus,
                 current::CompareBonus(CentAmounts[i & 7], OtherTaxable[(i + 3) & 7]));
ENGINE_BENCHMARK(current::Settle,
                 current::Settle({CentAmounts[i & 7], CentAmounts[(i + 1) & 7], 0, 0, 0,
                                  CentAmounts[(i + 2) & 7] / 10, current::Yuan(24000), 0, 0, 0,
                                  CentAmounts[(i + 5) & 7],
                                  static_cast<current::BonusMethod>(i & 1),
                                  CentAmounts[i & 7] / 10}));
ENGINE_BENCHMARK(current::TaxSeverance,
                 current::TaxSeverance(CentAmounts[i & 7] * 3, current::Yuan(60000)));

// A year of one employee (12 months, one record each): the unit of the payroll batch.
std::vector<current::WageMonth> AYear(std::size_t Seed) {
    std::vector<current::WageMonth> months;
    for (int m = 1; m <= 12; ++m)
        months.push_back(
            {m, CentAmounts[(Seed + m) & 7] / 4, 0, current::Yuan(2000), current::Yuan(3000), 0});
    return months;
}
const std::array<std::vector<current::WageMonth>, 8> WageYears{
    AYear(0), AYear(1), AYear(2), AYear(3), AYear(4), AYear(5), AYear(6), AYear(7)};
ENGINE_BENCHMARK(current::WithholdWages,
                 current::WithholdWages(WageYears[i & 7], current::BasicDeduction::PerMonth));

// From a net back to the least gross: a binary search of about 47 forward runs each. Nets from
// a small payment to past the top bracket; the wage with a fixed insurance, by rate within a base
// and with none.
constexpr std::array<current::Cents, 8> Nets{
    current::Yuan(3360),  current::Yuan(7910) + 1, current::Yuan(15000),  current::Yuan(34920) + 1,
    current::Yuan(40000), current::Yuan(100000),   current::Yuan(600000), 1};
const std::array<current::WageTerms, 4> WageTermsOf{
    current::WageTerms{},
    current::WageTerms{0, current::Yuan(2000), std::nullopt, current::Yuan(3000), 0},
    current::WageTerms{0, 0,
                       current::InsuranceByRate{1050, current::Yuan(7162), current::Yuan(35811)},
                       current::Yuan(1000), 0},
    current::WageTerms{current::Yuan(500), 0, current::InsuranceByRate{2250, 0, current::Unbounded},
                       0, current::Yuan(100)}};
ENGINE_BENCHMARK(current::ReverseWage, current::ReverseWage(Nets[i & 7], WageTermsOf[i & 3]));
ENGINE_BENCHMARK(current::ReverseBonus,
                 current::ReverseBonus(Nets[i & 7], OtherTaxable[(i + 3) & 7]));
ENGINE_BENCHMARK(current::ReverseRemuneration,
                 current::ReverseRemuneration(Nets[i & 7],
                                              static_cast<current::RemunerationKind>(i % 3),
                                              i & 4));

// Typed text to cents and cents to text, as the command line and the sheets do per cell.
ENGINE_BENCHMARK(current::ParseCents, current::ParseCents(Texts[i & 7]));
ENGINE_BENCHMARK(current::FormatCents, current::FormatCents(CentAmounts[i & 7]));

} // namespace
