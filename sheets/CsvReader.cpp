// CSV payroll files, read in chunks: a record is parsed from the bytes in place (the delimiters
// are ASCII in both UTF-8 and GBK), and only a cell with other bytes is checked or decoded.

#include "sheets/Limits.h"
#include "sheets/PayrollBuilder.h"
#include "sheets/Readers.h"
#include "sheets/SafeFile.h"
#include "sheets/SheetText.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace sheets {
namespace {

// A record must fit in the buffer, which grows to the limit: one that does not is refused.
constexpr qint64 ChunkSize = Limit::RecordBytes;

enum class Encoding {
    Utf8,      // after a BOM: nothing else is tried
    Utf8OrGbk, // without one: GBK when a cell is not UTF-8
    Gbk,       // decoded as GB18030, of which GBK is a part
};

struct Record {
    std::vector<std::string_view> Cells; // into the input, or into Unquoted for a quoted cell
    std::string Unquoted;                // quoted cells without their quotes
    std::uint32_t InnerLines = 0;        // line breaks inside quoted cells
    bool Unclosed = false;               // a quote still open at the end of the file
    bool InQuote = false;                // the input ended inside a quoted cell
};

constexpr std::array<bool, 256> EndsCell = [] {
    std::array<bool, 256> ends{};
    ends[','] = ends['\n'] = ends['\r'] = true;
    return ends;
}();

// A quoted cell from just after its opening quote, unquoted into Out.Unquoted, followed by what
// comes before the delimiter (kept, as spreadsheets do); P ends on the delimiter. False when
// the input ends first.
bool ParseQuoted(const char *&P, const char *End, bool AtEnd, Record &Out) {
    const std::size_t start = Out.Unquoted.size();
    for (;;) {
        const auto *quote = static_cast<const char *>(std::memchr(P, '"', End - P));
        if (quote == nullptr) {
            Out.Unclosed = AtEnd;
            Out.InQuote = true;
            return false;
        }
        Out.Unquoted.append(P, quote);
        Out.InnerLines += static_cast<std::uint32_t>(std::count(P, quote, '\n'));
        P = quote + 1;
        if (P == End && !AtEnd)
            return false; // a doubled quote may follow
        if (P == End || *P != '"')
            break;
        Out.Unquoted.push_back('"');
        ++P;
    }
    const char *rest = P;
    while (P < End && !EndsCell[static_cast<unsigned char>(*P)])
        ++P;
    Out.Unquoted.append(rest, P);
    Out.Cells.emplace_back(Out.Unquoted.data() + start, Out.Unquoted.size() - start);
    return true;
}

// The record at P, and where the next begins; nullptr when the record may go on past End (more
// input is to come unless AtEnd). The cells refer to the input.
const char *ParseRecord(const char *P, const char *End, bool AtEnd, Record &Out) {
    Out.Cells.clear();
    Out.Unquoted.clear();
    // Unquoting never lengthens a cell: with this room the quoted cells' views stay valid.
    Out.Unquoted.reserve(static_cast<std::size_t>(End - P));
    Out.InnerLines = 0;
    Out.InQuote = false;
    for (;;) {
        if (P < End && *P == '"') {
            if (!ParseQuoted(++P, End, AtEnd, Out))
                return Out.Unclosed ? End : nullptr;
        } else {
            const char *start = P;
            while (P < End && !EndsCell[static_cast<unsigned char>(*P)])
                ++P;
            Out.Cells.emplace_back(start, static_cast<std::size_t>(P - start));
        }
        if (P == End)
            return AtEnd ? End : nullptr;
        if (*P++ == ',')
            continue;
        if (P[-1] == '\r') {
            if (P == End && !AtEnd)
                return nullptr;
            if (P < End && *P == '\n')
                ++P;
        }
        return P;
    }
}

// Whether a line read as GBK holds characters beyond GB2312, the set of the common characters
// (first byte from 0xA1 to 0xF7, second from 0xA1 to 0xFE), or bytes that are no GBK at all.
// Text in UTF-8 read as GBK mostly does; GBK text that happens to be valid UTF-8 hardly ever.
bool BeyondGb2312(std::string_view Line) {
    for (std::size_t i = 0; i < Line.size(); ++i) {
        const auto lead = static_cast<unsigned char>(Line[i]);
        if (lead < 0x80)
            continue;
        if (i + 1 == Line.size() || lead < 0xA1 || lead > 0xF7)
            return true;
        const auto trail = static_cast<unsigned char>(Line[++i]);
        if (trail < 0xA1 || trail == 0xFF)
            return true;
    }
    return false;
}

// Whether a line of a GBK file is UTF-8 instead: valid UTF-8 with a character of three bytes or
// more (every Chinese character is), and no plain GB2312 text when read as GBK.
bool LooksUtf8(std::string_view Line) {
    const bool wide = std::any_of(Line.begin(), Line.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0xE0 && static_cast<unsigned char>(c) < 0xF5;
    });
    return wide && QByteArrayView(Line.data(), qsizetype(Line.size())).isValidUtf8() &&
           BeyondGb2312(Line);
}

