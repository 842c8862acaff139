#pragma once
// Every result pendra-cli gives with --json, written from the engines' records: the same in every
// language and for every face that writes one. Amounts are strings with two decimals ("1234.50"),
// rates whole percents, the engines' choices their keys (ResultKeys.h). An object's keys come out
// in sorted order, as they always have, so that a script's diff of two results stays stable; an
// absent optional figure is null, never left out (the current split of a household excepted).
// ResultText() gives the text pendra-cli prints.

#include "engine/current/Bonus.h"
#include "engine/current/Household.h"
#include "engine/current/Internship.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Reverse.h"
#include "engine/current/Settlement.h"
#include "engine/current/Severance.h"
#include "engine/current/Wage.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace formats {

using Json = nlohmann::json;

// wage: the months with the year's tax, "total_tax"; a non-resident's month.
Json WageMonthsJson(const std::vector<current::WageWithholding> &Months);
Json NonResidentWageJson(const current::NonResidentWage &Wage);

// bonus: separate against merged with the cliff and the best split; a non-resident's bonus.
Json BonusJson(const current::BonusComparison &Comparison);
Json NonResidentBonusJson(const current::NonResidentBonus &Bonus);

// labour: one payment; a student's internship, each month with its "income_amount".
Json RemunerationJson(const current::Remuneration &Payment);
Json InternshipJson(const std::vector<current::InternshipMonth> &Months);

// settle: the settlement of the year's totals under Rules, with the figures of the law its filing
// sentence quotes (the exemptions' thresholds, their announcement and last day, the settlement
// period); the year's settlement with its deductions and the method not taken, under the rules of
// its own year, as in a year's and a household's results.
Json SettlementJson(const current::Settlement &Settlement, const current::YearRules &Rules);
Json YearSettlementJson(const current::YearSettlement &Settlement);

// severance: the compensation, early retirement, internal retirement.
Json SeveranceJson(const current::Severance &Severance);
Json EarlyRetirementJson(const current::EarlyRetirement &Retirement);
Json InternalRetirementJson(const current::InternalRetirement &Retirement);

// year: the facts' year computed (Year of ComputeYear(Facts)).
Json YearJson(const current::YearFacts &Facts, const current::YearResult &Year);

// household: the best, the worst, everything to a and the split they have now, if any.
Json HouseholdJson(const current::HouseholdSplit &Split);

// reverse: the wage for the terms (EqualNet: a gross of each month's own, "gross" null), the
// bonus and the payment found.
Json WageReverseJson(const current::WageYear &Year, const current::WageTerms &Terms, bool EqualNet);
Json BonusReverseJson(const current::BonusReverse &Bonus);
Json RemunerationReverseJson(const current::Remuneration &Payment);

// The result as pendra-cli prints it: four spaces a level, one member or element a line, an
// empty list or object opened and closed on lines of their own, a newline at the end. Strings
// are UTF-8, with '"', '\' and the control characters below U+0020 escaped as JSON escapes them
// ("\n", "\u001b"); bytes that are not UTF-8 come out as U+FFFD.
std::string ResultText(const Json &Result);

} // namespace formats
