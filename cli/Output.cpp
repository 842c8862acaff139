#include "cli/Output.h"

#include "formats/Result.h"
#include "sheets/JsonFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace Cli {
namespace {

// The words of this file, translated in the context "Output".
class Words {
    Q_DECLARE_TR_FUNCTIONS(Output)
};

// Whatever a file or an argument put into the text, no control character reaches the terminal as
// one: the lines and tabs of the program's own layout stay, everything else shows as an escape.
// JSON holds none of them raw (its strings escape them), so --json output passes unchanged.
QString ForTerminal(const QString &Text) {
    QString shown;
    shown.reserve(Text.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= Text.size(); ++i) {
        if (i < Text.size() && Text[i] != u'\n' && Text[i] != u'\t')
            continue;
        shown += sheets::json::Visible(QStringView(Text).sliced(start, i - start));
        if (i < Text.size())
            shown += Text[i];
        start = i + 1;
    }
    return shown;
}

PrintSink &Diverted() {
    static PrintSink sink;
    return sink;
}

void Write(std::FILE *Stream, const QString &Text) {
    if (Diverted()) {
        Diverted()(ForTerminal(Text), Stream == stderr);
        return;
    }
    const QByteArray bytes = ForTerminal(Text).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), Stream);
    std::fflush(Stream);
}

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

int DisplayWidth(const QString &Text) {
    int width = 0;
    for (const char32_t c : Text.toUcs4())
        width += IsWide(c) ? 2 : 1;
    return width;
}

QString Padding(int Places) {
    return QString(std::max(0, Places), u' ');
}

} // namespace

void DivertPrinting(PrintSink Sink) {
    Diverted() = std::move(Sink);
}

void PrintOut(const QString &Text) {
    Write(stdout, Text);
}

bool OutputWritten() {
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
}

void PrintError(const QString &Message) {
    Write(stderr, Words::tr("pendra-cli：%1\n").arg(Message));
}

QString Money(current::Cents Amount) {
    return QString::fromStdString(current::FormatCents(Amount));
}

QString Rate(int Percent) {
    return QString::number(Percent) + u'%';
}

void PrintJson(const nlohmann::json &Result) {
    PrintOut(QString::fromStdString(formats::ResultText(Result)));
}

QString Shown(const std::string &Text) {
    return sheets::json::Visible(QString::fromStdString(Text));
}

void TextTable::AddRow(const QStringList &Cells) {
    QStringList cells;
    for (const QString &cell : Cells)
        cells.append(sheets::json::Visible(cell));
    Rows.append(cells);
}

QString TextTable::Render() const {
    QList<int> widths;
    for (const QStringList &row : Rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
        }
    }
    QString text;
    for (const QStringList &row : Rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            const QString gap = Padding(widths[i] - DisplayWidth(row[i]));
            if (i == 0)
                line += row[i] + gap;
            else if (Align == AllLeft)
                line += QStringLiteral("  ") + row[i] + gap;
            else
                line += QStringLiteral("  ") + gap + row[i];
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

QString Pairs(const QList<QStringList> &Rows) {
    TextTable table;
    for (const QStringList &row : Rows)
        table.AddRow(row);
    return table.Render();
}

} // namespace Cli
