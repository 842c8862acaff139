// pendra-cli payroll: a payroll sheet of many employees and months through the cumulative
// withholding, read and written by the sheets library exactly as the program's batch window does.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "sheets/Cells.h"
#include "sheets/DeclarationTemplate.h"
#include "sheets/Limits.h"
#include "sheets/PayrollBuilder.h"
#include "sheets/PayrollIo.h"
#include "sheets/Withholding.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace Cli {
namespace {

const QString OutputOption = QStringLiteral("output");
const QString TemplateOption = QStringLiteral("template");
const QString MonthOption = QStringLiteral("month");
// "-o -", as other tools take it.
const QString StandardOutput = QStringLiteral("-");

// The words of this file, translated in the context "PayrollCommand". The class has the context's
// name, so that lupdate finds the context of every PayrollCommand::tr wherever it stands (in a
// brace initialiser it takes the class's name as written).
class PayrollCommand {
    Q_DECLARE_TR_FUNCTIONS(PayrollCommand)
};

sheets::WriteOutcome WriteResults(const QString &OutPath, const sheets::PayrollSheet &Sheet) {
    if (OutPath != StandardOutput)
        return sheets::WritePayroll(OutPath, Sheet);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return {sheets::Status::Failed, PayrollCommand::tr("无法写标准输出")};
    // Whether it reached the output is checked once the command is over, as for every command.
    return sheets::WritePayrollCsv(out, Sheet);
}

// The first faults by name, then how many more there are: a sheet made to fail has millions.
void PrintFaults(const sheets::PayrollSheet &Sheet) {
    const auto &errors = Sheet.Errors();
    const std::size_t named = std::min(errors.size(), sheets::Limit::ListedFaults);
    for (std::size_t i = 0; i < named; ++i)
        PrintError(Sheet.Message(errors[i]));
    if (errors.size() > named)
        PrintError(PayrollCommand::tr("另有%n处错误未列出（只列出前%1处）", nullptr,
                                      static_cast<int>(errors.size() - named))
                       .arg(named));
}

// What the run did besides the results: the columns of an earlier run left out of the input, and
// where the rows left out went.
void PrintNotes(const sheets::PayrollSheet &Sheet, const QString &OutPath) {
    if (const std::uint32_t left = Sheet.WrittenColumnsLeftOut(); left > 0)
        PrintError(PayrollCommand::tr(
            "工资表中有%n列是本程序以前写出的（计算结果或未计算的原因），未作为输入读入，"
            "已按本次计算重新写出",
            nullptr, static_cast<int>(left)));
    const QString rejected =
        sheets::RejectedNote(Sheet, OutPath == StandardOutput ? QString() : OutPath);
    if (!rejected.isEmpty())
        PrintError(rejected);
}

// A clerk who pays a bonus in a cliff would pay the employee more by paying less: told once, the
// rows being in the 奖金提示 column.
void PrintCliffs(const sheets::PayrollSheet &Sheet) {
    if (!Sheet.HasBonus())
        return;
    int cliffs = 0;
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (!Sheet.Accepted(employee))
            continue;
        for (const sheets::BonusResult &bonus : sheets::TaxBonuses(Sheet, employee))
            cliffs += bonus.Cliff ? 1 : 0;
    }
    if (cliffs > 0)
        PrintError(PayrollCommand::tr("%n笔全年一次性奖金落在临界区间：少发一些，员工税后反而多得，"
                                      "见「%1」列",
                                      nullptr, cliffs)
                       .arg(sheets::BonusTitle(sheets::BonusColumn::Note)));
}

