#include "engine/current/Year.h"

#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace current {
namespace {

constexpr int Months = Law::MonthsInYear;

// Facts that CheckYear refuses still compute without reaching outside the year: a month outside
// it is left out.
bool InYear(int Month) {
    return Month >= 1 && Month <= Months;
}

std::size_t Slot(int Month) {
    return static_cast<std::size_t>(Month - 1);
}

// Calendar months counted as MonthIndex counts them, in 64 bits: the facts' years and months may
// be anything when CheckYear refused them, and no sum of them may overflow.
using MonthCount = std::int64_t;
constexpr MonthCount Never = std::numeric_limits<MonthCount>::max();

MonthCount Index(int Year, int Month) {
    return MonthCount{Year} * Months + Month - 1;
}

MonthCount Index(const CalendarMonth &When) {
    return Index(When.Year, When.Month);
}

// Calendar month index of each month of the year, January first.
struct YearMonths {
    explicit YearMonths(int Year) : January(Index(Year, 1)) {}
    MonthCount At(std::size_t Month0) const { return January + static_cast<MonthCount>(Month0); }
    MonthCount January;
};

// A child is entitled to infant care from its birth month until the month before its 3rd
// birthday, and to education from that month until the end of its education.
void AddChildren(Timeline &T, const YearFacts &F, const YearRules &R, const YearMonths &Y) {
    for (const ChildFacts &child : F.Children) {
        const MonthCount born = Index(child.Born.Year, child.Born.Month);
        const MonthCount third = born + Law::InfantYears * Months;
        const MonthCount end = child.EducationEnd ? Index(*child.EducationEnd) : Never;
        const Cents education = Percent(R.ChildEducation, child.Share);
        const Cents care = Percent(R.InfantCare, child.Share);
        for (std::size_t m = 0; m < T.size(); ++m) {
            const MonthCount at = Y.At(m);
            if (at >= third && at <= end)
                T[m].Children += education;
            else if (at >= born && at < third)
                T[m].InfantCare += care;
        }
    }
}

// From the month the earliest-born parent turns 60.
void AddElderly(Timeline &T, const YearFacts &F, const YearRules &R, const YearMonths &Y) {
    if (!F.Elderly || F.Elderly->ParentsBorn.empty())
        return;
    const ElderlyFacts &elderly = *F.Elderly;
    MonthCount earliest = Never;
    for (const Date &born : elderly.ParentsBorn)
        earliest = std::min(earliest, Index(born.Year, born.Month));
    const MonthCount from = earliest + Law::ElderlyAge * Months;
    const Cents amount = elderly.OnlyChild ? R.ElderlyOnlyChild : elderly.Share.value_or(0);
    for (std::size_t m = 0; m < T.size(); ++m) {
        if (Y.At(m) >= from)
            T[m].Elderly = amount;
    }
}

// The loan for at most 240 months from the first repayment; rent in a lease's months, the larger
// amount where leases overlap.
void AddHome(Timeline &T, const YearFacts &F, const YearRules &R, const YearMonths &Y) {
    if (F.HousingLoan) {
        const MonthCount first = Index(F.HousingLoan->FirstRepayment);
        const Cents amount = Percent(R.HousingLoan, F.HousingLoan->Share);
        for (std::size_t m = 0; m < T.size(); ++m) {
            if (Y.At(m) >= first && Y.At(m) < first + Law::LoanMonths)
                T[m].HousingLoan = amount;
        }
    }
    for (const LeaseFacts &lease : F.Rent) {
        for (std::size_t m = 0; m < T.size(); ++m) {
            if (Y.At(m) >= Index(lease.From) && Y.At(m) <= Index(lease.To))
                T[m].Rent = std::max(T[m].Rent, lease.Amount);
        }
    }
}

// A degree course's months up to its 48th, once however many overlap; the certificate's amount
// in the month of the year's first.
void AddStudies(Timeline &T, const YearFacts &F, const YearRules &R, const YearMonths &Y) {
    for (std::size_t m = 0; m < T.size(); ++m) {
        const bool studying =
            std::any_of(F.DegreeStudy.begin(), F.DegreeStudy.end(), [&](const DegreeFacts &c) {
                const MonthCount from = Index(c.From);
                const MonthCount last =
                    std::min(c.To ? Index(*c.To) : Never, from + Law::DegreeMonths - 1);
                return Y.At(m) >= from && Y.At(m) <= last;
            });
        if (studying)
            T[m].ContinuingEducation = R.DegreeStudy;
    }
    if (F.Certificates.empty())
        return;
    const auto first = std::min_element(
        F.Certificates.begin(), F.Certificates.end(),
        [](const CalendarMonth &a, const CalendarMonth &b) { return Index(a) < Index(b); });
    // Refused facts still compute without fault: a month outside the year touches nothing.
    if (InYear(first->Month))
        T[Slot(first->Month)].ContinuingEducation += R.Certificate;
}

// Pension in the month paid and health insurance in its months, each while the year's total
// stays within its cap; health insurance at most the monthly amount, whatever the policies.
void AddPensionAndHealth(Timeline &T, const YearFacts &F, const YearRules &R) {
    std::array<Cents, Months> paid{};
    for (const PensionFacts &payment : F.Pension) {
        if (InYear(payment.Month))
            paid[Slot(payment.Month)] += payment.Amount;
    }
    std::array<Cents, Months> covered{};
    for (const HealthFacts &cover : F.HealthInsurance) {
        for (int month = std::max(cover.From, 1); month <= std::min(cover.To, Months); ++month)
            covered[Slot(month)] += std::min(cover.Monthly, R.HealthMonthly);
    }
    Cents pension = 0;
    Cents health = 0;
    for (std::size_t m = 0; m < T.size(); ++m) {
        T[m].Pension = std::min(paid[m], R.PensionCap - pension);
        pension += T[m].Pension;
        T[m].HealthInsurance = std::min({covered[m], R.HealthMonthly, R.HealthAnnual - health});
        health += T[m].HealthInsurance;
    }
}

// The job's months as paid: the pay entry in force in each.
std::vector<WageMonth> PaidMonths(const JobFacts &Job) {
    std::vector<WageMonth> months;
    months.reserve(Months);
    std::size_t entry = 0;
    for (int month = std::max(Job.From, 1); month <= std::min(Job.To, Months) && !Job.Pay.empty();
         ++month) {
        while (entry + 1 < Job.Pay.size() && Job.Pay[entry + 1].From <= month)
            ++entry;
        const PayFacts &pay = Job.Pay[entry];
        months.push_back({month, pay.Income, pay.Exempt, pay.Insurance, 0, pay.Other});
    }
    return months;
}

// The settlement takes the wages as paid, before the person's deductions join the months.
void AddWages(SettlementInput &In, const std::vector<WageMonth> &Months) {
    for (const WageMonth &month : Months) {
        In.Wages += month.Income;
        In.Exempt += month.Exempt;
        In.Insurance += month.Insurance;
        In.Other += month.Other;
    }
}

// Where the job deducts them, each month's entitlements: the special additional deductions, and
// the pension and health insurance as other deductions.
void AddEntitlements(std::vector<WageMonth> &Months, const Timeline &T) {
    for (WageMonth &month : Months) {
        const EntitlementMonth &due = T[Slot(month.Month)];
        month.Special = due.Special();
        month.Other += due.Pension + due.HealthInsurance;
    }
}

Cents &TotalOfKind(SettlementInput &In, RemunerationKind Kind) {
    switch (Kind) {
    case RemunerationKind::Author:
        return In.Author;
    case RemunerationKind::Royalty:
        return In.Royalty;
    case RemunerationKind::Labour:
        break;
    }
    return In.Labour;
}

// The bonus and the job that pays it, its tax not yet worked out.
BonusWithholding BonusOf(const YearFacts &F) {
    const auto job = std::find_if(F.Jobs.begin(), F.Jobs.end(), [&](const JobFacts &j) {
        return j.Employer == F.Bonus->Employer;
    });
    return {F.Bonus->Month,
            F.Bonus->Amount,
            static_cast<std::size_t>(job - F.Jobs.begin()),
            F.Bonus->Employer,
            {},
            std::nullopt};
}

// The bonus on its own, where the year's law allows it; otherwise it is wages of its month.
std::optional<BonusWithholding> WithholdBonus(const YearFacts &F, const YearRules &R) {
    if (!F.Bonus || !R.SeparateBonus)
        return std::nullopt;
    BonusWithholding bonus = BonusOf(F);
    bonus.Due = TaxBonusSeparately(F.Bonus->Amount, R);
    return bonus;
}

// Where the year's law taxes the bonus only as wages, it is paid with the month's wages of the
// job that pays it, and withheld with them.
void AddBonusToWages(std::vector<WageMonth> &Months, const JobFacts &Job, const YearFacts &F,
                     const YearRules &R) {
    if (!F.Bonus || R.SeparateBonus || Job.Employer != F.Bonus->Employer)
        return;
    for (WageMonth &month : Months) {
        if (month.Month == F.Bonus->Month)
            month.Income += F.Bonus->Amount;
    }
}

// The method asked for, or the cheaper of the two (separate when they cost the same); merged
// alone where the year's law has no separate bonus. With a bonus taxed either way, the other
// method's figures beside it, so that the choice can be shown by how much.
YearSettlement SettleAs(SettlementInput In, BonusChoice Choice, const YearRules &Rules) {
    YearSettlement s;
    In.Method = Rules.SeparateBonus ? BonusMethod::Separate : BonusMethod::Merged;
    const Settlement separate = Settle(In, Rules);
    s.Figures = separate;
    if (Rules.SeparateBonus && (Choice != BonusChoice::Separate || In.Bonus > 0)) {
        SettlementInput merged = In;
        merged.Method = BonusMethod::Merged;
        const Settlement m = Settle(merged, Rules);
        if (Choice == BonusChoice::Merged ||
            (Choice == BonusChoice::Best && m.TotalTax < s.Figures.TotalTax)) {
            s.Figures = m;
            In = merged;
        }
        if (In.Bonus > 0)
            s.Other = In.Method == BonusMethod::Merged ? separate : m;
    }
    s.Method = In.Method;
    s.Input = In;
    return s;
}

} // namespace

