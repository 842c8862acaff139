#pragma once
// A full-time student's internship pay (实习劳务报酬): the payer may withhold it by the cumulative
// method of wages (国家税务总局公告2020年第13号), on the income amount after 20 % costs, so that a
// student whose year stays under the basic deduction has nothing withheld.

#include "engine/current/Wage.h"

#include <vector>

namespace current {

struct InternshipMonth {
    Cents IncomeAmount = 0; // 收入额: the payment less the costs
    // The month as wages are withheld: Income is the payment, the cumulative income that of the
    // income amounts, the basic deduction 5000 for each month of the internship.
    WageWithholding Withholding;
};

// The same payment in every month from First to Last (1 ≤ First ≤ Last ≤ 12): one record a month.
std::vector<InternshipMonth> WithholdInternship(Cents Payment, int First, int Last);

} // namespace current
