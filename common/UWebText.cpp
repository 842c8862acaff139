#include "common/UWebText.h"

#include <QStringView>

namespace WebText {

std::optional<int> ParseVersion(const QString &Text) {
    QStringView digits(Text);
    while (!digits.isEmpty() && (digits.front() == u' ' || digits.front() == u'\t'))
        digits = digits.mid(1);
    const QStringView number = digits;
    if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-'))
        digits = digits.mid(1);
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = number.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString ExtractTitle(const QByteArray &Html) {
    const QByteArray lower = Html.toLower();
    const qsizetype open = lower.indexOf("<title");
    if (open < 0)
        return {};
    const qsizetype start = lower.indexOf('>', open);
    if (start < 0)
        return {};
    const qsizetype end = lower.indexOf("</title", start);
    if (end < 0)
        return {};
    return WithoutControls(QString::fromUtf8(Html.mid(start + 1, end - start - 1)).simplified());
}

QString WithoutControls(const QString &Text) {
    QString shown = Text;
    shown.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return c.category() == QChar::Other_Control || u == 0x2028 || u == 0x2029 ||
               (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E ||
               u == 0x200F || u == 0x061C;
    });
    return shown;
}

} // namespace WebText
