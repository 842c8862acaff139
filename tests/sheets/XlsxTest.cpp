#include "SheetTestSupport.h"

#include "sheets/Cells.h"
#include "sheets/Withholding.h"

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

// Workbooks made by openpyxl (and by Python's zipfile for the broken ones) once for the suite.
class OtherToolWorkbooks : public ScriptMade<MadeByOpenpyxl> {};

TEST_F(OtherToolWorkbooks, SharedAndInlineStringsNumbersAndEmptyCellsReadExactly) {
    for (const char *name : {"shared.xlsx", "inline.xlsx"}) {
        SCOPED_TRACE(name);
        const sheets::PayrollSheet sheet = ReadSheet(Path(name));
        EXPECT_EQ(Titles(sheet), "工号|姓名|月份|收入|专项扣除|部门");
        EXPECT_EQ(Rows(sheet), (QStringList{"E01|张三|1|20000.00|2000.50|财务部",
                                            "E01|张三|2|20000.25|0.00|财务部",
                                            "1002|李四|1|8000.00|1000.00|", "E03||1|八千|0.00|"}));
        ASSERT_EQ(sheet.RowCount(), 4u);
        EXPECT_EQ(sheet.Row(0).Insurance, 200050);
        EXPECT_EQ(sheet.Row(1).Income, 2000025);
        // Row numbers as the spreadsheet shows them, the empty rows 5 and 6 included.
        EXPECT_EQ(sheet.Row(3).Line, 7u);
        EXPECT_EQ(Messages(sheet), QStringList{"第7行「收入」列：“八千”不是数字"});
        EXPECT_EQ(AcceptedIds(sheet), (QStringList{"E01", "1002"}));
    }
}

struct BrokenCase {
    const char *Name;
    const char *Message; // %1 is the path
};

class BrokenWorkbooks : public OtherToolWorkbooks,
                        public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenWorkbooks, RefusedWithTheFileAndTheCause) {
    const QString path = Path(GetParam().Name);
    const sheets::ReadOutcome read = sheets::ReadPayroll(path);
    EXPECT_EQ(read.Result, sheets::Status::Failed);
    EXPECT_EQ(read.Error, QString::fromUtf8(GetParam().Message).arg(path));
    EXPECT_EQ(read.Sheet.RowCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenWorkbooks,
    ::testing::Values(BrokenCase{"notzip.xlsx", "文件“%1”不是有效的Excel文件（不是zip压缩包）"},
                      BrokenCase{"noworksheet.xlsx", "文件“%1”中没有工作表"},
                      BrokenCase{"truncated.xlsx",
                                 "文件“%1”已损坏：其中的xl/worksheets/sheet1.xml不完整或无法解压"},
                      BrokenCase{"damaged.xlsx",
                                 "文件“%1”已损坏：其中的xl/worksheets/sheet1.xml不完整或无法解压"},
                      BrokenCase{"missing.xlsx", "文件“%1”不存在"}));

const QByteArray Mixed =
    "部门,工号,姓名,月份,收入,免税收入,专项扣除,专项附加扣除,其他扣除,减除方式\n"
    "\"财务,一部\",E1,张三,1,20000,100.5,2000,3000,0.01,自1月\n"
    "\"财务,一部\",E1,张三,2,20000,0,2000,3000,0,自1月\n"
    "\"说\"\"明\"\"\",002,\"李\n四\",7,123456789.99,0,0,0,0,\n";

// Read back, the input is what was written and the results are left out, to be made again; as
// openpyxl reads them they are the engine's figures.
TEST_F(OtherToolWorkbooks, WrittenWorkbookReadsBackIdentically) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", Mixed));
    const QString out = dir.filePath("out.xlsx");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    const sheets::PayrollSheet back = ReadSheet(out);
    EXPECT_EQ(Titles(back), Titles(sheet));
    EXPECT_EQ(Rows(back), Rows(sheet));
    EXPECT_EQ(back.WrittenColumnsLeftOut(), sheets::ResultColumnCount);
    EXPECT_TRUE(back.Errors().empty());

    const QStringList dumped = FixtureLines({"dump", out});
    ASSERT_EQ(dumped.size(), qsizetype(2 + sheet.RowCount())) << "one worksheet, nothing left out";
    const QStringList titles = dumped[1].split('|');
    sheets::WithholdingCursor results(sheet);
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        const QStringList cells = dumped[qsizetype(2 + row)].split('|');
        for (std::size_t i = 0; i < sheets::ResultColumnCount; ++i) {
            const auto which = static_cast<sheets::ResultColumn>(i);
            const auto column = qsizetype(sheet.Columns().size() + i);
            EXPECT_EQ(titles.value(column), sheets::ResultTitle(which));
            if (which == sheets::ResultColumn::Rate)
                EXPECT_EQ(cells.value(column), sheets::ResultText(*results.At(row), which));
            else
                EXPECT_EQ(sheets::CellCents(cells.value(column).toStdString()),
                          sheets::ResultValue(*results.At(row), which));
        }
    }
}

TEST_F(OtherToolWorkbooks, WrittenWorkbookLooksRightToOpenpyxl) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", Mixed));
    const QString out = dir.filePath("out.xlsx");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    const QStringList seen = FixtureLines({"inspect", out});
    for (const char *fact :
         {"freeze=A2", "header_bold=True", "部门=s:财务,一部:General", "月份=n:1:General",
          "收入=n:20000:0.00", "免税收入=n:100.5:0.00", "其他扣除=n:0.01:0.00",
          "累计减除费用=n:5000:0.00", "预扣率=s:3%:General", "税后收入=n:17703.02:0.00"})
        EXPECT_TRUE(seen.contains(QString::fromUtf8(fact))) << fact << "\n"
                                                            << seen.join('\n').toStdString();
}

TEST(Template, BothKindsReadBackAsOneEmployee) {
    QTemporaryDir dir;
    for (const char *name : {"template.csv", "template.xlsx"}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(name);
        ASSERT_EQ(sheets::WriteTemplate(path).Result, sheets::Status::Done);
        const sheets::PayrollSheet sheet = ReadSheet(path);
        EXPECT_EQ(
            Titles(sheet),
            "工号|姓名|月份|收入|免税收入|专项扣除|专项附加扣除|其他扣除|减除方式|全年一次性奖金");
        EXPECT_EQ(Rows(sheet),
                  (QStringList{"E001|张三|1|20000.00|0.00|2000.00|3000.00|0.00|按月|",
                               "E001|张三|2|20000.00|0.00|2000.00|3000.00|0.00|按月|",
                               "E001|张三|3|20000.00|0.00|2000.00|3000.00|0.00|按月|"}));
        EXPECT_TRUE(sheet.Errors().empty());
    }
}

} // namespace
