// Excel out through libxlsxwriter in its constant-memory mode: each row goes to the library's
// temporary file as soon as it is finished, strings inline, so a million rows cost no more
// memory than one. The workbook is made in a temporary file and then copied through a
// QSaveFile over the target.

#include "sheets/Withholding.h"
#include "sheets/Writers.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>
#include <xlsxwriter.h>

#include <string>

namespace sheets {
namespace {

constexpr double ColumnWidth = 16;

class Workbook {
  public:
    explicit Workbook(const QString &FileName) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        Book = workbook_new_opt(QFile::encodeName(FileName).constData(), &options);
        if (Book == nullptr)
            return;
        Sheet = workbook_add_worksheet(Book, nullptr);
        Bold = workbook_add_format(Book);
        format_set_bold(Bold);
        TwoDecimals = workbook_add_format(Book);
        format_set_num_format(TwoDecimals, "0.00");
    }
    ~Workbook() {
        if (Book != nullptr)
            lxw_workbook_free(Book); // left unfinished: nothing is written
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    bool Opened() const { return Sheet != nullptr; }
    lxw_error Close() {
        const lxw_error closed = workbook_close(Book);
        Book = nullptr;
        return closed;
    }

    void Text(lxw_row_t Row, lxw_col_t Column, std::string_view Cell,
              lxw_format *Format = nullptr) {
        if (!Cell.empty())
            Keep(worksheet_write_string(Sheet, Row, Column, std::string(Cell).c_str(), Format));
    }
    void Number(lxw_row_t Row, lxw_col_t Column, double Value, lxw_format *Format) {
        Keep(worksheet_write_number(Sheet, Row, Column, Value, Format));
    }
    void Amount(lxw_row_t Row, lxw_col_t Column, current::Cents Value) {
        Number(Row, Column, static_cast<double>(Value) / 100, TwoDecimals);
    }

    lxw_worksheet *Sheet = nullptr;
    lxw_format *Bold = nullptr;
    lxw_error Error = LXW_NO_ERROR; // the first

  private:
    lxw_workbook *Book = nullptr;
    lxw_format *TwoDecimals = nullptr;

    void Keep(lxw_error Result) {
        if (Error == LXW_NO_ERROR)
            Error = Result;
    }
};

void WriteHeader(Workbook &Book, const Output &What) {
    lxw_col_t column = 0;
    for (const SheetColumn &title : What.Sheet.Columns())
        Book.Text(0, column++, title.Title.toUtf8().toStdString(), Book.Bold);
    if (What.Results) {
        for (std::size_t i = 0; i < ResultColumnCount; ++i)
            Book.Text(0, column++, ResultWord(static_cast<ResultColumn>(i)), Book.Bold);
    }
    worksheet_set_column(Book.Sheet, 0, static_cast<lxw_col_t>(column - 1), ColumnWidth, nullptr);
    worksheet_freeze_panes(Book.Sheet, 1, 0);
}

void WriteRow(Workbook &Book, lxw_row_t At, const PayrollSheet &Sheet, std::size_t Row,
              const current::WageWithholding *Result) {
    const auto &columns = Sheet.Columns();
    lxw_col_t column = 0;
    for (; column < columns.size(); ++column) {
        switch (const Field role = columns[column].Role) {
        case Field::Month:
            Book.Number(At, column, Sheet.Row(Row).Month, nullptr);
            break;
        case Field::Income:
        case Field::Exempt:
        case Field::Insurance:
        case Field::Special:
        case Field::Other:
            Book.Amount(At, column, Sheet.Amount(Row, role));
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
            Book.Amount(At, column, ResultValue(*Result, result));
    }
}

QString LibraryFault(lxw_error Error) {
    if (Error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        return QStringLiteral("一个单元格的文字超过了Excel允许的32767个字符");
    return QString::fromUtf8(lxw_strerror(Error));
}

bool CopyInto(QFile &From, QSaveFile &To) {
    QByteArray chunk;
    while (!(chunk = From.read(1 << 20)).isEmpty()) {
        if (To.write(chunk) != chunk.size())
            return false;
    }
    return From.error() == QFileDevice::NoError;
}

WriteOutcome CannotWrite(const QString &Path, const QString &Cause) {
    return FailedWrite(QStringLiteral("无法写入%1：%2").arg(FileNamed(Path), Cause));
}

WriteOutcome WriteFault(const QString &Path, const QString &Cause) {
    return FailedWrite(QStringLiteral("写入%1时出错：%2").arg(FileNamed(Path), Cause));
}

// Copies the finished workbook into the target's save file and puts it in place.
WriteOutcome Publish(const QString &Made, QSaveFile &File) {
    QFile made(Made);
    if (!made.open(QIODevice::ReadOnly) || !CopyInto(made, File) || !File.commit()) {
        File.cancelWriting();
        return WriteFault(File.fileName(), File.errorString());
    }
    return {};
}

} // namespace

WriteOutcome WriteXlsxFile(const QString &Path, const Output &What, const Progress &Hooks) {
    if (RowsWritten(What) + 1 > LXW_ROW_MAX)
        return FailedWrite(QStringLiteral("%1的行数超过了Excel一张工作表的%2行，请另存为CSV文件")
                               .arg(FileNamed(Path), QString::number(LXW_ROW_MAX)));
    // Opened first, so that a target that cannot be written is told before the work.
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotWrite(Path, file.errorString());
    QTemporaryFile made(QDir::tempPath() + QStringLiteral("/pendra-XXXXXX.xlsx"));
    const QString noTemporary = QStringLiteral("无法在临时文件夹%1中写入").arg(QDir::tempPath());
    if (!made.open())
        return CannotWrite(Path, noTemporary);
    made.close();
    Workbook book(made.fileName());
    if (!book.Opened())
        return CannotWrite(Path, noTemporary);
    WriteHeader(book, What);
    lxw_row_t at = 1;
    const Status status = ForEachRow(What, Hooks, [&](std::size_t row, const auto *result) {
        WriteRow(book, at++, What.Sheet, row, result);
        return book.Error == LXW_NO_ERROR;
    });
    if (status == Status::Cancelled)
        return {Status::Cancelled, {}};
    const lxw_error error = book.Error != LXW_NO_ERROR ? book.Error : book.Close();
    if (error != LXW_NO_ERROR)
        return WriteFault(Path, LibraryFault(error));
    return Publish(made.fileName(), file);
}

} // namespace sheets
