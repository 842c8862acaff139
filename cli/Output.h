#pragma once
// What the command line prints: messages on stderr, tables and JSON on stdout, all UTF-8.

#include "engine/current/Money.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace Cli {

void PrintOut(const QString &Text);
void PrintError(const QString &Message); // one line, prefixed with the program's name
// Flushes standard output: whether everything printed there was written.
bool OutputWritten();

QString Money(current::Cents Amount); // "1234.50"
// An amount of the law in the help texts: whole yuan without decimals ("5000").
inline QString LawAmount(current::Cents Amount) {
    return QString::fromStdString(current::FormatYuan(Amount));
}
QString Rate(int Percent); // "3%"
QJsonValue JsonMoney(current::Cents Amount);
void PrintJson(const QJsonObject &Object);

// Columns aligned for a terminal: Chinese characters take two places. The first column is
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