QString Help() {
    return PayrollCommand::
        tr("工资表批量计算：按累计预扣法计算每位员工每月应预扣的税额。\n"
           "输入为 CSV（UTF-8，可带 BOM，或 GBK）或 Excel（.xlsx，第一个工作表）。\n"
           "标题行是前 %1 个非空行中第一个含工号、月份、收入的行，其上的表名、说明略过。\n"
           "列的顺序不限，标题可用中文或英文（见 README）：工号（必需）、姓名、月份（必需，\n"
           "1 至 12，也可写作 1月、2026-02、2026年2月，全表须为同一年）、收入（必需）、\n"
           "免税收入、专项扣除、专项附加扣除、其他扣除（金额可带千位分隔符和 ¥）、\n"
           "减除方式（按月、自1月、6万，也可写 per-month、from-january、sixty；空为按月；\n"
           "6万 的员工须从 1 月起）。收入也可题作应发工资、应发合计、税前工资，专项扣除也可\n"
           "题作三险一金、社保公积金，或分列基本养老保险费、基本医疗保险费、失业保险费、\n"
           "住房公积金（相加为专项扣除）；未读取的列在标准错误上列出，像扣除项的另有警告。\n"
           "专项附加扣除也可分列子女教育、3岁以下婴幼儿照护、赡养老人、住房贷款利息、住房租金、\n"
           "继续教育（相加为专项附加扣除，结果另有各项的累计列）；个人养老金、商业健康保险\n"
           "按当年限额并入其他扣除。全年一次性奖金（或年终奖）列为当月发放的奖金，当年政策\n"
           "允许时单独计税（每年一次），奖金计税方式列写“并入”时并入当月工资；结果另有奖金的\n"
           "税额、税率、速算扣除数、税后奖金和奖金提示（落在临界区间时给出改发的金额）。\n"
           "没有工号而写着合计、总计、小计的行是合计行，略过。工作表“未计算”或旁边的\n"
           "“名称-未计算.csv”中上次未计算的行一并读入、重新计算。\n"
           "本程序写出的结果列（累计收入至税后收入）不作为输入，\n"
           "按本次计算重新写出。输出每一行的输入列及各结果列，标题用当前语言，按员工首次\n"
           "出现的顺序、按月份排列；不给 -o 或给 -o - 时以 UTF-8（带 BOM）的 CSV 写到标准\n"
           "输出。有误的行在标准错误上列出行号和列名，其员工的各行都不计算，写在 Excel\n"
           "结果的工作表“未计算”中或 CSV 结果旁的“名称-未计算.csv”中；其余员工照常输出，\n"
           "退出状态为 1；没有一行可以计算时不写出结果，退出状态为 2。\n"
           "给出 --template 时不写结果，而是把 --month 那个月每位算出的员工填入个人所得税\n"
           "扣缴客户端的导入模板（.xlsx）：标题行按工资表的列名认出，本期收入、本期免税收入、\n"
           "各项保险费、其他等填该月金额，证件类型、证件号码、备注等取工资表同名的列（作为\n"
           "文字），工资表给不出的列留空；模板的其他工作表、标题行以上各行和格式不变，写到\n"
           "-o 所给的 .xlsx 文件。填了哪些列、哪些留空及原因列在标准错误上。")
            .arg(sheets::HeaderRows);
}

// The month of a computed sheet filled into the withholding client's import template.
int FillTemplate(const CommandLine &Line, const QString &Input, const QString &OutPath) {
    const auto month = sheets::ReadMonthCell(Line.Value(MonthOption).toUtf8().toStdString());
    if (!month)
        return Line.Refuse(PayrollCommand::tr("--month 应为 1 至 12 的月份，而不是“%1”")
                               .arg(Line.Shown(MonthOption)));
    const QString templatePath = Line.Value(TemplateOption);
    if (const QString fault = sheets::TemplateTargetFault(templatePath, OutPath, Input);
        !fault.isEmpty()) {
        PrintError(fault);
        return Refused;
    }
    const sheets::ReadOutcome read = sheets::ReadPayroll(Input);
    if (read.Result != sheets::Status::Done) {
        PrintError(read.Error);
        return Refused;
    }
    const int year = read.Sheet.NamedYear();
    if (month->Year != 0 && year != 0 && month->Year != year) {
        PrintError(PayrollCommand::tr("工资表是%1年的，没有%2年%3月")
                       .arg(year)
                       .arg(month->Year)
                       .arg(month->Month));
        return Refused;
    }
    const sheets::TemplateOutcome filled =
        sheets::FillDeclarationTemplate(read.Sheet, month->Month, templatePath, OutPath);
    if (filled.Result != sheets::Status::Done) {
        PrintError(filled.Error);
        return Refused;
    }
    const QStringList report = sheets::TemplateReport(filled.Fill);
    const auto listed = std::min<qsizetype>(report.size(), qsizetype(sheets::Limit::ListedFaults));
    for (qsizetype i = 0; i < listed; ++i)
        PrintError(report[i]);
    if (report.size() > listed)
        PrintError(PayrollCommand::tr("另有%n行未列出", nullptr,
                                      static_cast<int>(report.size() - listed)));
    return filled.Fill.LeftOut.isEmpty() ? Success : RowsLeftOut;
}

} // namespace

