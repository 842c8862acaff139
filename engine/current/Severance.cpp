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

} // namespace current
