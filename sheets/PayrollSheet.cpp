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
