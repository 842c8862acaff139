// Excel workbooks: minizip inflates the parts as streams and QXmlStreamReader walks them. The
// first worksheet is found as Excel finds it (package relationships, then the workbook's first
// sheet and its relationship); its rows go to the builder one at a time.
//
// minizip rather than QuaZip: libxlsxwriter calls the system's minizip, and QuaZip exports a
// modified minizip under the same names, so in one process one of the two would call the
// other's functions.
//
// Every part is read under the limits of sheets/Limits.h: its inflated size, the longest stretch
// without a "<" (the XML reader holds a text or a tag whole) and the depth of its elements (the
// reader keeps every open element), so that what a part claims never decides the memory taken.

#include "sheets/Cells.h"
#include "sheets/Limits.h"
#include "sheets/PayrollBuilder.h"
#include "sheets/Readers.h"
#include "sheets/SheetText.h"

#include <QDate>
#include <QXmlStreamReader>
#include <unzip.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace sheets {
namespace {

constexpr qint64 RowsPerTick = 4096;
constexpr int CaseInsensitive = 2; // for unzLocateFile

// minizip reading the archive from a device rather than by its name: the file was opened once,
// as a regular file, and is not opened again.
namespace ZipOnDevice {

QIODevice *DeviceOf(voidpf Stream) {
    return static_cast<QIODevice *>(Stream);
}
voidpf Open(voidpf Device, const void *, int) {
    return Device;
}
uLong Read(voidpf, voidpf Stream, void *Buffer, uLong Size) {
    const qint64 read = DeviceOf(Stream)->read(static_cast<char *>(Buffer), qint64(Size));
    return read < 0 ? 0 : static_cast<uLong>(read);
}
uLong Write(voidpf, voidpf, const void *, uLong) {
    return 0;
}
ZPOS64_T Tell(voidpf, voidpf Stream) {
    return static_cast<ZPOS64_T>(DeviceOf(Stream)->pos());
}
long Seek(voidpf, voidpf Stream, ZPOS64_T Offset, int Origin) {
    QIODevice *device = DeviceOf(Stream);
    const qint64 base = Origin == ZLIB_FILEFUNC_SEEK_CUR   ? device->pos()
                        : Origin == ZLIB_FILEFUNC_SEEK_END ? device->size()
                                                           : 0;
    return device->seek(base + static_cast<qint64>(Offset)) ? 0 : -1;
}
int Close(voidpf, voidpf) {
    return 0;
}
int Error(voidpf, voidpf) {
    return 0;
}

} // namespace ZipOnDevice

class Archive {
  public:
    explicit Archive(QIODevice &File)
        : Functions{ZipOnDevice::Open, ZipOnDevice::Read,  ZipOnDevice::Write, ZipOnDevice::Tell,
                    ZipOnDevice::Seek, ZipOnDevice::Close, ZipOnDevice::Error, &File},
          Zip(unzOpen2_64("", &Functions)),
          PartLimit(std::min(Limit::InflationRatio * File.size(), Limit::InflatedCap)) {}
    ~Archive() {
        if (Zip != nullptr)
            unzClose(Zip);
    }
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    bool Has(const QString &Name) const {
        return unzLocateFile(Zip, Name.toUtf8().constData(), CaseInsensitive) == UNZ_OK;
    }
    zlib_filefunc64_def Functions;
    unzFile Zip;
    qint64 PartLimit; // inflated bytes of any part
};

// One part of the archive as a device to read, inflated as it is read.
class Part : public QIODevice {
  public:
    enum class Fault { None, Missing, Broken, TooLarge, LongRun };

