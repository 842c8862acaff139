#include "sheets/Payslips.h"

#include "modules/UModules.h"
#include "sheets/Cells.h"
#include "sheets/FileFaults.h"
#include "sheets/PayslipPdf.h"
#include "sheets/SafeFile.h"
#include "sheets/SheetText.h"
#include "sheets/Withholding.h"
#include "sheets/Workbook.h"
#include "sheets/Writers.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <string>
#include <unordered_map>

namespace sheets {
namespace {

QString Yuan(current::Cents Amount) {
    std::string text;
    AppendCents(text, Amount);
    return QString::fromLatin1(text);
}

QString NameOf(const PayrollSheet &Sheet, std::size_t Row) {
    const int column = Sheet.ColumnOf(Field::Name);
    return column < 0 ? QString() : QString::fromUtf8(Sheet.TextOf(Row, column));
}

// The first fault of each employee, and of each row without 工号, found in one pass: a sheet
// made to fail has a million faults and as many employees.
struct FirstFaults {
    std::unordered_map<std::uint32_t, const RowError *> OfEmployee;
    std::unordered_map<std::uint32_t, const RowError *> OfRow; // rows without 工号

    explicit FirstFaults(const PayrollSheet &Sheet) {
        for (const RowError &error : Sheet.Errors()) {
            const std::uint32_t employee = Sheet.Row(error.Row).Employee;
            if (employee == NoEmployee)
                OfRow.try_emplace(error.Row, &error);
            else
                OfEmployee.try_emplace(employee, &error);
        }
    }
};

// A row of the month left out: its employee (工号 and 姓名, or the line of a row without 工号)
// and the first fault that left the employee out.
QString WhoAndWhy(const PayrollSheet &Sheet, std::size_t Row, const FirstFaults &Faults) {
    const PayrollRow &row = Sheet.Row(Row);
    const bool anonymous = row.Employee == NoEmployee;
    const QString who =
        anonymous ? SheetText::tr("第%1行").arg(row.Line)
                  : (Sheet.EmployeeId(row.Employee) + u' ' + NameOf(Sheet, Row)).trimmed();
    const auto &faults = anonymous ? Faults.OfRow : Faults.OfEmployee;
    const auto found = faults.find(anonymous ? static_cast<std::uint32_t>(Row) : row.Employee);
    if (found == faults.end())
        return who;
    return SheetText::tr("%1（%2）").arg(who, Sheet.Message(*found->second));
}

// A part of 专项扣除 under its own name in the language in use, whatever the sheet titled it.
QString PartTitle(InsurancePart Part) {
    switch (Part) {
    case InsurancePart::Pension:
        return SheetText::tr("基本养老保险费");
    case InsurancePart::Medical:
        return SheetText::tr("基本医疗保险费");
    case InsurancePart::Unemployment:
        return SheetText::tr("失业保险费");
    default:
        return SheetText::tr("住房公积金");
    }
}

// A bonus of the month is paid with the wage: taxed on its own, its tax is a line of its own;
// merged, the wage's tax holds it.
Payslip SlipOf(const PayrollSheet &Sheet, std::size_t Row, const current::WageWithholding &Month,
               const BonusResult &Bonus) {
    Payslip slip;
    const PayrollRow &row = Sheet.Row(Row);
    slip.Id = Sheet.EmployeeId(row.Employee);
    slip.Name = NameOf(Sheet, Row);
    slip.Pay.push_back({SheetText::tr("应发"), row.Income});
    const current::Cents bonus = Bonus.Taking.Amount;
    const current::Cents bonusTax = Bonus.Taking.Way == BonusWay::Separate ? Bonus.Tax : 0;
    if (bonus > 0)
        slip.Pay.push_back({FieldTitle(Field::Bonus), bonus});
    current::Cents deducted = 0;
    bool parts = false;
    const auto &columns = Sheet.Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].Role != Field::InsurancePart)
            continue;
        parts = true;
        std::string buffer;
        const current::Cents amount =
            CellCents(PlainAmount(Sheet.TextOf(Row, i), buffer)).value_or(0);
        slip.Pay.push_back({PartTitle(columns[i].Part), amount});
        deducted += amount;
    }
    if (!parts && Sheet.ColumnOf(Field::Insurance) >= 0) {
        slip.Pay.push_back({SheetText::tr("三险一金"), row.Insurance});
        deducted += row.Insurance;
    }
    if (Sheet.ColumnOf(Field::Other) >= 0) {
        slip.Pay.push_back({SheetText::tr("其他扣除"), row.Other});
        deducted += row.Other;
    }
    slip.Pay.push_back({SheetText::tr("个人所得税"), Month.Tax});
    if (bonusTax > 0)
        slip.Pay.push_back({BonusTitle(BonusColumn::Tax), bonusTax});
    slip.Pay.push_back(
        {SheetText::tr("实发"), row.Income + bonus - deducted - Month.Tax - bonusTax});
    slip.YearToDate.push_back({SheetText::tr("累计收入"), Month.CumulativeIncome});
    slip.YearToDate.push_back({SheetText::tr("累计已预扣税额"), Month.WithheldBefore + Month.Tax});
    return slip;
}

