// The year file on disk: written back identical, every fault of its contract named by key path
// in words, and the file system's traps refused both ways (reading its text: tests/formats).

#include "sheets/YearFile.h"
#include "SheetTestSupport.h"
#include "support/ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace SheetTest;

namespace {

// Every key of the contract, some amounts as strings, some left to their defaults.
const char *const Full =
    R"({"year":2026,
"jobs":[{"employer":"甲公司","from":1,"to":10,"mode":"按月","deductions_here":true,
  "pay":[{"from":1,"income":20000,"exempt":100,"insurance":2000,"other":0},
         {"from":7,"income":"25000.50","insurance":2500}]},
 {"employer":"乙公司","from":9,"to":12,"deductions_here":false,"pay":[{"from":9,"income":10000}]}],
"children":[{"born":"2023-05-10","share":50,"education_end":"2041-06"},{"born":"2026-08-01"}],
"elderly":{"parents_born":["1966-03-15","1967-01-02"],"only_child":false,"share":1500},
"housing_loan":{"first_repayment":"2015-03","share":100},
"degree_study":[{"from":"2024-09","to":"2027-06"},{"from":"2026-03"}],
"certificates":["2026-06"],
"illness":[{"who":"本人","paid":30000},{"who":"子女","paid":50000.25}],
"pension":[{"month":12,"amount":12000}],
"health_insurance":[{"from":1,"to":12,"monthly":200}],
"payments":[{"month":5,"kind":"labour","amount":8000}],
"bonus":{"month":1,"amount":40000,"employer":"甲公司"},
"bonus_method":"merged"})";

// The keys of donations, residence and the patient of an illness.
const char *const Cases =
    R"({"year":2026,"days_in_china":200,
"jobs":[{"employer":"甲","pay":[{"from":1,"income":1}]}],
"children":[{"born":"2015-01-01"},{"born":"2017-01-01"}],
"illness":[{"who":"本人","paid":1},{"who":"子女","paid":2,"child":1},{"who":"子女","paid":3,"child":"小明"}],
"donations":[{"month":3,"amount":1000},{"month":5,"amount":500,"full":true}]})";

const char *const Rent = R"({"year":2019,"jobs":[{"employer":"甲","pay":[{"from":1,"income":1}]}],
"rent":[{"from":"2018-10","to":"2019-09","amount":1500},{"from":"2019-10","to":"2020-09","amount":800}],
"elderly":{"parents_born":["1950-01-01"],"only_child":true},"bonus_method":"separate"})";

current::YearFacts Facts(const QByteArray &Text) {
    sheets::YearRead read = sheets::ParseYearFile(Text);
    EXPECT_TRUE(read.Facts.has_value()) << read.Error.toStdString();
    return read.Facts.value_or(current::YearFacts{});
}

// Read, written, read again: the same facts, and the second writing the same bytes.
TEST(YearFile, WrittenFileReadsBackIdentical) {
    QTemporaryDir dir;
    for (const char *text : {Full, Rent}) {
        const current::YearFacts facts = Facts(text);
        const QString path = dir.filePath(QStringLiteral("年度.json"));
        ASSERT_EQ(sheets::WriteYearFile(path, facts), QString());
        const sheets::YearRead read = sheets::ReadYearFile(path);
        ASSERT_TRUE(read.Facts.has_value()) << read.Error.toStdString();
        EXPECT_EQ(*read.Facts, facts);
        EXPECT_EQ(sheets::YearFileBytes(*read.Facts), ReadFile(path));
    }
    // Written over the old file, with no temporary file left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("年度.json")});
}

struct FaultCase {
    const char *Base;
    const char *From; // replaced in Base by To
    const char *To;
    const char *Path; // the key path the message starts with, or its first words for the file
};

void PrintTo(const FaultCase &c, std::ostream *os) {
    *os << c.To << " at " << c.Path;
}

class YearFileFault : public testing::TestWithParam<FaultCase> {};

TEST_P(YearFileFault, NamedByKeyPath) {
    const FaultCase &c = GetParam();
    QByteArray text(c.Base);
    ASSERT_TRUE(text.contains(c.From)) << c.From;
    text.replace(c.From, c.To);
    const sheets::YearRead read = sheets::ParseYearFile(text);
    ASSERT_FALSE(read.Facts.has_value());
    const QString path = QString::fromUtf8(c.Path);
    EXPECT_TRUE(read.Error.startsWith(path)) << read.Error.toStdString();
    // A key path is followed by the fault in words.
    const auto ascii = [](char ch) { return static_cast<unsigned char>(ch) < 0x80; };
    if (std::all_of(c.Path, c.Path + std::strlen(c.Path), ascii)) {
        EXPECT_EQ(read.Error.mid(path.size(), 1), QStringLiteral("：")) << read.Error.toStdString();
    }
}

const char *const Small =
    R"({"year":2026,"jobs":[{"employer":"甲","pay":[{"from":1,"income":1}]}]})";

