#include "engine/current/Deductions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace current;

const std::string Section = "[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\r\n";

// Every key of the section as the dialog wrote it reads back as the choice it held.
TEST(CurrentDeductionsIni, ReadsEveryChoiceTheDialogWrote) {
    const DeductionChoices c = DeductionsIni::Read(
        Section + "Children=3\r\nChildrenShare=50\r\nInfants=1\r\nInfantsShare=100\r\n"
                  "Elderly=2\r\nElderlyShare=1000.50\r\nHousing=5\r\nEducation=2\r\n"
                  "Illness=80000.00\r\nPension=0.01\r\nHealthInsurance=200.00\r\n");
    EXPECT_EQ(c.Children, 3);
    EXPECT_TRUE(c.ChildrenHalf);
    EXPECT_EQ(c.Infants, 1);
    EXPECT_FALSE(c.InfantsHalf);
    EXPECT_EQ(c.Elderly, ElderlyCare::Shared);
    EXPECT_EQ(c.ElderlyShare, 100050);
    EXPECT_EQ(c.Home, Housing::RentSmallCity);
    EXPECT_EQ(c.Study, Education::Certificate);
    EXPECT_EQ(c.Illness, Yuan(80000));
    EXPECT_EQ(c.Pension, 1);
    EXPECT_EQ(c.HealthInsurance, Yuan(200));
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

// Only the section's own keys are read: the same names in another section of the file, where
// other writers keep their keys, choose nothing.
TEST(CurrentDeductionsIni, KeysOfAnotherSectionAreNotRead) {
    const DeductionChoices c =
        DeductionsIni::Read("[Other]\r\nIllness=90000\r\nPension=6000.00\r\n" + Section +
                            "HealthInsurance=100.00\r\n[After]\r\nChildren=2\r\n");
    EXPECT_EQ(c.Illness, 0);
    EXPECT_EQ(c.Pension, 0);
    EXPECT_EQ(c.Children, 0);
    EXPECT_EQ(c.HealthInsurance, Yuan(100));
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
