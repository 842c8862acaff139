#include "engine/current/Wage.h"

#include "engine/current/Rules.h"

#include <algorithm>

namespace current {
namespace {

// 累计减除费用 of the Paid-th month paid in the year (counting from 1), paid in Month. A way the
// year's law does not have yet leaves the month per month, as it was withheld then.
Cents CumulativeBasic(const YearRules &Rules, BasicDeduction Mode, int Paid, int Month) {
    switch (Mode) {
    case BasicDeduction::FromJanuary:
        if (Rules.FromJanuaryMonth > 0 && Month >= Rules.FromJanuaryMonth)
            return Rules.BasicMonthly * Month;
        break;
    case BasicDeduction::Sixty:
        if (Rules.Sixty)
            return Rules.BasicAnnual;
        break;
    case BasicDeduction::PerMonth:
        break;
    }
    return Rules.BasicMonthly * Paid;
}

} // namespace

bool InLaw(BasicDeduction Mode, const YearRules &Rules) {
    switch (Mode) {
    case BasicDeduction::FromJanuary:
        return Rules.FromJanuaryMonth > 0;
    case BasicDeduction::Sixty:
        return Rules.Sixty;
    case BasicDeduction::PerMonth:
        break;
    }
    return true;
}

std::vector<WageWithholding> WithholdWages(std::span<const WageMonth> Months, BasicDeduction Mode,
                                           const YearRules &Rules) {
    std::vector<WageWithholding> result;
    result.reserve(Months.size());
    WageWithholding sum; // the running totals
    for (const WageMonth &month : Months) {
        WageWithholding row = sum;
        row.Month = month.Month;
        row.Income = month.Income;
        row.CumulativeIncome += month.Income;
        row.CumulativeExempt += month.Exempt;
        row.CumulativeBasic =
            CumulativeBasic(Rules, Mode, static_cast<int>(result.size()) + 1, month.Month);
        row.CumulativeInsurance += month.Insurance;
        row.CumulativeSpecial += month.Special;
        row.CumulativeOther += month.Other;
        row.CumulativeTaxable = std::max(
            Cents{0}, row.CumulativeIncome - row.CumulativeExempt - row.CumulativeBasic -
                          row.CumulativeInsurance - row.CumulativeSpecial - row.CumulativeOther);
        const TaxDue due = TaxOn(Rules.Annual, row.CumulativeTaxable);
        row.Rate = due.Rate;
        row.QuickDeduction = due.QuickDeduction;
        row.CumulativeTax = due.Tax;
        row.WithheldBefore = sum.WithheldBefore + sum.Tax;
        // No refund within the year: a lower cumulative tax withholds nothing this month.
        row.Tax = std::max(Cents{0}, row.CumulativeTax - row.WithheldBefore);
        row.Net = month.Income - month.Insurance - row.Tax;
        result.push_back(row);
        sum = row;
    }
    return result;
}

NonResidentWage WithholdNonResidentWage(Cents Income, const YearRules &Rules) {
    NonResidentWage wage;
    wage.Income = Income;
    wage.Deduction = Rules.BasicMonthly;
    wage.Taxable = std::max(Cents{0}, Income - Rules.BasicMonthly);
    const TaxDue due = TaxOn(Rules.Monthly, wage.Taxable);
    wage.Rate = due.Rate;
    wage.QuickDeduction = due.QuickDeduction;
    wage.Tax = due.Tax;
    wage.AfterTax = Income - due.Tax;
    return wage;
}

} // namespace current
