#pragma once
// What the user typed on each page, kept while the program runs. The main window builds a page
// anew each time it is chosen and deletes it when another takes its place; the page base keeps
// the page's inputs here as it goes and puts them back when a page of its class is next shown.

#include <QHash>
#include <QString>
#include <QVariant>

namespace PageMemory {

struct TKept {
    // The value of each input (an edit's text, an option's check, a spin box's number) by the
    // input's objectName.
    QHash<QString, QVariant> Inputs;
    // What a page keeps beyond its inputs (a table's months of their own), by the page's keys.
    QHash<QString, QVariant> Extra;
    // Whether the page showed results as it went.
    bool HadResults = false;
};

// None when no page of the class (by its class name, TFrmCurWage) has gone since the start.
const TKept *Of(const QString &ClassName);
void Keep(const QString &ClassName, TKept State);
// Every page starts empty again, as after a start of the program.
void Forget();

} // namespace PageMemory
