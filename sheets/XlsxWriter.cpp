// Excel out through the workbook module. The workbook is made in a hidden temporary file beside
// the target, so that a run killed half way leaves the payroll in the user's own folder rather
// than in a temporary folder others may read, and renamed over the target once whole.

#include "modules/UModules.h"
#include "sheets/Cells.h"
#include "sheets/Limits.h"
#include "sheets/Readers.h"
#include "sheets/Rejections.h"
#include "sheets/SafeFile.h"
#include "sheets/SheetText.h"
#include "sheets/Withholding.h"
#include "sheets/Workbook.h"
#include "sheets/Writers.h"

#include <optional>
#include <string>

namespace sheets {
namespace {

double Yuan(current::Cents Value) {
    return static_cast<double>(Value) / 100;
}

// The row's input cells from the column At on; a row left out as it was typed ("1月",
// "¥19,000.00"). Where the next column goes.
std::uint16_t WriteInputs(WorkbookSheet &Book, std::uint32_t At, std::uint16_t Column,
                          const PayrollSheet &Sheet, std::size_t Row) {
    const auto &columns = Sheet.Columns();
    const bool accepted = Sheet.RowAccepted(Row);
    for (std::size_t i = 0; i < columns.size(); ++i, ++Column) {
        if (const auto faulty = accepted ? Sheet.FaultyCell(Row, i) : Sheet.TypedCell(Row, i)) {
            Book.Text(At, Column, *faulty);
            continue;
        }
        switch (const Field role = columns[i].Role) {
        case Field::Month:
            Book.Number(At, Column, Sheet.Row(Row).Month);
            break;
        case Field::Income:
        case Field::Exempt:
        case Field::Insurance:
        case Field::Special:
        case Field::Other:
            Book.Amount(At, Column, Yuan(Sheet.Amount(Row, role)));
            break;
        case Field::Bonus:
        case Field::DeductionItem:
            if (!TrimBlanks(Sheet.TextOf(Row, i)).empty())
                Book.Amount(At, Column, Yuan(Sheet.TypedAmount(Row, i)));
            break;
        default:
            Book.Text(At, Column, Sheet.TextOf(Row, i));
        }
    }
    return Column;
}

void WriteResults(WorkbookSheet &Book, std::uint32_t At, std::uint16_t Column,
                  const current::WageWithholding &Result, std::span<const ExtraResult> Extras) {
    for (std::size_t i = 0; i < ResultColumnCount; ++i, ++Column) {
        const auto result = static_cast<ResultColumn>(i);
        if (result == ResultColumn::Rate)
            Book.Text(At, Column, std::to_string(Result.Rate) + '%');
        else
            Book.Amount(At, Column, Yuan(ResultValue(Result, result)));
    }
    for (const ExtraResult &cell : Extras) {
        if (cell.Of == ExtraResult::Kind::Amount)
            Book.Amount(At, Column, Yuan(cell.Value));
        else if (cell.Of != ExtraResult::Kind::Empty)
            Book.Text(At, Column, ExtraText(cell).toUtf8().toStdString());
        ++Column;
    }
}

std::uint16_t WriteRejection(WorkbookSheet &Book, std::uint32_t At, const Rejections &Why,
                             const PayrollSheet &Sheet, std::size_t Row) {
    Book.Number(At, 0, Sheet.Row(Row).Line);
    Book.Text(At, 1, Why.Columns(Row).toUtf8().toStdString());
    Book.Text(At, 2, Why.Reasons(Row).toUtf8().toStdString());
    return static_cast<std::uint16_t>(RejectedColumnCount);
}

// The rows above the header the results are written under, as the sheet read had them.
std::span<const std::vector<QString>> TitleRowsOf(const Output &What) {
    if (What.What != Part::Results)
        return {};
    return What.Sheet.TitleRows();
}

// The name of the sheet read, where a worksheet may take it (not the name of the rows left out).
QString ResultsSheetName(const Output &What) {
    if (What.What != Part::Results)
        return {};
    QString name = What.Sheet.SheetName().left(Limit::SheetNameChars);
    name.removeIf([](QChar c) { return QStringView(u"[]:*?/\\").contains(c); });
    while (name.startsWith(u'\'') || name.endsWith(u'\''))
        name = name.startsWith(u'\'') ? name.mid(1) : name.chopped(1);
    return IsRejectedSheet(name) || name.trimmed().isEmpty() ? QString() : name;
}

Status WritePart(WorkbookSheet &Book, const Output &What, ProgressTicker &Ticker, qint64 &Done) {
    const auto above = TitleRowsOf(What);
    for (std::size_t row = 0; row < above.size(); ++row) {
        for (std::size_t column = 0; column < above[row].size(); ++column)
            Book.Text(static_cast<std::uint32_t>(row), static_cast<std::uint16_t>(column),
                      above[row][column].toUtf8().toStdString());
    }
    const auto header = static_cast<std::uint32_t>(above.size());
    Book.Header(header, TitlesOf(What));
    const std::optional<Rejections> why =
        What.What == Part::Rejected ? std::optional<Rejections>(What.Sheet) : std::nullopt;
    std::uint32_t at = header + 1;
    return ForEachRow(What, Ticker, Done,
                      [&](std::size_t row, const current::WageWithholding *result,
                          std::span<const ExtraResult> extras) {
                          const std::uint16_t inputs =
                              why ? WriteRejection(Book, at, *why, What.Sheet, row) : 0;
                          const std::uint16_t next = WriteInputs(Book, at, inputs, What.Sheet, row);
                          if (result != nullptr)
                              WriteResults(Book, at, next, *result, extras);
                          ++at;
                          return Book.Fault().isEmpty();
                      });
}

// Why the parts do not fit in worksheets; empty when they do.
QString BeyondWorksheet(const QString &Path, std::span<const Output> Parts) {
    for (const Output &part : Parts) {
        if (RowsWritten(part) + 1 + TitleRowsOf(part).size() > MaxWorkbookRows)
            return SheetText::tr("%1的行数超过了Excel一张工作表的%2行，请另存为CSV文件")
                .arg(FileNamed(Path), QString::number(MaxWorkbookRows));
        const auto columns = static_cast<std::size_t>(TitlesOf(part).size());
        if (columns > MaxWorkbookColumns)
            return SheetText::tr("%1的列数（%2）超过了Excel一张工作表的%3列，请另存为CSV文件")
                .arg(FileNamed(Path), QString::number(columns),
                     QString::number(MaxWorkbookColumns));
    }
    return {};
}

WriteOutcome CannotWrite(const QString &Path, const QString &Cause) {
    return FailedWrite(SheetText::tr("无法写入%1：%2").arg(FileNamed(Path), Cause));
}

WriteOutcome WriteFault(const QString &Path, const QString &Cause) {
    return FailedWrite(SheetText::tr("写入%1时出错：%2").arg(FileNamed(Path), Cause));
}

} // namespace

WorkbookMaker *Workbooks() {
    // Loaded with the first workbook, which the batch window writes from a worker thread.
    static WorkbookMaker *const maker = qobject_cast<WorkbookMaker *>(
        LoadModule(QStringLiteral(PENDRA_XLSX_MODULE), QStringLiteral(PENDRA_XLSX_INSTALL_DIR),
                   QStringLiteral(PENDRA_XLSX_BUILD_DIR)));
    return maker;
}

WriteOutcome WriteXlsxFile(const QString &Path, std::span<const Output> Parts,
                           const Progress &Hooks) {
    if (const QString beyond = BeyondWorksheet(Path, Parts); !beyond.isEmpty())
        return FailedWrite(beyond);
    WorkbookMaker *const maker = Workbooks();
    if (maker == nullptr)
        return CannotWrite(Path, SheetText::tr("找不到写Excel文件的组件%1，请重新安装本程序")
                                     .arg(QStringLiteral(PENDRA_XLSX_MODULE)));
    // Made first, so that a target that cannot be written is told before the work.
    Replacement file(Path);
    if (const auto refused = file.Refused())
        return FailedWrite(RefusalText(Path, *refused));
    if (!file.Create())
        return CannotWrite(Path, file.ErrorString());
    const std::unique_ptr<WorkbookSheet> book = maker->Open(file.TemporaryPath());
    if (book == nullptr)
        return CannotWrite(Path, SheetText::tr("无法在%1所在的文件夹中写入").arg(FileNamed(Path)));
    ProgressTicker ticker(Hooks, static_cast<qint64>(RowsWritten(Parts)), RowsPerTick);
    qint64 done = 0;
    for (std::size_t i = 0; i < Parts.size(); ++i) {
        book->NextSheet(i > 0 ? RejectedSheetName() : ResultsSheetName(Parts[i]));
        if (WritePart(*book, Parts[i], ticker, done) == Status::Cancelled)
            return {Status::Cancelled, {}};
        if (!book->Fault().isEmpty())
            break;
    }
    const QString fault = book->Fault().isEmpty() ? book->Close() : book->Fault();
    if (!fault.isEmpty())
        return WriteFault(Path, fault);
    if (!file.Commit())
        return WriteFault(Path, file.ErrorString());
    return {};
}

} // namespace sheets
