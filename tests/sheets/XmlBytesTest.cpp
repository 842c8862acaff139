// The worksheet read from its UTF-8 bytes against the same read by QXmlStreamReader: whatever
// form the XML takes, the two give the same cells, or both refuse it with the same words.

#include "SheetTestSupport.h"

#include "sheets/Readers.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

inline constexpr char XmlForms[] = "xml";
class WorksheetXml : public ScriptMade<XmlForms> {};

struct Read {
    sheets::Status Result;
    QString Error;
    QString Titles;
    QStringList Rows;
    QStringList Messages;
};

Read ReadAs(const QString &Path, sheets::XmlReading How) {
    QFile file(Path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << Path.toStdString();
    const sheets::ReadOutcome read = sheets::ReadXlsx(file, Path, {}, How);
    return {read.Result, read.Error, Titles(read.Sheet), Rows(read.Sheet), Messages(read.Sheet)};
}

struct Form {
    const char *Name;
    QStringList Rows; // none: refused
};

class EveryForm : public WorksheetXml, public ::testing::WithParamInterface<Form> {};

TEST_P(EveryForm, ReadFromTheBytesAsQtReadsIt) {
    const QString path = Path(GetParam().Name) + QStringLiteral(".xlsx");
    const Read fast = ReadAs(path, sheets::XmlReading::Fastest);
    const Read qt = ReadAs(path, sheets::XmlReading::QtOnly);
    EXPECT_EQ(fast.Result, qt.Result);
    EXPECT_EQ(fast.Error, qt.Error);
    EXPECT_EQ(fast.Titles, qt.Titles);
    EXPECT_EQ(fast.Rows, qt.Rows);
    EXPECT_EQ(fast.Messages, qt.Messages);
    if (GetParam().Rows.isEmpty()) {
        EXPECT_EQ(fast.Result, sheets::Status::Failed);
        EXPECT_FALSE(fast.Error.isEmpty());
    } else {
        EXPECT_EQ(fast.Result, sheets::Status::Done) << fast.Error.toStdString();
        EXPECT_EQ(fast.Titles, "工号|姓名|月份|收入");
        EXPECT_EQ(fast.Rows, GetParam().Rows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Worksheets, EveryForm,
    ::testing::Values(
        Form{"entities", {"E1|A&B<>\"'张三|1|20000.50"}}, Form{"cdata", {"E1|李<四>&|1|20000.50"}},
        Form{"gaps", {"E1|||20000.50", "E2||2|", "E3||3|"}}, Form{"order", {"E1|王五|1|2.00"}},
        Form{"lines", {"E1|a\nb\nc|TRUE|1.00"}}, Form{"markup", {"1|2||"}},
        Form{"shared", {"E1|张三|1| 李&四 "}}, Form{"bom", {"E1|||"}}, Form{"prefixes", {"E1|||"}},
        // Read by QXmlStreamReader either way: another encoding, a document type.
        Form{"latin1", {"E1|José||"}}, Form{"doctype", {"E1|有限公司||"}}, Form{"crossed", {}},
        Form{"undeclared", {}}, Form{"twice", {}}, Form{"entity", {}}, Form{"control", {}},
        Form{"brackets", {}}, Form{"unclosed", {}}, Form{"badref", {}}, Form{"utf8", {}},
        Form{"after", {}}),
    [](const auto &Info) { return std::string(Info.param.Name); });

} // namespace
