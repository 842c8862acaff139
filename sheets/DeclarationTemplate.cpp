// The template is copied part by part as it was compressed (minizip's raw mode), so that what
// this program does not understand of it (drawings, data validations, macros' signatures) reaches
// the client as the tax administration made it. Only the parts needed to find the header are
// inflated, each within TemplateLimit; the worksheet holding it is spliced as text: everything up
// to the end of the header row and from the end of its rows on is kept byte for byte, which a
// rewrite through an XML writer would not do (it renames namespace prefixes that Excel's
// mc:Ignorable names).

#include "sheets/DeclarationTemplate.h"

#include "sheets/Cells.h"
#include "sheets/FileFaults.h"
#include "sheets/Limits.h"
#include "sheets/PayrollBuilder.h"
#include "sheets/Payslips.h"
#include "sheets/SafeFile.h"
#include "sheets/SheetText.h"
#include "sheets/Withholding.h"
#include "sheets/Workbook.h"
#include "sheets/ZipDevice.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <unzip.h>
#include <zip.h>

#include <fcntl.h>

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <optional>
#include <unordered_map>

namespace sheets {
namespace {

constexpr int CaseInsensitive = 2; // for unzLocateFile
constexpr int XmlDepth = 64;
// A part's name, its end included; a longer one is refused (no workbook's part has one).
constexpr std::size_t NameBytes = 1024;

TemplateOutcome Refused(const QString &Error) {
    return {Status::Failed, Error, {}};
}

// The template's archive, read under the limits.
class TemplateZip {
  public:
    explicit TemplateZip(QFile &File)
        : Functions(ZipDevice::On(File)), Zip(unzOpen2_64("", &Functions)),
          PartLimit(
              std::min(TemplateLimit::InflationRatio * File.size(), TemplateLimit::PartBytes)) {}
    ~TemplateZip() {
        if (Zip != nullptr)
            unzClose(Zip);
    }
    TemplateZip(const TemplateZip &) = delete;
    TemplateZip &operator=(const TemplateZip &) = delete;

    zlib_filefunc64_def Functions;
    unzFile Zip;
    qint64 PartLimit;

    // The part inflated whole; none when it is missing, broken or beyond the limit (Fault says
    // which, empty when it is only missing).
    std::optional<QByteArray> Inflate(const QString &Name, QString &Fault) const {
        if (unzLocateFile(Zip, Name.toUtf8().constData(), CaseInsensitive) != UNZ_OK)
            return std::nullopt;
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(Zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
            unzOpenCurrentFile(Zip) != UNZ_OK) {
            Fault = SheetText::tr("其中的%1无法解压").arg(Name);
            return std::nullopt;
        }
        QByteArray bytes;
        char buffer[65536];
        int read = 0;
        while ((read = unzReadCurrentFile(Zip, buffer, sizeof buffer)) > 0) {
            if (bytes.size() + read > PartLimit) {
                unzCloseCurrentFile(Zip);
                Fault = Beyond(Name);
                return std::nullopt;
            }
            bytes.append(buffer, read);
        }
        if (unzCloseCurrentFile(Zip) != UNZ_OK || read < 0) {
            Fault = SheetText::tr("其中的%1不完整或无法解压").arg(Name);
            return std::nullopt;
        }
        return bytes;
    }

    QString Beyond(const QString &Name) const {
        return SheetText::tr("其中的%1解压后超过了%2（最多解压到文件大小的%3倍，且不超过%4）")
            .arg(Name, SizeText(PartLimit))
            .arg(TemplateLimit::InflationRatio)
            .arg(SizeText(TemplateLimit::PartBytes));
    }
};

// An XML part read token by token, never deeper than XmlDepth.
class Tokens {
  public:
    explicit Tokens(const QString &Text) : Reader(Text) {}
    QXmlStreamReader Reader;
    int Depth = 0;
    bool TooDeep = false;

