// The year engine over any facts, built straight from the bytes with no file reader in between:
// facts the check refuses compute as well as those it accepts, without reading outside a table
// or overflowing (the sanitizers stop the run), whatever their months, dates, shares and
// indices; each amount stays within what every reader takes. Each result sits beside the facts
// it came from, and an accepted year settles to no negative taxable income.

#include "FuzzCheck.h"
#include "engine/current/Year.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

namespace {

using namespace current;

class Facts {
  public:
    explicit Facts(FuzzedDataProvider &Bytes) : In(Bytes) {}

    YearFacts Year() {
        YearFacts f;
        f.Year = In.ConsumeBool() ? In.ConsumeIntegralInRange(FirstRulesYear - 1, LastRulesYear + 1)
                                  : In.ConsumeIntegral<int>();
        for (std::size_t i = Count(); i > 0; --i)
            f.Jobs.push_back(Job());
        for (std::size_t i = Count(); i > 0; --i)
            f.Children.push_back({Day(), Int(), Optional(&Facts::Month)});
        if (In.ConsumeBool()) {
            ElderlyFacts elderly;
            for (std::size_t i = Count(); i > 0; --i)
                elderly.ParentsBorn.push_back(Day());
            elderly.OnlyChild = In.ConsumeBool();
            elderly.Share = Optional(&Facts::Amount);
            f.Elderly = elderly;
        }
        if (In.ConsumeBool())
            f.HousingLoan = LoanFacts{Month(), Int()};
        for (std::size_t i = Count(); i > 0; --i)
            f.Rent.push_back({Month(), Month(), Amount()});
        for (std::size_t i = Count(); i > 0; --i)
            f.DegreeStudy.push_back({Month(), Optional(&Facts::Month)});
        for (std::size_t i = Count(); i > 0; --i)
            f.Certificates.push_back(Month());
        for (std::size_t i = Count(); i > 0; --i)
            f.Illness.push_back(Illness());
        for (std::size_t i = Count(); i > 0; --i)
            f.Pension.push_back({Int(), Amount()});
        for (std::size_t i = Count(); i > 0; --i)
            f.HealthInsurance.push_back({Int(), Int(), Amount()});
        for (std::size_t i = Count(); i > 0; --i)
            f.Payments.push_back({Int(), In.PickValueInArray(Kinds), Amount()});
        if (In.ConsumeBool())
            f.Bonus = BonusFacts{Int(), Amount(), Employer()};
        f.BonusMethod =
            In.PickValueInArray({BonusChoice::Separate, BonusChoice::Merged, BonusChoice::Best});
        for (std::size_t i = Count(); i > 0; --i)
            f.Donations.push_back({Int(), Amount(), In.ConsumeBool()});
        if (In.ConsumeBool())
            f.DaysInChina = In.ConsumeBool() ? In.ConsumeIntegralInRange(0, 400) : Int();
        return f;
    }

  private:
    static constexpr RemunerationKind Kinds[] = {RemunerationKind::Labour, RemunerationKind::Author,
                                                 RemunerationKind::Royalty};

    // A few entries: the engine's loops, not its lists' length, are what may go wrong.
    std::size_t Count() { return In.ConsumeIntegralInRange<std::size_t>(0, 3); }

    // Mostly near the year's months and the law's shares, now and then anything at all.
    int Int() {
        return In.ConsumeBool() ? In.ConsumeIntegralInRange(-1, 101) : In.ConsumeIntegral<int>();
    }

    int AnyYear() {
        return In.ConsumeBool() ? In.ConsumeIntegralInRange(FirstDateYear - 1, LastDateYear + 1)
                                : In.ConsumeIntegral<int>();
    }

    CalendarMonth Month() { return {AnyYear(), Int()}; }
    Date Day() { return {AnyYear(), Int(), Int()}; }

