// Excel workbooks: minizip inflates the parts as streams and QXmlStreamReader walks them. The
// first worksheet is found as Excel finds it (package relationships, then the workbook's first
// sheet and its relationship); its rows go to the builder one at a time.
//
// minizip rather than QuaZip: libxlsxwriter calls the system's minizip, and QuaZip exports a
// modified minizip under the same names, so in one process one of the two would call the
// other's functions.

#include "sheets/PayrollBuilder.h"
#include "sheets/Readers.h"

#include <QFile>
#include <QXmlStreamReader>
#include <unzip.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace sheets {
namespace {

constexpr qint64 RowsPerTick = 4096;
constexpr int CaseInsensitive = 2; // for unzLocateFile

class Archive {
  public:
    explicit Archive(const QString &Path) : Zip(unzOpen64(QFile::encodeName(Path).constData())) {}
    ~Archive() {
        if (Zip != nullptr)
            unzClose(Zip);
    }
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    bool Has(const QString &Name) const {
        return unzLocateFile(Zip, Name.toUtf8().constData(), CaseInsensitive) == UNZ_OK;
    }
    unzFile Zip;
};

// One part of the archive as a device to read, inflated as it is read.
class Part : public QIODevice {
  public:
    Part(const Archive &From, const QString &Name) : Name(Name), Zip(From.Zip) {
        unz_file_info64 info{};
        Found = From.Has(Name) &&
                unzGetCurrentFileInfo64(Zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
                unzOpenCurrentFile(Zip) == UNZ_OK;
        Size = static_cast<qint64>(info.uncompressed_size);
        if (Found)
            open(QIODevice::ReadOnly);
    }
    ~Part() override {
        if (Found && !Closed)
            unzCloseCurrentFile(Zip);
    }

    bool Found = false;
    qint64 Size = 0;     // inflated
    qint64 Inflated = 0; // so far
    QString Name;

    // After reading to the end: whether the part was whole (its data inflated and its checksum
    // matched) and well formed.
    bool Whole(const QXmlStreamReader &Xml) {
        Closed = true;
        const bool checked = Found && unzCloseCurrentFile(Zip) == UNZ_OK;
        return checked && !Broken && !Xml.hasError();
    }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char *Data, qint64 MaxSize) override {
        const int read = unzReadCurrentFile(
            Zip, Data, static_cast<unsigned>(std::min<qint64>(MaxSize, INT_MAX)));
        if (read < 0) {
            Broken = true;
            return -1;
        }
        Inflated += read;
        return read;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    unzFile Zip;
    bool Broken = false;
    bool Closed = false;
};

void AppendUtf8(std::string &Out, QStringView Text) {
    for (const QChar c : Text) {
        if (c.unicode() >= 0x80) {
            Out += Text.toUtf8().toStdString();
            return;
        }
    }
    for (const QChar c : Text)
        Out.push_back(static_cast<char>(c.unicode()));
}

// The text of the element the reader is at, phonetic runs (<rPh>) left out; the reader ends on
// the element's end.
void ReadText(QXmlStreamReader &Xml, std::string &Out) {
    int depth = 1;
    while (depth > 0 && !Xml.atEnd()) {
        switch (Xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (Xml.name() == u"rPh")
                Xml.skipCurrentElement();
            else
                ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            AppendUtf8(Out, Xml.text());
            break;
        default:
            break;
        }
    }
}

QString Attribute(const QXmlStreamReader &Xml, QStringView Name) {
    for (const QXmlStreamAttribute &attribute : Xml.attributes()) {
        if (attribute.name() == Name)
            return attribute.value().toString();
    }
    return {};
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

std::vector<Relationship> ReadRelationships(const Archive &Zip, const QString &Name) {
    std::vector<Relationship> found;
    Part part(Zip, Name);
    if (!part.Found)
        return found;
    QXmlStreamReader xml(&part);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship")
            found.push_back(
                {Attribute(xml, u"Id"), Attribute(xml, u"Type"), Attribute(xml, u"Target")});
    }
    return found;
}

QString TargetOfType(const std::vector<Relationship> &Found, QStringView TypeEnd) {
    for (const Relationship &r : Found) {
        if (r.Type.endsWith(TypeEnd))
            return r.Target;
    }
    return {};
}

struct Parts {
    QString Sheet;
    QString Strings; // may be empty: a workbook without text needs no shared strings
};

// The first worksheet and the shared strings; none when the workbook names no worksheet.
std::optional<Parts> FindParts(const Archive &Zip) {
    QString workbook =
        TargetOfType(ReadRelationships(Zip, QStringLiteral("_rels/.rels")), u"/officeDocument");
    workbook = workbook.isEmpty() ? QStringLiteral("xl/workbook.xml") : Resolve({}, workbook);
    QString firstId;
    {
        Part part(Zip, workbook);
        if (!part.Found)
            return std::nullopt;
        QXmlStreamReader xml(&part);
        while (firstId.isEmpty() && !xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet")
                firstId = Attribute(xml, u"id");
        }
    }
    const auto relationships = ReadRelationships(Zip, RelationshipsOf(workbook));
    Parts parts;
    for (const Relationship &r : relationships) {
        if (r.Id == firstId && !firstId.isEmpty())
            parts.Sheet = Resolve(workbook, r.Target);
    }
    const QString strings = TargetOfType(relationships, u"/sharedStrings");
    if (!strings.isEmpty())
        parts.Strings = Resolve(workbook, strings);
    if (parts.Sheet.isEmpty() || !Zip.Has(parts.Sheet))
        return std::nullopt;
    return parts;
}

// Column index from a cell reference ("AB12" gives 27); -1 without one.
int ColumnOf(QStringView Reference) {
    int column = 0;
    qsizetype i = 0;
    for (; i < Reference.size() && Reference[i] >= u'A' && Reference[i] <= u'Z'; ++i)
        column = column * 26 + (Reference[i].unicode() - u'A' + 1);
    return i == 0 || column > 16384 ? -1 : column - 1;
}

class XlsxRead {
  public:
    XlsxRead(const QString &Path, const Progress &Hooks)
        : Path(Path), Hooks(Hooks), Builder(Path) {}
    ReadOutcome Run();

