#include "pdf/PdfPayslips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace pdf {
namespace {

// What a failed writer says: the device's own error, or at least the format that failed.
QString Fault(const QIODevice &Device) {
    return Device.errorString().isEmpty() ? QStringLiteral("PDF") : Device.errorString();
}

// Sizes in millimetres and points: a payslip is read at arm's length and cut with scissors.
constexpr qreal MarginMm = 12;
constexpr qreal GapMm = 6; // above and below a cut line
constexpr qreal HeadingPt = 12;
constexpr qreal TextPt = 10;

// A face with the Chinese characters first, so that a Chinese payslip is drawn (and embedded) in
// one font rather than glyph by glyph from whatever fontconfig falls back on.
QFont Face(qreal Points, bool Bold) {
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans SC"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(Points);
    font.setBold(Bold);
    return font;
}

class Drawing {
  public:
    explicit Drawing(QPdfWriter &Writer) : Writer(Writer), Painter(&Writer) {
        Unit = Writer.resolution() / 25.4;
        Heading = Face(HeadingPt, true);
        Text = Face(TextPt, false);
        HeadingLine = QFontMetricsF(Heading, &Writer).height() * 1.4;
        TextLine = QFontMetricsF(Text, &Writer).height() * 1.35;
    }

    bool Active() const { return Painter.isActive(); }

    qreal HeightOf(const sheets::PdfPayslip &Slip) const {
        const auto rows = std::max(Slip.Pay.size(), Slip.YearToDate.size() + 1);
        return HeadingLine + TextLine * static_cast<qreal>(rows + 1);
    }

    void Draw(const sheets::PdfPayslip &Slip, qreal Top) {
        const qreal width = Writer.width();
        Painter.setFont(Heading);
        Painter.drawText(QRectF(0, Top, width, HeadingLine), Qt::AlignLeft | Qt::AlignVCenter,
                         Slip.Heading);
        qreal y = Top + HeadingLine;
        Painter.setFont(Text);
        Painter.drawText(QRectF(0, y, width, TextLine), Qt::AlignLeft | Qt::AlignVCenter,
                         Slip.Person);
        y += TextLine;
        // Two columns: the month's pay on the left, the year so far on the right.
        const qreal column = width * 0.46;
        const qreal right = width * 0.54;
        Items(Slip.Pay, 0, y, column);
        Painter.drawText(QRectF(right, y, column, TextLine), Qt::AlignLeft | Qt::AlignVCenter,
                         Slip.YearToDateTitle);
        Items(Slip.YearToDate, right, y + TextLine, column);
    }

    void CutLine(qreal Y) {
        QPen pen(Qt::gray);
        pen.setStyle(Qt::DashLine);
        pen.setWidthF(0.3 * Unit);
        Painter.setPen(pen);
        Painter.drawLine(QPointF(0, Y), QPointF(Writer.width(), Y));
        Painter.setPen(Qt::black);
    }

    bool NewPage() { return Writer.newPage(); }
    bool End() { return Painter.end(); }
    qreal Mm(qreal Millimetres) const { return Millimetres * Unit; }

  private:
    QPdfWriter &Writer;
    QPainter Painter;
    qreal Unit = 1;
    QFont Heading;
    QFont Text;
    qreal HeadingLine = 0;
    qreal TextLine = 0;

    void Items(const std::vector<std::pair<QString, QString>> &Rows, qreal Left, qreal Y,
               qreal Width) {
        for (const auto &[title, amount] : Rows) {
            const QRectF line(Left, Y, Width, TextLine);
            Painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
            Painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, amount);
            Y += TextLine;
        }
    }
};

QtMessageHandler Previous = nullptr;

void Quiet(QtMsgType Type, const QMessageLogContext &Context, const QString &Message) {
    if (Type == QtWarningMsg && Message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    Previous(Type, Context, Message);
}

} // namespace

QString PdfPayslips::Write(QIODevice &Device, const QString &Title,
                           const std::vector<sheets::PdfPayslip> &Slips) {
    QPdfWriter writer(&Device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                          QPageLayout::Millimeter);
    writer.setResolution(600);
    writer.setTitle(Title);
    writer.setCreator(QStringLiteral("Pendra"));
    Drawing drawing(writer);
    if (!drawing.Active())
        return Fault(Device);
    const qreal page = writer.height();
    const qreal gap = drawing.Mm(GapMm);
    qreal y = 0;
    for (std::size_t i = 0; i < Slips.size(); ++i) {
        const qreal height = drawing.HeightOf(Slips[i]);
        if (i > 0) {
            if (y + 2 * gap + height > page) {
                if (!drawing.NewPage())
                    return Fault(Device);
                y = 0;
            } else {
                drawing.CutLine(y + gap);
                y += 2 * gap;
            }
        }
        drawing.Draw(Slips[i], y);
        y += height;
    }
    return drawing.End() ? QString() : Fault(Device);
}

QCoreApplication *PdfPayslips::Application(int &Argc, char **Argv) {
    // No window is ever shown: fonts and painting need no display, and a terminal over ssh has
    // none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nor is a runtime folder needed: Qt's warning that the session has none would be the only
    // line on stderr of a run that went well.
    Previous = qInstallMessageHandler(Quiet);
    auto *application = new QGuiApplication(Argc, Argv);
    qInstallMessageHandler(Previous);
    return application;
}

} // namespace pdf
