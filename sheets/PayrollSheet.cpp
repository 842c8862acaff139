#include "sheets/PayrollSheet.h"

#include "sheets/Cells.h"
#include "sheets/SheetText.h"

#include <algorithm>

namespace sheets {
namespace {

QString FromUtf8(std::string_view Text) {
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

QString Quoted(const QString &Text) {
    return QStringLiteral("“%1”").arg(Text);
}

} // namespace

std::string_view FieldWord(Field Which) {
    switch (Which) {
    case Field::Id:
        return "工号";
    case Field::Name:
        return "姓名";
    case Field::Month:
        return "月份";
    case Field::Income:
        return "收入";
    case Field::Exempt:
        return "免税收入";
    case Field::Insurance:
        return "专项扣除";
    case Field::Special:
        return "专项附加扣除";
    case Field::Other:
        return "其他扣除";
    case Field::Mode:
        return "减除方式";
    case Field::Extra:
        break;
    }
    return {};
}

QString FieldTitle(Field Which) {
    return FromUtf8(FieldWord(Which));
}

std::string_view ModeCellWord(ModeCell Mode) {
    switch (Mode) {
    case ModeCell::PerMonth:
        return "按月";
    case ModeCell::FromJanuary:
        return "自1月";
    case ModeCell::Sixty:
        return "6万";
    case ModeCell::Blank:
        break;
    }
    return {};
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
        return ExtraText(Row, Header[Column].Extra);
    default:
        return {};
    }
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
    // Faults are ordered by line, and lines grow with the rows.
    const std::uint32_t line = Rows[Row].Line;
    auto it = std::lower_bound(Faults.begin(), Faults.end(), line,
                               [](const RowError &e, std::uint32_t l) { return e.Line < l; });
    for (; it != Faults.end() && it->Line == line; ++it) {
        if (it->Column == Column)
            return &*it;
    }
    return nullptr;
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
    const QString where =
        Error.Column < Header.size() && !Header[Error.Column].Title.isEmpty()
            ? QStringLiteral("第%1行「%2」列")
                  .arg(QString::number(Error.Line), Header[Error.Column].Title)
            : QStringLiteral("第%1行第%2列").arg(Error.Line).arg(Error.Column + 1);
    const QString cell = Quoted(Texts.Text(Error.Text));
    const PayrollRow &row = Rows[Error.Row];
    const QString id = row.Employee == NoEmployee ? QString() : EmployeeId(row.Employee);
    QString what;
    switch (Error.Problem) {
    case RowProblem::EmptyId:
        what = QStringLiteral("工号为空");
        break;
    case RowProblem::Empty:
        what = QStringLiteral("不能为空");
        break;
    case RowProblem::NotNumber:
        what = QStringLiteral("%1不是数字").arg(cell);
        break;
    case RowProblem::OutOfRange:
        what = SheetText::tr("%1超出了金额的范围（最大为%2）")
                   .arg(cell, QString::fromStdString(current::FormatCents(LargestAmount)));
        break;
    case RowProblem::Negative:
        what = QStringLiteral("%1是负数，金额不能为负").arg(cell);
        break;
    case RowProblem::NotMonth:
        what = QStringLiteral("%1不是1到12的月份").arg(cell);
        break;
    case RowProblem::UnknownMode:
        what = QStringLiteral("%1不是减除方式，应为按月、自1月或6万（空白即按月）").arg(cell);
        break;
    case RowProblem::DuplicateMonth:
        what =
            QStringLiteral("工号%1的%2月与第%3行重复")
                .arg(Quoted(id), Texts.Text(Error.Text), QString::number(Rows[Error.Other].Line));
        break;
    case RowProblem::MonthGap:
        what = QStringLiteral("工号%1缺少%2月，同一员工的月份必须连续")
                   .arg(Quoted(id), QString::number(Error.Other));
        break;
    case RowProblem::MixedModes: {
        const auto shown = [](ModeCell mode) {
            return mode == ModeCell::Blank ? QStringLiteral("空白（按月）")
                                           : Quoted(ModeCellText(mode));
        };
        what = QStringLiteral("工号%1的减除方式%2与第%3行的%4不同")
                   .arg(Quoted(id), shown(row.Mode), QString::number(Rows[Error.Other].Line),
                        shown(Rows[Error.Other].Mode));
        break;
    }
    case RowProblem::NoTitle:
        what = QStringLiteral("%1所在的列没有标题").arg(cell);
        if (Error.Other > 0)
            what += SheetText::tr("（这一行另有%1个没有标题的单元格）").arg(Error.Other);
        break;
    case RowProblem::NulByte:
        what = SheetText::tr("含有空字符（NUL），不是文字");
        break;
    }
    return where + QStringLiteral("：") + what;
}

} // namespace sheets
