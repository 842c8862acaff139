#pragma once
// The words of a person's year, each written once: the key the year file holds, the English key
// the command line and the files take as well, and the caption in Chinese that each face shows
// through its translation in the context "Vocabulary" (QCoreApplication::translate("Vocabulary",
// Caption) on the Qt faces). The files, the command line and the pages all take them from here.

#include "engine/current/Bonus.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Wage.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <span>
#include <string_view>

namespace formats {

inline constexpr const char *VocabularyContext = "Vocabulary";

template <class T> struct Word {
    T Value;
    const char *FileKey;    // what the year file writes ("按月", "labour")
    const char *EnglishKey; // what it and the command line take besides ("per-month")
    const char *Caption;    // Chinese, translated in the context "Vocabulary"
};

std::span<const Word<current::RemunerationKind>> RemunerationKinds();
std::span<const Word<current::BasicDeduction>> WithholdingModes();
std::span<const Word<current::IllnessOf>> Patients();
std::span<const Word<current::BonusChoice>> BonusMethods();

// A deduction of the timeline of a year, with the field of each month that holds it.
struct TimelineWord {
    current::Cents current::EntitlementMonth::*Field;
    const char *FileKey; // the key of the month's amount in `pendra-cli year --json`
    const char *EnglishKey;
    const char *Caption;
};
std::span<const TimelineWord> TimelineItems();

// The word of Value; the first of Words when none is.
template <class T> const Word<T> &WordOf(std::span<const Word<T>> Words, T Value) {
    for (const Word<T> &word : Words) {
        if (word.Value == Value)
            return word;
    }
    return Words.front();
}

// The word whose file key or English key is Key, or none.
template <class T> const Word<T> *WordNamed(std::span<const Word<T>> Words, std::string_view Key) {
    for (const Word<T> &word : Words) {
        if (Key == word.FileKey || Key == word.EnglishKey)
            return &word;
    }
    return nullptr;
}

// The caption of the timeline's deduction held in Field.
const char *CaptionOf(current::Cents current::EntitlementMonth::*Field);
// The result of the bonus comparison as the caption of its method.
const char *CaptionOf(current::BonusMethod Method);

} // namespace formats
