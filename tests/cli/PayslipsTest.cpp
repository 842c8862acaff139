// pendra-cli payslips as a clerk runs it: a month's payslips from a sheet, read back from the PDF
// with pdftotext and from the workbook with openpyxl, every figure checked against the month
// worked by hand.

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

// February of two employees, with the parts of 专项扣除 and 其他扣除; E3's February is at fault.
// E1: January 20000 − 5000 − 3300 − 3000 = 8700 taxable, 261.00; February 17300 (100 of other
// deductions), 519.00 cumulative, 258.00 this month; net 20000 − 3300 − 100 − 258 = 16342.00.
// E2: 8000 − 5000 − 1320 = 1680 a month at 3 %, 50.40; 100.80 in the two months.
const char *const Sheet = "某某科技有限公司\n"
                          "工号,姓名,月份,收入,基本养老保险费,基本医疗保险费,失业保险费,住房公积金,"
                          "专项附加扣除,其他扣除\n"
                          "E1,张三,2026-01,20000,1600,400,100,1200,3000,0\n"
                          "E1,张三,2026-02,20000,1600,400,100,1200,3000,100\n"
                          "E2,李四,2026-01,8000,640,160,40,480,0,0\n"
                          "E2,李四,2026-02,8000,640,160,40,480,0,0\n"
                          "E3,王五,2026-02,八千,0,0,0,0,0,0\n";

struct Figure {
    const char *Title;
    const char *E1;
    const char *E2;
};
const Figure February[] = {
    {"应发", "20000.00", "8000.00"},        {"基本养老保险费", "1600.00", "640.00"},
    {"基本医疗保险费", "400.00", "160.00"}, {"失业保险费", "100.00", "40.00"},
    {"住房公积金", "1200.00", "480.00"},    {"其他扣除", "100.00", "0.00"},
    {"个人所得税", "258.00", "50.40"},      {"实发", "16342.00", "6629.60"},
    {"累计收入", "40000.00", "16000.00"},   {"累计已预扣税额", "519.00", "100.80"},
};

QString WriteSheet(const QTemporaryDir &Dir) {
    const QString path = Dir.filePath(QStringLiteral("工资表.csv"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Sheet) > 0);
    return path;
}

QString Output(const QString &Program, const QStringList &Arguments) {
    QProcess process;
    process.start(Program, Arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << Program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text as laid out, and the fonts it uses.
QString PdfText(const QString &Path) {
    return Output(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), Path, QStringLiteral("-")});
}

// Whether a line of Text holds Title followed by Figure, and nothing but blanks between them.
bool HasLine(const QString &Text, const QString &Title, const QString &Figure) {
    const QRegularExpression line(QRegularExpression::escape(Title) + QStringLiteral("\\s+") +
                                  QRegularExpression::escape(Figure) + QStringLiteral("(\\s|$)"));
    return line.match(Text).hasMatch();
}

TEST(Payslips, PdfHoldsEveryFigureSearchableInAnEmbeddedFont) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("工资条.pdf"));
    const Outcome run =
        RunCli({QStringLiteral("payslips"), WriteSheet(dir), QStringLiteral("--month"),
                QStringLiteral("2"), QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 1) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QStringLiteral("E3 王五"))) << run.Err.toStdString();
    const QString text = PdfText(out);
    // Each employee's payslip begins at its heading: the figures are checked within it.
    const QStringList slips = text.split(QStringLiteral("某某科技有限公司 2026年2月 工资条"));
    ASSERT_EQ(slips.size(), 3) << text.toStdString();
    EXPECT_TRUE(slips[1].contains(QStringLiteral("张三")) &&
                slips[2].contains(QStringLiteral("李四")));
    EXPECT_FALSE(text.contains(QStringLiteral("王五")));
    for (const Figure &figure : February) {
        EXPECT_TRUE(
            HasLine(slips[1], QString::fromUtf8(figure.Title), QString::fromUtf8(figure.E1)))
            << figure.Title << " " << figure.E1;
        EXPECT_TRUE(
            HasLine(slips[2], QString::fromUtf8(figure.Title), QString::fromUtf8(figure.E2)))
            << figure.Title << " " << figure.E2;
    }
    const QStringList fonts =
        Output(QStringLiteral("pdffonts"), {out}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts) // name, type, encoding, then emb: every one embedded
        EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << font.toStdString();
}

