// The worksheet's XML read from its bytes and read by QXmlStreamReader: any bytes as a
// worksheet (and, after a NUL byte, as the shared strings) of an otherwise sound workbook, which
// the two must read alike, cell for cell, or refuse alike.

#include "SheetChecks.h"
#include "sheets/Readers.h"
#include "sheets/ZipDevice.h"

#include <QBuffer>
#include <zip.h>

#include <string_view>

namespace {

QByteArray Workbook(std::string_view Sheet, std::string_view Strings, bool WithStrings) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::ReadWrite);
    zlib_filefunc64_def functions = sheets::ZipDevice::On(out);
    zipFile zip = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    const auto add = [zip](const char *Name, std::string_view Text) {
        zipOpenNewFileInZip64(zip, Name, nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 1,
                              0);
        zipWriteInFileInZip(zip, Text.data(), static_cast<unsigned>(Text.size()));
        zipCloseFileInZip(zip);
    };
    add("_rels/.rels",
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    add("xl/workbook.xml",
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    add("xl/_rels/workbook.xml.rels",
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
    add("xl/worksheets/sheet1.xml", Sheet);
    if (WithStrings)
        add("xl/sharedStrings.xml", Strings);
    zipClose(zip, nullptr);
    return bytes;
}

struct Read {
    sheets::ReadOutcome Outcome;
    QStringList Cells;
};

Read ReadAs(const QByteArray &Bytes, sheets::XmlReading How) {
    QByteArray copy = Bytes;
    QBuffer file(&copy);
    file.open(QIODevice::ReadOnly);
    Read read{sheets::ReadXlsx(file, QStringLiteral("fuzz.xlsx"), {}, How), {}};
    const sheets::PayrollSheet &sheet = read.Outcome.Sheet;
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        for (std::size_t column = 0; column < sheet.Columns().size(); ++column)
            read.Cells.push_back(sheet.Cell(row, column));
    }
    for (const sheets::RowError &error : sheet.Errors())
        read.Cells.push_back(sheet.Message(error));
    return read;
}

// XML forbids the C0 controls other than tab and line ends anywhere in a document. The byte reader
// refuses them wherever they stand; QXmlStreamReader lets some through (inside a name, after its
// first character), so on such parts the two need not agree: what is read must still be sound.
bool HoldsForbiddenControl(std::string_view Part) {
    for (const char c : Part) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r')
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string_view input(reinterpret_cast<const char *>(Data), Size);
    const std::size_t nul = input.find('\0');
    const QByteArray workbook =
        Workbook(input.substr(0, nul), nul == std::string_view::npos ? "" : input.substr(nul + 1),
                 nul != std::string_view::npos);
    const Read fast = ReadAs(workbook, sheets::XmlReading::Fastest);
    if (HoldsForbiddenControl(nul == std::string_view::npos ? input : input.substr(0, nul)) ||
        (nul != std::string_view::npos && HoldsForbiddenControl(input.substr(nul + 1)))) {
        if (fast.Outcome.Result == sheets::Status::Done)
            FuzzSheets::CheckSheet(fast.Outcome.Sheet);
        return 0;
    }
    const Read qt = ReadAs(workbook, sheets::XmlReading::QtOnly);
    FUZZ_CHECK(fast.Outcome.Result == qt.Outcome.Result, "read %d, by Qt %d: %s / %s",
               int(fast.Outcome.Result), int(qt.Outcome.Result),
               fast.Outcome.Error.toUtf8().constData(), qt.Outcome.Error.toUtf8().constData());
    // With both parts broken, each reader names the one it met first: the byte reader takes the
    // shared strings before the worksheet. Both must still say why.
    const bool bothRefused = fast.Outcome.Result != sheets::Status::Done;
    FUZZ_CHECK(bothRefused ? !fast.Outcome.Error.isEmpty() && !qt.Outcome.Error.isEmpty()
                           : fast.Outcome.Error == qt.Outcome.Error,
               "%s / by Qt: %s", fast.Outcome.Error.toUtf8().constData(),
               qt.Outcome.Error.toUtf8().constData());
    FUZZ_CHECK(fast.Cells == qt.Cells, "%s / by Qt: %s", fast.Cells.join(u'|').toUtf8().constData(),
               qt.Cells.join(u'|').toUtf8().constData());
    if (fast.Outcome.Result == sheets::Status::Done)
        FuzzSheets::CheckSheet(fast.Outcome.Sheet);
    return 0;
}
