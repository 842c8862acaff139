// The household file on disk: every fault of its contract named in words by its key path from
// the document's root, and only a regular file read (reading its text: tests/formats).

#include "sheets/HouseholdFile.h"
#include "SheetTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace SheetTest;

namespace {

// a with a child, a lease and an illness of its own; the shared child, loan and illness.
const char *const Base = R"({
"a":{"year":2026,"jobs":[{"employer":"甲","pay":[{"from":1,"income":6000}]}],
     "children":[{"born":"2010-05-05"}],
     "rent":[{"from":"2025-01","to":"2025-06","amount":1500}],
     "illness":[{"who":"本人","paid":20000}]},
"b":{"year":2026,"jobs":[{"employer":"乙","pay":[{"from":1,"income":25000}]}]},
"shared":{"children":[{"born":"2019-04-02","education_end":null}],
          "housing_loan":{"first_repayment":"2018-06","both_before_marriage":false},
          "illness":[{"who":"子女","paid":40000}]}})";

const char *const SharedLoan =
    R"("housing_loan":{"first_repayment":"2018-06","both_before_marriage":false},)";
const char *const SharedLoanAndLease =
    R"("housing_loan":{"first_repayment":"2018-06"},"rent":[{"from":"2026-01","to":"2026-12","amount":1500,"signed_by":"a"}],)";

struct FaultCase {
    const char *From; // replaced in Base by To
    const char *To;
    const char *Path;  // the key path the message starts with, or its first words
    const char *Names; // another place the message names, or empty
};

void PrintTo(const FaultCase &c, std::ostream *os) {
    *os << c.To << " at " << c.Path;
}

class HouseholdFileFault : public testing::TestWithParam<FaultCase> {};

