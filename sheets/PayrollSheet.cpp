#include "sheets/PayrollSheet.h"

#include "formats/Vocabulary.h"

#include "sheets/LawText.h"

#include "sheets/Cells.h"
#include "sheets/SheetText.h"

#include <algorithm>

namespace sheets {
namespace {

QString FromUtf8(std::string_view Text) {
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

QString Number(std::uint32_t Value) {
    return QString::number(Value);
}

QString Quoted(const QString &Text) {
    return SheetText::tr("“%1”").arg(Text);
}

QString ModeShown(ModeCell Mode) {
    return Mode == ModeCell::Blank ? SheetText::tr("空白（按月）") : Quoted(ModeCellText(Mode));
}

} // namespace

namespace {

// A 减除方式 cell holds the withholding mode's file key (the one written) or, in any case, its
// English key, as `pendra-cli wage --mode` takes them.
ModeCell CellOf(current::BasicDeduction Mode) {
    switch (Mode) {
    case current::BasicDeduction::FromJanuary:
        return ModeCell::FromJanuary;
    case current::BasicDeduction::Sixty:
        return ModeCell::Sixty;
    case current::BasicDeduction::PerMonth:
        break;
    }
    return ModeCell::PerMonth;
}

} // namespace

std::string_view ModeCellWord(ModeCell Mode) {
    if (Mode == ModeCell::Blank)
        return {};
    return formats::WordOf(formats::WithholdingModes(), DeductionOf(Mode)).FileKey;
}

std::optional<ModeCell> ModeCellOf(std::string_view Text) {
    if (Text.empty())
        return ModeCell::Blank;
    for (const auto &word : formats::WithholdingModes()) {
        if (Text == word.FileKey || SameIgnoringCase(Text, word.EnglishKey))
            return CellOf(word.Value);
    }
    return std::nullopt;
}

current::BasicDeduction DeductionOf(ModeCell Mode) {
    switch (Mode) {
    case ModeCell::FromJanuary:
        return current::BasicDeduction::FromJanuary;
    case ModeCell::Sixty:
        return current::BasicDeduction::Sixty;
    default:
        return current::BasicDeduction::PerMonth;
    }
}

QString ModeCellText(ModeCell Mode) {
    return FromUtf8(ModeCellWord(Mode));
}

std::optional<BonusAsk> BonusAskOf(std::string_view Text) {
    if (Text.empty())
        return BonusAsk::Blank;
    if (Text == "单独" || SameIgnoringCase(Text, "separately"))
        return BonusAsk::Separate;
    if (Text == "并入" || Text == "并入当月工资" || SameIgnoringCase(Text, "merged with wages"))
        return BonusAsk::Merged;
    for (const auto &word : formats::BonusMethods()) {
        if (Text == word.FileKey || SameIgnoringCase(Text, word.EnglishKey) ||
            Text == word.Caption) {
            if (word.Value == current::BonusChoice::Separate)
                return BonusAsk::Separate;
            if (word.Value == current::BonusChoice::Merged)
                return BonusAsk::Merged;
        }
    }
    return std::nullopt;
}

bool PayrollSheet::SeparateBonusAllowed() const {
    // A year past the rules the program knows is taken under the latest year's, which may still
    // have the method though the law ends it before that year.
    const bool known = SheetYear == 0 || current::RulesInUse(SheetYear) != nullptr;
    return Rules().SeparateBonus && (known || SheetYear <= current::Law::SeparateBonusUntil.Year);
}

current::Cents PayrollSheet::TypedAmount(std::size_t Row, std::size_t Column) const {
    const std::string_view text = TrimBlanks(ExtraText(Row, Header[Column].Extra));
    if (text.empty())
        return 0;
    if (const auto cents = CellCents(text))
        return *cents;
    std::string scratch;
    return CellCents(PlainAmount(text, scratch)).value_or(0);
}

std::vector<DeductionItem> PayrollSheet::Items() const {
    std::vector<DeductionItem> items;
    for (const SheetColumn &column : Header) {
        if (column.Role == Field::DeductionItem)
            items.push_back(column.Item);
    }
    std::sort(items.begin(), items.end());
    return items;
}

std::optional<std::size_t> PayrollSheet::IndexOfMonth(std::uint32_t Employee, int Month) const {
    const auto rows = EmployeeRows(Employee);
    const auto at = std::find_if(rows.begin(), rows.end(),
                                 [&](std::uint32_t row) { return Rows[row].Month == Month; });
    if (at == rows.end())
        return std::nullopt;
    return static_cast<std::size_t>(at - rows.begin());
}

std::vector<BonusTaking> PayrollSheet::Bonuses(std::uint32_t Employee) const {
    const auto rows = EmployeeRows(Employee);
    std::vector<BonusTaking> bonuses(rows.size());
    const int column = ColumnOf(Field::Bonus);
    if (column < 0)
        return bonuses;
    const int askColumn = ColumnOf(Field::BonusMethod);
    const bool separate = SeparateBonusAllowed();
    std::uint8_t separateMonth = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        BonusTaking &bonus = bonuses[k];
        bonus.Amount = TypedAmount(rows[k], std::size_t(column));
        if (bonus.Amount <= 0)
            continue;
        const BonusAsk ask =
            askColumn < 0
                ? BonusAsk::Blank
                : BonusAskOf(TrimBlanks(ExtraText(rows[k], Header[std::size_t(askColumn)].Extra)))
                      .value_or(BonusAsk::Blank);
        if (!separate)
            bonus.Way = BonusWay::MergedByLaw;
        else if (ask == BonusAsk::Merged)
            bonus.Way = BonusWay::MergedAsked;
        else if (separateMonth != 0)
            bonus = {bonus.Amount, BonusWay::MergedSecond, separateMonth};
        else {
            bonus.Way = BonusWay::Separate;
            separateMonth = Rows[rows[k]].Month;
        }
    }
    return bonuses;
}

std::vector<ItemAmounts> PayrollSheet::ItemsDeducted(std::uint32_t Employee) const {
    const auto rows = EmployeeRows(Employee);
    std::vector<ItemAmounts> months(rows.size(), ItemAmounts{});
    const current::YearRules &rules = Rules();
    current::Cents pensionPaid = 0;
    current::Cents healthDeducted = 0;
    for (std::size_t column = 0; column < Header.size(); ++column) {
        const DeductionItem item = Header[column].Item;
        if (Header[column].Role != Field::DeductionItem)
            continue;
        const auto slot = static_cast<std::size_t>(item) - 1;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const current::Cents given = TypedAmount(rows[k], column);
            current::Cents &deducted = months[k][slot];
            if (item == DeductionItem::Pension) {
                // Within the year's cap, what was paid by the month counts.
                const current::Cents before = std::min(pensionPaid, rules.PensionCap);
                pensionPaid += given;
                deducted = std::min(pensionPaid, rules.PensionCap) - before;
            } else if (item == DeductionItem::HealthInsurance) {
                const current::Cents month = std::min(given, rules.HealthMonthly);
                deducted = std::min(month, rules.HealthAnnual - healthDeducted);
                healthDeducted += deducted;
            } else {
                deducted = given;
            }
        }
    }
    return months;
}

