#pragma once
// Files in temporary folders and sheets shown as text, for the payroll sheet tests.

#include "sheets/PayrollIo.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString &Text, std::ostream *Out) {
    *Out << '"' << Text.toStdString() << '"';
}

namespace SheetTest {

// Writes Bytes to Name in Dir and gives the path.
QString WriteFile(const QTemporaryDir &Dir, const QString &Name, const QByteArray &Bytes);
QByteArray ReadFile(const QString &Path);

// Reads a file that must be readable; a failure is reported and an empty sheet given.
sheets::PayrollSheet ReadSheet(const QString &Path);

// Every row as its cells joined by "|", in the file's order.
QStringList Rows(const sheets::PayrollSheet &Sheet);
// The column titles joined by "|".
QString Titles(const sheets::PayrollSheet &Sheet);
// Every row error's message, by line.
QStringList Messages(const sheets::PayrollSheet &Sheet);
// The ids of the accepted employees, in order.
QStringList AcceptedIds(const sheets::PayrollSheet &Sheet);

// Runs the openpyxl script with these arguments; its standard output, or a failure reported.
QString RunFixtureScript(const QStringList &Arguments);
// The same, line by line (without empty lines).
QStringList FixtureLines(const QStringList &Arguments);

// Workbooks the script's Command makes into a folder once for a suite.
template <const char *Command> class ScriptMade : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Dir = new QTemporaryDir;
        RunFixtureScript({QString::fromLatin1(Command), Dir->path()});
    }
    static void TearDownTestSuite() { delete Dir; }
    static QString Path(const char *Name) { return Dir->filePath(QString::fromUtf8(Name)); }
    static inline QTemporaryDir *Dir = nullptr;
};
inline constexpr char MadeByOpenpyxl[] = "make";
inline constexpr char Hostile[] = "hostile";

} // namespace SheetTest
