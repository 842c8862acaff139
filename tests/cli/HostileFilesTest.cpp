// What a hostile year or household file does to pendra-cli: whatever the file holds, a refusal
// names the key path, quotes at most a short piece of the bad value and puts no control
// character on the terminal; what JSON forbids is refused though Qt's reader would take it.

#include "../support/ReadmeYear.h"
#include "CliRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace CliTest;

namespace {

QString Write(const QTemporaryDir &Dir, const QByteArray &Bytes) {
    const QString path = Dir.filePath(QStringLiteral("年度.json"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size());
    return path;
}

// No control character but the line break that ends the message.
bool NoControls(const QString &Text) {
    return std::none_of(Text.begin(), Text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\n') || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
    });
}

const QByteArray Megabyte(1000000, 'x');

struct FileCase {
    const char *Name;
    QByteArray From; // replaced in the README's example by To
    QByteArray To;
    QByteArray Said; // on stderr
};

void PrintTo(const FileCase &Case, std::ostream *Out) {
    *Out << Case.Name;
}

class HostileYear : public testing::TestWithParam<FileCase> {};

TEST_P(HostileYear, RefusedWithTheKeyPathAndAShortQuote) {
    QTemporaryDir dir;
    QByteArray text(ReadmeYearJson);
    ASSERT_TRUE(text.contains(GetParam().From));
    text.replace(GetParam().From, GetParam().To);
    const Outcome run = RunCli({QStringLiteral("year"), Write(dir, text)});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(GetParam().Said)))
        << run.Err.toStdString() << "\n"
        << GetParam().Said.toStdString();
    EXPECT_TRUE(NoControls(run.Err)) << run.Err.toStdString();
    EXPECT_LT(run.Err.size(), 400);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HostileYear,
    testing::Values(
        FileCase{"YearTwice", "\"year\": 2026", "\"year\": 2019, \"year\": 2026",
                 "年度.json”有误：year：同一对象中此键出现了不止一次"},
        FileCase{"IncomeTwice", "\"income\": 20000,", "\"income\": 20000, \"income\": 1,",
                 "jobs[0].pay[0].income：同一对象中"},
        FileCase{"JobsTwice", "\"year\": 2026,", "\"year\": 2026, \"jobs\": [],",
                 "jobs：同一对象中"},
        FileCase{"EscapedKeyTwice", "\"year\": 2026", "\"year\": 2026, \"ye\\u0061r\": 2026",
                 "year：同一对象中"},
        FileCase{"RawEscapeInEmployer", "\"employer\": \"甲公司\", \"from\"",
                 "\"employer\": \"\x1b[2J\x1b]0;pwned\x07\", \"from\"",
                 "jobs[0].employer：第 4 行第 19 列：字符串中有未转义的控制字符 \\u001b"},
        FileCase{"RawLineBreakInEmployer", "\"employer\": \"甲公司\", \"from\"",
                 "\"employer\": \"甲\n公司\", \"from\"", "jobs[0].employer：第 4 行"},
        FileCase{"RawNulInAKey", "\"year\"", QByteArray("\"ye\0ar\"", 7),
                 "第 2 行第 3 列：字符串中有未转义"},
        FileCase{"LoneSurrogate", "\"employer\": \"甲公司\", \"from\"",
                 "\"employer\": \"\\ud800\", \"from\"",
                 "jobs[0].employer：第 4 行第 19 列：\\ud800"},
        FileCase{"LoneLowSurrogate", "\"本人\"", "\"\\udc00x\"", "illness[0].who："},
        FileCase{"EducationEndBeforeBirth", "\"education_end\": \"2041-06\"",
                 "\"education_end\": \"2023-04\"", "children[0].education_end：受教育结束"},
        FileCase{"YearOutOfRange", "\"year\": 2026", "\"year\": 1e308",
                 "year：数字 1e+308 超出范围"},
        FileCase{"IncomeOneCentTooMuch", "\"income\": 20000,", "\"income\": 10000000000000.00,",
                 "jobs[0].pay[0].income：金额超出范围（最多 9999999999999.99）"},
        FileCase{"MegabyteMode", "\"按月\"", "\"" + Megabyte + "\"",
                 "jobs[0].mode：未知的值“" + QByteArray(40, 'x') + "…”"},
        FileCase{"MegabyteKey", "\"only_child\"", "\"\\u001b" + Megabyte + "\"",
                 "elderly.\\u001b" + QByteArray(34, 'x') + "…：未知的键"},
        FileCase{"MegabyteDate", "\"2023-05-10\"", "\"" + Megabyte + "\"",
                 "children[0].born：“" + QByteArray(40, 'x') + "…”不是"}),
    [](const testing::TestParamInfo<FileCase> &Info) { return std::string(Info.param.Name); });

