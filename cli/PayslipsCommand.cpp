// pendra-cli payslips: the payslips (工资条) of one month from a payroll sheet, as PDF or as a
// workbook to print and cut, computed as pendra-cli payroll computes the sheet.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "sheets/Cells.h"
#include "sheets/Limits.h"
#include "sheets/PayrollIo.h"
#include "sheets/PayslipPdf.h"
#include "sheets/Payslips.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace Cli {
namespace {

const QString MonthOption = QStringLiteral("month");
const QString OutputOption = QStringLiteral("output");
const QString EmployerOption = QStringLiteral("employer");

// The words of this file, translated in the context "PayslipsCommand".
class PayslipsCommand {
    Q_DECLARE_TR_FUNCTIONS(PayslipsCommand)
};

QString Help() {
    return PayslipsCommand::tr(
        "工资条：由工资表算出某月每位员工的工资条，写成 PDF 或 Excel。\n"
        "工资表的读法与 payroll 相同。每张工资条有单位名称（--employer，未给出时取工资表\n"
        "标题行的文字）、工号、姓名、月份、应发、逐项扣除（表中分列养老、医疗、失业保险费和\n"
        "住房公积金时逐项列出，否则为三险一金；其他扣除）、个人所得税（本月应预扣税额）、\n"
        "实发（应发减去所列扣除和个人所得税），以及本年累计收入和累计已预扣税额。\n"
        "-o 以 .pdf 结尾时写一个 PDF 文件（A4，每页数张，之间有裁剪线）；以 / 结尾或为已有\n"
        "文件夹时，每位员工一个 PDF 文件（名为“工号-姓名.pdf”）；以 .xlsx 结尾时写 Excel：\n"
        "每位员工一行，其上为标题行，员工之间空一行。该月有误未计算的员工没有工资条，在标准\n"
        "错误上列出，退出状态为 1；工资表没有该月的行时不写出，退出状态为 2。");
}

} // namespace

std::unique_ptr<QCoreApplication> MakeApplication(int &Argc, char **Argv) {
    // The command is the first argument that is not --lang or its value.
    const char *command = nullptr;
    for (int i = 1; i < Argc; ++i) {
        if (std::strcmp(Argv[i], "--lang") == 0) {
            ++i;
            continue;
        }
        if (std::strncmp(Argv[i], "--lang=", 7) == 0)
            continue;
        command = Argv[i];
        break;
    }
    if (command == nullptr || std::strcmp(command, "payslips") != 0)
        return std::make_unique<QCoreApplication>(Argc, Argv);
    // Payslips are drawn with Qt Gui's fonts, which need Qt Gui's application object: the module
    // that draws them is found with a plain one (it is looked for beside the program), which then
    // gives way to the module's.
    sheets::PayslipPdfMaker *maker = nullptr;
    {
        const QCoreApplication finder(Argc, Argv);
        maker = sheets::PayslipPdfs();
    }
    if (maker == nullptr)
        return std::make_unique<QCoreApplication>(Argc, Argv);
    return std::unique_ptr<QCoreApplication>(maker->Application(Argc, Argv));
}

int RunPayslips(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("payslips"), Help(),
        {PayslipsCommand::tr("pendra-cli payslips 工资表.xlsx --month 3 -o 工资条.pdf"),
         PayslipsCommand::tr("pendra-cli payslips 工资表.csv --month 3 -o 工资条/"),
         PayslipsCommand::tr(
             "pendra-cli payslips 工资表.xlsx --month 3 -o 工资条.xlsx --employer 某某公司")});
    line.AddPositional(PayslipsCommand::tr("工资表"),
                       PayslipsCommand::tr("输入的 .csv 或 .xlsx 文件"));
    line.AddValue(MonthOption, PayslipsCommand::tr("月份"),
                  PayslipsCommand::tr("工资条的月份，1 至 12（也可写作 3月、2026-03）"));
    line.AddValue(
        u'o', OutputOption, PayslipsCommand::tr("文件"),
        PayslipsCommand::tr("写入此 .pdf 或 .xlsx 文件，或以 / 结尾的文件夹（每人一个 PDF）"));
    line.AddValue(EmployerOption, PayslipsCommand::tr("名称"),
                  PayslipsCommand::tr("工资条上的单位名称；未给出时取工资表标题行的文字"));
    line.WithoutJson();
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto missing = line.Require({MonthOption, OutputOption}))
        return *missing;
    if (line.Positional().isEmpty())
        return line.Refuse(PayslipsCommand::tr("缺少工资表文件"));
    const QString input = line.Positional().constFirst();
    const QString outPath = line.Value(OutputOption);
    const auto form = sheets::PayslipFormOf(outPath);
    if (!form)
        return line.Refuse(
            PayslipsCommand::tr("-o 应为 .pdf 或 .xlsx 文件，或以 / 结尾的文件夹，而不是“%1”")
                .arg(outPath));
    const auto month = sheets::ReadMonthCell(line.Value(MonthOption).toUtf8().toStdString());
    if (!month)
        return line.Refuse(PayslipsCommand::tr("--month 应为 1 至 12 的月份，而不是“%1”")
                               .arg(line.Value(MonthOption)));
    if (*form != sheets::PayslipForm::PdfPerEmployee) {
        if (const QString fault = sheets::TargetFault(outPath, input); !fault.isEmpty()) {
            PrintError(fault);
            return Refused;
        }
    }

    const sheets::ReadOutcome read = sheets::ReadPayroll(input);
    if (read.Result != sheets::Status::Done) {
        PrintError(read.Error);
        return Refused;
    }
    const int year = read.Sheet.NamedYear();
    if (month->Year != 0 && year != 0 && month->Year != year) {
        PrintError(PayslipsCommand::tr("工资表是%1年的，没有%2年%3月")
                       .arg(year)
                       .arg(month->Year)
                       .arg(month->Month));
        return Refused;
    }
    const QString employer =
        line.IsSet(EmployerOption) ? line.Value(EmployerOption) : sheets::EmployerOf(read.Sheet);
    QString fault;
    const auto slips = sheets::MakePayslips(read.Sheet, month->Month, employer, fault);
    if (!slips) {
        PrintError(fault);
        return Refused;
    }
    const sheets::WriteOutcome written = sheets::WritePayslips(outPath, *form, *slips, input);
    if (written.Result != sheets::Status::Done) {
        PrintError(written.Error);
        return Refused;
    }
    // The first by name, then how many more: a sheet made to fail leaves out thousands.
    const auto named = std::min<qsizetype>(slips->LeftOut.size(),
                                           static_cast<qsizetype>(sheets::Limit::ListedFaults));
    for (qsizetype i = 0; i < named; ++i)
        PrintError(PayslipsCommand::tr("没有工资条：%1").arg(slips->LeftOut[i]));
    if (slips->LeftOut.size() > named)
        PrintError(PayslipsCommand::tr("另有%n名员工没有工资条，未列出", nullptr,
                                       static_cast<int>(slips->LeftOut.size() - named)));
    PrintError(
        PayslipsCommand::tr("已写出%n张工资条", nullptr, static_cast<int>(slips->Slips.size())));
    return slips->LeftOut.isEmpty() ? Success : RowsLeftOut;
}

} // namespace Cli
