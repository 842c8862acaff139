// What the "计算方法" pictures of the current-law bonus, remuneration, settlement and severance
// pages say: the rules of the law in force since 2019 with the constants and tables of
// engine/current; the examples are computed by the current-law engines.

#include "Pictures.h"

#include "engine/current/Bonus.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"
#include "engine/current/Severance.h"

namespace Pictures {
namespace {

using namespace Blocks;
using current::Yuan;
namespace Law = current::Law;
namespace Tables = current::Tables;

BracketTable BonusTable() {
    return BracketTable::Of(
        QCoreApplication::translate("Pictures", "奖金 ÷ %1").arg(Law::MonthsInYear),
        Tables::Monthly);
}
BracketTable MonthlyTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "月度应纳税所得额"),
                            Tables::Monthly);
}
BracketTable AnnualTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "全年应纳税所得额"),
                            Tables::Annual);
}
BracketTable LabourTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "每次应纳税所得额（劳务报酬）"),
                            Tables::Labour);
}

QString Rate(int Percent) {
    return QStringLiteral("%1%").arg(Percent);
}

// Each bound of the separately taxed bonus, and the bonus above it from which it keeps as much.
Block Cliffs() {
    QStringList from, to;
    for (const current::TaxBracket &bracket : Tables::Monthly.first(Tables::Monthly.size() - 1)) {
        const current::Cents bound = bracket.UpTo * Law::MonthsInYear;
        const auto cliff = current::CompareBonus(bound + 1, 0).Cliff;
        if (!cliff)
            continue;
        from << Amount(cliff->From);
        to << Amount(cliff->To);
    }
    return T(
        QCoreApplication::translate("Pictures", "临界点：奖金刚超过%1元时税后反而减少，直到%2元。")
            .arg(from.join(QCoreApplication::translate("Pictures", "、")),
                 to.join(QCoreApplication::translate("Pictures", "、"))));
}

std::vector<Block> BonusMethod() {
    const current::Date until = Law::SeparateBonusUntil;
    return {F(QCoreApplication::translate("Pictures", "单独计税：按 奖金 ÷ %1 查月度税率表")
                  .arg(Law::MonthsInYear)),
            F(QCoreApplication::translate("Pictures", "奖金应纳税额 = 奖金 × 税率 − 速算扣除数")),
            Tab(BonusTable()),
            F(QCoreApplication::translate("Pictures",
                                          "并入综合所得：(其他应纳税所得额 + 奖金) 按年度税率表")),
            Tab(AnnualTable()),
            Cliffs(),
            N(QCoreApplication::translate("Pictures", "单独计税可选至%1年%2月%3日。")
                  .arg(until.Year)
                  .arg(until.Month)
                  .arg(until.Day))};
}

std::vector<Block> LabourMethod() {
    const current::Remuneration example =
        current::WithholdRemuneration(Yuan(30000), current::RemunerationKind::Labour);
    const QString cost = Rate(Law::CostRate), author = Rate(Law::AuthorShare);
    return {
        F(QCoreApplication::translate("Pictures", "每次收入不超过%1元减除%2元，超过%1元减除%3")
              .arg(Amount(Law::SmallPayment), Amount(Law::SmallPaymentCost), cost)),
        F(QCoreApplication::translate("Pictures", "应纳税所得额 = 收入 − 减除费用；稿酬再 × %1")
              .arg(author)),
        T(QCoreApplication::translate("Pictures",
                                      "居民个人：劳务报酬按下表预扣，稿酬、特许权使用费按%1预扣")
              .arg(Rate(Tables::FlatTwenty.front().Rate))),
        Tab(LabourTable()),
        E(QCoreApplication::translate("Pictures", "例：劳务报酬%1元，税额 = %2 × %3 − %4 = %5元")
              .arg(Amount(example.Income), Amount(example.Taxable), Rate(example.Rate),
                   Amount(example.QuickDeduction), Amount(example.Tax))),
        N(QCoreApplication::translate("Pictures",
                                      "年度汇算时，居民个人的劳务报酬、特许权使用费按收入的%1，"
                                      "稿酬按收入的%2并入综合所得，多退少补。")
              .arg(Rate(Law::IncomeShare), Rate(Law::AuthorIncomeShare))),
        T(QCoreApplication::translate("Pictures",
                                      "非居民个人：一律减除%1，稿酬再 × %2，按月度税率表扣缴，"
                                      "不办理年度汇算：")
              .arg(cost, author)),
        Tab(MonthlyTable())};
}

