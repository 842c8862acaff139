// What every picture says. Each statement is the rule the page's engine applies, with the
// engine's own constants and tables; the worked examples are computed by the engines.

#include "Pictures.h"

#include "engine/UCompanyManager.h"
#include "engine/UGoldsContribution.h"
#include "engine/ULaoWuManager.h"
#include "engine/ULateFeeManager.h"
#include "engine/ULicenseManager.h"
#include "engine/UMakeUpManager.h"
#include "engine/UOthersManager.h"
#include "engine/URentManager.h"
#include "engine/USalaryOldManager.h"
#include "engine/USalaryTaxManager.h"
#include "engine/UTPersonalManager.h"
#include "engine/UTransferManager.h"
#include "engine/UWritingManager.h"
#include "engine/UYearAwardManager.h"
#include "engine/current/Rules.h"

namespace Pictures {
namespace {

using namespace Blocks;

BracketTable SalaryTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "全月应纳税所得额"),
                            TSalaryTaxManager::Table());
}
BracketTable SalaryOldTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "全月应纳税所得额"),
                            TSalaryOldManager::Table());
}
BracketTable YearAwardTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "年终奖平均数（÷%1）")
                                .arg(TYearAwardManager::Months),
                            TYearAwardManager::Table());
}
// The severance of the earlier rules spreads the taxed part over the years and taxes each month's
// share on the monthly wage table.
BracketTable MakeUpTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "月应纳税所得额"),
                            TSalaryTaxManager::Table());
}
BracketTable LaoWuTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "每次应纳税所得额"),
                            TLaoWuManager::Table());
}
BracketTable PersonalTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "全年应纳税所得额"),
                            TPersonalManager::Table());
}
BracketTable CompanyTable() {
    return BracketTable::Of(QCoreApplication::translate("Pictures", "全年应纳税所得额"),
                            TCompanyManager::Table());
}

// The inside of each page's "计算方法" group (the group less its frame and caption): the picture
// must not be larger, or the page would cut it.
QSize Inside(int GroupWidth, int GroupHeight) {
    return {GroupWidth - 16, GroupHeight - 28};
}

const QSize Wide = Inside(420, 290);

QString StartPoints(int32_t Domestic, int32_t Foreign) {
    return QCoreApplication::translate("Pictures", "国内人士%1元，外籍人士%2元")
        .arg(Domestic)
        .arg(Foreign);
}

// Cost deduction of the pages where a payment of exactly the threshold takes the fixed amount.
std::vector<Block> DeductUpTo(double Threshold, double Fixed, double Ratio) {
    return {F(QCoreApplication::translate("Pictures", "不超过%1元：应纳税所得额 = 收入 − %2")
                  .arg(Number(Threshold), Number(Fixed))),
            F(QCoreApplication::translate("Pictures", "超过%1元：应纳税所得额 = 收入 × (1 − %2)")
                  .arg(Number(Threshold), Percent(Ratio)))};
}

std::vector<Block> Join(std::vector<Block> A, const std::vector<Block> &B) {
    A.insert(A.end(), B.begin(), B.end());
    return A;
}

// "七级税率3%～45%".
QString Bands(const BracketTable &Table) {
    return QCoreApplication::translate("Pictures", "%1级税率%2%～%3%")
        .arg(Count(static_cast<int>(Table.RatePercents.size())))
        .arg(Table.RatePercents.front())
        .arg(Table.RatePercents.back());
}