    bool Next() {
        if (Reader.atEnd())
            return false;
        const auto token = Reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            --Depth;
        if (token == QXmlStreamReader::StartElement && ++Depth > XmlDepth) {
            TooDeep = true;
            Reader.raiseError();
            return false;
        }
        return !Reader.hasError();
    }
    bool Start() const { return Reader.isStartElement(); }
    bool End() const { return Reader.isEndElement(); }
    bool Is(QStringView Name) const { return Reader.name() == Name; }
    QString Attribute(QLatin1StringView Name) const {
        for (const QXmlStreamAttribute &a : Reader.attributes()) {
            if (a.name() == Name)
                return a.value().toString();
        }
        return {};
    }
    // Where it went wrong: "第3行第7列".
    QString Where() const {
        return SheetText::tr("第%1行第%2列").arg(Reader.lineNumber()).arg(Reader.columnNumber());
    }
};

QString Resolve(const QString &From, const QString &Target) {
    if (Target.startsWith(u'/'))
        return Target.mid(1);
    QString base = From.left(From.lastIndexOf(u'/') + 1) + Target;
    // "../" as some writers give it.
    while (true) {
        const qsizetype up = base.indexOf(QStringLiteral("/../"));
        if (up < 0)
            break;
        const qsizetype before = base.lastIndexOf(u'/', up - 1);
        base.remove(before + 1, up + 4 - before - 1);
    }
    return base;
}

QString RelationshipsOf(const QString &PartName) {
    const qsizetype slash = PartName.lastIndexOf(u'/');
    return PartName.left(slash + 1) + QStringLiteral("_rels/") + PartName.mid(slash + 1) +
           QStringLiteral(".rels");
}

// How a template's column is filled.
enum class Source : std::uint8_t {
    Id,
    Name,
    Month,
    Amount,   // an amount field of the month's row
    ItemYear, // an item of the deductions given in its own column, the year so far
    Part,     // a part of 专项扣除 in a column of the sheet
    Mode,
    Result, // a result of the calculation
    Text,   // a column of the sheet of the same title, as text
    Blank,
};

struct Plan {
    Source From = Source::Blank;
    Field Which = Field::Extra;
    ResultColumn Result = ResultColumn::Tax;
    DeductionItem Item = DeductionItem::None;
    int SheetColumn = -1;
};

struct HeaderCell {
    int Column = 0;
    QString Title;
};

struct Worksheet {
    QString Name;
    QString Part;
};

// A cell's place ("AB12").
QString CellName(int Column, std::uint32_t Line) {
    QString letters;
    for (int n = Column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters + QString::number(Line);
}

QString Escaped(QStringView Text) {
    QString out;
    out.reserve(Text.size());
    for (const QChar c : Text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            // What XML 1.0 cannot hold at all is left out rather than written broken.
            if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r')
                out += c;
        }
    }
    return out;
}

// The role of a template's title: the sheet's own titles and synonyms, and the client's word
// for other deductions, which a wage sheet could not take (其他 there may be other pay).
struct TemplateRole {
    TitleRole Role;
    std::optional<ResultColumn> Result;
    std::optional<DeductionItem> ItemYear; // 累计子女教育 …
};

// A title as it is matched: the client marks the columns it requires with a leading "*".
QString Bare(const QString &Title) {
    QString bare = Title.trimmed();
    while (bare.startsWith(u'*') || bare.startsWith(u'＊'))
        bare = bare.mid(1).trimmed();
    return bare;
}

TemplateRole RoleInTemplate(const QString &Title) {
    const std::string text = Bare(Title).toStdString();
    if (text == "其他")
        return {{Field::Other}, std::nullopt, std::nullopt};
    const TitleRole role = RoleOfTitle(text);
    if (role.Role != Field::Written)
        return {role, std::nullopt, std::nullopt};
    return {role, ResultOfTitle(text), ItemResultOfTitle(text)};
}

bool IsHeader(const std::vector<HeaderCell> &Cells) {
    bool who = false;
    bool income = false;
    for (const HeaderCell &cell : Cells) {
        const Field role = RoleInTemplate(cell.Title).Role.Role;
        who = who || role == Field::Id || Bare(cell.Title) == u"证件号码";
        income = income || role == Field::Income;
    }
    return who && income;
}

class Filler {
  public:
    Filler(const PayrollSheet &Sheet, int Month, const QString &Template)
        : Sheet(Sheet), Month(Month), Path(Template) {}
    TemplateOutcome Run(const QString &Output);

  private:
    const PayrollSheet &Sheet;
    int Month;
    const QString &Path;
    std::optional<TemplateZip> Zip;
    QStringList Shared;
    TemplateFill Fill;

    // Found in the worksheet holding the header.
    std::vector<HeaderCell> Header;
    std::map<int, QString> Styles; // by column, from the first row below the header
    int KeptColumns = 0;    // the columns of the cells up to the header row, its own included
    qsizetype CutStart = 0; // after the header row
    qsizetype CutEnd = 0;   // where </sheetData> begins
    QString SheetText_;
    QString SheetPart;
    // The calculation chain names cells of the rows written anew: it is left out, with its
    // relationship and content type, and Excel builds it again when it next calculates.
    QString WorkbookRels;
    QString CalcChainId;
    QString CalcChainPart;