Timeline EntitlementsOf(const YearFacts &Facts, const YearRules &Rules) {
    Timeline t{};
    for (std::size_t m = 0; m < t.size(); ++m)
        t[m].Month = static_cast<int>(m) + 1;
    const YearMonths year(Facts.Year);
    AddChildren(t, Facts, Rules, year);
    AddElderly(t, Facts, Rules, year);
    AddHome(t, Facts, Rules, year);
    AddStudies(t, Facts, Rules, year);
    AddPensionAndHealth(t, Facts, Rules);
    return t;
}

std::vector<WageMonth> JobMonths(const JobFacts &Job, const Timeline &Entitlements) {
    std::vector<WageMonth> months = PaidMonths(Job);
    if (Job.DeductionsHere)
        AddEntitlements(months, Entitlements);
    return months;
}

Cents IllnessDeduction(const std::vector<IllnessFacts> &Illness) {
    const auto deductible = [](Cents Paid) {
        return std::clamp(Paid - Law::IllnessFloor, Cents{0}, Law::IllnessCap);
    };
    Cents self = 0;
    Cents spouse = 0;
    Cents children = 0;
    // Each named child's total, in the order first named: a year holds at most MaxEntries.
    std::vector<std::pair<PatientFacts, Cents>> named;
    for (const IllnessFacts &cost : Illness) {
        if (cost.Who == IllnessOf::Self) {
            self += cost.Paid;
        } else if (cost.Who == IllnessOf::Spouse) {
            spouse += cost.Paid;
        } else if (!cost.Child) {
            children += deductible(cost.Paid);
        } else {
            const auto same = std::find_if(named.begin(), named.end(), [&](const auto &entry) {
                return entry.first == *cost.Child;
            });
            if (same == named.end())
                named.emplace_back(*cost.Child, cost.Paid);
            else
                same->second += cost.Paid;
        }
    }
    for (const auto &[child, paid] : named)
        children += deductible(paid);
    return deductible(self) + deductible(spouse) + children;
}

