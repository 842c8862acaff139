#pragma once
// The numbers of the law in force since 2019, each written once: what holds in every year (the
// shares and costs of remuneration, the tax-free multiple of severance) and, year by year, the
// amounts that changed (the special additional deductions of 2022 and 2023, the private pension
// from 2022). Engines, pages, the command line and the pictures all read them from here, so a
// change of law is a new row, and the words around a figure change with the figure.

#include "engine/current/Money.h"
#include "engine/current/TaxTable.h"

#include <array>
#include <cstddef>

namespace current {

// A day of the calendar ("YYYY-MM-DD"), and a day of the year, as the law dates its rules and a
// person's facts are dated.
struct Date {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool operator==(const Date &) const = default;
};
struct MonthDay {
    int Month = 0;
    int Day = 0;
};

// An announcement the law is cited by: its issuer, year and number
// ("国家税务总局公告2020年第19号").
enum class Issuer {
    Sat,    // 国家税务总局
    MofSat, // 财政部 税务总局
};
struct Document {
    Issuer By = Issuer::Sat;
    int Year = 0;
    int Number = 0;
    bool operator==(const Document &) const = default;
};

// Whether Day falls before When.
constexpr bool Before(const Date &Day, const Date &When) {
    return Day.Year != When.Year     ? Day.Year < When.Year
           : Day.Month != When.Month ? Day.Month < When.Month
                                     : Day.Day < When.Day;
}

// What holds in every year since 2019.
namespace Law {

inline constexpr int MonthsInYear = 12;

// Labour, author and royalty income: 20 % costs, or 800 on a payment of at most 4000 when
// withheld from a resident; author remuneration then counts at 70 %.
inline constexpr int CostRate = 20;
inline constexpr Cents SmallPayment = Yuan(4000);
inline constexpr Cents SmallPaymentCost = Yuan(800);
inline constexpr int AuthorShare = 70;

// Severance on ending a labour contract: tax free up to three times the local average annual
// wage of the previous year.
inline constexpr int TaxFreeYears = 3;

// A non-resident's bonus for several months paid in one month: spread over this many months on
// the monthly table, apart from that month's wage, once a calendar year (2019年第35号).
inline constexpr int NonResidentBonusMonths = 6;

// A lump sum for early retirement is spread over the years until the statutory retirement age
// (财税〔2018〕164号), which the NPC Standing Committee's decision raises gradually from 2025.
inline constexpr Date RetirementAgeDecision{2024, 9, 13};
inline constexpr int RetirementAgeRisesFrom = 2025;

// The share of a special additional deduction that one of two claimants takes.
inline constexpr int HalfShare = 50;
inline constexpr int WholeShare = 100;

// What the settlement counts of a remuneration: the income less the 20 % costs, and of that the
// author's share for author remuneration (80 % and 56 %); a student's internship pay withheld by
// the cumulative method counts the same 80 % month by month (国家税务总局公告2020年第13号).
inline constexpr int IncomeShare = WholeShare - CostRate;
inline constexpr int AuthorIncomeShare = IncomeShare * AuthorShare / WholeShare;

// The annual bonus may be taxed on its own, for one bonus a year (国税发〔2005〕9号), until this
// day (财政部 税务总局公告2023年第30号).
inline constexpr Date SeparateBonusUntil{2027, 12, 31};

// The annual settlement is made from the first to the last of these days of the following year.
inline constexpr MonthDay SettlementFrom{3, 1};
inline constexpr MonthDay SettlementUntil{6, 30};

// Housing rent: a city other than the largest takes the middle amount when its districts hold
// more than this many registered residents.
inline constexpr int MiddleCityResidents = 1'000'000;

// Serious illness: the self-paid part above the floor, up to the cap, for each person.
inline constexpr Cents IllnessFloor = Yuan(15000);
inline constexpr Cents IllnessCap = Yuan(80000);

// Continuing education in a degree course: a month's amount for at most this many months.
inline constexpr int DegreeMonths = 48;

// Housing loan interest: for at most this many months from the first repayment.
inline constexpr int LoanMonths = 240;

// No settlement is needed for a small amount owed or a low income (YearRules::SmallOwed,
// LowIncome), unless an employer should have withheld and did not: each year's announcement
// (YearRules::Exemptions) grants it for the tax years up to its last day, this one's the last.
inline constexpr Date SettlementExemptionsUntil{2027, 12, 31};

// The 6万 basic deduction (国家税务总局公告2020年第19号) is for those whose wages from the same
// employer came to at most this in the whole of the previous year, the bonus included.
inline constexpr Cents SixtyPreviousYearWages = Yuan(60000);

// 自1月: a person first paid wages in the year deducts 5000 for every month from January
// (国家税务总局公告2020年第13号), from this day: in 2020 it governs July to December only.
inline constexpr Date FromJanuaryFrom{2020, 7, 1};
inline constexpr Document FromJanuaryDocument{Issuer::Sat, 2020, 13};

// 6万: the whole year's 60000 from January (国家税务总局公告2020年第19号), from this day.
inline constexpr Date SixtyFrom{2021, 1, 1};
inline constexpr Document SixtyDocument{Issuer::Sat, 2020, 19};

// 个人养老金 began on this day in the pilot cities (财政部 税务总局公告2022年第34号), and
// applies nationwide from the second day (财政部 税务总局公告2024年第21号).
inline constexpr Date PensionFrom{2022, 11, 25};
inline constexpr Date PensionNationwideFrom{2024, 12, 15};
inline constexpr Document PensionNationwideDocument{Issuer::MofSat, 2024, 21};

// Donations to public welfare (财政部 税务总局公告2019年第99号) deducted at settlement from
// comprehensive income: those limited to this share of the taxable income before any donation,
// and those the law allows in full.
inline constexpr int DonationLimitShare = 30;
inline constexpr const char *DonationDocument = "财政部 税务总局公告2019年第99号";

// A person in China fewer than this many days of the tax year is a non-resident (个人所得税法
// 第一条): wages taxed month by month, no special additional deductions, no settlement.
inline constexpr int ResidentDays = 183;
inline constexpr int MaxDaysInYear = 366;

// A lump sum on internal retirement (内部退养, 财税〔2018〕164号 五(三)) is taxed with that month's
// wage as 国税发〔1999〕58号 says: its share of each month to the statutory retirement age, plus
// the wage, less the monthly basic deduction, finds the rate on the monthly table.
inline constexpr const char *InternalRetirementDocument = "财税〔2018〕164号";
inline constexpr const char *InternalRetirementMethodDocument = "国税发〔1999〕58号";
// The longest span of months taken, far beyond any working life.
inline constexpr int MaxRetirementMonths = 1200;

// The childcare subsidy the state pays for a child under 3 is exempt: it is no income of the
// year, neither withheld on nor settled.
inline constexpr Document ChildcareSubsidyExempt{Issuer::MofSat, 2025, 6};
inline constexpr Date ChildcareSubsidyExemptFrom{2025, 1, 1};

// Children's education from the month of the 3rd birthday; infant care before it.
inline constexpr int InfantYears = 3;
// Elderly support from the month the parent turns 60.
inline constexpr int ElderlyAge = 60;

} // namespace Law

// The amounts of one tax year.
struct YearRules {
    int Year = 0;
    Cents BasicMonthly = 0;     // 基本减除费用, a month
    Cents BasicAnnual = 0;      // the same for the year, at settlement
    Cents ChildEducation = 0;   // 子女教育, a child a month
    Cents InfantCare = 0;       // 3岁以下婴幼儿照护, a child a month; 0 before it existed
    Cents ElderlyOnlyChild = 0; // 赡养老人, an only child a month
    Cents ElderlyShareMax = 0;  // 赡养老人, the most one of several children takes a month
    Cents HousingLoan = 0;      // 住房贷款利息, a month
    Cents RentLargeCity = 0;    // 住房租金, a month, by the city's size
    Cents RentMiddleCity = 0;
    Cents RentSmallCity = 0;
    Cents DegreeStudy = 0;     // 继续教育 in a degree course, a month
    Cents Certificate = 0;     // 继续教育, the year a professional certificate is obtained
    Cents PensionCap = 0;      // 个人养老金, a year; 0 before it existed
    Cents HealthMonthly = 0;   // 商业健康保险, the most a month
    Cents HealthAnnual = 0;    // 商业健康保险, the most a year
    bool SeparateBonus = true; // the annual bonus may be taxed on its own
    Cents SmallOwed = 0;       // at settlement, owing at most this needs no return
    Cents LowIncome = 0;       // nor owing with a gross comprehensive income at most this
    Document Exemptions;       // the announcement of SmallOwed and LowIncome for this year
    Date ExemptionsUntil;      // the last day of the tax years it grants them for
    int FromJanuaryMonth = 0;  // 自1月 governs the months from this one; 0: not yet the law
    bool Sixty = false;        // 6万 is the law
    bool PensionPilot = false; // 个人养老金 is deducted in the pilot cities only
    TaxTable Annual;           // 综合所得 and the cumulative withholding of wages
    TaxTable Monthly;          // the separately taxed bonus, non-residents' wages
};

inline constexpr int FirstRulesYear = 2019;
inline constexpr int LastRulesYear = 2027;

namespace Detail {

// The amounts of 2019, when the special additional deductions began (国发〔2018〕41号).
constexpr YearRules Rules2019() {
    YearRules r;
    r.Year = 2019;
    r.BasicMonthly = Yuan(5000);
    r.BasicAnnual = Yuan(60000);
    r.ChildEducation = Yuan(1000);
    r.InfantCare = 0;
    r.ElderlyOnlyChild = Yuan(2000);
    r.ElderlyShareMax = Yuan(1000);
    r.HousingLoan = Yuan(1000);
    r.RentLargeCity = Yuan(1500);
    r.RentMiddleCity = Yuan(1100);
    r.RentSmallCity = Yuan(800);
    r.DegreeStudy = Yuan(400);
    r.Certificate = Yuan(3600);
    r.PensionCap = 0;
    r.HealthMonthly = Yuan(200);
    r.HealthAnnual = Yuan(2400);
    r.SeparateBonus = true; // 财税〔2018〕164号, extended to the end of 2027 (2023年第30号)
    r.SmallOwed = Yuan(400);
    r.LowIncome = Yuan(120000);
    r.Exemptions = {Issuer::MofSat, 2019, 94};
    r.ExemptionsUntil = {2020, 12, 31};
    r.FromJanuaryMonth = 0;
    r.Sixty = false;
    r.PensionPilot = false;
    r.Annual = Tables::Annual;
    r.Monthly = Tables::Monthly;
    return r;
}

constexpr YearRules InYear(YearRules Rules, int Year) {
    Rules.Year = Year;
    return Rules;
}

// 2020: 自1月 from July (Law::FromJanuaryFrom).
constexpr YearRules Rules2020() {
    YearRules r = InYear(Rules2019(), 2020);
    r.FromJanuaryMonth = Law::FromJanuaryFrom.Month;
    return r;
}

// 2021: 自1月 all year, 6万 (Law::SixtyFrom), and the exemptions from filing renewed (财政部
// 税务总局公告2021年第42号).
constexpr YearRules Rules2021() {
    YearRules r = InYear(Rules2020(), 2021);
    r.FromJanuaryMonth = 1;
    r.Sixty = true;
    r.Exemptions = {Issuer::MofSat, 2021, 42};
    r.ExemptionsUntil = {2023, 12, 31};
    return r;
}

// 2022: care for infants under 3 (国发〔2022〕8号) and the private pension (财政部 税务总局公告
// 2022年第34号).
constexpr YearRules Rules2022() {
    YearRules r = InYear(Rules2021(), 2022);
    r.InfantCare = Yuan(1000);
    r.PensionCap = Yuan(12000);
    r.PensionPilot = true;
    return r;
}

// 2023: children, infants and elderly raised (国发〔2023〕13号).
constexpr YearRules Rules2023() {
    YearRules r = InYear(Rules2022(), 2023);
    r.ChildEducation = Yuan(2000);
    r.InfantCare = Yuan(2000);
    r.ElderlyOnlyChild = Yuan(3000);
    r.ElderlyShareMax = Yuan(1500);
    return r;
}

// 2024: the exemptions from filing renewed to 2027 (财政部 税务总局公告2023年第32号).
constexpr YearRules Rules2024() {
    YearRules r = InYear(Rules2023(), 2024);
    r.Exemptions = {Issuer::MofSat, 2023, 32};
    r.ExemptionsUntil = Law::SettlementExemptionsUntil;
    return r;
}

// 2025: the private pension nationwide from 15 December 2024 (Law::PensionNationwideFrom).
constexpr YearRules Rules2025() {
    YearRules r = InYear(Rules2024(), 2025);
    r.PensionPilot = false;
    return r;
}

inline constexpr std::array<YearRules, LastRulesYear - FirstRulesYear + 1> AllYears{
    Rules2019(),
    Rules2020(),
    Rules2021(),
    Rules2022(),
    Rules2023(),
    Rules2024(),
    Rules2025(),
    InYear(Rules2025(), 2026),
    InYear(Rules2025(), 2027),
};

constexpr bool YearsInOrder() {
    for (std::size_t i = 0; i < AllYears.size(); ++i) {
        if (AllYears[i].Year != FirstRulesYear + static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(YearsInOrder());

} // namespace Detail

// The rules of a year from FirstRulesYear to LastRulesYear; none for another year.
constexpr const YearRules *RulesOf(int Year) {
    if (Year < FirstRulesYear || Year > LastRulesYear)
        return nullptr;
    return &Detail::AllYears[static_cast<std::size_t>(Year - FirstRulesYear)];
}

// The rules of the latest year the program knows, which the pages of a single calculation use.
constexpr const YearRules &LatestRules() {
    return Detail::AllYears.back();
}

} // namespace current
