#pragma once
// One person's tax year as dated facts, as the year file holds them, key for key: the jobs with
// their pay changes, the children, parents, home, studies, illness, pension, health insurance,
// the remuneration payments and the annual bonus. Nothing here is worked out yet: the facts are
// what the person knows (a birth date, the month a lease starts), and the year engine turns them
// into the months' entitlements and withholding.
//
// CheckYear finds what the file's contract refuses once the text is read (a month outside the
// year, two employers deducting in one month, a share the law does not know), so that the file
// reader and a page editing the facts in place refuse alike, each with the key path of the fault.

#include "engine/current/Money.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Rules.h"
#include "engine/current/Wage.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace current {

// "YYYY-MM".
struct CalendarMonth {
    int Year = 0;
    int Month = 0; // 1 to 12
    bool operator==(const CalendarMonth &) const = default;
};

// One entry of a job's "pay": it holds from its month until the next entry or the job's end.
struct PayFacts {
    int From = 1;
    Cents Income = 0;
    Cents Exempt = 0;
    Cents Insurance = 0;
    Cents Other = 0;
    bool operator==(const PayFacts &) const = default;
};

struct JobFacts {
    std::string Employer; // UTF-8
    int From = 1;
    int To = 12;
    BasicDeduction Mode = BasicDeduction::PerMonth;
    // This employer deducts the special additional deductions, pension and health insurance
    // for the months it employs.
    bool DeductionsHere = true;
    std::vector<PayFacts> Pay;
    bool operator==(const JobFacts &) const = default;
};

struct ChildFacts {
    Date Born;
    int Share = 100; // percent: 100 or 50
    std::optional<CalendarMonth> EducationEnd;
    bool operator==(const ChildFacts &) const = default;
};

struct ElderlyFacts {
    std::vector<Date> ParentsBorn;
    bool OnlyChild = false;
    std::optional<Cents> Share; // a month; required unless an only child
    bool operator==(const ElderlyFacts &) const = default;
};

struct LoanFacts {
    CalendarMonth FirstRepayment;
    int Share = 100; // percent: 100 or 50
    bool operator==(const LoanFacts &) const = default;
};

struct LeaseFacts {
    CalendarMonth From;
    CalendarMonth To;
    Cents Amount = 0; // a month: one of the year's three rent amounts
    bool operator==(const LeaseFacts &) const = default;
};

struct DegreeFacts {
    CalendarMonth From;
    std::optional<CalendarMonth> To;
    bool operator==(const DegreeFacts &) const = default;
};

enum class IllnessOf { Self, Spouse, Child }; // 本人, 配偶, 子女

// Which child an entry of 子女 is: the index in the year's children or a name; entries naming the
// same child are one patient. An entry naming none is a child of its own.
struct PatientFacts {
    std::optional<std::size_t> Index;
    std::string Name; // UTF-8; used when Index is none
    bool operator==(const PatientFacts &) const = default;
};

struct IllnessFacts {
    // A constructor, so that an entry written as {who, paid} names no child.
    IllnessFacts() = default;
    IllnessFacts(IllnessOf Who, Cents Paid, std::optional<PatientFacts> Child = std::nullopt)
        : Who(Who), Paid(Paid), Child(std::move(Child)) {}

    IllnessOf Who = IllnessOf::Self;
    Cents Paid = 0; // self-paid in the year
    std::optional<PatientFacts> Child;
    bool operator==(const IllnessFacts &) const = default;
};

struct PensionFacts {
    int Month = 1;
    Cents Amount = 0;
    bool operator==(const PensionFacts &) const = default;
};

struct HealthFacts {
    int From = 1;
    int To = 12;
    Cents Monthly = 0;
    bool operator==(const HealthFacts &) const = default;
};

struct PaymentFacts {
    int Month = 1;
    RemunerationKind Kind = RemunerationKind::Labour;
    Cents Amount = 0;
    bool operator==(const PaymentFacts &) const = default;
};

struct BonusFacts {
    int Month = 1;
    Cents Amount = 0;
    std::string Employer; // the job that pays it
    bool operator==(const BonusFacts &) const = default;
};

// A donation to public welfare (财政部 税务总局公告2019年第99号), deducted at settlement: limited
// to 30 % of the taxable income before donations, or in full where the law allows it.
struct DonationFacts {
    int Month = 1;
    Cents Amount = 0;
    bool Full = false;
    bool operator==(const DonationFacts &) const = default;
};

// How the bonus is taxed at settlement; Best takes the cheaper of the two.
enum class BonusChoice { Separate, Merged, Best };

