#pragma once
// What the household page does away from the interface: reading the two years and the household
// file, splitting the shared items, and writing the chosen shares back into the year files. Each
// is one call on plain values, run in a worker thread, so that a slow disk never holds up the
// window and the page sees nothing but the outcome.

#include "engine/current/Household.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace HouseholdRun {

// One person's year as the page takes it: the year file at Path, or the facts the program holds
// already (Path is then the file they are written back to). Neither: the household file's.
struct YearSource {
    QString Path;
    std::optional<current::YearFacts> Facts;
};

// A year file the page wrote back: what it wrote, and the person's own facts before. Once written
// back, a shared item is in the file of whoever claims it; read again beside the same shared
// items it would be claimed twice, so the page takes the own facts in its place while the file
// still holds what was written.
struct WrittenBack {
    QString Path;
    current::YearFacts Written;
    current::YearFacts Own;
};

struct Request {
    YearSource A;
    YearSource B;
    QString HouseholdPath;
    current::SharedItems Shared;
    bool TakeShared = false; // the household file's shared items replace Shared
    std::vector<WrittenBack> Written;
};

// Where each person's year came from.
enum class Origin { YearFile, Held, HouseholdFile };

struct Outcome {
    // Why nothing was computed; empty when the split was made.
    QString Error;
    // Nothing to compute yet (a person without a year): Error is a hint, not a fault.
    bool Incomplete = false;
    // A household fault's key path ("shared.children[0]"), for the page to point at the item.
    std::string FaultPath;
    // The household file's shared items, when they were asked for and read.
    std::optional<current::SharedItems> SharedTaken;

    current::Household Household; // the two own years and the shared items split
    Origin FromA = Origin::YearFile, FromB = Origin::YearFile;
    // The facts each year file held when read (none for a year not read from its own file):
    // writing back refuses a file changed since.
    std::optional<current::YearFacts> ReadA, ReadB;
    bool RestoredA = false, RestoredB = false; // own facts in place of a file written back
    // Some shared items were in the years and came out of them; the split they have now is the
    // one the years claim when NowFromYears.
    bool ClaimedInYears = false, NowFromYears = false;

    std::optional<current::HouseholdSplit> Split;
    bool Cancelled = false; // a newer request replaced this one before its split was made
};

// Gives up the split once Cancelled is set.
Outcome Compute(const Request &Request, const std::atomic<bool> &Cancelled);

// One year written back: Facts into Path, which held Expected when the split was made (none for a
// file chosen to be written anew).
struct Target {
    QString Path;
    current::YearFacts Facts;
    std::optional<current::YearFacts> Expected;
};

struct WriteOutcome {
    QString Error; // empty when both were written; neither file is changed otherwise
};

// Both years or neither: a file changed since it was read, a target that may not be replaced, the
// same file twice or the household file read (Household, if any) stops it before anything is
// written, and the first file is put back as it was when the second cannot be written.
WriteOutcome WriteBoth(const Target &A, const Target &B, const QString &Household);

} // namespace HouseholdRun
