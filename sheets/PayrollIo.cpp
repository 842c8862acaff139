#include "sheets/PayrollIo.h"

#include "sheets/PayrollBuilder.h"
#include "sheets/Readers.h"
#include "sheets/SheetText.h"
#include "sheets/Withholding.h"
#include "sheets/Writers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace sheets {
namespace {

bool IsOldExcel(const QString &Path) {
    return Path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive);
}

QString OldExcelFault(const QString &Path) {
    return SheetText::tr("%1是旧版Excel格式（.xls），请在Excel中另存为.xlsx或CSV文件")
        .arg(FileNamed(Path));
}

// One employee of three months as the worked example a new sheet starts from.
PayrollSheet TemplateSheet() {
    constexpr std::array Fields{Field::Id,     Field::Name,      Field::Month,   Field::Income,
                                Field::Exempt, Field::Insurance, Field::Special, Field::Other,
                                Field::Mode,   Field::Bonus};
    std::vector<QByteArray> titles;
    titles.reserve(Fields.size()); // the views below stay on their texts
    std::vector<std::string_view> header;
    for (const Field field : Fields) {
        titles.push_back(FieldTitle(field).toUtf8());
        header.emplace_back(titles.back().constData(), std::size_t(titles.back().size()));
    }
    PayrollBuilder builder(QStringLiteral("template"));
    builder.AddRow(1, header);
    const std::string_view perMonth = ModeCellWord(ModeCell::PerMonth);
    const QByteArray name = SheetText::tr("张三").toUtf8();
    std::uint32_t line = 1;
    for (const std::string_view month : {"1", "2", "3"}) {
        const std::array<std::string_view, Fields.size()> row{
            "E001",   std::string_view(name.constData(), std::size_t(name.size())),
            month,    "20000",
            "0",      "2000",
            "3000",   "0",
            perMonth, ""};
        builder.AddRow(++line, row);
    }
    return builder.Finish();
}

bool HasRejectedRows(const PayrollSheet &Sheet) {
    return Sheet.AcceptedRowCount() < Sheet.RowCount();
}

// The results, and the rows left out when there are any.
std::vector<Output> SavedParts(const PayrollSheet &Sheet) {
    std::vector<Output> parts{{Sheet, Part::Results}};
    if (HasRejectedRows(Sheet))
        parts.push_back({Sheet, Part::Rejected});
    return parts;
}

} // namespace

QString TargetFault(const QString &Path, const QString &Input) {
    if (SameFileOnDisk(Path, Input))
        return SheetText::tr("%1就是读入的工资表，结果不会写在它上面；请另选一个文件")
            .arg(FileNamed(Path));
    struct stat entry {};
    if (::lstat(QFile::encodeName(Path).constData(), &entry) != 0)
        return {};
    const auto refused = RefusalOf(entry);
    return refused ? RefusalText(Path, *refused) : QString();
}

QString OutputFault(const QString &Path, const PayrollSheet &Sheet) {
    if (Sheet.AcceptedRowCount() == 0)
        return SheetText::tr("%1中没有一行可以计算，没有写出结果").arg(FileNamed(Sheet.FileName()));
    QString fault = TargetFault(Path, Sheet.FileName());
    if (fault.isEmpty() && KindOf(Path) == SheetKind::Csv && HasRejectedRows(Sheet))
        fault = TargetFault(RejectedCsvPath(Path), Sheet.FileName());
    return fault;
}

QString RejectedCsvPath(const QString &Path) {
    const QFileInfo file(Path);
    const QString name = SheetText::tr("%1-未计算").arg(file.completeBaseName());
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    return file.dir().filePath(name + suffix);
}

QString RejectedSheetName() {
    return SheetText::tr("未计算");
}

QString RejectedNote(const PayrollSheet &Sheet, const QString &Path) {
    if (!HasRejectedRows(Sheet))
        return {};
    const auto rowsLeft = static_cast<int>(Sheet.RowCount() - Sheet.AcceptedRowCount());
    const auto employeesLeft =
        static_cast<int>(Sheet.EmployeeCount() - Sheet.AcceptedEmployeeCount());
    const QString rows = SheetText::tr("另有%1（%2）因错误未计算")
                             .arg(SheetText::tr("%n行", nullptr, rowsLeft),
                                  SheetText::tr("%n名员工", nullptr, employeesLeft));
    if (Path.isEmpty())
        return rows;
    if (KindOf(Path) == SheetKind::Xlsx)
        return SheetText::tr("%1，已写在工作表“%2”中").arg(rows, RejectedSheetName());
    return SheetText::tr("%1，已写在%2中").arg(rows, FileNamed(RejectedCsvPath(Path)));
}