    QString InTemplate(const QString &What) const {
        return SheetText::tr("申报模板%1：%2").arg(FileNamed(Path), What);
    }
    std::optional<QString> Text(const QString &Part, QString &Fault) const;
    std::vector<Worksheet> Worksheets(QString &Fault);
    bool ReadShared(const QString &Part, QString &Fault);
    bool FindHeader(const Worksheet &Sheet, QString &Fault);
    std::vector<Plan> Planned();
    QString Rows(const std::vector<Plan> &Plans);
    QString Dimension() const;
    std::optional<QByteArray> WithoutElement(const QString &Part, QLatin1StringView Element,
                                             QLatin1StringView Attribute, const QString &Value,
                                             Qt::CaseSensitivity Case, QString &Fault) const;
    QString CopyArchive(const QString &Output, const std::map<QString, QByteArray> &Replaced);
};

std::optional<QString> Filler::Text(const QString &Part, QString &Fault) const {
    const auto bytes = Zip->Inflate(Part, Fault);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

// The worksheets in the workbook's order, each with its part.
std::vector<Worksheet> Filler::Worksheets(QString &Fault) {
    auto relationships = [&](const QString &Part) {
        std::vector<std::array<QString, 3>> found; // id, type, target
        const auto text = Text(Part, Fault);
        if (!text)
            return found;
        Tokens xml(*text);
        while (xml.Next()) {
            if (xml.Start() && xml.Is(u"Relationship"))
                found.push_back({xml.Attribute(QLatin1StringView("Id")),
                                 xml.Attribute(QLatin1StringView("Type")),
                                 xml.Attribute(QLatin1StringView("Target"))});
        }
        if (xml.Reader.hasError())
            Fault = SheetText::tr("其中的%1已损坏（%2）").arg(Part, xml.Where());
        return found;
    };
    QString workbook = QStringLiteral("xl/workbook.xml");
    for (const auto &r : relationships(QStringLiteral("_rels/.rels"))) {
        if (r[1].endsWith(u"/officeDocument"))
            workbook = Resolve({}, r[2]);
    }
    if (!Fault.isEmpty())
        return {};
    WorkbookRels = RelationshipsOf(workbook);
    const auto rels = relationships(WorkbookRels);
    if (!Fault.isEmpty())
        return {};
    for (const auto &r : rels) {
        if (r[1].endsWith(u"/calcChain") && !r[0].isEmpty()) {
            CalcChainId = r[0];
            CalcChainPart = Resolve(workbook, r[2]);
        }
    }
    // Only a calculation chain is left out: a relationship of that type naming another part (the
    // worksheet, a drawing, as a hostile file may) leaves the part and the relationship alone. A
    // chain the archive lacks has only its relationship and content type to be cut.
    if (!CalcChainPart.isEmpty()) {
        QString broken;
        const auto chain = Zip->Inflate(CalcChainPart, broken);
        bool isChain = !chain && broken.isEmpty();
        if (chain) {
            Tokens xml(QString::fromUtf8(*chain));
            while (xml.Next() && !xml.Start())
                continue;
            isChain = xml.Start() && xml.Is(u"calcChain");
        }
        if (!isChain) {
            CalcChainId.clear();
            CalcChainPart.clear();
        }
    }
    std::vector<Worksheet> sheets;
    const auto text = Text(workbook, Fault);
    if (!text)
        return {};
    Tokens xml(*text);
    while (xml.Next()) {
        if (!xml.Start() || !xml.Is(u"sheet"))
            continue;
        const QString id = xml.Attribute(QLatin1StringView("id"));
        for (const auto &r : rels) {
            if (r[0] == id && !id.isEmpty())
                sheets.push_back(
                    {xml.Attribute(QLatin1StringView("name")), Resolve(workbook, r[2])});
        }
    }
    if (xml.Reader.hasError()) {
        Fault = SheetText::tr("其中的%1已损坏（%2）").arg(workbook, xml.Where());
        return {};
    }
    for (const auto &r : rels) {
        if (r[1].endsWith(u"/sharedStrings") && !ReadShared(Resolve(workbook, r[2]), Fault))
            return {};
    }
    return sheets;
}

bool Filler::ReadShared(const QString &Part, QString &Fault) {
    const auto text = Text(Part, Fault);
    if (!text)
        return Fault.isEmpty();
    Tokens xml(*text);
    QString item;
    int phonetic = 0; // inside <rPh>: a reading, not the text
    while (xml.Next()) {
        if (xml.Start() && xml.Is(u"si"))
            item.clear();
        else if (xml.Start() && xml.Is(u"rPh"))
            ++phonetic;
        else if (xml.End() && xml.Is(u"rPh"))
            --phonetic;
        else if (xml.End() && xml.Is(u"si"))
            Shared << item;
        else if (xml.Reader.isCharacters() && phonetic == 0 && item.size() < 4096)
            item += xml.Reader.text();
    }
    if (xml.Reader.hasError()) {
        Fault = SheetText::tr("其中的%1已损坏（%2）").arg(Part, xml.Where());
        return false;
    }
    return true;
}

// Looks for the header among the first rows that are not blank, as a payroll sheet's header is
// looked for; keeps where the rows below it are.
bool Filler::FindHeader(const Worksheet &Part, QString &Fault) {
    const auto text = Text(Part.Part, Fault);
    if (!text)
        return false;
    Tokens xml(*text);
    std::uint32_t line = 0;
    std::uint32_t nonBlank = 0;
    KeptColumns = 0;
    std::vector<HeaderCell> cells;
    bool found = false;
    bool styled = false; // the row below the header read
    qsizetype before = 0;
    while (true) {
        before = xml.Reader.characterOffset();
        if (!xml.Next())
            break;
        if (xml.End() && xml.Is(u"sheetData")) {
            if (found) {
                CutEnd = before;
                break;
            }
            continue;
        }
        if (!xml.Start() || !xml.Is(u"row"))
            continue;
        const uint shown = xml.Attribute(QLatin1StringView("r")).toUInt();
        line = shown > 0 ? shown : line + 1;
        const int rowDepth = xml.Depth;
        cells.clear();
        int next = 0;
        int lastColumn = -1;
        std::map<int, QString> styles;
        while (xml.Next() && xml.Depth >= rowDepth) {
            if (!xml.Start() || !xml.Is(u"c"))
                continue;
            const QString ref = xml.Attribute(QLatin1StringView("r"));
            int column = 0;
            qsizetype i = 0;
            for (; i < ref.size() && i < 3 && ref[i] >= u'A' && ref[i] <= u'Z'; ++i)
                column = column * 26 + (ref[i].unicode() - u'A' + 1);
            column = i == 0 ? next : column - 1;
            next = column + 1;
            lastColumn = std::max(lastColumn, column);
            const QString type = xml.Attribute(QLatin1StringView("t"));
            if (const QString s = xml.Attribute(QLatin1StringView("s")); !s.isEmpty())
                styles[column] = s;
            QString value;
            const int cellDepth = xml.Depth;
            int passed = 0; // inside a formula or a phonetic reading, which are not the text
            while (xml.Next() && xml.Depth >= cellDepth) {
                if (xml.Start() && (xml.Is(u"f") || xml.Is(u"rPh")))
                    ++passed;
                else if (xml.End() && (xml.Is(u"f") || xml.Is(u"rPh")))
                    --passed;
                else if (xml.Reader.isCharacters() && passed == 0 && value.size() < 4096)
                    value += xml.Reader.text();
            }
            if (type == u"s") {
                const qsizetype index = value.toLongLong();
                value = index >= 0 && index < Shared.size() ? Shared[index] : QString();
            }
            if (!found && !value.trimmed().isEmpty())
                cells.push_back({column, value.trimmed()});
        }
        if (xml.Reader.hasError())
            break;
        if (found) {
            if (!styled)
                Styles = std::move(styles);
            styled = true;
            continue;
        }
        KeptColumns = std::max(KeptColumns, lastColumn + 1);
        if (cells.empty())
            continue;
        if (IsHeader(cells)) {
            found = true;
            Header = cells;
            Fill.HeaderLine = line;
            CutStart = xml.Reader.characterOffset();
        } else if (++nonBlank >= HeaderRows) {
            return false;
        }
    }
    if (xml.Reader.hasError()) {
        Fault = SheetText::tr("其中的%1已损坏（%2）").arg(Part.Part, xml.Where());
        return false;
    }
    if (!found)
        return false;
    // The offsets are the reader's; what stands there is checked before anything is cut.
    const QString &t = *text;
    if (CutEnd < CutStart || CutStart < 1 || t[CutStart - 1] != u'>' ||
        !QStringView(t).mid(CutEnd).startsWith(u"</")) {
        Fault = SheetText::tr("其中的%1无法按行改写").arg(Part.Part);
        return false;
    }
    SheetText_ = *text;
    SheetPart = Part.Part;
    Fill.SheetName = Part.Name;
    return true;
}

std::vector<Plan> Filler::Planned() {
    const auto &columns = Sheet.Columns();
    auto sheetColumn = [&](auto Matches) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (Matches(columns[i]))
                return static_cast<int>(i);
        }
        return -1;
    };
    auto fromColumn = [&](int Column) {
        return SheetText::tr("工资表的“%1”列").arg(columns[static_cast<std::size_t>(Column)].Title);
    };
    std::vector<Plan> plans;
    for (const HeaderCell &cell : Header) {
        const TemplateRole role = RoleInTemplate(cell.Title);
        Plan plan;
        QString why;
        switch (role.Role.Role) {
        case Field::Id:
        case Field::Name:
        case Field::Mode:
        case Field::Income:
        case Field::Exempt:
        case Field::Insurance:
        case Field::Special:
        case Field::Other: {
            const Field field = role.Role.Role;
            plan.Which = field;
            plan.SheetColumn = Sheet.ColumnOf(field);
            // 专项扣除 is the sum of its parts when the sheet gives them instead.
            if (field == Field::Insurance && plan.SheetColumn < 0)
                plan.SheetColumn = sheetColumn(
                    [](const SheetColumn &c) { return c.Role == Field::InsurancePart; });
            plan.From = plan.SheetColumn < 0   ? Source::Blank
                        : field == Field::Id   ? Source::Id
                        : field == Field::Name ? Source::Name
                        : field == Field::Mode ? Source::Mode
                                               : Source::Amount;
            why = SheetText::tr("工资表没有这一列");
            break;
        }
        case Field::Month:
            plan.From = Source::Month;
            break;
        case Field::InsurancePart:
            plan.SheetColumn = sheetColumn([&](const SheetColumn &c) {
                return c.Role == Field::InsurancePart && c.Part == role.Role.Part;
            });
            plan.From = plan.SheetColumn < 0 ? Source::Blank : Source::Part;
            why = Sheet.ColumnOf(Field::Insurance) >= 0
                      ? SheetText::tr("工资表只有专项扣除的合计，分不出这一项")
                      : SheetText::tr("工资表没有这一列");
            break;
        case Field::Written:
            if (role.Result) {
                plan.From = Source::Result;
                plan.Result = *role.Result;
            } else if (role.ItemYear) {
                const std::vector<DeductionItem> items = Sheet.Items();
                const bool given =
                    std::find(items.begin(), items.end(), *role.ItemYear) != items.end();
                plan.From = given ? Source::ItemYear : Source::Blank;
                plan.Item = *role.ItemYear;
                plan.SheetColumn = sheetColumn([&](const SheetColumn &c) {
                    return c.Role == Field::DeductionItem && c.Item == *role.ItemYear;
                });
                why = SheetText::tr("工资表没有这一项的列");
                break;
            }
            why = SheetText::tr("本程序不计算这一项");
            break;
        case Field::DeductionItem:
            plan.SheetColumn = sheetColumn([&](const SheetColumn &c) {
                return c.Role == Field::DeductionItem && c.Item == role.Role.Item;
            });
            plan.From = plan.SheetColumn < 0 ? Source::Blank : Source::Part;
            why = SheetText::tr("工资表没有这一列");
            break;
        case Field::Bonus:
        case Field::BonusMethod:
            // A bonus taxed on its own is declared apart from the month's wages; one merged is
            // already in 本期收入.
            why = SheetText::tr("全年一次性奖金不在工资薪金的模板中单列");
            break;
        case Field::Extra:
            plan.SheetColumn = sheetColumn([&](const SheetColumn &c) {
                return c.Role == Field::Extra && Bare(c.Title) == Bare(cell.Title);
            });
            plan.From = plan.SheetColumn < 0 ? Source::Blank : Source::Text;
            why = SheetText::tr("工资表没有同名的列");
            break;
        }
        TemplateColumn report{cell.Title, plan.From != Source::Blank, {}};
        switch (plan.From) {
        case Source::Blank:
            report.Source = why;
            break;
        case Source::Month:
            report.Source = SheetText::tr("所填的月份");
            break;
        case Source::Result:
            report.Source = SheetText::tr("本程序算出的“%1”").arg(ResultTitle(plan.Result));
            break;
        default:
            report.Source = fromColumn(plan.SheetColumn);
        }
        Fill.Columns.push_back(report);
        plans.push_back(plan);
    }
    return plans;
}

// The month's rows: employees computed that month in order of first appearance.
QString Filler::Rows(const std::vector<Plan> &Plans) {
    QString out;
    std::uint32_t line = Fill.HeaderLine;
    auto cell = [&](int Column, const QString &Body, bool Number) {
        out += QStringLiteral("<c r=\"") + CellName(Column, line) + u'"';
        if (const auto style = Styles.find(Column); style != Styles.end())
            out += QStringLiteral(" s=\"") + Escaped(style->second) + u'"';
        if (Number) {
            out += QStringLiteral("><v>") + Body + QStringLiteral("</v></c>");
            return;
        }
        const bool keepBlanks = Body != Body.trimmed();
        out += QStringLiteral(" t=\"inlineStr\"><is><t") +
               (keepBlanks ? QStringLiteral(" xml:space=\"preserve\">") : QStringLiteral(">")) +
               Escaped(Body) + QStringLiteral("</t></is></c>");
    };
    auto amount = [](current::Cents Cents) {
        std::string text;
        AppendCents(text, Cents);
        return QString::fromLatin1(text);
    };
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (!Sheet.Accepted(employee))
            continue;
        const auto k = Sheet.IndexOfMonth(employee, Month);
        if (!k)
            continue;
        const std::size_t row = Sheet.EmployeeRows(employee)[*k];
        std::vector<current::WageWithholding> months;
        std::vector<ItemAmounts> deducted;
        // A bonus taxed with the month's wage is income of the month as the withholding was.
        current::Cents mergedBonus = 0;
        if (Sheet.HasBonus()) {
            const BonusTaking taken = Sheet.Bonuses(employee)[*k];
            mergedBonus = taken.MergedWithWage() ? taken.Amount : 0;
        }
        ++line;
        ++Fill.RowsWritten;
        out += QStringLiteral("<row r=\"%1\">").arg(line);
        for (std::size_t i = 0; i < Plans.size(); ++i) {
            const Plan &plan = Plans[i];
            const int column = Header[i].Column;
            const auto text = [&] {
                return QString::fromUtf8(
                    Sheet.TextOf(row, static_cast<std::size_t>(plan.SheetColumn)));
            };
            switch (plan.From) {
            case Source::Id:
                cell(column, Sheet.EmployeeId(employee), false);
                break;
            case Source::Name:
            case Source::Text:
            case Source::Mode:
                if (const QString value = text(); !value.isEmpty())
                    cell(column, value, false);
                break;
            case Source::Month:
                cell(column, QString::number(Month), true);
                break;
            case Source::Amount:
                cell(column,
                     amount(Sheet.Amount(row, plan.Which) +
                            (plan.Which == Field::Income ? mergedBonus : 0)),
                     true);
                break;
            case Source::Part: {
                std::string buffer;
                const std::string typed(
                    Sheet.TextOf(row, static_cast<std::size_t>(plan.SheetColumn)));
                // A part left empty in the sheet stays empty: it is not known to be nothing.
                if (const auto cents = CellCents(PlainAmount(typed, buffer)))
                    cell(column, amount(*cents), true);
                break;
            }
            case Source::ItemYear: {
                if (deducted.empty())
                    deducted = Sheet.ItemsDeducted(employee);
                const auto slot = static_cast<std::size_t>(plan.Item) - 1;
                current::Cents sum = 0;
                for (std::size_t i = 0; i <= *k; ++i)
                    sum += deducted[i][slot];
                cell(column, amount(sum), true);
                break;
            }
            case Source::Result: {
                if (months.empty())
                    months = Withhold(Sheet, employee);
                const auto &month = months[*k];
                if (plan.Result == ResultColumn::Rate)
                    cell(column, ResultText(month, plan.Result), false);
                else
                    cell(column, amount(ResultValue(month, plan.Result)), true);
                break;
            }
            case Source::Blank:
                break;
            }
        }
        out += QStringLiteral("</row>");
    }
    return out;
}