struct YearFacts {
    int Year = 0;
    // What the person is called, UTF-8, empty when not said: it tells two years apart where both
    // are in view (the household page names a and b by it). Nothing is computed from it.
    std::string Name;
    std::vector<JobFacts> Jobs;
    std::vector<ChildFacts> Children;
    std::optional<ElderlyFacts> Elderly;
    std::optional<LoanFacts> HousingLoan;
    std::vector<LeaseFacts> Rent;
    std::vector<DegreeFacts> DegreeStudy;
    std::vector<CalendarMonth> Certificates;
    std::vector<IllnessFacts> Illness;
    std::vector<PensionFacts> Pension;
    std::vector<HealthFacts> HealthInsurance;
    std::vector<PaymentFacts> Payments;
    std::optional<BonusFacts> Bonus;
    BonusChoice BonusMethod = BonusChoice::Best;
    std::vector<DonationFacts> Donations;
    // Days in China in the year; none is a resident. Fewer than Law::ResidentDays: a non-resident.
    std::optional<int> DaysInChina;
    bool operator==(const YearFacts &) const = default;

    bool NonResident() const { return DaysInChina && *DaysInChina < Law::ResidentDays; }
};

// How many entries a year may hold: enough for any real year, and few enough that no sum of a
// year's amounts (each at most MaxInputCents) leaves 64 bits.
inline constexpr std::size_t MaxJobs = 100;
inline constexpr std::size_t MaxEntries = 1000; // of every other list
// The longest name, in characters: a person's name, not a text.
inline constexpr std::size_t MaxNameLength = 40;
// The years a date or calendar month may name.
inline constexpr int FirstDateYear = 1900;
inline constexpr int LastDateYear = 2100;

enum class YearFaultKind {
    YearUnknown,          // not FirstRulesYear to LastRulesYear
    TooManyEntries,       // Value: the most allowed
    NoJob,                // "jobs" is empty
    NoEmployer,           // an empty employer's name
    NoPay,                // a job's "pay" is empty
    MonthOutOfRange,      // not 1 to 12
    FromAfterTo,          // Path is the "from" of the pair
    AmountNegative,       //
    AmountTooLarge,       // Value: the most allowed
    FirstPayNotJobFrom,   // Value: the job's from
    PayNotRising,         // a pay entry's from not after the one before
    PayAfterJobEnd,       // Value: the job's to
    DeductedTwice,        // Other: the job deducting the same Month
    SixtyNotFromJanuary,  // 6万 on a job from a later month
    FromJanuaryNotFirst,  // 自1月 while Other starts earlier
    ModeNotYetLaw,        // 自1月 (Value 0) or 6万 (Value 1) in a year before the law had it
    PensionBeforeScheme,  // 个人养老金 paid before Law::PensionFrom
    ShareNotHalfOrWhole,  // a child's or the loan's share not 100 or 50
    ElderlyShareTooLarge, // Value: the year's limit
    ElderlyShareMissing,  //
    NoParent,             // "parents_born" is empty
    RentAmountUnknown,    // not one of the year's three amounts
    RentAndLoan,          // Other: the housing loan, also in the year
    OutsideYear,          // a certificate's month
    NoSuchEmployer,       // the bonus names no job
    DateInvalid,          // no such day or month, or a year outside the dates' years
    DaysOutOfRange,       // days in China not 1 to Law::MaxDaysInYear
    NoSuchChild,          // an illness entry's child index beyond the children; Value: their count
    ChildNameEmpty,       // an illness entry's child named by an empty name
    ChildNotChild,        // a child named on an entry of 本人 or 配偶
};

struct YearFault {
    YearFaultKind Kind = YearFaultKind::YearUnknown;
    std::string Path;  // "jobs[1].pay[0].from"
    std::string Other; // the other place a conflict concerns, or empty
    int Month = 0;     // the month of a conflict
    Cents Value = 0;   // the limit or value the fault names
    int Year = 0;      // the file's year, whose rules the message may quote
};

// The first fault in the order of the file's keys; none when the year engine may run on Facts.
std::optional<YearFault> CheckYear(const YearFacts &Facts);
// The same under the rules given rather than those of Facts.Year.
std::optional<YearFault> CheckYear(const YearFacts &Facts, const YearRules &Rules);

// Whether some month of the loan's repayments, or of the lease, falls in Year: the law allows a
// person (and a couple) the loan or the rent in a year, not both.
bool ReachesYear(const LoanFacts &Loan, int Year);
bool ReachesYear(const LeaseFacts &Lease, int Year);

// Months counted from January of year 0, so that calendar months subtract.
constexpr int MonthIndex(int Year, int Month) {
    return Year * 12 + Month - 1;
}
constexpr int MonthIndex(const CalendarMonth &When) {
    return MonthIndex(When.Year, When.Month);
}

} // namespace current
