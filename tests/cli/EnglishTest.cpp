// pendra-cli in English: every help without Chinese but the input words it documents, messages in
// English, JSON the same in both languages, and payroll sheets titled in either language.

#include "CliRun.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

const QStringList EnglishLocale{QStringLiteral("LANG=en_US.UTF-8")};
const QStringList EnglishOption{QStringLiteral("--lang"), QStringLiteral("en")};

// The words the English help must show as they are: what a sheet, a file or --mode may hold
// (the longer first, as one holds another).
const QStringList InputWords{QStringLiteral("2026年2月"), QStringLiteral("自1月"),
                             QStringLiteral("按月"), QStringLiteral("6万"), QStringLiteral("1月")};

QString ChineseLeft(QString Text) {
    for (const QString &word : InputWords)
        Text.remove(word);
    static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{303F}\\x{4E00}-\\x{9FFF}"
                                                       "\\x{FF00}-\\x{FF5E}]+"));
    return cjk.match(Text).captured();
}

QString Write(const QTemporaryDir &Dir, const QString &Name, const QByteArray &Bytes) {
    const QString path = Dir.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size());
    return path;
}

// Both ways of asking for English.
std::vector<Outcome> InEnglish(const QStringList &Arguments) {
    return {RunCli(Arguments, {}, EnglishLocale), RunCli(EnglishOption + Arguments)};
}

TEST(CliEnglish, EveryHelpIsEnglishButForTheInputWords) {
    const QStringList commands[] = {
        {"--help"},
        {"wage"},
        {"labour"},
        {"bonus"},
        {"settle"},
        {"severance"},
        {"payroll"},
        {"year"},
        {"household"},
        {"reverse"},
        {"reverse", "wage"},
        {"reverse", "bonus"},
        {"reverse", "labour"},
    };
    for (const QStringList &command : commands) {
        const QStringList arguments =
            command.constFirst() == u"--help" ? command : command + QStringList{"--help"};
        for (const Outcome &run : InEnglish(arguments)) {
            const QString out = QString::fromUtf8(run.Out);
            EXPECT_EQ(run.Status, 0) << command.join(u' ').toStdString();
            EXPECT_TRUE(out.contains(QStringLiteral("Usage: pendra-cli")))
                << command.join(u' ').toStdString();
            EXPECT_EQ(ChineseLeft(out).toStdString(), "")
                << command.join(u' ').toStdString() << ": " << out.toStdString();
        }
    }
}

TEST(CliEnglish, MessagesAreEnglish) {
    QTemporaryDir dir;
    const QString year =
        Write(dir, QStringLiteral("bad.json"), R"({"year": 2026, "jobs": [], "colour": 1})");
    const struct {
        QStringList Arguments;
        const char *Expected;
    } cases[] = {
        {{"wage", "--income", "abc"}, "is not a number"},
        {{"labour", "--income", "1", "--kind", "wages"}, "unknown kind"},
        {{"settle", "--bonus-method", "Separate"}, "separate or merged"},
        {{"payroll", dir.filePath("none.csv")}, "does not exist"},
        {{"year", year}, "colour"},
        {{"frob"}, "unknown command"},
    };
    for (const auto &c : cases) {
        for (const Outcome &run : InEnglish(c.Arguments)) {
            EXPECT_EQ(run.Status, 2) << c.Expected;
            EXPECT_TRUE(run.Err.contains(QLatin1String(c.Expected))) << run.Err.toStdString();
            EXPECT_EQ(ChineseLeft(run.Err).toStdString(), "") << run.Err.toStdString();
        }
    }
}

// A year with every kind of key the year file takes, in Chinese or in English.
const char *const YearFacts = R"({
  "year": 2026,
  "jobs": [ { "employer": "ACME", "mode": "MODE",
              "pay": [ { "from": 1, "income": 20000, "insurance": 2000 } ] } ],
  "illness": [ { "who": "WHO", "paid": 30000 } ],
  "payments": [ { "month": 5, "kind": "labour", "amount": 8000 } ],
  "bonus": { "month": 1, "amount": 40000, "employer": "ACME" }
})";

const char *const Household = R"({
  "a": { "year": 2026, "jobs": [ { "employer": "A", "pay": [ { "from": 1, "income": 10000 } ] } ] },
  "b": { "year": 2026, "jobs": [ { "employer": "B", "pay": [ { "from": 1, "income": 20000 } ] } ] },
  "shared": { "children": [ { "born": "2019-04-02" } ] }
})";

QByteArray YearWith(const char *Mode, const char *Who) {
    return QByteArray(YearFacts).replace("MODE", Mode).replace("WHO", Who);
}

