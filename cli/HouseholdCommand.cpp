// pendra-cli household: the split of a couple's shared deductions that costs them least, from
// the household file, beside the costliest split and everything claimed by a, or by b.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/SettlementOutput.h"
#include "engine/current/Household.h"
#include "formats/Result.h"
#include "formats/ResultKeys.h"
#include "formats/Vocabulary.h"
#include "sheets/HouseholdFile.h"

#include <QCoreApplication>

namespace Cli {
namespace {

using current::Placement;

class Words {
    Q_DECLARE_TR_FUNCTIONS(HouseholdCommand)
};

QString PlacementName(Placement Where) {
    return QString::fromLatin1(formats::keys::Place(Where));
}

QString PlacementTitle(Placement Where) {
    return Where == Placement::Half ? Words::tr("各 %1%").arg(current::Law::HalfShare)
                                    : PlacementName(Where);
}

QString MonthText(const current::CalendarMonth &When) {
    return QString::asprintf("%04d-%02d", When.Year, When.Month);
}

QString IllnessTitle(const current::IllnessFacts &Entry) {
    const QString who = QCoreApplication::translate(
        formats::VocabularyContext, formats::WordOf(formats::Patients(), Entry.Who).Caption);
    return Words::tr("大病医疗（%1，自付 %2）").arg(who, Money(Entry.Paid));
}

// Each shared item with its place under the best, the worst and everything to a.
QString PlacesTable(const current::SharedItems &Shared, const current::HouseholdSplit &Split) {
    TextTable table(TextTable::AllLeft);
    QStringList titles{Words::tr("共同项目"), Words::tr("最优"), Words::tr("最不利"),
                       Words::tr("全部由 a 扣除")};
    if (Split.Now)
        titles.insert(1, Words::tr("现在"));
    table.AddRow(titles);
    const auto row = [&](const QString &Title, auto Place) {
        QStringList cells{Title, PlacementTitle(Place(Split.Best.Assignment)),
                          PlacementTitle(Place(Split.Worst.Assignment)),
                          PlacementTitle(Place(Split.AllToA.Assignment))};
        if (Split.Now)
            cells.insert(1, PlacementTitle(Place(Split.Now->Assignment)));
        table.AddRow(cells);
    };
    for (std::size_t i = 0; i < Shared.Children.size(); ++i) {
        const current::Date &born = Shared.Children[i].Born;
        row(Words::tr("子女（%1 出生）")
                .arg(QString::asprintf("%04d-%02d-%02d", born.Year, born.Month, born.Day)),
            [i](const current::HouseholdAssignment &a) { return a.Children[i]; });
    }
    if (Shared.HousingLoan) {
        const QString title = Shared.HousingLoan->BothBeforeMarriage
                                  ? Words::tr("住房贷款利息（首次还款 %1，婚前各自购房）")
                                  : Words::tr("住房贷款利息（首次还款 %1）");
        row(title.arg(MonthText(Shared.HousingLoan->FirstRepayment)),
            [](const current::HouseholdAssignment &a) { return *a.HousingLoan; });
    }
    for (std::size_t i = 0; i < Shared.Rent.size(); ++i) {
        const current::SharedLease &lease = Shared.Rent[i];
        const QString signer =
            lease.SignedBy == current::Signer::Both
                ? Words::tr("两人")
                : PlacementName(lease.SignedBy == current::Signer::A ? Placement::A : Placement::B);
        row(Words::tr("住房租金（%1 至 %2，每月 %3，%4签约）")
                .arg(MonthText(lease.From), MonthText(lease.To), LawAmount(lease.Amount), signer),
            [i](const current::HouseholdAssignment &a) { return a.Rent[i]; });
    }
    for (std::size_t i = 0; i < Shared.Illness.size(); ++i)
        row(IllnessTitle(Shared.Illness[i]),
            [i](const current::HouseholdAssignment &a) { return a.Illness[i]; });
    return table.Render();
}

// Both settlements under the best split, side by side, with each one's sentence.
QString SettlementsText(const current::HouseholdChoice &Best, int Year) {
    const QList<QStringList> a = YearSettlementPairs(Best.A.Settled);
    const QList<QStringList> b = YearSettlementPairs(Best.B.Settled);
    TextTable table;
    table.AddRow({Words::tr("最优分配下的年度汇算"), QStringLiteral("a"), QStringLiteral("b")});
    for (qsizetype i = 0; i < a.size(); ++i)
        table.AddRow({a[i][0], a[i][1], b[i][1]});
    const current::YearRules *found = current::RulesOf(Year);
    const current::YearRules &rules = found ? *found : current::LatestRules();
    return table.Render() + Words::tr("a：") + ReasonText(Best.A.Settled.Figures, rules) +
           Words::tr("\nb：") + ReasonText(Best.B.Settled.Figures, rules) + u'\n';
}

QString Text(const current::Household &Household, const current::HouseholdSplit &Split) {
    const current::Cents best = Split.Best.Total;
    QString text = Words::tr("家庭分配（%1 年）：试过 %n 种分配\n\n", nullptr,
                             static_cast<int>(Split.Combinations))
                       .arg(Household.A.Year);
    // The names the two years hold, when they hold any: a and b are who the tables call them.
    if (!Household.A.Name.empty() || !Household.B.Name.empty()) {
        const auto named = [](const QString &Who, const std::string &Name) {
            return Name.empty() ? Who
                                : Words::tr("%1（%2）").arg(Who, QString::fromStdString(Name));
        };
        text += Words::tr("两人：%1，%2\n\n")
                    .arg(named(QStringLiteral("a"), Household.A.Name),
                         named(QStringLiteral("b"), Household.B.Name));
    }
    if (Split.Combinations > 1)
        text += PlacesTable(Household.Shared, Split) + u'\n';
    text += SettlementsText(Split.Best, Household.A.Year) + u'\n';
    text += Words::tr("两人应纳税额合计：最优分配 %1，全部由 a 扣除 %2，最不利的分配 %3\n")
                .arg(Money(best), Money(Split.AllToA.Total), Money(Split.Worst.Total));
    text += Words::tr("最优分配比全部由 a 扣除少缴 %1，比最不利的分配少缴 %2\n")
                .arg(Money(Split.AllToA.Total - best), Money(Split.Worst.Total - best));
    text += Words::tr("全部由 b 扣除：两人应纳税额合计 %1，最优分配比其少缴 %2\n")
                .arg(Money(Split.AllToB.Total), Money(Split.AllToB.Total - best));
    if (Split.Now)
        text += Words::tr("现在的分配：a %1，b %2，合计 %3；最优分配比现在少缴 %4\n")
                    .arg(Money(Split.Now->A.Settled.Figures.TotalTax),
                         Money(Split.Now->B.Settled.Figures.TotalTax), Money(Split.Now->Total),
                         Money(Split.Now->Total - best));
    return text;
}

} // namespace

int RunHousehold(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("household"),
        Words::tr("家庭分配：由家庭文件（JSON，格式见 README：夫妻二人各自的年度文件 a、b，\n"
                  "以及可由任一方扣除的共同项目 shared），试遍税法允许的每种分配——每个子女\n"
                  "由 a、b 或各 %1% 扣除，住房贷款利息由一方扣除（婚前各自购房的可各 %1%），\n"
                  "每份租房由一方扣除，每项大病医疗由一方扣除——给出两人应纳税额（含年终奖\n"
                  "单独计税的税额）合计最少的分配、两人各自的年度汇算，以及与全部由 a 扣除、\n"
                  "与最不利的分配相比少缴的税额。合计相同时取改动最少的分配（以子女各半、\n"
                  "可各半的贷款各半、其余由 a 扣除为准），再取列在前面的。文件有误时指出键的\n"
                  "位置（如 shared.children[0].born），不计算，退出状态为 2。每份共同的租房须写明\n"
                  "签约人 signed_by（a、b 或 both），租房只分配给签约的一方。每个共同项目\n"
                  "都写明现在由谁扣除（now：a、b 或 half）时，另给出现在的分配下两人的税额及\n"
                  "最优分配比现在少缴的税额（--json 中为 current）。")
            .arg(current::Law::HalfShare),
        {Words::tr("pendra-cli household 家庭.json"),
         Words::tr("pendra-cli household 家庭.json --json")});
    line.AddPositional(Words::tr("家庭文件"), Words::tr("夫妻二人的年度文件和共同项目，JSON 格式"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (line.Positional().isEmpty())
        return line.Refuse(Words::tr("缺少家庭文件"));
    const sheets::HouseholdRead read = sheets::ReadHouseholdFile(line.Positional().constFirst());
    if (!read.Facts) {
        PrintError(read.Error);
        return Refused;
    }
    if (!read.WithoutNow.isEmpty())
        PrintError(
            Words::tr("%1 未写 now（现在由谁扣除）：只有每个共同项目都写明时，才给出现在的分配")
                .arg(read.WithoutNow));
    const current::HouseholdSplit split = current::SplitHousehold(*read.Facts);
    if (line.Json())
        PrintJson(formats::HouseholdJson(split));
    else
        PrintOut(Text(*read.Facts, split));
    return Success;
}

} // namespace Cli