int PayrollSheet::ColumnOf(Field Which) const {
    const auto found = std::find_if(Header.begin(), Header.end(),
                                    [Which](const SheetColumn &c) { return c.Role == Which; });
    return found == Header.end() ? -1 : static_cast<int>(found - Header.begin());
}

bool PayrollSheet::RowAccepted(std::size_t Index) const {
    const PayrollRow &row = Rows[Index];
    return !row.Faulty && row.Employee != NoEmployee && People[row.Employee].Accepted;
}

std::span<const std::uint32_t> PayrollSheet::EmployeeRows(std::uint32_t Employee) const {
    return std::span<const std::uint32_t>(Order).subspan(
        OrderStarts[Employee], OrderStarts[Employee + 1] - OrderStarts[Employee]);
}

std::vector<current::WageMonth> PayrollSheet::Months(std::uint32_t Employee) const {
    std::vector<current::WageMonth> months;
    months.reserve(EmployeeRows(Employee).size());
    for (const std::uint32_t index : EmployeeRows(Employee)) {
        const PayrollRow &row = Rows[index];
        months.push_back(
            {row.Month, row.Income, row.Exempt, row.Insurance, row.Special, row.Other});
    }
    if (HasBonus()) {
        const std::vector<BonusTaking> bonuses = Bonuses(Employee);
        for (std::size_t k = 0; k < months.size(); ++k) {
            if (bonuses[k].MergedWithWage())
                months[k].Income += bonuses[k].Amount;
        }
    }
    const std::vector<DeductionItem> items = Items();
    if (std::any_of(items.begin(), items.end(),
                    [](DeductionItem item) { return !PartOfSpecial(item); })) {
        const std::vector<ItemAmounts> deducted = ItemsDeducted(Employee);
        for (std::size_t k = 0; k < months.size(); ++k) {
            for (const DeductionItem item :
                 {DeductionItem::Pension, DeductionItem::HealthInsurance})
                months[k].Other += deducted[k][static_cast<std::size_t>(item) - 1];
        }
    }
    return months;
}

