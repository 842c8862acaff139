#include "SheetTestSupport.h"

#include "sheets/Withholding.h"

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

QByteArray Employees(int Count) {
    QByteArray bytes = "工号,姓名,月份,收入\n";
    for (int i = 0; i < Count; ++i)
        bytes += "E" + QByteArray::number(i) + ",某某某某某某某某某某某某,1,10000.00\n";
    return bytes;
}

// Stops at the first report after some work is done, and remembers how far it got.
struct StopHalfWay {
    qint64 Done = 0;
    qint64 Total = 0;
    sheets::Progress Hooks{[this](qint64 done, qint64 total) { Done = done, Total = total; },
                           [this] { return Done > 0; }};
};

TEST(Cancel, ReadingHandsBackNothing) {
    QTemporaryDir dir;
    // More than a megabyte of CSV and some thousand rows of workbook: several reports each.
    const QString csv = WriteFile(dir, "in.csv", Employees(40000));
    const QString xlsx = dir.filePath("in.xlsx");
    const QString small = WriteFile(dir, "small.csv", Employees(10000));
    ASSERT_EQ(sheets::WritePayroll(xlsx, ReadSheet(small)).Result, sheets::Status::Done);
    for (const QString &path : {csv, xlsx}) {
        SCOPED_TRACE(path.toStdString());
        StopHalfWay stop;
        const sheets::ReadOutcome read = sheets::ReadPayroll(path, stop.Hooks);
        EXPECT_EQ(read.Result, sheets::Status::Cancelled);
        EXPECT_EQ(read.Sheet.RowCount(), 0u);
        EXPECT_EQ(read.Sheet.EmployeeCount(), 0u);
        EXPECT_GT(stop.Done, 0);
        EXPECT_LT(stop.Done, stop.Total);
    }
}

TEST(Cancel, SummaryHandsBackNothing) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", Employees(10000)));
    StopHalfWay stop;
    EXPECT_FALSE(sheets::Summarize(sheet, stop.Hooks).has_value());
    EXPECT_GT(stop.Done, 0);
    EXPECT_LT(stop.Done, 10000);
    EXPECT_TRUE(sheets::Summarize(sheet).has_value());
}

} // namespace