QString MonthText(const PayslipMonth &Slips) {
    if (Slips.Year == 0)
        return SheetText::tr("%1月").arg(Slips.Month);
    return SheetText::tr("%1年%2月").arg(Slips.Year).arg(Slips.Month);
}

// The titles of a payslip's row in a workbook, in the order of its cells.
QStringList RowTitles(const Payslip &Slip) {
    QStringList titles{FieldTitle(Field::Id), FieldTitle(Field::Name), FieldTitle(Field::Month)};
    for (const PayslipItem &item : Slip.Pay)
        titles << item.Title;
    for (const PayslipItem &item : Slip.YearToDate)
        titles << item.Title;
    return titles;
}

std::string Utf8(const QString &Text) {
    return Text.toUtf8().toStdString();
}

WriteOutcome CannotWrite(const QString &Path, const QString &Cause) {
    return FailedWrite(SheetText::tr("无法写入%1：%2").arg(FileNamed(Path), Cause));
}

// Refused before anything is made: the sheet read, a link, a device, another user's file.
QString RefusedTarget(const QString &Path, const QString &Input) {
    return TargetFault(Path, Input);
}

WriteOutcome WriteXlsx(const QString &Path, const PayslipMonth &Slips) {
    WorkbookMaker *const maker = Workbooks();
    if (maker == nullptr)
        return CannotWrite(Path, SheetText::tr("找不到写Excel文件的组件，请重新安装本程序"));
    Replacement file(Path);
    if (const auto refused = file.Refused())
        return FailedWrite(RefusalText(Path, *refused));
    if (!file.Create())
        return CannotWrite(Path, file.ErrorString());
    const std::unique_ptr<WorkbookSheet> book = maker->Open(file.TemporaryPath());
    if (book == nullptr)
        return CannotWrite(Path, SheetText::tr("无法在%1所在的文件夹中写入").arg(FileNamed(Path)));
    book->NextSheet(SheetText::tr("工资条"));
    book->Text(0, 0, Utf8(PayslipHeading(Slips)));
    const std::string month = Utf8(MonthText(Slips));
    std::uint32_t at = 2;
    for (const Payslip &slip : Slips.Slips) {
        const QStringList titles = RowTitles(slip);
        for (qsizetype i = 0; i < titles.size(); ++i)
            book->Text(at, static_cast<std::uint16_t>(i), Utf8(titles[i]));
        ++at;
        book->Text(at, 0, Utf8(slip.Id));
        book->Text(at, 1, Utf8(slip.Name));
        book->Text(at, 2, month);
        std::uint16_t column = 3;
        for (const auto *items : {&slip.Pay, &slip.YearToDate}) {
            for (const PayslipItem &item : *items)
                book->Amount(at, column++, static_cast<double>(item.Amount) / 100);
        }
        at += 2; // a blank row to cut along
    }
    const QString fault = book->Fault().isEmpty() ? book->Close() : book->Fault();
    if (!fault.isEmpty())
        return FailedWrite(SheetText::tr("写入%1时出错：%2").arg(FileNamed(Path), fault));
    if (!file.Commit())
        return FailedWrite(
            SheetText::tr("写入%1时出错：%2").arg(FileNamed(Path), file.ErrorString()));
    return {};
}

