#include "engine/current/Internship.h"

#include "engine/current/Remuneration.h"

namespace current {

std::vector<InternshipMonth> WithholdInternship(Cents Payment, int First, int Last) {
    const Cents incomeAmount = IncomeAmountOfRemuneration(Payment);
    std::vector<WageMonth> months;
    for (int month = First; month <= Last; ++month)
        months.push_back({month, incomeAmount, 0, 0, 0, 0});
    std::vector<InternshipMonth> result;
    for (WageWithholding row : WithholdWages(months, BasicDeduction::PerMonth)) {
        // The student is paid the payment, not the income amount the tax is worked on.
        row.Income = Payment;
        row.Net = Payment - row.Tax;
        result.push_back({incomeAmount, row});
    }
    return result;
}

} // namespace current
