#pragma once
// What the command line prints: messages on stderr, tables and JSON on stdout, all UTF-8.

#include "engine/current/Money.h"

#include <QString>
#include <QStringList>

#include <nlohmann/json_fwd.hpp>

#include <functional>

namespace Cli {

void PrintOut(const QString &Text);
// Takes what would be printed (Error: for stderr) instead of printing it, while set: for a
// program that runs the option readers itself and looks at what they say.
using PrintSink = std::function<void(const QString &Text, bool Error)>;
void DivertPrinting(PrintSink Sink);
void PrintError(const QString &Message); // one line, prefixed with the program's name
// Flushes standard output: whether everything printed there was written.
bool OutputWritten();

QString Money(current::Cents Amount); // "1234.50"
// A name from a file as text output shows it: a line break or another control character in it
// as an escape ("\u000a"), so that it can neither forge a line nor act on the terminal.
QString Shown(const std::string &Text);
// An amount of the law in the help texts: whole yuan without decimals ("5000").
inline QString LawAmount(current::Cents Amount) {
    return QString::fromStdString(current::FormatYuan(Amount));
}
QString Rate(int Percent); // "3%"
// A result of formats/Result.h as --json prints it.
void PrintJson(const nlohmann::json &Result);

// Columns aligned for a terminal: Chinese characters take two places. A control character in a
// cell shows as an escape. The first column is
// left-aligned; the others are right-aligned (figures) or left-aligned (text).
class TextTable {
  public:
    enum Alignment { FiguresRight, AllLeft };
    explicit TextTable(Alignment Align = FiguresRight) : Align(Align) {}
    void AddRow(const QStringList &Cells);
    QString Render() const;

  private:
    Alignment Align;
    QList<QStringList> Rows;
};

// Label and value pairs, one a line.
QString Pairs(const QList<QStringList> &Rows);

} // namespace Cli