// The used range of the worksheet filled: from A1 to the last column kept up to the header and
// the last row written (the header's when none was).
QString Filler::Dimension() const {
    return QStringLiteral("A1:") +
           CellName(std::max(KeptColumns, 1) - 1, Fill.HeaderLine + Fill.RowsWritten);
}

// The part with its elements named Element whose Attribute is Value taken out, every other byte
// as it was; none when the part is missing or names no such element.
std::optional<QByteArray> Filler::WithoutElement(const QString &Part, QLatin1StringView Element,
                                                 QLatin1StringView Attribute, const QString &Value,
                                                 Qt::CaseSensitivity Case, QString &Fault) const {
    const auto bytes = Zip->Inflate(Part, Fault);
    if (!bytes)
        return std::nullopt;
    // Latin-1 maps each byte to one character and back, so that what is not cut stays as it was
    // whatever its encoding; the names and values sought are ASCII.
    QString text = QString::fromLatin1(*bytes);
    const QRegularExpression element(
        QStringLiteral("<((?:[A-Za-z_][\\w.-]*:)?)%1(\\s[^>]*?)?(?:/>|>\\s*</\\1%1\\s*>)")
            .arg(QRegularExpression::escape(Element)));
    const QRegularExpression attribute(QStringLiteral("\\s%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')")
                                           .arg(QRegularExpression::escape(Attribute)));
    bool cut = false;
    for (qsizetype from = 0;;) {
        const QRegularExpressionMatch match = element.match(text, from);
        if (!match.hasMatch())
            break;
        const QRegularExpressionMatch named = attribute.match(match.captured(2));
        const QString value = named.capturedStart(1) >= 0 ? named.captured(1) : named.captured(2);
        if (named.hasMatch() && value.compare(Value, Case) == 0) {
            text.remove(match.capturedStart(), match.capturedLength());
            from = match.capturedStart();
            cut = true;
        } else {
            from = match.capturedEnd();
        }
    }
    if (!cut)
        return std::nullopt;
    return text.toLatin1();
}