// A non-resident's year (个人所得税法 第二条、第六条): each month's wage on the monthly table after
// the monthly basic deduction, less the pay's tax-exempt income, insurance and other deductions
// but none of the person's own deductions; each payment and the bonus as a non-resident's; no
// settlement.
YearResult ComputeNonResidentYear(const YearFacts &Facts, const YearRules &Rules) {
    YearResult r;
    r.NonResident = true;
    for (std::size_t m = 0; m < r.Entitlements.size(); ++m)
        r.Entitlements[m].Month = static_cast<int>(m) + 1;
    r.Jobs.reserve(Facts.Jobs.size());
    for (const JobFacts &job : Facts.Jobs) {
        JobYear year;
        year.Facts = job;
        for (const WageMonth &month : PaidMonths(job)) {
            NonResidentWage wage = WithholdNonResidentWage(
                month.Income - month.Exempt - month.Insurance - month.Other, Rules);
            wage.Income = month.Income;
            wage.AfterTax = month.Income - month.Insurance - wage.Tax;
            year.NonResidentMonths.push_back({month.Month, wage});
            year.Withheld += wage.Tax;
        }
        r.Jobs.push_back(std::move(year));
    }
    r.Payments.reserve(Facts.Payments.size());
    for (const PaymentFacts &payment : Facts.Payments)
        r.Payments.push_back({WithholdRemuneration(payment.Amount, payment.Kind, true), payment});
    // A non-resident's bonus is spread over months whatever the residents' law does with it.
    if (Facts.Bonus) {
        r.Bonus = BonusOf(Facts);
        const NonResidentBonus bonus = TaxNonResidentBonus(Facts.Bonus->Amount, Rules);
        r.Bonus->Due = {bonus.Rate, bonus.QuickDeduction, bonus.Tax};
        r.Bonus->NonResident = bonus;
    }
    return r;
}

