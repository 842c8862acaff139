// RoundToCents decides every bracket and range check; it takes a short cut away from half cents
// that must give the very double the "0.00" text form gives.

#include "engine/UNumText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace NumText;

namespace {

double ThroughText(double value) {
    const std::string text = FormatCents(value);
    const auto back = ParseNumber(text);
    return back ? *back : std::nan("");
}

// Every thousandth of a yuan up to 20 yuan, and each moved two steps of the last bit either
// way, so that half cents in decimal and their binary neighbours are all met.
TEST(RoundToCents, AgreesWithTheTextFormAroundEveryHalfCent) {
    int mismatches = 0;
    for (int thousandths = -20000; thousandths <= 20000; ++thousandths) {
        double value = thousandths / 1000.0;
        for (double x : {std::nextafter(std::nextafter(value, -1e300), -1e300),
                         std::nextafter(value, -1e300), value, std::nextafter(value, 1e300),
                         std::nextafter(std::nextafter(value, 1e300), 1e300)}) {
            if (RoundToCents(x) != ThroughText(x) && ++mismatches <= 5)
                ADD_FAILURE() << "value " << x << ": " << RoundToCents(x) << " but text "
                              << FormatCents(x);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

struct LargeCase {
    double Value;
    double Expected;
};

class RoundsLargeAmounts : public ::testing::TestWithParam<LargeCase> {};

TEST_P(RoundsLargeAmounts, OnTheFifteenDigitForm) {
    EXPECT_EQ(RoundToCents(GetParam().Value), GetParam().Expected);
    EXPECT_EQ(RoundToCents(GetParam().Value), ThroughText(GetParam().Value));
}

INSTANTIATE_TEST_SUITE_P(AroundTheShortCutsLimit, RoundsLargeAmounts,
                         ::testing::Values(LargeCase{999999999.995, 1000000000.0},
                                           LargeCase{999999999.994, 999999999.99},
                                           LargeCase{1000000000.005, 1000000000.01},
                                           LargeCase{123456789012.345, 123456789012.35},
                                           LargeCase{-987654321.125, -987654321.13},
                                           LargeCase{2.675, 2.68}, LargeCase{1e15 + 0.5, 1e15}));

// Next to the largest double the 15-digit form (1.79769313486232E308) lies beyond every double:
// the "0.00" step has no number to give back.
TEST(RoundToCents, BeyondTheLargestDoubleIsInfinite) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(RoundToCents(largest), std::numeric_limits<double>::infinity());
    EXPECT_EQ(RoundToCents(-largest), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(RoundToCents(1.79e308), 1.79e308);
}

} // namespace
