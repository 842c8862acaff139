#pragma once
// Labour remuneration (劳务报酬), author remuneration (稿酬) and royalties (特许权使用费): the tax
// withheld on one payment, for a resident or a non-resident.

#include "engine/current/Money.h"

namespace current {

enum class RemunerationKind { Labour, Author, Royalty };

struct Remuneration {
    Cents Income = 0;
    Cents Deduction = 0; // 800 up to a payment of 4000 (even above a smaller payment), else 20 %
    Cents Taxable = 0;   // after the deduction; for author remuneration, then 70 % of that
    int Rate = 0;        // whole percent
    Cents QuickDeduction = 0;
    Cents Tax = 0;
    Cents AfterTax = 0;
};

// The income amount (收入额) of remuneration at the annual settlement: the payments less 20 %
// costs (author remuneration then counts at 70 % of that, which the caller applies).
Cents IncomeAmountOfRemuneration(Cents Payments);

Remuneration WithholdRemuneration(Cents Payment, RemunerationKind Kind, bool NonResident = false);

} // namespace current