YearResult ComputeYear(const YearFacts &Facts) {
    const YearRules *found = RulesInUse(Facts.Year);
    return ComputeYear(Facts, found ? *found : LatestRules());
}

YearResult ComputeYear(const YearFacts &Facts, const YearRules &Rules) {
    const YearRules &rules = Rules;
    if (Facts.NonResident())
        return ComputeNonResidentYear(Facts, rules);
    YearResult r;
    r.Entitlements = EntitlementsOf(Facts, rules);

    SettlementInput in;
    in.Year = rules.Year;
    r.Jobs.reserve(Facts.Jobs.size());
    for (const JobFacts &job : Facts.Jobs) {
        std::vector<WageMonth> months = PaidMonths(job);
        AddWages(in, months);
        AddBonusToWages(months, job, Facts, rules);
        if (job.DeductionsHere)
            AddEntitlements(months, r.Entitlements);
        JobYear year{WithholdWages(months, job.Mode, rules), 0, {}, job};
        for (const WageWithholding &month : year.Months)
            year.Withheld += month.Tax;
        in.Withheld += year.Withheld;
        r.Jobs.push_back(std::move(year));
    }
    r.Payments.reserve(Facts.Payments.size());
    for (const PaymentFacts &payment : Facts.Payments) {
        r.Payments.push_back({WithholdRemuneration(payment.Amount, payment.Kind), payment});
        TotalOfKind(in, payment.Kind) += payment.Amount;
        in.Withheld += r.Payments.back().Tax;
    }
    r.Bonus = WithholdBonus(Facts, rules);
    if (Facts.Bonus)
        in.Bonus = Facts.Bonus->Amount;
    if (r.Bonus)
        in.Withheld += r.Bonus->Due.Tax;

    Cents special = 0;
    for (const EntitlementMonth &month : r.Entitlements) {
        special += month.Special();
        in.Pension += month.Pension;
        in.Health += month.HealthInsurance;
    }
    const Cents illness = IllnessDeduction(Facts.Illness);
    in.Special = special + illness;
    for (const DonationFacts &donation : Facts.Donations)
        (donation.Full ? in.DonationsFull : in.Donations) += donation.Amount;
    r.Settled = SettleAs(in, Facts.BonusMethod, rules);
    r.Settled.Special = special;
    r.Settled.Illness = illness;
    r.Settled.Pension = in.Pension;
    r.Settled.HealthInsurance = in.Health;
    r.Settled.Donations = in.Donations;
    r.Settled.DonationsFull = in.DonationsFull;
    return r;
}

} // namespace current
