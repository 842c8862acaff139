#pragma once
// The annual settlement (年度汇算) of a resident's comprehensive income: the year's tax from its
// totals, the balance against what was withheld, and whether a return must be filed.

#include "engine/current/Bonus.h"
#include "engine/current/Money.h"
#include "engine/current/Rules.h"

#include <optional>

namespace current {

// The year's totals.
struct SettlementInput {
    Cents Wages = 0;     // 工资薪金, the annual bonus excluded
    Cents Labour = 0;    // 劳务报酬
    Cents Author = 0;    // 稿酬
    Cents Royalty = 0;   // 特许权使用费
    Cents Exempt = 0;    // 免税收入
    Cents Insurance = 0; // 专项扣除 (三险一金)
    Cents Special = 0;   // 专项附加扣除, serious illness included
    Cents Pension = 0;   // 个人养老金, counted up to 12000
    Cents Health = 0;    // 商业健康保险, counted up to 2400
    Cents Other = 0;     // 其他扣除
    Cents Bonus = 0;
    BonusMethod Method = BonusMethod::Separate;
    Cents Withheld = 0;       // tax withheld during the year
    int Year = LastRulesYear; // whose rules apply, FirstRulesYear to LastRulesYear
    // An employer should have withheld on some of the income and did not: owing little or on a
    // low income is then no reason to skip the settlement (财政部 税务总局公告2023年第32号).
    bool Unwithheld = false;
    // Donations to public welfare: those limited to 30 % of the taxable income before them, and
    // those allowed in full (财政部 税务总局公告2019年第99号).
    Cents Donations = 0;
    Cents DonationsFull = 0;
};

// Why a return is or is not needed, the first that applies in this order.
enum class FilingReason {
    Refund,    // tax is refunded: a return may claim it but need not
    None,      // nothing owed, nothing refunded
    OweSmall,  // owes at most 400
    IncomeLow, // owes, but the gross comprehensive income is at most 120000
    Owe,       // must file by 30 June
};

struct Settlement {
    Cents IncomeAmount = 0; // 收入额
    Cents Deductions = 0;
    Cents DonationLimit = 0; // 30 % of the taxable income before the donations
    Cents Donations = 0;     // the donations deducted, both kinds
    Cents Taxable = 0;       // after the donations
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents Tax = 0;      // on the annual table
    Cents BonusTax = 0; // the separately taxed bonus; 0 when merged
    Cents TotalTax = 0;
    Cents Withheld = 0;
    Cents Balance = 0; // positive owes (补税), negative is refunded (退税)
    bool MustFile = false;
    FilingReason Reason = FilingReason::None;
    // Owes within OweSmall or IncomeLow, which do not apply since an employer did not withhold.
    bool ExemptionBarred = false;
};

// Under the rules of Year.Year, or those given; where they have no separate bonus, the bonus
// is merged whatever Year.Method says.
Settlement Settle(const SettlementInput &Year);
Settlement Settle(const SettlementInput &Year, const YearRules &Rules);

// The year with the bonus taxed the other way than chosen, beside the chosen one.
struct OtherMethod {
    Settlement Other;
    // The method that costs less in all; none when both cost the same.
    std::optional<BonusMethod> Lower;
    Cents Difference = 0; // how much less
};
// Where the rules have no separate bonus there is no other way: Other is the merged one.
OtherMethod SettleOtherWay(const SettlementInput &Year);
OtherMethod SettleOtherWay(const SettlementInput &Year, const YearRules &Rules);

} // namespace current
