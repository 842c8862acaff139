#include "engine/UMoneyManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct CapitalCase {
    const char *Rule;
    double Amount;
    const char *Capital;
};

class MoneyToCapital : public ::testing::TestWithParam<CapitalCase> {};

TEST_P(MoneyToCapital, CapitalForm) {
    const CapitalCase &c = GetParam();
    EXPECT_EQ(TMoneyManager::ToCapital(c.Amount), c.Capital) << c.Rule;
    EXPECT_TRUE(TMoneyManager::CanConvert(c.Amount)) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MoneyToCapital,
    ::testing::Values(
        CapitalCase{"zero has no capital form", 0, ""}, CapitalCase{"one fen", 0.01, "壹分"},
        CapitalCase{"five jiao, no yuan", 0.5, "伍角"}, CapitalCase{"five fen alone", 0.05, "伍分"},
        CapitalCase{"one yuan ends in 整", 1, "壹元整"},
        CapitalCase{"zero jiao before a fen digit is 零", 10.05, "壹拾元零伍分"},
        CapitalCase{"jiao without fen", 10.5, "壹拾元伍角"},
        CapitalCase{"inner zero of hundreds", 101, "壹佰零壹元整"},
        CapitalCase{"inner zero of thousands", 1010, "壹仟零壹拾元整"},
        CapitalCase{"亿 and 万 with zeros between", 100010000, "壹亿零壹万元整"},
        CapitalCase{"ten 万", 100000, "壹拾万元整"},
        CapitalCase{"亿万 collapses to 亿", 100000000, "壹亿元整"},
        CapitalCase{"thousand and one fen", 1000.01, "壹仟元零壹分"},
        CapitalCase{"millions and fen", 7000000.07, "柒佰万元零柒分"},
        CapitalCase{"亿 and jiao", 200000000.5, "贰亿元伍角"},
        CapitalCase{"alternating digits", 1010101010, "壹拾亿壹仟零壹拾万壹仟零壹拾元整"},
        CapitalCase{"every place", 123456789.12, "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分"},
        CapitalCase{"all nines", 9999999999, "玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元整"},
        CapitalCase{"the highest place, 10^12", 1e12, "壹万亿元整"},
        CapitalCase{"fifteen places filled", 9999999999999.99,
                    "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        CapitalCase{"3.41 (typed 3.405)", 3.41, "叁元肆角壹分"}));

struct RefusedCase {
    const char *Rule;
    double Amount;
};

class MoneyRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(MoneyRefused, NoCapitalFormOutsideTheUnits) {
    const RefusedCase &c = GetParam();
    EXPECT_FALSE(TMoneyManager::CanConvert(c.Amount)) << c.Rule;
    EXPECT_EQ(TMoneyManager::ToCapital(c.Amount), "") << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, MoneyRefused,
    ::testing::Values(RefusedCase{"10^13 needs a sixteenth place", 1e13},
                      RefusedCase{"10^15", 1e15}, RefusedCase{"far too large", 1e300},
                      RefusedCase{"negative", -5}, RefusedCase{"one fen below zero", -0.01},
                      RefusedCase{"infinity", std::numeric_limits<double>::infinity()},
                      RefusedCase{"not a number", std::nan("")}));

TEST(MoneyToCapital, FenRoundedHalfToEven) {
    // The amounts the dialog passes are already rounded to cents; a half fen that is exactly
    // representable goes to the even neighbour.
    EXPECT_EQ(TMoneyManager::ToCapital(0.125), "壹角贰分");
    EXPECT_EQ(TMoneyManager::ToCapital(0.375), "叁角捌分");
    EXPECT_EQ(TMoneyManager::ToCapital(-0.0), "");
}

} // namespace
