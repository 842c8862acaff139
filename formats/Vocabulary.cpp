#include "formats/Vocabulary.h"

// lupdate finds the captions by this macro's name; formats/ is free of Qt, so it is its own.
#define QT_TRANSLATE_NOOP(Context, Text) Text

namespace formats {
namespace {

using current::EntitlementMonth;

constexpr Word<current::RemunerationKind> Kinds[] = {
    {current::RemunerationKind::Labour, "labour", "labour",
     QT_TRANSLATE_NOOP("Vocabulary", "劳务报酬")},
    {current::RemunerationKind::Author, "author", "author",
     QT_TRANSLATE_NOOP("Vocabulary", "稿酬")},
    {current::RemunerationKind::Royalty, "royalty", "royalty",
     QT_TRANSLATE_NOOP("Vocabulary", "特许权使用费")}};

constexpr Word<current::BasicDeduction> Modes[] = {
    {current::BasicDeduction::PerMonth, "按月", "per-month",
     QT_TRANSLATE_NOOP("Vocabulary", "按月")},
    {current::BasicDeduction::FromJanuary, "自1月", "from-january",
     QT_TRANSLATE_NOOP("Vocabulary", "自1月")},
    {current::BasicDeduction::Sixty, "6万", "sixty", QT_TRANSLATE_NOOP("Vocabulary", "6万")}};

constexpr Word<current::IllnessOf> Persons[] = {
    {current::IllnessOf::Self, "本人", "self", QT_TRANSLATE_NOOP("Vocabulary", "本人")},
    {current::IllnessOf::Spouse, "配偶", "spouse", QT_TRANSLATE_NOOP("Vocabulary", "配偶")},
    {current::IllnessOf::Child, "子女", "child", QT_TRANSLATE_NOOP("Vocabulary", "子女")}};

constexpr Word<current::BonusChoice> Methods[] = {
    {current::BonusChoice::Separate, "separate", "separate",
     QT_TRANSLATE_NOOP("Vocabulary", "单独计税")},
    {current::BonusChoice::Merged, "merged", "merged",
     QT_TRANSLATE_NOOP("Vocabulary", "并入综合所得")},
    {current::BonusChoice::Best, "best", "best",
     QT_TRANSLATE_NOOP("Vocabulary", "取税额较低的一种（相同时单独计税）")}};

constexpr TimelineWord Timeline[] = {
    {&EntitlementMonth::Children, "children", "children",
     QT_TRANSLATE_NOOP("Vocabulary", "子女教育")},
    {&EntitlementMonth::InfantCare, "infant_care", "infant_care",
     QT_TRANSLATE_NOOP("Vocabulary", "婴幼儿照护")},
    {&EntitlementMonth::Elderly, "elderly", "elderly", QT_TRANSLATE_NOOP("Vocabulary", "赡养老人")},
    {&EntitlementMonth::HousingLoan, "housing_loan", "housing_loan",
     QT_TRANSLATE_NOOP("Vocabulary", "住房贷款利息")},
    {&EntitlementMonth::Rent, "rent", "rent", QT_TRANSLATE_NOOP("Vocabulary", "住房租金")},
    {&EntitlementMonth::ContinuingEducation, "continuing_education", "continuing_education",
     QT_TRANSLATE_NOOP("Vocabulary", "继续教育")},
    {&EntitlementMonth::Pension, "pension", "pension",
     QT_TRANSLATE_NOOP("Vocabulary", "个人养老金")},
    {&EntitlementMonth::HealthInsurance, "health_insurance", "health_insurance",
     QT_TRANSLATE_NOOP("Vocabulary", "商业健康保险")}};

} // namespace

std::span<const Word<current::RemunerationKind>> RemunerationKinds() {
    return Kinds;
}

std::span<const Word<current::BasicDeduction>> WithholdingModes() {
    return Modes;
}

std::span<const Word<current::IllnessOf>> Patients() {
    return Persons;
}

std::span<const Word<current::BonusChoice>> BonusMethods() {
    return Methods;
}

std::span<const TimelineWord> TimelineItems() {
    return Timeline;
}

const char *CaptionOf(current::Cents current::EntitlementMonth::*Field) {
    for (const TimelineWord &item : Timeline) {
        if (item.Field == Field)
            return item.Caption;
    }
    return "";
}

const char *CaptionOf(current::BonusMethod Method) {
    return WordOf(BonusMethods(), Method == current::BonusMethod::Merged
                                      ? current::BonusChoice::Merged
                                      : current::BonusChoice::Separate)
        .Caption;
}

} // namespace formats
