// CSV out: UTF-8 with a BOM (so that spreadsheets take it for UTF-8), CRLF line ends, a cell
// quoted only when it holds a comma, a quote or a line break. Rows are formatted into a buffer
// that goes to the device a megabyte at a time.
//
// A text that a spreadsheet would take for a formula (it begins with =, +, -, @, a tab or a
// carriage return) is written after an apostrophe, so that opening the file runs nothing a
// sheet from outside put in a cell; amounts are numbers the program writes, never changed.

#include "sheets/Cells.h"
#include "sheets/Rejections.h"
#include "sheets/SafeFile.h"
#include "sheets/SheetText.h"
#include "sheets/Withholding.h"
#include "sheets/Writers.h"

#include <QIODevice>

#include <algorithm>
#include <memory>
#include <optional>
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

// The row's input cells; a row left out as it was typed ("1月", "¥19,000.00"), so that what a
// clerk mends there reads back as the rest of the row.
void WriteInputs(CsvOut &Out, const PayrollSheet &Sheet, std::size_t Row) {
    const auto &columns = Sheet.Columns();
    const bool accepted = Sheet.RowAccepted(Row);
    for (std::size_t column = 0; column < columns.size(); ++column) {
        if (column > 0)
            Out.Next();
        if (const auto faulty =
                accepted ? Sheet.FaultyCell(Row, column) : Sheet.TypedCell(Row, column)) {
            Out.Text(*faulty);
            continue;
        }
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
        case Field::Bonus:
        case Field::DeductionItem:
            if (TrimBlanks(Sheet.TextOf(Row, column)).empty())
                break;
            Out.Amount(Sheet.TypedAmount(Row, column));
            break;
        default:
            Out.Text(Sheet.TextOf(Row, column));
        }
    }
}

void WriteExtras(CsvOut &Out, std::span<const ExtraResult> Cells) {
    for (const ExtraResult &cell : Cells) {
        Out.Next();
        switch (cell.Of) {
        case ExtraResult::Kind::Empty:
            break;
        case ExtraResult::Kind::Amount:
            Out.Amount(cell.Value);
            break;
        case ExtraResult::Kind::Rate:
            Out.Integer(cell.Value);
            Out.Raw("%");
            break;
        case ExtraResult::Kind::Text:
            Out.Text(cell.Text.toUtf8().toStdString());
            break;
        }
    }
}

void WriteResults(CsvOut &Out, const current::WageWithholding &Result) {
    for (std::size_t i = 0; i < ResultColumnCount; ++i) {
        const auto column = static_cast<ResultColumn>(i);
        Out.Next();
        if (column == ResultColumn::Rate) {
            Out.Integer(Result.Rate);
            Out.Raw("%");
        } else {
            Out.Amount(ResultValue(Result, column));
        }
    }
}

void WriteRejection(CsvOut &Out, const Rejections &Why, const PayrollSheet &Sheet,
                    std::size_t Row) {
    Out.Integer(Sheet.Row(Row).Line);
    Out.Next();
    Out.Text(Why.Columns(Row).toUtf8().toStdString());
    Out.Next();
    Out.Text(Why.Reasons(Row).toUtf8().toStdString());
    Out.Next();
}

void WriteHeader(CsvOut &Out, const Output &What) {
    Out.Raw("\xEF\xBB\xBF");
    const QStringList titles = TitlesOf(What);
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (i > 0)
            Out.Next();
        Out.Text(titles[i].toUtf8().toStdString());
    }
    Out.EndRow();
}

QString WriteFault(const QString &Name, const QString &Cause) {
    return SheetText::tr("写入%1时出错：%2").arg(Name, Cause);
}

// A part written whole to the device; false when it failed or was cancelled (Outcome says so).
bool WritePart(QIODevice &Device, const QString &Name, const Output &What, ProgressTicker &Ticker,
               qint64 &Done, WriteOutcome &Outcome) {
    CsvOut out(Device);
    WriteHeader(out, What);
    const std::optional<Rejections> why =
        What.What == Part::Rejected ? std::optional<Rejections>(What.Sheet) : std::nullopt;
    const Status status = ForEachRow(What, Ticker, Done,
                                     [&](std::size_t row, const current::WageWithholding *result,
                                         std::span<const ExtraResult> extras) {
                                         if (why)
                                             WriteRejection(out, *why, What.Sheet, row);
                                         WriteInputs(out, What.Sheet, row);
                                         if (result != nullptr)
                                             WriteResults(out, *result);
                                         WriteExtras(out, extras);
                                         out.EndRow();
                                         return !out.Failed;
                                     });
    if (status == Status::Cancelled) {
        Outcome = {Status::Cancelled, {}};
        return false;
    }
    if (!out.Flush()) {
        Outcome = FailedWrite(WriteFault(Name, Device.errorString()));
        return false;
    }
    return true;
}

// Where a part of a CSV output goes: the first to Path, the rows left out beside it.
QString PathOf(const QString &Path, const Output &What, bool First) {
    return First || What.What != Part::Rejected ? Path : RejectedCsvPath(Path);
}

} // namespace

WriteOutcome WriteCsvDevice(QIODevice &Device, const QString &Name, const Output &What,
                            const Progress &Hooks) {
    ProgressTicker ticker(Hooks, static_cast<qint64>(RowsWritten(What)), RowsPerTick);
    qint64 done = 0;
    WriteOutcome outcome;
    WritePart(Device, Name, What, ticker, done, outcome);
    return outcome;
}

WriteOutcome WriteCsvFiles(const QString &Path, std::span<const Output> Parts,
                           const Progress &Hooks) {
    std::vector<std::unique_ptr<Replacement>> files;
    std::vector<QString> paths;
    for (std::size_t i = 0; i < Parts.size(); ++i) {
        paths.push_back(PathOf(Path, Parts[i], i == 0));
        files.push_back(std::make_unique<Replacement>(paths.back()));
        if (const auto refused = files.back()->Refused())
            return FailedWrite(RefusalText(paths.back(), *refused));
        if (!files.back()->Create())
            return FailedWrite(SheetText::tr("无法写入%1：%2")
                                   .arg(FileNamed(paths.back()), files.back()->ErrorString()));
    }
    ProgressTicker ticker(Hooks, static_cast<qint64>(RowsWritten(Parts)), RowsPerTick);
    qint64 done = 0;
    WriteOutcome outcome;
    for (std::size_t i = 0; i < Parts.size(); ++i) {
        if (!WritePart(files[i]->File(), FileNamed(paths[i]), Parts[i], ticker, done, outcome))
            return outcome;
    }
    // The results last: a failure before them leaves the old results as they were.
    for (std::size_t i = Parts.size(); i-- > 0;) {
        if (!files[i]->Commit())
            return FailedWrite(WriteFault(FileNamed(paths[i]), files[i]->ErrorString()));
    }
    return outcome;
}

} // namespace sheets
