#include "common/UGuide.h"

#include "common/UFileManager.h"

#include "engine/current/Bonus.h"
#include "engine/current/Household.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Rules.h"
#include "engine/current/Severance.h"
#include "engine/current/Wage.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <vector>

namespace Guide {

namespace {

using namespace current;

class TGuideTexts {
    Q_DECLARE_TR_FUNCTIONS(Guide)

  public:
    static QString Day(Date When) {
        return QLocale::c().toString(QDate(When.Year, When.Month, When.Day), tr("yyyy年M月d日"));
    }
    static QString DayOfYear(MonthDay When) {
        return QLocale::c().toString(QDate(2000, When.Month, When.Day), tr("M月d日"));
    }
    static QString Document(current::Document Which) {
        return tr("财政部 税务总局公告%1年第%2号").arg(Which.Year).arg(Which.Number);
    }
};

QString Amount(Cents Value) {
    return QString::fromStdString(FormatCents(Value));
}

QString LawAmount(Cents Value) {
    return QString::fromStdString(FormatYuan(Value));
}

using Pairs = std::initializer_list<std::pair<QString, QString>>;

void Add(QHash<QString, QString> &Out, Pairs Values) {
    for (const auto &[name, value] : Values)
        Out.insert(name, value);
}

// The worked examples follow one person through the year: a wage of 20000 a month with 2000 of
// insurance, a child and a home loan, a labour payment in May; then a bonus and a severance of
// their own. Their inputs are here, as numbers, and every result is the engines'.
constexpr int ExampleYear = 2026;
constexpr Cents ExampleWage = Yuan(20000);
constexpr Cents ExampleInsurance = Yuan(2000);
constexpr Date ExampleChildBorn{2023, 5, 10};
constexpr CalendarMonth ExampleLoanFrom{2015, 3};
constexpr int ExampleLabourMonth = 5;
constexpr Cents ExampleLabour = Yuan(30000);
constexpr Cents ExampleBonus = Yuan(38000);
constexpr Cents ExampleBonusOther = Yuan(100000);
constexpr Cents ExampleSeverance = Yuan(200000);
constexpr Cents ExampleAverageWage = Yuan(50000);
constexpr int ExampleRaiseMonth = 4; // the first month past the 3 % band
// The household example is a couple of its own: a earns less than b, and they share two
// children, a loan on two homes bought before the marriage and a child's illness.
constexpr Cents HouseholdWageA = Yuan(10000);
constexpr Cents HouseholdWageB = Yuan(20000);
constexpr Cents HouseholdInsuranceB = Yuan(1000);
constexpr Cents HouseholdIllness = Yuan(40000);

void AddLaw(QHash<QString, QString> &Out) {
    const YearRules &r = LatestRules();
    const YearRules &example = *RulesOf(ExampleYear);
    Add(Out,
        {
            {QStringLiteral("basic_monthly"), LawAmount(r.BasicMonthly)},
            {QStringLiteral("basic_annual"), LawAmount(r.BasicAnnual)},
            {QStringLiteral("child"), LawAmount(r.ChildEducation)},
            {QStringLiteral("infant"), LawAmount(r.InfantCare)},
            {QStringLiteral("elderly_only"), LawAmount(r.ElderlyOnlyChild)},
            {QStringLiteral("elderly_share"), LawAmount(r.ElderlyShareMax)},
            {QStringLiteral("loan"), LawAmount(r.HousingLoan)},
            {QStringLiteral("rent_large"), LawAmount(r.RentLargeCity)},
            {QStringLiteral("rent_middle"), LawAmount(r.RentMiddleCity)},
            {QStringLiteral("rent_small"), LawAmount(r.RentSmallCity)},
            {QStringLiteral("degree"), LawAmount(r.DegreeStudy)},
            {QStringLiteral("certificate"), LawAmount(r.Certificate)},
            {QStringLiteral("pension_cap"), LawAmount(r.PensionCap)},
            {QStringLiteral("health_monthly"), LawAmount(r.HealthMonthly)},
            {QStringLiteral("health_annual"), LawAmount(r.HealthAnnual)},
            {QStringLiteral("illness_floor"), LawAmount(Law::IllnessFloor)},
            {QStringLiteral("illness_cap"), LawAmount(Law::IllnessCap)},
            {QStringLiteral("small_owed"), LawAmount(r.SmallOwed)},
            {QStringLiteral("low_income"), LawAmount(r.LowIncome)},
            {QStringLiteral("small_payment"), LawAmount(Law::SmallPayment)},
            {QStringLiteral("small_cost"), LawAmount(Law::SmallPaymentCost)},
            {QStringLiteral("cost_rate"), QString::number(Law::CostRate)},
            {QStringLiteral("tax_free_years"), QString::number(Law::TaxFreeYears)},
            {QStringLiteral("first_year"), QString::number(FirstRulesYear)},
            {QStringLiteral("last_year"), QString::number(LastRulesYear)},
            {QStringLiteral("bonus_until"), TGuideTexts::Day(Law::SeparateBonusUntil)},
            {QStringLiteral("settle_from"), TGuideTexts::DayOfYear(Law::SettlementFrom)},
            {QStringLiteral("settle_until"), TGuideTexts::DayOfYear(Law::SettlementUntil)},
            {QStringLiteral("childcare_document"),
             TGuideTexts::Document(Law::ChildcareSubsidyExempt)},
            {QStringLiteral("childcare_from"), TGuideTexts::Day(Law::ChildcareSubsidyExemptFrom)},
            {QStringLiteral("ex_year"), QString::number(ExampleYear)},
            {QStringLiteral("ex_special"), LawAmount(example.ChildEducation + example.HousingLoan)},
        });
}

void AddWage(QHash<QString, QString> &Out) {
    const YearRules &r = *RulesOf(ExampleYear);
    std::vector<WageMonth> months;
    for (int month = 1; month <= Law::MonthsInYear; ++month)
        months.push_back(
            {month, ExampleWage, 0, ExampleInsurance, r.ChildEducation + r.HousingLoan, 0});
    const std::vector<WageWithholding> year = WithholdWages(months, BasicDeduction::PerMonth, r);
    Cents total = 0;
    for (const WageWithholding &month : year)
        total += month.Tax;
    Add(Out, {
                 {QStringLiteral("ex_wage"), LawAmount(ExampleWage)},
                 {QStringLiteral("ex_insurance"), LawAmount(ExampleInsurance)},
                 {QStringLiteral("wage_first"), Amount(year.front().Tax)},
                 {QStringLiteral("wage_first_taxable"), Amount(year.front().CumulativeTaxable)},
                 {QStringLiteral("wage_first_net"), Amount(year.front().Net)},
                 {QStringLiteral("wage_raise_month"), QString::number(ExampleRaiseMonth)},
                 {QStringLiteral("wage_raise"), Amount(year[ExampleRaiseMonth - 1].Tax)},
                 {QStringLiteral("wage_last"), Amount(year.back().Tax)},
                 {QStringLiteral("wage_year"), Amount(total)},
             });
}

void AddPayments(QHash<QString, QString> &Out) {
    const BonusComparison bonus = CompareBonus(ExampleBonus, ExampleBonusOther);
    const Remuneration labour = WithholdRemuneration(ExampleLabour, RemunerationKind::Labour);
    const Severance severance = TaxSeverance(ExampleSeverance, ExampleAverageWage);
    Add(Out,
        {
            {QStringLiteral("ex_bonus"), LawAmount(ExampleBonus)},
            {QStringLiteral("ex_bonus_other"), LawAmount(ExampleBonusOther)},
            {QStringLiteral("bonus_separate"), Amount(bonus.Separate.Total)},
            {QStringLiteral("bonus_merged"), Amount(bonus.Merged.Total)},
            {QStringLiteral("bonus_saving"), Amount(bonus.Saving)},
            {QStringLiteral("bonus_cliff_from"), LawAmount(bonus.Cliff ? bonus.Cliff->From : 0)},
            {QStringLiteral("bonus_cliff_to"), Amount(bonus.Cliff ? bonus.Cliff->To : 0)},
            {QStringLiteral("bonus_cliff_loss"), Amount(bonus.Cliff ? bonus.Cliff->Loss : 0)},
            {QStringLiteral("ex_labour"), LawAmount(ExampleLabour)},
            {QStringLiteral("ex_labour_month"), QString::number(ExampleLabourMonth)},
            {QStringLiteral("labour_cost"), Amount(labour.Deduction)},
            {QStringLiteral("labour_taxable"), Amount(labour.Taxable)},
            {QStringLiteral("labour_rate"), QString::number(labour.Rate)},
            {QStringLiteral("labour_tax"), Amount(labour.Tax)},
            {QStringLiteral("ex_severance"), LawAmount(ExampleSeverance)},
            {QStringLiteral("ex_average_wage"), LawAmount(ExampleAverageWage)},
            {QStringLiteral("severance_exempt"), Amount(severance.Exempt)},
            {QStringLiteral("severance_taxable"), Amount(severance.Taxable)},
            {QStringLiteral("severance_tax"), Amount(severance.Tax)},
        });
}

// The person's year as dated facts: what 我的纳税年度 and pendra-cli year compute, and what the
// settlement page is given as totals.
void AddYear(QHash<QString, QString> &Out) {
    YearFacts facts;
    facts.Year = ExampleYear;
    JobFacts job;
    job.Employer = "A";
    job.Pay.push_back({1, ExampleWage, 0, ExampleInsurance, 0});
    facts.Jobs.push_back(job);
    ChildFacts child;
    child.Born = ExampleChildBorn;
    facts.Children.push_back(child);
    LoanFacts loan;
    loan.FirstRepayment = ExampleLoanFrom;
    facts.HousingLoan = loan;
    facts.Payments.push_back({ExampleLabourMonth, RemunerationKind::Labour, ExampleLabour});
    const YearResult year = ComputeYear(facts);
    const Settlement &settled = year.Settled.Figures;
    const SettlementInput &in = year.Settled.Input;
    Add(Out,
        {
            {QStringLiteral("ex_child_born"),
             QString::asprintf("%04d-%02d-%02d", ExampleChildBorn.Year, ExampleChildBorn.Month,
                               ExampleChildBorn.Day)},
            {QStringLiteral("ex_loan_from"),
             QString::asprintf("%04d-%02d", ExampleLoanFrom.Year, ExampleLoanFrom.Month)},
            {QStringLiteral("year_special"), Amount(year.Entitlements.front().Total())},
            {QStringLiteral("year_withheld"), Amount(year.Jobs.front().Withheld)},
            {QStringLiteral("settle_wages"), Amount(in.Wages)},
            {QStringLiteral("settle_labour"), Amount(in.Labour)},
            {QStringLiteral("settle_insurance"), Amount(in.Insurance)},
            {QStringLiteral("settle_special"), Amount(in.Special)},
            {QStringLiteral("settle_withheld"), Amount(in.Withheld)},
            {QStringLiteral("settle_income"), Amount(settled.IncomeAmount)},
            {QStringLiteral("settle_taxable"), Amount(settled.Taxable)},
            {QStringLiteral("settle_tax"), Amount(settled.TotalTax)},
            {QStringLiteral("settle_refund"), Amount(settled.Balance < 0 ? -settled.Balance : 0)},
            {QStringLiteral("settle_owed"), Amount(settled.Balance > 0 ? settled.Balance : 0)},
        });
}

// The couple's shared items split by the household engine, as the household page and
// pendra-cli household split them.
void AddHousehold(QHash<QString, QString> &Out) {
    const auto year = [](const char *Employer, Cents Wage, Cents Insurance) {
        YearFacts facts;
        facts.Year = ExampleYear;
        JobFacts job;
        job.Employer = Employer;
        job.Pay.push_back({1, Wage, 0, Insurance, 0});
        facts.Jobs.push_back(job);
        return facts;
    };
    Household household;
    household.A = year("A", HouseholdWageA, 0);
    household.B = year("B", HouseholdWageB, HouseholdInsuranceB);
    household.Shared.Children = {{Date{ExampleYear - 7, 4, 2}, std::nullopt},
                                 {Date{ExampleYear - 2, 8, 15}, std::nullopt}};
    household.Shared.HousingLoan = SharedLoan{CalendarMonth{ExampleYear - 8, 6}, true};
    household.Shared.Illness = {IllnessFacts(IllnessOf::Child, HouseholdIllness)};
    const HouseholdSplit split = SplitHousehold(household);
    Add(Out, {
                 {QStringLiteral("hh_wage_a"), LawAmount(HouseholdWageA)},
                 {QStringLiteral("hh_wage_b"), LawAmount(HouseholdWageB)},
                 {QStringLiteral("hh_insurance_b"), LawAmount(HouseholdInsuranceB)},
                 {QStringLiteral("hh_illness"), LawAmount(HouseholdIllness)},
                 {QStringLiteral("hh_splits"), QString::number(split.Combinations)},
                 {QStringLiteral("hh_best"), Amount(split.Best.Total)},
                 {QStringLiteral("hh_best_a"), Amount(split.Best.A.Settled.Figures.TotalTax)},
                 {QStringLiteral("hh_best_b"), Amount(split.Best.B.Settled.Figures.TotalTax)},
                 {QStringLiteral("hh_all_a"), Amount(split.AllToA.Total)},
                 {QStringLiteral("hh_saving"), Amount(split.AllToA.Total - split.Best.Total)},
             });
}

} // namespace

QHash<QString, QString> Figures() {
    QHash<QString, QString> values;
    AddLaw(values);
    AddWage(values);
    AddPayments(values);
    AddYear(values);
    AddHousehold(values);
    values.insert(QStringLiteral("settings_file"),
                  QDir::toNativeSeparators(TFileManager::FilePath()));
    return values;
}

QString Fill(const QString &Text, const QHash<QString, QString> &Values) {
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([a-z_]+)\\}\\}"));
    QString filled;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(Text)) {
        filled += Text.mid(from, match.capturedStart() - from);
        const auto value = Values.constFind(match.captured(1));
        filled += value != Values.constEnd() ? *value : match.captured();
        from = match.capturedEnd();
    }
    filled += Text.mid(from);
    return filled;
}

QString Html() {
    const bool english = Translations::Current() == Translations::Language::English;
    QFile file(english ? QStringLiteral(":/guide/guide_en.html")
                       : QStringLiteral(":/guide/guide_zh.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Fill(QString::fromUtf8(file.readAll()), Figures());
}

} // namespace Guide
