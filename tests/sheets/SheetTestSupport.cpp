#include "SheetTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace SheetTest {

QString WriteFile(const QTemporaryDir &Dir, const QString &Name, const QByteArray &Bytes) {
    const QString path = Dir.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(file.write(Bytes), Bytes.size());
    return path;
}

QByteArray ReadFile(const QString &Path) {
    QFile file(Path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << Path.toStdString();
    return file.readAll();
}

sheets::PayrollSheet ReadSheet(const QString &Path) {
    sheets::ReadOutcome read = sheets::ReadPayroll(Path);
    EXPECT_EQ(read.Result, sheets::Status::Done) << read.Error.toStdString();
    return std::move(read.Sheet);
}

QStringList Rows(const sheets::PayrollSheet &Sheet) {
    QStringList rows;
    for (std::size_t row = 0; row < Sheet.RowCount(); ++row) {
        QStringList cells;
        for (std::size_t column = 0; column < Sheet.Columns().size(); ++column)
            cells << Sheet.Cell(row, column);
        rows << cells.join(u'|');
    }
    return rows;
}

QString Titles(const sheets::PayrollSheet &Sheet) {
    QStringList titles;
    for (const sheets::SheetColumn &column : Sheet.Columns())
        titles << column.Title;
    return titles.join(u'|');
}

QStringList Messages(const sheets::PayrollSheet &Sheet) {
    QStringList messages;
    for (const sheets::RowError &error : Sheet.Errors())
        messages << Sheet.Message(error);
    return messages;
}

QStringList AcceptedIds(const sheets::PayrollSheet &Sheet) {
    QStringList ids;
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (Sheet.Accepted(employee))
            ids << Sheet.EmployeeId(employee);
    }
    return ids;
}

QString RunFixtureScript(const QStringList &Arguments) {
    QProcess python;
    python.start(QStringLiteral(PENDRA_PYTHON),
                 QStringList{QStringLiteral(PENDRA_XLSX_FIXTURES)} + Arguments);
    const bool finished = python.waitForFinished(60000);
    EXPECT_TRUE(finished) << "the openpyxl script did not finish";
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput());
}

QStringList FixtureLines(const QStringList &Arguments) {
    return RunFixtureScript(Arguments).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace SheetTest
