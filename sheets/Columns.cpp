#include "sheets/Columns.h"

#include "sheets/Cells.h"
#include "sheets/SheetText.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace sheets {
namespace {

enum class Kind : std::uint8_t { Input, Result, Rejected };

// A title the program knows, by both of its fixed names: the Chinese one, which is also the source
// of its translation, and the English one. A sheet is read by these names, never by what a
// translation says, so that a sheet reads the same whatever the language in use; the English
// translation of the source is the English name, so that a sheet written in English reads back.
struct KnownTitle {
    Kind Of;
    std::uint8_t Which; // a Field, a ResultColumn or a RejectedColumn
    const char *Source;
    const char *English;
};

template <typename Enum>
constexpr KnownTitle Title(Kind Of, Enum Which, const char *Source, const char *English) {
    return {Of, static_cast<std::uint8_t>(Which), Source, English};
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

Field FieldOfTitle(std::string_view Title) {
    const auto found =
        std::find_if(KnownTitles.begin(), KnownTitles.end(), [Title](const KnownTitle &t) {
            return t.Source == Title || SameIgnoringCase(t.English, Title);
        });
    if (found == KnownTitles.end())
        return Field::Extra;
    return found->Of == Kind::Input ? static_cast<Field>(found->Which) : Field::Written;
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

} // namespace sheets
