// The household file: two year files and the shared items read as the year file is, and every
// fault of its contract named by its key path from the document's root.

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
// The shared loan become a lease of this year.
const char *const SharedLease =
    R"("rent":[{"from":"2026-01","to":"2026-12","amount":1500,"signed_by":"a"}],)";

current::Household Read(const QByteArray &Text) {
    sheets::HouseholdRead read = sheets::ParseHouseholdFile(Text);
    EXPECT_TRUE(read.Facts.has_value()) << read.Error.toStdString();
    return read.Facts.value_or(current::Household{});
}

TEST(HouseholdFile, BothYearsAndTheSharedItems) {
    const current::Household h = Read(Base);
    EXPECT_EQ(h.A.Year, 2026);
    EXPECT_EQ(h.A.Children.size(), 1u);
    EXPECT_EQ(h.B.Jobs[0].Pay[0].Income, 2500000);
    ASSERT_EQ(h.Shared.Children.size(), 1u);
    EXPECT_EQ(h.Shared.Children[0].Born, (current::Date{2019, 4, 2}));
    EXPECT_FALSE(h.Shared.Children[0].EducationEnd.has_value());
    EXPECT_EQ(h.Shared.HousingLoan, (current::SharedLoan{{2018, 6}, false}));
    EXPECT_EQ(h.Shared.Illness,
              (std::vector<current::IllnessFacts>{{current::IllnessOf::Child, 4000000}}));
    // 3 places for the child, 2 for a loan not halvable, 2 for the illness.
    EXPECT_EQ(current::CountAssignments(h.Shared), 12u);
}

// "shared" may be left out (one assignment), and so may both_before_marriage (false).
TEST(HouseholdFile, SharedAndItsKeysMayBeLeftOut) {
    QByteArray text(Base);
    text.replace(R"(,"both_before_marriage":false)", "");
    EXPECT_FALSE(Read(text).Shared.HousingLoan->BothBeforeMarriage);
    text.truncate(text.indexOf(",\n\"shared\""));
    text.append('}');
    EXPECT_EQ(Read(text).Shared, current::SharedItems{});
    EXPECT_EQ(current::CountAssignments(Read(text).Shared), 1u);
}

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

// Who claims each shared item now: the split they have when every item says so; otherwise the
// first item that does not is named, and there is none.
TEST(HouseholdFile, WhoClaimsEachItemNow) {
    QByteArray text(Base);
    text.replace(SharedLoan, SharedLease);
    text.replace(R"("education_end":null)", R"("education_end":null,"now":"half")");
    text.replace(R"("signed_by":"a")", R"("signed_by":"a","now":"a")");
    const current::Household partial = Read(text);
    EXPECT_FALSE(partial.Now.has_value());
    EXPECT_EQ(partial.Shared.Rent.at(0).SignedBy, current::Signer::A);
    EXPECT_EQ(sheets::ParseHouseholdFile(text).WithoutNow, QStringLiteral("shared.illness[0]"));
    text.replace(R"("paid":40000)", R"("paid":40000,"now":"b")");
    using P = current::Placement;
    EXPECT_EQ(Read(text).Now,
              (current::HouseholdAssignment{{P::Half}, std::nullopt, {P::A}, {P::B}}));
    EXPECT_EQ(sheets::ParseHouseholdFile(text).WithoutNow, QString());
}

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