std::vector<Block> SalaryMethod() {
    return {
        F(QCoreApplication::translate("Pictures", "应纳税所得额 = 税前收入 − 五险一金 − 起征额")),
        T(QCoreApplication::translate("Pictures", "起征额：%1")
              .arg(StartPoints(TSalaryTaxManager::StartPoint,
                               TSalaryTaxManager::ForeignStartPoint))),
        F(QCoreApplication::translate("Pictures",
                                      "应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
        F(QCoreApplication::translate("Pictures", "税后收入 = 税前收入 − 五险一金 − 应纳税额")),
        Tab(SalaryTable())};
}

std::vector<Block> SalaryOldMethod() {
    return {F(QCoreApplication::translate("Pictures",
                                          "应纳税所得额 = 税前收入 − 社保及公积金 − 起征额")),
            T(QCoreApplication::translate("Pictures", "起征额：%1；不超过起征额的不纳税")
                  .arg(StartPoints(TSalaryOldManager::StartPoint,
                                   TSalaryOldManager::ForeignStartPoint))),
            F(QCoreApplication::translate("Pictures",
                                          "应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
            Tab(SalaryOldTable())};
}

std::vector<Block> AnnualSalaryMethod() {
    const int months = TYearAwardManager::Months;
    return {F(QCoreApplication::translate("Pictures", "年薪 = 每月领取 × %1 + 年底其它奖金")
                  .arg(months)),
            T(QCoreApplication::translate("Pictures",
                                          "每月领取部分按工资薪金所得（月薪）逐月计税，起征额%1元"
                                          "（外籍人士%2元）。")
                  .arg(TSalaryTaxManager::StartPoint)
                  .arg(TSalaryTaxManager::ForeignStartPoint)),
            T(QCoreApplication::translate(
                  "Pictures", "年底其它奖金按全年一次性奖金计税：奖金 ÷ %1 确定适用税率和速算"
                              "扣除数，应纳税额 = 奖金 × 适用税率 − 速算扣除数。")
                  .arg(months)),
            Tab(SalaryTable())};
}

std::vector<Block> YearAwardMethod() {
    return {
        T(QCoreApplication::translate("Pictures",
                                      "当月工资 − 五险一金 ≥ 起征额：应纳税所得额 = 年终奖金")),
        T(QCoreApplication::translate("Pictures",
                                      "当月工资 − 五险一金 < 起征额：应纳税所得额 = 年终奖金 − "
                                      "(起征额 − 当月工资 + 五险一金)")),
        N(QCoreApplication::translate("Pictures", "起征额：%1")
              .arg(StartPoints(TYearAwardManager::StartPoint,
                               TYearAwardManager::ForeignStartPoint))),
        F(QCoreApplication::translate("Pictures", "按 应纳税所得额 ÷ %1 确定适用税率和速算扣除数")
              .arg(TYearAwardManager::Months)),
        F(QCoreApplication::translate("Pictures",
                                      "应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
        Tab(YearAwardTable())};
}

std::vector<Block> MakeUpMethod() {
    const int times = TMakeUpManager::FreeTimes;
    return {
        T(QCoreApplication::translate("Pictures",
                                      "补偿收入不超过当地上年职工平均工资%1倍的部分免税。")
              .arg(times)),
        F(QCoreApplication::translate("Pictures",
                                      "月应纳税所得额 = (补偿收入 − %1 × 平均工资) ÷ 工作年限 − "
                                      "月缴五险一金")
              .arg(times)),
        N(QCoreApplication::translate("Pictures", "工作年限按实际年限计算，超过%1年的按%1年计算。")
              .arg(TMakeUpManager::MaxYears)),
        F(QCoreApplication::translate("Pictures",
                                      "月缴纳个税 = 月应纳税所得额 × 适用税率 − 速算扣除数")),
        F(QCoreApplication::translate("Pictures", "纳税总计 = 月缴纳个税 × 工作年限")),
        F(QCoreApplication::translate("Pictures", "税后收入 = 补偿收入 − 纳税总计 − 月缴五险一金")),
        Tab(MakeUpTable())};
}

// A wage at the example's base, with the employee's usual shares of a city.
std::vector<Block> FiveGoldsMethod() {
    TGoldsSetupInfo city;
    city.PPension = 8;
    city.PMedical = 2;
    city.PLostJob = 1;
    city.PFund = 12;
    city.SMax = city.PMax = 100000;
    const double wage = 5000;
    const TGoldsContribution paid = Golds::Contribute(city, wage);
    const TTaxInfo tax = TSalaryTaxManager::Calc(false, wage, paid.PTotal);
    const QString start = Number(TSalaryTaxManager::StartPoint);
    return {
        T(QCoreApplication::translate(
            "Pictures", "缴费基数：工资低于下限的按下限，高于上限的按上限，其余按工资；"
                        "社保与公积金各按自己的上下限。")),
        F(QCoreApplication::translate("Pictures", "社保各项缴费 = 社保缴费基数 × 该项比例")),
        F(QCoreApplication::translate("Pictures", "公积金 = 公积金缴费基数 × 公积金比例")),
        N(QCoreApplication::translate(
            "Pictures", "个人部分：养老、医疗、失业、公积金；单位部分另有工伤、生育。")),
        F(QCoreApplication::translate("Pictures", "单位支出总计 = 工资 + 单位缴费合计")),
        F(QCoreApplication::translate("Pictures",
                                      "应纳税额 = (工资 − 个人缴费合计 − %1) × 税率 − 速算扣除数")
              .arg(start)),
        F(QCoreApplication::translate("Pictures", "税后收入 = 工资 − 个人缴费合计 − 应纳税额")),
        E(QCoreApplication::translate("Pictures",
                                      "例：基数%1元，个人比例%2%、%3%、%4%、%5%，个人缴费%6元，")
              .arg(Number(wage), Number(city.PPension), Number(city.PMedical),
                   Number(city.PLostJob), Number(city.PFund), Number(paid.PTotal))),
        E(QCoreApplication::translate("Pictures", "应纳税额 = (%1 − %2 − %3) × %4 = %5元")
              .arg(Number(wage), Number(paid.PTotal), start, Percent(tax.Rate), Number(tax.Tax)))};
}

std::vector<Block> LaoWuMethod() {
    return {
        F(QCoreApplication::translate("Pictures", "收入不足%1元减除%2元，%1元以上减除%3")
              .arg(Number(TLaoWuManager::Threshold), Number(TLaoWuManager::FixedDeduct),
                   Percent(TLaoWuManager::DeductRatio))),
        F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税所得额 × 税率 − 速算扣除数")),
        N(LaoWuTable().Compact())};
}

std::vector<Block> WritingMethod() {
    const double income = 5000;
    const TWritingInfo example = TWritingManager::Calc(income);
    return Join(
        DeductUpTo(TWritingManager::Threshold, TWritingManager::FixedDeduct,
                   TWritingManager::DeductRatio),
        {F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税所得额 × %1 × (1 − %2)")
               .arg(Percent(TWritingManager::BaseRate), Percent(TWritingManager::Reduction))),
         T(QCoreApplication::translate("Pictures", "即按%1的税率减征%2，实际税率%3")
               .arg(Percent(TWritingManager::BaseRate), Percent(TWritingManager::Reduction),
                    Percent(TWritingManager::EffectiveRate))),
         F(QCoreApplication::translate("Pictures", "税后收入 = 收入 − 应纳税额")),
         E(QCoreApplication::translate("Pictures", "例：收入%1元，应纳税额 = %2 × %3 = %4元")
               .arg(Number(income), Number(example.TaxableIncome),
                    Percent(TWritingManager::EffectiveRate), Number(example.Tax)))});
}

std::vector<Block> LicenseMethod() {
    const double small = 3000, large = 5000;
    const TLicenseInfo below = TLicenseManager::Calc(small), above = TLicenseManager::Calc(large);
    const QString rate = Percent(TLicenseManager::Rate);
    return Join(
        DeductUpTo(TLicenseManager::DeductThreshold, TLicenseManager::FixedDeduct,
                   TLicenseManager::DeductRatio),
        {F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税所得额 × %1").arg(rate)),
         F(QCoreApplication::translate("Pictures", "税后收入 = 收入 − 应纳税额")),
         N(QCoreApplication::translate("Pictures", "收入不超过%1元的不纳税。")
               .arg(Number(TLicenseManager::FixedDeduct))),
         E(QCoreApplication::translate("Pictures", "例：收入%1元，应纳税额 = (%1 − %2) × %3 = %4元")
               .arg(Number(small), Number(TLicenseManager::FixedDeduct), rate, Number(below.Tax))),
         E(QCoreApplication::translate("Pictures", "例：收入%1元，应纳税额 = %1 × %2 × %3 = %4元")
               .arg(Number(large), Percent(1 - TLicenseManager::DeductRatio), rate,
                    Number(above.Tax)))});
}

// The three pages at one flat rate on the whole income, with an example of Income where the page
// names one.
std::vector<Block> FlatRateMethod(const QString &Taxable, const QString &Example) {
    std::vector<Block> blocks{
        F(QCoreApplication::translate("Pictures", "应纳税所得额 = %1").arg(Taxable)),
        F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税所得额 × %1")
              .arg(Percent(TOthersManager::FlatRate))),
        F(QCoreApplication::translate("Pictures", "税后收入 = 收入金额 − 应纳税额"))};
    if (!Example.isEmpty()) {
        const double income = 1000;
        const TOthersInfo paid = TOthersManager::Calc(income);
        blocks.push_back(
            E(QCoreApplication::translate("Pictures", "例：%1%2元，应纳税额%3元，税后收入%4元")
                  .arg(Example, Number(income), Number(paid.Tax), Number(paid.IncomeAfterTax))));
    }
    return blocks;
}

std::vector<Block> RentMethod() {
    const double income = 3000;
    const TRentInfo example = TRentManager::Calc(income, false);
    return Join(
        DeductUpTo(TRentManager::Threshold, TRentManager::FixedDeduct, TRentManager::DeductRatio),
        {F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税所得额 × %1")
               .arg(Percent(TRentManager::OrdinaryRate))),
         T(QCoreApplication::translate("Pictures", "个人住房出租：税率%1")
               .arg(Percent(TRentManager::HousingRate))),
         F(QCoreApplication::translate("Pictures", "税后收入 = 收入 − 应纳税额")),
         E(QCoreApplication::translate("Pictures", "例：收入%1元，应纳税额 = %2 × %3 = %4元")
               .arg(Number(income), Number(example.TaxableIncome),
                    Percent(TRentManager::OrdinaryRate), Number(example.Tax)))});
}

std::vector<Block> CompanyMethod() {
    const int months = current::Law::MonthsInYear;
    const double income = 30000;
    const TCompanyInfo example = TCompanyManager::Calc(months, income);
    const QString deduct = Number(TCompanyManager::MonthlyDeduct);
    return {
        F(QCoreApplication::translate("Pictures", "应纳税所得额 = 收入总额 − %1 × 经营月份数")
              .arg(deduct)),
        F(QCoreApplication::translate("Pictures",
                                      "应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数")),
        F(QCoreApplication::translate("Pictures", "税后收入 = 收入总额 − 应纳税额")),
        T(QCoreApplication::translate("Pictures",
                                      "每月减除必要费用%1元，一个纳税年度按%2个月计算；应纳税所得额"
                                      "小于0的按0计算。")
              .arg(deduct)
              .arg(months)),
        E(QCoreApplication::translate("Pictures", "例：收入%1元，经营%2个月，应纳税所得额%3元，")
              .arg(Number(income))
              .arg(months)
              .arg(Number(example.TaxableIncome))),
        E(QCoreApplication::translate("Pictures", "应纳税额 = %1 × %2 − %3 = %4元")
              .arg(Number(example.TaxableIncome), Percent(example.Rate), Number(example.Deduct),
                   Number(example.Tax)))};
}

} // namespace

std::vector<MethodPicture> MethodPictures() {
    return {
        {QStringLiteral("salary"), Wide, SalaryMethod()},
        {QStringLiteral("salaryold"), Inside(400, 300), SalaryOldMethod()},
        {QStringLiteral("annualsalary"), Wide, AnnualSalaryMethod()},
        {QStringLiteral("yearaward"), Wide, YearAwardMethod()},
        {QStringLiteral("makeup"), Inside(330, 300), MakeUpMethod()},
        {QStringLiteral("fivegolds"), Wide, FiveGoldsMethod()},
        {QStringLiteral("laowu"), Inside(370, 107), LaoWuMethod()},
        {QStringLiteral("writing"), Inside(370, 203), WritingMethod()},
        {QStringLiteral("license"), Inside(370, 275), LicenseMethod()},
        {QStringLiteral("interest"), Inside(370, 171),
         FlatRateMethod(QCoreApplication::translate("Pictures", "收入金额（不减除费用）"),
                        QCoreApplication::translate("Pictures", "利息"))},
        {QStringLiteral("chance"), Inside(370, 187),
         FlatRateMethod(QCoreApplication::translate("Pictures", "每次收入金额（不减除费用）"),
                        QCoreApplication::translate("Pictures", "中奖"))},
        {QStringLiteral("others"), Inside(370, 123),
         FlatRateMethod(QCoreApplication::translate("Pictures", "收入金额"), QString())},
        {QStringLiteral("rent"), Inside(370, 211), RentMethod()},
        {QStringLiteral("transfer"),
         Inside(370, 139),
         {F(QCoreApplication::translate("Pictures",
                                        "应纳税所得额 = 收入金额 − 财产原值 − 有关税费")),
          F(QCoreApplication::translate("Pictures", "应纳税额 = 应纳税所得额 × %1")
                .arg(Percent(TTransferManager::Rate))),
          F(QCoreApplication::translate("Pictures", "税后收入 = 收入金额 − 应纳税额")),
          N(QCoreApplication::translate("Pictures", "转让亏损（应纳税所得额小于0）的不纳税"))}},
        {QStringLiteral("personal"),
         Inside(370, 99),
         {F(QCoreApplication::translate("Pictures", "应纳税所得额 = 收入总额 − 成本、费用及损失")),
          F(QCoreApplication::translate("Pictures",
                                        "应纳税额 = 应纳税所得额 × 适用税率 − 速算扣除数"))}},
        {QStringLiteral("company"), Inside(370, 244), CompanyMethod()},
        {QStringLiteral("latefee"),
         Inside(370, 116),
         {F(QCoreApplication::translate("Pictures", "滞纳金 = 应缴税额 × 滞纳天数 × %1")
                .arg(Percent(TLateFeeManager::DailyRate))),
          F(QCoreApplication::translate("Pictures", "金额合计 = 应缴税额 + 滞纳金")),
          N(QCoreApplication::translate("Pictures",
                                        "滞纳天数 = 实缴日期 − 届满日期；自2001年5月1日起，滞纳金"
                                        "加征率为每日万分之五"))}},
    };
}

std::vector<Illustration> Illustrations() {
    const QSize size(380, 150);
    const QColor blue(0x2f, 0x6f, 0xb5), green(0x2e, 0x8b, 0x57), orange(0xe0, 0x7b, 0x22),
        red(0xc6, 0x3d, 0x2f), purple(0x6a, 0x4c, 0x9c), teal(0x1f, 0x8a, 0x8a),
        brown(0x8d, 0x5b, 0x2f);
    const QString flat = Percent(TOthersManager::FlatRate);
    return {
        {QStringLiteral("salary"), size,
         QCoreApplication::translate("Pictures", "工资薪金所得（月薪）"),
         QCoreApplication::translate("Pictures", "起征额%1元 · %2")
             .arg(TSalaryTaxManager::StartPoint)
             .arg(Bands(SalaryTable())),
         Motif::Coins, blue},
        {QStringLiteral("salaryold"), size,
         QCoreApplication::translate("Pictures", "工资薪金所得（月薪旧版）"),
         QCoreApplication::translate("Pictures", "起征额%1元 · %2")
             .arg(TSalaryOldManager::StartPoint)
             .arg(Bands(SalaryOldTable())),
         Motif::Calendar, brown},
        {QStringLiteral("annualsalary"), size,
         QCoreApplication::translate("Pictures", "工资薪金所得（年薪）"),
         QCoreApplication::translate("Pictures", "每月领取 + 年底其它奖金"), Motif::Chart, teal},
        {QStringLiteral("yearaward"), size, QCoreApplication::translate("Pictures", "年终奖金所得"),
         QCoreApplication::translate("Pictures", "全年一次性奖金 · 除以%1确定税率")
             .arg(TYearAwardManager::Months),
         Motif::Gift, red},
        {QStringLiteral("makeup"), QSize(330, 180),
         QCoreApplication::translate("Pictures", "经济补偿金所得"),
         QCoreApplication::translate("Pictures", "当地平均工资%1倍以内免税")
             .arg(TMakeUpManager::FreeTimes),
         Motif::Briefcase, purple},
        {QStringLiteral("fivegolds"), QSize(230, 400),
         QCoreApplication::translate("Pictures", "五险一金计算器"),
         QCoreApplication::translate("Pictures", "养老 · 医疗 · 失业 · 工伤 · 生育 · 公积金"),
         Motif::Shield, green},
        {QStringLiteral("laowu"), QSize(370, 148),
         QCoreApplication::translate("Pictures", "劳务报酬所得"),
         QCoreApplication::translate("Pictures", "减除费用后按%1%～%2%计税")
             .arg(LaoWuTable().RatePercents.front())
             .arg(LaoWuTable().RatePercents.back()),
         Motif::Document, orange},
        {QStringLiteral("writing"), size, QCoreApplication::translate("Pictures", "稿酬所得"),
         QCoreApplication::translate("Pictures", "税率%1，减征%2")
             .arg(Percent(TWritingManager::BaseRate), Percent(TWritingManager::Reduction)),
         Motif::Book, brown},
        {QStringLiteral("license"), size,
         QCoreApplication::translate("Pictures", "特许权使用费所得"),
         QCoreApplication::translate("Pictures", "专利、商标、著作权等 · 税率%1")
             .arg(Percent(TLicenseManager::Rate)),
         Motif::Certificate, purple},
        {QStringLiteral("interest"), size,
         QCoreApplication::translate("Pictures", "利息、股息、红利所得"),
         QCoreApplication::translate("Pictures", "比例税率%1").arg(flat), Motif::Coins, green},
        {QStringLiteral("chance"), size, QCoreApplication::translate("Pictures", "偶然所得"),
         QCoreApplication::translate("Pictures", "中奖、中彩 · 比例税率%1").arg(flat),
         Motif::Ticket, red},
        {QStringLiteral("others"), size, QCoreApplication::translate("Pictures", "其他所得"),
         QCoreApplication::translate("Pictures", "被确定征税的其他部分 · 税率%1").arg(flat),
         Motif::Chart, blue},
        {QStringLiteral("rent"), size, QCoreApplication::translate("Pictures", "财产租赁所得"),
         QCoreApplication::translate("Pictures", "税率%1 · 个人住房出租%2")
             .arg(Percent(TRentManager::OrdinaryRate), Percent(TRentManager::HousingRate)),
         Motif::HouseKey, teal},
        {QStringLiteral("transfer"), size, QCoreApplication::translate("Pictures", "财产转让所得"),
         QCoreApplication::translate("Pictures", "转让收入减原值及税费 · 税率%1")
             .arg(Percent(TTransferManager::Rate)),
         Motif::House, orange},
        {QStringLiteral("personal"), QSize(370, 198),
         QCoreApplication::translate("Pictures", "个体工商户生产、经营所得"),
         QCoreApplication::translate("Pictures", "%1级超额累进税率")
             .arg(Count(static_cast<int>(PersonalTable().RatePercents.size()))),
         Motif::Chart, blue, PersonalTable()},
        {QStringLiteral("company"), QSize(372, 197),
         QCoreApplication::translate("Pictures", "承包经营、承租经营所得"),
         QCoreApplication::translate("Pictures", "%1级超额累进税率")
             .arg(Count(static_cast<int>(CompanyTable().RatePercents.size()))),
         Motif::Chart, teal, CompanyTable()},
        {QStringLiteral("latefee"), size,
         QCoreApplication::translate("Pictures", "税收滞纳金计算器"),
         QCoreApplication::translate("Pictures", "每日加收滞纳税款万分之五"), Motif::Clock, red},
    };
}

} // namespace Pictures
