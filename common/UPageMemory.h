#pragma once
// What the user typed on each page, kept while the program runs. The main window builds a page
// anew each time it is chosen and deletes it when another takes its place; the page base keeps
// the page's inputs here as it goes and puts them back when a page of its class is next shown.

#include <QHash>
#include <QString>
#include <QVariant>

namespace PageMemory {

// Set (true) on a page that is deleted only to be built anew at once in another language: it
// keeps what it showed besides what was typed.
inline constexpr char Rebuilding[] = "pendraRebuilding";

// A calculation the user ran, to be run once more by the page built anew: the inputs and result
// edits as they were just before it ran, and what ran it.
struct TRun {
    QString Trigger; // the objectName of the button clicked, or of the edit Enter was pressed in
    bool Enter = false;
    QHash<QString, QVariant> Before;
};

struct TKept {
    // The value of each input (an edit's text, an option's check, a spin box's number) by the
    // input's objectName.
    QHash<QString, QVariant> Inputs;
    // What a page keeps beyond its inputs (a table's months of their own), by the page's keys.
    QHash<QString, QVariant> Extra;
    // Whether the page showed results as it went.
    bool HadResults = false;
    // Only for a page rebuilt in another language: the calculations that made what it showed, in
    // the order they ran (the last one of each trigger), and the result edits as they were left.
    QList<TRun> Runs;
    QHash<QString, QVariant> Results;
};

// None when no page of the class (by its class name, TFrmCurWage) has gone since the start.
const TKept *Of(const QString &ClassName);
void Keep(const QString &ClassName, TKept State);
// Every page starts empty again, as after a start of the program.
void Forget();

} // namespace PageMemory
