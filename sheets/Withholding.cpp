#include "sheets/Withholding.h"

#include "sheets/Cells.h"
#include "sheets/LawText.h"
#include "sheets/SheetText.h"

#include <algorithm>

namespace sheets {

QString ResultText(const current::WageWithholding &Month, ResultColumn Column) {
    std::string text;
    if (Column == ResultColumn::Rate) {
        AppendInteger(text, Month.Rate);
        text.push_back('%');
    } else {
        AppendCents(text, ResultValue(Month, Column));
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString TotalText(Total Value) {
    // Unsigned, so that the most negative sum has a magnitude too.
    auto magnitude = Value < 0 ? 0 - static_cast<unsigned __int128>(Value)
                               : static_cast<unsigned __int128>(Value);
    std::string digits;
    for (int place = 0; place < 3 || magnitude > 0; ++place, magnitude /= 10) {
        if (place == 2)
            digits.push_back('.');
        digits.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    }
    if (Value < 0)
        digits.push_back('-');
    std::reverse(digits.begin(), digits.end());
    return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
}

std::vector<current::WageWithholding> Withhold(const PayrollSheet &Sheet, std::uint32_t Employee) {
    const std::vector<current::WageMonth> months = Sheet.Months(Employee);
    return current::WithholdWages(months, Sheet.Mode(Employee), Sheet.Rules());
}

std::vector<BonusResult> TaxBonuses(const PayrollSheet &Sheet, std::uint32_t Employee) {
    const std::vector<BonusTaking> takings = Sheet.Bonuses(Employee);
    std::vector<BonusResult> results(takings.size());
    for (std::size_t k = 0; k < takings.size(); ++k) {
        BonusResult &result = results[k];
        result.Taking = takings[k];
        if (takings[k].Way != BonusWay::Separate)
            continue;
        // Alone it needs no other income: the comparison's separate side and its cliff.
        const current::BonusComparison taxed =
            current::CompareBonus(takings[k].Amount, 0, Sheet.Rules());
        result.Rate = taxed.Separate.Rate;
        result.QuickDeduction = taxed.Separate.QuickDeduction;
        result.Tax = taxed.Separate.BonusTax;
        result.Net = takings[k].Amount - result.Tax;
        result.Cliff = taxed.Cliff;
    }
    return results;
}

QString BonusNote(const BonusResult &Bonus) {
    const auto yuan = [](current::Cents Value) {
        return QString::fromStdString(current::FormatCents(Value));
    };
    switch (Bonus.Taking.Way) {
    case BonusWay::Separate:
        if (!Bonus.Cliff)
            return {};
        return SheetText::tr(
                   "临界点：奖金在%1至%2元之间，税后反而比%1元少；改发%1元，员工税后多得%3元")
            .arg(yuan(Bonus.Cliff->From), yuan(Bonus.Cliff->To), yuan(Bonus.Cliff->Loss));
    case BonusWay::MergedAsked:
        return SheetText::tr("按奖金计税方式并入当月工资计税");
    case BonusWay::MergedByLaw:
        return SheetText::tr("全年一次性奖金单独计税的政策执行至%1，本年的奖金并入当月工资计税")
            .arg(LawText::Date(current::Law::SeparateBonusUntil));
    case BonusWay::MergedSecond:
        return SheetText::tr("一年只有一次奖金可单独计税（已用于%1月），这笔并入当月工资计税")
            .arg(Bonus.Taking.SeparateMonth);
    case BonusWay::None:
        break;
    }
    return {};
}

QStringList ExtraTitles(const PayrollSheet &Sheet) {
    QStringList titles;
    if (Sheet.HasBonus()) {
        for (std::size_t i = 0; i < BonusColumnCount; ++i)
            titles << BonusTitle(static_cast<BonusColumn>(i));
    }
    for (const DeductionItem item : Sheet.Items())
        titles << ItemResultTitle(item);
    return titles;
}

std::size_t ExtraCount(const PayrollSheet &Sheet) {
    return (Sheet.HasBonus() ? BonusColumnCount : 0) + Sheet.Items().size();
}

std::vector<std::vector<ExtraResult>> ExtraResults(const PayrollSheet &Sheet,
                                                   std::uint32_t Employee) {
    using Kind = ExtraResult::Kind;
    const std::size_t count = ExtraCount(Sheet);
    const std::size_t months = Sheet.EmployeeRows(Employee).size();
    std::vector<std::vector<ExtraResult>> cells(months);
    if (count == 0)
        return cells;
    const bool bonus = Sheet.HasBonus();
    const std::vector<BonusResult> bonuses =
        bonus ? TaxBonuses(Sheet, Employee) : std::vector<BonusResult>();
    const std::vector<DeductionItem> items = Sheet.Items();
    const std::vector<ItemAmounts> deducted =
        items.empty() ? std::vector<ItemAmounts>() : Sheet.ItemsDeducted(Employee);
    ItemAmounts sums{};
    for (std::size_t k = 0; k < months; ++k) {
        std::vector<ExtraResult> &row = cells[k];
        row.reserve(count);
        if (bonus) {
            const BonusResult &b = bonuses[k];
            if (b.Taking.Way == BonusWay::Separate) {
                row.push_back({Kind::Amount, b.Tax, {}});
                row.push_back({Kind::Rate, b.Rate, {}});
                row.push_back({Kind::Amount, b.QuickDeduction, {}});
                row.push_back({Kind::Amount, b.Net, {}});
            } else {
                row.resize(row.size() + 4);
            }
            const QString note = BonusNote(b);
            row.push_back(note.isEmpty() ? ExtraResult{}
                                         : ExtraResult{Kind::Text, 0, note, b.Cliff.has_value()});
        }
        for (const DeductionItem item : items) {
            const auto slot = static_cast<std::size_t>(item) - 1;
            sums[slot] += deducted[k][slot];
            row.push_back({Kind::Amount, sums[slot], {}});
        }
    }
    return cells;
}

QString ExtraText(const ExtraResult &Cell) {
    std::string text;
    switch (Cell.Of) {
    case ExtraResult::Kind::Empty:
        return {};
    case ExtraResult::Kind::Text:
        return Cell.Text;
    case ExtraResult::Kind::Rate:
        AppendInteger(text, Cell.Value);
        text.push_back('%');
        break;
    case ExtraResult::Kind::Amount:
        AppendCents(text, Cell.Value);
        break;
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<PayrollSummary> Summarize(const PayrollSheet &Sheet, const Progress &Hooks) {
    constexpr qint64 EmployeesPerTick = 4096;
    PayrollSummary summary;
    ProgressTicker ticker(Hooks, Sheet.EmployeeCount(), EmployeesPerTick);
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (!ticker.Tick(employee))
            return std::nullopt;
        if (!Sheet.Accepted(employee)) {
            ++summary.RejectedEmployees;
            continue;
        }
        ++summary.Employees;
        if (Sheet.HasBonus()) {
            for (const BonusResult &bonus : TaxBonuses(Sheet, employee))
                summary.BonusCliffs += bonus.Cliff ? 1 : 0;
        }
        for (const current::WageWithholding &month : Withhold(Sheet, employee)) {
            summary.MonthTax[static_cast<std::size_t>(month.Month - 1)] += month.Tax;
            summary.YearTax += month.Tax;
            ++summary.Rows;
        }
    }
    if (!ticker.Ask(Sheet.EmployeeCount()))
        return std::nullopt;
    summary.RejectedRows = Sheet.RowCount() - summary.Rows;
    return summary;
}

// The row's place among its employee's, that employee's results made when first asked.
std::size_t WithholdingCursor::Place(std::size_t Row) {
    const std::uint32_t employee = Sheet.Row(Row).Employee;
    if (employee != Employee) {
        Months = Withhold(Sheet, employee);
        Extras = ExtraResults(Sheet, employee);
        Employee = employee;
    }
    const auto rows = Sheet.EmployeeRows(employee);
    const auto at = std::find(rows.begin(), rows.end(), static_cast<std::uint32_t>(Row));
    return static_cast<std::size_t>(at - rows.begin());
}

const current::WageWithholding *WithholdingCursor::At(std::size_t Row) {
    if (!Sheet.RowAccepted(Row))
        return nullptr;
    return &Months[Place(Row)];
}

std::span<const ExtraResult> WithholdingCursor::ExtrasAt(std::size_t Row) {
    if (!Sheet.RowAccepted(Row))
        return {};
    return Extras[Place(Row)];
}

} // namespace sheets
