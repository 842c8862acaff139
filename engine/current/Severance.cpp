#include "engine/current/Severance.h"

#include "engine/current/Rules.h"

#include <algorithm>

namespace current {

Severance TaxSeverance(Cents Amount, Cents AverageWage) {
    Severance s;
    s.Income = Amount;
    s.Exempt = std::clamp(AverageWage * Law::TaxFreeYears, Cents{0}, std::max(Cents{0}, Amount));
    s.Taxable = std::max(Cents{0}, Amount - s.Exempt);
    const TaxDue due = TaxOn(Tables::Annual, s.Taxable);
    s.Rate = due.Rate;
    s.QuickDeduction = due.QuickDeduction;
    s.Tax = due.Tax;
    s.AfterTax = Amount - due.Tax;
    return s;
}

EarlyRetirement TaxEarlyRetirement(Cents Amount, std::int64_t YearsHundredths) {
    EarlyRetirement e;
    e.Amount = Amount;
    e.YearsHundredths = YearsHundredths;
    e.PerYear = MulDiv(Amount, 100, YearsHundredths);
    e.TaxablePerYear = std::max(Cents{0}, e.PerYear - LatestRules().BasicAnnual);
    const TaxDue due = TaxOn(Tables::Annual, e.TaxablePerYear);
    e.Rate = due.Rate;
    e.QuickDeduction = due.QuickDeduction;
    e.TaxPerYear = due.Tax;
    e.Tax = MulDiv(due.Tax, YearsHundredths, 100);
    e.AfterTax = Amount - e.Tax;
    return e;
}

InternalRetirement TaxInternalRetirement(Cents Amount, int Months, Cents Wage) {
    InternalRetirement r;
    r.Amount = Amount;
    r.Months = Months;
    r.Wage = Wage;
    const Cents basic = LatestRules().BasicMonthly;
    const TaxTable table = LatestRules().Monthly;
    r.Average = MulDiv(Amount, 1, std::max(Months, 1));
    r.Base = r.Average + Wage - basic;
    r.Taxable = std::max(Cents{0}, Wage + Amount - basic);
    if (r.Taxable > 0) {
        const TaxBracket bracket = r.Base > 0 ? BracketOf(table, r.Base) : table.front();
        r.Rate = bracket.Rate;
        r.QuickDeduction = bracket.QuickDeduction;
        r.Tax = std::max(Cents{0}, Percent(r.Taxable, bracket.Rate) - bracket.QuickDeduction);
    }
    r.WageTax = TaxOn(table, Wage - basic).Tax;
    r.Added = r.Tax - r.WageTax;
    r.AfterTax = Wage + Amount - r.Tax;
    return r;
}

std::optional<std::int64_t> ParseYearsHundredths(std::string_view Text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!Text.empty() && blank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && blank(Text.back()))
        Text.remove_suffix(1);
    const std::size_t point = Text.find('.');
    const std::string_view whole = Text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : Text.substr(point + 1);
    const auto digits = [](std::string_view Part) {
        return std::all_of(Part.begin(), Part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    // Up to four digits of whole years keep the count far inside 64 bits before the bound.
    if (whole.empty() || whole.size() > 4 || !digits(whole) || !digits(fraction) ||
        fraction.size() > 2 || (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    std::int64_t hundredths = 0;
    for (const char c : whole)
        hundredths = hundredths * 10 + (c - '0');
    hundredths *= 100;
    if (!fraction.empty())
        hundredths += (fraction[0] - '0') * 10 + (fraction.size() == 2 ? fraction[1] - '0' : 0);
    if (hundredths <= 0 || hundredths > MaxYearsHundredths)
        return std::nullopt;
    return hundredths;
}

} // namespace current
