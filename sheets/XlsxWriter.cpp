// Excel out through the workbook module. The workbook is made in a hidden temporary file beside
// the target, so that a run killed half way leaves the payroll in the user's own folder rather
// than in a temporary folder others may read, and renamed over the target once whole.

#include "modules/UModules.h"
#include "sheets/SafeFile.h"
#include "sheets/SheetText.h"
#include "sheets/Withholding.h"
#include "sheets/Workbook.h"
#include "sheets/Writers.h"

#include <string>

namespace sheets {
namespace {

void WriteHeader(WorkbookSheet &Book, const Output &What) {
    QStringList titles;
    for (const SheetColumn &title : What.Sheet.Columns())
        titles << title.Title;
    if (What.Results) {
        for (std::size_t i = 0; i < ResultColumnCount; ++i)
            titles << QString::fromUtf8(ResultWord(static_cast<ResultColumn>(i)));
    }
    Book.Header(titles);
}

double Yuan(current::Cents Value) {
    return static_cast<double>(Value) / 100;
}

void WriteRow(WorkbookSheet &Book, std::uint32_t At, const PayrollSheet &Sheet, std::size_t Row,
              const current::WageWithholding *Result) {
    const auto &columns = Sheet.Columns();
    std::uint16_t column = 0;
    for (; column < columns.size(); ++column) {
        switch (const Field role = columns[column].Role) {
        case Field::Month:
            Book.Number(At, column, Sheet.Row(Row).Month);
            break;
        case Field::Income:
        case Field::Exempt:
        case Field::Insurance:
        case Field::Special:
        case Field::Other:
            Book.Amount(At, column, Yuan(Sheet.Amount(Row, role)));
            break;
        default:
            Book.Text(At, column, Sheet.TextOf(Row, column));
        }
    }
    if (Result == nullptr)
        return;
    for (std::size_t i = 0; i < ResultColumnCount; ++i, ++column) {
        const auto result = static_cast<ResultColumn>(i);
        if (result == ResultColumn::Rate)
            Book.Text(At, column, std::to_string(Result->Rate) + '%');
        else
            Book.Amount(At, column, Yuan(ResultValue(*Result, result)));
    }
}

WriteOutcome CannotWrite(const QString &Path, const QString &Cause) {
    return FailedWrite(QStringLiteral("无法写入%1：%2").arg(FileNamed(Path), Cause));
}

WriteOutcome WriteFault(const QString &Path, const QString &Cause) {
    return FailedWrite(QStringLiteral("写入%1时出错：%2").arg(FileNamed(Path), Cause));
}

} // namespace

WorkbookMaker *Workbooks() {
    // Loaded with the first workbook, which the batch window writes from a worker thread.
    static WorkbookMaker *const maker = qobject_cast<WorkbookMaker *>(
        LoadModule(QStringLiteral(PENDRA_XLSX_MODULE), QStringLiteral(PENDRA_XLSX_INSTALL_DIR),
                   QStringLiteral(PENDRA_XLSX_BUILD_DIR)));
    return maker;
}

WriteOutcome WriteXlsxFile(const QString &Path, const Output &What, const Progress &Hooks) {
    if (RowsWritten(What) + 1 > MaxWorkbookRows)
        return FailedWrite(QStringLiteral("%1的行数超过了Excel一张工作表的%2行，请另存为CSV文件")
                               .arg(FileNamed(Path), QString::number(MaxWorkbookRows)));
    const std::size_t columns =
        What.Sheet.Columns().size() + (What.Results ? ResultColumnCount : 0);
    if (columns > MaxWorkbookColumns)
        return FailedWrite(
            SheetText::tr("%1的列数（%2）超过了Excel一张工作表的%3列，请另存为CSV文件")
                .arg(FileNamed(Path))
                .arg(columns)
                .arg(MaxWorkbookColumns));
    WorkbookMaker *const maker = Workbooks();
    if (maker == nullptr)
        return CannotWrite(Path, QStringLiteral("找不到写Excel文件的组件%1，请重新安装本程序")
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
    WriteHeader(*book, What);
    std::uint32_t at = 1;
    const Status status = ForEachRow(What, Hooks, [&](std::size_t row, const auto *result) {
        WriteRow(*book, at++, What.Sheet, row, result);
        return book->Fault().isEmpty();
    });
    if (status == Status::Cancelled)
        return {Status::Cancelled, {}};
    const QString fault = book->Fault().isEmpty() ? book->Close() : book->Fault();
    if (!fault.isEmpty())
        return WriteFault(Path, fault);
    if (!file.Commit())
        return WriteFault(Path, file.ErrorString());
    return {};
}

} // namespace sheets
