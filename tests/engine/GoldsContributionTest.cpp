#include "engine/UGoldsContribution.h"
#include "engine/UNumText.h"
#include "engine/USalaryTaxManager.h"

#include <gtest/gtest.h>

namespace {

TGoldsSetupInfo City() {
    TGoldsSetupInfo s;
    s.SMin = 2000;
    s.SMax = 10000;
    s.PMin = 2500;
    s.PMax = 8000;
    s.PPension = 8;
    s.PMedical = 2;
    s.PLostJob = 1;
    s.PFund = 12;
    s.UPension = 20;
    s.UMedical = 10;
    s.ULostJob = 2;
    s.Injury = 0.5;
    s.GiveBirth = 0.8;
    s.UFund = 12;
    return s;
}

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

TEST(GoldsContribution, WorkedExample) {
    TGoldsSetupInfo s = City();
    s.PMin = 2000;
    s.PMax = 10000;
    const TGoldsContribution c = Golds::Contribute(s, 5000);
    EXPECT_EQ(c.SocialBase, 5000);
    EXPECT_EQ(c.FundBase, 5000);
    EXPECT_EQ(Shown(c.PPension), "400");
    EXPECT_EQ(Shown(c.PMedical), "100");
    EXPECT_EQ(Shown(c.PLostJob), "50");
    EXPECT_EQ(Shown(c.PFund), "600");
    EXPECT_EQ(Shown(c.PTotal), "1150");
    const TTaxInfo tax = TSalaryTaxManager::Calc(false, 5000, c.PTotal);
    EXPECT_EQ(Shown(tax.Tax), "10.5");
    EXPECT_EQ(Shown(tax.IncomeAfterTax), "3839.5");
}

TEST(GoldsContribution, EmployerSharesAndTotals) {
    const TGoldsContribution c = Golds::Contribute(City(), 5000);
    EXPECT_EQ(Shown(c.UPension), "1000");
    EXPECT_EQ(Shown(c.UMedical), "500");
    EXPECT_EQ(Shown(c.ULostJob), "100");
    EXPECT_EQ(Shown(c.Injury), "25");
    EXPECT_EQ(Shown(c.GiveBirth), "40");
    EXPECT_EQ(Shown(c.UFund), "600");
    EXPECT_EQ(Shown(c.UTotal), "2265");
    EXPECT_EQ(Shown(c.UAll), "7265");
}

struct ClampCase {
    const char *Rule;
    double Wage;
    double SocialBase;
    double FundBase;
};

class GoldsClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(GoldsClamp, BasesHeldBetweenTheirOwnLimits) {
    const ClampCase &c = GetParam();
    const TGoldsContribution r = Golds::Contribute(City(), c.Wage);
    EXPECT_EQ(r.SocialBase, c.SocialBase) << c.Rule;
    EXPECT_EQ(r.FundBase, c.FundBase) << c.Rule;
    EXPECT_EQ(Shown(r.PPension), Shown(8 * c.SocialBase * 0.01)) << c.Rule;
    EXPECT_EQ(Shown(r.PFund), Shown(12 * c.FundBase * 0.01)) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, GoldsClamp,
    ::testing::Values(ClampCase{"below both lower limits: both limits", 1000, 2000, 2500},
                      ClampCase{"at the social lower limit: the wage", 2000, 2000, 2500},
                      ClampCase{"between the lower limits: social wage, fund limit", 2200, 2200,
                                2500},
                      ClampCase{"at the fund upper limit: the wage", 8000, 8000, 8000},
                      ClampCase{"between the upper limits: fund clamped only", 9000, 9000, 8000},
                      ClampCase{"at the social upper limit: the wage", 10000, 10000, 8000},
                      ClampCase{"above both upper limits: both limits", 10000.01, 10000, 8000},
                      ClampCase{"zero wage: lower limits", 0, 2000, 2500}));

TEST(GoldsContribution, NoParametersMeanNothingIsDue) {
    const TGoldsContribution c = Golds::Contribute(TGoldsSetupInfo{}, 6000);
    EXPECT_EQ(c.SocialBase, 0);
    EXPECT_EQ(c.FundBase, 0);
    EXPECT_EQ(c.PTotal, 0);
    EXPECT_EQ(c.UTotal, 0);
    EXPECT_EQ(c.UAll, 6000);
}

TEST(GoldsContribution, AmountsAreNotRounded) {
    TGoldsSetupInfo s = City();
    s.PPension = 8;
    const TGoldsContribution c = Golds::Contribute(s, 3333.33);
    EXPECT_EQ(Shown(c.PPension), "266.6664");
}

} // namespace
