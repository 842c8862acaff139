// pendra-cli: the current-law engines on the command line, for scripts and payroll batches.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"
#include "sheets/JsonFile.h"
#include "translations/Language.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct Command {
    const char *Name;
    const char *Summary; // translated in the context "Cli"
    int (*Run)(const QStringList &);
};

constexpr std::array<Command, 10> Commands{{
    {"wage", QT_TRANSLATE_NOOP("Cli", "工资薪金：累计预扣法逐月预扣税额，或非居民个人的月度税额"),
     Cli::RunWage},
    {"labour", QT_TRANSLATE_NOOP("Cli", "劳务报酬、稿酬、特许权使用费：每次收入的预扣税额"),
     Cli::RunLabour},
    {"bonus",
     QT_TRANSLATE_NOOP("Cli", "全年一次性奖金：单独计税与并入综合所得比较、临界点、最优分配"),
     Cli::RunBonus},
    {"settle", QT_TRANSLATE_NOOP("Cli", "年度汇算：全年应纳税额、应补（退）税额，是否需要办理"),
     Cli::RunSettle},
    {"severance", QT_TRANSLATE_NOOP("Cli", "解除劳动合同一次性补偿金（经济补偿金）"),
     Cli::RunSeverance},
    {"payroll",
     QT_TRANSLATE_NOOP("Cli", "工资表批量计算：CSV 或 Excel 工资表中每位员工逐月的累计预扣"),
     Cli::RunPayroll},
    {"payslips",
     QT_TRANSLATE_NOOP("Cli", "工资条：由工资表写出某月每位员工的工资条（PDF 或 Excel）"),
     Cli::RunPayslips},
    {"year",
     QT_TRANSLATE_NOOP("Cli", "整个纳税年度：由年度文件算出每月扣除、各单位逐月预扣和年度汇算"),
     Cli::RunYear},
    {"reverse", QT_TRANSLATE_NOOP("Cli", "反算：由税后金额求税前的月薪、年终奖或劳务报酬等"),
     Cli::RunReverse},
    {"household",
     QT_TRANSLATE_NOOP("Cli", "家庭分配：夫妻二人的子女、房贷、租房、大病医疗由谁扣除最省税"),
     Cli::RunHousehold},
}};

