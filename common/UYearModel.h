#pragma once
// The facts of a person's year as a page edits them, field by field: what is typed is held as the
// year file's JSON value (a cell keeps a text that is not yet an amount, so that nothing typed is
// lost), read after every edit by the year file's own reader and checked by CheckYear, so that an
// edit is refused with the fault a file would have, at the same key path. The last facts that
// checked and what ComputeYear makes of them are kept as one: a wrong value leaves the figures
// shown as they were. No widget here, so that the year's logic is tested without one.

#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

// A key path of the year file, as a fault names its place ("jobs[1].pay[0].from"), taken apart:
// each step a key and, for an entry of a list, its index.
struct TFactPath {
    struct Step {
        QString Key;
        int Index = -1;
    };
    QList<Step> Steps;

    static TFactPath Of(const QString &Path);
    // The step at Position, or an empty one.
    Step At(qsizetype Position) const { return Steps.value(Position); }
};

// The facts as the year file's JSON value, in the file writer's form.
QJsonObject YearJson(const current::YearFacts &Facts);

// Facts as typed, as the year file's JSON value, read and checked as the year file is: the same
// faults, in the same words, at the same key paths.
struct TYearRead {
    std::optional<current::YearFacts> Facts;
    QString Path;  // of the fault
    QString Fault; // in the year file reader's words; empty when the facts check
    // What the check found, for a page to say in its own words; none for a fault of the reading
    // (a key left out, a text that is no date), which only the place says.
    std::optional<current::YearFault> Checked;
};
TYearRead ReadYearJson(const QJsonObject &Json);

// Facts that check and what they come to, shown together.
struct TYearFigures {
    current::YearFacts Facts;
    current::YearResult Result;
};

class TYearModel : public QObject {
    Q_OBJECT
  public:
    explicit TYearModel(QObject *Parent = nullptr);

    // Facts that check (a year opened, a fresh one) take the place of everything typed; Result,
    // when given, is what they come to, already worked out.
    void SetFacts(const current::YearFacts &Facts,
                  const std::optional<current::YearResult> &Result = std::nullopt);
    // The whole year as typed.
    void SetTyped(const QJsonObject &Year);
    // One field at a key path of the year file ("jobs[1].pay[0].income", "bonus.amount"), or a
    // whole table ("payments"); an undefined Value leaves the key (or the entry) out, an index
    // one past a list's end adds an entry. False, and nothing changed, for a path through
    // something that is neither an object nor a list, or past the end of a list.
    bool SetField(const QString &Path, const QJsonValue &Value);

    const QJsonObject &Typed() const { return Year; }
    // What is typed, read and checked: its fault at its key path, or its facts.
    const TYearRead &Check() const { return Read; }
    bool IsValid() const { return Read.Facts.has_value(); }
    // The last facts that checked and their figures; none before any did.
    const std::optional<TYearFigures> &Figures() const { return Last; }

  signals:
    // After every edit, whether it checks or not.
    void Checked();
    // An edit that checks gave other facts, and so other figures.
    void FiguresChanged();

  private:
    void Recheck();

    QJsonObject Year;
    TYearRead Read;
    std::optional<TYearFigures> Last;
};