// Eight bytes at a time: every line passes through here.
bool HasHighBytes(std::string_view Text) {
    constexpr std::uint64_t High = 0x8080'8080'8080'8080;
    std::size_t i = 0;
    for (; i + 8 <= Text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, Text.data() + i, 8);
        if (word & High)
            return true;
    }
    return std::any_of(Text.begin() + static_cast<std::ptrdiff_t>(i), Text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

enum class Attempt { Done, Failed, Cancelled, NotUtf8 };

class CsvRead {
  public:
    CsvRead(QIODevice &File, const QString &Path, Encoding Kind, const Progress &Hooks)
        : Builder(Path), File(File), Path(Path), Kind(Kind), Ticker(Hooks, File.size(), ChunkSize) {
    }

    Attempt Run();
    QString Error;
    PayrollBuilder Builder;

  private:
    QIODevice &File;
    const QString &Path;
    Encoding Kind;
    ProgressTicker Ticker;
    QStringDecoder Gbk{"GB18030"};
    Record Cells;
    std::vector<std::string_view> Views;
    std::vector<QByteArray> Decoded;
    std::uint32_t Line = 1;

    bool Fill(std::vector<char> &Buffer, std::size_t &Begin, std::size_t &Filled, bool &AtEnd);
    Attempt Take(std::string_view Raw, bool &Stop);
    Attempt DecodeCells(std::string_view Raw);
    QString TooLong() const;
};

Attempt CsvRead::Run() {
    // A small file takes a small buffer; one record may grow it up to the limit.
    std::vector<char> buffer(
        static_cast<std::size_t>(std::clamp<qint64>(File.size() + 1, 4096, ChunkSize)));
    std::size_t begin = 0;
    std::size_t filled = 0;
    bool atEnd = false;
    qint64 consumed = 0;
    while (Fill(buffer, begin, filled, atEnd)) {
        if (!Ticker.Ask(consumed))
            return Attempt::Cancelled;
        const char *p = buffer.data() + begin;
        const char *end = buffer.data() + filled;
        while (p < end) {
            const char *next = ParseRecord(p, end, atEnd, Cells);
            if (next == nullptr)
                break;
            if (Cells.Unclosed) {
                Error = SheetText::tr("%1第%2行的引号没有闭合").arg(FileNamed(Path)).arg(Line);
                return Attempt::Failed;
            }
            bool stop = false;
            if (const Attempt taken = Take({p, std::size_t(next - p)}, stop); stop)
                return taken;
            p = next;
        }
        consumed += static_cast<qint64>(p - (buffer.data() + begin));
        begin = static_cast<std::size_t>(p - buffer.data());
        if (atEnd && p == end)
            break;
    }
    if (!Error.isEmpty())
        return Attempt::Failed;
    if (const auto missing = Builder.MissingHeader()) {
        Error = *missing;
        return Attempt::Failed;
    }
    return Attempt::Done;
}

// Moves the bytes not yet parsed to the front and reads more after them; false when there is
// nothing left or the file cannot be read (Error says so).
bool CsvRead::Fill(std::vector<char> &Buffer, std::size_t &Begin, std::size_t &Filled,
                   bool &AtEnd) {
    if (AtEnd)
        return Begin < Filled;
    std::memmove(Buffer.data(), Buffer.data() + Begin, Filled - Begin);
    Filled -= Begin;
    Begin = 0;
    if (Filled == Buffer.size() && Buffer.size() == Limit::RecordBytes) {
        Error = TooLong();
        return false;
    }
    if (Filled == Buffer.size())
        Buffer.resize(std::min(Buffer.size() * 2, Limit::RecordBytes));
    const qint64 read = File.read(Buffer.data() + Filled, qint64(Buffer.size() - Filled));
    if (read < 0) {
        Error = SheetText::tr("读取%1时出错：%2").arg(FileNamed(Path), File.errorString());
        return false;
    }
    Filled += static_cast<std::size_t>(read);
    AtEnd = read == 0;
    if (AtEnd)
        return Begin < Filled;
    return true;
}

QString CsvRead::TooLong() const {
    const QString limit = SizeText(Limit::RecordBytes);
    if (Cells.InQuote)
        return SheetText::tr("%1第%2行的引号在%3之内没有闭合（本程序一行最多%3）")
            .arg(FileNamed(Path))
            .arg(Line)
            .arg(limit);
    return SheetText::tr("%1第%2行超过了%3（本程序一行最多%3）")
        .arg(FileNamed(Path))
        .arg(Line)
        .arg(limit);
}

// Hands the parsed record (Raw in the input) to the builder; sets Stop when reading ends here.
Attempt CsvRead::Take(std::string_view Raw, bool &Stop) {
    Views = Cells.Cells;
    // The first line beyond ASCII decides: GBK text is hardly ever valid UTF-8, and a file that
    // changes its encoding half way cannot be read either way. A line is checked whole: its
    // delimiters are ASCII, so its cells are valid UTF-8 when it is.
    const bool utf8 = Kind != Encoding::Gbk && HasHighBytes(Raw) &&
                      QByteArrayView(Raw.data(), qsizetype(Raw.size())).isValidUtf8();
    if (utf8)
        Kind = Encoding::Utf8;
    else if (HasHighBytes(Raw)) {
        if (const Attempt decoded = DecodeCells(Raw); decoded != Attempt::Done) {
            Stop = true;
            return decoded;
        }
    }
    if (const auto fault = Builder.AddRow(Line, Views)) {
        Error = *fault;
        Stop = true;
        return Attempt::Failed;
    }
    Line += 1 + Cells.InnerLines;
    return Attempt::Done;
}

// A line that is not UTF-8: GBK from here on unless UTF-8 was decided. A file whose lines come
// in different encodings is refused rather than read with some of its names garbled.
Attempt CsvRead::DecodeCells(std::string_view Raw) {
    if (Kind == Encoding::Utf8OrGbk)
        return Attempt::NotUtf8;
    if (Kind == Encoding::Utf8) {
        Error =
            SheetText::tr("%1第%2行不是有效的UTF-8文本，无法解码").arg(FileNamed(Path)).arg(Line);
        return Attempt::Failed;
    }
    if (LooksUtf8(Raw)) {
        Error = SheetText::tr("%1第%2行是UTF-8编码，而前面的行是GBK编码；请把整个文件另存为同一种"
                              "编码")
                    .arg(FileNamed(Path))
                    .arg(Line);
        return Attempt::Failed;
    }
    Decoded.clear();
    for (std::string_view &cell : Views) {
        if (!HasHighBytes(cell))
            continue;
        const QByteArrayView bytes(cell.data(), static_cast<qsizetype>(cell.size()));
        Gbk.resetState();
        const QString text = Gbk.decode(bytes);
        if (Gbk.hasError()) {
            Error = SheetText::tr("%1第%2行既不是UTF-8也不是GBK文本，无法解码")
                        .arg(FileNamed(Path))
                        .arg(Line);
            return Attempt::Failed;
        }
        Decoded.push_back(text.toUtf8());
        cell = std::string_view(Decoded.back().constData(), std::size_t(Decoded.back().size()));
    }
    return Attempt::Done;
}

// The encoding a byte order mark names, other than UTF-8; empty for none.
QString UnreadEncoding(const QByteArray &Start) {
    using namespace Qt::Literals::StringLiterals;
    if (Start.startsWith("\xFF\xFE\0\0"_ba) || Start.startsWith("\0\0\xFE\xFF"_ba))
        return u"UTF-32"_s;
    if (Start.startsWith("\xFF\xFE") || Start.startsWith("\xFE\xFF"))
        return u"UTF-16"_s;
    return {};
}

} // namespace