  private:
    const QString &Path;
    const Progress &Hooks;
    PayrollBuilder Builder;
    std::vector<std::string> Strings;
    std::vector<std::string> Cells;
    std::vector<std::string_view> Views;
    QString Error;

    QString Damaged(const QString &PartName) const;
    bool ReadStrings(const Archive &Zip, const QString &Name);
    Status ReadSheet(const Archive &Zip, const QString &Name);
    void ReadCell(QXmlStreamReader &Xml, int &NextColumn);
    bool EndRow(std::uint32_t Line, std::size_t Count);
};

QString XlsxRead::Damaged(const QString &PartName) const {
    return QStringLiteral("%1已损坏：其中的%2不完整或无法解压").arg(FileNamed(Path), PartName);
}

bool XlsxRead::ReadStrings(const Archive &Zip, const QString &Name) {
    Part part(Zip, Name);
    if (!part.Found)
        return true;
    QXmlStreamReader xml(&part);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si") {
            Strings.emplace_back();
            ReadText(xml, Strings.back());
        }
    }
    if (!part.Whole(xml)) {
        Error = Damaged(Name);
        return false;
    }
    return true;
}

void XlsxRead::ReadCell(QXmlStreamReader &Xml, int &NextColumn) {
    const QXmlStreamAttributes attributes = Xml.attributes();
    const int column = ColumnOf(attributes.value(QLatin1String("r")));
    const int at = column >= 0 ? column : NextColumn;
    NextColumn = at + 1;
    if (static_cast<std::size_t>(at) >= Cells.size())
        Cells.resize(static_cast<std::size_t>(at) + 1);
    std::string &cell = Cells[static_cast<std::size_t>(at)];
    cell.clear();
    const QStringView type = attributes.value(QLatin1String("t"));
    while (Xml.readNextStartElement()) {
        if (Xml.name() == u"v" && type == u"s") {
            std::string index;
            ReadText(Xml, index);
            const auto i = static_cast<std::size_t>(std::strtoull(index.c_str(), nullptr, 10));
            if (i < Strings.size())
                cell = Strings[i];
        } else if (Xml.name() == u"v" || Xml.name() == u"is") {
            ReadText(Xml, cell);
        } else {
            Xml.skipCurrentElement();
        }
    }
}

bool XlsxRead::EndRow(std::uint32_t Line, std::size_t Count) {
    Views.assign(Cells.begin(), Cells.begin() + static_cast<std::ptrdiff_t>(Count));
    if (const auto fault = Builder.AddRow(Line, Views)) {
        Error = *fault;
        return false;
    }
    for (std::size_t i = 0; i < Count; ++i)
        Cells[i].clear();
    return true;
}

Status XlsxRead::ReadSheet(const Archive &Zip, const QString &Name) {
    Part part(Zip, Name);
    QXmlStreamReader xml(&part);
    ProgressTicker ticker(Hooks, part.Size, 0);
    std::uint32_t line = 0;
    qint64 rows = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"row")
            continue;
        const uint shown = xml.attributes().value(QLatin1String("r")).toUInt();
        line = shown > 0 ? shown : line + 1;
        int nextColumn = 0;
        std::size_t count = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"c") {
                ReadCell(xml, nextColumn);
                count = std::max(count, static_cast<std::size_t>(nextColumn));
            } else {
                xml.skipCurrentElement();
            }
        }
        if (!xml.hasError() && !EndRow(line, count))
            return Status::Failed;
        if (++rows % RowsPerTick == 0 && !ticker.Ask(part.Inflated))
            return Status::Cancelled;
    }
    if (!part.Whole(xml)) {
        Error = Damaged(Name);
        return Status::Failed;
    }
    return Status::Done;
}

ReadOutcome XlsxRead::Run() {
    const Archive zip(Path);
    if (zip.Zip == nullptr)
        return FailedRead(
            QStringLiteral("%1不是有效的Excel文件（不是zip压缩包）").arg(FileNamed(Path)));
    const auto parts = FindParts(zip);
    if (!parts)
        return FailedRead(QStringLiteral("%1中没有工作表").arg(FileNamed(Path)));
    if (!parts->Strings.isEmpty() && !ReadStrings(zip, parts->Strings))
        return FailedRead(Error);
    switch (ReadSheet(zip, parts->Sheet)) {
    case Status::Failed:
        if (Builder.LacksColumns())
            return ReadOutcome{Status::Failed, Error, Builder.Finish(), true};
        return FailedRead(Error);
    case Status::Cancelled:
        return CancelledRead();
    case Status::Done:
        break;
    }
    if (const auto missing = Builder.MissingHeader())
        return FailedRead(*missing);
    return ReadOutcome{Status::Done, {}, Builder.Finish()};
}

} // namespace

ReadOutcome ReadXlsx(const QString &Path, const Progress &Hooks) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return FailedRead(OpenFault(Path, file));
    file.close();
    return XlsxRead(Path, Hooks).Run();
}

} // namespace sheets