TEST(Payslips, OnePdfPerEmployeeIntoAFolderAndTheEmployerAsGivenInEnglish) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("slips")) + u'/';
    const Outcome run = RunCli(
        {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("payslips"),
         WriteSheet(dir), QStringLiteral("--month"), QStringLiteral("2"),
         QStringLiteral("--employer"), QStringLiteral("ACME Ltd"), QStringLiteral("-o"), folder});
    EXPECT_EQ(run.Status, 1) << run.Err.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              QStringList({QStringLiteral("E1-张三.pdf"), QStringLiteral("E2-李四.pdf")}));
    const QString first = PdfText(folder + QStringLiteral("E1-张三.pdf"));
    EXPECT_TRUE(first.contains(QStringLiteral("ACME Ltd"))) << first.toStdString();
    EXPECT_TRUE(HasLine(first, QStringLiteral("Net pay"), QStringLiteral("16342.00")))
        << first.toStdString();
    EXPECT_TRUE(HasLine(first, QStringLiteral("Individual income tax"), QStringLiteral("258.00")))
        << first.toStdString();
    // A part of 专项扣除 under its English name, whatever the sheet titled it.
    EXPECT_TRUE(
        HasLine(first, QStringLiteral("Basic pension insurance"), QStringLiteral("1600.00")))
        << first.toStdString();
    EXPECT_FALSE(first.contains(QStringLiteral("李四")));
}

TEST(Payslips, WorkbookHasEachEmployeeUnderTheTitlesWithABlankRowBetween) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("工资条.xlsx"));
    const Outcome run =
        RunCli({QStringLiteral("payslips"), WriteSheet(dir), QStringLiteral("--month"),
                QStringLiteral("2026-02"), QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 1) << run.Err.toStdString();
    const QStringList rows =
        Output(QStringLiteral(PENDRA_PYTHON),
               {QStringLiteral(PENDRA_XLSX_FIXTURES), QStringLiteral("dump"), out})
            .split(u'\n', Qt::SkipEmptyParts);
    QString titles = QStringLiteral("工号|姓名|月份");
    QString e1 = QStringLiteral("E1|张三|2026年2月");
    QString e2 = QStringLiteral("E2|李四|2026年2月");
    // openpyxl gives a number without trailing zeros.
    const auto number = [](const char *Figure) {
        QString text = QString::fromUtf8(Figure);
        while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
            text.chop(1);
        return text;
    };
    for (const Figure &figure : February) {
        titles += u'|' + QString::fromUtf8(figure.Title);
        e1 += u'|' + number(figure.E1);
        e2 += u'|' + number(figure.E2);
    }
    const QString blank(titles.count(u'|'), u'|');
    EXPECT_EQ(rows, QStringList({QStringLiteral("[工资条]"),
                                 QStringLiteral("某某科技有限公司 2026年2月 工资条") + blank, blank,
                                 titles, e1, blank, titles, e2}));
}

TEST(Payslips, RefusedWithNothingWritten) {
    QTemporaryDir dir;
    const QString sheet = WriteSheet(dir);
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("elsewhere.pdf")), link));
    struct Case {
        QStringList Arguments;
        const char *Message;
    };
    const Case cases[] = {
        {{QStringLiteral("--month"), QStringLiteral("5"), QStringLiteral("-o"),
          dir.filePath(QStringLiteral("a.pdf"))},
         "没有5月的行"},
        {{QStringLiteral("--month"), QStringLiteral("2025-02"), QStringLiteral("-o"),
          dir.filePath(QStringLiteral("a.pdf"))},
         "没有2025年2月"},
        {{QStringLiteral("--month"), QStringLiteral("13"), QStringLiteral("-o"),
          dir.filePath(QStringLiteral("a.pdf"))},
         "--month"},
        {{QStringLiteral("--month"), QStringLiteral("2"), QStringLiteral("-o"), sheet}, ".pdf"},
        {{QStringLiteral("--month"), QStringLiteral("2"), QStringLiteral("-o"), link}, "link.pdf"},
        {{QStringLiteral("-o"), dir.filePath(QStringLiteral("a.pdf"))}, "--month"},
    };
    for (const Case &test : cases) {
        const Outcome run = RunCli(QStringList{QStringLiteral("payslips"), sheet} + test.Arguments);
        EXPECT_EQ(run.Status, 2) << test.Message << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(test.Message))) << run.Err.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              QStringList({QStringLiteral("link.pdf"), QStringLiteral("工资表.csv")}))
        << "nothing written";
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("elsewhere.pdf"))));
}

} // namespace
