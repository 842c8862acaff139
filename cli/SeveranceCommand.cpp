// pendra-cli severance: the compensation for ending a labour contract.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Rules.h"
#include "engine/current/Severance.h"

namespace Cli {

int RunSeverance(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("severance"),
        QStringLiteral("解除劳动合同的一次性补偿收入：当地上年职工平均工资 %1 倍以内的部分免税，\n"
                       "超过的部分单独按综合所得年度税率表计税。")
            .arg(current::Law::TaxFreeYears),
        {QStringLiteral("pendra-cli severance --amount 300000 --average-wage 60000"),
         QStringLiteral("pendra-cli severance --amount 150000 --average-wage 90000 --json")});
    line.AddAmount("amount", QStringLiteral("一次性补偿收入（必填）"));
    line.AddAmount("average-wage", QStringLiteral("当地上年职工平均工资（年，必填）"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({"amount", "average-wage"}))
        return *done;
    const current::Severance s =
        current::TaxSeverance(line.Amount("amount"), line.Amount("average-wage"));
    if (line.Json()) {
        PrintJson({{"income", JsonMoney(s.Income)},
                   {"exempt", JsonMoney(s.Exempt)},
                   {"taxable", JsonMoney(s.Taxable)},
                   {"rate", s.Rate},
                   {"quick_deduction", JsonMoney(s.QuickDeduction)},
                   {"tax", JsonMoney(s.Tax)},
                   {"after_tax", JsonMoney(s.AfterTax)}});
        return Success;
    }
    PrintOut(Pairs({{QStringLiteral("补偿收入"), Money(s.Income)},
                    {QStringLiteral("免税部分"), Money(s.Exempt)},
                    {QStringLiteral("应纳税所得额"), Money(s.Taxable)},
                    {QStringLiteral("税率"), Rate(s.Rate)},
                    {QStringLiteral("速算扣除数"), Money(s.QuickDeduction)},
                    {QStringLiteral("应纳税额"), Money(s.Tax)},
                    {QStringLiteral("税后收入"), Money(s.AfterTax)}}));
    return Success;
}

} // namespace Cli