INSTANTIATE_TEST_SUITE_P(
    Contract, YearFileFault,
    testing::Values(
        FaultCase{Full, "\"merged\"}", "\"merged\"", "不是有效的 JSON"},
        FaultCase{"[1]", "1", "\"year\"", "年度文件应为"},
        FaultCase{Small, "\"pay\"", "\"pays\"", "jobs[0].pays"},
        FaultCase{Small, "\"year\":2026", "\"year\":2026,\"name\":7", "name"},
        FaultCase{Small, "\"year\":2026",
                  "\"year\":2026,\"name\":"
                  "\"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九"
                  "十一\"",
                  "name"},
        FaultCase{Full, "\"share\":1500", "\"shares\":1500", "elderly.shares"},
        FaultCase{Full, "\"deductions_here\":false", "\"deductions_here\":\"false\"",
                  "jobs[1].deductions_here"},
        FaultCase{Small, "\"jobs\":[", "\"jobs\":\"甲\",\"children\":[", "jobs"},
        FaultCase{Small, "\"from\":1", "\"from\":\"1\"", "jobs[0].pay[0].from"},
        FaultCase{Small, "\"from\":1", "\"from\":1.5", "jobs[0].pay[0].from"},
        FaultCase{Full, "\"monthly\":200", "\"monthly\":-200", "health_insurance[0].monthly"},
        FaultCase{Full, "\"25000.50\"", "\"-1\"", "jobs[0].pay[1].income"},
        FaultCase{Full, "50000.25", "50000.255", "illness[1].paid"},
        FaultCase{Full, "\"25000.50\"", "\"25000.505\"", "jobs[0].pay[1].income"},
        FaultCase{Full, "\"25000.50\"", "\"2万\"", "jobs[0].pay[1].income"},
        FaultCase{Full, "\"25000.50\"", "1e16", "jobs[0].pay[1].income"},
        FaultCase{Full, "\"month\":12", "\"month\":13", "pension[0].month"},
        FaultCase{Full, "\"from\":9,\"to\":12", "\"from\":9,\"to\":8", "jobs[1].from"},
        FaultCase{Full, "\"pay\":[{\"from\":9", "\"pay\":[{\"from\":10", "jobs[1].pay[0].from"},
        FaultCase{Full, "{\"from\":7,", "{\"from\":1,", "jobs[0].pay[1].from"},
        FaultCase{Full, "\"deductions_here\":false", "\"deductions_here\":true",
                  "jobs[1].deductions_here"},
        FaultCase{Full, "\"乙公司\",", "\"乙公司\",\"mode\":\"6万\",", "jobs[1].mode"},
        FaultCase{Full, "\"乙公司\",", "\"乙公司\",\"mode\":\"自1月\",", "jobs[1].mode"},
        FaultCase{Full, "\"share\":50,", "\"share\":60,", "children[0].share"},
        FaultCase{Full, "\"share\":100}", "\"share\":70}", "housing_loan.share"},
        FaultCase{Full, "\"share\":1500", "\"share\":1500.01", "elderly.share"},
        FaultCase{Full, ",\"share\":1500", "", "elderly.share"},
        FaultCase{Full, "\"degree_study\"",
                  "\"rent\":[{\"from\":\"2026-01\",\"to\":\"2026-12\",\"amount\":1200}],"
                  "\"degree_study\"",
                  "rent[0].amount"},
        FaultCase{Full, "\"degree_study\"",
                  "\"rent\":[{\"from\":\"2026-01\",\"to\":\"2026-12\",\"amount\":1500}],"
                  "\"degree_study\"",
                  "rent[0]"},
        FaultCase{Full, "[\"2026-06\"]", "[\"2025-06\"]", "certificates[0]"},
        FaultCase{Full, "\"month\":5", "\"month\":0", "payments[0].month"},
        FaultCase{Full, "40000,\"employer\":\"甲公司\"", "40000,\"employer\":\"丙公司\"",
                  "bonus.employer"},
        FaultCase{Full, "\"2023-05-10\"", "\"2023/05/10\"", "children[0].born"},
        FaultCase{Full, "\"1966-03-15\"", "\"1966-02-30\"", "elderly.parents_born[0]"},
        FaultCase{Full, "\"2041-06\"", "\"2041-13\"", "children[0].education_end"},
        FaultCase{Full, "\"year\":2026", "\"year\":2018", "year"},
        FaultCase{Small, "\"year\":2026,", "", "year"},
        FaultCase{Small, ",\"jobs\":[{\"employer\":\"甲\",\"pay\":[{\"from\":1,\"income\":1}]}]",
                  "", "jobs"},
        FaultCase{Small, "[{\"employer\":\"甲\",\"pay\":[{\"from\":1,\"income\":1}]}]", "[]",
                  "jobs"},
        FaultCase{Small, "\"employer\":\"甲\",", "", "jobs[0].employer"},
        FaultCase{Small, ",\"pay\":[{\"from\":1,\"income\":1}]", "", "jobs[0].pay"},
        FaultCase{Small, "[{\"from\":1,\"income\":1}]", "[]", "jobs[0].pay"},
        FaultCase{Small, "\"from\":1,", "", "jobs[0].pay[0].from"},
        FaultCase{Small, "\"employer\":\"甲\"", "\"employer\":\"甲\",\"mode\":\"monthly\"",
                  "jobs[0].mode"},
        FaultCase{Full, "\"labour\"", "\"劳务\"", "payments[0].kind"},
        FaultCase{Full, "\"子女\"", "\"儿子\"", "illness[1].who"},
        FaultCase{Full, "\"merged\"}", "\"lowest\"}", "bonus_method"},
        FaultCase{Cases, "\"days_in_china\":200", "\"days_in_china\":\"200\"", "days_in_china"},
        FaultCase{Cases, "\"days_in_china\":200", "\"days_in_china\":0", "days_in_china"},
        FaultCase{Cases, "\"days_in_china\":200", "\"days_in_china\":367", "days_in_china"},
        FaultCase{Cases, "\"full\":true", "\"full\":1", "donations[1].full"},
        FaultCase{Cases, "\"full\":true", "\"full\":true,\"to\":\"x\"", "donations[1].to"},
        FaultCase{Cases, "\"amount\":500,", "\"amount\":-500,", "donations[1].amount"},
        FaultCase{Cases, "\"month\":3", "\"month\":13", "donations[0].month"},
        FaultCase{Cases, "\"child\":1", "\"child\":2", "illness[1].child"},
        FaultCase{Cases, "\"child\":1", "\"child\":-1", "illness[1].child"},
        FaultCase{Cases, "\"child\":1", "\"child\":true", "illness[1].child"},
        FaultCase{Cases, "\"child\":\"小明\"", "\"child\":\"\"", "illness[2].child"},
        FaultCase{Cases, "\"本人\",\"paid\":1", "\"本人\",\"child\":0,\"paid\":1",
                  "illness[0].child"}));

