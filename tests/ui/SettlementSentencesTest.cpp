// What the settlement's results say, worked out without a widget: the same sentences the
// settlement page, the year's results and the household page show.

#include "common/UCurrentPage.h"
#include "common/USettlementSentences.h"
#include "engine/current/Settlement.h"

#include <gtest/gtest.h>

namespace {

using current::Cents;

struct SentenceCase {
    const char *Name;
    Cents Wages, Withheld;
    bool Unwithheld;
    current::FilingReason Reason;
    const char *Headline;
    const char *Says; // a piece of the reason's sentence
};

void PrintTo(const SentenceCase &Case, std::ostream *Out) {
    *Out << Case.Name;
}

class SettlementSentencesOf : public ::testing::TestWithParam<SentenceCase> {};

// Each reason its headline, and a sentence naming the balance (refunded or owed) and, where the
// exemptions apply, the year's own thresholds.
TEST_P(SettlementSentencesOf, TheReasonInWords) {
    const SentenceCase &c = GetParam();
    current::SettlementInput year;
    year.Wages = c.Wages;
    year.Withheld = c.Withheld;
    year.Unwithheld = c.Unwithheld;
    const current::YearRules &rules = *current::RulesOf(year.Year);
    const current::Settlement s = current::Settle(year, rules);
    ASSERT_EQ(s.Reason, c.Reason);
    EXPECT_EQ(SettlementSentences::FilingHeadline(s), QString::fromUtf8(c.Headline));
    const QString reason = SettlementSentences::ReasonSentence(s, rules);
    EXPECT_TRUE(reason.contains(QString::fromUtf8(c.Says))) << reason.toStdString();
    if (s.Balance != 0) {
        EXPECT_TRUE(reason.contains(TCurrentPage::AmountYuan(std::abs(s.Balance))))
            << reason.toStdString();
    }
    if (s.Reason == current::FilingReason::OweSmall || s.ExemptionBarred) {
        EXPECT_TRUE(reason.contains(TCurrentPage::LawAmount(rules.SmallOwed)));
    }
    if (s.Reason == current::FilingReason::IncomeLow || s.ExemptionBarred) {
        EXPECT_TRUE(reason.contains(TCurrentPage::LawAmount(rules.LowIncome)));
    }
}

// 100000 of wages owe 1480.00 in the year, 110000 owe 2480.00 and 200000 owe 11480.00.
INSTANTIATE_TEST_SUITE_P(
    Reasons, SettlementSentencesOf,
    ::testing::Values(SentenceCase{"Refund", 10000000, 500000, false, current::FilingReason::Refund,
                                   "可以办理年度汇算申请退税", "申请退税"},
                      SentenceCase{"Even", 10000000, 148000, false, current::FilingReason::None,
                                   "无需办理年度汇算", "既不需补税"},
                      SentenceCase{"OweSmall", 10000000, 118000, false,
                                   current::FilingReason::OweSmall, "无需办理年度汇算", "不必补缴"},
                      SentenceCase{"IncomeLow", 11000000, 0, false,
                                   current::FilingReason::IncomeLow, "无需办理年度汇算",
                                   "全年综合所得收入不超过"},
                      SentenceCase{"Owe", 20000000, 0, false, current::FilingReason::Owe,
                                   "需要办理年度汇算", "须在"},
                      SentenceCase{"Unwithheld", 11000000, 0, true, current::FilingReason::Owe,
                                   "需要办理年度汇算", "应预扣预缴而未预扣"}),
    [](const auto &Info) { return std::string(Info.param.Name); });

// Without a bonus nothing is said of the other method; with one, the other method is named.
TEST(SettlementSentences, TheOtherMethodOnlyWithABonus) {
    current::SettlementInput year;
    year.Wages = 10000000;
    EXPECT_EQ(SettlementSentences::OtherMethodSentence(year), QString());
    year.Bonus = 3600000;
    EXPECT_TRUE(SettlementSentences::OtherMethodSentence(year).contains(
        SettlementSentences::MethodName(current::BonusMethod::Merged)));
}

} // namespace
