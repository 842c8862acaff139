#pragma once
// The words the JSON results name the engines' choices by (a kind of payment, a way of the basic
// deduction, a bonus method, a filing reason, a spouse's place): stable keys for scripts, the same
// in every language, spelt here once for every face that prints them; those of the vocabulary come
// from it.

#include "engine/current/Bonus.h"
#include "engine/current/Household.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Settlement.h"
#include "engine/current/Wage.h"
#include "formats/Vocabulary.h"

namespace formats::keys {

// The kinds of payment and the ways of the basic deduction are words of the vocabulary.
inline const char *Kind(current::RemunerationKind Kind) {
    return WordOf(RemunerationKinds(), Kind).EnglishKey;
}

inline const char *Mode(current::BasicDeduction Mode) {
    return WordOf(WithholdingModes(), Mode).EnglishKey;
}

inline const char *Method(current::BonusMethod Method) {
    return WordOf(BonusMethods(), Method == current::BonusMethod::Merged
                                      ? current::BonusChoice::Merged
                                      : current::BonusChoice::Separate)
        .EnglishKey;
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