TEST(HostileFiles, Utf16IsNamedAndUtf8Asked) {
    QTemporaryDir dir;
    const QString text = QString::fromUtf8(ReadmeYearJson);
    QByteArray bytes("\xff\xfe");
    bytes += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const Outcome run = RunCli({QStringLiteral("year"), Write(dir, bytes)});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("年度文件是 UTF-16 编码的：年度文件应为 UTF-8")))
        << run.Err.toStdString();
}

TEST(HostileFiles, AKeyTwiceInAHouseholdFile) {
    QTemporaryDir dir;
    const QString path = Write(dir, "{\"a\": {}, \"a\": {}}");
    const Outcome run = RunCli({QStringLiteral("household"), path});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("a：同一对象中此键出现了不止一次")))
        << run.Err.toStdString();
}

// A name escaped in the file as JSON allows reaches the terminal escaped again: it neither clears
// the screen nor forges a line of the table; --json keeps JSON's own escapes.
TEST(HostileFiles, ControlCharactersInANameAreShownEscaped) {
    QTemporaryDir dir;
    QByteArray text(ReadmeYearJson);
    text.replace("甲公司", "\\u001b[2J甲\\n公司\\u0000");
    const QString path = Write(dir, text);
    const Outcome table = RunCli({QStringLiteral("year"), path});
    ASSERT_EQ(table.Status, 0) << table.Err.toStdString();
    const QString out = QString::fromUtf8(table.Out);
    EXPECT_TRUE(NoControls(QString(out).remove(u'\n')));
    EXPECT_TRUE(out.contains(QStringLiteral("\\u001b[2J甲\\u000a公司\\u0000：1—12 月")));
    const Outcome json = RunCli({QStringLiteral("year"), path, QStringLiteral("--json")});
    ASSERT_EQ(json.Status, 0);
    EXPECT_EQ(JsonOf(json).value("jobs").toArray().at(0)["employer"].toString(),
              QStringLiteral("\x1b[2J甲\n公司") + QChar(0));
}

// One largest amount on every way in: the year file and the wage command take 9999999999999.99
// and refuse a cent more alike.
TEST(HostileFiles, TheLargestAmountIsTheSameEverywhere) {
    QTemporaryDir dir;
    QByteArray text(ReadmeYearJson);
    text.replace("\"income\": 20000,", "\"income\": 9999999999999.99,");
    EXPECT_EQ(RunCli({QStringLiteral("year"), Write(dir, text)}).Status, 0);
    EXPECT_EQ(RunCli(Args("wage --income 9999999999999.99")).Status, 0);
    ExpectRefused({"wage --income 10000000000000", "最多 9999999999999.99"});
}

TEST(HostileFiles, LanguageGivenTwiceIsRefused) {
    for (const char *line : {"--lang en --lang zh wage --income 1", "wage --lang=zh --lang en"}) {
        const Outcome run = RunCli(Args(line));
        EXPECT_EQ(run.Status, 2) << line;
        EXPECT_TRUE(run.Err.contains(QStringLiteral("选项 --lang 给了不止一次"))) << line;
    }
}

} // namespace