// Only a regular file of at most 1 MiB is read: a FIFO would wait for a writer for ever.
TEST(YearFile, ReadsOnlyARegularFileOfSaneSize) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_TRUE(sheets::ReadYearFile(fifo).Error.contains(QStringLiteral("不是普通文件")));
    const QString large = WriteFile(dir, QStringLiteral("large.json"),
                                    QByteArray(Small) + QByteArray(sheets::MaxYearFileSize, ' '));
    EXPECT_TRUE(sheets::ReadYearFile(large).Error.contains(QStringLiteral("1048576")));
    EXPECT_TRUE(sheets::ReadYearFile(dir.path()).Error.contains(QStringLiteral("文件夹")));
    const QString missing = dir.filePath(QStringLiteral("无.json"));
    EXPECT_EQ(sheets::ReadYearFile(missing).Error, QStringLiteral("文件“%1”不存在").arg(missing));
}

// A link is never written through, a FIFO or a device never written into; each is left as it
// was. (The FIFO stands for every entry that is not a regular file: a test never aims a writer at
// the system's own devices.)
TEST(YearFile, WritesNeitherThroughALinkNorIntoADevice) {
    QTemporaryDir dir;
    const QString target = WriteFile(dir, QStringLiteral("target.json"), Small);
    const QString link = dir.filePath(QStringLiteral("link.json"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(sheets::WriteYearFile(link, Facts(Full)).isEmpty());
    EXPECT_EQ(ReadFile(target), QByteArray(Small));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_TRUE(sheets::WriteYearFile(fifo, Facts(Full)).contains(QStringLiteral("不是普通文件")));
    EXPECT_TRUE(QFileInfo(fifo).isFile() == false && QFileInfo(fifo).exists());
    EXPECT_FALSE(sheets::WriteYearFile(dir.path(), Facts(Full)).isEmpty());
}

// A save killed before its rename leaves its hidden temporary file; the next save of that file
// removes it, but neither the temporary file of a save still running (it holds its lock) nor a
// file of another name.
TEST(YearFile, TheNextSaveRemovesWhatAKilledSaveLeft) {
    QTemporaryDir dir;
    const QString target = WriteFile(dir, QStringLiteral("a.json"), Small);
    const QString left = WriteFile(dir, QStringLiteral(".a.json.1x9k2"), "{");
    const QString running = WriteFile(dir, QStringLiteral(".a.json.zz"), "{");
    const QString other = WriteFile(dir, QStringLiteral(".b.json.1x9k2"), "{");
    const int held = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_TRUE(sheets::WriteYearFile(target, Facts(Full)).isEmpty());
    ::close(held);
    EXPECT_FALSE(QFile::exists(left));
    EXPECT_TRUE(QFile::exists(running));
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

// A system error is worded in the language of the message around it.
TEST(YearFile, ASystemErrorInTheMessagesLanguage) {
    QTemporaryDir dir;
    const ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.Active())
        GTEST_SKIP() << "the folder cannot be made unwritable here";
    const QString error =
        sheets::WriteYearFile(dir.filePath(QStringLiteral("a.json")), Facts(Full));
    EXPECT_TRUE(error.contains(QStringLiteral("没有权限"))) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("Permission"))) << error.toStdString();
}

} // namespace
