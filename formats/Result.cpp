#include "formats/Result.h"

#include "formats/ResultKeys.h"
#include "formats/ResultParts.h"

namespace formats {

using current::Cents;

Json Money(Cents Amount) {
    return current::FormatCents(Amount);
}

Json WageMonthJson(const current::WageWithholding &m) {
    return {{"month", m.Month},
            {"income", Money(m.Income)},
            {"cumulative_income", Money(m.CumulativeIncome)},
            {"cumulative_exempt", Money(m.CumulativeExempt)},
            {"cumulative_basic", Money(m.CumulativeBasic)},
            {"cumulative_insurance", Money(m.CumulativeInsurance)},
            {"cumulative_special", Money(m.CumulativeSpecial)},
            {"cumulative_other", Money(m.CumulativeOther)},
            {"cumulative_taxable", Money(m.CumulativeTaxable)},
            {"rate", m.Rate},
            {"quick_deduction", Money(m.QuickDeduction)},
            {"cumulative_tax", Money(m.CumulativeTax)},
            {"withheld_before", Money(m.WithheldBefore)},
            {"tax", Money(m.Tax)},
            {"net", Money(m.Net)}};
}

Json WageMonthsJson(const std::vector<current::WageWithholding> &Months) {
    Json months = Json::array();
    Cents total = 0;
    for (const current::WageWithholding &m : Months) {
        months.push_back(WageMonthJson(m));
        total += m.Tax;
    }
    return {{"months", std::move(months)}, {"total_tax", Money(total)}};
}

Json NonResidentWageJson(const current::NonResidentWage &w) {
    return {{"income", Money(w.Income)},
            {"deduction", Money(w.Deduction)},
            {"taxable", Money(w.Taxable)},
            {"rate", w.Rate},
            {"quick_deduction", Money(w.QuickDeduction)},
            {"tax", Money(w.Tax)},
            {"after_tax", Money(w.AfterTax)}};
}

Json SeparateBonusJson(const current::SeparateBonus &s) {
    return {{"rate", s.Rate},
            {"quick_deduction", Money(s.QuickDeduction)},
            {"bonus_tax", Money(s.BonusTax)},
            {"other_tax", Money(s.OtherTax)},
            {"total", Money(s.Total)}};
}

Json CliffJson(const std::optional<current::BonusCliff> &Cliff) {
    if (!Cliff)
        return nullptr;
    return {{"from", Money(Cliff->From)}, {"to", Money(Cliff->To)}, {"loss", Money(Cliff->Loss)}};
}

Json BonusJson(const current::BonusComparison &c) {
    const current::MergedBonus &m = c.Merged;
    const current::BonusSplit &split = c.BestSplit;
    // A year without the separate method has null for it, and merged the better.
    return {{"separate", c.SeparateAllowed ? SeparateBonusJson(c.Separate) : Json(nullptr)},
            {"merged",
             {{"taxable", Money(m.Taxable)},
              {"rate", m.Rate},
              {"quick_deduction", Money(m.QuickDeduction)},
              {"bonus_tax", Money(m.BonusTax)},
              {"total", Money(m.Total)}}},
            {"better", keys::Better(c.Better)},
            {"saving", Money(c.Saving)},
            {"cliff", CliffJson(c.Cliff)},
            {"best_split",
             {{"bonus", Money(split.Bonus)},
              {"wage_taxable", Money(split.WageTaxable)},
              {"total", Money(split.Total)},
              {"saving", Money(split.Saving)}}}};
}

Json NonResidentBonusJson(const current::NonResidentBonus &b) {
    return {{"rate", b.Rate},
            {"quick_deduction", Money(b.QuickDeduction)},
            {"average", Money(b.Average)},
            {"tax", Money(b.Tax)},
            {"after_tax", Money(b.AfterTax)}};
}

Json RemunerationJson(const current::Remuneration &r) {
    return {{"income", Money(r.Income)},
            {"deduction", Money(r.Deduction)},
            {"taxable", Money(r.Taxable)},
            {"rate", r.Rate},
            {"quick_deduction", Money(r.QuickDeduction)},
            {"tax", Money(r.Tax)},
            {"after_tax", Money(r.AfterTax)}};
}

Json InternshipJson(const std::vector<current::InternshipMonth> &Months) {
    Json months = Json::array();
    for (const current::InternshipMonth &m : Months) {
        Json month = WageMonthJson(m.Withholding);
        month["income_amount"] = Money(m.IncomeAmount);
        months.push_back(std::move(month));
    }
    return {{"months", std::move(months)}};
}

Json SeveranceJson(const current::Severance &s) {
    return {{"income", Money(s.Income)},
            {"exempt", Money(s.Exempt)},
            {"taxable", Money(s.Taxable)},
            {"rate", s.Rate},
            {"quick_deduction", Money(s.QuickDeduction)},
            {"tax", Money(s.Tax)},
            {"after_tax", Money(s.AfterTax)}};
}

Json EarlyRetirementJson(const current::EarlyRetirement &e) {
    return {{"per_year", Money(e.PerYear)},
            {"taxable_per_year", Money(e.TaxablePerYear)},
            {"rate", e.Rate},
            {"quick_deduction", Money(e.QuickDeduction)},
            {"tax_per_year", Money(e.TaxPerYear)},
            {"tax", Money(e.Tax)},
            {"after_tax", Money(e.AfterTax)}};
}

Json InternalRetirementJson(const current::InternalRetirement &r) {
    return {{"amount", Money(r.Amount)},
            {"months", r.Months},
            {"wage", Money(r.Wage)},
            {"average", Money(r.Average)},
            {"base", Money(r.Base)},
            {"taxable", Money(r.Taxable)},
            {"rate", r.Rate},
            {"quick_deduction", Money(r.QuickDeduction)},
            {"tax", Money(r.Tax)},
            {"wage_tax", Money(r.WageTax)},
            {"added", Money(r.Added)},
            {"after_tax", Money(r.AfterTax)}};
}

Json WageReverseJson(const current::WageYear &Year, const current::WageTerms &Terms,
                     bool EqualNet) {
    Json months = Json::array();
    for (const current::WageWithholding &month : Year.Months)
        months.push_back(WageMonthJson(month));
    return {{"gross", EqualNet ? Json(nullptr) : Money(Year.Gross)},
            {"net", Money(Year.Net)},
            {"from", Terms.First},
            {"to", Terms.Last},
            {"mode", keys::Mode(Terms.Mode)},
            {"equal_net", EqualNet},
            {"months", std::move(months)},
            {"year_gross", Money(Year.YearGross)},
            {"year_tax", Money(Year.YearTax)},
            {"year_net", Money(Year.YearNet)}};
}

Json BonusReverseJson(const current::BonusReverse &b) {
    Json json = SeparateBonusJson(b.Separate);
    json["gross"] = Money(b.Gross);
    json["net"] = Money(b.Net);
    json["cliff_above"] = CliffJson(b.CliffAbove);
    return json;
}

Json RemunerationReverseJson(const current::Remuneration &Payment) {
    Json json = RemunerationJson(Payment);
    json["gross"] = Money(Payment.Income);
    json["net"] = Money(Payment.AfterTax);
    return json;
}

} // namespace formats