// Every command with --json, and the keys a file or an option takes in either language.
TEST(CliEnglish, JsonIsTheSameInBothLanguagesAndForEitherKey) {
    QTemporaryDir dir;
    const QString chineseYear = Write(dir, QStringLiteral("zh.json"), YearWith("自1月", "本人"));
    const QString englishYear =
        Write(dir, QStringLiteral("en.json"), YearWith("from-january", "self"));
    const QString household = Write(dir, QStringLiteral("home.json"), Household);
    const struct {
        QStringList Chinese;
        QStringList English; // the same in the other language's keys, when it has some
    } cases[] = {
        {{"wage", "--income", "20000", "--mode", "6万"},
         {"wage", "--income", "20000", "--mode", "sixty"}},
        {{"bonus", "--bonus", "38000", "--taxable", "100000"}, {}},
        {{"labour", "--income", "10000", "--kind", "稿酬"},
         {"labour", "--income", "10000", "--kind", "author"}},
        {{"settle", "--wages", "200000", "--bonus", "30000", "--bonus-method", "并入综合所得"},
         {"settle", "--wages", "200000", "--bonus", "30000", "--bonus-method", "merged"}},
        {{"severance", "--amount", "200000", "--average-wage", "100000"}, {}},
        {{"reverse", "wage", "--net", "15000"}, {}},
        {{"reverse", "bonus", "--net", "50000"}, {}},
        {{"household", household}, {}},
        {{"year", chineseYear}, {"year", englishYear}},
    };
    for (const auto &c : cases) {
        const QStringList json{QStringLiteral("--json")};
        const QStringList english = c.English.isEmpty() ? c.Chinese : c.English;
        const Outcome chinese = RunCli(QStringList{"--lang", "zh"} + c.Chinese + json);
        ASSERT_EQ(chinese.Status, 0)
            << c.Chinese.join(u' ').toStdString() << chinese.Err.toStdString();
        EXPECT_FALSE(JsonOf(chinese).isEmpty());
        for (const QStringList &arguments : {c.Chinese, english}) {
            for (const Outcome &run : InEnglish(arguments + json)) {
                EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
                EXPECT_EQ(run.Out, chinese.Out) << arguments.join(u' ').toStdString();
            }
        }
    }
}

// The year worked by hand in the engine tests, its titles and 减除方式 in English as a user types
// them (any case, blanks around): 580.00 withheld in April.
const char *const EnglishSheet = " employee id ,NAME,Month,Income,Special Deductions,"
                                 "Special additional deductions,Deduction method,Note\n"
                                 "E1,Ann,1,20000,2000,3000,Per-Month,x\n"
                                 "E1,Ann,2,20000,2000,3000,per-month,\n"
                                 "E1,Ann,3,20000,2000,3000,,\n"
                                 "E1,Ann,4,20000,2000,3000,按月,\n";
const char *const ChineseSheet = "工号,姓名,月份,收入,专项扣除,专项附加扣除,减除方式,Note\n"
                                 "E1,Ann,1,20000,2000,3000,按月,x\n"
                                 "E1,Ann,2,20000,2000,3000,按月,\n"
                                 "E1,Ann,3,20000,2000,3000,,\n"
                                 "E1,Ann,4,20000,2000,3000,按月,\n";
// A sheet that mixes the two languages is read as well.
const char *const MixedSheet =
    "Employee ID,姓名,月份,Income,专项扣除,Special additional deductions,"
    "减除方式,Note\n"
    "E1,Ann,1,20000,2000,3000,sixty,x\n";

const char *const EnglishTitles =
    "Employee ID,Name,Month,Income,Special deductions,Special additional deductions,"
    "Deduction method,Note,Cumulative income,Cumulative tax-exempt income,"
    "Cumulative basic deduction,Cumulative special deductions,"
    "Cumulative special additional deductions,Cumulative other deductions,"
    "Cumulative taxable income,Withholding rate,Quick deduction,Cumulative tax payable,"
    "Cumulative tax withheld,Tax to withhold this month,Net pay";
const char *const ChineseTitles =
    "工号,姓名,月份,收入,专项扣除,专项附加扣除,减除方式,Note,累计收入,累计免税收入,累计减除费用,"
    "累计专项扣除,累计专项附加扣除,累计其他扣除,累计应纳税所得额,预扣率,速算扣除数,累计应纳税额,"
    "累计已预扣税额,本月应预扣税额,税后收入";

// The output's lines after the BOM, the CRLF ends removed.
QStringList Lines(const QByteArray &Csv) {
    QStringList lines = QString::fromUtf8(Csv.mid(3)).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    return lines;
}