TEST_P(HouseholdFileFault, NamedByKeyPathFromTheRoot) {
    const FaultCase &c = GetParam();
    QByteArray text(Base);
    ASSERT_TRUE(text.contains(c.From)) << c.From;
    text.replace(c.From, c.To);
    const sheets::HouseholdRead read = sheets::ParseHouseholdFile(text);
    ASSERT_FALSE(read.Facts.has_value());
    EXPECT_TRUE(read.Error.startsWith(QString::fromUtf8(c.Path))) << read.Error.toStdString();
    EXPECT_TRUE(read.Error.contains(QString::fromUtf8(c.Names))) << read.Error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Contract, HouseholdFileFault,
    testing::Values(
        FaultCase{"\"paid\":40000}]}}", "\"paid\":40000}]}", "不是有效的 JSON", ""},
        FaultCase{"\"b\":{", "\"c\":{", "c：", "a、b、shared"},
        FaultCase{"\"b\":{\"year\":2026,", "\"bb\":1,\"b\":{\"year\":2026,", "bb：", ""},
        FaultCase{
            R"("b":{"year":2026,"jobs":[{"employer":"乙","pay":[{"from":1,"income":25000}]}]})",
            R"("b":2026)", "b：", ""},
        FaultCase{"\"income\":6000", "\"income\":-6000", "a.jobs[0].pay[0].income：", ""},
        FaultCase{"\"income\":25000", "\"incomes\":25000", "b.jobs[0].pay[0].incomes：", ""},
        FaultCase{"\"born\":\"2010-05-05\"", "\"born\":\"2010-02-30\"", "a.children[0].born：", ""},
        FaultCase{"\"b\":{\"year\":2026", "\"b\":{\"year\":2025", "b.year：", "a.year"},
        FaultCase{"\"b\":{\"year\":2026", "\"b\":{\"year\":2030", "b.year：", "2030"},
        FaultCase{"\"illness\":[{\"who\":\"子女\"", "\"elderly\":[],\"illness\":[{\"who\":\"子女\"",
                  "shared.elderly：", ""},
        FaultCase{"\"education_end\":null", "\"share\":50", "shared.children[0].share：", ""},
        FaultCase{"\"both_before_marriage\":false", "\"share\":50", "shared.housing_loan.share：",
                  ""},
        FaultCase{"\"both_before_marriage\":false", "\"both_before_marriage\":\"否\"",
                  "shared.housing_loan.both_before_marriage：", ""},
        FaultCase{"\"born\":\"2019-04-02\"", "\"born\":\"2019-02-30\"", "shared.children[0].born：",
                  ""},
        FaultCase{R"([{"born":"2019-04-02","education_end":null}])",
                  R"({"born":"2019-04-02","education_end":null})", "shared.children：", ""},
        FaultCase{"{\"who\":\"子女\"", "{\"who\":\"本人\"", "shared.illness[0].who：", ""},
        FaultCase{"{\"who\":\"子女\"", "{\"who\":\"父母\"", "shared.illness[0].who：", ""},
        FaultCase{"\"paid\":40000", "\"paid\":40000.001", "shared.illness[0].paid：", ""},
        // A shared item also in a person's own file.
        FaultCase{"\"b\":{\"year\":2026,",
                  "\"b\":{\"year\":2026,\"children\":[{\"born\":\"2019-04-02\"}],",
                  "shared.children[0]：", "b.children[0]"},
        FaultCase{"\"children\":[{\"born\":\"2010-05-05\"}],",
                  "\"housing_loan\":{\"first_repayment\":\"2001-01\"},", "shared.housing_loan：",
                  "a.housing_loan"},
        FaultCase{"\"b\":{\"year\":2026,",
                  "\"b\":{\"year\":2026,\"illness\":[{\"who\":\"子女\",\"paid\":40000}],",
                  "shared.illness[0]：", "b.illness[0]"},
        // Rent and a loan in one year, within the shared items or across the couple.
        FaultCase{SharedLoan, SharedLoanAndLease, "shared.rent[0]：", "shared.housing_loan"},
        FaultCase{"\"b\":{\"year\":2026,",
                  "\"b\":{\"year\":2026,\"rent\":[{\"from\":\"2026-07\",\"to\":\"2027-06\","
                  "\"amount\":800}],",
                  "b.rent[0]：", "shared.housing_loan"},
        FaultCase{"\"rent\":[{\"from\":\"2025-01\",\"to\":\"2025-06\",\"amount\":1500}],",
                  "\"rent\":[{\"from\":\"2026-01\",\"to\":\"2026-12\",\"amount\":1200}],",
                  "a.rent[0].amount：", ""},
        FaultCase{"\"education_end\":null}]",
                  "\"education_end\":null},{\"born\":\"2019-04-03\"},{\"born\":\"2019-04-04\"},"
                  "{\"born\":\"2019-04-05\"},{\"born\":\"2019-04-06\"},{\"born\":\"2019-04-07\"},"
                  "{\"born\":\"2019-04-08\"},{\"born\":\"2019-04-09\"},{\"born\":\"2019-04-10\"}]",
                  "shared：", "20000"},
        // Who signed a shared lease is required, and who claims an item now must be allowed.
        FaultCase{SharedLoan, R"("rent":[{"from":"2026-01","to":"2026-12","amount":1500}],)",
                  "shared.rent[0].signed_by：", "国发〔2018〕41号"},
        FaultCase{SharedLoan,
                  R"("rent":[{"from":"2026-01","to":"2026-12","amount":1500,"signed_by":"x"}],)",
                  "shared.rent[0].signed_by：", ""},
        FaultCase{SharedLoan,
                  R"("rent":[{"from":"2026-01","to":"2026-12","amount":1500,"signed_by":"a",)"
                  R"("now":"b"}],)",
                  "shared.rent[0].now：", ""},
        FaultCase{SharedLoan,
                  R"("rent":[{"from":"2026-01","to":"2026-12","amount":1500,"signed_by":"both",)"
                  R"("now":"half"}],)",
                  "shared.rent[0].now：", ""},
        FaultCase{"\"paid\":40000", "\"paid\":40000,\"now\":\"half\"", "shared.illness[0].now：",
                  ""},
        FaultCase{"\"both_before_marriage\":false}",
                  "\"both_before_marriage\":false,\"now\":\"half\"}", "shared.housing_loan.now：",
                  ""}));

// The lease fault needs a shared lease beside a's: Base's shared loan becomes a lease overlapping
// a's own in June 2025 once a's lease runs on.
TEST(HouseholdFile, LeaseSharingAMonthWithAnOwnLease) {
    QByteArray text(Base);
    text.replace(SharedLoan,
                 R"("rent":[{"from":"2025-06","to":"2026-05","amount":1500,"signed_by":"b"}],)");
    const sheets::HouseholdRead read = sheets::ParseHouseholdFile(text);
    ASSERT_FALSE(read.Facts.has_value());
    EXPECT_TRUE(read.Error.startsWith(QStringLiteral("shared.rent[0]：")))
        << read.Error.toStdString();
    EXPECT_TRUE(read.Error.contains(QStringLiteral("a.rent[0]")));
}

// Only a regular file of bounded size is read, as with the year file.
TEST(HouseholdFile, ReadsOnlyARegularFileOfSaneSize) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.json"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_TRUE(sheets::ReadHouseholdFile(fifo).Error.contains(QStringLiteral("不是普通文件")));
    const QString large =
        WriteFile(dir, QStringLiteral("large.json"),
                  QByteArray(Base) + QByteArray(sheets::MaxHouseholdFileSize, ' '));
    EXPECT_TRUE(sheets::ReadHouseholdFile(large).Error.contains(
        QString::number(sheets::MaxHouseholdFileSize)));
    const QString good = WriteFile(dir, QStringLiteral("家庭.json"), Base);
    EXPECT_TRUE(sheets::ReadHouseholdFile(good).Facts.has_value());
}

} // namespace
