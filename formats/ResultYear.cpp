// The results that settle a year: the settlement of totals, a person's year from the year file
// and a couple's household split.

#include "formats/Result.h"

#include "formats/ResultKeys.h"
#include "formats/ResultParts.h"
#include "formats/Vocabulary.h"

#include "engine/current/RulesInUse.h"

#include <cstdio>

namespace formats {
namespace {

using current::Cents;
using current::EntitlementMonth;

Json TimelineJson(const current::Timeline &Months) {
    Json timeline = Json::array();
    for (const EntitlementMonth &month : Months) {
        Json object{{"month", month.Month}, {"total", Money(month.Total())}};
        for (const TimelineWord &item : TimelineItems())
            object[item.FileKey] = Money(month.*item.Field);
        timeline.push_back(std::move(object));
    }
    return timeline;
}

Json NonResidentMonthJson(const current::NonResidentMonth &Month) {
    Json json = NonResidentWageJson(Month.Wage);
    json["month"] = Month.Month;
    return json;
}

Json JobsJson(const current::YearResult &Year) {
    Json jobs = Json::array();
    for (const current::JobYear &job : Year.Jobs) {
        Json months = Json::array();
        for (const current::WageWithholding &month : job.Months)
            months.push_back(WageMonthJson(month));
        for (const current::NonResidentMonth &month : job.NonResidentMonths)
            months.push_back(NonResidentMonthJson(month));
        jobs.push_back({{"employer", job.Facts.Employer},
                        {"withheld", Money(job.Withheld)},
                        {"months", std::move(months)}});
    }
    return jobs;
}

Json PaymentsJson(const current::YearResult &Year) {
    Json payments = Json::array();
    for (const current::PaymentWithholding &payment : Year.Payments)
        payments.push_back({{"month", payment.Facts.Month},
                            {"kind", keys::Kind(payment.Facts.Kind)},
                            {"amount", Money(payment.Facts.Amount)},
                            {"tax", Money(payment.Tax)}});
    return payments;
}

// A non-resident's bonus also gives the average of the months it is spread over and their tax.
Json BonusWithholdingJson(const std::optional<current::BonusWithholding> &Bonus) {
    if (!Bonus)
        return nullptr;
    Json json{
        {"month", Bonus->Month}, {"amount", Money(Bonus->Amount)}, {"tax", Money(Bonus->Due.Tax)}};
    if (const auto &spread = Bonus->NonResident) {
        json["average"] = Money(spread->Average);
        json["rate"] = spread->Rate;
        json["quick_deduction"] = Money(spread->QuickDeduction);
        json["monthly_tax"] = Money(spread->MonthlyTax);
    }
    return json;
}

Json PlacesJson(const std::vector<current::Placement> &Places) {
    Json places = Json::array();
    for (const current::Placement where : Places)
        places.push_back(keys::Place(where));
    return places;
}

Json AssignmentJson(const current::HouseholdAssignment &Assignment) {
    return {{"children", PlacesJson(Assignment.Children)},
            {"housing_loan",
             Assignment.HousingLoan ? Json(keys::Place(*Assignment.HousingLoan)) : Json(nullptr)},
            {"rent", PlacesJson(Assignment.Rent)},
            {"illness", PlacesJson(Assignment.Illness)}};
}

Json ChoiceJson(const current::HouseholdChoice &Choice) {
    return {{"assignment", AssignmentJson(Choice.Assignment)},
            {"a", YearSettlementJson(Choice.A.Settled)},
            {"b", YearSettlementJson(Choice.B.Settled)},
            {"total", Money(Choice.Total)}};
}

// The figures of the settlement itself.
Json SettlementFigures(const current::Settlement &s) {
    return {{"income_amount", Money(s.IncomeAmount)},
            {"deductions", Money(s.Deductions)},
            {"donation_limit", Money(s.DonationLimit)},
            {"donations", Money(s.Donations)},
            {"taxable", Money(s.Taxable)},
            {"rate", s.Rate},
            {"quick_deduction", Money(s.QuickDeduction)},
            {"tax", Money(s.Tax)},
            {"bonus_tax", Money(s.BonusTax)},
            {"total_tax", Money(s.TotalTax)},
            {"withheld", Money(s.Withheld)},
            {"balance", Money(s.Balance)},
            {"must_file", s.MustFile},
            {"reason", keys::Reason(s.Reason)}};
}

// A day as the year file writes one: "2027-12-31".
Json IsoDate(int Year, int Month, int Day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", Year, Month, Day);
    return text;
}

// An announcement by its parts, which each face words in its own language.
Json DocumentJson(const current::Document &Law) {
    return {{"issuer", Law.By == current::Issuer::Sat ? "sat" : "mof-sat"},
            {"year", Law.Year},
            {"number", Law.Number}};
}

} // namespace

Json SettlementJson(const current::Settlement &s, const current::YearRules &Rules) {
    using current::Law::SettlementFrom;
    using current::Law::SettlementUntil;
    // The settlement of a tax year is made in the year after it.
    const int settledIn = Rules.Year + 1;
    Json json = SettlementFigures(s);
    json["exemption_barred"] = s.ExemptionBarred;
    json["small_owed"] = Money(Rules.SmallOwed);
    json["low_income"] = Money(Rules.LowIncome);
    json["exemptions"] = DocumentJson(Rules.Exemptions);
    json["exemptions_until"] =
        IsoDate(Rules.ExemptionsUntil.Year, Rules.ExemptionsUntil.Month, Rules.ExemptionsUntil.Day);
    json["settlement_from"] = IsoDate(settledIn, SettlementFrom.Month, SettlementFrom.Day);
    json["settlement_until"] = IsoDate(settledIn, SettlementUntil.Month, SettlementUntil.Day);
    return json;
}

Json YearSettlementJson(const current::YearSettlement &s) {
    const current::YearRules *rules = current::RulesInUse(s.Input.Year);
    Json json = SettlementJson(s.Figures, rules ? *rules : current::LatestRulesInUse());
    json["bonus_method"] = keys::Method(s.Method);
    json["special"] = Money(s.Special);
    json["illness"] = Money(s.Illness);
    json["pension"] = Money(s.Pension);
    json["health_insurance"] = Money(s.HealthInsurance);
    json["donations_given"] = Money(s.Donations);
    json["donations_full_given"] = Money(s.DonationsFull);
    // The method not taken and what it would cost more (or less, when asked for by name); null
    // without a bonus, where the two are one.
    const current::BonusMethod other = s.Method == current::BonusMethod::Merged
                                           ? current::BonusMethod::Separate
                                           : current::BonusMethod::Merged;
    json["other_method"] = s.Other ? Json(keys::Method(other)) : Json(nullptr);
    json["other_method_tax"] = s.Other ? Money(s.Other->TotalTax) : Json(nullptr);
    json["difference"] = s.Other ? Money(s.Other->TotalTax - s.Figures.TotalTax) : Json(nullptr);
    return json;
}

Json YearJson(const current::YearFacts &Facts, const current::YearResult &Year) {
    return {{"year", Facts.Year},
            {"resident", !Year.NonResident},
            {"days_in_china", Facts.DaysInChina ? Json(*Facts.DaysInChina) : Json(nullptr)},
            {"timeline", TimelineJson(Year.Entitlements)},
            {"jobs", JobsJson(Year)},
            {"payments", PaymentsJson(Year)},
            {"bonus", BonusWithholdingJson(Year.Bonus)},
            {"settlement", Year.NonResident ? Json(nullptr) : YearSettlementJson(Year.Settled)}};
}

Json HouseholdJson(const current::HouseholdSplit &Split) {
    Json json{{"best", ChoiceJson(Split.Best)},
              {"worst", ChoiceJson(Split.Worst)},
              {"all_to_a", ChoiceJson(Split.AllToA)},
              {"all_to_b", ChoiceJson(Split.AllToB)},
              {"combinations", Split.Combinations}};
    if (Split.Now)
        json["current"] = ChoiceJson(*Split.Now);
    return json;
}

} // namespace formats