ReadOutcome FailedRead(const QString &Error) {
    return ReadOutcome{Status::Failed, Error, {}};
}

ReadOutcome CancelledRead() {
    return ReadOutcome{Status::Cancelled, {}, {}};
}

WriteOutcome FailedWrite(const QString &Error) {
    return WriteOutcome{Status::Failed, Error};
}

SheetKind KindOf(const QString &Path) {
    return Path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) ? SheetKind::Xlsx
                                                                       : SheetKind::Csv;
}

// The names a worksheet or a file of rows left out is written under, in either language: a sheet
// saved in one language is read back in the other.
constexpr const char *RejectedNames[] = {QT_TRANSLATE_NOOP("SheetText", "未计算"),
                                         "Not calculated"};
constexpr const char *RejectedFileNames[] = {QT_TRANSLATE_NOOP("SheetText", "%1-未计算"),
                                             "%1-not-calculated"};

bool IsRejectedSheet(const QString &Name) {
    return std::any_of(std::begin(RejectedNames), std::end(RejectedNames), [&](const char *n) {
        return Name.trimmed().compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0;
    });
}

ReadOutcome WithRejected(const QString &Path, const PayrollSheet &Main,
                         const PayrollSheet &Rejected, const QString &PartName) {
    PayrollBuilder both(Path);
    auto fault = both.AddSheet(Main);
    if (!fault) {
        both.NextPart(PartName);
        fault = both.AddSheet(Rejected);
    }
    if (fault)
        return FailedRead(*fault);
    return ReadOutcome{Status::Done, {}, both.Finish()};
}

namespace {

// The file of rows left out that an earlier save wrote beside a CSV sheet; empty for none.
QString RejectedCsvBeside(const QString &Path) {
    const QFileInfo file(Path);
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    for (const char *name : RejectedFileNames) {
        const QString beside =
            file.dir().filePath(QString::fromUtf8(name).arg(file.completeBaseName()) + suffix);
        if (QFileInfo(beside).isFile())
            return beside;
    }
    return {};
}

// Results saved with no row left out: a file of rows left out that an earlier save wrote beside
// them would be read back with them as rows still to compute, so it goes. Only a regular file of
// that name is removed, never a link nor the sheet that was read.
void RemoveStaleRejected(const QString &Path, const QString &Input) {
    const QString stale = RejectedCsvBeside(Path);
    if (stale.isEmpty() || QFileInfo(stale).isSymLink())
        return;
    if (!Input.isEmpty() &&
        QFileInfo(stale).canonicalFilePath() == QFileInfo(Input).canonicalFilePath())
        return;
    QFile::remove(stale);
}

} // namespace

ReadOutcome ReadPayroll(const QString &Path, const Progress &Hooks) {
    if (IsOldExcel(Path))
        return FailedRead(OldExcelFault(Path));
    if (KindOf(Path) == SheetKind::Xlsx)
        return ReadXlsx(Path, Hooks);
    ReadOutcome read = ReadCsv(Path, Hooks);
    const QString beside = read.Result == Status::Done ? RejectedCsvBeside(Path) : QString();
    if (beside.isEmpty())
        return read;
    ReadOutcome rejected = ReadCsv(beside, Hooks);
    if (rejected.Result != Status::Done)
        return rejected;
    return WithRejected(Path, read.Sheet, rejected.Sheet, FileNamed(beside));
}

QString ReadNote(const PayrollSheet &Sheet) {
    QStringList notes;
    if (const QStringList unread = Sheet.UnreadTitles(); !unread.isEmpty())
        notes << SheetText::tr("未读取的列：%1").arg(unread.join(SheetText::tr("、")));
    if (Sheet.TotalsRows() > 0)
        notes << SheetText::tr("第%1行等%2行没有工号而写着合计、总计或小计，是合计行，已略过")
                     .arg(Sheet.FirstTotalsLine())
                     .arg(Sheet.TotalsRows());
    for (std::uint8_t part = 1; !Sheet.PartName(part).isEmpty(); ++part)
        notes << SheetText::tr("另从%1读入了上次未计算的%2行，一并重新检查和计算")
                     .arg(Sheet.PartName(part))
                     .arg(Sheet.RowsOfPart(part));
    return notes.join(SheetText::tr("；"));
}

QString DeductionWarning(const PayrollSheet &Sheet) {
    const QStringList titles = Sheet.DeductionLikeTitles();
    if (titles.isEmpty())
        return {};
    QStringList quoted;
    for (const QString &title : titles)
        quoted << SheetText::tr("「%1」").arg(title);
    return SheetText::tr("%1看似应从收入中扣除的金额，但本程序不读取这样的标题，不会扣除它，"
                         "税额会算多；请把标题改为专项扣除（或三险一金），或改为基本养老保险费、"
                         "基本医疗保险费、失业保险费、住房公积金各列")
        .arg(quoted.join(SheetText::tr("、")));
}