    Cents Amount() {
        return In.ConsumeBool() ? In.ConsumeIntegralInRange<Cents>(0, Yuan(100000))
                                : In.ConsumeIntegralInRange(-LargestInputCents, LargestInputCents);
    }

    std::string Employer() {
        return std::string(1, static_cast<char>('a' + In.ConsumeIntegralInRange(0, 2)));
    }

    template <typename T> std::optional<T> Optional(T (Facts::*Make)()) {
        if (!In.ConsumeBool())
            return std::nullopt;
        return (this->*Make)();
    }

    JobFacts Job() {
        JobFacts job;
        job.Employer = Employer();
        job.From = Int();
        job.To = Int();
        job.Mode = In.PickValueInArray(
            {BasicDeduction::PerMonth, BasicDeduction::FromJanuary, BasicDeduction::Sixty});
        job.DeductionsHere = In.ConsumeBool();
        for (std::size_t i = Count(); i > 0; --i)
            job.Pay.push_back({Int(), Amount(), Amount(), Amount(), Amount()});
        return job;
    }

    IllnessFacts Illness() {
        const IllnessOf who =
            In.PickValueInArray({IllnessOf::Self, IllnessOf::Spouse, IllnessOf::Child});
        std::optional<PatientFacts> child;
        if (In.ConsumeBool())
            child = PatientFacts{In.ConsumeBool()
                                     ? std::optional<std::size_t>(In.ConsumeIntegral<std::size_t>())
                                     : std::nullopt,
                                 Employer()};
        return {who, Amount(), child};
    }

    FuzzedDataProvider &In;
};

bool InYear(int Month) {
    return Month >= 1 && Month <= Law::MonthsInYear;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    FuzzedDataProvider bytes(Data, Size);
    const YearFacts facts = Facts(bytes).Year();
    const bool accepted = !CheckYear(facts).has_value();
    // Under the facts' own rules, and under rules that may tax the bonus only as wages.
    YearRules changed = LatestRules();
    changed.SeparateBonus = bytes.ConsumeBool();
    (void)CheckYear(facts, changed);
    for (const YearResult &year : {ComputeYear(facts), ComputeYear(facts, changed)}) {
        FUZZ_CHECK(year.Jobs.size() == facts.Jobs.size() &&
                       year.Payments.size() == facts.Payments.size(),
                   "%zu jobs and %zu payments for %zu and %zu", year.Jobs.size(),
                   year.Payments.size(), facts.Jobs.size(), facts.Payments.size());
        for (std::size_t j = 0; j < year.Jobs.size(); ++j) {
            FUZZ_CHECK(year.Jobs[j].Facts == facts.Jobs[j], "job %zu beside another's facts", j);
            for (const WageWithholding &month : year.Jobs[j].Months)
                FUZZ_CHECK(InYear(month.Month), "job %zu withholds month %d", j, month.Month);
            for (const NonResidentMonth &month : year.Jobs[j].NonResidentMonths)
                FUZZ_CHECK(InYear(month.Month), "job %zu withholds month %d", j, month.Month);
        }
        for (std::size_t i = 0; i < year.Payments.size(); ++i)
            FUZZ_CHECK(year.Payments[i].Facts == facts.Payments[i],
                       "payment %zu beside another's facts", i);
        for (std::size_t m = 0; m < year.Entitlements.size(); ++m)
            FUZZ_CHECK(year.Entitlements[m].Month == static_cast<int>(m) + 1, "month %d at %zu",
                       year.Entitlements[m].Month, m);
        FUZZ_CHECK(year.Bonus.has_value() <= facts.Bonus.has_value(), "a bonus out of nothing");
        if (year.Bonus)
            FUZZ_CHECK(year.Bonus->Employer == facts.Bonus->Employer, "the bonus's employer");
    }
    if (accepted)
        FUZZ_CHECK(ComputeYear(facts).Settled.Figures.Taxable >= 0, "taxable %lld",
                   static_cast<long long>(ComputeYear(facts).Settled.Figures.Taxable));
    return 0;
}