std::string_view PayrollSheet::TextOf(std::size_t Row, std::size_t Column) const {
    const PayrollRow &row = Rows[Row];
    switch (Header[Column].Role) {
    case Field::Id:
        return row.Employee == NoEmployee ? std::string_view()
                                          : Texts.View(People[row.Employee].Id);
    case Field::Name:
        return Texts.View(row.Name);
    case Field::Mode:
        return ModeCellWord(row.Mode);
    case Field::Extra:
    case Field::InsurancePart:
    case Field::Bonus:
    case Field::BonusMethod:
    case Field::DeductionItem:
        return ExtraText(Row, Header[Column].Extra);
    default:
        return {};
    }
}

std::optional<std::string_view> PayrollSheet::TypedCell(std::size_t Row, std::size_t Column) const {
    if (const auto faulty = FaultyCell(Row, Column))
        return faulty;
    auto it = std::lower_bound(TypedCells.begin(), TypedCells.end(), Row,
                               [](const Typed &t, std::size_t r) { return t.Row < r; });
    for (; it != TypedCells.end() && it->Row == Row; ++it) {
        if (it->Column == Column)
            return Texts.View(it->Text);
    }
    return std::nullopt;
}

QStringList PayrollSheet::UnreadTitles() const {
    QStringList titles;
    for (const SheetColumn &column : Header) {
        if (column.Role == Field::Extra && !column.Title.isEmpty() &&
            !titles.contains(column.Title))
            titles << column.Title;
    }
    return titles;
}

QStringList PayrollSheet::DeductionLikeTitles() const {
    QStringList titles = UnreadTitles();
    titles.removeIf([](const QString &t) { return !LooksLikeDeduction(t.toUtf8().toStdString()); });
    return titles;
}

QString PayrollSheet::PartName(std::uint8_t Part) const {
    return Part == 0 || Part > PartNames.size() ? QString() : PartNames[Part - 1];
}

std::size_t PayrollSheet::RowsOfPart(std::uint8_t Part) const {
    return static_cast<std::size_t>(std::count_if(
        Rows.begin(), Rows.end(), [Part](const PayrollRow &r) { return r.Part == Part; }));
}

std::string_view PayrollSheet::ExtraText(std::size_t Row, std::uint32_t Extra) const {
    const auto first = ExtraCells.begin() + ExtraStarts[Row];
    const auto last =
        Row + 1 < ExtraStarts.size() ? ExtraCells.begin() + ExtraStarts[Row + 1] : ExtraCells.end();
    const auto found =
        std::find_if(first, last, [Extra](const ExtraCell &c) { return c.Extra == Extra; });
    return found == last ? std::string_view() : Texts.View(found->Text);
}

const RowError *PayrollSheet::FaultAt(std::size_t Row, std::size_t Column) const {
    if (!Rows[Row].Faulty)
        return nullptr;
    for (const RowError *fault : FaultsOf(Row)) {
        if (fault->Column == Column)
            return fault;
    }
    return nullptr;
}

std::optional<std::string_view> PayrollSheet::FaultyCell(std::size_t Row,
                                                         std::size_t Column) const {
    if (const RowError *fault = FaultAt(Row, Column))
        return Texts.View(fault->Text);
    return std::nullopt;
}

std::vector<const RowError *> PayrollSheet::FaultsOf(std::size_t Row) const {
    std::vector<const RowError *> faults;
    if (!Rows[Row].Faulty)
        return faults;
    // Faults are ordered by line; a workbook may give two rows one number, so the row is checked.
    const std::uint32_t line = Rows[Row].Line;
    auto it = std::lower_bound(Faults.begin(), Faults.end(), line,
                               [](const RowError &e, std::uint32_t l) { return e.Line < l; });
    for (; it != Faults.end() && it->Line == line; ++it) {
        if (it->Row == Row)
            faults.push_back(&*it);
    }
    return faults;
}

