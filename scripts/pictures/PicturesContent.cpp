// What every picture says. Each statement is the rule the page's engine applies, with its real
// constants; the worked examples are figures the engines reproduce.

#include "Pictures.h"

namespace Pictures {
namespace {

using namespace Blocks;

const BracketTable SalaryTable{QStringLiteral("全月应纳税所得额"),
                               {1500, 4500, 9000, 35000, 55000, 80000},
                               {3, 10, 20, 25, 30, 35, 45}};
const BracketTable SalaryOldTable{QStringLiteral("全月应纳税所得额"),
                                  {500, 2000, 5000, 20000, 40000, 60000, 80000, 100000},
                                  {5, 10, 15, 20, 25, 30, 35, 40, 45}};
const BracketTable YearAwardTable{QStringLiteral("年终奖平均数（÷12）"),
                                  {1500, 4500, 9000, 35000, 55000, 80000},
                                  {3, 10, 20, 25, 30, 35, 45}};
const BracketTable MakeUpTable{QStringLiteral("月应纳税所得额"),
                               {1500, 4500, 9000, 35000, 55000, 80000},
                               {3, 10, 20, 25, 30, 35, 45}};
const BracketTable LaoWuTable{QStringLiteral("每次应纳税所得额"), {20000, 50000}, {20, 30, 40}};
const BracketTable PersonalTable{
    QStringLiteral("全年应纳税所得额"), {5000, 10000, 30000, 50000}, {5, 10, 20, 30, 35}};
const BracketTable CompanyTable{
    QStringLiteral("全年应纳税所得额"), {5000, 10000, 30000, 50000}, {5, 10, 20, 30, 35}};

// The inside of each page's "计算方法" group (the group less its frame and caption): the picture
// must not be larger, or the page would cut it.
QSize Inside(int GroupWidth, int GroupHeight) {
    return {GroupWidth - 16, GroupHeight - 28};
}

const QSize Wide = Inside(420, 290);

// Cost deduction of the pages where a payment of exactly 4000 takes the fixed 800.
std::vector<Block> DeductUpTo4000() {
    return {F(QStringLiteral("不超过4000元：应纳税所得额 = 收入 − 800")),
            F(QStringLiteral("超过4000元：应纳税所得额 = 收入 × (1 − 20%)"))};
}

std::vector<Block> Join(std::vector<Block> A, const std::vector<Block> &B) {
    A.insert(A.end(), B.begin(), B.end());
    return A;
}

} // namespace

std::vector<MethodPicture> MethodPictures() {
    return {
        {QStringLiteral("salary"),
         Wide,
         {F(QStringLiteral("应纳税所得额 = 税前收入 − 五险一金 − 起征额")),
          T(QStringLiteral("起征额：国内人士3500元，外籍人士4800元")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
          F(QStringLiteral("税后收入 = 税前收入 − 五险一金 − 应纳税额")), Tab(SalaryTable)}},
        {QStringLiteral("salaryold"),
         Inside(400, 300),
         {F(QStringLiteral("应纳税所得额 = 税前收入 − 社保及公积金 − 起征额")),
          T(QStringLiteral("起征额：国内人士2000元，外籍人士4800元；不超过起征额的不纳税")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
          Tab(SalaryOldTable)}},
        {QStringLiteral("annualsalary"),
         Wide,
         {F(QStringLiteral("年薪 = 每月领取 × 12 + 年底其它奖金")),
          T(QStringLiteral("每月领取部分按工资薪金所得（月薪）逐月计税，起征额3500元"
                           "（外籍人士4800元）。")),
          T(QStringLiteral("年底其它奖金按全年一次性奖金计税：奖金 ÷ 12 确定适用税率和速算"
                           "扣除数，应纳税额 = 奖金 × 适用税率 − 速算扣除数。")),
          Tab(SalaryTable)}},
        {QStringLiteral("yearaward"),
         Wide,
         {T(QStringLiteral("当月工资 − 五险一金 ≥ 起征额：应纳税所得额 = 年终奖金")),
          T(QStringLiteral("当月工资 − 五险一金 < 起征额：应纳税所得额 = 年终奖金 − "
                           "(起征额 − 当月工资 + 五险一金)")),
          N(QStringLiteral("起征额：国内人士3500元，外籍人士4800元")),
          F(QStringLiteral("按 应纳税所得额 ÷ 12 确定适用税率和速算扣除数")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
          Tab(YearAwardTable)}},
        {QStringLiteral("makeup"),
         Inside(330, 300),
         {T(QStringLiteral("补偿收入不超过当地上年职工平均工资3倍的部分免税。")),
          F(QStringLiteral("月应纳税所得额 = (补偿收入 − 3 × 平均工资) ÷ 工作年限 − 月缴五险一金")),
          N(QStringLiteral("工作年限按实际年限计算，超过12年的按12年计算。")),
          F(QStringLiteral("月缴纳个税 = 月应纳税所得额 × 适用税率 − 速算扣除数")),
          F(QStringLiteral("纳税总计 = 月缴纳个税 × 工作年限")),
          F(QStringLiteral("税后收入 = 补偿收入 − 纳税总计 − 月缴五险一金")), Tab(MakeUpTable)}},
        {QStringLiteral("fivegolds"),
         Wide,
         {T(QStringLiteral("缴费基数：工资低于下限的按下限，高于上限的按上限，其余按工资；"
                           "社保与公积金各按自己的上下限。")),
          F(QStringLiteral("社保各项缴费 = 社保缴费基数 × 该项比例")),
          F(QStringLiteral("公积金 = 公积金缴费基数 × 公积金比例")),
          N(QStringLiteral("个人部分：养老、医疗、失业、公积金；单位部分另有工伤、生育。")),
          F(QStringLiteral("单位支出总计 = 工资 + 单位缴费合计")),
          F(QStringLiteral("应纳税额 = (工资 − 个人缴费合计 − 3500) × 税率 − 速算扣除数")),
          F(QStringLiteral("税后收入 = 工资 − 个人缴费合计 − 应纳税额")),
          E(QStringLiteral("例：基数5000元，个人比例8%、2%、1%、12%，个人缴费1150元，")),
          E(QStringLiteral("应纳税额 = (5000 − 1150 − 3500) × 3% = 10.5元"))}},
        {QStringLiteral("laowu"),
         Inside(370, 107),
         {F(QStringLiteral("收入不足4000元减除800元，4000元以上减除20%")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 税率 − 速算扣除数")),
          N(LaoWuTable.Compact())}},
        {QStringLiteral("writing"), Inside(370, 203),
         Join(DeductUpTo4000(),
              {F(QStringLiteral("应纳税额 = 应纳税所得额 × 20% × (1 − 30%)")),
               T(QStringLiteral("即按20%的税率减征30%，实际税率14%")),
               F(QStringLiteral("税后收入 = 收入 − 应纳税额")),
               E(QStringLiteral("例：收入5000元，应纳税额 = 4000 × 14% = 560元"))})},
        {QStringLiteral("license"), Inside(370, 275),
         Join(DeductUpTo4000(),
              {F(QStringLiteral("应纳税额 = 应纳税所得额 × 20%")),
               F(QStringLiteral("税后收入 = 收入 − 应纳税额")),
               N(QStringLiteral("收入不超过800元的不纳税。")),
               E(QStringLiteral("例：收入3000元，应纳税额 = (3000 − 800) × 20% = 440元")),
               E(QStringLiteral("例：收入5000元，应纳税额 = 5000 × 80% × 20% = 800元"))})},
        {QStringLiteral("interest"),
         Inside(370, 171),
         {F(QStringLiteral("应纳税所得额 = 收入金额（不减除费用）")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 20%")),
          F(QStringLiteral("税后收入 = 收入金额 − 应纳税额")),
          E(QStringLiteral("例：利息1000元，应纳税额200元，税后收入800元"))}},
        {QStringLiteral("chance"),
         Inside(370, 187),
         {F(QStringLiteral("应纳税所得额 = 每次收入金额（不减除费用）")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 20%")),
          F(QStringLiteral("税后收入 = 收入金额 − 应纳税额")),
          E(QStringLiteral("例：中奖1000元，应纳税额200元，税后收入800元"))}},
        {QStringLiteral("others"),
         Inside(370, 123),
         {F(QStringLiteral("应纳税所得额 = 收入金额")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 20%")),
          F(QStringLiteral("税后收入 = 收入金额 − 应纳税额"))}},
        {QStringLiteral("rent"), Inside(370, 211),
         Join(DeductUpTo4000(),
              {F(QStringLiteral("应纳税额 = 应纳税所得额 × 20%")),
               T(QStringLiteral("个人住房出租：税率10%")),
               F(QStringLiteral("税后收入 = 收入 − 应纳税额")),
               E(QStringLiteral("例：收入3000元，应纳税额 = 2200 × 20% = 440元"))})},
        {QStringLiteral("transfer"),
         Inside(370, 139),
         {F(QStringLiteral("应纳税所得额 = 收入金额 − 财产原值 − 有关税费")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 20%")),
          F(QStringLiteral("税后收入 = 收入金额 − 应纳税额")),
          N(QStringLiteral("转让亏损（应纳税所得额小于0）的不纳税"))}},
        {QStringLiteral("personal"),
         Inside(370, 99),
         {F(QStringLiteral("应纳税所得额 = 收入总额 − 成本、费用及损失")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数"))}},
        {QStringLiteral("company"),
         Inside(370, 244),
         {F(QStringLiteral("应纳税所得额 = 收入总额 − 2000 × 经营月份数")),
          F(QStringLiteral("应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
          F(QStringLiteral("税后收入 = 收入总额 − 应纳税额")),
          T(QStringLiteral("每月减除必要费用2000元，一个纳税年度按12个月计算；应纳税所得额"
                           "小于0的按0计算。")),
          E(QStringLiteral("例：收入30000元，经营12个月，应纳税所得额6000元，")),
          E(QStringLiteral("应纳税额 = 6000 × 10% − 250 = 350元"))}},
        {QStringLiteral("latefee"),
         Inside(370, 116),
         {F(QStringLiteral("滞纳金 = 应缴税额 × 滞纳天数 × 0.05%")),
          F(QStringLiteral("金额合计 = 应缴税额 + 滞纳金")),
          N(QStringLiteral("滞纳天数 = 实缴日期 − 届满日期；自2001年5月1日起，滞纳金"
                           "加征率为每日万分之五"))}},
    };
}

std::vector<Illustration> Illustrations() {
    const QSize size(380, 150);
    const QColor blue(0x2f, 0x6f, 0xb5), green(0x2e, 0x8b, 0x57), orange(0xe0, 0x7b, 0x22),
        red(0xc6, 0x3d, 0x2f), purple(0x6a, 0x4c, 0x9c), teal(0x1f, 0x8a, 0x8a),
        brown(0x8d, 0x5b, 0x2f);
    return {
        {QStringLiteral("salary"), size, QStringLiteral("工资薪金所得（月薪）"),
         QStringLiteral("起征额3500元 · 七级税率3%～45%"), Motif::Coins, blue},
        {QStringLiteral("salaryold"), size, QStringLiteral("工资薪金所得（月薪旧版）"),
         QStringLiteral("起征额2000元 · 九级税率5%～45%"), Motif::Calendar, brown},
        {QStringLiteral("annualsalary"), size, QStringLiteral("工资薪金所得（年薪）"),
         QStringLiteral("每月领取 + 年底其它奖金"), Motif::Chart, teal},
        {QStringLiteral("yearaward"), size, QStringLiteral("年终奖金所得"),
         QStringLiteral("全年一次性奖金 · 除以12确定税率"), Motif::Gift, red},
        {QStringLiteral("makeup"), QSize(330, 180), QStringLiteral("经济补偿金所得"),
         QStringLiteral("当地平均工资3倍以内免税"), Motif::Briefcase, purple},
        {QStringLiteral("fivegolds"), QSize(230, 400), QStringLiteral("五险一金计算器"),
         QStringLiteral("养老 · 医疗 · 失业 · 工伤 · 生育 · 公积金"), Motif::Shield, green},
        {QStringLiteral("laowu"), QSize(370, 148), QStringLiteral("劳务报酬所得"),
         QStringLiteral("减除费用后按20%～40%计税"), Motif::Document, orange},
        {QStringLiteral("writing"), size, QStringLiteral("稿酬所得"),
         QStringLiteral("税率20%，减征30%"), Motif::Book, brown},
        {QStringLiteral("license"), size, QStringLiteral("特许权使用费所得"),
         QStringLiteral("专利、商标、著作权等 · 税率20%"), Motif::Certificate, purple},
        {QStringLiteral("interest"), size, QStringLiteral("利息、股息、红利所得"),
         QStringLiteral("比例税率20%"), Motif::Coins, green},
        {QStringLiteral("chance"), size, QStringLiteral("偶然所得"),
         QStringLiteral("中奖、中彩 · 比例税率20%"), Motif::Ticket, red},
        {QStringLiteral("others"), size, QStringLiteral("其他所得"),
         QStringLiteral("被确定征税的其他部分 · 税率20%"), Motif::Chart, blue},
        {QStringLiteral("rent"), size, QStringLiteral("财产租赁所得"),
         QStringLiteral("税率20% · 个人住房出租10%"), Motif::HouseKey, teal},
        {QStringLiteral("transfer"), size, QStringLiteral("财产转让所得"),
         QStringLiteral("转让收入减原值及税费 · 税率20%"), Motif::House, orange},
        {QStringLiteral("personal"), QSize(370, 198), QStringLiteral("个体工商户生产、经营所得"),
         QStringLiteral("五级超额累进税率"), Motif::Chart, blue, &PersonalTable},
        {QStringLiteral("company"), QSize(372, 197), QStringLiteral("承包经营、承租经营所得"),
         QStringLiteral("五级超额累进税率"), Motif::Chart, teal, &CompanyTable},
        {QStringLiteral("latefee"), size, QStringLiteral("税收滞纳金计算器"),
         QStringLiteral("每日加收滞纳税款万分之五"), Motif::Clock, red},
    };
}

} // namespace Pictures