// Every kind of income and deduction, the pension and health insurance above their caps.
std::vector<Block> SettleMethod() {
    const current::YearRules &rules = current::LatestRules();
    current::SettlementInput year;
    year.Wages = Yuan(100000);
    year.Labour = year.Author = year.Royalty = Yuan(10000);
    year.Exempt = Yuan(5000);
    year.Insurance = Yuan(10000);
    year.Special = Yuan(24000);
    year.Pension = rules.PensionCap + Yuan(3000);
    year.Health = rules.HealthAnnual + Yuan(600);
    year.Other = Yuan(1000);
    const current::Settlement example = current::Settle(year);
    const QString share = Rate(Law::IncomeShare);
    return {
        F(QCoreApplication::translate(
              "Pictures", "收入额 = 工资薪金 − 免税收入 + 劳务报酬 × %1 + 稿酬 × %1 × %2 "
                          "+ 特许权使用费 × %1")
              .arg(share, Rate(Law::AuthorShare))),
        F(QCoreApplication::translate(
              "Pictures", "应纳税所得额 = 收入额 − %1 − 三险一金 − 专项附加扣除 − 个人养老金"
                          "（≤%2）− 商业健康保险（≤%3）− 其他扣除")
              .arg(Amount(rules.BasicAnnual), Amount(rules.PensionCap),
                   Amount(rules.HealthAnnual))),
        F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税所得额 × 税率 − 速算扣除数")),
        Tab(AnnualTable()),
        T(QCoreApplication::translate(
              "Pictures", "年终奖单独计税的另按奖金 ÷ %1 查月度税率表计税；并入综合所得的计入"
                          "收入额。")
              .arg(Law::MonthsInYear)),
        F(QCoreApplication::translate("Pictures",
                                      "应补（退）税额 = 应纳税额 + 年终奖税额 − 已预缴税额")),
        T(QCoreApplication::translate("Pictures",
                                      "补税不超过%1元，或综合所得年收入不超过%2元的，无需办理；"
                                      "有退税的可以申请退税。")
              .arg(Amount(rules.SmallOwed), Amount(rules.LowIncome))),
        E(QCoreApplication::translate("Pictures", "例：收入额%1元，扣除%2元，税额 = %3 × %4 = %5元")
              .arg(Amount(example.IncomeAmount), Amount(example.Deductions),
                   Amount(example.Taxable), Rate(example.Rate), Amount(example.Tax))),
        N(QCoreApplication::translate("Pictures", "办理时间：次年%1月%2日至%3月%4日。")
              .arg(Month(Law::SettlementFrom.Month))
              .arg(Law::SettlementFrom.Day)
              .arg(Month(Law::SettlementUntil.Month))
              .arg(Law::SettlementUntil.Day))};
}

std::vector<Block> SeveranceMethod() {
    const current::Cents average = Yuan(60000);
    const current::Severance example = current::TaxSeverance(Yuan(300000), average);
    return {F(QCoreApplication::translate("Pictures",
                                          "免税部分 = 补偿收入与当地上年职工平均工资 × %1 中较小者")
                  .arg(Law::TaxFreeYears)),
            F(QCoreApplication::translate("Pictures", "应纳税部分 = 补偿收入 − 免税部分")),
            F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税部分 × 税率 − 速算扣除数")),
            F(QCoreApplication::translate("Pictures", "税后收入 = 补偿收入 − 应纳税额")),
            T(QCoreApplication::translate("Pictures",
                                          "应纳税部分不并入当年综合所得，单独按年度税率表计税：")),
            Tab(AnnualTable()),
            E(QCoreApplication::translate("Pictures", "例：平均工资%1元，补偿%2元，免税%3元，")
                  .arg(Amount(average), Amount(example.Income), Amount(example.Exempt))),
            E(QCoreApplication::translate("Pictures", "税额 = %1 × %2 − %3 = %4元")
                  .arg(Amount(example.Taxable), Rate(example.Rate), Amount(example.QuickDeduction),
                       Amount(example.Tax)))};
}

} // namespace

std::vector<MethodPicture> CurrentPaymentPictures() {
    return {
        {QStringLiteral("curbonus"), QSize(380, 470), BonusMethod()},
        {QStringLiteral("curlabour"), QSize(430, 490), LabourMethod()},
        {QStringLiteral("cursettle"), QSize(440, 440), SettleMethod()},
        {QStringLiteral("curseverance"), QSize(430, 360), SeveranceMethod()},
    };
}

} // namespace Pictures