PdfPayslip Drawn(const PayslipMonth &Slips, const Payslip &Slip) {
    PdfPayslip drawn;
    drawn.Heading = PayslipHeading(Slips);
    drawn.Person = SheetText::tr("工号：%1    姓名：%2").arg(Slip.Id, Slip.Name);
    for (const PayslipItem &item : Slip.Pay)
        drawn.Pay.emplace_back(item.Title, Yuan(item.Amount));
    drawn.YearToDateTitle = SheetText::tr("本年累计（截至%1）").arg(MonthText(Slips));
    for (const PayslipItem &item : Slip.YearToDate)
        drawn.YearToDate.emplace_back(item.Title, Yuan(item.Amount));
    return drawn;
}

WriteOutcome WritePdf(const QString &Path, const PayslipMonth &Slips,
                      std::span<const Payslip> Which) {
    PayslipPdfMaker *const maker = PayslipPdfs();
    if (maker == nullptr)
        return CannotWrite(Path, SheetText::tr("找不到写PDF文件的组件，请重新安装本程序"));
    Replacement file(Path);
    if (const auto refused = file.Refused())
        return FailedWrite(RefusalText(Path, *refused));
    if (!file.Create())
        return CannotWrite(Path, file.ErrorString());
    std::vector<PdfPayslip> drawn;
    drawn.reserve(Which.size());
    for (const Payslip &slip : Which)
        drawn.push_back(Drawn(Slips, slip));
    if (const QString fault = maker->Write(file.File(), PayslipHeading(Slips), drawn);
        !fault.isEmpty())
        return FailedWrite(SheetText::tr("写入%1时出错：%2").arg(FileNamed(Path), fault));
    if (!file.Commit())
        return FailedWrite(
            SheetText::tr("写入%1时出错：%2").arg(FileNamed(Path), file.ErrorString()));
    return {};
}

WriteOutcome WriteFolder(const QString &Path, const PayslipMonth &Slips, const QString &Input) {
    const QFileInfo folder(Path);
    if (folder.isSymLink() || (folder.exists() && !folder.isDir()))
        return FailedWrite(
            SheetText::tr("%1不是文件夹，工资条没有写出").arg(FileNamed(folder.filePath())));
    if (!QDir().mkpath(Path))
        return CannotWrite(Path, SheetText::tr("无法建立文件夹"));
    const QDir dir(Path);
    QSet<QString> taken;
    for (const Payslip &slip : Slips.Slips) {
        QString name = PayslipFileName(slip);
        // Two employees of one 工号 and 姓名 (a sheet of two branches) each keep their file.
        for (int n = 2; taken.contains(name); ++n)
            name = QFileInfo(PayslipFileName(slip)).completeBaseName() + u'-' + QString::number(n) +
                   QStringLiteral(".pdf");
        taken.insert(name);
        const QString path = dir.filePath(name);
        if (const QString fault = RefusedTarget(path, Input); !fault.isEmpty())
            return FailedWrite(fault);
        if (WriteOutcome written = WritePdf(path, Slips, std::span(&slip, 1));
            written.Result != Status::Done)
            return written;
    }
    return {};
}

} // namespace

PayslipPdfMaker *PayslipPdfs() {
    static PayslipPdfMaker *const maker = qobject_cast<PayslipPdfMaker *>(
        LoadModule(QStringLiteral(PENDRA_PDF_MODULE), QStringLiteral(PENDRA_PDF_INSTALL_DIR),
                   QStringLiteral(PENDRA_PDF_BUILD_DIR)));
    return maker;
}

QString EmployerOf(const PayrollSheet &Sheet) {
    for (const auto &row : Sheet.TitleRows()) {
        for (const QString &cell : row) {
            if (!cell.trimmed().isEmpty())
                return cell.trimmed();
        }
    }
    return {};
}

