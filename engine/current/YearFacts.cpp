#include "engine/current/YearFacts.h"

#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace current {
namespace {

std::string Item(const std::string &List, std::size_t Index) {
    return List + '[' + std::to_string(Index) + ']';
}

std::string Key(const std::string &Object, const char *Name) {
    return Object + '.' + Name;
}

bool IsLeapYear(int Year) {
    return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

int DaysIn(int Year, int Month) {
    constexpr std::array<int, 12> Days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Month == 2 && IsLeapYear(Year) ? 29 : Days[static_cast<std::size_t>(Month - 1)];
}

bool IsValid(const CalendarMonth &When) {
    return When.Year >= FirstDateYear && When.Year <= LastDateYear && When.Month >= 1 &&
           When.Month <= 12;
}

bool IsValid(const Date &When) {
    return IsValid(CalendarMonth{When.Year, When.Month}) && When.Day >= 1 &&
           When.Day <= DaysIn(When.Year, When.Month);
}

// Calendar months as MonthIndex counts them, in 64 bits: the facts checked may hold any year.
std::int64_t Index(int Year, int Month) {
    return std::int64_t{Year} * 12 + Month - 1;
}

std::int64_t Index(const CalendarMonth &When) {
    return Index(When.Year, When.Month);
}

// Whether the months First to Last (calendar month indexes) reach into Year.
bool ReachesInto(std::int64_t First, std::int64_t Last, int Year) {
    return First <= Index(Year, 12) && Last >= Index(Year, 1);
}

// Walks the facts in the order of the file's keys and keeps the first fault; each check does
// nothing once one is found, so the order of the calls is the order of the report.
class Checker {
  public:
    Checker(const YearFacts &Facts, const YearRules *Rules) : Facts(Facts), Rules(Rules) {}

    std::optional<YearFault> Run() {
        if (!Rules)
            Fail(YearFaultKind::YearUnknown, "year");
        CheckJobs();
        CheckChildren();
        CheckElderly();
        CheckHome();
        CheckStudies();
        CheckIllnessAndPension();
        CheckPaymentsAndBonus();
        CheckDonationsAndDays();
        return Found;
    }

  private:
    bool Ok() const { return !Found.has_value(); }

    void Fail(YearFaultKind Kind, std::string Path, Cents Value = 0, std::string Other = {},
              int Month = 0) {
        if (Ok())
            Found = YearFault{Kind, std::move(Path), std::move(Other), Month, Value, Facts.Year};
    }

    void Count(std::size_t Size, std::size_t Limit, const char *Path) {
        if (Size > Limit)
            Fail(YearFaultKind::TooManyEntries, Path, static_cast<Cents>(Limit));
    }

    void Amount(Cents Value, const std::string &Path) {
        if (Value < 0)
            Fail(YearFaultKind::AmountNegative, Path);
        else if (Value > LargestInputCents)
            Fail(YearFaultKind::AmountTooLarge, Path, LargestInputCents);
    }

    void Month(int Value, const std::string &Path) {
        if (Value < 1 || Value > 12)
            Fail(YearFaultKind::MonthOutOfRange, Path);
    }

    // Months of the year From to To at Object's "from" and "to".
    void Months(int From, int To, const std::string &Object) {
        Month(From, Key(Object, "from"));
        Month(To, Key(Object, "to"));
        if (From > To)
            Fail(YearFaultKind::FromAfterTo, Key(Object, "from"));
    }

    void Calendar(const CalendarMonth &When, const std::string &Path) {
        if (!IsValid(When))
            Fail(YearFaultKind::DateInvalid, Path);
    }

    void Share(int Percent, const std::string &Path) {
        if (Percent != Law::WholeShare && Percent != Law::HalfShare)
            Fail(YearFaultKind::ShareNotHalfOrWhole, Path);
    }

    void CheckJobs();
    void CheckJob(const JobFacts &Job, const std::string &Path);
    void CheckDeductingJobs();
    void CheckChildren();
    void CheckElderly();
    void CheckHome();
    void CheckStudies();
    void CheckIllnessAndPension();
    void CheckPaymentsAndBonus();
    void CheckDonationsAndDays();

    const YearFacts &Facts;
    const YearRules *Rules; // none for a year the program does not know
    std::optional<YearFault> Found;
};

void Checker::CheckJobs() {
    Count(Facts.Jobs.size(), MaxJobs, "jobs");
    if (Facts.Jobs.empty())
        Fail(YearFaultKind::NoJob, "jobs");
    for (std::size_t i = 0; i < Facts.Jobs.size() && Ok(); ++i)
        CheckJob(Facts.Jobs[i], Item("jobs", i));
    CheckDeductingJobs();
}

void Checker::CheckJob(const JobFacts &Job, const std::string &Path) {
    if (Job.Employer.empty())
        Fail(YearFaultKind::NoEmployer, Key(Path, "employer"));
    Months(Job.From, Job.To, Path);
    if (Rules && !InLaw(Job.Mode, *Rules))
        Fail(YearFaultKind::ModeNotYetLaw, Key(Path, "mode"), Job.Mode == BasicDeduction::Sixty);
    if (Job.Mode == BasicDeduction::Sixty && Job.From != 1)
        Fail(YearFaultKind::SixtyNotFromJanuary, Key(Path, "mode"));
    const std::string pay = Key(Path, "pay");
    if (Job.Pay.empty())
        Fail(YearFaultKind::NoPay, pay);
    for (std::size_t k = 0; k < Job.Pay.size() && Ok(); ++k) {
        const PayFacts &entry = Job.Pay[k];
        const std::string at = Item(pay, k);
        Month(entry.From, Key(at, "from"));
        if (k == 0 && entry.From != Job.From)
            Fail(YearFaultKind::FirstPayNotJobFrom, Key(at, "from"), Job.From);
        if (k > 0 && entry.From <= Job.Pay[k - 1].From)
            Fail(YearFaultKind::PayNotRising, Key(at, "from"));
        if (entry.From > Job.To)
            Fail(YearFaultKind::PayAfterJobEnd, Key(at, "from"), Job.To);
        Amount(entry.Income, Key(at, "income"));
        Amount(entry.Exempt, Key(at, "exempt"));
        Amount(entry.Insurance, Key(at, "insurance"));
        Amount(entry.Other, Key(at, "other"));
    }
}

// One employer at a time deducts the person's own deductions; 自1月 belongs to the year's first.
void Checker::CheckDeductingJobs() {
    for (std::size_t j = 0; j < Facts.Jobs.size() && Ok(); ++j) {
        const JobFacts &job = Facts.Jobs[j];
        for (std::size_t i = 0; i < j && job.DeductionsHere && Ok(); ++i) {
            const JobFacts &earlier = Facts.Jobs[i];
            const int first = std::max(job.From, earlier.From);
            if (earlier.DeductionsHere && first <= std::min(job.To, earlier.To))
                Fail(YearFaultKind::DeductedTwice, Key(Item("jobs", j), "deductions_here"), 0,
                     Item("jobs", i), first);
        }
        for (std::size_t i = 0; i < Facts.Jobs.size() && Ok(); ++i) {
            if (job.Mode == BasicDeduction::FromJanuary && Facts.Jobs[i].From < job.From)
                Fail(YearFaultKind::FromJanuaryNotFirst, Key(Item("jobs", j), "mode"), 0,
                     Item("jobs", i));
        }
    }
}

void Checker::CheckChildren() {
    Count(Facts.Children.size(), MaxEntries, "children");
    for (std::size_t i = 0; i < Facts.Children.size() && Ok(); ++i) {
        const ChildFacts &child = Facts.Children[i];
        const std::string at = Item("children", i);
        if (!IsValid(child.Born))
            Fail(YearFaultKind::DateInvalid, Key(at, "born"));
        Share(child.Share, Key(at, "share"));
        if (child.EducationEnd)
            Calendar(*child.EducationEnd, Key(at, "education_end"));
    }
}

void Checker::CheckElderly() {
    if (!Facts.Elderly || !Ok())
        return;
    const ElderlyFacts &elderly = *Facts.Elderly;
    Count(elderly.ParentsBorn.size(), MaxEntries, "elderly.parents_born");
    if (elderly.ParentsBorn.empty())
        Fail(YearFaultKind::NoParent, "elderly.parents_born");
    for (std::size_t i = 0; i < elderly.ParentsBorn.size() && Ok(); ++i) {
        if (!IsValid(elderly.ParentsBorn[i]))
            Fail(YearFaultKind::DateInvalid, Item("elderly.parents_born", i));
    }
    if (elderly.Share)
        Amount(*elderly.Share, "elderly.share");
    if (!elderly.OnlyChild && !elderly.Share)
        Fail(YearFaultKind::ElderlyShareMissing, "elderly.share");
    const YearRules *rules = Rules;
    if (!elderly.OnlyChild && elderly.Share && rules && *elderly.Share > rules->ElderlyShareMax)
        Fail(YearFaultKind::ElderlyShareTooLarge, "elderly.share", rules->ElderlyShareMax);
}

void Checker::CheckHome() {
    const YearRules *rules = Rules;
    if (Facts.HousingLoan) {
        Calendar(Facts.HousingLoan->FirstRepayment, "housing_loan.first_repayment");
        Share(Facts.HousingLoan->Share, "housing_loan.share");
    }
    Count(Facts.Rent.size(), MaxEntries, "rent");
    for (std::size_t i = 0; i < Facts.Rent.size() && Ok(); ++i) {
        const LeaseFacts &lease = Facts.Rent[i];
        const std::string at = Item("rent", i);
        Calendar(lease.From, Key(at, "from"));
        Calendar(lease.To, Key(at, "to"));
        if (Index(lease.From) > Index(lease.To))
            Fail(YearFaultKind::FromAfterTo, Key(at, "from"));
        if (rules && lease.Amount != rules->RentLargeCity &&
            lease.Amount != rules->RentMiddleCity && lease.Amount != rules->RentSmallCity)
            Fail(YearFaultKind::RentAmountUnknown, Key(at, "amount"));
    }
    if (!Ok() || !Facts.HousingLoan || !ReachesYear(*Facts.HousingLoan, Facts.Year))
        return;
    for (std::size_t i = 0; i < Facts.Rent.size(); ++i) {
        if (ReachesYear(Facts.Rent[i], Facts.Year))
            Fail(YearFaultKind::RentAndLoan, Item("rent", i), 0, "housing_loan");
    }
}

void Checker::CheckStudies() {
    Count(Facts.DegreeStudy.size(), MaxEntries, "degree_study");
    for (std::size_t i = 0; i < Facts.DegreeStudy.size() && Ok(); ++i) {
        const DegreeFacts &course = Facts.DegreeStudy[i];
        const std::string at = Item("degree_study", i);
        Calendar(course.From, Key(at, "from"));
        if (course.To)
            Calendar(*course.To, Key(at, "to"));
        if (course.To && Index(course.From) > Index(*course.To))
            Fail(YearFaultKind::FromAfterTo, Key(at, "from"));
    }
    Count(Facts.Certificates.size(), MaxEntries, "certificates");
    for (std::size_t i = 0; i < Facts.Certificates.size() && Ok(); ++i) {
        Calendar(Facts.Certificates[i], Item("certificates", i));
        if (Facts.Certificates[i].Year != Facts.Year)
            Fail(YearFaultKind::OutsideYear, Item("certificates", i));
    }
}

void Checker::CheckIllnessAndPension() {
    Count(Facts.Illness.size(), MaxEntries, "illness");
    for (std::size_t i = 0; i < Facts.Illness.size(); ++i) {
        const IllnessFacts &cost = Facts.Illness[i];
        Amount(cost.Paid, Key(Item("illness", i), "paid"));
        if (!cost.Child)
            continue;
        const std::string child = Key(Item("illness", i), "child");
        if (cost.Who != IllnessOf::Child)
            Fail(YearFaultKind::ChildNotChild, child);
        else if (cost.Child->Index && *cost.Child->Index >= Facts.Children.size())
            Fail(YearFaultKind::NoSuchChild, child, static_cast<Cents>(Facts.Children.size()));
        else if (!cost.Child->Index && cost.Child->Name.empty())
            Fail(YearFaultKind::ChildNameEmpty, child);
    }
    Count(Facts.Pension.size(), MaxEntries, "pension");
    for (std::size_t i = 0; i < Facts.Pension.size(); ++i) {
        Month(Facts.Pension[i].Month, Key(Item("pension", i), "month"));
        // Paid before the scheme began: a month wholly before its first day.
        if (Index(Facts.Year, Facts.Pension[i].Month) <
            Index(Law::PensionFrom.Year, Law::PensionFrom.Month))
            Fail(YearFaultKind::PensionBeforeScheme, Key(Item("pension", i), "month"));
        Amount(Facts.Pension[i].Amount, Key(Item("pension", i), "amount"));
    }
    Count(Facts.HealthInsurance.size(), MaxEntries, "health_insurance");
    for (std::size_t i = 0; i < Facts.HealthInsurance.size(); ++i) {
        const HealthFacts &cover = Facts.HealthInsurance[i];
        Months(cover.From, cover.To, Item("health_insurance", i));
        Amount(cover.Monthly, Key(Item("health_insurance", i), "monthly"));
    }
}

void Checker::CheckPaymentsAndBonus() {
    Count(Facts.Payments.size(), MaxEntries, "payments");
    for (std::size_t i = 0; i < Facts.Payments.size(); ++i) {
        Month(Facts.Payments[i].Month, Key(Item("payments", i), "month"));
        Amount(Facts.Payments[i].Amount, Key(Item("payments", i), "amount"));
    }
    if (!Facts.Bonus)
        return;
    Month(Facts.Bonus->Month, "bonus.month");
    Amount(Facts.Bonus->Amount, "bonus.amount");
    const bool named = std::any_of(Facts.Jobs.begin(), Facts.Jobs.end(), [&](const JobFacts &j) {
        return j.Employer == Facts.Bonus->Employer;
    });
    if (!named)
        Fail(YearFaultKind::NoSuchEmployer, "bonus.employer");
}

void Checker::CheckDonationsAndDays() {
    Count(Facts.Donations.size(), MaxEntries, "donations");
    for (std::size_t i = 0; i < Facts.Donations.size(); ++i) {
        Month(Facts.Donations[i].Month, Key(Item("donations", i), "month"));
        Amount(Facts.Donations[i].Amount, Key(Item("donations", i), "amount"));
    }
    if (Facts.DaysInChina && (*Facts.DaysInChina < 1 || *Facts.DaysInChina > Law::MaxDaysInYear))
        Fail(YearFaultKind::DaysOutOfRange, "days_in_china", Law::MaxDaysInYear);
}

} // namespace

std::optional<YearFault> CheckYear(const YearFacts &Facts) {
    return Checker(Facts, RulesInUse(Facts.Year)).Run();
}

std::optional<YearFault> CheckYear(const YearFacts &Facts, const YearRules &Rules) {
    return Checker(Facts, &Rules).Run();
}

bool ReachesYear(const LoanFacts &Loan, int Year) {
    const std::int64_t first = Index(Loan.FirstRepayment);
    return ReachesInto(first, first + Law::LoanMonths - 1, Year);
}

bool ReachesYear(const LeaseFacts &Lease, int Year) {
    return ReachesInto(Index(Lease.From), Index(Lease.To), Year);
}

} // namespace current