int RunPayroll(const QStringList &Arguments) {
    CommandLine line(QStringLiteral("payroll"), Help(),
                     {PayrollCommand::tr("pendra-cli payroll 工资表.csv -o 预扣结果.csv"),
                      PayrollCommand::tr("pendra-cli payroll 工资表.xlsx -o 预扣结果.xlsx"),
                      PayrollCommand::tr("pendra-cli payroll 工资表.csv > 预扣结果.csv"),
                      PayrollCommand::tr("pendra-cli payroll 工资表.xlsx --template 申报模板.xlsx "
                                         "--month 3 -o 3月申报.xlsx")});
    line.AddPositional(PayrollCommand::tr("工资表"),
                       PayrollCommand::tr("输入的 .csv 或 .xlsx 文件"));
    line.AddValue(
        u'o', OutputOption, PayrollCommand::tr("文件"),
        PayrollCommand::tr("结果写入此文件，按扩展名写 CSV 或 Excel（.xlsx）；- 为标准输出"));
    line.AddValue(TemplateOption, PayrollCommand::tr("模板"),
                  PayrollCommand::tr("把 --month 那个月填入此扣缴申报导入模板（.xlsx），写到 -o"));
    line.AddValue(MonthOption, PayrollCommand::tr("月份"),
                  PayrollCommand::tr("与 --template 同用：填入模板的月份，1 至 12"));
    line.WithoutJson();
    if (auto done = line.Parse(Arguments))
        return *done;
    if (line.Positional().isEmpty())
        return line.Refuse(PayrollCommand::tr("缺少工资表文件"));
    const QString input = line.Positional().constFirst();
    if (line.IsSet(TemplateOption)) {
        if (auto missing = line.Require({MonthOption, OutputOption}))
            return *missing;
        return FillTemplate(line, input, line.Value(OutputOption));
    }
    if (line.IsSet(MonthOption))
        return line.Refuse(PayrollCommand::tr("--month 只与 --template 同用"));
    const QString outPath = line.IsSet(OutputOption) ? line.Value(OutputOption) : StandardOutput;
    if (outPath.isEmpty())
        return line.Refuse(PayrollCommand::tr("选项 -o 的文件名为空"));
    // Before anything is read: an output that would destroy the input, or a link or device that
    // is not to be written, ends the run at once.
    if (outPath != StandardOutput) {
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
    // What was not read comes first: a clerk seeing 360.00 where 300.00 was meant looks here.
    if (const QString note = sheets::ReadNote(read.Sheet); !note.isEmpty())
        PrintError(note);
    if (const QString warning = sheets::DeductionWarning(read.Sheet); !warning.isEmpty())
        PrintError(PayrollCommand::tr("警告：%1").arg(warning));
    PrintFaults(read.Sheet);
    const sheets::WriteOutcome written = WriteResults(outPath, read.Sheet);
    if (written.Result != sheets::Status::Done) {
        PrintError(written.Error);
        return Refused;
    }
    PrintNotes(read.Sheet, outPath);
    PrintCliffs(read.Sheet);
    return read.Sheet.Errors().empty() ? Success : RowsLeftOut;
}

} // namespace Cli
