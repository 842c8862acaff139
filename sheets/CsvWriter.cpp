// CSV out: UTF-8 with a BOM (so that spreadsheets take it for UTF-8), CRLF line ends, a cell
// quoted only when it holds a comma, a quote or a line break. Rows are formatted into a buffer
// that goes to the device a megabyte at a time.
//
// A text that a spreadsheet would take for a formula (it begins with =, +, -, @, a tab or a
// carriage return) is written after an apostrophe, so that opening the file runs nothing a
// sheet from outside put in a cell; amounts are numbers the program writes, never changed.

#include "sheets/Cells.h"
#include "sheets/SafeFile.h"
#include "sheets/Withholding.h"
#include "sheets/Writers.h"

#include <QIODevice>

#include <algorithm>
#include <string>
#include <vector>

namespace sheets {
namespace {

constexpr std::size_t FlushAt = 1 << 20;

bool StartsFormula(std::string_view Cell) {
    return !Cell.empty() &&
           std::string_view("=+-@\t\r").find(Cell.front()) != std::string_view::npos;
}

class CsvOut {
  public:
    explicit CsvOut(QIODevice &Device) : Buffer(FlushAt + 4096), Device(Device) {}

    void Text(std::string_view Cell) {
        char *p = Room(2 * Cell.size() + 3);
        const bool plain = std::none_of(Cell.begin(), Cell.end(), [](char c) {
            return c == ',' || c == '"' || c == '\r' || c == '\n';
        });
        const std::string_view guard = StartsFormula(Cell) ? "'" : "";
        if (plain) {
            p = std::copy(guard.begin(), guard.end(), p);
            Used +=
                guard.size() + static_cast<std::size_t>(std::copy(Cell.begin(), Cell.end(), p) - p);
            return;
        }
        char *const start = p;
        *p++ = '"';
        p = std::copy(guard.begin(), guard.end(), p);
        for (const char c : Cell) {
            if (c == '"')
                *p++ = '"';
            *p++ = c;
        }
        *p++ = '"';
        Used += static_cast<std::size_t>(p - start);
    }
    void Amount(current::Cents Value) {
        char *p = Room(MaxNumberChars);
        Used += static_cast<std::size_t>(WriteCents(p, Value) - p);
    }
    void Integer(std::int64_t Value) {
        char *p = Room(MaxNumberChars);
        Used += static_cast<std::size_t>(WriteInteger(p, Value) - p);
    }
    void Raw(std::string_view Bytes) {
        char *p = Room(Bytes.size());
        Used += static_cast<std::size_t>(std::copy(Bytes.begin(), Bytes.end(), p) - p);
    }
    void Next() {
        *Room(1) = ',';
        ++Used;
    }
    void EndRow() {
        Raw("\r\n");
        if (Used >= FlushAt)
            Flush();
    }
    // False when anything failed to reach the device.
    bool Flush() {
        const auto size = static_cast<qint64>(Used);
        Failed = Failed || Device.write(Buffer.data(), size) != size;
        Used = 0;
        return !Failed;
    }
    bool Failed = false;

  private:
    std::vector<char> Buffer;
    std::size_t Used = 0;
    QIODevice &Device;

    // Where Size more bytes go.
    char *Room(std::size_t Size) {
        if (Used + Size > Buffer.size()) {
            Flush();
            if (Size > Buffer.size())
                Buffer.resize(Size);
        }
        return Buffer.data() + Used;
    }
};

void WriteRow(CsvOut &Out, const PayrollSheet &Sheet, std::size_t Row,
              const current::WageWithholding *Result) {
    const auto &columns = Sheet.Columns();
    for (std::size_t column = 0; column < columns.size(); ++column) {
        if (column > 0)
            Out.Next();
        switch (const Field role = columns[column].Role) {
        case Field::Month:
            Out.Integer(Sheet.Row(Row).Month);
            break;
        case Field::Income:
        case Field::Exempt:
        case Field::Insurance:
        case Field::Special:
        case Field::Other:
            Out.Amount(Sheet.Amount(Row, role));
            break;
        default:
            Out.Text(Sheet.TextOf(Row, column));
        }
    }
    if (Result == nullptr)
        return;
    for (std::size_t i = 0; i < ResultColumnCount; ++i) {
        const auto column = static_cast<ResultColumn>(i);
        Out.Next();
        if (column == ResultColumn::Rate) {
            Out.Integer(Result->Rate);
            Out.Raw("%");
        } else {
            Out.Amount(ResultValue(*Result, column));
        }
    }
}

void WriteHeader(CsvOut &Out, const Output &What) {
    Out.Raw("\xEF\xBB\xBF");
    bool first = true;
    const auto title = [&](std::string_view text) {
        if (!first)
            Out.Next();
        first = false;
        Out.Text(text);
    };
    for (const SheetColumn &column : What.Sheet.Columns())
        title(column.Title.toUtf8().toStdString());
    if (What.Results) {
        for (std::size_t i = 0; i < ResultColumnCount; ++i)
            title(ResultWord(static_cast<ResultColumn>(i)));
    }
}

QString WriteFault(const QString &Name, const QIODevice &Device) {
    return QStringLiteral("写入%1时出错：%2").arg(Name, Device.errorString());
}

} // namespace

WriteOutcome WriteCsvDevice(QIODevice &Device, const QString &Name, const Output &What,
                            const Progress &Hooks) {
    CsvOut out(Device);
    WriteHeader(out, What);
    out.EndRow();
    const Status status = ForEachRow(What, Hooks, [&](std::size_t row, const auto *result) {
        WriteRow(out, What.Sheet, row, result);
        out.EndRow();
        return !out.Failed;
    });
    if (status == Status::Cancelled)
        return {Status::Cancelled, {}};
    if (!out.Flush())
        return FailedWrite(WriteFault(Name, Device));
    return {};
}

WriteOutcome WriteCsvFile(const QString &Path, const Output &What, const Progress &Hooks) {
    Replacement file(Path);
    if (const auto refused = file.Refused())
        return FailedWrite(RefusalText(Path, *refused));
    if (!file.Create())
        return FailedWrite(
            QStringLiteral("无法写入%1：%2").arg(FileNamed(Path), file.ErrorString()));
    WriteOutcome outcome = WriteCsvDevice(file.File(), FileNamed(Path), What, Hooks);
    if (outcome.Result != Status::Done)
        return outcome;
    if (!file.Commit())
        return FailedWrite(
            QStringLiteral("写入%1时出错：%2").arg(FileNamed(Path), file.ErrorString()));
    return outcome;
}

} // namespace sheets