    Part(const Archive &From, const QString &Name)
        : Name(Name), Zip(From.Zip), Limit(From.PartLimit) {
        // Open whatever is found: a part that is missing or broken reads as an error.
        open(QIODevice::ReadOnly);
        unz_file_info64 info{};
        if (!From.Has(Name)) {
            Problem = Fault::Missing;
            return;
        }
        if (unzGetCurrentFileInfo64(Zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
            unzOpenCurrentFile(Zip) != UNZ_OK) {
            Problem = Fault::Broken;
            return;
        }
        Opened = true;
        Size = static_cast<qint64>(std::min<ZPOS64_T>(info.uncompressed_size, LLONG_MAX));
        // minizip inflates no more than the archive claims: a claim beyond the limit is refused
        // at once (and what is inflated is counted all the same).
        if (Size > Limit)
            Problem = Fault::TooLarge;
    }
    ~Part() override {
        if (Opened && !Closed)
            unzCloseCurrentFile(Zip);
    }

    QString Name;
    Fault Problem = Fault::None;
    qint64 Size = 0;     // inflated, as the archive claims
    qint64 Inflated = 0; // so far

    bool Found() const { return Problem != Fault::Missing; }
    // After reading to the end: whether the part was whole (its data inflated and its checksum
    // matched) and well formed.
    bool Whole(const QXmlStreamReader &Xml) {
        Closed = true;
        const bool checked = Opened && unzCloseCurrentFile(Zip) == UNZ_OK;
        if (!checked && Problem == Fault::None)
            Problem = Fault::Broken;
        return Problem == Fault::None && !Xml.hasError();
    }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char *Data, qint64 MaxSize) override {
        if (Problem != Fault::None)
            return -1;
        const int read = unzReadCurrentFile(
            Zip, Data, static_cast<unsigned>(std::min<qint64>(MaxSize, INT_MAX)));
        if (read < 0)
            Problem = Fault::Broken;
        else if ((Inflated += read) > Limit)
            Problem = Fault::TooLarge;
        else if (!WithinRuns(Data, read))
            Problem = Fault::LongRun;
        return Problem == Fault::None ? read : -1;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    unzFile Zip;
    qint64 Limit;
    qint64 SinceTag = 0; // bytes since the last "<"
    bool Opened = false;
    bool Closed = false;

    bool WithinRuns(const char *Data, int Size) {
        const char *const end = Data + Size;
        for (const char *p = Data; p < end;) {
            const auto *tag = static_cast<const char *>(std::memchr(p, '<', end - p));
            SinceTag += (tag == nullptr ? end : tag) - p;
            if (SinceTag > Limit::XmlRun)
                return false;
            if (tag == nullptr)
                break;
            SinceTag = 0;
            p = tag + 1;
        }
        return true;
    }
};

// A part's elements one token at a time, never deeper than the limit.
class Xml {
  public:
    explicit Xml(Part &From) : Reader(&From) {}

    QXmlStreamReader Reader;
    int Depth = 0; // elements open
    bool TooDeep = false;

