#include "cli/CommandLine.h"

#include "cli/Output.h"
#include "engine/UNumText.h"
#include "engine/current/Rules.h"
#include "sheets/Cells.h"
#include "sheets/JsonFile.h"
#include "sheets/LawText.h"
#include "sheets/PayrollSheet.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace Cli {
namespace {

// The words of this file, translated in the context "CommandLine".
class Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString JsonOption = QStringLiteral("json");
const QString HelpOption = QStringLiteral("help");

// The value name of an amount option in the help.
QString AmountValue() {
    return Words::tr("金额");
}

QString Dashed(const QString &Name) {
    return QStringLiteral("--") + Name;
}

std::optional<int> MonthNumber(const QString &Text) {
    bool ok = false;
    const int month = Text.trimmed().toInt(&ok);
    return ok && month >= 1 && month <= 12 ? std::optional<int>(month) : std::nullopt;
}

} // namespace

std::optional<Translations::Language> TakeLanguage(QStringList &Arguments, QString &Given,
                                                   bool &Repeated) {
    std::optional<Translations::Language> chosen = Translations::FromEnvironment();
    const QString option = QStringLiteral("--lang");
    bool taken = false;
    Repeated = false;
    for (qsizetype i = 0; i < Arguments.size() && Arguments.at(i) != QLatin1String("--");) {
        const QString argument = Arguments.at(i);
        if (argument == option) {
            Given = i + 1 < Arguments.size() ? Arguments.at(i + 1) : QString();
            Arguments.remove(i, std::min<qsizetype>(2, Arguments.size() - i));
        } else if (argument.startsWith(option + u'=')) {
            Given = argument.mid(option.size() + 1);
            Arguments.remove(i);
        } else {
            ++i;
            continue;
        }
        // Refused as every other option given twice is: which of two languages was meant is
        // not for the program to guess.
        if (taken) {
            Repeated = true;
            return std::nullopt;
        }
        taken = true;
        const auto named = Translations::FromCode(Given);
        chosen = named && Translations::Code(*named) == Given.toLower() ? named : std::nullopt;
        if (!chosen)
            return std::nullopt;
    }
    return chosen;
}

