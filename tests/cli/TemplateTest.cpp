// pendra-cli payroll --template as a clerk runs it: the month of a computed sheet filled into the
// withholding client's import template, both made by openpyxl, and the filled workbook read back
// by openpyxl cell by cell; and every template or output that must be refused, refused with
// nothing written.

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

using namespace CliTest;

namespace {

QString Python(const QStringList &Arguments) {
    QProcess process;
    process.start(QStringLiteral(PENDRA_PYTHON),
                  QStringList{QStringLiteral(PENDRA_TEMPLATE_FIXTURES)} + Arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Fixtures {
    QTemporaryDir Dir;
    Fixtures() { Python({QStringLiteral("make"), Dir.path()}); }
    QString operator()(const char *Name) const { return Dir.filePath(QString::fromUtf8(Name)); }
};

// March: E1 with every part of 专项扣除, children's education since February, a remark and a bonus
// taxed on its own (declared apart), E2 with a passport and a bonus merged into the month's income;
// E3's March is at fault. Rows above the header, the header's bold, the other sheet and the merged
// title stay; the sample rows below the header go, and 证件号码 keeps the sample row's text format.
const char *const Filled = R"([填表说明]
A1='请按表头填写，证件号码按文本填写'
[正常工资薪金所得]
A1='正常工资薪金所得（2026年3月）'
A2='工号'
A2.bold=True
B2='*姓名'
B2.bold=True
C2='*证件类型'
C2.bold=True
D2='*证件号码'
D2.bold=True
E2='本期收入'
E2.bold=True
F2='本期免税收入'
F2.bold=True
G2='基本养老保险费'
G2.bold=True
H2='基本医疗保险费'
H2.bold=True
I2='失业保险费'
I2.bold=True
J2='住房公积金'
J2.bold=True
K2='累计子女教育'
K2.bold=True
L2='其他'
L2.bold=True
M2='准予扣除的捐赠额'
M2.bold=True
N2='备注'
N2.bold=True
A3='E1'
B3='张三'
C3='居民身份证'
D3='110101199001011234'
D3.format=@
E3=20000.0
F3=500.0
G3=1600.0
H3=400.0
I3=100.0
J3=1200.0
K3=4000.0
L3=100.0
N3='补发'
A4='E2'
B4='李四'
C4='护照'
D4='000123'
D4.format=@
E4=10000.0
F4=0.0
G4=720.0
H4=180.0
I4=45.0
J4=540.0
K4=0.0
L4=0.0
merged=A1:D1
)";

class TemplateKinds : public testing::TestWithParam<const char *> {};

TEST_P(TemplateKinds, MonthIsFilledUnderTheHeaderAndTheRestKept) {
    const Fixtures files;
    const QString out = files("申报.xlsx");
    const Outcome run =
        RunCli({QStringLiteral("payroll"), files("sheet.xlsx"), QStringLiteral("--template"),
                files(GetParam()), QStringLiteral("--month"), QStringLiteral("3"),
                QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 1) << run.Err.toStdString();
    EXPECT_EQ(Python({QStringLiteral("dump"), out}).toStdString(), Filled);
    for (const char *line :
         {"已填：“本期收入”，取自工资表的“收入”列", "已填：“*证件号码”，取自工资表的“证件号码”列",
          "已填：“累计子女教育”，取自工资表的“子女教育”列", "留空：“准予扣除的捐赠额”",
          "未填入：E3 王五"})
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(line))) << line << run.Err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Template, TemplateKinds,
                         testing::Values("template.xlsx", "template-inline.xlsx",
                                         "template-formulas.xlsx"));

// What the workbook must hold together once filled: with formulas in the sample rows, the
// calculation chain naming their cells goes with the rows, its relationship and content type cut
// from parts otherwise kept as they were, and the used range is the header's columns down to the
// last row written, not the sample rows' P9; without sample rows the range grows to the rows
// written; without a chain, or with one that names the worksheet, only the worksheet changes.
struct Holding {
    const char *Template;
    const char *Changed; // the parts that differ from the template's
};

void PrintTo(const Holding &Case, std::ostream *Out) {
    *Out << Case.Template;
}

class TemplateHolds : public testing::TestWithParam<Holding> {};

TEST_P(TemplateHolds, NoCalcChainOfRowsGoneAndTheUsedRangeThatWritten) {
    const Fixtures files;
    const QString out = files("申报.xlsx");
    const Outcome run =
        RunCli({QStringLiteral("payroll"), files("sheet.xlsx"), QStringLiteral("--template"),
                files(GetParam().Template), QStringLiteral("--month"), QStringLiteral("3"),
                QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 1) << run.Err.toStdString();
    EXPECT_EQ(Python({QStringLiteral("check"), out, files(GetParam().Template)}).toStdString(),
              std::string(R"(calcChain: none
relationships to no part: none
content types of no part: none
dimension of xl/worksheets/sheet1.xml: A1:A1
dimension of xl/worksheets/sheet2.xml: A1:N4
changed: )") + GetParam().Changed +
                  R"(
relationships and content types otherwise as given: True
openpyxl loads: 填表说明, 正常工资薪金所得
)");
}

INSTANTIATE_TEST_SUITE_P(
    Template, TemplateHolds,
    testing::Values(Holding{"template-formulas.xlsx", "[Content_Types].xml, "
                                                      "xl/_rels/workbook.xml.rels, "
                                                      "xl/worksheets/sheet2.xml"},
                    Holding{"template-bare.xlsx", "xl/worksheets/sheet2.xml"},
                    Holding{"template.xlsx", "xl/worksheets/sheet2.xml"},
                    Holding{"template-chainsheet.xlsx", "xl/worksheets/sheet2.xml"}));

struct Refusal {
    const char *Template;
    const char *Month;
    const char *Output; // in the fixtures' folder
    const char *Message;
};

void PrintTo(const Refusal &Case, std::ostream *Out) {
    *Out << Case.Template << " → " << Case.Output;
}

class Refusals : public testing::TestWithParam<Refusal> {};

TEST_P(Refusals, ExitTwoAndNothingWritten) {
    const Fixtures files;
    const Refusal &c = GetParam();
    QFile::link(files("template.xlsx"), files("link.xlsx"));
    QFile::link(files("noheader.xlsx"), files("elsewhere.xlsx"));
    ::mkfifo(QFile::encodeName(files("fifo.xlsx")).constData(), 0600);
    const QString out = files(c.Output);
    const bool existed = QFileInfo::exists(out);
    const auto before = QFileInfo(out).size();
    const QString templatePath = QString::fromUtf8(c.Template).startsWith(u'/')
                                     ? QString::fromUtf8(c.Template)
                                     : files(c.Template);
    const Outcome run = RunCli(
        {QStringLiteral("payroll"), files("sheet.xlsx"), QStringLiteral("--template"), templatePath,
         QStringLiteral("--month"), QString::fromUtf8(c.Month), QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 2) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
    EXPECT_EQ(QFileInfo::exists(out), existed);
    if (existed) {
        EXPECT_EQ(QFileInfo(out).size(), before);
    }
    // No temporary file left beside it either.
    EXPECT_EQ(QDir(files.Dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
              QDir(files.Dir.path()).entryList(QDir::Files | QDir::System).size());
}

INSTANTIATE_TEST_SUITE_P(
    Template, Refusals,
    testing::Values(Refusal{"notabook.xlsx", "3", "o.xlsx", "不是Excel文件"},
                    Refusal{"noheader.xlsx", "3", "o.xlsx", "没有可以认出的标题行"},
                    Refusal{"link.xlsx", "3", "o.xlsx", "是符号链接"},
                    Refusal{"fifo.xlsx", "3", "o.xlsx", "不是普通文件"},
                    Refusal{"/dev/zero", "3", "o.xlsx", "不是普通文件"},
                    Refusal{"bomb.xlsx", "3", "o.xlsx", "解压后超过了"},
                    Refusal{"manyparts.xlsx", "3", "o.xlsx", "部件超过了4096个"},
                    Refusal{"template.xlsx", "3", "template.xlsx", "就是申报模板本身"},
                    Refusal{"template.xlsx", "3", "sheet.xlsx", "就是读入的工资表"},
                    Refusal{"template.xlsx", "3", "o.csv", "应写成 .xlsx 文件"},
                    Refusal{"template.xlsx", "3", "link.xlsx", "就是申报模板本身"},
                    Refusal{"template.xlsx", "3", "elsewhere.xlsx", "不会通过链接写入"},
                    Refusal{"template.xlsx", "7", "o.xlsx", "没有7月的行"},
                    Refusal{"template.xlsx", "4", "o.xlsx", "4月没有一名员工可以计算"}));

} // namespace