    bool AtEnd() const { return Reader.atEnd(); }
    QXmlStreamReader::TokenType Next() {
        const QXmlStreamReader::TokenType token = Reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            --Depth;
        if (token == QXmlStreamReader::StartElement && ++Depth > Limit::XmlDepth) {
            TooDeep = true;
            Reader.raiseError();
            return QXmlStreamReader::Invalid;
        }
        return token;
    }
    // The next element that starts; false at the end.
    bool NextStart() {
        while (!AtEnd()) {
            if (Next() == QXmlStreamReader::StartElement)
                return true;
        }
        return false;
    }
    // The next element that starts inside the one at Outer; false once that one ends.
    bool NextChild(int Outer) {
        while (!AtEnd() && Depth >= Outer) {
            if (Next() == QXmlStreamReader::StartElement && Depth == Outer + 1)
                return true;
        }
        return false;
    }
    // Reads on to the end of the element just started.
    void Skip() {
        const int element = Depth;
        while (!AtEnd() && Depth >= element)
            Next();
    }
    bool Is(QStringView Name) const { return Reader.name() == Name; }
    // By its name without a prefix: r:id is the id.
    QString Attribute(QLatin1StringView Name) const {
        const QXmlStreamAttributes attributes = Reader.attributes();
        for (const QXmlStreamAttribute &attribute : attributes) {
            if (attribute.name() == Name)
                return attribute.value().toString();
        }
        return {};
    }
};

void AppendUtf8(std::string &Out, QStringView Text) {
    // A text beyond the limit is kept one byte beyond it, for the builder to refuse.
    if (Out.size() > Limit::CellBytes)
        return;
    for (const QChar c : Text) {
        if (c.unicode() >= 0x80) {
            Out += Text.toUtf8().toStdString();
            return;
        }
    }
    for (const QChar c : Text)
        Out.push_back(static_cast<char>(c.unicode()));
}

// The text of the element just started, phonetic runs (<rPh>) left out; ends on the element's
// end.
void ReadText(Xml &In, std::string &Out) {
    const int element = In.Depth;
    while (!In.AtEnd() && In.Depth >= element) {
        const QXmlStreamReader::TokenType token = In.Next();
        if (token == QXmlStreamReader::StartElement && In.Is(u"rPh"))
            In.Skip();
        else if (token == QXmlStreamReader::Characters)
            AppendUtf8(Out, In.Reader.text());
    }
    if (Out.size() > Limit::CellBytes)
        Out.resize(Limit::CellBytes + 1);
}

// A relationship's target as a part name: relative to the folder of the part that refers to it,
// or from the package's root when it starts with "/".
QString Resolve(const QString &From, const QString &Target) {
    if (Target.startsWith(u'/'))
        return Target.mid(1);
    const qsizetype slash = From.lastIndexOf(u'/');
    return slash < 0 ? Target : From.left(slash + 1) + Target;
}

QString RelationshipsOf(const QString &PartName) {
    const qsizetype slash = PartName.lastIndexOf(u'/');
    return PartName.left(slash + 1) + QStringLiteral("_rels/") + PartName.mid(slash + 1) +
           QStringLiteral(".rels");
}

struct Relationship {
    QString Id;
    QString Type;
    QString Target;
};

QString TargetOfType(const std::vector<Relationship> &Found, QStringView TypeEnd) {
    for (const Relationship &r : Found) {
        if (r.Type.endsWith(TypeEnd))
            return r.Target;
    }
    return {};
}

struct Parts {
    QString Sheet;
    QString SheetName;
    QString Rejected; // the worksheet of the rows an earlier save left out; may be empty
    QString RejectedName;
    QString Strings; // may be empty: a workbook without text needs no shared strings
    QString Styles;  // may be empty too
    bool Date1904 = false;
};

// Whether a number format shows a date or a time: a built-in one of those (the ones numbered
// 27 to 36 and 50 to 58 are the dates of Chinese, Japanese and Korean Excel), or a format code
// with a letter of one outside quotes, escapes and brackets ([h] and the like excepted).
bool IsDateFormat(int Id, QStringView Code) {
    if ((Id >= 14 && Id <= 22) || (Id >= 27 && Id <= 36) || (Id >= 45 && Id <= 47) ||
        (Id >= 50 && Id <= 58))
        return true;
    for (qsizetype i = 0; i < Code.size(); ++i) {
        const QChar c = Code[i].toLower();
        if (c == u'"') {
            i = Code.indexOf(u'"', i + 1);
            if (i < 0)
                return false;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = Code.indexOf(u']', i);
            const QStringView inside = Code.mid(i + 1, close < 0 ? -1 : close - i - 1);
            if (!inside.isEmpty() && QStringLiteral("hms").contains(inside[0].toLower()))
                return true;
            if (close < 0)
                return false;
            i = close;
        } else if (c == u'd' || c == u'm' || c == u'y' || c == u'h' || c == u's') {
            return true;
        }
    }
    return false;
}

// A date serial as Excel shows it, "2024-01-01" (with the time when it has one); Excel's
// calendar from 1900 counts a 29 February 1900 that never was.
std::optional<std::string> DateText(const std::string &Serial, bool Date1904) {
    bool ok = false;
    const double value = QByteArray::fromStdString(Serial).toDouble(&ok);
    if (!ok || !(value >= 0 && value < 2958466))
        return std::nullopt;
    const auto days = static_cast<qint64>(value);
    const auto seconds = static_cast<qint64>((value - double(days)) * 86400 + 0.5);
    QString text;
    if (Date1904)
        text = QDate(1904, 1, 1).addDays(days).toString(u"yyyy-MM-dd");
    else if (days == 60)
        text = QStringLiteral("1900-02-29");
    else
        text = QDate(1899, 12, days < 60 ? 31 : 30).addDays(days).toString(u"yyyy-MM-dd");
    if (seconds > 0 && seconds < 86400)
        text += QStringLiteral(" %1:%2:%3")
                    .arg(seconds / 3600, 2, 10, QChar(u'0'))
                    .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
                    .arg(seconds % 60, 2, 10, QChar(u'0'));
    return text.toStdString();
}

class XlsxRead {
  public:
    XlsxRead(QIODevice &File, const QString &Path, const Progress &Hooks)
        : Zip(File), Path(Path), Hooks(Hooks), Builder(Path), Into(&Builder),
          Cells(Limit::Columns) {}
    ReadOutcome Run(bool LooksLikeZip);

