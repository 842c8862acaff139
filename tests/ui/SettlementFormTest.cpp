// The settlement page's form without a widget: the typed amounts and options read into the year
// or the field at fault, and every text the results side shows of the year read.

#include "engine/current/RulesInUse.h"
#include "pages/USettlementForm.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

using Field = SettlementForm::Field;

struct FormCase {
    const char *Name;
    std::initializer_list<std::pair<Field, const char *>> Typed;
    bool Merged = false;
    int Year = current::LastRulesYear;
    // Either the field at fault and its message, or what the results side shows.
    std::optional<Field> FaultAt = std::nullopt;
    const char *Message = "";
    QStringList Figures = {}; // income amount … withheld, then the balance
    const char *Caption = "", *Filing = "", *OtherMethod = "", *Reason = nullptr;
};

QStringList FiguresOf(const SettlementForm::Shown &Shown) {
    return {Shown.IncomeAmount, Shown.Deductions,     Shown.Donations, Shown.Taxable,
            Shown.Rate,         Shown.QuickDeduction, Shown.Tax,       Shown.BonusTax,
            Shown.TotalTax,     Shown.Withheld,       Shown.Balance};
}

// Wages 100000, labour, author and royalty 10000 each, 5000 of it tax free, the deductions, and a
// bonus of 36000: 1296 in all with the bonus on its own, 1800 merged.
const std::initializer_list<std::pair<Field, const char *>> EveryIncome{
    {Field::Wages, "100000"},  {Field::Labour, "10000"},  {Field::Author, "10000"},
    {Field::Royalty, "10000"}, {Field::Exempt, "5000"},   {Field::Insurance, "10000"},
    {Field::Special, "24000"}, {Field::Pension, "15000"}, {Field::Health, "3000"},
    {Field::Other, "1000"},    {Field::Bonus, "36000"},   {Field::Withheld, "1000"}};

const FormCase Cases[] = {
    {.Name = "refund",
     .Typed = {{Field::Wages, "100000"}, {Field::Insurance, "10000"}, {Field::Withheld, "2000"}},
     .Figures = {"100000.00", "70000.00", "0.00", "30000.00", "3%", "0.00", "900.00", "0.00",
                 "900.00", "2000.00", "1100.00"},
     .Caption = "应退税额：",
     .Filing = "可以办理年度汇算申请退税",
     .Reason = "已预缴税额比全年应纳税额多1100.00元：可在次年3月1日至6月30日办理年度汇算申请退"
               "税；放弃退税的，可以不办理。"},
    {.Name = "to pay, the bonus on its own",
     .Typed = EveryIncome,
     .Figures = {"116600.00", "109400.00", "0.00", "7200.00", "3%", "0.00", "216.00", "1080.00",
                 "1296.00", "1000.00", "296.00"},
     .Caption = "应补税额：",
     .Filing = "无需办理年度汇算",
     .OtherMethod = "若改为并入综合所得：应纳税额合计1800.00元，多缴504.00元；单独计税较低。"},
    {.Name = "to pay, the bonus merged",
     .Typed = EveryIncome,
     .Merged = true,
     .Figures = {"152600.00", "109400.00", "0.00", "43200.00", "10%", "2520.00", "1800.00", "0.00",
                 "1800.00", "1000.00", "800.00"},
     .Caption = "应补税额：",
     .Filing = "需要办理年度汇算",
     .OtherMethod = "若改为单独计税：应纳税额合计1296.00元，少缴504.00元；单独计税较低。"},
    // No private pension in 2019: all 40000 is taxed, where the latest year takes 12000 off.
    {.Name = "2019 without the pension",
     .Typed = {{Field::Wages, "100000"}, {Field::Pension, "12000"}, {Field::Withheld, "1480"}},
     .Year = 2019,
     .Figures = {"100000.00", "60000.00", "0.00", "40000.00", "10%", "2520.00", "1480.00", "0.00",
                 "1480.00", "1480.00", "0.00"},
     .Caption = "应补（退）税额：",
     .Filing = "无需办理年度汇算"},
    {.Name = "wages left blank",
     .Typed = {{Field::Withheld, "0"}},
     .FaultAt = Field::Wages,
     .Message = "全年工资薪金数据无效，请重新输入。"},
    {.Name = "the first of two faults",
     .Typed = {{Field::Wages, "1"}, {Field::Exempt, "2"}, {Field::Bonus, "x"}},
     .FaultAt = Field::Bonus,
     .Message = "全年一次性奖金数据无效，请重新输入。"},
    {.Name = "more tax free than the income",
     .Typed = {{Field::Wages, "100"},
               {Field::Labour, "0.5"},
               {Field::Exempt, "100.51"},
               {Field::Withheld, "0"}},
     .FaultAt = Field::Exempt,
     .Message = "全年免税收入不能大于全年收入合计，请重新输入。"},
};

