#pragma once

#include <functional>
// Opening and saving the open year (common/UOpenYear.h) as a year file, as the 文件 menu and the
// page 我的纳税年度 do: the user is asked where, and whether to save a year changed since, and
// told in a box why a file could not be read or written. The file open when the program ends is
// opened again at the next start.
//
// A year file the user opens is read on the interface thread: the reader takes only a regular
// file of at most 1 MiB (sheets/YearFile.h), so the read is bounded and over in milliseconds, and
// never waits on a FIFO or a device. The one reopened at start is read on a worker all the same,
// so that the first window does not wait for it.

#include "engine/current/YearFacts.h"

#include <QString>

class QObject;
class QWidget;

namespace YearFiles {

// Asks which file, then opens it as OpenPath does; false when nothing was opened.
bool Open(QWidget *Parent);
// The year file at Path in place of the open year, once the user has said what becomes of unsaved
// changes; a file that cannot be read is reported and leaves the open year as it was.
bool OpenPath(QWidget *Parent, const QString &Path);
// To the year's file, or where the user says for a year never saved; false when not saved.
bool Save(QWidget *Parent);
bool SaveAs(QWidget *Parent);
bool SaveTo(QWidget *Parent, const QString &Path);
// Whether the caller may drop the open year: true when nothing is unsaved, or the user saved it
// or chose not to; false when the user cancelled (or the save failed).
bool ConfirmDiscard(QWidget *Parent);

// The year file open when the program last ended, opened again without a word: read in the
// background (common/UBackground) for Owner, so that the first window is built and painted
// meanwhile, and opened on the interface thread once read, through When (the main window's first
// paint: the pages follow the year after it, not before), unless a year was opened or begun in
// the meantime. Why it could not be, if so, stays in ReopenFault for the year's page to say
// (TOpenYear::Changed tells the pages to look). The work is let go when Owner goes.
void ReopenLast(QObject *Owner, std::function<void(std::function<void()> Open)> When = {});
// Whether that year is still being read: a page built meanwhile follows it when it comes.
bool Reopening();
QString ReopenFault();

// A year for a person without a year file: the calendar year (within the years the program
// knows), one employer from January, and the special deductions chosen in the parameter file
// before deductions were dated, until a year that took them has been saved.
current::YearFacts FreshYear();
// Opens Facts, a year begun from FreshYear and changed, as a year not yet saved.
void Begin(current::YearFacts Facts);

// The main window's title: Caption, after the year file's name and a * while it is unsaved.
QString WindowTitle(const QString &Caption);

} // namespace YearFiles
