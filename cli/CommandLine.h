#pragma once
// The options of one command: Chinese help with examples, Chinese messages for every mistake,
// amounts read into cents once, here at the edge.

#include "engine/current/Money.h"
#include "engine/current/Wage.h"
#include "translations/Language.h"

#include <QCommandLineParser>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace Cli {

// Takes --lang out of the arguments, wherever it stands before a "--" (before the command or among
// its options): the language is the program's, not the command's. Gives the language it names,
// the environment's when there is none, or an empty optional when its value is not a language
// (Given holds it) or it was given twice (Repeated).
std::optional<Translations::Language> TakeLanguage(QStringList &Arguments, QString &Given,
                                                   bool &Repeated);

// 0: done; 1: some rows of a sheet were left out; 2: nothing done (usage, unreadable input).
enum ExitStatus { Success = 0, RowsLeftOut = 1, Refused = 2 };

class CommandLine {
  public:
    CommandLine(const QString &Command, const QString &Summary, const QStringList &Examples);

    // An amount in yuan; refused when it is not a number, when it is negative (unless allowed)
    // or beyond the largest amount.
    void AddAmount(const QString &Name, const QString &Description, bool MayBeNegative = false);
    void AddValue(const QString &Name, const QString &ValueName, const QString &Description);
    // The same with a one-letter name besides ("-o" for "--output").
    void AddValue(QChar Letter, const QString &Name, const QString &ValueName,
                  const QString &Description);
    void AddFlag(const QString &Name, const QString &Description);
    void AddPositional(const QString &Name, const QString &Description);
    // --from and --to, the first and last month of a run of months in one year.
    void AddMonthRange();
    // --mode, how the basic deduction of cumulative withholding accumulates, with the months.
    void AddWageMonths();
    // For a command whose output is a file of its own kind: no --json.
    void WithoutJson() { OffersJson = false; }

    // Reads the arguments after the command's name. An exit status means the command is over:
    // the help was printed, or a mistake was reported on stderr.
    std::optional<int> Parse(const QStringList &Arguments);

    bool IsSet(const QString &Name) const;
    current::Cents Amount(const QString &Name) const; // 0 when not given
    QString Value(const QString &Name) const;
    // The value as a message quotes it: a short piece of it, control characters escaped.
    QString Shown(const QString &Name) const;
    QStringList Positional() const;
    bool Json() const;

    // The months from --from to --to (1 and 12 when not given) into First and Last; refuses
    // months that are not whole numbers from 1 to 12, or out of order.
    std::optional<int> ReadMonthRange(int &First, int &Last) const;
    // The months and --mode (按月 when not given); refuses an unknown mode, and 6万 for months
    // that do not begin in January.
    // The 减除方式 and months, refused where the law of Rules' year has no such way.
    std::optional<int> ReadWageMonths(current::BasicDeduction &Mode, int &First, int &Last,
                                      const current::YearRules &Rules) const;

    // Reports a usage mistake of this command and gives the status to exit with.
    int Refuse(const QString &Message) const;
    // Refuses when any of Names is missing.
    std::optional<int> Require(const QStringList &Names) const;
    // Refuses when any of Names is given together with Option.
    std::optional<int> Exclude(const QString &Option, const QStringList &Names) const;

  private:
    struct Entry {
        QString Name;
        QChar Letter;      // null when the option has none
        QString ValueName; // empty for a flag
        QString Description;
    };
    QString HelpText() const;
    std::optional<int> ReadAmounts();
    QString ParseError() const;

    QString Command;
    QString Summary;
    QStringList Examples;
    QList<Entry> Entries;
    QList<Entry> Positionals;
    QStringList AmountNames;
    QStringList NegativeAllowed;
    QHash<QString, current::Cents> Amounts;
    bool OffersJson = true;
    QCommandLineParser Parser;
};

} // namespace Cli