// The words of this file, translated in the context "Cli".
class Words {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

QString ProgramHelp() {
    QString text = Words::tr("用法：pendra-cli <命令> [选项]\n\n"
                             "按 %1 年起施行的个人所得税法计算，金额单位为元。\n\n命令：\n")
                       .arg(current::FirstRulesYear);
    Cli::TextTable table(Cli::TextTable::AllLeft);
    for (const Command &command : Commands)
        table.AddRow({QStringLiteral("  ") + QLatin1StringView(command.Name),
                      QCoreApplication::translate("Cli", command.Summary)});
    text += table.Render();
    text += Words::tr(
        "\n每个命令都有 --help，列出其选项和示例；加 --json 以 JSON 输出。\n"
        "--lang zh 或 --lang en 选择中文或英文；未给出时，LC_ALL、LC_MESSAGES、LANG 中第一个\n"
        "有值的以 en 开头则用英文，否则用中文。JSON 输出不随语言改变。\n"
        "退出状态：0 完成；1 工资表有的行有误，其员工未计算；2 用法有误、文件无法读写\n"
        "年度文件有误或反算的目标达不到，未计算。\n\n"
        "示例：\n"
        "  pendra-cli wage --income 20000 --insurance 2000 --special 3000\n"
        "  pendra-cli bonus --bonus 38000 --taxable 100000 --json\n"
        "  pendra-cli payroll 工资表.xlsx -o 预扣结果.xlsx\n"
        "  pendra-cli payslips 工资表.xlsx --month 3 -o 工资条.pdf\n"
        "  pendra-cli year 2026.json\n"
        "  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000\n"
        "  pendra-cli household 家庭.json\n");
    return text;
}

int RunCommand(const QString &Name, const QStringList &Arguments) {
    if (Name == QLatin1String("--help") || Name == QLatin1String("-h") ||
        Name == QLatin1String("help")) {
        Cli::PrintOut(ProgramHelp());
        return Cli::Success;
    }
    if (Name == QLatin1String("--version")) {
        Cli::PrintOut(
            QStringLiteral("pendra-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return Cli::Success;
    }
    for (const Command &command : Commands) {
        if (Name == QLatin1StringView(command.Name))
            return command.Run(Arguments);
    }
    Cli::PrintError(Words::tr("未知命令“%1”（用法见 pendra-cli --help）").arg(Name));
    return Cli::Refused;
}

#ifdef PENDRA_RULES_STAND_IN
// PENDRA_TEST_RULES="2027:SeparateBonus=0,Sixty=1": the year's rules with those flags changed,
// for the tests of what a change of law does. Only a test build reads it.
std::optional<current::YearRules> StandInFromEnvironment(QString &Fault) {
    const QString given = qEnvironmentVariable("PENDRA_TEST_RULES");
    if (given.isEmpty())
        return std::nullopt;
    const qsizetype colon = given.indexOf(u':');
    const current::YearRules *law = current::RulesOf(given.left(colon).toInt());
    if (colon < 0 || !law) {
        Fault = QStringLiteral("PENDRA_TEST_RULES: no year of the law in ") + given;
        return std::nullopt;
    }
    current::YearRules rules = *law;
    for (const QString &change : given.mid(colon + 1).split(u',')) {
        const QStringList parts = change.split(u'=');
        const QString name = parts.value(0);
        const QString value = parts.value(1);
        bool *flag = name == u"SeparateBonus"  ? &rules.SeparateBonus
                     : name == u"Sixty"        ? &rules.Sixty
                     : name == u"PensionPilot" ? &rules.PensionPilot
                                               : nullptr;
        if (!flag || parts.size() != 2 || (value != u"0" && value != u"1")) {
            Fault = QStringLiteral("PENDRA_TEST_RULES: not a flag=0|1: ") + change;
            return std::nullopt;
        }
        *flag = value == u"1";
    }
    return rules;
}
#endif

} // namespace

int main(int argc, char *argv[]) {
    const std::unique_ptr<QCoreApplication> app = Cli::MakeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pendra-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PENDRA_VERSION));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString given;
    bool repeated = false;
    const auto language = Cli::TakeLanguage(arguments, given, repeated);
    Translations::Apply(language.value_or(Translations::FromEnvironment()));
    if (repeated) {
        Cli::PrintError(Words::tr("选项 --lang 给了不止一次"));
        return Cli::Refused;
    }
    if (!language) {
        Cli::PrintError(Words::tr("--lang 的值应为 zh（中文）或 en（英文），而不是“%1”")
                            .arg(sheets::json::Quoted(given)));
        return Cli::Refused;
    }
    if (arguments.isEmpty()) {
        Cli::PrintError(Words::tr("缺少命令（用法见 pendra-cli --help）"));
        return Cli::Refused;
    }
    const QString name = arguments.takeFirst();
#ifdef PENDRA_RULES_STAND_IN
    QString fault;
    const std::optional<current::YearRules> standIn = StandInFromEnvironment(fault);
    if (!fault.isEmpty()) {
        Cli::PrintError(fault);
        return Cli::Refused;
    }
    std::optional<current::RulesStandIn> law;
    if (standIn)
        law.emplace(*standIn);
#endif
    const int status = RunCommand(name, arguments);
    // Whatever the command, output that did not reach its place is no result (a full disk, a
    // closed terminal): the status says so rather than success.
    if (!Cli::OutputWritten()) {
        if (status != Cli::Refused) // a refusal has said why already
            Cli::PrintError(Words::tr("无法写出标准输出（磁盘已满或输出已关闭），结果不完整"));
        return Cli::Refused;
    }
    return status;
}
