// What the "计算方法" picture of the current-law wage page says: cumulative withholding as the
// law in force since 2019 states it, with the example the wage engine reproduces.

#include "Pictures.h"

namespace Pictures {
namespace {

using namespace Blocks;

// The withholding table of wages (预扣率表一) is the annual table.
const BracketTable WithholdingTable{QStringLiteral("累计预扣预缴应纳税所得额"),
                                    {36000, 144000, 300000, 420000, 660000, 960000},
                                    {3, 10, 20, 25, 30, 35, 45}};

} // namespace

std::vector<MethodPicture> CurrentWagePictures() {
    return {
        {QStringLiteral("curwage"),
         QSize(430, 560),
         {F(QStringLiteral("累计应纳税所得额 = 累计收入 − 累计免税收入 − 累计减除费用 − "
                           "累计专项扣除 − 累计专项附加扣除 − 累计其他扣除")),
          F(QStringLiteral("本月应预扣税额 = 累计应纳税所得额 × 预扣率 − 速算扣除数 − "
                           "累计已预扣税额")),
          T(QStringLiteral("累计减除费用：按月，5000元 × 在本单位发薪月数；自1月，"
                           "5000元 × 月份；6万，1月起即为60000元。")),
          {Block::Table, {}, &WithholdingTable},
          E(QStringLiteral("例：月薪20000元，三险一金2000元，专项附加扣除3000元：")),
          E(QStringLiteral("1至3月每月300元；4月 40000 × 10% − 2520 − 900 = 580元；"
                           "5月起每月1000元。")),
          N(QStringLiteral("算得为负数时本月不预扣，年内不退，年度汇算时多退少补。")),
          T(QStringLiteral("非居民个人：每月收入减除5000元后按月度税率表计税，不累计。"))}},
    };
}

} // namespace Pictures
