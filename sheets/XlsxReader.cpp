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
#include "sheets/XmlBytes.h"
#include "sheets/ZipDevice.h"

#include <QDate>
#include <QXmlStreamReader>
#include <unzip.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sheets {
namespace {

constexpr qint64 RowsPerTick = 4096;
constexpr int CaseInsensitive = 2; // for unzLocateFile

class Archive {
  public:
    explicit Archive(QIODevice &File)
        // The file was opened once, as a regular file, and is not opened again by its name.
        : Functions(ZipDevice::On(File)), Zip(unzOpen2_64("", &Functions)),
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
    bool Whole(bool XmlError) {
        Closed = true;
        const bool checked = Opened && unzCloseCurrentFile(Zip) == UNZ_OK;
        if (!checked && Problem == Fault::None)
            Problem = Fault::Broken;
        return Problem == Fault::None && !XmlError;
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
        // A read shorter than the limit holds no run beyond it between two of its own "<": only
        // the runs across its ends count, from the first "<" and to the last.
        if (Size <= Limit::XmlRun) {
            const auto *first = static_cast<const char *>(std::memchr(Data, '<', Size));
            if (first == nullptr)
                return (SinceTag += Size) <= Limit::XmlRun;
            if (SinceTag + (first - Data) > Limit::XmlRun)
                return false;
            const auto *last = static_cast<const char *>(memrchr(Data, '<', Size));
            SinceTag = end - last - 1;
            return true;
        }
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

// A part's elements one token at a time, never deeper than the limit; Derived reads the tokens
// (QtXml through QXmlStreamReader, FastXml from the UTF-8 bytes) and the reading below is written
// once over both.
enum class Token { Start, End, Characters, Other, Invalid };

// A cell's type attribute t, by what the reading does with it.
enum class CellKind { Plain, Number, Shared, Logical, Inline, Other };

template <class Derived> class Walk {
  public:
    int Depth = 0; // elements open
    bool TooDeep = false;

    Token Next() {
        const Token token = Self().Read();
        if (token == Token::End)
            --Depth;
        if (token == Token::Start && ++Depth > Limit::XmlDepth) {
            TooDeep = true;
            Self().Stop();
            return Token::Invalid;
        }
        return token;
    }
    // The next element that starts; false at the end.
    bool NextStart() {
        while (!Self().AtEnd()) {
            if (Next() == Token::Start)
                return true;
        }
        return false;
    }
    // The next element that starts inside the one at Outer; false once that one ends.
    bool NextChild(int Outer) {
        while (!Self().AtEnd() && Depth >= Outer) {
            if (Next() == Token::Start && Depth == Outer + 1)
                return true;
        }
        return false;
    }
    // Reads on to the end of the element just started.
    void Skip() {
        const int element = Depth;
        while (!Self().AtEnd() && Depth >= element)
            Next();
    }

  private:
    Derived &Self() { return static_cast<Derived &>(*this); }
};

// Column index from a cell reference ("AB12" gives 27); -1 without one.
int ColumnOf(std::string_view Reference) {
    int column = 0;
    std::size_t i = 0;
    for (; i < Reference.size() && i < 4 && Reference[i] >= 'A' && Reference[i] <= 'Z'; ++i)
        column = column * 26 + (Reference[i] - 'A' + 1);
    return i == 0 || column > int(MaxWorkbookColumns) ? -1 : column - 1;
}

// What the reading does by the type attribute t.
CellKind KindOf(std::string_view Type) {
    if (Type.empty())
        return CellKind::Plain;
    if (Type == "n")
        return CellKind::Number;
    if (Type == "s")
        return CellKind::Shared;
    if (Type == "b")
        return CellKind::Logical;
    if (Type == "inlineStr")
        return CellKind::Inline;
    return CellKind::Other;
}

// The same of a text read by QXmlStreamReader: only its first letters can matter, and only
// ASCII ones.
std::string AsciiStart(QStringView Text) {
    std::string ascii;
    for (const QChar c : Text.left(10))
        ascii.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x7f');
    if (Text.size() > 10)
        ascii.push_back('\x7f');
    return ascii;
}

// A text beyond the limit is kept one byte beyond it, for the builder to refuse.
void AppendUtf8(std::string &Out, QStringView Text) {
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

class QtXml : public Walk<QtXml> {
  public:
    explicit QtXml(Part &From) : Reader(&From) {}

    Token Read() {
        switch (Reader.readNext()) {
        case QXmlStreamReader::StartElement:
            Attributes = Reader.attributes();
            return Token::Start;
        case QXmlStreamReader::EndElement:
            return Token::End;
        case QXmlStreamReader::Characters:
            return Token::Characters;
        case QXmlStreamReader::Invalid:
            return Token::Invalid;
        default:
            return Token::Other;
        }
    }
    void Stop() { Reader.raiseError(); }
    bool AtEnd() const { return Reader.atEnd(); }
    bool HasError() const { return Reader.hasError(); }
    bool Is(std::string_view Name) const {
        return Reader.name() == QLatin1StringView(Name.data(), qsizetype(Name.size()));
    }
    // By its name without a prefix: r:id is the id.
    QString Attribute(std::string_view Name) const { return AttributeView(Name).toString(); }
    std::uint32_t Number(std::string_view Name) const { return AttributeView(Name).toUInt(); }
    int Column() const { return ColumnOf(AsciiStart(AttributeView("r"))); }
    CellKind Kind() const { return KindOf(AsciiStart(AttributeView("t"))); }
    void AppendText(std::string &Out) const { AppendUtf8(Out, Reader.text()); }

  private:
    QXmlStreamReader Reader;
    QXmlStreamAttributes Attributes;

    QStringView AttributeView(std::string_view Name) const {
        const QLatin1StringView name(Name.data(), qsizetype(Name.size()));
        for (const QXmlStreamAttribute &attribute : Attributes) {
            if (attribute.name() == name)
                return attribute.value();
        }
        return {};
    }
};

class FastXml : public Walk<FastXml> {
  public:
    explicit FastXml(Part &From) : Bytes(From) {}

    Token Read() {
        switch (Bytes.Next()) {
        case XmlBytes::Token::StartElement:
            return Token::Start;
        case XmlBytes::Token::EndElement:
            return Token::End;
        case XmlBytes::Token::Characters:
            return Token::Characters;
        case XmlBytes::Token::Invalid:
            return Token::Invalid;
        case XmlBytes::Token::Other:
        case XmlBytes::Token::EndDocument:
            break;
        }
        return Token::Other;
    }
    void Stop() { Bytes.RaiseError(); }
    bool AtEnd() const { return Bytes.AtEnd(); }
    bool HasError() const { return Bytes.HasError(); }
    bool Is(std::string_view Name) const {
        const std::string_view name = Bytes.Name();
        return name.size() == Name.size() && std::equal(name.begin(), name.end(), Name.begin());
    }
    QString Attribute(std::string_view Name) const {
        const std::string_view value = Bytes.Attribute(Name);
        return QString::fromUtf8(value.data(), qsizetype(value.size()));
    }
    // Plain digits in place; anything else as QString reads it, for the same number.
    std::uint32_t Number(std::string_view Name) const {
        const std::string_view value = Bytes.Attribute(Name);
        if (!value.empty() && value.size() <= 9 &&
            std::all_of(value.begin(), value.end(), [](char C) { return C >= '0' && C <= '9'; })) {
            std::uint32_t number = 0;
            for (const char c : value)
                number = number * 10 + static_cast<std::uint32_t>(c - '0');
            return number;
        }
        return Attribute(Name).toUInt();
    }
    int Column() const { return ColumnOf(Bytes.Attribute("r")); }
    CellKind Kind() const { return KindOf(Bytes.Attribute("t")); }
    void AppendText(std::string &Out) const {
        if (Out.size() <= Limit::CellBytes)
            Out += Bytes.Text();
    }

  private:
    XmlBytes Bytes;
};

// The text of the element just started, phonetic runs (<rPh>) left out; ends on the element's
// end.
template <class Xml> void ReadText(Xml &In, std::string &Out) {
    const int element = In.Depth;
    while (!In.AtEnd() && In.Depth >= element) {
        const Token token = In.Next();
        if (token == Token::Start && In.Is("rPh"))
            In.Skip();
        else if (token == Token::Characters)
            In.AppendText(Out);
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
    XlsxRead(QIODevice &File, const QString &Path, const Progress &Hooks, XmlReading How)
        : Zip(File), Path(Path), Hooks(Hooks), How(How), Builder(Path), Into(&Builder),
          Cells(Limit::Columns), Views(Limit::Columns) {}
    ReadOutcome Run(bool LooksLikeZip);

  private:
    Archive Zip;
    const QString &Path;
    const Progress &Hooks;
    XmlReading How;
    PayrollBuilder Builder;
    PayrollBuilder *Into; // the builder of the worksheet being read
    // Shared strings, each followed by the next: a workbook may hold many. A cell of one is a
    // view into them.
    std::string Strings;
    std::vector<std::size_t> StringEnds;
    std::vector<bool> DateStyles; // by cell format
    bool Date1904 = false;
    // The row being read: each kept column's own text (what <v> holds), and what the builder
    // is given, which is that text or a shared string.
    std::vector<std::string> Cells;
    std::vector<std::string_view> Views;
    std::string Scratch;
    std::string Inline; // an inline string's text, until the cell's type decides
    QString Error;

    // Reads a part by the bytes when they are UTF-8 XML without a document type, else by
    // QXmlStreamReader; Work is called with the one chosen.
    template <class Work> auto Parse(Part &From, Work &&Do) {
        if (How == XmlReading::Fastest) {
            const QByteArray start = From.peek(64 * 1024);
            if (XmlBytes::Suits(std::string_view(start.constData(), std::size_t(start.size())))) {
                FastXml xml(From);
                return Do(xml);
            }
        }
        QtXml xml(From);
        return Do(xml);
    }

    QString Damaged(const QString &PartName) const;
    QString FaultOf(const Part &Read, bool TooDeep, std::uint32_t Line = 0) const;
    std::vector<Relationship> ReadRelationships(const QString &Name);
    std::optional<Parts> FindParts();
    bool ReadStrings(const QString &Name);
    bool ReadStyles(const QString &Name);
    Status ReadSheet(const QString &Name);
    template <class Xml>
    bool ReadCell(Xml &In, std::uint32_t Line, int &NextColumn, std::size_t &Count);
    template <class Xml>
    bool TypedValue(Xml &In, std::uint32_t Line, int Column, std::string &Cell,
                    std::string_view &Shown);
    bool EndRow(std::uint32_t Line, std::size_t Count);
};

QString XlsxRead::Damaged(const QString &PartName) const {
    return SheetText::tr("%1已损坏：其中的%2不完整或无法解压").arg(FileNamed(Path), PartName);
}

// Why a part could not be read whole, naming the place and the limit it passed.
QString XlsxRead::FaultOf(const Part &Read, bool TooDeep, std::uint32_t Line) const {
    const QString where =
        Line == 0 ? Read.Name : SheetText::tr("%1（第%2行）").arg(Read.Name).arg(Line);
    if (TooDeep)
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
    Parse(part, [&](auto &xml) {
        while (xml.NextStart()) {
            if (xml.Is("Relationship"))
                found.push_back(
                    {xml.Attribute("Id"), xml.Attribute("Type"), xml.Attribute("Target")});
        }
        if (!part.Whole(xml.HasError()))
            Error = FaultOf(part, xml.TooDeep);
    });
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
        const bool read = Parse(part, [&](auto &xml) {
            while (rejectedId.isEmpty() && xml.NextStart()) {
                if (xml.Is("workbookPr"))
                    parts.Date1904 =
                        QStringList{QStringLiteral("1"), QStringLiteral("true")}.contains(
                            xml.Attribute("date1904"));
                if (!xml.Is("sheet"))
                    continue;
                const QString name = xml.Attribute("name");
                if (firstId.isEmpty()) {
                    firstId = xml.Attribute("id");
                    parts.SheetName = name.left(Limit::SheetNameChars);
                } else if (IsRejectedSheet(name)) {
                    rejectedId = xml.Attribute("id");
                    parts.RejectedName = name;
                }
            }
            if (part.Problem != Part::Fault::None || xml.TooDeep) {
                Error = FaultOf(part, xml.TooDeep);
                return false;
            }
            return true;
        });
        if (!read)
            return std::nullopt;
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
    return Parse(part, [&](auto &xml) {
        while (xml.NextStart()) {
            if (!xml.Is("si"))
                continue;
            Scratch.clear();
            ReadText(xml, Scratch);
            Strings += Scratch;
            StringEnds.push_back(Strings.size());
        }
        if (!part.Whole(xml.HasError())) {
            Error = FaultOf(part, xml.TooDeep);
            return false;
        }
        return true;
    });
}

bool XlsxRead::ReadStyles(const QString &Name) {
    Part part(Zip, Name);
    return Parse(part, [&](auto &xml) {
        std::vector<std::pair<int, QString>> formats; // the workbook's own number formats
        while (xml.NextStart()) {
            if (xml.Is("numFmt")) {
                formats.emplace_back(xml.Attribute("numFmtId").toInt(),
                                     xml.Attribute("formatCode"));
            } else if (xml.Is("cellXfs")) {
                const int formatsOf = xml.Depth;
                while (xml.NextChild(formatsOf)) {
                    const int id = xml.Attribute("numFmtId").toInt();
                    const auto own = std::find_if(formats.begin(), formats.end(),
                                                  [id](const auto &f) { return f.first == id; });
                    DateStyles.push_back(
                        IsDateFormat(id, own == formats.end() ? QString() : own->second));
                    xml.Skip();
                }
            }
        }
        if (!part.Whole(xml.HasError())) {
            Error = FaultOf(part, xml.TooDeep);
            return false;
        }
        return true;
    });
}

// The cell's value as Excel shows its text: shared strings looked up, TRUE and FALSE for the
// logical values, a date-formatted number as the date. None of these is an amount, so a 收入
// holding one is at fault rather than taken for 1 or for 45292. Cell holds what <v> holds;
// Shown is what the cell says, in Cell or in the shared strings.
template <class Xml>
bool XlsxRead::TypedValue(Xml &In, std::uint32_t Line, int Column, std::string &Cell,
                          std::string_view &Shown) {
    const CellKind kind = In.Kind();
    const auto style = In.Number("s");
    Inline.clear();
    const int cell = In.Depth;
    while (In.NextChild(cell)) {
        if (In.Is("v"))
            ReadText(In, Cell);
        else if (In.Is("is"))
            ReadText(In, Inline);
        else
            In.Skip();
    }
    Shown = Cell;
    if (kind == CellKind::Shared && !Cell.empty()) {
        std::size_t i = 0;
        const bool digits = Cell.size() <= 9 && std::all_of(Cell.begin(), Cell.end(), [](char C) {
                                return C >= '0' && C <= '9';
                            });
        bool ok = digits;
        if (digits) {
            for (const char c : Cell)
                i = i * 10 + static_cast<std::size_t>(c - '0');
        } else {
            i = QByteArray::fromStdString(Cell).toULongLong(&ok);
        }
        if (!ok || i >= StringEnds.size()) {
            Error = SheetText::tr("%1已损坏：第%2行第%3列引用的共享文字不存在")
                        .arg(FileNamed(Path))
                        .arg(Line)
                        .arg(Column + 1);
            return false;
        }
        const std::size_t start = i == 0 ? 0 : StringEnds[i - 1];
        Shown = std::string_view(Strings).substr(start, StringEnds[i] - start);
    } else if (kind == CellKind::Shared || kind == CellKind::Inline) {
        Cell.swap(Inline);
        Shown = Cell;
    } else if (kind == CellKind::Logical) {
        if (Cell == "1" || Cell == "0")
            Cell = Cell == "1" ? "TRUE" : "FALSE";
        Shown = Cell;
    } else if ((kind == CellKind::Plain || kind == CellKind::Number) && style < DateStyles.size() &&
               DateStyles[style] && !Cell.empty()) {
        if (auto shown = DateText(Cell, Date1904))
            Cell = std::move(*shown);
        Shown = Cell;
    }
    return true;
}

template <class Xml>
bool XlsxRead::ReadCell(Xml &In, std::uint32_t Line, int &NextColumn, std::size_t &Count) {
    const int column = In.Column();
    const int at = column >= 0 ? column : NextColumn;
    NextColumn = at + 1;
    // Beyond the columns a sheet may use, a cell is read only to see that it is blank.
    const bool kept = static_cast<std::size_t>(at) < Cells.size();
    std::string &cell = kept ? Cells[static_cast<std::size_t>(at)] : Scratch;
    cell.clear();
    std::string_view shown;
    if (!TypedValue(In, Line, at, cell, shown))
        return false;
    if (!kept && !TrimBlanks(shown).empty()) {
        Error = BeyondColumns(Path, Line, static_cast<std::size_t>(at));
        return false;
    }
    if (kept) {
        Views[static_cast<std::size_t>(at)] = shown;
        Count = std::max(Count, static_cast<std::size_t>(at) + 1);
    }
    return true;
}

bool XlsxRead::EndRow(std::uint32_t Line, std::size_t Count) {
    if (const auto fault = Into->AddRow(Line, std::span(Views).first(Count))) {
        Error = *fault;
        return false;
    }
    std::fill_n(Views.begin(), Count, std::string_view());
    return true;
}

Status XlsxRead::ReadSheet(const QString &Name) {
    Part part(Zip, Name);
    return Parse(part, [&](auto &xml) {
        ProgressTicker ticker(Hooks, part.Size, 0);
        std::uint32_t line = 0;
        qint64 rows = 0;
        while (xml.NextStart()) {
            if (!xml.Is("row"))
                continue;
            const std::uint32_t shown = xml.Number("r");
            line = shown > 0 ? shown : line + 1;
            int nextColumn = 0;
            std::size_t count = 0;
            const int row = xml.Depth;
            while (xml.NextChild(row)) {
                if (!xml.Is("c"))
                    xml.Skip();
                else if (!ReadCell(xml, line, nextColumn, count))
                    return Status::Failed;
            }
            if (part.Problem != Part::Fault::None || xml.HasError())
                break;
            if (!EndRow(line, count))
                return Status::Failed;
            if (++rows % RowsPerTick == 0 && !ticker.Ask(part.Inflated))
                return Status::Cancelled;
        }
        if (!part.Whole(xml.HasError())) {
            Error = FaultOf(part, xml.TooDeep, line);
            return Status::Failed;
        }
        return Status::Done;
    });
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
    return ReadXlsx(File, Path, Hooks, XmlReading::Fastest);
}

ReadOutcome ReadXlsx(QIODevice &File, const QString &Path, const Progress &Hooks, XmlReading How) {
    const bool looksLikeZip = File.peek(4) == QByteArrayLiteral("PK\x03\x04");
    return XlsxRead(File, Path, Hooks, How).Run(looksLikeZip);
}

} // namespace sheets