// The archive written anew: each part as it was compressed, those in Replaced written from their
// new bytes, the calculation chain left out.
QString Filler::CopyArchive(const QString &Output, const std::map<QString, QByteArray> &Replaced) {
    Replacement file(Output);
    if (const auto refused = file.Refused())
        return RefusalText(Output, *refused);
    if (!file.Create())
        return SheetText::tr("无法写入%1：%2").arg(FileNamed(Output), file.ErrorString());
    zlib_filefunc64_def functions = ZipDevice::On(file.File());
    zipFile out = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    if (out == nullptr)
        return SheetText::tr("无法写入%1：%2").arg(FileNamed(Output), file.ErrorString());
    bool ok = unzGoToFirstFile(Zip->Zip) == UNZ_OK;
    std::vector<char> buffer(65536);
    while (ok) {
        unz_file_info64 info{};
        char name[NameBytes] = {};
        if (unzGetCurrentFileInfo64(Zip->Zip, &info, name, sizeof name - 1, nullptr, 0, nullptr,
                                    0) != UNZ_OK) {
            ok = false;
            break;
        }
        zip_fileinfo stamp{};
        stamp.dosDate = info.dosDate;
        stamp.internal_fa = info.internal_fa;
        stamp.external_fa = info.external_fa;
        const QString part = QString::fromUtf8(name);
        const auto replaced = Replaced.find(part);
        if (!CalcChainPart.isEmpty() && part.compare(CalcChainPart, Qt::CaseInsensitive) == 0) {
            // left out
        } else if (replaced != Replaced.end()) {
            const QByteArray &bytes = replaced->second;
            ok = zipOpenNewFileInZip64(out, name, &stamp, nullptr, 0, nullptr, 0, nullptr,
                                       Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0) == ZIP_OK &&
                 zipWriteInFileInZip(out, bytes.constData(), static_cast<unsigned>(bytes.size())) ==
                     ZIP_OK &&
                 zipCloseFileInZip(out) == ZIP_OK;
        } else {
            int method = 0;
            int level = 0;
            ok = unzOpenCurrentFile2(Zip->Zip, &method, &level, 1) == UNZ_OK;
            ok = ok && zipOpenNewFileInZip2_64(out, name, &stamp, nullptr, 0, nullptr, 0, nullptr,
                                               method, level, 1, 0) == ZIP_OK;
            int read = 0;
            while (ok && (read = unzReadCurrentFile(Zip->Zip, buffer.data(),
                                                    static_cast<unsigned>(buffer.size()))) > 0)
                ok = zipWriteInFileInZip(out, buffer.data(), static_cast<unsigned>(read)) == ZIP_OK;
            ok = ok && read == 0 &&
                 zipCloseFileInZipRaw64(out, info.uncompressed_size, info.crc) == ZIP_OK;
            unzCloseCurrentFile(Zip->Zip);
        }
        if (!ok)
            break;
        const int next = unzGoToNextFile(Zip->Zip);
        if (next == UNZ_END_OF_LIST_OF_FILE)
            break;
        ok = next == UNZ_OK;
    }
    const bool closed = zipClose(out, nullptr) == ZIP_OK;
    if (!ok)
        return InTemplate(SheetText::tr("压缩包已损坏，无法复制"));
    if (!closed || !file.Commit())
        return SheetText::tr("写入%1时出错：%2").arg(FileNamed(Output), file.ErrorString());
    return {};
}

