#pragma once
// The words the JSON results name the engines' choices by (a kind of payment, a way of the basic
// deduction, a bonus method, a filing reason, a spouse's place): stable keys for scripts, the same
// in every language, spelt here once for every face that prints them.

#include "engine/current/Bonus.h"
#include "engine/current/Household.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Settlement.h"
#include "engine/current/Wage.h"

namespace formats::keys {

constexpr const char *Kind(current::RemunerationKind Kind) {
    switch (Kind) {
    case current::RemunerationKind::Author:
        return "author";
    case current::RemunerationKind::Royalty:
        return "royalty";
    case current::RemunerationKind::Labour:
        break;
    }
    return "labour";
}

constexpr const char *Mode(current::BasicDeduction Mode) {
    switch (Mode) {
    case current::BasicDeduction::FromJanuary:
        return "from-january";
    case current::BasicDeduction::Sixty:
        return "sixty";
    case current::BasicDeduction::PerMonth:
        break;
    }
    return "per-month";
}

constexpr const char *Method(current::BonusMethod Method) {
    return Method == current::BonusMethod::Merged ? "merged" : "separate";
}

constexpr const char *Better(current::BetterMethod Better) {
    switch (Better) {
    case current::BetterMethod::Separate:
        return "separate";
    case current::BetterMethod::Merged:
        return "merged";
    case current::BetterMethod::Equal:
        break;
    }
    return "equal";
}

constexpr const char *Reason(current::FilingReason Reason) {
    switch (Reason) {
    case current::FilingReason::Refund:
        return "refund";
    case current::FilingReason::None:
        return "none";
    case current::FilingReason::OweSmall:
        return "owe_small";
    case current::FilingReason::IncomeLow:
        return "income_low";
    case current::FilingReason::Owe:
        break;
    }
    return "owe";
}

constexpr const char *Place(current::Placement Where) {
    switch (Where) {
    case current::Placement::B:
        return "b";
    case current::Placement::Half:
        return "half";
    case current::Placement::A:
        break;
    }
    return "a";
}

} // namespace formats::keys