QString PayrollSheet::Cell(std::size_t Row, std::size_t Column) const {
    if (const RowError *fault = FaultAt(Row, Column))
        return Texts.Text(fault->Text);
    const Field role = Header[Column].Role;
    switch (role) {
    case Field::Month:
        return Rows[Row].Month == 0 ? QString() : QString::number(Rows[Row].Month);
    case Field::Income:
    case Field::Exempt:
    case Field::Insurance:
    case Field::Special:
    case Field::Other: {
        std::string text;
        AppendCents(text, Amount(Row, role));
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    default:
        return FromUtf8(TextOf(Row, Column));
    }
}

QString PayrollSheet::Message(const RowError &Error) const {
    return SheetText::tr("%1：%2").arg(Place(Error), Reason(Error));
}

QString PayrollSheet::ColumnName(const RowError &Error) const {
    if (Error.Column < Header.size() && !Header[Error.Column].Title.isEmpty())
        return Header[Error.Column].Title;
    return SheetText::tr("第%1列").arg(Error.Column + 1);
}

QString PayrollSheet::Place(const RowError &Error) const {
    QString place;
    if (Error.Column < Header.size() && !Header[Error.Column].Title.isEmpty())
        place = SheetText::tr("第%1行「%2」列").arg(Number(Error.Line), Header[Error.Column].Title);
    else
        place = SheetText::tr("第%1行第%2列").arg(Error.Line).arg(Error.Column + 1);
    const QString part = PartName(Rows[Error.Row].Part);
    return part.isEmpty() ? place : SheetText::tr("%1%2").arg(part, place);
}

QString PayrollSheet::Reason(const RowError &Error) const {
    const QString cell = Quoted(Texts.Text(Error.Text));
    const PayrollRow &row = Rows[Error.Row];
    const QString id = row.Employee == NoEmployee ? QString() : Quoted(EmployeeId(row.Employee));
    switch (Error.Problem) {
    case RowProblem::EmptyId:
        return SheetText::tr("工号为空");
    case RowProblem::Empty:
        return SheetText::tr("不能为空");
    case RowProblem::NotNumber:
        return SheetText::tr("%1不是数字").arg(cell);
    case RowProblem::OutOfRange:
        return SheetText::tr("%1超出了金额的范围（最大为%2）")
            .arg(cell, QString::fromStdString(current::FormatCents(LargestAmount)));
    case RowProblem::Negative:
        return SheetText::tr("%1是负数，金额不能为负").arg(cell);
    case RowProblem::NotMonth:
        return SheetText::tr("%1不是1到12的月份").arg(cell);
    case RowProblem::UnknownMode:
        return SheetText::tr("%1不是减除方式，应为按月、自1月或6万（空白即按月）").arg(cell);
    case RowProblem::DuplicateMonth:
        return SheetText::tr("工号%1的%2月与第%3行重复")
            .arg(id, Texts.Text(Error.Text), Number(Rows[Error.Other].Line));
    case RowProblem::MonthGap:
        return SheetText::tr("工号%1缺少%2月，同一员工的月份必须连续").arg(id, Number(Error.Other));
    case RowProblem::MixedModes:
        return SheetText::tr("工号%1的减除方式%2与第%3行的%4不同")
            .arg(id, ModeShown(row.Mode), Number(Rows[Error.Other].Line),
                 ModeShown(Rows[Error.Other].Mode));
    case RowProblem::NoTitle:
        if (Error.Other > 0)
            return SheetText::tr("%1所在的列没有标题（这一行另有%2个没有标题的单元格）")
                .arg(cell, Number(Error.Other));
        return SheetText::tr("%1所在的列没有标题").arg(cell);
    case RowProblem::NulByte:
        return SheetText::tr("含有空字符（NUL），不是文字");
    case RowProblem::OtherYear:
        return SheetText::tr("%1与表中其他各行的年份（%2年）不同，一张工资表只能是同一年的")
            .arg(cell, Number(Error.Other));
    case RowProblem::SixtyLate:
        return SheetText::tr("工号%1的减除方式“6万”只适用于上年各月均在本单位任职受雇、本年1月起"
                             "仍在本单位的员工，其月份应从1月开始，不能从%2月开始")
            .arg(id, Number(Error.Other));
    case RowProblem::UnknownBonusMethod:
        return SheetText::tr("%1不是奖金计税方式，应为单独或并入（空白即单独计税）").arg(cell);
    case RowProblem::ItemNotYetLaw:
        return SheetText::tr("%1年还没有「%2」这项扣除，该列应为空")
            .arg(Number(Error.Other), ColumnName(Error));
    case RowProblem::ModeNotYetLaw: {
        const bool sixty = row.Mode == ModeCell::Sixty;
        return SheetText::tr("工号%1的减除方式%2自%3起施行（%4），%5年不能采用")
            .arg(id, ModeShown(row.Mode),
                 LawText::Date(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom),
                 LawText::Document(sixty ? current::Law::SixtyDocument
                                         : current::Law::FromJanuaryDocument),
                 Number(Error.Other));
    }
    }
    return {};
}

} // namespace sheets