// The figures of each row: the cells after the input columns.
QStringList Figures(const QStringList &Lines) {
    QStringList figures;
    for (const QString &line : Lines.mid(1))
        figures << line.section(u',', 8);
    return figures;
}

TEST(CliEnglish, PayrollTitlesInEitherLanguageAndWrittenInTheLanguageInUse) {
    QTemporaryDir dir;
    const Outcome reference = RunCli({"payroll", Write(dir, "zh.csv", ChineseSheet)});
    ASSERT_EQ(reference.Status, 0) << reference.Err.toStdString();
    const QStringList expected = Lines(reference.Out);
    ASSERT_EQ(expected.size(), 5);
    EXPECT_EQ(expected.at(0), QString::fromUtf8(ChineseTitles));
    EXPECT_TRUE(expected.at(4).endsWith(u",10%,2520.00,1480.00,900.00,580.00,17420.00"));

    const QString english = Write(dir, "en.csv", EnglishSheet);
    const Outcome inChinese = RunCli({"payroll", english});
    ASSERT_EQ(inChinese.Status, 0) << inChinese.Err.toStdString();
    EXPECT_EQ(Lines(inChinese.Out).at(0), QString::fromUtf8(ChineseTitles));
    EXPECT_EQ(Figures(Lines(inChinese.Out)), Figures(expected));
    for (const Outcome &run : InEnglish({"payroll", english})) {
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        EXPECT_EQ(Lines(run.Out).at(0), QString::fromUtf8(EnglishTitles));
        EXPECT_EQ(Figures(Lines(run.Out)), Figures(expected));
    }

    // An English result read again is the same sheet: its result columns are known and rewritten.
    const QString result = dir.filePath("result.csv");
    ASSERT_EQ(RunCli(EnglishOption + QStringList{"payroll", english, "-o", result}).Status, 0);
    const Outcome again = RunCli({"payroll", result});
    EXPECT_EQ(again.Status, 0) << again.Err.toStdString();
    EXPECT_EQ(Lines(again.Out), expected);

    const Outcome mixed = RunCli({"payroll", Write(dir, "mixed.csv", MixedSheet)});
    EXPECT_EQ(mixed.Status, 0) << mixed.Err.toStdString();
    EXPECT_EQ(Lines(mixed.Out).size(), 2);
}

// An English-titled workbook made by openpyxl computes the same figures as the Chinese CSV.
TEST(CliEnglish, PayrollWorkbookWithEnglishTitles) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("en.xlsx"));
    QProcess python;
    python.start(QStringLiteral(PENDRA_PYTHON),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv,io,sys\n"
                                 "from openpyxl import Workbook\n"
                                 "wb = Workbook(); ws = wb.active\n"
                                 "ws.append(['Payroll of ACME 2026'])\n"
                                 "for i, row in enumerate(csv.reader(io.StringIO(sys.argv[2]))):\n"
                                 "    ws.append([c if i == 0 or not c.isdigit() else int(c)"
                                 " for c in row])\n"
                                 "wb.save(sys.argv[1])\n"),
                  book, QString::fromUtf8(EnglishSheet)});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();

    const Outcome reference = RunCli({"payroll", Write(dir, "zh.csv", ChineseSheet)});
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    for (const QStringList &language : {QStringList{"--lang", "zh"}, EnglishOption}) {
        const Outcome run = RunCli(language + QStringList{"payroll", book, "-o", csv});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        QFile out(csv);
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        const QStringList lines = Lines(out.readAll());
        EXPECT_EQ(Figures(lines), Figures(Lines(reference.Out)));
        EXPECT_EQ(lines.at(0),
                  QString::fromUtf8(language == EnglishOption ? EnglishTitles : ChineseTitles));
    }
}

} // namespace

namespace {

// A count reads in the words of its number: one row of one employee left out, then two of two.
TEST(CliEnglish, CountsAreSingularOrPlural) {
    const QTemporaryDir dir;
    const struct {
        const char *Sheet;
        const char *Expected;
    } cases[] = {
        {"Employee ID,Month,Income\nE1,1,20000\nE2,1,abc\n",
         "Not calculated because of errors: another 1 row, of 1 employee"},
        {"Employee ID,Month,Income\nE1,1,20000\nE2,1,abc\nE3,1,abc\n",
         "Not calculated because of errors: another 2 rows, of 2 employees"},
    };
    for (const auto &c : cases) {
        const Outcome run =
            RunCli(EnglishOption + QStringList{"payroll", Write(dir, "sheet.csv", c.Sheet)});
        EXPECT_EQ(run.Status, 1) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.Expected))) << run.Err.toStdString();
        EXPECT_FALSE(run.Err.contains(QLatin1String("(s)"))) << run.Err.toStdString();
    }
}

} // namespace
