#pragma once
// The person's year open in the program: the dated facts of one year file (or of a year not yet
// saved), what they come to, and the file they belong to. One object for the whole program and
// owned by none of its pages: the page 我的纳税年度 edits it, the wage, settlement and bonus pages
// and the special deductions dialog take their figures from it, and it outlives every page that
// is deleted and built again.
//
// For a page that reads the year:
//   const TOpenYear &year = TOpenYear::Instance();
//   if (year.IsOpen()) Show(year.Facts(), year.Result());
//   connect(&TOpenYear::Instance(), &TOpenYear::Changed, this, ...);
// The facts held are always checked (CheckYear finds nothing in them) and Result() is what
// ComputeYear makes of them, worked out once per change. Files are opened and saved through
// common/UYearFiles.h, which asks the user where and whether.

#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"
#include "sheets/SafeFile.h"

#include <QObject>
#include <QString>

class TOpenYear : public QObject {
    Q_OBJECT
  public:
    static TOpenYear &Instance();

    bool IsOpen() const { return Open; }
    // The facts and their figures; an empty year while none is open.
    const current::YearFacts &Facts() const { return Held; }
    const current::YearResult &Result() const { return Figures; }
    // The file the year was read from or last saved to; empty for a year never saved.
    QString Path() const { return FilePath; }
    // Changed since it was read or saved, or an edit not yet valid is pending (see below).
    bool IsModified() const { return Modified || !Pending.isEmpty(); }
    // Grows with every change of the facts and with every year opened: a page that shows the
    // year compares it with the one it showed last.
    quint64 Revision() const { return Counter; }

    // The facts of a year not yet saved, changed since: the year opens without a file.
    void Start(current::YearFacts Facts);
    // Facts checked by the caller take the place of those held; the year counts as changed.
    void Update(current::YearFacts Facts);
    // The year just read from Path or written to it: nothing left unsaved. Stamp is what the
    // file held then; without it, what the file holds now is taken as the year's.
    void Opened(current::YearFacts Facts, const QString &Path,
                std::optional<sheets::FileStamp> Stamp = std::nullopt);
    void Saved(const QString &Path, std::optional<sheets::FileStamp> Stamp = std::nullopt);
    // What the year's file held when the year was read from it or saved to it, for finding out
    // before a save whether another program (or window) has written it since; none for a year
    // never saved.
    const std::optional<sheets::FileStamp> &Stamp() const { return FileStamp; }
    // No year open any more.
    void Close();
    // Nothing of the year changed, but what is said of it did (a remembered year file that could
    // not be reopened): the pages look again.
    void Announce() { emit Changed(); }

    // What a page shows differs from the facts held by an edit that does not check: Fault says
    // what is wrong (empty once the edit checks, or is given up), so that nothing saves a year
    // other than the one the user sees.
    void SetPending(const QString &Fault);
    QString PendingFault() const { return Pending; }

  signals:
    // The facts, the file or whether something is unsaved changed.
    void Changed();

  private:
    TOpenYear() = default;
    void Hold(current::YearFacts Facts);
    void TakeStamp(std::optional<sheets::FileStamp> Stamp);

    bool Open = false;
    bool Modified = false;
    current::YearFacts Held;
    current::YearResult Figures;
    QString FilePath;
    std::optional<sheets::FileStamp> FileStamp;
    QString Pending;
    quint64 Counter = 0;
};