std::size_t RowsWritten(const Output &What) {
    switch (What.What) {
    case Part::Results:
        return What.Sheet.AcceptedRowCount();
    case Part::Rejected:
        return What.Sheet.RowCount() - What.Sheet.AcceptedRowCount();
    case Part::Template:
        break;
    }
    return What.Sheet.RowCount();
}

std::size_t RowsWritten(std::span<const Output> Parts) {
    std::size_t rows = 0;
    for (const Output &part : Parts)
        rows += RowsWritten(part);
    return rows;
}

QStringList TitlesOf(const Output &What) {
    QStringList titles;
    if (What.What == Part::Rejected) {
        for (std::size_t i = 0; i < RejectedColumnCount; ++i)
            titles << RejectedTitle(static_cast<RejectedColumn>(i));
    }
    for (const SheetColumn &column : What.Sheet.Columns())
        titles << (column.Role == Field::Extra || column.Role == Field::InsurancePart ||
                           column.Role == Field::DeductionItem
                       ? column.Title
                       : FieldTitle(column.Role));
    if (What.What == Part::Results) {
        for (std::size_t i = 0; i < ResultColumnCount; ++i)
            titles << ResultTitle(static_cast<ResultColumn>(i));
        titles << ExtraTitles(What.Sheet);
    }
    return titles;
}

Status ForEachRow(const Output &What, ProgressTicker &Ticker, qint64 &Done, const RowWriter &Row) {
    const PayrollSheet &sheet = What.Sheet;
    if (What.What != Part::Results) {
        const bool rejected = What.What == Part::Rejected;
        for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
            if (rejected && sheet.RowAccepted(row))
                continue;
            if (!Ticker.Tick(Done++))
                return Status::Cancelled;
            if (!Row(row, nullptr, {}))
                return Status::Failed;
        }
        return Ticker.Ask(Done) ? Status::Done : Status::Cancelled;
    }
    // Most sheets have neither a bonus nor items: nothing more is made for them.
    const bool withExtras = ExtraCount(sheet) > 0;
    for (std::uint32_t employee = 0; employee < sheet.EmployeeCount(); ++employee) {
        if (!sheet.Accepted(employee))
            continue;
        const auto rows = sheet.EmployeeRows(employee);
        const auto months = Withhold(sheet, employee);
        const auto extras =
            withExtras ? ExtraResults(sheet, employee) : std::vector<std::vector<ExtraResult>>();
        for (std::size_t k = 0; k < rows.size(); ++k) {
            if (!Row(rows[k], &months[k],
                     withExtras ? std::span<const ExtraResult>(extras[k])
                                : std::span<const ExtraResult>()))
                return Status::Failed;
        }
        Done += static_cast<qint64>(rows.size());
        if (!Ticker.Tick(Done))
            return Status::Cancelled;
    }
    return Ticker.Ask(Done) ? Status::Done : Status::Cancelled;
}

WriteOutcome WritePayroll(const QString &Path, const PayrollSheet &Sheet, const Progress &Hooks) {
    if (IsOldExcel(Path))
        return FailedWrite(OldExcelFault(Path));
    if (const QString fault = OutputFault(Path, Sheet); !fault.isEmpty())
        return FailedWrite(fault);
    const std::vector<Output> parts = SavedParts(Sheet);
    if (KindOf(Path) == SheetKind::Xlsx)
        return WriteXlsxFile(Path, parts, Hooks);
    WriteOutcome outcome = WriteCsvFiles(Path, parts, Hooks);
    if (outcome.Result == Status::Done && !HasRejectedRows(Sheet))
        RemoveStaleRejected(Path, Sheet.FileName());
    return outcome;
}

WriteOutcome WritePayrollCsv(QIODevice &Device, const PayrollSheet &Sheet, const Progress &Hooks) {
    if (Sheet.AcceptedRowCount() == 0)
        return FailedWrite(OutputFault({}, Sheet));
    return WriteCsvDevice(Device, SheetText::tr("标准输出"), Output{Sheet, Part::Results}, Hooks);
}

WriteOutcome WriteTemplate(const QString &Path) {
    if (IsOldExcel(Path))
        return FailedWrite(OldExcelFault(Path));
    const PayrollSheet sheet = TemplateSheet();
    const Output what{sheet, Part::Template};
    return KindOf(Path) == SheetKind::Xlsx ? WriteXlsxFile(Path, {&what, 1}, {})
                                           : WriteCsvFiles(Path, {&what, 1}, {});
}

} // namespace sheets
