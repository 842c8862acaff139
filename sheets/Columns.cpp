#include "sheets/Columns.h"

#include "sheets/SheetText.h"

#include <algorithm>
#include <array>

namespace sheets {
namespace {

enum class Kind : std::uint8_t { Input, Result, Rejected };

// A title the program knows. A sheet is recognised by the source text (Chinese), which is
// also the text that translations start from.
struct KnownTitle {
    Kind Of;
    std::uint8_t Which; // a Field, a ResultColumn or a RejectedColumn
    const char *Source;
};

template <typename Enum> constexpr KnownTitle Title(Kind Of, Enum Which, const char *Source) {
    return {Of, static_cast<std::uint8_t>(Which), Source};
}

constexpr std::array KnownTitles{
    Title(Kind::Input, Field::Id, QT_TRANSLATE_NOOP("SheetText", "工号")),
    Title(Kind::Input, Field::Name, QT_TRANSLATE_NOOP("SheetText", "姓名")),
    Title(Kind::Input, Field::Month, QT_TRANSLATE_NOOP("SheetText", "月份")),
    Title(Kind::Input, Field::Income, QT_TRANSLATE_NOOP("SheetText", "收入")),
    Title(Kind::Input, Field::Exempt, QT_TRANSLATE_NOOP("SheetText", "免税收入")),
    Title(Kind::Input, Field::Insurance, QT_TRANSLATE_NOOP("SheetText", "专项扣除")),
    Title(Kind::Input, Field::Special, QT_TRANSLATE_NOOP("SheetText", "专项附加扣除")),
    Title(Kind::Input, Field::Other, QT_TRANSLATE_NOOP("SheetText", "其他扣除")),
    Title(Kind::Input, Field::Mode, QT_TRANSLATE_NOOP("SheetText", "减除方式")),
    Title(Kind::Result, ResultColumn::CumulativeIncome, QT_TRANSLATE_NOOP("SheetText", "累计收入")),
    Title(Kind::Result, ResultColumn::CumulativeExempt,
          QT_TRANSLATE_NOOP("SheetText", "累计免税收入")),
    Title(Kind::Result, ResultColumn::CumulativeBasic,
          QT_TRANSLATE_NOOP("SheetText", "累计减除费用")),
    Title(Kind::Result, ResultColumn::CumulativeInsurance,
          QT_TRANSLATE_NOOP("SheetText", "累计专项扣除")),
    Title(Kind::Result, ResultColumn::CumulativeSpecial,
          QT_TRANSLATE_NOOP("SheetText", "累计专项附加扣除")),
    Title(Kind::Result, ResultColumn::CumulativeOther,
          QT_TRANSLATE_NOOP("SheetText", "累计其他扣除")),
    Title(Kind::Result, ResultColumn::CumulativeTaxable,
          QT_TRANSLATE_NOOP("SheetText", "累计应纳税所得额")),
    Title(Kind::Result, ResultColumn::Rate, QT_TRANSLATE_NOOP("SheetText", "预扣率")),
    Title(Kind::Result, ResultColumn::QuickDeduction, QT_TRANSLATE_NOOP("SheetText", "速算扣除数")),
    Title(Kind::Result, ResultColumn::CumulativeTax,
          QT_TRANSLATE_NOOP("SheetText", "累计应纳税额")),
    Title(Kind::Result, ResultColumn::WithheldBefore,
          QT_TRANSLATE_NOOP("SheetText", "累计已预扣税额")),
    Title(Kind::Result, ResultColumn::Tax, QT_TRANSLATE_NOOP("SheetText", "本月应预扣税额")),
    Title(Kind::Result, ResultColumn::Net, QT_TRANSLATE_NOOP("SheetText", "税后收入")),
    Title(Kind::Rejected, RejectedColumn::Line, QT_TRANSLATE_NOOP("SheetText", "原表行号")),
    Title(Kind::Rejected, RejectedColumn::Column, QT_TRANSLATE_NOOP("SheetText", "有误的列")),
    Title(Kind::Rejected, RejectedColumn::Reason, QT_TRANSLATE_NOOP("SheetText", "未计算的原因")),
};

template <typename Enum> QString Translated(Kind Of, Enum Which) {
    const auto found = std::find_if(KnownTitles.begin(), KnownTitles.end(), [&](const auto &t) {
        return t.Of == Of && t.Which == static_cast<std::uint8_t>(Which);
    });
    return found == KnownTitles.end() ? QString() : SheetText::tr(found->Source);
}

} // namespace

Field FieldOfTitle(std::string_view Title) {
    const auto found = std::find_if(KnownTitles.begin(), KnownTitles.end(),
                                    [Title](const KnownTitle &t) { return t.Source == Title; });
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
