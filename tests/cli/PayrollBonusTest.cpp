// pendra-cli payroll on sheets with the annual bonus and the items of the deductions: the bonus's
// columns in the results, the cliffs counted on stderr, and the year's law deciding the method.

#include "CliRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

QString Write(const QTemporaryDir &Dir, const QByteArray &Bytes) {
    const QString path = Dir.filePath(QStringLiteral("in.csv"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size());
    return path;
}

// The cell under Title of each data row of a CSV written by pendra-cli.
QStringList Column(const QByteArray &Csv, const QString &Title) {
    QStringList lines =
        QString::fromUtf8(Csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return {};
    const qsizetype at = lines.takeFirst().split(u',').indexOf(Title);
    QStringList cells;
    for (const QString &line : lines)
        cells << line.split(u',').value(at, QStringLiteral("?"));
    return cells;
}

const QByteArray Bonuses = "工号,月份,收入,专项扣除,全年一次性奖金\n"
                           "E1,2026-01,20000,2000,36000.00\n"
                           "E2,2026-01,20000,2000,36000.01\n"
                           "E3,2026-01,20000,2000,144000.01\n"
                           "E4,2026-01,20000,2000,38566.67\n";

TEST(PayrollBonus, TaxedOnItsOwnWithTheCliffsCountedOnStderr) {
    QTemporaryDir dir;
    const Outcome run = RunCli({QStringLiteral("payroll"), Write(dir, Bonuses)});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(Column(run.Out, QStringLiteral("奖金应纳税额")),
              (QStringList{"1080.00", "3390.00", "27390.00", "3646.67"}));
    EXPECT_EQ(Column(run.Out, QStringLiteral("税后奖金")),
              (QStringList{"34920.00", "32610.01", "116610.01", "34920.00"}));
    EXPECT_EQ(Column(run.Out, QStringLiteral("本月应预扣税额")),
              (QStringList{"390.00", "390.00", "390.00", "390.00"}));
    EXPECT_TRUE(run.Err.contains(QStringLiteral("2笔全年一次性奖金落在临界区间")))
        << run.Err.toStdString();
}

TEST(PayrollBonus, MergedWithTheWageWhenTheYearsLawEndsTheSeparateMethod) {
    QTemporaryDir dir;
    const Outcome run = RunCli({QStringLiteral("payroll"), Write(dir, Bonuses)}, {},
                               {QStringLiteral("PENDRA_TEST_RULES=2026:SeparateBonus=0")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(Column(run.Out, QStringLiteral("奖金应纳税额")), (QStringList{"", "", "", ""}));
    EXPECT_EQ(Column(run.Out, QStringLiteral("本月应预扣税额")),
              (QStringList{"2380.00", "2380.00", "14480.00", "2636.67"}));
    EXPECT_FALSE(run.Err.contains(QStringLiteral("临界"))) << run.Err.toStdString();
}

TEST(PayrollBonus, InEnglishTheItemsAndTheirYearToDateAreTitledSo) {
    QTemporaryDir dir;
    const Outcome run = RunCli(
        {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("payroll"),
         Write(dir, "Employee ID,Month,Income,Housing rent,Annual bonus\nE1,1,20000,1500,5000\n"
                    "E1,2,20000,1500,\n")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(Column(run.Out, QStringLiteral("Cumulative housing rent")),
              (QStringList{"1500.00", "3000.00"}));
    EXPECT_EQ(Column(run.Out, QStringLiteral("Cumulative special additional deductions")),
              (QStringList{"1500.00", "3000.00"}));
    EXPECT_EQ(Column(run.Out, QStringLiteral("Tax on the annual bonus")),
              (QStringList{"150.00", ""}));
}

} // namespace
