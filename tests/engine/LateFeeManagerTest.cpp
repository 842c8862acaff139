#include "engine/ULateFeeManager.h"
#include "engine/UNumText.h"

#include <gtest/gtest.h>

namespace {

struct LateFeeCase {
    const char *Rule;
    int32_t Days;
    double Tax;
    const char *LateFee;
    const char *Total;
};

class LateFeeCalc : public ::testing::TestWithParam<LateFeeCase> {};

TEST_P(LateFeeCalc, FeeAndTotalUnrounded) {
    const LateFeeCase &c = GetParam();
    const TLateFeeInfo info = TLateFeeManager::Calc(c.Days, c.Tax);
    EXPECT_EQ(NumText::FormatGeneral(info.LateFee), c.LateFee) << c.Rule;
    EXPECT_EQ(NumText::FormatGeneral(info.Total), c.Total) << c.Rule;
    EXPECT_EQ(info.Tax, c.Tax) << c.Rule;
    EXPECT_EQ(info.Days, c.Days) << c.Rule;
    EXPECT_EQ(info.Rate, 0.0005) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LateFeeCalc,
    ::testing::Values(LateFeeCase{"1000 for 30 days is 15", 30, 1000, "15", "1015"},
                      LateFeeCase{"12345.67 for 45 days keeps every decimal", 45, 12345.67,
                                  "277.777575", "12623.447575"},
                      LateFeeCase{"no days no fee", 0, 1000, "0", "1000"},
                      LateFeeCase{"one cent for one day shows in scientific form", 1, 0.01, "5E-6",
                                  "0.010005"},
                      LateFeeCase{"one day is five in ten thousand", 1, 10000, "5", "10005"},
                      LateFeeCase{"largest typed tax over ten years", 3650, 9999999999,
                                  "18249999998.175", "28249999997.175"},
                      LateFeeCase{"largest day count does not overflow", 2147483647, 1,
                                  "1073741.8235", "1073742.8235"}));

} // namespace