TemplateOutcome Filler::Run(const QString &Output) {
    QFile file;
    struct stat opened {};
    const OpenFault opening = OpenRegular(Path, file, &opened, O_NOFOLLOW);
    // Said of the template, not of a payroll sheet, whose words CannotOpen has for this one.
    if (opening == OpenFault::NotRegular)
        return Refused(SheetText::tr("申报模板%1不是普通文件（而是设备、管道、套接字之类），不读它")
                           .arg(FileNamed(Path)));
    if (opening != OpenFault::None)
        return Refused(CannotOpen(Path, opening));
    if (file.size() > TemplateLimit::FileBytes)
        return Refused(InTemplate(
            SheetText::tr("文件大于%1，不是申报模板").arg(SizeText(TemplateLimit::FileBytes))));
    const bool looksLikeZip = file.peek(4) == QByteArrayLiteral("PK\x03\x04");
    Zip.emplace(file);
    if (Zip->Zip == nullptr)
        return Refused(InTemplate(looksLikeZip ? SheetText::tr("压缩包已损坏")
                                               : SheetText::tr("不是Excel文件（.xlsx）")));
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(Zip->Zip, &global) != UNZ_OK)
        return Refused(InTemplate(SheetText::tr("压缩包已损坏")));
    if (global.number_entry > static_cast<ZPOS64_T>(TemplateLimit::Parts))
        return Refused(InTemplate(SheetText::tr("其中的部件超过了%1个").arg(TemplateLimit::Parts)));
    // What every part claims, before any is inflated or copied; the directory is counted as it
    // is walked, whatever its end claims.
    qint64 parts = 0;
    for (int at = unzGoToFirstFile(Zip->Zip); at == UNZ_OK; at = unzGoToNextFile(Zip->Zip)) {
        unz_file_info64 info{};
        char name[NameBytes] = {};
        if (unzGetCurrentFileInfo64(Zip->Zip, &info, name, sizeof name - 1, nullptr, 0, nullptr,
                                    0) != UNZ_OK ||
            info.size_filename >= sizeof name - 1)
            return Refused(InTemplate(SheetText::tr("压缩包已损坏")));
        if (++parts > TemplateLimit::Parts)
            return Refused(
                InTemplate(SheetText::tr("其中的部件超过了%1个").arg(TemplateLimit::Parts)));
        if (static_cast<qint64>(std::min<ZPOS64_T>(info.uncompressed_size, LLONG_MAX)) >
            Zip->PartLimit)
            return Refused(InTemplate(Zip->Beyond(QString::fromUtf8(name))));
    }
    QString fault;
    const std::vector<Worksheet> sheets = Worksheets(fault);
    if (!fault.isEmpty())
        return Refused(InTemplate(fault));
    if (sheets.empty())
        return Refused(InTemplate(SheetText::tr("不是Excel工作簿（其中没有工作表）")));
    bool found = false;
    for (const Worksheet &sheet : sheets) {
        if ((found = FindHeader(sheet, fault)))
            break;
        if (!fault.isEmpty())
            return Refused(InTemplate(fault));
    }
    if (!found)
        return Refused(InTemplate(
            SheetText::tr("任何工作表的前%1个非空行中都没有可以认出的标题行（须有工号或证件号码，"
                          "以及本期收入或收入）")
                .arg(HeaderRows)));
    const std::vector<Plan> plans = Planned();
    const QString rows = Rows(plans);
    if (Fill.HeaderLine + Fill.RowsWritten > MaxWorkbookRows)
        return Refused(InTemplate(
            SheetText::tr("标题行以下容不下%n行", nullptr, static_cast<int>(Fill.RowsWritten))));
    QString spliced = SheetText_.left(CutStart);
    // The used range Excel shows and scrolls to is that of the rows written, not the template's.
    static const QRegularExpression dimension(QStringLiteral(
        "<(?:[A-Za-z_][\\w.-]*:)?dimension\\s[^>]*?\\bref\\s*=\\s*([\"'])([^\"']*)\\1"));
    if (const QRegularExpressionMatch match = dimension.match(spliced); match.hasMatch())
        spliced.replace(match.capturedStart(2), match.capturedLength(2), Dimension());
    spliced += rows;
    spliced += QStringView(SheetText_).mid(CutEnd);
    // By the names the archive stores, which the relationships may spell in another case.
    std::map<QString, QByteArray> replaced{{SheetPart, spliced.toUtf8()}};
    if (!CalcChainPart.isEmpty()) {
        const auto stored = [this](const QString &Part) {
            char name[NameBytes] = {};
            unz_file_info64 info{};
            if (unzLocateFile(Zip->Zip, Part.toUtf8().constData(), CaseInsensitive) != UNZ_OK ||
                unzGetCurrentFileInfo64(Zip->Zip, &info, name, sizeof name - 1, nullptr, 0, nullptr,
                                        0) != UNZ_OK)
                return QString();
            return QString::fromUtf8(name);
        };
        const QString rels = stored(WorkbookRels);
        if (const auto cut =
                WithoutElement(WorkbookRels, QLatin1StringView("Relationship"),
                               QLatin1StringView("Id"), CalcChainId, Qt::CaseSensitive, fault))
            replaced[rels] = *cut;
        const QString types = stored(QStringLiteral("[Content_Types].xml"));
        if (const auto cut =
                WithoutElement(QStringLiteral("[Content_Types].xml"), QLatin1StringView("Override"),
                               QLatin1StringView("PartName"), u'/' + CalcChainPart,
                               Qt::CaseInsensitive, fault)) // as OPC compares part names
            replaced[types] = *cut;
        if (!fault.isEmpty())
            return Refused(InTemplate(fault));
    }
    if (const QString written = CopyArchive(Output, replaced); !written.isEmpty())
        return Refused(written);
    return {Status::Done, {}, std::move(Fill)};
}

