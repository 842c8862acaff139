#include "sheets/PayrollIo.h"

#include "sheets/PayrollBuilder.h"
#include "sheets/Readers.h"
#include "sheets/SheetText.h"
#include "sheets/Withholding.h"
#include "sheets/Writers.h"

#include <QFile>

#include <array>

namespace sheets {
namespace {

constexpr qint64 RowsPerTick = 8192;

bool IsOldExcel(const QString &Path) {
    return Path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive);
}

QString OldExcelFault(const QString &Path) {
    return QStringLiteral("%1是旧版Excel格式（.xls），请在Excel中另存为.xlsx或CSV文件")
        .arg(FileNamed(Path));
}

// One employee of three months as the worked example a new sheet starts from.
PayrollSheet TemplateSheet() {
    constexpr std::array<std::string_view, 9> Header{"工号",         "姓名",     "月份",
                                                     "收入",         "免税收入", "专项扣除",
                                                     "专项附加扣除", "其他扣除", "减除方式"};
    PayrollBuilder builder(QStringLiteral("template"));
    builder.AddRow(1, Header);
    for (const std::string_view month : {"1", "2", "3"}) {
        const std::array<std::string_view, 9> row{"E001", "张三", month, "20000", "0",
                                                  "2000", "3000", "0",   "按月"};
        builder.AddRow(0, row);
    }
    return builder.Finish();
}

} // namespace

QString FileNamed(const QString &Path) {
    return QStringLiteral("文件“%1”").arg(Path);
}

QString CannotOpen(const QString &Path, OpenFault Fault) {
    switch (Fault) {
    case OpenFault::Missing:
        return QStringLiteral("%1不存在").arg(FileNamed(Path));
    case OpenFault::Folder:
        return QStringLiteral("“%1”是文件夹，不是文件").arg(Path);
    case OpenFault::Denied:
        return QStringLiteral("没有读取%1的权限").arg(FileNamed(Path));
    case OpenFault::NotRegular:
        return SheetText::tr("“%1”不是普通文件（而是设备、管道、套接字之类），不能作为工资表读取")
            .arg(Path);
    case OpenFault::None:
    case OpenFault::Other:
        break;
    }
    return SheetText::tr("无法打开%1").arg(FileNamed(Path));
}

QString RefusalText(const QString &Path, Refusal Why) {
    switch (Why) {
    case Refusal::NotAFile:
        return SheetText::tr("“%1”不是普通文件（而是设备、管道、套接字或文件夹），不会写入它")
            .arg(Path);
    case Refusal::Link:
        return SheetText::tr("“%1”是符号链接；为免改动它指向的文件，不会通过链接写入").arg(Path);
    case Refusal::OtherOwner:
        return SheetText::tr("%1属于其他用户，不会改写它").arg(FileNamed(Path));
    case Refusal::ReadOnly:
        return SheetText::tr("%1是只读文件，不会改写它").arg(FileNamed(Path));
    case Refusal::TooLarge:
        break;
    }
    return SheetText::tr("%1太大，不会改写它").arg(FileNamed(Path));
}

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
    return TargetFault(Path, Sheet.FileName());
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

ReadOutcome ReadPayroll(const QString &Path, const Progress &Hooks) {
    if (IsOldExcel(Path))
        return FailedRead(OldExcelFault(Path));
    return KindOf(Path) == SheetKind::Xlsx ? ReadXlsx(Path, Hooks) : ReadCsv(Path, Hooks);
}

std::size_t RowsWritten(const Output &What) {
    return What.Results ? What.Sheet.AcceptedRowCount() : What.Sheet.RowCount();
}

Status ForEachRow(const Output &What, const Progress &Hooks,
                  const std::function<bool(std::size_t, const current::WageWithholding *)> &Row) {
    const PayrollSheet &sheet = What.Sheet;
    ProgressTicker ticker(Hooks, static_cast<qint64>(RowsWritten(What)), RowsPerTick);
    qint64 done = 0;
    if (!What.Results) {
        for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
            if (!ticker.Tick(done++))
                return Status::Cancelled;
            if (!Row(row, nullptr))
                return Status::Failed;
        }
        return ticker.Ask(done) ? Status::Done : Status::Cancelled;
    }
    for (std::uint32_t employee = 0; employee < sheet.EmployeeCount(); ++employee) {
        if (!sheet.Accepted(employee))
            continue;
        const auto rows = sheet.EmployeeRows(employee);
        const auto months = Withhold(sheet, employee);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            if (!Row(rows[k], &months[k]))
                return Status::Failed;
        }
        done += static_cast<qint64>(rows.size());
        if (!ticker.Tick(done))
            return Status::Cancelled;
    }
    return ticker.Ask(done) ? Status::Done : Status::Cancelled;
}

WriteOutcome WritePayroll(const QString &Path, const PayrollSheet &Sheet, const Progress &Hooks) {
    if (IsOldExcel(Path))
        return FailedWrite(OldExcelFault(Path));
    if (const QString fault = OutputFault(Path, Sheet); !fault.isEmpty())
        return FailedWrite(fault);
    const Output what{Sheet, true};
    return KindOf(Path) == SheetKind::Xlsx ? WriteXlsxFile(Path, what, Hooks)
                                           : WriteCsvFile(Path, what, Hooks);
}

WriteOutcome WritePayrollCsv(QIODevice &Device, const PayrollSheet &Sheet, const Progress &Hooks) {
    if (Sheet.AcceptedRowCount() == 0)
        return FailedWrite(OutputFault({}, Sheet));
    return WriteCsvDevice(Device, QStringLiteral("标准输出"), Output{Sheet, true}, Hooks);
}

WriteOutcome WriteTemplate(const QString &Path) {
    if (IsOldExcel(Path))
        return FailedWrite(OldExcelFault(Path));
    const PayrollSheet sheet = TemplateSheet();
    const Output what{sheet, false};
    return KindOf(Path) == SheetKind::Xlsx ? WriteXlsxFile(Path, what, {})
                                           : WriteCsvFile(Path, what, {});
}

} // namespace sheets
