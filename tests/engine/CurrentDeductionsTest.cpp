#include "engine/current/Deductions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace current;

const std::string Section = "[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\r\n";

TEST(CurrentDeductionsIni, WrittenChoicesReadBackAlike) {
    DeductionChoices c;
    c.Children = 3;
    c.ChildrenHalf = true;
    c.Infants = 1;
    c.Elderly = ElderlyCare::Shared;
    c.ElderlyShare = 100050;
    c.Home = Housing::RentSmallCity;
    c.Study = Education::Certificate;
    c.Illness = Yuan(80000);
    c.Pension = 1;
    c.HealthInsurance = Yuan(200);
    const std::string text = DeductionsIni::Write("", c);
    EXPECT_EQ(text, Section + "Children=3\r\nChildrenShare=50\r\nInfants=1\r\nInfantsShare=100\r\n"
                              "Elderly=2\r\nElderlyShare=1000.50\r\nHousing=5\r\nEducation=2\r\n"
                              "Illness=80000.00\r\nPension=0.01\r\nHealthInsurance=200.00\r\n");
    const DeductionChoices back = DeductionsIni::Read(text);
    EXPECT_EQ(DeductionsIni::Write("", back), text);
}

struct OddValue {
    const char *Line;
    const char *Why;
};

class CurrentDeductionsOddValue : public ::testing::TestWithParam<OddValue> {};

// A value a person could have typed into the file by hand reads as nothing chosen for its item,
// so the totals never rest on it.
TEST_P(CurrentDeductionsOddValue, ReadsAsNothingChosen) {
    const DeductionChoices c = DeductionsIni::Read(Section + GetParam().Line + "\r\n");
    EXPECT_EQ(DeductionsOf(c).Annual, 0) << GetParam().Why;
}

INSTANTIATE_TEST_SUITE_P(
    File, CurrentDeductionsOddValue,
    ::testing::Values(OddValue{"Children=-1", "a negative count"},
                      OddValue{"Children=21", "more persons than the form offers"},
                      OddValue{"Children=2x", "a count with trailing text"},
                      OddValue{"Elderly=3", "no such kind of care"},
                      OddValue{"Housing=6", "no such housing choice"},
                      OddValue{"Education=-1", "no such education"},
                      OddValue{"Pension=-5", "a negative amount"},
                      OddValue{"HealthInsurance=abc", "not an amount"},
                      OddValue{"ElderlyShare=1000", "a share without shared care"}));

// An amount beyond its limit was meant: it reads as the limit, and is listed for a note.
TEST(CurrentDeductionsIni, AmountsBeyondTheirLimitReadAsTheLimit) {
    std::vector<DeductionsIni::OverLimit> beyond;
    const DeductionChoices c = DeductionsIni::Read(
        Section + "Illness=90000\r\nPension=12000.5\r\nHealthInsurance=200\r\n", &beyond);
    EXPECT_EQ(c.Illness, MaxIllness);
    EXPECT_EQ(c.Pension, MaxPension);
    ASSERT_EQ(beyond.size(), 2u);
    EXPECT_TRUE(beyond[0].Member == &DeductionChoices::Illness && beyond[0].Found == Yuan(90000));
    EXPECT_TRUE(beyond[1].Member == &DeductionChoices::Pension && beyond[1].Found == 1200050);
}

// Only the keys that changed are written: what the file holds in the others stays.
TEST(CurrentDeductionsIni, OnlyChangedKeysAreWritten) {
    DeductionChoices before;
    before.Pension = Yuan(12000);
    DeductionChoices after = before;
    after.HealthInsurance = Yuan(100);
    EXPECT_EQ(DeductionsIni::Write(Section + "Illness=90000\r\nPension=6000.00\r\n", after, before),
              Section + "Illness=90000\r\nPension=6000.00\r\nHealthInsurance=100.00\r\n");
}

TEST(CurrentDeductions, ShareOtherThanHalfCountsInFull) {
    const DeductionChoices c = DeductionsIni::Read(Section + "Children=1\r\nChildrenShare=30\r\n");
    EXPECT_EQ(DeductionsOf(c).Monthly, Yuan(2000));
}

TEST(CurrentDeductions, AmountsBeyondTheirLimitCountAsTheLimit) {
    DeductionChoices c;
    c.Elderly = ElderlyCare::Shared;
    c.ElderlyShare = Yuan(1600);
    c.Pension = Yuan(15000);
    c.HealthInsurance = Yuan(300);
    c.Illness = Yuan(90000);
    const DeductionAmounts a = DeductionsOf(c);
    EXPECT_EQ(a.Elderly, MaxElderlyShare);
    EXPECT_EQ(a.Pension, MaxPension);
    EXPECT_EQ(a.PensionMonthly, MaxPension / 12);
    EXPECT_EQ(a.HealthInsurance, MaxHealthInsurance);
    EXPECT_EQ(a.Illness, MaxIllness);
    EXPECT_EQ(a.Monthly, MaxElderlyShare + MaxPension / 12 + MaxHealthInsurance);
}

} // namespace
