// pendra-cli payroll: a payroll sheet of many employees and months through the cumulative
// withholding, read and written by the sheets library exactly as the program's batch window does.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "sheets/PayrollIo.h"

#include <QFile>

#include <cstdio>

namespace Cli {
namespace {

const QString OutputOption = QStringLiteral("output");

sheets::WriteOutcome WriteResults(const QString &OutPath, const sheets::PayrollSheet &Sheet) {
    if (!OutPath.isEmpty())
        return sheets::WritePayroll(OutPath, Sheet);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return {sheets::Status::Failed, QStringLiteral("无法写标准输出")};
    sheets::WriteOutcome written = sheets::WritePayrollCsv(out, Sheet);
    // A closed pipe shows only when the buffer goes out.
    if (written.Result == sheets::Status::Done && (!out.flush() || std::fflush(stdout) != 0))
        written = {sheets::Status::Failed, QStringLiteral("写标准输出失败")};
    return written;
}

} // namespace

int RunPayroll(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("payroll"),
        QStringLiteral(
            "工资表批量计算：按累计预扣法计算每位员工每月应预扣的税额。\n"
            "输入为 CSV（UTF-8，可带 BOM，或 GBK）或 Excel（.xlsx，第一个工作表），首行为列名，\n"
            "列的顺序不限：工号（必需）、姓名、月份（必需，1 至 12）、收入（必需）、免税收入、\n"
            "专项扣除、专项附加扣除、其他扣除、减除方式（按月、自1月、6万；空为按月）。\n"
            "输出每一行的输入列及累计收入至税后收入各列，按员工首次出现的顺序、按月份排列；\n"
            "不给 -o 时以 UTF-8（带 BOM）的 CSV "
            "写到标准输出。有误的行在标准错误上列出行号和列名，\n"
            "其员工的各行都不计算、不输出，其余员工照常输出，退出状态为 1。"),
        {QStringLiteral("pendra-cli payroll 工资表.csv -o 预扣结果.csv"),
         QStringLiteral("pendra-cli payroll 工资表.xlsx -o 预扣结果.xlsx"),
         QStringLiteral("pendra-cli payroll 工资表.csv > 预扣结果.csv")});
    line.AddPositional(QStringLiteral("工资表"), QStringLiteral("输入的 .csv 或 .xlsx 文件"));
    line.AddValue(u'o', OutputOption, QStringLiteral("文件"),
                  QStringLiteral("结果写入此文件，按扩展名写 CSV 或 Excel（.xlsx）"));
    line.WithoutJson();
    if (auto done = line.Parse(Arguments))
        return *done;
    if (line.Positional().isEmpty())
        return line.Refuse(QStringLiteral("缺少工资表文件"));
    const QString outPath = line.Value(OutputOption);
    if (line.IsSet(OutputOption) && outPath.isEmpty())
        return line.Refuse(QStringLiteral("选项 -o 的文件名为空"));

    const sheets::ReadOutcome read = sheets::ReadPayroll(line.Positional().constFirst());
    // A header without a required column leaves every row out, as a row at fault leaves out its
    // employee: the titles are still written, so that no older output passes for this run's.
    if (read.Result != sheets::Status::Done && !read.MissingColumns) {
        PrintError(read.Error);
        return Refused;
    }
    if (read.MissingColumns)
        PrintError(read.Error);
    for (const sheets::RowError &error : read.Sheet.Errors())
        PrintError(read.Sheet.Message(error));
    const sheets::WriteOutcome written = WriteResults(outPath, read.Sheet);
    if (written.Result != sheets::Status::Done) {
        PrintError(written.Error);
        return Refused;
    }
    return read.MissingColumns || !read.Sheet.Errors().empty() ? RowsLeftOut : Success;
}

} // namespace Cli
