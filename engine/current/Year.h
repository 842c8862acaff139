#pragma once
// A person's whole tax year from the dated facts: the deduction each month is entitled to, item
// by item (the timeline); each job's cumulative withholding month by month; each remuneration
// payment's withholding; the annual bonus's; and the settlement of the year.
//
// One pure call from the facts to every figure, cheap enough to run on every edit of a page and
// thousands of times for the splits of a household's shared deductions.

#include "engine/current/Bonus.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Settlement.h"
#include "engine/current/Wage.h"
#include "engine/current/YearFacts.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace current {

// What one month of the year is entitled to deduct.
struct EntitlementMonth {
    int Month = 0;
    Cents Children = 0;            // 子女教育
    Cents InfantCare = 0;          // 3岁以下婴幼儿照护
    Cents Elderly = 0;             // 赡养老人
    Cents HousingLoan = 0;         // 住房贷款利息
    Cents Rent = 0;                // 住房租金
    Cents ContinuingEducation = 0; // 继续教育: a degree course's month and a certificate's 3600
    Cents Pension = 0;             // 个人养老金, in the month paid
    Cents HealthInsurance = 0;     // 商业健康保险

    // The special additional deductions (专项附加扣除) of the month.
    Cents Special() const {
        return Children + InfantCare + Elderly + HousingLoan + Rent + ContinuingEducation;
    }
    Cents Total() const { return Special() + Pension + HealthInsurance; }
};

using Timeline = std::array<EntitlementMonth, 12>;

// A non-resident's wage of one month.
struct NonResidentMonth {
    int Month = 0;
    NonResidentWage Wage;
};

// One job's months, from its first to its last, as the wage withholding gives them: a
// resident's cumulative withholding, or a non-resident's month by month.
// Each month carries its number, so that a month's figures are found by the month, and the job
// carries its facts, so that no caller pairs the results with the facts by position.
struct JobYear {
    std::vector<WageWithholding> Months;             // a resident's; empty for a non-resident
    Cents Withheld = 0;                              // the sum of the months' tax
    std::vector<NonResidentMonth> NonResidentMonths; // a non-resident's; empty for a resident
    JobFacts Facts;                                  // the job as the year's facts hold it
};

// One remuneration payment's withholding beside the payment it was withheld from.
struct PaymentWithholding : Remuneration {
    PaymentFacts Facts;
};

// The annual bonus, withheld on its own on the monthly table by the job that pays it.
struct BonusWithholding {
    int Month = 0;
    Cents Amount = 0;
    std::size_t Job = 0;  // index into the facts' jobs (their number when none is named so)
    std::string Employer; // the bonus's employer, as the facts name it
    TaxDue Due;           // a non-resident's: the rate of a sixth, the tax of the six months
    std::optional<NonResidentBonus> NonResident;
};

struct YearSettlement {
    Settlement Figures;
    BonusMethod Method = BonusMethod::Separate; // the one taken
    Cents Special = 0;         // the year's special additional deductions, illness excluded
    Cents Illness = 0;         // 大病医疗
    Cents Pension = 0;         // what the timeline deducts
    Cents HealthInsurance = 0; // likewise
    Cents Donations = 0;       // the donations given, limited and in full (the deducted in Figures)
    Cents DonationsFull = 0;
    SettlementInput Input; // the totals settled
    // With a bonus, the settlement under the method not taken.
    std::optional<Settlement> Other;
};

struct YearResult {
    Timeline Entitlements;
    std::vector<JobYear> Jobs;                // in the facts' order
    std::vector<PaymentWithholding> Payments; // in the facts' order
    std::optional<BonusWithholding> Bonus;
    // A non-resident's year has no settlement: Settled is then empty and means nothing.
    bool NonResident = false;
    YearSettlement Settled;
};

// Facts that CheckYear refuses are computed without fault, whatever their months, dates, shares,
// indices and counts (each amount within LargestInputCents in magnitude, as every reader takes
// them), but their figures mean nothing: a caller checks first.
YearResult ComputeYear(const YearFacts &Facts);
// The same under the rules given rather than those of Facts.Year: what a change of law would do.
YearResult ComputeYear(const YearFacts &Facts, const YearRules &Rules);

// Parts of the same, for a caller that needs only one.
Timeline EntitlementsOf(const YearFacts &Facts, const YearRules &Rules);
// One job's months as the year engine withholds them: the pay in force in each month and, where
// the job deducts them, the month's entitlements (the special additional deductions as Special,
// the pension and health insurance added to Other). A page that shows a job of the year on its
// own takes its months from here, so that it withholds what ComputeYear withholds.
std::vector<WageMonth> JobMonths(const JobFacts &Job, const Timeline &Entitlements);
// 大病医疗 of the year: each person's self-paid amount above the floor, up to the cap; the
// entries of 本人 are one person, as are those of 配偶 and those of 子女 naming the same child
// (by index or by name, the index standing for that child's entries named by index only); an
// entry of 子女 naming none is a child of its own.
Cents IllnessDeduction(const std::vector<IllnessFacts> &Illness);

} // namespace current
