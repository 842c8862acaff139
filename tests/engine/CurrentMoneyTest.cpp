// Whole cents: typed text to cents as the pages round it, cents to text, and the rounding of a
// rate's product half away from zero.

#include "engine/current/Money.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using namespace current;

namespace {

struct ParseCase {
    const char *Text;
    std::optional<Cents> Expected;
};

class ParsesCents : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsesCents, AsThePagesRoundTypedAmounts) {
    EXPECT_EQ(ParseCents(GetParam().Text), GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParsesCents,
    ::testing::Values(ParseCase{"20000", 2000000}, ParseCase{"3.405", 341}, ParseCase{"0.145", 15},
                      ParseCase{"-1.005", -101}, ParseCase{"-0.004", 0},
                      ParseCase{" 88888 ", 8888800}, ParseCase{"1e5", 10000000},
                      ParseCase{"9999999999999.99", MaxInputCents - 1},
                      ParseCase{"-9999999999999.99", 1 - MaxInputCents},
                      ParseCase{"10000000000000", std::nullopt},
                      ParseCase{"10000000000000.1", std::nullopt}, ParseCase{"1e300", std::nullopt},
                      ParseCase{"", std::nullopt}, ParseCase{"12,000", std::nullopt},
                      ParseCase{"1.2.3", std::nullopt}, ParseCase{"abc", std::nullopt}));

TEST(FormatCents, TwoDecimalsAndASignOfItsOwn) {
    EXPECT_EQ(FormatCents(123450), "1234.50");
    EXPECT_EQ(FormatCents(-5), "-0.05");
    EXPECT_EQ(FormatCents(0), "0.00");
    EXPECT_EQ(FormatCents(MaxInputCents), "10000000000000.00");
    EXPECT_EQ(FormatCents(std::numeric_limits<Cents>::min()), "-92233720368547758.08");
}

// The law's amounts in the words around them: 5000, not 5000.00.
TEST(FormatYuan, WholeYuanWithoutDecimals) {
    EXPECT_EQ(FormatYuan(Yuan(5000)), "5000");
    EXPECT_EQ(FormatYuan(3856667), "38566.67");
    EXPECT_EQ(FormatYuan(5), "0.05");
    EXPECT_EQ(FormatYuan(0), "0");
    EXPECT_EQ(FormatYuan(-Yuan(20000)), "-20000");
}

TEST(Percent, RoundsHalfCentsAwayFromZero) {
    EXPECT_EQ(Percent(5, 10), 1);   // 0.5 cent
    EXPECT_EQ(Percent(-5, 10), -1); // -0.5 cent
    EXPECT_EQ(Percent(4, 10), 0);   // 0.4 cent
    EXPECT_EQ(Percent(1000005, 10), 100001);
    EXPECT_EQ(MulDiv(MaxInputCents * 12, 45, 100), MaxInputCents / 100 * 540);
}

// A product that fits in 64 bits and one that does not are rounded alike (half away from zero):
// half of an odd amount, its product with the factor on either side of 2^63; and a denominator
// whose double is beyond 64 bits.
TEST(MulDiv, TheSameOnEitherSideOfSixtyFourBits) {
    constexpr std::int64_t factor = std::int64_t{1} << 20;
    for (const Cents odd : {(Cents{1} << 41) + 1, (Cents{1} << 42) - 1, (Cents{1} << 42) + 1,
                            (Cents{1} << 43) - 1, (Cents{1} << 43) + 1, MaxInputCents * 12 + 1}) {
        EXPECT_EQ(MulDiv(odd, factor, factor * 2), (odd + 1) / 2) << odd;
        EXPECT_EQ(MulDiv(-odd, factor, factor * 2), -(odd + 1) / 2) << odd;
    }
    constexpr std::int64_t huge = std::numeric_limits<std::int64_t>::max() / 2 + 7;
    EXPECT_EQ(MulDiv(3, huge, huge), 3);
    EXPECT_EQ(MulDiv(-MaxInputCents, huge, huge), -MaxInputCents);
}

} // namespace