std::vector<int> MonthsHeld(const PayrollSheet &Sheet) {
    std::array<bool, 13> held{};
    for (std::size_t i = 0; i < Sheet.RowCount(); ++i)
        held[Sheet.Row(i).Month] = true;
    std::vector<int> months;
    for (int month = 1; month <= 12; ++month) {
        if (held[static_cast<std::size_t>(month)])
            months.push_back(month);
    }
    return months;
}

std::optional<PayslipMonth> MakePayslips(const PayrollSheet &Sheet, int Month,
                                         const QString &Employer, QString &Fault) {
    PayslipMonth slips;
    slips.Employer = Employer.trimmed();
    slips.Year = Sheet.NamedYear();
    slips.Month = Month;
    bool held = false;
    QSet<std::uint32_t> named;
    std::optional<FirstFaults> faults; // made when the first row left out is met
    for (std::size_t i = 0; i < Sheet.RowCount(); ++i) {
        const PayrollRow &row = Sheet.Row(i);
        if (row.Month != Month)
            continue;
        held = true;
        if (Sheet.RowAccepted(i))
            continue;
        if (row.Employee != NoEmployee && named.contains(row.Employee))
            continue;
        named.insert(row.Employee);
        if (!faults)
            faults.emplace(Sheet);
        slips.LeftOut << WhoAndWhy(Sheet, i, *faults);
    }
    if (!held) {
        Fault = SheetText::tr("%1中没有%2月的行，没有工资条可写")
                    .arg(FileNamed(Sheet.FileName()))
                    .arg(Month);
        return std::nullopt;
    }
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (!Sheet.Accepted(employee))
            continue;
        const auto k = Sheet.IndexOfMonth(employee, Month);
        if (!k)
            continue;
        const std::vector<current::WageWithholding> months = Withhold(Sheet, employee);
        const BonusResult bonus =
            Sheet.HasBonus() ? TaxBonuses(Sheet, employee)[*k] : BonusResult{};
        slips.Slips.push_back(SlipOf(Sheet, Sheet.EmployeeRows(employee)[*k], months[*k], bonus));
    }
    if (slips.Slips.empty()) {
        Fault = SheetText::tr("%1中%2月没有一名员工可以计算，没有写出工资条")
                    .arg(FileNamed(Sheet.FileName()))
                    .arg(Month);
        return std::nullopt;
    }
    return slips;
}

std::optional<PayslipForm> PayslipFormOf(const QString &Path) {
    if (Path.endsWith(u'/') || QFileInfo(Path).isDir())
        return PayslipForm::PdfPerEmployee;
    if (Path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return PayslipForm::Pdf;
    if (Path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return PayslipForm::Xlsx;
    return std::nullopt;
}

QString PayslipHeading(const PayslipMonth &Slips) {
    const QString heading = SheetText::tr("%1 工资条").arg(MonthText(Slips));
    return Slips.Employer.isEmpty() ? heading : Slips.Employer + u' ' + heading;
}

QString PayslipFileName(const Payslip &Slip) {
    QString name = Slip.Name.isEmpty() ? Slip.Id : Slip.Id + u'-' + Slip.Name;
    // Nothing that leaves the folder or hides the file: no separator, no control character, no
    // leading dot.
    for (QChar &c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control || c == u':')
            c = u'_';
    }
    while (name.startsWith(u'.'))
        name[0] = u'_';
    return name.left(120) + QStringLiteral(".pdf");
}

WriteOutcome WritePayslips(const QString &Path, PayslipForm Form, const PayslipMonth &Slips,
                           const QString &Input) {
    if (Form == PayslipForm::PdfPerEmployee)
        return WriteFolder(Path, Slips, Input);
    if (const QString fault = RefusedTarget(Path, Input); !fault.isEmpty())
        return FailedWrite(fault);
    if (Form == PayslipForm::Xlsx)
        return WriteXlsx(Path, Slips);
    return WritePdf(Path, Slips, Slips.Slips);
}

} // namespace sheets
