// Illustrations, the logo, the chat buttons, the update window's pictures and the program icon.

#include "Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace Pictures {
namespace {

const QColor Gold(0xf2, 0xc1, 0x4e);
const QColor GoldEdge(0xc4, 0x8f, 0x22);
const QColor Paper(0xff, 0xff, 0xff);
const QColor Line(0xb8, 0xc4, 0xd2);
const QColor Grey(0x5f, 0x66, 0x70);
const QColor Brand(0x1d, 0x4f, 0x8a);
const QColor BrandLight(0x3b, 0x82, 0xc4);
const QColor Orange(0xf3, 0x9c, 0x34);

QFont FontOf(qreal Pixels, bool Bold = false) {
    QFont font(FontFamily());
    font.setPixelSize(qRound(Pixels));
    font.setBold(Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor Tint(const QColor &Color, qreal Amount) {
    return QColor::fromRgbF(1 - (1 - Color.redF()) * Amount, 1 - (1 - Color.greenF()) * Amount,
                            1 - (1 - Color.blueF()) * Amount);
}

QImage Blank(QSize Size) {
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void Prepare(QPainter &Painter) {
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setRenderHint(QPainter::TextAntialiasing);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Motifs, each drawn into a square box.

void Coins(QPainter &P, const QRectF &B, const QColor &) {
    const qreal w = B.width() * 0.62, h = B.height() * 0.14;
    const qreal x = B.left() + B.width() * 0.06;
    for (int i = 0; i < 5; ++i) {
        const qreal y = B.bottom() - h * 1.4 - i * h * 0.62;
        QPainterPath side;
        side.addRect(QRectF(x, y + h / 2, w, h * 0.5));
        P.setPen(QPen(GoldEdge, 1));
        P.setBrush(Gold.darker(110));
        P.drawPath(side);
        P.drawEllipse(QRectF(x, y + h * 0.5, w, h));
        P.setBrush(Gold);
        P.drawEllipse(QRectF(x, y, w, h));
    }
    const QRectF coin(B.left() + B.width() * 0.42, B.top() + B.height() * 0.18, B.width() * 0.52,
                      B.width() * 0.52);
    P.setPen(QPen(GoldEdge, 2));
    QRadialGradient shine(coin.center() - QPointF(coin.width() / 5, coin.height() / 5),
                          coin.width() * 0.7);
    shine.setColorAt(0, Gold.lighter(125));
    shine.setColorAt(1, Gold);
    P.setBrush(shine);
    P.drawEllipse(coin);
    P.setPen(GoldEdge.darker(120));
    P.setFont(FontOf(coin.height() * 0.55, true));
    P.drawText(coin, Qt::AlignCenter, QStringLiteral("¥"));
}

void Calendar(QPainter &P, const QRectF &B, const QColor &Accent) {
    const QRectF page =
        B.adjusted(B.width() * 0.08, B.height() * 0.14, -B.width() * 0.08, -B.height() * 0.06);
    P.setPen(QPen(Accent.darker(120), 1.5));
    P.setBrush(Paper);
    P.drawRoundedRect(page, 6, 6);
    const QRectF top(page.left(), page.top(), page.width(), page.height() * 0.24);
    QPainterPath head;
    head.addRoundedRect(top, 6, 6);
    head.addRect(top.adjusted(0, top.height() / 2, 0, 0));
    P.fillPath(head.simplified(), Accent);
    P.setPen(QPen(Grey, 3, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(QPointF(page.left() + page.width() * 0.28, page.top() - 6),
               QPointF(page.left() + page.width() * 0.28, page.top() + 6));
    P.drawLine(QPointF(page.right() - page.width() * 0.28, page.top() - 6),
               QPointF(page.right() - page.width() * 0.28, page.top() + 6));
    const qreal cell = page.width() / 5;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            const QRectF d(page.left() + cell * (c + 0.6), top.bottom() + cell * (r * 0.78 + 0.3),
                           cell * 0.6, cell * 0.5);
            P.fillRect(d, (r == 1 && c == 2) ? Orange : Tint(Accent, 0.3));
        }
    }
}

void Gift(QPainter &P, const QRectF &B, const QColor &Accent) {
    const QRectF box =
        B.adjusted(B.width() * 0.14, B.height() * 0.42, -B.width() * 0.14, -B.height() * 0.04);
    const QRectF lid(box.left() - 5, box.top() - B.height() * 0.14, box.width() + 10,
                     B.height() * 0.16);
    P.setPen(Qt::NoPen);
    P.setBrush(Accent);
    P.drawRoundedRect(box, 3, 3);
    P.setBrush(Accent.lighter(115));
    P.drawRoundedRect(lid, 3, 3);
    const qreal band = B.width() * 0.12;
    P.setBrush(Gold);
    P.drawRect(QRectF(box.center().x() - band / 2, lid.top(), band, box.bottom() - lid.top()));
    P.setPen(QPen(GoldEdge, 2));
    P.setBrush(Gold);
    const QPointF knot(box.center().x(), lid.top());
    P.drawEllipse(QRectF(knot.x() - B.width() * 0.26, knot.y() - B.height() * 0.2, B.width() * 0.26,
                         B.height() * 0.2));
    P.drawEllipse(
        QRectF(knot.x(), knot.y() - B.height() * 0.2, B.width() * 0.26, B.height() * 0.2));
}

void Briefcase(QPainter &P, const QRectF &B, const QColor &Accent) {
    const QRectF body =
        B.adjusted(B.width() * 0.06, B.height() * 0.3, -B.width() * 0.06, -B.height() * 0.1);
    P.setPen(QPen(Accent.darker(140), 4));
    P.setBrush(Qt::NoBrush);
    P.drawRoundedRect(
        QRectF(body.center().x() - body.width() * 0.18, body.top() - 16, body.width() * 0.36, 24),
        6, 6);
    P.setPen(Qt::NoPen);
    P.setBrush(Accent);
    P.drawRoundedRect(body, 8, 8);
    P.setBrush(Accent.darker(120));
    P.drawRect(QRectF(body.left(), body.top() + body.height() * 0.42, body.width(), 5));
    P.setBrush(Gold);
    P.drawRoundedRect(QRectF(body.center().x() - 8, body.top() + body.height() * 0.34, 16, 14), 3,
                      3);
}

void Shield(QPainter &P, const QRectF &B, const QColor &Accent) {
    const qreal w = B.width() * 0.7, x = B.center().x() - w / 2, t = B.top() + 4;
    QPainterPath shield;
    shield.moveTo(B.center().x(), t);
    shield.lineTo(x + w, t + B.height() * 0.14);
    shield.cubicTo(x + w, t + B.height() * 0.6, B.center().x() + w * 0.2, t + B.height() * 0.8,
                   B.center().x(), B.bottom() - 4);
    shield.cubicTo(B.center().x() - w * 0.2, t + B.height() * 0.8, x, t + B.height() * 0.6, x,
                   t + B.height() * 0.14);
    shield.closeSubpath();
    QLinearGradient fill(B.topLeft(), B.bottomLeft());
    fill.setColorAt(0, Accent.lighter(125));
    fill.setColorAt(1, Accent.darker(110));
    P.setPen(Qt::NoPen);
    P.setBrush(fill);
    P.drawPath(shield);
    const qreal arm = B.width() * 0.13, len = B.width() * 0.42;
    const QPointF c(B.center().x(), B.top() + B.height() * 0.46);
    P.setBrush(Paper);
    P.drawRoundedRect(QRectF(c.x() - arm / 2, c.y() - len / 2, arm, len), 2, 2);
    P.drawRoundedRect(QRectF(c.x() - len / 2, c.y() - arm / 2, len, arm), 2, 2);
}

void Page(QPainter &P, const QRectF &Sheet, const QColor &Accent, int Lines) {
    QPainterPath page;
    const qreal fold = Sheet.width() * 0.22;
    page.moveTo(Sheet.topLeft());
    page.lineTo(Sheet.right() - fold, Sheet.top());
    page.lineTo(Sheet.right(), Sheet.top() + fold);
    page.lineTo(Sheet.bottomRight());
    page.lineTo(Sheet.bottomLeft());
    page.closeSubpath();
    P.setPen(QPen(Accent.darker(120), 1.5));
    P.setBrush(Paper);
    P.drawPath(page);
    P.setBrush(Tint(Accent, 0.35));
    QPainterPath corner;
    corner.moveTo(Sheet.right() - fold, Sheet.top());
    corner.lineTo(Sheet.right() - fold, Sheet.top() + fold);
    corner.lineTo(Sheet.right(), Sheet.top() + fold);
    corner.closeSubpath();
    P.drawPath(corner);
    P.setPen(QPen(Line, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < Lines; ++i) {
        const qreal y = Sheet.top() + fold + 6 + i * (Sheet.height() - fold - 12) / Lines;
        const qreal end = (i == Lines - 1) ? Sheet.width() * 0.5 : Sheet.width() * 0.8;
        P.drawLine(QPointF(Sheet.left() + Sheet.width() * 0.12, y), QPointF(Sheet.left() + end, y));
    }
}

void Document(QPainter &P, const QRectF &B, const QColor &Accent) {
    Page(P, B.adjusted(B.width() * 0.12, B.height() * 0.04, -B.width() * 0.26, -B.height() * 0.04),
         Accent, 5);
    // A pen across the sheet.
    P.save();
    P.translate(B.left() + B.width() * 0.74, B.top() + B.height() * 0.58);
    P.rotate(40);
    P.setPen(Qt::NoPen);
    P.setBrush(Accent);
    P.drawRoundedRect(QRectF(-5, -B.height() * 0.4, 10, B.height() * 0.62), 3, 3);
    QPainterPath nib;
    nib.moveTo(-5, B.height() * 0.22);
    nib.lineTo(5, B.height() * 0.22);
    nib.lineTo(0, B.height() * 0.34);
    nib.closeSubpath();
    P.setBrush(Gold);
    P.drawPath(nib);
    P.restore();
}

void Book(QPainter &P, const QRectF &B, const QColor &Accent) {
    const QPointF spineTop(B.center().x(), B.top() + B.height() * 0.22);
    const QPointF spineBottom(B.center().x(), B.bottom() - B.height() * 0.08);
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        leaf.moveTo(spineTop);
        leaf.cubicTo(
            spineTop + QPointF(side * B.width() * 0.2, -B.height() * 0.1),
            QPointF(B.center().x() + side * B.width() * 0.36, B.top() + B.height() * 0.1),
            QPointF(B.center().x() + side * B.width() * 0.46, B.top() + B.height() * 0.16));
        leaf.lineTo(B.center().x() + side * B.width() * 0.46, B.bottom() - B.height() * 0.14);
        leaf.cubicTo(
            QPointF(B.center().x() + side * B.width() * 0.3, B.bottom() - B.height() * 0.2),
            spineBottom + QPointF(side * B.width() * 0.12, -B.height() * 0.1), spineBottom);
        leaf.closeSubpath();
        P.setPen(QPen(Accent.darker(120), 2));
        P.setBrush(Paper);
        P.drawPath(leaf);
        P.setPen(QPen(Line, 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = B.top() + B.height() * (0.36 + i * 0.1);
            P.drawLine(QPointF(B.center().x() + side * B.width() * 0.1, y),
                       QPointF(B.center().x() + side * B.width() * 0.38, y - B.height() * 0.02));
        }
    }
    P.setPen(QPen(Accent, 3));
    P.drawLine(spineTop, spineBottom);
}

void Certificate(QPainter &P, const QRectF &B, const QColor &Accent) {
    Page(P, B.adjusted(B.width() * 0.08, B.height() * 0.04, -B.width() * 0.2, -B.height() * 0.04),
         Accent, 4);
    const QPointF seal(B.left() + B.width() * 0.7, B.top() + B.height() * 0.72);
    const qreal r = B.width() * 0.17;
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xc6, 0x3d, 0x2f));
    QPainterPath ribbon;
    ribbon.moveTo(seal + QPointF(-r * 0.6, 0));
    ribbon.lineTo(seal + QPointF(-r * 0.9, r * 2));
    ribbon.lineTo(seal + QPointF(-r * 0.3, r * 1.6));
    ribbon.lineTo(seal + QPointF(0, r * 2.1));
    ribbon.lineTo(seal + QPointF(r * 0.6, 0));
    ribbon.closeSubpath();
    P.drawPath(ribbon);
    P.setBrush(Gold);
    P.setPen(QPen(GoldEdge, 2));
    P.drawEllipse(seal, r, r);
    P.setPen(QPen(GoldEdge, 1.2));
    P.drawEllipse(seal, r * 0.68, r * 0.68);
}

void HouseShape(QPainter &P, const QRectF &B, const QColor &Accent) {
    const qreal l = B.left() + B.width() * 0.12, r = B.right() - B.width() * 0.12;
    const qreal eave = B.top() + B.height() * 0.42;
    QPainterPath roof;
    roof.moveTo(B.left() + B.width() * 0.04, eave);
    roof.lineTo(B.center().x(), B.top() + B.height() * 0.08);
    roof.lineTo(B.right() - B.width() * 0.04, eave);
    roof.closeSubpath();
    P.setPen(Qt::NoPen);
    P.setBrush(Accent.darker(115));
    P.drawPath(roof);
    P.setBrush(Tint(Accent, 0.25));
    P.drawRect(QRectF(l, eave, r - l, B.bottom() - B.height() * 0.04 - eave));
    P.setBrush(Accent);
    P.drawRoundedRect(QRectF(B.center().x() - B.width() * 0.09, B.bottom() - B.height() * 0.34,
                             B.width() * 0.18, B.height() * 0.3),
                      2, 2);
    P.setBrush(Paper);
    P.drawRect(
        QRectF(l + B.width() * 0.06, eave + B.height() * 0.1, B.width() * 0.14, B.height() * 0.12));
    P.drawRect(
        QRectF(r - B.width() * 0.2, eave + B.height() * 0.1, B.width() * 0.14, B.height() * 0.12));
}

void House(QPainter &P, const QRectF &B, const QColor &Accent) {
    HouseShape(P, B.adjusted(0, 0, -B.width() * 0.18, 0), Accent);
    // An arrow: the property changes hands.
    P.setPen(QPen(Orange, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF a(B.right() - B.width() * 0.2, B.top() + B.height() * 0.62);
    const QPointF b(B.right(), B.top() + B.height() * 0.62);
    P.drawLine(a, b);
    P.drawLine(b, b + QPointF(-9, -8));
    P.drawLine(b, b + QPointF(-9, 8));
}

void HouseKey(QPainter &P, const QRectF &B, const QColor &Accent) {
    HouseShape(P, B.adjusted(0, 0, -B.width() * 0.22, -B.height() * 0.06), Accent);
    const QPointF ring(B.right() - B.width() * 0.16, B.top() + B.height() * 0.5);
    P.setPen(QPen(GoldEdge, 4));
    P.setBrush(Qt::NoBrush);
    P.drawEllipse(ring, B.width() * 0.09, B.width() * 0.09);
    P.setPen(QPen(GoldEdge, 5, Qt::SolidLine, Qt::RoundCap));
    const QPointF end(ring.x(), B.bottom() - 2);
    P.drawLine(ring + QPointF(0, B.width() * 0.09), end);
    P.drawLine(end - QPointF(0, 8), end - QPointF(-8, 8));
    P.drawLine(end - QPointF(0, 16), end - QPointF(-6, 16));
}

void Ticket(QPainter &P, const QRectF &B, const QColor &Accent) {
    const QRectF t = B.adjusted(0, B.height() * 0.24, 0, -B.height() * 0.24);
    QPainterPath ticket;
    ticket.addRoundedRect(t, 6, 6);
    QPainterPath notches;
    const qreal n = t.height() * 0.18;
    notches.addEllipse(QPointF(t.left(), t.center().y()), n, n);
    notches.addEllipse(QPointF(t.right(), t.center().y()), n, n);
    P.setPen(Qt::NoPen);
    P.setBrush(Accent);
    P.drawPath(ticket.subtracted(notches));
    P.setPen(QPen(Paper, 1.5, Qt::DashLine));
    P.drawLine(QPointF(t.left() + t.width() * 0.28, t.top() + 4),
               QPointF(t.left() + t.width() * 0.28, t.bottom() - 4));
    // A five-pointed star on the larger part.
    const QPointF c(t.left() + t.width() * 0.63, t.center().y());
    const qreal outer = t.height() * 0.36, inner = outer * 0.42;
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF p = c + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    P.setPen(Qt::NoPen);
    P.setBrush(Gold);
    P.drawPath(star);
}

void Chart(QPainter &P, const QRectF &B, const QColor &Accent) {
    const qreal base = B.bottom() - B.height() * 0.08;
    const qreal heights[4] = {0.28, 0.42, 0.56, 0.74};
    const qreal w = B.width() * 0.15;
    for (int i = 0; i < 4; ++i) {
        const qreal x = B.left() + B.width() * (0.1 + i * 0.21);
        P.setPen(Qt::NoPen);
        P.setBrush(i == 3 ? Accent : Tint(Accent, 0.45 + i * 0.12));
        P.drawRoundedRect(QRectF(x, base - B.height() * heights[i], w, B.height() * heights[i]), 2,
                          2);
    }
    P.setPen(QPen(Grey, 2));
    P.drawLine(QPointF(B.left() + 2, base), QPointF(B.right() - 2, base));
    P.setPen(QPen(Orange, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF a(B.left() + B.width() * 0.12, B.top() + B.height() * 0.56);
    const QPointF b(B.left() + B.width() * 0.45, B.top() + B.height() * 0.36);
    const QPointF c(B.right() - B.width() * 0.1, B.top() + B.height() * 0.08);
    P.drawPolyline(QPolygonF{a, b, c});
    P.drawLine(c, c + QPointF(-10, 1));
    P.drawLine(c, c + QPointF(-2, 10));
}

void Clock(QPainter &P, const QRectF &B, const QColor &Accent) {
    const QPointF c = B.center();
    const qreal r = B.width() * 0.42;
    P.setPen(QPen(Accent, 5));
    P.setBrush(Paper);
    P.drawEllipse(c, r, r);
    P.setPen(QPen(Grey, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const QPointF d(std::sin(a), -std::cos(a));
        P.drawLine(c + d * r * 0.78, c + d * r * (i % 3 == 0 ? 0.62 : 0.7));
    }
    P.setPen(QPen(Brand, 4, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(c, c + QPointF(0, -r * 0.55));
    P.setPen(QPen(Orange, 3.5, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(c, c + QPointF(r * 0.45, r * 0.2));
    P.setPen(Qt::NoPen);
    P.setBrush(Brand);
    P.drawEllipse(c, 4, 4);
}

void DrawMotif(QPainter &P, Motif Drawing, const QRectF &B, const QColor &Accent) {
    switch (Drawing) {
    case Motif::Coins:
        return Coins(P, B, Accent);
    case Motif::Calendar:
        return Calendar(P, B, Accent);
    case Motif::Gift:
        return Gift(P, B, Accent);
    case Motif::Briefcase:
        return Briefcase(P, B, Accent);
    case Motif::Shield:
        return Shield(P, B, Accent);
    case Motif::Document:
        return Document(P, B, Accent);
    case Motif::Book:
        return Book(P, B, Accent);
    case Motif::Certificate:
        return Certificate(P, B, Accent);
    case Motif::House:
        return House(P, B, Accent);
    case Motif::HouseKey:
        return HouseKey(P, B, Accent);
    case Motif::Ticket:
        return Ticket(P, B, Accent);
    case Motif::Chart:
        return Chart(P, B, Accent);
    case Motif::Clock:
        return Clock(P, B, Accent);
    }
}

// The largest font (from Start down to Least pixels) at which Text fits in Width on one line, if
// any.
std::optional<QFont> FontFitting(const QString &Text, qreal Width, qreal Start, qreal Least,
                                 bool Bold) {
    for (qreal px = Start; px >= Least; px -= 1) {
        const QFont font = FontOf(px, Bold);
        if (QFontMetricsF(font).horizontalAdvance(Text) <= Width)
            return font;
    }
    return std::nullopt;
}

QFont FittingFont(const QString &Text, qreal Width, qreal Start, qreal Least, bool Bold) {
    if (const auto font = FontFitting(Text, Width, Start, Least, Bold))
        return *font;
    throw std::runtime_error("text does not fit: " + Text.toStdString());
}

// Text set in Width: on one line while its font stays at least Comfortable pixels; else on two
// lines broken at a blank (English has them, Chinese does not), the longer line as short as can
// be; else on one line down to Least pixels.
struct SetText {
    QFont Font;
    QStringList Lines;
    qreal Height() const { return QFontMetricsF(Font).height() * qreal(Lines.size()); }
};

SetText Set(const QString &Text, qreal Width, qreal Start, qreal Comfortable, qreal Least,
            bool Bold) {
    if (const auto font = FontFitting(Text, Width, Start, Comfortable, Bold))
        return {*font, {Text}};
    QStringList best;
    for (qsizetype at = Text.indexOf(QLatin1Char(' ')); at > 0;
         at = Text.indexOf(QLatin1Char(' '), at + 1)) {
        const QStringList lines{Text.left(at), Text.mid(at + 1)};
        const auto longer = [](const QStringList &Lines) {
            return std::max(Lines[0].size(), Lines[1].size());
        };
        if (best.isEmpty() || longer(lines) < longer(best))
            best = lines;
    }
    if (!best.isEmpty()) {
        for (qreal px = std::min(Start, Comfortable + 2); px >= Least; px -= 1) {
            const QFont font = FontOf(px, Bold);
            const QFontMetricsF metrics(font);
            if (metrics.horizontalAdvance(best[0]) <= Width &&
                metrics.horizontalAdvance(best[1]) <= Width)
                return {font, best};
        }
    }
    return {FittingFont(Text, Width, Comfortable - 1, Least, Bold), {Text}};
}

void DrawLines(QPainter &P, const SetText &Text, qreal Left, qreal Top, qreal Width,
               Qt::Alignment Align) {
    P.setFont(Text.Font);
    const qreal line = QFontMetricsF(Text.Font).height();
    for (qsizetype i = 0; i < Text.Lines.size(); ++i)
        P.drawText(QRectF(Left, Top + line * qreal(i), Width, line), Align | Qt::AlignVCenter,
                   Text.Lines[i]);
}

// The icon's shapes in a 48 x 48 box: one list, painted by QPainter and written as SVG.
struct IconPart {
    enum Kind { Box, Stroke } Type;
    QRectF Rect;
    qreal Radius;
    QColor Fill, FillEnd; // FillEnd valid: vertical gradient
    QLineF Segment;
    qreal Width;
};

std::vector<IconPart> IconParts() {
    std::vector<IconPart> parts;
    parts.push_back({IconPart::Box, QRectF(6, 2.5, 36, 43), 6, BrandLight, Brand, {}, 0});
    parts.push_back(
        {IconPart::Box, QRectF(10.5, 7, 27, 13), 2.5, QColor(0xea, 0xf4, 0xe4), {}, {}, 0});
    // "¥" on the display.
    const QColor ink = Brand;
    const qreal w = 2;
    parts.push_back({IconPart::Stroke, {}, 0, ink, {}, QLineF(20.5, 9, 24, 13), w});
    parts.push_back({IconPart::Stroke, {}, 0, ink, {}, QLineF(27.5, 9, 24, 13), w});
    parts.push_back({IconPart::Stroke, {}, 0, ink, {}, QLineF(24, 13, 24, 18.2), w});
    parts.push_back({IconPart::Stroke, {}, 0, ink, {}, QLineF(20.8, 14.2, 27.2, 14.2), 1.5});
    parts.push_back({IconPart::Stroke, {}, 0, ink, {}, QLineF(20.8, 16.6, 27.2, 16.6), 1.5});
    // Keys: three rows of three; the last is the orange "=".
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QColor fill = (r == 2 && c == 2) ? Orange : QColor(0xf4, 0xf8, 0xfc);
            parts.push_back({IconPart::Box,
                             QRectF(10.5 + c * 9.5, 23.5 + r * 6.8, 8, 5.2),
                             1.5,
                             fill,
                             {},
                             {},
                             0});
        }
    }
    return parts;
}

QString Hex(const QColor &Color) {
    return Color.name(QColor::HexRgb);
}

} // namespace

QString FontFamily() {
    return QStringLiteral("WenQuanYi Micro Hei");
}

namespace {

void DrawCard(QPainter &P, QSize Size, const QColor &Accent) {
    const QRectF card = QRectF(QPointF(0, 0), Size).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient wash(card.topLeft(), card.bottomRight());
    wash.setColorAt(0, Tint(Accent, 0.16));
    wash.setColorAt(1, Tint(Accent, 0.03));
    P.setPen(QPen(Tint(Accent, 0.45), 1.2));
    P.setBrush(wash);
    P.drawRoundedRect(card, 10, 10);
}

// A tall place: the drawing on top, the name below it, and the rule's parts one under another
// (the line is split where it reads " · ").
QImage DrawTallIllustration(const Illustration &Picture) {
    const QSize size = Picture.Size;
    QImage image = Blank(size);
    QPainter p(&image);
    Prepare(p);
    DrawCard(p, size, Picture.Accent);

    const qreal disc = size.width() * 0.62;
    const QPointF centre(size.width() / 2.0, 16 + disc / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Tint(Picture.Accent, 0.22));
    p.drawEllipse(centre, disc / 2, disc / 2);
    const qreal box = disc * 0.68;
    DrawMotif(p, Picture.Drawing, QRectF(centre.x() - box / 2, centre.y() - box / 2, box, box),
              Picture.Accent);

    const qreal width = size.width() - 28;
    const SetText name = Set(Picture.Name, width, 22, 16, 13, true);
    qreal y = centre.y() + disc / 2 + 18;
    p.setPen(Picture.Accent.darker(125));
    DrawLines(p, name, 14, y, width, Qt::AlignHCenter);
    y += name.Height() + 6;
    p.setPen(QPen(Picture.Accent, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size.width() / 2.0 - 20, y), QPointF(size.width() / 2.0 + 20, y));
    y += 14;

    const QStringList parts = Picture.Line.split(QStringLiteral(" · "));
    const QFont partFont = FontOf(14);
    const qreal partHeight = QFontMetricsF(partFont).height() * 1.3;
    if (y + partHeight * parts.size() > size.height() - 10)
        throw std::runtime_error("illustration does not fit: " + Picture.Key.toStdString());
    p.setFont(partFont);
    p.setPen(Grey);
    for (const QString &part : parts) {
        FittingFont(part, width, 14, 14, false); // throws when a part is too wide
        p.drawText(QRectF(14, y, width, partHeight), Qt::AlignCenter, part);
        y += partHeight;
    }
    return image;
}

} // namespace

QImage DrawIllustration(const Illustration &Picture) {
    if (Picture.Brackets)
        return DrawTableIllustration(Picture);
    if (Picture.Size.height() > Picture.Size.width())
        return DrawTallIllustration(Picture);
    const QSize size = Picture.Size;
    QImage image = Blank(size);
    QPainter p(&image);
    Prepare(p);
    DrawCard(p, size, Picture.Accent);

    // A soft disc behind the drawing.
    const qreal disc = size.height() * 0.78;
    const QPointF centre(size.height() * 0.52, size.height() / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Tint(Picture.Accent, 0.22));
    p.drawEllipse(centre, disc / 2, disc / 2);
    const qreal box = disc * 0.68;
    DrawMotif(p, Picture.Drawing, QRectF(centre.x() - box / 2, centre.y() - box / 2, box, box),
              Picture.Accent);

    const qreal left = size.height() * 1.02;
    const qreal width = size.width() - left - 14;
    const SetText name = Set(Picture.Name, width, 22, 16, 13, true);
    const SetText line = Set(Picture.Line, width, 13, 11, 10, false);
    const qreal nameHeight = name.Height();
    const qreal top = (size.height() - nameHeight - 14 - line.Height()) / 2;
    p.setPen(Picture.Accent.darker(125));
    DrawLines(p, name, left, top, width, Qt::AlignLeft);
    p.setPen(QPen(Picture.Accent, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left + 1, top + nameHeight + 6), QPointF(left + 40, top + nameHeight + 6));
    p.setPen(Grey);
    DrawLines(p, line, left, top + nameHeight + 14, width, Qt::AlignLeft);
    return image;
}

QImage DrawLogo() {
    QImage image = Blank(QSize(210, 70));
    QPainter p(&image);
    Prepare(p);
    p.drawImage(QRectF(8, 7, 56, 56), DrawIcon(112));
    const QFont name = FontOf(28, true);
    p.setFont(name);
    p.setPen(Brand);
    p.drawText(QRectF(72, 6, 134, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pendra"));
    const QFont sub =
        FittingFont(QCoreApplication::translate("Pictures", "个税计算器"), 130, 18, 12, false);
    p.setFont(sub);
    p.setPen(QColor(0xd0, 0x6a, 0x12));
    p.drawText(QRectF(73, 38, 134, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Pictures", "个税计算器"));
    return image;
}

QImage DrawChatButton(const QString &Text, QSize Size, QColor Accent) {
    QImage image = Blank(Size);
    QPainter p(&image);
    Prepare(p);
    const QRectF button = QRectF(QPointF(0, 0), Size).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(button.topLeft(), button.bottomLeft());
    fill.setColorAt(0, Accent.lighter(135));
    fill.setColorAt(1, Accent);
    p.setPen(QPen(Accent.darker(125), 1));
    p.setBrush(fill);
    p.drawRoundedRect(button, 4, 4);
    // A speech bubble.
    const qreal h = Size.height() * 0.5;
    const QRectF bubble(4, (Size.height() - h) / 2 - 1, h * 1.3, h);
    QPainterPath path;
    path.addEllipse(bubble);
    QPainterPath tail;
    tail.moveTo(bubble.left() + bubble.width() * 0.25, bubble.bottom() - 2);
    tail.lineTo(bubble.left() + 1, bubble.bottom() + 3);
    tail.lineTo(bubble.left() + bubble.width() * 0.5, bubble.bottom() - 1);
    tail.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path.united(tail));
    const qreal left = bubble.right() + 3;
    p.setFont(FittingFont(Text, Size.width() - left - 3, 13, 9, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(left, 0, Size.width() - left - 2, Size.height()), Qt::AlignCenter, Text);
    return image;
}

QImage DrawUpdateSide() {
    const QSize size(100, 242);
    QImage image = Blank(size);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, BrandLight);
    sky.setColorAt(1, Brand);
    p.fillRect(image.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 40), 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(90, 220), 70, 70);
    p.drawEllipse(QPointF(-10, 30), 45, 45);
    // An upward arrow in a ring: a newer version.
    const QPointF c(50, 74);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(c, 30, 30);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(c + QPointF(0, 16), c + QPointF(0, -14));
    p.drawPolyline(QPolygonF{c + QPointF(-12, -2), c + QPointF(0, -15), c + QPointF(12, -2)});
    p.setPen(Qt::white);
    p.setFont(FontOf(20, true));
    p.drawText(QRectF(0, 122, 100, 30), Qt::AlignCenter, QStringLiteral("Pendra"));
    const QString subtitle = QCoreApplication::translate("Pictures", "个税计算器");
    p.setFont(FittingFont(subtitle, 96, 14, 10, false));
    p.drawText(QRectF(0, 150, 100, 22), Qt::AlignCenter, subtitle);
    p.setFont(FontOf(12));
    p.setPen(QColor(0xdd, 0xea, 0xf7));
    p.drawText(QRectF(0, 176, 100, 20), Qt::AlignCenter, QStringLiteral("V3.01"));
    return image;
}

QImage DrawUpdateStrip() {
    const QSize size(337, 27);
    QImage image = Blank(size);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient wash(0, 0, size.width(), 0);
    wash.setColorAt(0, Tint(BrandLight, 0.2));
    wash.setColorAt(1, Qt::white);
    p.fillRect(image.rect(), wash);
    p.fillRect(QRectF(0, 0, 5, size.height()), Orange);
    p.setFont(FittingFont(
        QCoreApplication::translate("Pictures", "Pendra个人所得税计算器 · 最专业的个税计算器"), 318,
        13, 10, true));
    p.setPen(Brand);
    p.drawText(
        QRectF(14, 0, size.width() - 16, size.height()), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("Pictures", "Pendra个人所得税计算器 · 最专业的个税计算器"));
    return image;
}

QString IconSvg() {
    QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
                       "viewBox=\"0 0 48 48\">\n"
                       "  <defs>\n"
                       "    <linearGradient id=\"body\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                       "      <stop offset=\"0\" stop-color=\"%1\"/>\n"
                       "      <stop offset=\"1\" stop-color=\"%2\"/>\n"
                       "    </linearGradient>\n"
                       "  </defs>\n")
            .arg(Hex(BrandLight), Hex(Brand));
    for (const IconPart &part : IconParts()) {
        if (part.Type == IconPart::Box) {
            const QString fill =
                part.FillEnd.isValid() ? QStringLiteral("url(#body)") : Hex(part.Fill);
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                                  "rx=\"%5\" fill=\"%6\"/>\n")
                       .arg(part.Rect.x())
                       .arg(part.Rect.y())
                       .arg(part.Rect.width())
                       .arg(part.Rect.height())
                       .arg(part.Radius)
                       .arg(fill);
        } else {
            svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                                  "stroke-width=\"%6\" stroke-linecap=\"round\"/>\n")
                       .arg(part.Segment.x1())
                       .arg(part.Segment.y1())
                       .arg(part.Segment.x2())
                       .arg(part.Segment.y2())
                       .arg(Hex(part.Fill))
                       .arg(part.Width);
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

QImage DrawIcon(int Pixels) {
    QImage image(Pixels, Pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Prepare(p);
    p.scale(Pixels / 48.0, Pixels / 48.0);
    for (const IconPart &part : IconParts()) {
        if (part.Type == IconPart::Box) {
            p.setPen(Qt::NoPen);
            if (part.FillEnd.isValid()) {
                QLinearGradient g(part.Rect.topLeft(), part.Rect.bottomLeft());
                g.setColorAt(0, part.Fill);
                g.setColorAt(1, part.FillEnd);
                p.setBrush(g);
            } else {
                p.setBrush(part.Fill);
            }
            p.drawRoundedRect(part.Rect, part.Radius, part.Radius);
        } else {
            p.setPen(QPen(part.Fill, part.Width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(part.Segment);
        }
    }
    return image;
}

} // namespace Pictures
