// The household file from its bytes, without Qt: both years and the shared items, who claims each
// now, and its own faults as data.

#include "formats/HouseholdFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using formats::FaultKind;

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
// The shared loan become a lease of this year.
const char *const SharedLease =
    R"("rent":[{"from":"2026-01","to":"2026-12","amount":1500,"signed_by":"a"}],)";

std::string With(std::string Text, const std::string &From, const std::string &To) {
    return Text.replace(Text.find(From), From.size(), To);
}

current::Household Read(const std::string &Text) {
    formats::HouseholdRead read = formats::ParseHouseholdFile(Text);
    EXPECT_TRUE(read.Facts.has_value()) << (read.Error ? read.Error->Path : "");
    return read.Facts.value_or(current::Household{});
}

TEST(FormatsHouseholdFile, BothYearsAndTheSharedItems) {
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
TEST(FormatsHouseholdFile, SharedAndItsKeysMayBeLeftOut) {
    std::string text = With(Base, R"(,"both_before_marriage":false)", "");
    EXPECT_FALSE(Read(text).Shared.HousingLoan->BothBeforeMarriage);
    text.resize(text.find(",\n\"shared\""));
    text += '}';
    EXPECT_EQ(Read(text).Shared, current::SharedItems{});
    EXPECT_EQ(current::CountAssignments(Read(text).Shared), 1u);
}

// Who claims each shared item now: the split they have when every item says so; otherwise the
// first item that does not is named, and there is none.
TEST(FormatsHouseholdFile, WhoClaimsEachItemNow) {
    std::string text = With(Base, SharedLoan, SharedLease);
    text = With(text, R"("education_end":null)", R"("education_end":null,"now":"half")");
    text = With(text, R"("signed_by":"a")", R"("signed_by":"a","now":"a")");
    const current::Household partial = Read(text);
    EXPECT_FALSE(partial.Now.has_value());
    EXPECT_EQ(partial.Shared.Rent.at(0).SignedBy, current::Signer::A);
    EXPECT_EQ(formats::ParseHouseholdFile(text).WithoutNow, "shared.illness[0]");
    text = With(text, R"("paid":40000)", R"("paid":40000,"now":"b")");
    using P = current::Placement;
    EXPECT_EQ(Read(text).Now,
              (current::HouseholdAssignment{{P::Half}, std::nullopt, {P::A}, {P::B}}));
    EXPECT_EQ(formats::ParseHouseholdFile(text).WithoutNow, "");
}

struct FaultCase {
    const char *Name;
    const char *From; // replaced in Base by To
    const char *To;
    FaultKind Kind;
    std::string Path;
};

void PrintTo(const FaultCase &c, std::ostream *os) {
    *os << c.Name;
}

class FormatsHouseholdFault : public testing::TestWithParam<FaultCase> {};

TEST_P(FormatsHouseholdFault, AsDataWithThePathFromTheRoot) {
    const FaultCase &c = GetParam();
    const formats::HouseholdRead read = formats::ParseHouseholdFile(With(Base, c.From, c.To));
    ASSERT_TRUE(read.Error.has_value());
    EXPECT_FALSE(read.Facts.has_value());
    EXPECT_EQ(read.Error->Kind, c.Kind);
    EXPECT_EQ(read.Error->Path, c.Path);
}

INSTANTIATE_TEST_SUITE_P(
    Contract, FormatsHouseholdFault,
    testing::Values(FaultCase{"KeyTwice", "\"b\":{", "\"a\":{},\"b\":{", FaultKind::DuplicateKey,
                              "a"},
                    FaultCase{"InAYear", "\"income\":6000", "\"income\":-6000",
                              FaultKind::AmountNegative, "a.jobs[0].pay[0].income"},
                    FaultCase{"ShareOfASharedChild", "\"education_end\":null", "\"share\":50",
                              FaultKind::ShareInShared, "shared.children[0].share"},
                    FaultCase{"LeaseWithoutSigner", SharedLoan,
                              R"("rent":[{"from":"2026-01","to":"2026-12","amount":1500}],)",
                              FaultKind::SignerMissing, "shared.rent[0].signed_by"},
                    FaultCase{"IllnessHalved", "\"paid\":40000", "\"paid\":40000,\"now\":\"half\"",
                              FaultKind::NowNotAllowed, "shared.illness[0].now"},
                    FaultCase{"YearsDiffer", "\"b\":{\"year\":2026", "\"b\":{\"year\":2025",
                              FaultKind::Household, "b.year"}),
    [](const testing::TestParamInfo<FaultCase> &Info) { return std::string(Info.param.Name); });

} // namespace
