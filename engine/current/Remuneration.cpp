#include "engine/current/Remuneration.h"

#include "engine/current/TaxTable.h"

#include <algorithm>

namespace current {
namespace {

constexpr Cents SmallPayment = Yuan(4000);
constexpr Cents SmallPaymentDeduction = Yuan(800);
constexpr int CostRate = 20;
constexpr int AuthorShare = 70;

// A non-resident always deducts 20 %; a resident deducts 800 from a payment of up to 4000.
Cents DeductionOf(Cents Payment, bool NonResident) {
    if (!NonResident && Payment <= SmallPayment)
        return SmallPaymentDeduction;
    return Percent(Payment, CostRate);
}

TaxTable TableOf(RemunerationKind Kind, bool NonResident) {
    if (NonResident)
        return Tables::Monthly;
    return Kind == RemunerationKind::Labour ? Tables::Labour : Tables::FlatTwenty;
}

} // namespace

Remuneration WithholdRemuneration(Cents Payment, RemunerationKind Kind, bool NonResident) {
    Remuneration r;
    r.Income = Payment;
    r.Deduction = DeductionOf(Payment, NonResident);
    r.Taxable = std::max(Cents{0}, Payment - r.Deduction);
    if (Kind == RemunerationKind::Author)
        r.Taxable = Percent(r.Taxable, AuthorShare);
    const TaxDue due = TaxOn(TableOf(Kind, NonResident), r.Taxable);
    r.Rate = due.Rate;
    r.QuickDeduction = due.QuickDeduction;
    r.Tax = due.Tax;
    r.AfterTax = Payment - due.Tax;
    return r;
}

} // namespace current
