// What the "计算方法" picture of the current-law wage page says: cumulative withholding as the
// law in force since 2019 states it, with the constants of engine/current and an example the wage
// engine computes.

#include "Pictures.h"

#include "engine/current/Rules.h"
#include "engine/current/Wage.h"

#include <vector>

namespace Pictures {
namespace {

using namespace Blocks;
using current::Yuan;

// The withholding table of wages (预扣率表一) is the annual table.
BracketTable WithholdingTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "累计预扣预缴应纳税所得额"),
                            current::Tables::Annual);
}

// A wage the same every month: the months withholding the same amount as the one before are
// told together ("1至3月每月300元"), the month a bracket changes in with its arithmetic.
std::vector<Block> Example() {
    std::vector<current::WageMonth> months;
    for (int month = 1; month <= current::Law::MonthsInYear; ++month)
        months.push_back({month, Yuan(20000), 0, Yuan(2000), Yuan(3000), 0});
    const auto withheld = current::WithholdWages(months, current::BasicDeduction::PerMonth);
    QStringList parts;
    std::size_t first = 0;
    for (std::size_t i = 1; i <= withheld.size(); ++i) {
        if (i < withheld.size() && withheld[i].Tax == withheld[first].Tax)
            continue;
        const current::WageWithholding &from = withheld[first];
        if (first > 0 && from.Rate != withheld[first - 1].Rate && i == first + 1)
            parts << QCoreApplication::translate("Pictures", "%1月 %2 × %3% − %4 − %5 = %6元")
                         .arg(from.Month)
                         .arg(Amount(from.CumulativeTaxable))
                         .arg(from.Rate)
                         .arg(Amount(from.QuickDeduction), Amount(from.WithheldBefore),
                              Amount(from.Tax));
        else if (i == withheld.size())
            parts << QCoreApplication::translate("Pictures", "%1月起每月%2元")
                         .arg(from.Month)
                         .arg(Amount(from.Tax));
        else
            parts << QCoreApplication::translate("Pictures", "%1至%2月每月%3元")
                         .arg(from.Month)
                         .arg(withheld[i - 1].Month)
                         .arg(Amount(from.Tax));
        first = i;
    }
    const current::WageMonth &month = months.front();
    return {
        E(QCoreApplication::translate("Pictures", "例：月薪%1元，三险一金%2元，专项附加扣除%3元：")
              .arg(Amount(month.Income), Amount(month.Insurance), Amount(month.Special))),
        E(parts.join(QCoreApplication::translate("Pictures", "；")) +
          QCoreApplication::translate("Pictures", "。"))};
}

} // namespace

std::vector<MethodPicture> CurrentWagePictures() {
    const current::YearRules &rules = current::LatestRules();
    std::vector<Block> blocks{
        F(QCoreApplication::translate("Pictures",
                                      "累计应纳税所得额 = 累计收入 − 累计免税收入 − 累计减除费用 − "
                                      "累计专项扣除 − 累计专项附加扣除 − 累计其他扣除")),
        F(QCoreApplication::translate("Pictures",
                                      "本月应预扣税额 = 累计应纳税所得额 × 预扣率 − 速算扣除数 − "
                                      "累计已预扣税额")),
        T(QCoreApplication::translate("Pictures",
                                      "累计减除费用：按月，%1元 × 在本单位发薪月数；自1月，"
                                      "%1元 × 月份；6万，1月起即为%2元。")
              .arg(Amount(rules.BasicMonthly), Amount(rules.BasicAnnual))),
        Tab(WithholdingTable())};
    for (const Block &block : Example())
        blocks.push_back(block);
    blocks.push_back(N(QCoreApplication::translate(
        "Pictures", "算得为负数时本月不预扣，年内不退，年度汇算时多退少补。")));
    blocks.push_back(T(QCoreApplication::translate(
                           "Pictures", "非居民个人：每月收入减除%1元后按月度税率表计税，不累计。")
                           .arg(Amount(rules.BasicMonthly))));
    return {{QStringLiteral("curwage"), QSize(430, 560), blocks}};
}

} // namespace Pictures