// The employees of the month left out, each once, with the first fault that left them out.
QStringList LeftOutOf(const PayrollSheet &Sheet, int Month) {
    std::unordered_map<std::uint32_t, const RowError *> ofEmployee;
    std::unordered_map<std::uint32_t, const RowError *> ofRow;
    for (const RowError &error : Sheet.Errors()) {
        const std::uint32_t employee = Sheet.Row(error.Row).Employee;
        if (employee == NoEmployee)
            ofRow.try_emplace(error.Row, &error);
        else
            ofEmployee.try_emplace(employee, &error);
    }
    const int nameColumn = Sheet.ColumnOf(Field::Name);
    QStringList out;
    std::unordered_map<std::uint32_t, bool> named;
    for (std::size_t i = 0; i < Sheet.RowCount(); ++i) {
        const PayrollRow &row = Sheet.Row(i);
        if (row.Month != Month || Sheet.RowAccepted(i))
            continue;
        const bool anonymous = row.Employee == NoEmployee;
        if (!anonymous && !named.try_emplace(row.Employee, true).second)
            continue;
        const QString who =
            anonymous
                ? SheetText::tr("第%1行").arg(row.Line)
                : (Sheet.EmployeeId(row.Employee) + u' ' +
                   (nameColumn < 0 ? QString() : QString::fromUtf8(Sheet.TextOf(i, nameColumn))))
                      .trimmed();
        const auto &faults = anonymous ? ofRow : ofEmployee;
        const auto found = faults.find(anonymous ? static_cast<std::uint32_t>(i) : row.Employee);
        out << (found == faults.end()
                    ? who
                    : SheetText::tr("%1（%2）").arg(who, Sheet.Message(*found->second)));
    }
    return out;
}

} // namespace

