// Layout of the "计算方法" pictures and of the bracket tables: text blocks and tables set at the
// largest font size at which everything fits the picture.

#include "Pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace Pictures {
namespace {

const QColor Ink(0x33, 0x33, 0x33);
const QColor FormulaInk(0x1d, 0x4f, 0x8a);
const QColor NoteInk(0x70, 0x70, 0x70);
const QColor ExampleInk(0x2e, 0x6b, 0x30);
const QColor Marker(0xe0, 0x7b, 0x22);
const QColor Grid(0xc9, 0xd6, 0xe6);
const QColor HeaderFill(0x2f, 0x6f, 0xb5);
const QColor StripeFill(0xf1, 0xf6, 0xfc);

constexpr int LargestFont = 15;
constexpr int SmallestFont = 10;
constexpr int SmallestUnbrokenFont = 11;
constexpr qreal Margin = 5;

QFont FontOf(int Pixels, bool Bold = false) {
    QFont font(FontFamily());
    font.setPixelSize(Pixels);
    font.setBold(Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString Thousands(long long Value) {
    return QString::number(Value);
}

// Column widths of a bracket table: level, range, rate, quick deduction.
struct Columns {
    qreal Level, Range, Rate, Deduct;
    qreal Total() const { return Level + Range + Rate + Deduct; }
};

QStringList Header(const BracketTable &Table) {
    return {QCoreApplication::translate("Pictures", "级数"), Table.Quantity,
            QCoreApplication::translate("Pictures", "税率"),
            QCoreApplication::translate("Pictures", "速算扣除数")};
}

QStringList Row(const BracketTable &Table, std::size_t Level) {
    return {QString::number(Level + 1), Table.Range(Level),
            QString::number(Table.RatePercents[Level]) + QLatin1Char('%'),
            Thousands(Table.QuickDeducts()[Level])};
}

Columns Measure(const BracketTable &Table, const QFont &Font, const QFont &HeaderFont) {
    const QFontMetricsF body(Font), head(HeaderFont);
    const qreal pad = Font.pixelSize() * 0.8;
    Columns c{0, 0, 0, 0};
    const QStringList h = Header(Table);
    c.Level = head.horizontalAdvance(h[0]);
    c.Range = head.horizontalAdvance(h[1]);
    c.Rate = head.horizontalAdvance(h[2]);
    c.Deduct = head.horizontalAdvance(h[3]);
    for (std::size_t i = 0; i < Table.RatePercents.size(); ++i) {
        const QStringList r = Row(Table, i);
        c.Level = std::max(c.Level, body.horizontalAdvance(r[0]));
        c.Range = std::max(c.Range, body.horizontalAdvance(r[1]));
        c.Rate = std::max(c.Rate, body.horizontalAdvance(r[2]));
        c.Deduct = std::max(c.Deduct, body.horizontalAdvance(r[3]));
    }
    c.Level += pad;
    c.Range += pad;
    c.Rate += pad;
    c.Deduct += pad;
    return c;
}

qreal RowHeight(const QFont &Font) {
    return QFontMetricsF(Font).height() * 1.35;
}

// Draws (or, without a painter, measures) a bracket table at the top of Area; gives its height,
// or a negative value when it does not fit the width.
qreal PlaceTable(QPainter *Painter, const BracketTable &Table, const QRectF &Area, int Pixels) {
    const QFont font = FontOf(Pixels), headerFont = FontOf(Pixels, true);
    Columns c = Measure(Table, font, headerFont);
    if (c.Total() > Area.width())
        return -1;
    // Spare width goes to the range column, where the eye reads most.
    c.Range += Area.width() - c.Total();
    const qreal rowHeight = RowHeight(font);
    const std::size_t rows = Table.RatePercents.size() + 1;
    if (!Painter)
        return rowHeight * static_cast<qreal>(rows);

    const qreal widths[4] = {c.Level, c.Range, c.Rate, c.Deduct};
    for (std::size_t r = 0; r < rows; ++r) {
        const QRectF line(Area.left(), Area.top() + rowHeight * static_cast<qreal>(r), Area.width(),
                          rowHeight);
        if (r == 0)
            Painter->fillRect(line, HeaderFill);
        else if (r % 2 == 0)
            Painter->fillRect(line, StripeFill);
        const QStringList cells = r == 0 ? Header(Table) : Row(Table, r - 1);
        Painter->setFont(r == 0 ? headerFont : font);
        Painter->setPen(r == 0 ? QColor(Qt::white) : Ink);
        qreal x = Area.left();
        for (int col = 0; col < 4; ++col) {
            const QRectF cell(x, line.top(), widths[col], rowHeight);
            Painter->drawText(cell, Qt::AlignCenter, cells[col]);
            x += widths[col];
        }
    }
    Painter->setPen(QPen(Grid, 1));
    Painter->setBrush(Qt::NoBrush);
    Painter->drawRect(
        QRectF(Area.left(), Area.top(), Area.width(), rowHeight * static_cast<qreal>(rows))
            .adjusted(0.5, 0.5, -0.5, -0.5));
    return rowHeight * static_cast<qreal>(rows);
}

QColor InkOf(Block::Kind Kind) {
    switch (Kind) {
    case Block::Formula:
        return FormulaInk;
    case Block::Note:
        return NoteInk;
    case Block::Example:
        return ExampleInk;
    default:
        return Ink;
    }
}

bool IsOperator(const QString &Word) {
    static const QString operators = QStringLiteral("=+−×÷<>≤≥");
    return Word.size() == 1 && operators.contains(Word.front());
}

// Where a line may end, strongest first: after a sentence mark, after a clause mark, after a blank
// (not the one after an operator: the operator stays with its operand and starts the next line),
// and only when a line holds no more, after a blank inside brackets too. A bracketed group, a word
// and a number stay whole as long as they fit. English marks end a piece at the blank after them,
// so that "10.5" and "1,000" stay whole.
enum class Break { Sentence, Clause, Blank, Bracketed };

QStringList Split(const QString &Text, Break Level) {
    static const QString sentenceMarks = QStringLiteral("。；");
    static const QString clauseMarks = QStringLiteral("：，、");
    static const QString latinSentenceMarks = QStringLiteral(".;");
    static const QString latinClauseMarks = QStringLiteral(":,");
    QStringList pieces;
    QString piece, word;
    QChar previous;
    int depth = 0;
    for (const QChar c : Text) {
        piece += c;
        if (c == QLatin1Char('(') || c == QChar(u'（'))
            ++depth;
        else if ((c == QLatin1Char(')') || c == QChar(u'）')) && depth > 0)
            --depth;
        const bool blank = c == QLatin1Char(' ');
        bool ends = false;
        if (Level == Break::Bracketed)
            ends = blank && !IsOperator(word);
        else if (depth == 0 && Level == Break::Sentence)
            ends = sentenceMarks.contains(c) || (blank && latinSentenceMarks.contains(previous));
        else if (depth == 0 && Level == Break::Clause)
            ends = clauseMarks.contains(c) || (blank && latinClauseMarks.contains(previous));
        else if (depth == 0)
            ends = blank && !IsOperator(word);
        word = blank ? QString() : word + c;
        previous = c;
        if (ends) {
            pieces << piece;
            piece.clear();
        }
    }
    if (!piece.isEmpty())
        pieces << piece;
    return pieces;
}

// Fills lines with the pieces of Text at Level; a piece that fits no line of its own is broken
// at the next weaker level. False when even a piece between two blanks is wider than a line.
bool Fill(QStringList &Lines, QString &Line, const QString &Text, Break Level,
          const QFontMetricsF &Metrics, qreal Width) {
    const auto fits = [&](const QString &Candidate) {
        return Metrics.horizontalAdvance(Candidate.trimmed()) <= Width;
    };
    for (const QString &piece : Split(Text, Level)) {
        if (fits(Line + piece)) {
            Line += piece;
        } else if (fits(piece)) {
            Lines << Line.trimmed();
            Line = piece;
        } else if (Level == Break::Bracketed ||
                   !Fill(Lines, Line, piece, static_cast<Break>(static_cast<int>(Level) + 1),
                         Metrics, Width)) {
            return false;
        }
    }
    return true;
}

bool HasChinese(const QString &Text) {
    return std::any_of(Text.cbegin(), Text.cend(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// The lines of a text block; none when it cannot be broken to fit Width. Chinese lines end at the
// strongest mark that lets them fit; English fills each line word by word, as English is set.
QStringList BreakLines(const QString &Text, const QFontMetricsF &Metrics, qreal Width) {
    QStringList lines;
    QString line;
    if (!Fill(lines, line, Text, HasChinese(Text) ? Break::Sentence : Break::Blank, Metrics, Width))
        return {};
    if (!line.isEmpty())
        lines << line.trimmed();
    return lines;
}

// Lays out every block from the top; gives the height used, or a negative value when a table or a
// phrase does not fit the width. Without a painter it only measures.
qreal PlaceBlocks(QPainter *Painter, const std::vector<Block> &Blocks, const QRectF &Area,
                  int Pixels, bool Unbroken) {
    const QFont font = FontOf(Pixels);
    const QFontMetricsF metrics(font);
    const qreal bullet = Pixels * 0.8;
    const qreal gap = Pixels * 0.3;
    qreal y = Area.top();
    for (std::size_t i = 0; i < Blocks.size(); ++i) {
        const Block &block = Blocks[i];
        if (i > 0)
            y += gap;
        if (block.Type == Block::Table) {
            y += gap;
            const qreal h =
                PlaceTable(Painter, *block.Brackets,
                           QRectF(Area.left(), y, Area.width(), Area.bottom() - y), Pixels);
            if (h < 0)
                return -1;
            y += h;
            continue;
        }
        const bool marked = block.Type == Block::Formula;
        const QRectF text(Area.left() + bullet, y, Area.width() - bullet, 10000);
        // A formula or an example broken over two lines is hard to read: first try without.
        if (Unbroken && (marked || block.Type == Block::Example) &&
            metrics.horizontalAdvance(block.Content) > text.width())
            return -1;
        const QStringList lines = BreakLines(block.Content, metrics, text.width());
        if (lines.isEmpty())
            return -1;
        if (Painter) {
            if (marked) {
                const qreal side = Pixels * 0.32;
                const qreal mid = y + metrics.ascent() - metrics.xHeight() / 2;
                Painter->fillRect(QRectF(Area.left() + 1, mid - side / 2, side, side), Marker);
            }
            Painter->setFont(font);
            Painter->setPen(InkOf(block.Type));
            for (qsizetype i = 0; i < lines.size(); ++i)
                Painter->drawText(
                    QPointF(text.left(), y + metrics.ascent() + metrics.lineSpacing() * qreal(i)),
                    lines[i]);
        }
        y += metrics.lineSpacing() * qreal(lines.size());
    }
    return y - Area.top();
}

} // namespace

std::vector<long long> BracketTable::QuickDeducts() const {
    std::vector<long long> deducts{0};
    for (std::size_t k = 1; k < RatePercents.size(); ++k) {
        const long long step =
            static_cast<long long>(UpperBounds[k - 1]) * (RatePercents[k] - RatePercents[k - 1]);
        if (step % 100 != 0)
            throw std::runtime_error("quick deduction is not a whole amount");
        deducts.push_back(deducts.back() + step / 100);
    }
    return deducts;
}

QString BracketTable::Range(std::size_t Level) const {
    if (Level == 0)
        return QCoreApplication::translate("Pictures", "不超过%1元").arg(UpperBounds[0]);
    if (Level == UpperBounds.size())
        return QCoreApplication::translate("Pictures", "超过%1元").arg(UpperBounds.back());
    return QCoreApplication::translate("Pictures", "超过%1元至%2元")
        .arg(UpperBounds[Level - 1])
        .arg(UpperBounds[Level]);
}

QString BracketTable::Compact() const {
    QStringList parts;
    const std::vector<long long> deducts = QuickDeducts();
    for (std::size_t k = 0; k < RatePercents.size(); ++k) {
        QString range;
        if (k == 0)
            range = QCoreApplication::translate("Pictures", "不超过%1元").arg(UpperBounds[0]);
        else if (k == UpperBounds.size())
            range = QCoreApplication::translate("Pictures", "超过%1元").arg(UpperBounds.back());
        else
            range = QCoreApplication::translate("Pictures", "%1～%2元")
                        .arg(UpperBounds[k - 1])
                        .arg(UpperBounds[k]);
        QString part = range + QStringLiteral(" %1%").arg(RatePercents[k]);
        if (deducts[k] != 0)
            part += QCoreApplication::translate("Pictures", "，速算扣除%1").arg(deducts[k]);
        parts << part;
    }
    return parts.join(QCoreApplication::translate("Pictures", "；"));
}

QImage DrawMethod(const MethodPicture &Picture) {
    const QRectF area(Margin, Margin, Picture.Size.width() - 2 * Margin,
                      Picture.Size.height() - 2 * Margin);
    for (const bool unbroken : {true, false}) {
        const int smallest = unbroken ? SmallestUnbrokenFont : SmallestFont;
        for (int pixels = LargestFont; pixels >= smallest; --pixels) {
            const qreal used = PlaceBlocks(nullptr, Picture.Blocks, area, pixels, unbroken);
            if (used < 0 || used > area.height())
                continue;
            QImage image(Picture.Size, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            // Centred vertically: the group's picture place is centred too, so margins agree.
            const qreal top = (area.height() - used) / 2;
            PlaceBlocks(&painter, Picture.Blocks, area.translated(0, top), pixels, false);
            return image;
        }
    }
    throw std::runtime_error("method picture " + Picture.Key.toStdString() + " does not fit " +
                             std::to_string(Picture.Size.width()) + "x" +
                             std::to_string(Picture.Size.height()));
}

// A table-only illustration: the category's name above its bracket table, on as many lines as
// the name needs at the picture's width.
QImage DrawTableIllustration(const Illustration &Picture) {
    const QRectF area(Margin, Margin, Picture.Size.width() - 2 * Margin,
                      Picture.Size.height() - 2 * Margin);
    const QString name = QCoreApplication::translate("Pictures", "%1税率表").arg(Picture.Name);
    for (int pixels = LargestFont; pixels >= SmallestFont; --pixels) {
        const QFont title = FontOf(pixels + 2, true);
        const QStringList lines = BreakLines(name, QFontMetricsF(title), area.width());
        const qreal lineHeight = QFontMetricsF(title).height() * 1.3;
        const qreal titleHeight = lineHeight * qreal(lines.size());
        const QRectF tableArea = area.adjusted(0, titleHeight, 0, 0);
        const qreal h = PlaceTable(nullptr, *Picture.Brackets, tableArea, pixels);
        if (lines.isEmpty() || h < 0 || titleHeight + h > area.height())
            continue;
        QImage image(Picture.Size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const qreal top = (area.height() - titleHeight - h) / 2;
        painter.setFont(title);
        painter.setPen(Picture.Accent);
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(QRectF(area.left(), area.top() + top + lineHeight * qreal(i),
                                    area.width(), lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
        PlaceTable(&painter, *Picture.Brackets, tableArea.translated(0, top), pixels);
        return image;
    }
    throw std::runtime_error("table picture " + Picture.Key.toStdString() + " does not fit");
}

} // namespace Pictures
