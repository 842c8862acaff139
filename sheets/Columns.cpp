#include "sheets/Columns.h"

#include "sheets/Cells.h"
#include "sheets/SheetText.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

namespace sheets {
namespace {

enum class Kind : std::uint8_t { Input, Result, Rejected, BonusResult, ItemResult };

// A title the program knows, by both of its fixed names: the Chinese one, which is also the source
// of its translation, and the English one. A sheet is read by these names, never by what a
// translation says, so that a sheet reads the same whatever the language in use; the English
// translation of the source is the English name, so that a sheet written in English reads back.
// A synonym is a row of its own after its field's own title, which alone is written.
struct KnownTitle {
    Kind Of;
    std::uint8_t Which; // a Field, a ResultColumn or a RejectedColumn
    const char *Source;
    const char *English;
    InsurancePart Part = InsurancePart::None;
    DeductionItem Item = DeductionItem::None;
};

template <typename Enum>
constexpr KnownTitle Title(Kind Of, Enum Which, const char *Source, const char *English) {
    return {Of, static_cast<std::uint8_t>(Which), Source, English};
}

// The titles clerks give the input columns besides their own; never written, so not translated.
constexpr KnownTitle Synonym(Field Which, const char *Chinese, const char *English) {
    return {Kind::Input, static_cast<std::uint8_t>(Which), Chinese, English};
}

constexpr KnownTitle PartTitle(InsurancePart Part, const char *Chinese, const char *English) {
    return {Kind::Input, static_cast<std::uint8_t>(Field::InsurancePart), Chinese, English, Part};
}

constexpr KnownTitle ItemTitle(DeductionItem Item, const char *Chinese, const char *English) {
    return {Kind::Input,
            static_cast<std::uint8_t>(Field::DeductionItem),
            Chinese,
            English,
            InsurancePart::None,
            Item};
}

constexpr std::array KnownTitles{
    Title(Kind::Input, Field::Id, QT_TRANSLATE_NOOP("SheetText", "工号"), "Employee ID"),
    Title(Kind::Input, Field::Name, QT_TRANSLATE_NOOP("SheetText", "姓名"), "Name"),
    Title(Kind::Input, Field::Month, QT_TRANSLATE_NOOP("SheetText", "月份"), "Month"),
    Title(Kind::Input, Field::Income, QT_TRANSLATE_NOOP("SheetText", "收入"), "Income"),
    Title(Kind::Input, Field::Exempt, QT_TRANSLATE_NOOP("SheetText", "免税收入"),
          "Tax-exempt income"),
    Title(Kind::Input, Field::Insurance, QT_TRANSLATE_NOOP("SheetText", "专项扣除"),
          "Special deductions"),
    Title(Kind::Input, Field::Special, QT_TRANSLATE_NOOP("SheetText", "专项附加扣除"),
          "Special additional deductions"),
    Title(Kind::Input, Field::Other, QT_TRANSLATE_NOOP("SheetText", "其他扣除"),
          "Other deductions"),
    Title(Kind::Input, Field::Mode, QT_TRANSLATE_NOOP("SheetText", "减除方式"), "Deduction method"),
    Synonym(Field::Income, "应发工资", "Gross pay"),
    Synonym(Field::Income, "应发合计", "Total gross pay"),
    Synonym(Field::Income, "税前工资", "Pre-tax pay"),
    // The withholding client's import templates title the month's figures so.
    Synonym(Field::Income, "本期收入", "Income of the period"),
    Synonym(Field::Exempt, "本期免税收入", "Tax-exempt income of the period"),
    Synonym(Field::Insurance, "三险一金", "Social insurance and housing fund"),
    Synonym(Field::Insurance, "社保公积金", "Social security and housing fund"),
    PartTitle(InsurancePart::Pension, "基本养老保险费", "Basic pension insurance"),
    PartTitle(InsurancePart::Pension, "养老保险", "Pension insurance"),
    PartTitle(InsurancePart::Medical, "基本医疗保险费", "Basic medical insurance"),
    PartTitle(InsurancePart::Medical, "医疗保险", "Medical insurance"),
    PartTitle(InsurancePart::Unemployment, "失业保险费", "Unemployment insurance premium"),
    PartTitle(InsurancePart::Unemployment, "失业保险", "Unemployment insurance"),
    PartTitle(InsurancePart::HousingFund, "住房公积金", "Housing provident fund"),
    PartTitle(InsurancePart::HousingFund, "公积金", "Housing fund"),
    Title(Kind::Input, Field::Bonus, QT_TRANSLATE_NOOP("SheetText", "全年一次性奖金"),
          "Annual bonus"),
    Synonym(Field::Bonus, "年终奖", "Annual bonus paid"),
    Title(Kind::Input, Field::BonusMethod, QT_TRANSLATE_NOOP("SheetText", "奖金计税方式"),
          "Bonus taxation method"),
    ItemTitle(DeductionItem::ChildEducation, "子女教育", "Children's education"),
    ItemTitle(DeductionItem::InfantCare, "3岁以下婴幼儿照护", "Care for infants under 3"),
    ItemTitle(DeductionItem::InfantCare, "婴幼儿照护", "Infant care"),
    ItemTitle(DeductionItem::Elderly, "赡养老人", "Elderly support"),
    ItemTitle(DeductionItem::HousingLoan, "住房贷款利息", "Housing loan interest"),
    ItemTitle(DeductionItem::Rent, "住房租金", "Housing rent"),
    ItemTitle(DeductionItem::ContinuingEducation, "继续教育", "Continuing education"),
    ItemTitle(DeductionItem::Pension, "个人养老金", "Private pension"),
    ItemTitle(DeductionItem::HealthInsurance, "商业健康保险", "Commercial health insurance"),
    Title(Kind::Result, ResultColumn::CumulativeIncome, QT_TRANSLATE_NOOP("SheetText", "累计收入"),
          "Cumulative income"),
    Title(Kind::Result, ResultColumn::CumulativeExempt,
          QT_TRANSLATE_NOOP("SheetText", "累计免税收入"), "Cumulative tax-exempt income"),
    Title(Kind::Result, ResultColumn::CumulativeBasic,
          QT_TRANSLATE_NOOP("SheetText", "累计减除费用"), "Cumulative basic deduction"),
    Title(Kind::Result, ResultColumn::CumulativeInsurance,
          QT_TRANSLATE_NOOP("SheetText", "累计专项扣除"), "Cumulative special deductions"),
    Title(Kind::Result, ResultColumn::CumulativeSpecial,
          QT_TRANSLATE_NOOP("SheetText", "累计专项附加扣除"),
          "Cumulative special additional deductions"),
    Title(Kind::Result, ResultColumn::CumulativeOther,
          QT_TRANSLATE_NOOP("SheetText", "累计其他扣除"), "Cumulative other deductions"),
    Title(Kind::Result, ResultColumn::CumulativeTaxable,
          QT_TRANSLATE_NOOP("SheetText", "累计应纳税所得额"), "Cumulative taxable income"),
    Title(Kind::Result, ResultColumn::Rate, QT_TRANSLATE_NOOP("SheetText", "预扣率"),
          "Withholding rate"),
    Title(Kind::Result, ResultColumn::QuickDeduction, QT_TRANSLATE_NOOP("SheetText", "速算扣除数"),
          "Quick deduction"),
    Title(Kind::Result, ResultColumn::CumulativeTax, QT_TRANSLATE_NOOP("SheetText", "累计应纳税额"),
          "Cumulative tax payable"),
    Title(Kind::Result, ResultColumn::WithheldBefore,
          QT_TRANSLATE_NOOP("SheetText", "累计已预扣税额"), "Cumulative tax withheld"),
    Title(Kind::Result, ResultColumn::Tax, QT_TRANSLATE_NOOP("SheetText", "本月应预扣税额"),
          "Tax to withhold this month"),
    Title(Kind::Result, ResultColumn::Net, QT_TRANSLATE_NOOP("SheetText", "税后收入"), "Net pay"),
    Title(Kind::BonusResult, BonusColumn::Tax, QT_TRANSLATE_NOOP("SheetText", "奖金应纳税额"),
          "Tax on the annual bonus"),
    Title(Kind::BonusResult, BonusColumn::Rate, QT_TRANSLATE_NOOP("SheetText", "奖金税率"),
          "Annual bonus tax rate"),
    Title(Kind::BonusResult, BonusColumn::QuickDeduction,
          QT_TRANSLATE_NOOP("SheetText", "奖金速算扣除数"), "Annual bonus quick deduction"),
    Title(Kind::BonusResult, BonusColumn::Net, QT_TRANSLATE_NOOP("SheetText", "税后奖金"),
          "Annual bonus after tax"),
    Title(Kind::BonusResult, BonusColumn::Note, QT_TRANSLATE_NOOP("SheetText", "奖金提示"),
          "Annual bonus note"),
    Title(Kind::ItemResult, DeductionItem::ChildEducation,
          QT_TRANSLATE_NOOP("SheetText", "累计子女教育"), "Cumulative children's education"),
    Title(Kind::ItemResult, DeductionItem::InfantCare,
          QT_TRANSLATE_NOOP("SheetText", "累计3岁以下婴幼儿照护"),
          "Cumulative care for infants under 3"),
    Title(Kind::ItemResult, DeductionItem::Elderly, QT_TRANSLATE_NOOP("SheetText", "累计赡养老人"),
          "Cumulative elderly support"),
    Title(Kind::ItemResult, DeductionItem::HousingLoan,
          QT_TRANSLATE_NOOP("SheetText", "累计住房贷款利息"), "Cumulative housing loan interest"),
    Title(Kind::ItemResult, DeductionItem::Rent, QT_TRANSLATE_NOOP("SheetText", "累计住房租金"),
          "Cumulative housing rent"),
    Title(Kind::ItemResult, DeductionItem::ContinuingEducation,
          QT_TRANSLATE_NOOP("SheetText", "累计继续教育"), "Cumulative continuing education"),
    Title(Kind::ItemResult, DeductionItem::Pension,
          QT_TRANSLATE_NOOP("SheetText", "累计个人养老金"), "Cumulative private pension"),
    Title(Kind::ItemResult, DeductionItem::HealthInsurance,
          QT_TRANSLATE_NOOP("SheetText", "累计商业健康保险"),
          "Cumulative commercial health insurance"),
    Title(Kind::Rejected, RejectedColumn::Line, QT_TRANSLATE_NOOP("SheetText", "原表行号"),
          "Source row"),
    Title(Kind::Rejected, RejectedColumn::Column, QT_TRANSLATE_NOOP("SheetText", "有误的列"),
          "Column at fault"),
    Title(Kind::Rejected, RejectedColumn::Reason, QT_TRANSLATE_NOOP("SheetText", "未计算的原因"),
          "Reason not calculated"),
};

template <typename Enum> QString Translated(Kind Of, Enum Which) {
    const auto found = std::find_if(KnownTitles.begin(), KnownTitles.end(), [&](const auto &t) {
        return t.Of == Of && t.Which == static_cast<std::uint8_t>(Which);
    });
    return found == KnownTitles.end() ? QString() : SheetText::tr(found->Source);
}

} // namespace

TitleRole RoleOfTitle(std::string_view Title) {
    const auto found =
        std::find_if(KnownTitles.begin(), KnownTitles.end(), [Title](const KnownTitle &t) {
            return t.Source == Title || SameIgnoringCase(t.English, Title);
        });
    if (found == KnownTitles.end())
        return {};
    if (found->Of != Kind::Input)
        return {Field::Written};
    return {static_cast<Field>(found->Which), found->Part, found->Item};
}

namespace {

template <typename Enum> std::optional<Enum> WrittenOfTitle(Kind Of, std::string_view Title) {
    const auto found =
        std::find_if(KnownTitles.begin(), KnownTitles.end(), [Of, Title](const KnownTitle &t) {
            return t.Of == Of && (t.Source == Title || SameIgnoringCase(t.English, Title));
        });
    if (found == KnownTitles.end())
        return std::nullopt;
    return static_cast<Enum>(found->Which);
}

} // namespace

std::optional<ResultColumn> ResultOfTitle(std::string_view Title) {
    return WrittenOfTitle<ResultColumn>(Kind::Result, Title);
}

std::optional<DeductionItem> ItemResultOfTitle(std::string_view Title) {
    return WrittenOfTitle<DeductionItem>(Kind::ItemResult, Title);
}

namespace {

bool ContainsFolded(std::string_view Text, std::string_view Word) {
    return std::search(Text.begin(), Text.end(), Word.begin(), Word.end(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
           }) != Text.end();
}

bool ContainsAny(std::string_view Text, std::initializer_list<std::string_view> Words) {
    return std::any_of(Words.begin(), Words.end(),
                       [Text](std::string_view w) { return ContainsFolded(Text, w); });
}

} // namespace

bool LooksLikeDeduction(std::string_view Title) {
    return ContainsAny(Title, {"保险", "公积金", "扣除", "社保", "个税", "insurance", "provident",
                               "housing fund", "deduction", "social security", "income tax"});
}

bool SaysTotal(std::string_view Cell) {
    return ContainsAny(Cell, {"合计", "总计", "小计", "total"});
}

QString FieldTitle(Field Which) {
    return Translated(Kind::Input, Which);
}

QString ResultTitle(ResultColumn Which) {
    return Translated(Kind::Result, Which);
}

QString RejectedTitle(RejectedColumn Which) {
    return Translated(Kind::Rejected, Which);
}

QString BonusTitle(BonusColumn Which) {
    return Translated(Kind::BonusResult, Which);
}

QString ItemResultTitle(DeductionItem Which) {
    return Translated(Kind::ItemResult, Which);
}

} // namespace sheets