TEST(SettlementForm, ReadsTheFieldsOrNamesTheOneAtFaultAndShowsTheResults) {
    for (const FormCase &c : Cases) {
        SCOPED_TRACE(c.Name);
        SettlementForm::Typed typed;
        for (const auto &[field, text] : c.Typed)
            typed.Texts[static_cast<std::size_t>(field)] = QString::fromUtf8(text);
        typed.Merged = c.Merged;
        typed.Year = c.Year;
        const auto read = SettlementForm::Read(typed);
        if (c.FaultAt) {
            const auto *fault = std::get_if<SettlementForm::Fault>(&read);
            ASSERT_NE(fault, nullptr);
            EXPECT_EQ(fault->At, *c.FaultAt);
            EXPECT_EQ(fault->Message, QString::fromUtf8(c.Message));
            continue;
        }
        const auto *year = std::get_if<current::SettlementInput>(&read);
        ASSERT_NE(year, nullptr);
        EXPECT_EQ(year->Year, c.Year);
        const SettlementForm::Shown shown = SettlementForm::Show(*year);
        EXPECT_EQ(FiguresOf(shown), c.Figures);
        EXPECT_EQ(shown.BalanceCaption, QString::fromUtf8(c.Caption));
        EXPECT_EQ(shown.Filing, QString::fromUtf8(c.Filing));
        EXPECT_EQ(shown.MustFile, shown.Filing == QStringLiteral("需要办理年度汇算"));
        EXPECT_EQ(shown.OtherMethod, QString::fromUtf8(c.OtherMethod));
        if (c.Reason) {
            EXPECT_EQ(shown.Reason, QString::fromUtf8(c.Reason));
        }
    }
}

// A law without the separate bonus greys that method with the reason and settles the bonus merged
// whatever was chosen; the other years keep both.
TEST(SettlementForm, AYearWithoutTheSeparateBonusTakesItMerged) {
    current::YearRules ended = current::LatestRules();
    ended.SeparateBonus = false;
    const current::RulesStandIn law(ended);
    const QString reason = QStringLiteral("2027年没有全年一次性奖金单独计税的办法：奖金并入当月工资"
                                          "薪金预扣预缴，年度汇算并入综合所得");
    const SettlementForm::Methods methods = SettlementForm::MethodsOf(current::LastRulesYear);
    EXPECT_FALSE(methods.Separate);
    EXPECT_EQ(methods.SeparateTip, reason);
    EXPECT_TRUE(SettlementForm::MethodsOf(2019).Separate);
    EXPECT_TRUE(SettlementForm::MethodsOf(2019).SeparateTip.isEmpty());

    SettlementForm::Typed typed;
    for (const auto &[field, text] : EveryIncome)
        typed.Texts[static_cast<std::size_t>(field)] = QString::fromUtf8(text);
    const auto read = SettlementForm::Read(typed);
    const auto *year = std::get_if<current::SettlementInput>(&read);
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(year->Method, current::BonusMethod::Merged);
    const SettlementForm::Shown shown = SettlementForm::Show(*year);
    EXPECT_EQ(shown.TotalTax, QStringLiteral("1800.00"));
    EXPECT_EQ(shown.OtherMethod, reason + u'。');
}

} // namespace