CommandLine::CommandLine(const QString &Command, const QString &Summary,
                         const QStringList &Examples)
    : Command(Command), Summary(Summary), Examples(Examples) {
    Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

void CommandLine::AddAmount(const QString &Name, const QString &Description, bool MayBeNegative) {
    AddValue(Name, AmountValue(), Description);
    AmountNames.append(Name);
    if (MayBeNegative)
        NegativeAllowed.append(Name);
}

void CommandLine::AddValue(const QString &Name, const QString &ValueName,
                           const QString &Description) {
    Parser.addOption(QCommandLineOption(Name, Description, ValueName));
    Entries.append({Name, QChar(), ValueName, Description});
}

void CommandLine::AddValue(QChar Letter, const QString &Name, const QString &ValueName,
                           const QString &Description) {
    Parser.addOption(QCommandLineOption({QString(Letter), Name}, Description, ValueName));
    Entries.append({Name, Letter, ValueName, Description});
}

void CommandLine::AddMonthRange() {
    AddValue(QStringLiteral("from"), Words::tr("月"), Words::tr("起始月份，默认 1"));
    AddValue(QStringLiteral("to"), Words::tr("月"), Words::tr("截止月份，默认 12"));
}

void CommandLine::AddWageMonths() {
    AddValue(
        QStringLiteral("mode"), Words::tr("方式"),
        Words::tr("减除方式：按月（默认）、自1月、6万；也可写 per-month、from-january、sixty"));
    AddMonthRange();
}

void CommandLine::AddFlag(const QString &Name, const QString &Description) {
    Parser.addOption(QCommandLineOption(Name, Description));
    Entries.append({Name, QChar(), QString(), Description});
}

void CommandLine::AddPositional(const QString &Name, const QString &Description) {
    Parser.addPositionalArgument(Name, Description);
    Positionals.append({Name, QChar(), QString(), Description});
}

std::optional<int> CommandLine::Parse(const QStringList &Arguments) {
    if (OffersJson)
        AddFlag(JsonOption, Words::tr("以 JSON 输出（金额为两位小数的字符串，税率为整数百分数）"));
    Parser.addOption(QCommandLineOption({QStringLiteral("h"), HelpOption}, QString()));
    if (!Parser.parse(QStringList{QStringLiteral("pendra-cli")} + Arguments))
        return Refuse(ParseError());
    if (Parser.isSet(HelpOption)) {
        PrintOut(HelpText());
        return Success;
    }
    if (Parser.positionalArguments().size() > Positionals.size())
        return Refuse(
            Words::tr("多余的参数“%1”")
                .arg(sheets::json::Quoted(Parser.positionalArguments().at(Positionals.size()))));
    for (const QString &name : Parser.optionNames()) {
        if (Parser.values(name).size() > 1)
            return Refuse(Words::tr("选项 %1 给了不止一次").arg(Dashed(name)));
    }
    return ReadAmounts();
}

std::optional<int> CommandLine::ReadAmounts() {
    for (const QString &name : AmountNames) {
        if (!Parser.isSet(name))
            continue;
        const std::string bytes = Parser.value(name).toStdString();
        const QString text = sheets::json::Quoted(Parser.value(name));
        const std::optional<current::Cents> cents = current::ParseCents(bytes);
        if (!cents && NumText::ParseNumber(bytes))
            return Refuse(Words::tr("选项 %1 的金额“%2”超出范围（绝对值最多 %3）")
                              .arg(Dashed(name), text, Money(sheets::LargestAmount)));
        if (!cents)
            return Refuse(Words::tr("选项 %1 的值“%2”不是数字").arg(Dashed(name), text));
        if (*cents < 0 && !NegativeAllowed.contains(name))
            return Refuse(Words::tr("选项 %1 的金额不能为负数：%2").arg(Dashed(name), text));
        Amounts.insert(name, *cents);
    }
    return std::nullopt;
}

// QCommandLineParser words its errors in English; the option they name is in quotes.
QString CommandLine::ParseError() const {
    if (!Parser.unknownOptionNames().isEmpty()) {
        const QString name = Parser.unknownOptionNames().constFirst();
        return Words::tr("未知选项 %1")
            .arg(sheets::json::Quoted(name.size() == 1 ? u'-' + name : Dashed(name)));
    }
    const QString error = Parser.errorText();
    const QString quoted = sheets::json::Quoted(
        QRegularExpression(QStringLiteral("'([^']*)'")).match(error).captured(1));
    if (error.startsWith(QLatin1String("Missing value")))
        return Words::tr("选项 %1 缺少值").arg(quoted);
    if (error.startsWith(QLatin1String("Unexpected value")))
        return Words::tr("选项 %1 不带值").arg(quoted);
    return Words::tr("命令行无法识别：%1").arg(sheets::json::Quoted(error));
}

bool CommandLine::IsSet(const QString &Name) const {
    return Parser.isSet(Name);
}

current::Cents CommandLine::Amount(const QString &Name) const {
    return Amounts.value(Name, 0);
}

QString CommandLine::Value(const QString &Name) const {
    return Parser.value(Name).trimmed();
}

QString CommandLine::Shown(const QString &Name) const {
    return sheets::json::Quoted(Value(Name));
}

QStringList CommandLine::Positional() const {
    return Parser.positionalArguments();
}

bool CommandLine::Json() const {
    return OffersJson && Parser.isSet(JsonOption);
}

std::optional<int> CommandLine::ReadMonthRange(int &First, int &Last) const {
    const auto from = IsSet(QStringLiteral("from")) ? MonthNumber(Value("from")) : 1;
    const auto to = IsSet(QStringLiteral("to")) ? MonthNumber(Value("to")) : 12;
    if (!from || !to)
        return Refuse(Words::tr("月份应为 1 到 12 的整数"));
    if (*from > *to)
        return Refuse(Words::tr("起始月份 %1 晚于截止月份 %2").arg(*from).arg(*to));
    First = *from;
    Last = *to;
    return std::nullopt;
}

std::optional<int> CommandLine::ReadWageMonths(current::BasicDeduction &Mode, int &First, int &Last,
                                               const current::YearRules &Rules) const {
    Mode = current::BasicDeduction::PerMonth;
    if (IsSet(QStringLiteral("mode"))) {
        // The 减除方式 as a payroll sheet takes it: the Chinese word or its English key.
        const auto cell = sheets::ModeCellOf(Value(QStringLiteral("mode")).toUtf8().toStdString());
        if (!cell || *cell == sheets::ModeCell::Blank)
            return Refuse(Words::tr("未知的减除方式“%1”，应为 按月、自1月 或 6万")
                              .arg(Shown(QStringLiteral("mode"))));
        Mode = sheets::DeductionOf(*cell);
    }
    if (!current::InLaw(Mode, Rules)) {
        const bool sixty = Mode == current::BasicDeduction::Sixty;
        return Refuse(
            Words::tr("减除方式 %1 自%2起施行（%3），%4 年不能采用")
                .arg(Shown(QStringLiteral("mode")),
                     LawText::Date(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom),
                     LawText::Document(sixty ? current::Law::SixtyDocument
                                             : current::Law::FromJanuaryDocument))
                .arg(Rules.Year));
    }
    if (auto done = ReadMonthRange(First, Last))
        return done;
    // 6万 is for those employed here all last year and still in January: a year from January.
    if (Mode == current::BasicDeduction::Sixty && First != 1)
        return Refuse(Words::tr("减除方式 6万 只适用于上年各月均在本单位任职受雇、"
                                "本年1月起仍在本单位的，起始月份应为 1，不能是 %1")
                          .arg(First));
    return std::nullopt;
}

int CommandLine::Refuse(const QString &Message) const {
    PrintError(Words::tr("%1（用法见 pendra-cli %2 --help）").arg(Message, Command));
    return Refused;
}

std::optional<int> CommandLine::Require(const QStringList &Names) const {
    for (const QString &name : Names) {
        if (!Parser.isSet(name))
            return Refuse(Words::tr("缺少选项 %1").arg(Dashed(name)));
    }
    return std::nullopt;
}

std::optional<int> CommandLine::Exclude(const QString &Option, const QStringList &Names) const {
    if (!Parser.isSet(Option))
        return std::nullopt;
    for (const QString &name : Names) {
        if (Parser.isSet(name))
            return Refuse(Words::tr("选项 %1 不能与 %2 同用").arg(Dashed(name), Dashed(Option)));
    }
    return std::nullopt;
}

QString CommandLine::HelpText() const {
    QString usage = Words::tr("用法：pendra-cli %1 [选项]").arg(Command);
    for (const Entry &positional : Positionals)
        usage += u' ' + positional.Name;
    TextTable options(TextTable::AllLeft);
    for (const Entry &positional : Positionals)
        options.AddRow({QStringLiteral("  ") + positional.Name, positional.Description});
    for (const Entry &entry : Entries) {
        const QString value =
            entry.ValueName.isEmpty() ? QString() : QStringLiteral(" <") + entry.ValueName + u'>';
        const QString letter =
            entry.Letter.isNull() ? QString() : QStringLiteral("-%1, ").arg(entry.Letter);
        options.AddRow(
            {QStringLiteral("  ") + letter + Dashed(entry.Name) + value, entry.Description});
    }
    // Taken by the program before the command sees its options (cli/main.cpp).
    options.AddRow({QStringLiteral("  --lang <zh|en>"),
                    Words::tr("中文或英文；默认按 LC_ALL、LC_MESSAGES、LANG")});
    options.AddRow({QStringLiteral("  -h, --help"), Words::tr("显示本帮助")});
    QString text =
        usage + QStringLiteral("\n\n") + Summary + Words::tr("\n\n选项：\n") + options.Render();
    text += Words::tr("\n示例：\n");
    for (const QString &example : Examples)
        text += QStringLiteral("  ") + example + u'\n';
    return text;
}

} // namespace Cli