ReadOutcome ReadCsv(const QString &Path, const Progress &Hooks) {
    QFile file;
    if (const OpenFault fault = OpenRegular(Path, file); fault != OpenFault::None)
        return FailedRead(CannotOpen(Path, fault));
    return ReadCsv(file, Path, Hooks);
}

ReadOutcome ReadCsv(QIODevice &File, const QString &Path, const Progress &Hooks) {
    if (const QString other = UnreadEncoding(File.peek(4)); !other.isEmpty())
        return FailedRead(SheetText::tr("%1是%2编码，请另存为UTF-8或GBK编码的CSV文件")
                              .arg(FileNamed(Path), other));
    const bool bom = File.peek(3).startsWith("\xEF\xBB\xBF");
    const qint64 start = bom ? 3 : 0;
    File.seek(start);
    Encoding kind = bom ? Encoding::Utf8 : Encoding::Utf8OrGbk;
    for (;;) {
        CsvRead read(File, Path, kind, Hooks);
        switch (read.Run()) {
        case Attempt::Done:
            return ReadOutcome{Status::Done, {}, read.Builder.Finish()};
        case Attempt::Failed:
            return FailedRead(read.Error);
        case Attempt::Cancelled:
            return CancelledRead();
        case Attempt::NotUtf8:
            kind = Encoding::Gbk;
            File.seek(start);
            break;
        }
    }
}

} // namespace sheets
