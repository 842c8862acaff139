// What the "计算方法" pictures of the current-law bonus, remuneration, settlement and severance
// pages say: the rules of the law in force since 2019 with their real constants; the examples are
// figures the current-law engines reproduce.

#include "Pictures.h"

namespace Pictures {
namespace {

using namespace Blocks;

const BracketTable BonusTable{QStringLiteral("奖金 ÷ 12"),
                              {3000, 12000, 25000, 35000, 55000, 80000},
                              {3, 10, 20, 25, 30, 35, 45}};
const BracketTable MonthlyTable{QStringLiteral("月度应纳税所得额"),
                                {3000, 12000, 25000, 35000, 55000, 80000},
                                {3, 10, 20, 25, 30, 35, 45}};
const BracketTable AnnualTable{QStringLiteral("全年应纳税所得额"),
                               {36000, 144000, 300000, 420000, 660000, 960000},
                               {3, 10, 20, 25, 30, 35, 45}};
const BracketTable LabourTable{
    QStringLiteral("每次应纳税所得额（劳务报酬）"), {20000, 50000}, {20, 30, 40}};

} // namespace

std::vector<MethodPicture> CurrentPaymentPictures() {
    return {
        {QStringLiteral("curbonus"),
         QSize(380, 470),
         {F(QStringLiteral("单独计税：按 奖金 ÷ 12 查月度税率表")),
          F(QStringLiteral("奖金应纳税额 = 奖金 × 税率 − 速算扣除数")), Tab(BonusTable),
          F(QStringLiteral("并入综合所得：(其他应纳税所得额 + 奖金) 按年度税率表")),
          Tab(AnnualTable),
          T(QStringLiteral("临界点：奖金刚超过36000、144000、300000、420000、660000、960000元"
                           "时税后反而减少，直到38566.67、160500、318333.33、447500、"
                           "706538.46、1120000元。")),
          N(QStringLiteral("单独计税可选至2027年12月31日。"))}},
        {QStringLiteral("curlabour"),
         QSize(430, 490),
         {F(QStringLiteral("每次收入不超过4000元减除800元，超过4000元减除20%")),
          F(QStringLiteral("应纳税所得额 = 收入 − 减除费用；稿酬再 × 70%")),
          T(QStringLiteral("居民个人：劳务报酬按下表预扣，稿酬、特许权使用费按20%预扣")),
          Tab(LabourTable),
          E(QStringLiteral("例：劳务报酬30000元，税额 = 24000 × 30% − 2000 = 5200元")),
          N(QStringLiteral("年度汇算时，居民个人的劳务报酬、特许权使用费按收入的80%，"
                           "稿酬按收入的56%并入综合所得，多退少补。")),
          T(QStringLiteral("非居民个人：一律减除20%，稿酬再 × 70%，按月度税率表扣缴，"
                           "不办理年度汇算：")),
          Tab(MonthlyTable)}},
        {QStringLiteral("cursettle"),
         QSize(440, 440),
         {F(QStringLiteral("收入额 = 工资薪金 − 免税收入 + 劳务报酬 × 80% + 稿酬 × 80% × 70% "
                           "+ 特许权使用费 × 80%")),
          F(QStringLiteral("应纳税所得额 = 收入额 − 60000 − 三险一金 − 专项附加扣除 − 个人养老金"
                           "（≤12000）− 商业健康保险（≤2400）− 其他扣除")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 税率 − 速算扣除数")), Tab(AnnualTable),
          T(QStringLiteral("年终奖单独计税的另按奖金 ÷ 12 查月度税率表计税；并入综合所得的计入"
                           "收入额。")),
          F(QStringLiteral("应补（退）税额 = 应纳税额 + 年终奖税额 − 已预缴税额")),
          T(QStringLiteral("补税不超过400元，或综合所得年收入不超过12万元的，无需办理；"
                           "有退税的可以申请退税。")),
          E(QStringLiteral("例：收入额116600元，扣除109400元，税额 = 7200 × 3% = 216元")),
          N(QStringLiteral("办理时间：次年3月1日至6月30日。"))}},
        {QStringLiteral("curseverance"),
         QSize(430, 360),
         {F(QStringLiteral("免税部分 = 补偿收入与当地上年职工平均工资 × 3 中较小者")),
          F(QStringLiteral("应纳税部分 = 补偿收入 − 免税部分")),
          F(QStringLiteral("应纳税额 = 应纳税部分 × 税率 − 速算扣除数")),
          F(QStringLiteral("税后收入 = 补偿收入 − 应纳税额")),
          T(QStringLiteral("应纳税部分不并入当年综合所得，单独按年度税率表计税：")),
          Tab(AnnualTable), E(QStringLiteral("例：平均工资60000元，补偿300000元，免税180000元，")),
          E(QStringLiteral("税额 = 120000 × 10% − 2520 = 9480元"))}},
    };
}

} // namespace Pictures
