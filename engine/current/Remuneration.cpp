#include "engine/current/Remuneration.h"

#include "engine/current/Rules.h"

#include <algorithm>

namespace current {
namespace {

// A non-resident always deducts 20 %; a resident deducts 800 from a payment of up to 4000.
Cents DeductionOf(Cents Payment, bool NonResident) {
    if (!NonResident && Payment <= Law::SmallPayment)
        return Law::SmallPaymentCost;
    return Percent(Payment, Law::CostRate);
}

TaxTable TableOf(RemunerationKind Kind, bool NonResident) {
    if (NonResident)
        return Tables::Monthly;
    return Kind == RemunerationKind::Labour ? Tables::Labour : Tables::FlatTwenty;
}

} // namespace

Cents IncomeAmountOfRemuneration(Cents Payments) {
    return Payments - Percent(Payments, Law::CostRate);
}

Remuneration WithholdRemuneration(Cents Payment, RemunerationKind Kind, bool NonResident) {
    Remuneration r;
    r.Income = Payment;
    r.Deduction = DeductionOf(Payment, NonResident);
    r.Taxable = std::max(Cents{0}, Payment - r.Deduction);
    if (Kind == RemunerationKind::Author)
        r.Taxable = Percent(r.Taxable, Law::AuthorShare);
    const TaxDue due = TaxOn(TableOf(Kind, NonResident), r.Taxable);
    r.Rate = due.Rate;
    r.QuickDeduction = due.QuickDeduction;
    r.Tax = due.Tax;
    r.AfterTax = Payment - due.Tax;
    return r;
}

} // namespace current