QString TemplateTargetFault(const QString &Template, const QString &Output,
                            const QString &SheetPath) {
    if (!Output.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return SheetText::tr("填好的申报模板应写成 .xlsx 文件，而不是%1").arg(FileNamed(Output));
    const QFileInfo source(Template);
    if (source.isSymLink())
        return SheetText::tr("申报模板%1是符号链接，不读它；请选链接所指的文件")
            .arg(FileNamed(Template));
    if (QFileInfo(Output).absoluteFilePath() == source.absoluteFilePath() ||
        SameFileOnDisk(Output, Template))
        return SheetText::tr("%1就是申报模板本身，填好的模板不会写在它上面；请另选一个文件")
            .arg(FileNamed(Output));
    return TargetFault(Output, SheetPath);
}

TemplateOutcome FillDeclarationTemplate(const PayrollSheet &Sheet, int Month,
                                        const QString &Template, const QString &Output) {
    if (const QString fault = TemplateTargetFault(Template, Output, Sheet.FileName());
        !fault.isEmpty())
        return Refused(fault);
    const auto held = MonthsHeld(Sheet);
    if (std::find(held.begin(), held.end(), Month) == held.end())
        return Refused(SheetText::tr("%1中没有%2月的行，申报模板没有填写")
                           .arg(FileNamed(Sheet.FileName()))
                           .arg(Month));
    const QStringList leftOut = LeftOutOf(Sheet, Month);
    bool anyone = false;
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount() && !anyone; ++employee) {
        if (!Sheet.Accepted(employee))
            continue;
        for (const std::uint32_t row : Sheet.EmployeeRows(employee))
            anyone = anyone || Sheet.Row(row).Month == Month;
    }
    if (!anyone)
        return Refused(SheetText::tr("%1中%2月没有一名员工可以计算，申报模板没有填写")
                           .arg(FileNamed(Sheet.FileName()))
                           .arg(Month));
    TemplateOutcome outcome = Filler(Sheet, Month, Template).Run(Output);
    outcome.Fill.LeftOut = leftOut;
    return outcome;
}

QStringList TemplateReport(const TemplateFill &Fill) {
    QStringList lines;
    lines << SheetText::tr("已在工作表“%1”第%2行的标题下填入%n名员工", nullptr,
                           static_cast<int>(Fill.RowsWritten))
                 .arg(Fill.SheetName)
                 .arg(Fill.HeaderLine);
    for (const TemplateColumn &column : Fill.Columns) {
        if (column.Filled)
            lines << SheetText::tr("已填：“%1”，取自%2").arg(column.Title, column.Source);
    }
    for (const TemplateColumn &column : Fill.Columns) {
        if (!column.Filled)
            lines << SheetText::tr("留空：“%1”，%2").arg(column.Title, column.Source);
    }
    for (const QString &who : Fill.LeftOut)
        lines << SheetText::tr("未填入：%1").arg(who);
    return lines;
}

} // namespace sheets
