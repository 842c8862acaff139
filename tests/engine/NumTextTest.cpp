#include "engine/UNumText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace NumText;

struct ParseCase {
    const char *Text;
    double Expected;
};

class ParseAmountRounds : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseAmountRounds, ToCentsHalfAwayFromZeroOnDecimalDigits) {
    const auto value = ParseAmount(GetParam().Text);
    ASSERT_TRUE(value.has_value()) << GetParam().Text;
    EXPECT_EQ(*value, GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseAmountRounds,
    ::testing::Values(ParseCase{"3.405", 3.41}, ParseCase{"0.145", 0.15},
                      ParseCase{"1234.567", 1234.57}, ParseCase{"1234.564", 1234.56},
                      ParseCase{"-1.005", -1.01}, ParseCase{"-0.004", 0.0},
                      ParseCase{"0.005", 0.01}, ParseCase{"1.", 1.0}, ParseCase{".5", 0.5},
                      ParseCase{"  42 ", 42.0}, ParseCase{"+7", 7.0}, ParseCase{"5E-6", 0.0},
                      ParseCase{"1e3", 1000.0}, ParseCase{"2.5E+2", 250.0},
                      ParseCase{"1500.025", 1500.03}, ParseCase{"12.34", 12.34},
                      ParseCase{"1584375.155", 1584375.16},
                      ParseCase{"9999999999999.99", 9999999999999.99},
                      ParseCase{"-9999999999999.99", -9999999999999.99}, ParseCase{"0", 0.0},
                      ParseCase{"000123.1", 123.1}));

TEST(ParseAmount, NegativeZeroIsPlainZero) {
    const auto value = ParseAmount("-0.004");
    ASSERT_TRUE(value);
    EXPECT_FALSE(std::signbit(*value));
}

class ParseAmountRejects : public ::testing::TestWithParam<const char *> {};

TEST_P(ParseAmountRejects, TextThatIsNotWhollyANumber) {
    EXPECT_FALSE(ParseAmount(GetParam()).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Invalid, ParseAmountRejects,
                         ::testing::Values("", " ", ".", "-", "+", "e5", "1e", "1e+", "1.2.3",
                                           "12a", "a12", "1,5", "1 2", "--1", "inf", "nan", "0x10",
                                           "1e400", "-1e400", "１２", "12.34.", "1..2"));

// Amounts of 1E13 or more are refused: their cents would lie beyond the 15 significant digits,
// and an engine's result could overflow to an infinity.
INSTANTIATE_TEST_SUITE_P(TooLarge, ParseAmountRejects,
                         ::testing::Values("1e13", "-1e13", "9999999999999.999", "1e20", "1.79e308",
                                           "99999999999999999999"));

struct FormatCase {
    double Value;
    const char *Expected;
};

class FormatGeneralShows : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralShows, FifteenDigitsNoNeedlessZeros) {
    EXPECT_EQ(FormatGeneral(GetParam().Value), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatGeneralShows,
    ::testing::Values(FormatCase{45, "45"}, FormatCase{1234.5, "1234.5"},
                      FormatCase{45.001, "45.001"}, FormatCase{0, "0"}, FormatCase{-0.0, "0"},
                      FormatCase{-12.5, "-12.5"}, FormatCase{3500.01 - 3500, "0.0100000000002183"},
                      FormatCase{(3500.01 - 3500) * 0.03, "0.000300000000006548"},
                      FormatCase{1e15, "1E15"}, FormatCase{1.5e-7, "1.5E-7"},
                      FormatCase{5e-6, "5E-6"}, FormatCase{-2.5e16, "-2.5E16"},
                      FormatCase{0.00001, "0.00001"},
                      FormatCase{999999999999999, "999999999999999"},
                      FormatCase{999999999999999.9, "1E15"}, FormatCase{0.1 + 0.2, "0.3"},
                      FormatCase{96354.545454545454, "96354.5454545455"}, FormatCase{100, "100"},
                      FormatCase{123456789012.345, "123456789012.345"}, FormatCase{0.5, "0.5"},
                      FormatCase{1e-5 * 0.99999999, "9.9999999E-6"}));

class FormatCentsShows : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatCentsShows, TwoDecimalsHalfAwayFromZero) {
    EXPECT_EQ(FormatCents(GetParam().Value), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatCentsShows,
                         ::testing::Values(FormatCase{1500.025, "1500.03"},
                                           FormatCase{4000.625, "4000.63"},
                                           FormatCase{958.333333333333, "958.33"},
                                           FormatCase{0, "0.00"}, FormatCase{0.004, "0.00"},
                                           FormatCase{-0.004, "0.00"}, FormatCase{-1.005, "-1.01"},
                                           FormatCase{1500, "1500.00"}, FormatCase{0.1, "0.10"},
                                           FormatCase{1e20, "100000000000000000000.00"}));

TEST(RoundToCents, DecidesDifferencesOfTypedAmounts) {
    EXPECT_EQ(RoundToCents(3500.01 - 0.01), 3500.0);
    EXPECT_EQ(RoundToCents(5000.01 - 0.01 - 3500), 1500.0);
    EXPECT_EQ(RoundToCents(3 * 20000.01), 60000.03);
    EXPECT_TRUE(std::isinf(RoundToCents(std::numeric_limits<double>::infinity())));
}