  private:
    Archive Zip;
    const QString &Path;
    const Progress &Hooks;
    PayrollBuilder Builder;
    PayrollBuilder *Into; // the builder of the worksheet being read
    // Shared strings, each followed by the next: a workbook may hold many.
    std::string Strings;
    std::vector<std::size_t> StringEnds;
    std::vector<bool> DateStyles; // by cell format
    bool Date1904 = false;
    std::vector<std::string> Cells;
    std::vector<std::string_view> Views;
    std::string Scratch;
    QString Error;

    QString Damaged(const QString &PartName) const;
    QString FaultOf(const Part &Read, const Xml &In, std::uint32_t Line = 0) const;
    std::vector<Relationship> ReadRelationships(const QString &Name);
    std::optional<Parts> FindParts();
    bool ReadStrings(const QString &Name);
    bool ReadStyles(const QString &Name);
    Status ReadSheet(const QString &Name);
    bool ReadCell(Xml &In, std::uint32_t Line, int &NextColumn, std::size_t &Count);
    bool TypedValue(Xml &In, std::uint32_t Line, int Column, std::string &Cell);
    bool EndRow(std::uint32_t Line, std::size_t Count);
};

QString XlsxRead::Damaged(const QString &PartName) const {
    return SheetText::tr("%1已损坏：其中的%2不完整或无法解压").arg(FileNamed(Path), PartName);
}

// Why a part could not be read whole, naming the place and the limit it passed.
QString XlsxRead::FaultOf(const Part &Read, const Xml &In, std::uint32_t Line) const {
    const QString where =
        Line == 0 ? Read.Name : SheetText::tr("%1（第%2行）").arg(Read.Name).arg(Line);
    if (In.TooDeep)
        return SheetText::tr("%1已损坏或不是工资表：其中%2的元素嵌套超过了%3层")
            .arg(FileNamed(Path), where)
            .arg(Limit::XmlDepth);
    switch (Read.Problem) {
    case Part::Fault::Missing:
        return SheetText::tr("%1已损坏：其中缺少%2").arg(FileNamed(Path), Read.Name);
    case Part::Fault::TooLarge:
        return SheetText::tr("%1已损坏或不是工资表：其中的%2解压后超过了%3（本程序最多解压到文件"
                             "大小的%4倍，且不超过%5）")
            .arg(FileNamed(Path), Read.Name, SizeText(Zip.PartLimit))
            .arg(Limit::InflationRatio)
            .arg(SizeText(Limit::InflatedCap));
    case Part::Fault::LongRun:
        return SheetText::tr("%1已损坏或不是工资表：其中%2有一段文字或标记超过了%3（本程序一个"
                             "单元格最多%4）")
            .arg(FileNamed(Path), where, SizeText(Limit::XmlRun), SizeText(Limit::CellBytes));
    case Part::Fault::None:
    case Part::Fault::Broken:
        break;
    }
    return Damaged(Read.Name);
}

std::vector<Relationship> XlsxRead::ReadRelationships(const QString &Name) {
    std::vector<Relationship> found;
    Part part(Zip, Name);
    if (!part.Found())
        return found;
    Xml xml(part);
    while (xml.NextStart()) {
        if (xml.Is(u"Relationship"))
            found.push_back({xml.Attribute(QLatin1StringView("Id")),
                             xml.Attribute(QLatin1StringView("Type")),
                             xml.Attribute(QLatin1StringView("Target"))});
    }
    if (!part.Whole(xml.Reader))
        Error = FaultOf(part, xml);
    return found;
}

// The first worksheet, the shared strings and the styles; none when the workbook names no
// worksheet or a part cannot be read (Error then says so).
std::optional<Parts> XlsxRead::FindParts() {
    QString workbook =
        TargetOfType(ReadRelationships(QStringLiteral("_rels/.rels")), u"/officeDocument");
    workbook = workbook.isEmpty() ? QStringLiteral("xl/workbook.xml") : Resolve({}, workbook);
    QString firstId;
    QString rejectedId;
    Parts parts;
    {
        Part part(Zip, workbook);
        if (!part.Found())
            return std::nullopt;
        Xml xml(part);
        while (rejectedId.isEmpty() && xml.NextStart()) {
            if (xml.Is(u"workbookPr"))
                parts.Date1904 = QStringList{QStringLiteral("1"), QStringLiteral("true")}.contains(
                    xml.Attribute(QLatin1StringView("date1904")));
            if (!xml.Is(u"sheet"))
                continue;
            const QString name = xml.Attribute(QLatin1StringView("name"));
            if (firstId.isEmpty()) {
                firstId = xml.Attribute(QLatin1StringView("id"));
                parts.SheetName = name.left(Limit::SheetNameChars);
            } else if (IsRejectedSheet(name)) {
                rejectedId = xml.Attribute(QLatin1StringView("id"));
                parts.RejectedName = name;
            }
        }
        if (part.Problem != Part::Fault::None || xml.TooDeep) {
            Error = FaultOf(part, xml);
            return std::nullopt;
        }
    }
    const auto relationships = ReadRelationships(RelationshipsOf(workbook));
    if (!Error.isEmpty())
        return std::nullopt;
    for (const Relationship &r : relationships) {
        if (r.Id == firstId && !firstId.isEmpty())
            parts.Sheet = Resolve(workbook, r.Target);
        if (r.Id == rejectedId && !rejectedId.isEmpty())
            parts.Rejected = Resolve(workbook, r.Target);
    }
    for (const auto &[type, part] :
         {std::pair{u"/sharedStrings", &parts.Strings}, std::pair{u"/styles", &parts.Styles}}) {
        if (const QString target = TargetOfType(relationships, type); !target.isEmpty())
            *part = Resolve(workbook, target);
    }
    if (parts.Sheet.isEmpty())
        return std::nullopt;
    return parts;
}

bool XlsxRead::ReadStrings(const QString &Name) {
    Part part(Zip, Name);
    Xml xml(part);
    std::string text;
    while (xml.NextStart()) {
        if (!xml.Is(u"si"))
            continue;
        text.clear();
        ReadText(xml, text);
        Strings += text;
        StringEnds.push_back(Strings.size());
    }
    if (!part.Whole(xml.Reader)) {
        Error = FaultOf(part, xml);
        return false;
    }
    return true;
}

bool XlsxRead::ReadStyles(const QString &Name) {
    Part part(Zip, Name);
    Xml xml(part);
    std::vector<std::pair<int, QString>> formats; // the workbook's own number formats
    int formatsOf = -1;                           // depth of <cellXfs> while inside it
    while (xml.NextStart()) {
        if (xml.Is(u"numFmt")) {
            formats.emplace_back(xml.Attribute(QLatin1StringView("numFmtId")).toInt(),
                                 xml.Attribute(QLatin1StringView("formatCode")));
        } else if (xml.Is(u"cellXfs")) {
            formatsOf = xml.Depth;
            while (xml.NextChild(formatsOf)) {
                const int id = xml.Attribute(QLatin1StringView("numFmtId")).toInt();
                const auto own = std::find_if(formats.begin(), formats.end(),
                                              [id](const auto &f) { return f.first == id; });
                DateStyles.push_back(
                    IsDateFormat(id, own == formats.end() ? QString() : own->second));
                xml.Skip();
            }
        }
    }
    if (!part.Whole(xml.Reader)) {
        Error = FaultOf(part, xml);
        return false;
    }
    return true;
}

// Column index from a cell reference ("AB12" gives 27); -1 without one.
int ColumnOf(QStringView Reference) {
    int column = 0;
    qsizetype i = 0;
    for (; i < Reference.size() && i < 4 && Reference[i] >= u'A' && Reference[i] <= u'Z'; ++i)
        column = column * 26 + (Reference[i].unicode() - u'A' + 1);
    return i == 0 || column > int(MaxWorkbookColumns) ? -1 : column - 1;
}

// The cell's value as Excel shows its text: shared strings looked up, TRUE and FALSE for the
// logical values, a date-formatted number as the date. None of these is an amount, so a 收入
// holding one is at fault rather than taken for 1 or for 45292.
bool XlsxRead::TypedValue(Xml &In, std::uint32_t Line, int Column, std::string &Cell) {
    const QString type = In.Attribute(QLatin1StringView("t"));
    const auto style = In.Attribute(QLatin1StringView("s")).toUInt();
    std::string value;
    const int cell = In.Depth;
    while (In.NextChild(cell)) {
        if (In.Is(u"v"))
            ReadText(In, value);
        else if (In.Is(u"is"))
            ReadText(In, Cell);
        else
            In.Skip();
    }
    if (type == u"s" && !value.empty()) {
        bool ok = false;
        const std::size_t i = QByteArray::fromStdString(value).toULongLong(&ok);
        if (!ok || i >= StringEnds.size()) {
            Error = SheetText::tr("%1已损坏：第%2行第%3列引用的共享文字不存在")
                        .arg(FileNamed(Path))
                        .arg(Line)
                        .arg(Column + 1);
            return false;
        }
        const std::size_t start = i == 0 ? 0 : StringEnds[i - 1];
        Cell.assign(Strings, start, StringEnds[i] - start);
    } else if (type == u"b") {
        Cell = value == "1" ? "TRUE" : value == "0" ? "FALSE" : value;
    } else if (type != u"inlineStr" && type != u"s") {
        const bool date = (type.isEmpty() || type == u"n") && style < DateStyles.size() &&
                          DateStyles[style] && !value.empty();
        const auto shown = date ? DateText(value, Date1904) : std::nullopt;
        Cell = shown ? *shown : value;
    }
    return true;
}

bool XlsxRead::ReadCell(Xml &In, std::uint32_t Line, int &NextColumn, std::size_t &Count) {
    const int column = ColumnOf(In.Attribute(QLatin1StringView("r")));
    const int at = column >= 0 ? column : NextColumn;
    NextColumn = at + 1;
    // Beyond the columns a sheet may use, a cell is read only to see that it is blank.
    const bool kept = static_cast<std::size_t>(at) < Cells.size();
    std::string &cell = kept ? Cells[static_cast<std::size_t>(at)] : Scratch;
    cell.clear();
    if (!TypedValue(In, Line, at, cell))
        return false;
    if (!kept && !TrimBlanks(cell).empty()) {
        Error = BeyondColumns(Path, Line, static_cast<std::size_t>(at));
        return false;
    }
    if (kept)
        Count = std::max(Count, static_cast<std::size_t>(at) + 1);
    return true;
}

bool XlsxRead::EndRow(std::uint32_t Line, std::size_t Count) {
    Views.assign(Cells.begin(), Cells.begin() + static_cast<std::ptrdiff_t>(Count));
    if (const auto fault = Into->AddRow(Line, Views)) {
        Error = *fault;
        return false;
    }
    for (std::size_t i = 0; i < Count; ++i)
        Cells[i].clear();
    return true;
}

Status XlsxRead::ReadSheet(const QString &Name) {
    Part part(Zip, Name);
    Xml xml(part);
    ProgressTicker ticker(Hooks, part.Size, 0);
    std::uint32_t line = 0;
    qint64 rows = 0;
    while (xml.NextStart()) {
        if (!xml.Is(u"row"))
            continue;
        const uint shown = xml.Attribute(QLatin1StringView("r")).toUInt();
        line = shown > 0 ? shown : line + 1;
        int nextColumn = 0;
        std::size_t count = 0;
        const int row = xml.Depth;
        while (xml.NextChild(row)) {
            if (!xml.Is(u"c"))
                xml.Skip();
            else if (!ReadCell(xml, line, nextColumn, count))
                return Status::Failed;
        }
        if (part.Problem != Part::Fault::None || xml.Reader.hasError())
            break;
        if (!EndRow(line, count))
            return Status::Failed;
        if (++rows % RowsPerTick == 0 && !ticker.Ask(part.Inflated))
            return Status::Cancelled;
    }
    if (!part.Whole(xml.Reader)) {
        Error = FaultOf(part, xml, line);
        return Status::Failed;
    }
    return Status::Done;
}

ReadOutcome XlsxRead::Run(bool LooksLikeZip) {
    if (Zip.Zip == nullptr)
        return FailedRead(
            LooksLikeZip
                ? SheetText::tr("%1已损坏：压缩包不完整（可能只复制或下载了一部分）")
                      .arg(FileNamed(Path))
                : SheetText::tr("%1不是有效的Excel文件（不是zip压缩包）").arg(FileNamed(Path)));
    const auto parts = FindParts();
    if (!Error.isEmpty())
        return FailedRead(Error);
    if (!parts)
        return FailedRead(SheetText::tr("%1中没有工作表").arg(FileNamed(Path)));
    if (!parts->Strings.isEmpty() && !ReadStrings(parts->Strings))
        return FailedRead(Error);
    if (!parts->Styles.isEmpty() && !ReadStyles(parts->Styles))
        return FailedRead(Error);
    Date1904 = parts->Date1904;
    switch (ReadSheet(parts->Sheet)) {
    case Status::Failed:
        return FailedRead(Error);
    case Status::Cancelled:
        return CancelledRead();
    case Status::Done:
        break;
    }
    if (const auto missing = Builder.MissingHeader())
        return FailedRead(*missing);
    Builder.SetSheetName(parts->SheetName);
    if (parts->Rejected.isEmpty() || parts->Rejected == parts->Sheet)
        return ReadOutcome{Status::Done, {}, Builder.Finish()};
    // The rows an earlier save left out, read as rows of the sheet.
    PayrollBuilder rejected(Path);
    Into = &rejected;
    switch (ReadSheet(parts->Rejected)) {
    case Status::Failed:
        return FailedRead(Error);
    case Status::Cancelled:
        return CancelledRead();
    case Status::Done:
        break;
    }
    if (!rejected.HasHeader())
        return ReadOutcome{Status::Done, {}, Builder.Finish()};
    return WithRejected(Path, Builder.Finish(), rejected.Finish(),
                        SheetText::tr("工作表“%1”").arg(parts->RejectedName));
}

} // namespace

ReadOutcome ReadXlsx(const QString &Path, const Progress &Hooks) {
    QFile file;
    if (const OpenFault fault = OpenRegular(Path, file); fault != OpenFault::None)
        return FailedRead(CannotOpen(Path, fault));
    return ReadXlsx(file, Path, Hooks);
}

ReadOutcome ReadXlsx(QIODevice &File, const QString &Path, const Progress &Hooks) {
    const bool looksLikeZip = File.peek(4) == QByteArrayLiteral("PK\x03\x04");
    return XlsxRead(File, Path, Hooks).Run(looksLikeZip);
}

} // namespace sheets
