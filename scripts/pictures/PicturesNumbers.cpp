// The engines' numbers as the pictures write them, and their tables as the pictures draw them.

#include "Pictures.h"

#include "translations/Language.h"

#include <QLocale>

#include <cmath>
#include <stdexcept>

namespace Pictures {

QString Number(double Value) {
    return QString::number(Value, 'g', 12);
}

QString Percent(double Fraction) {
    return Number(std::round(Fraction * 100 * 1e6) / 1e6) + QLatin1Char('%');
}

QString Amount(current::Cents Value) {
    return QString::fromStdString(current::FormatYuan(Value));
}

QString Count(int Value) {
    if (Translations::Current() == Translations::Language::English)
        return QString::number(Value);
    static const QString digits = QStringLiteral("零一二三四五六七八九十");
    if (Value < 0 || Value > 10)
        throw std::runtime_error("no Chinese numeral for " + std::to_string(Value));
    return digits.at(Value);
}

QString Month(int Value) {
    if (Translations::Current() == Translations::Language::English)
        return QLocale(QLocale::English).standaloneMonthName(Value);
    return QString::number(Value);
}

BracketTable BracketTable::Of(const QString &Quantity, const Brackets::Schedule &Schedule) {
    BracketTable table{Quantity, {}, {}};
    for (double bound : Schedule.UpperBounds)
        table.UpperBounds.push_back(static_cast<int>(std::lround(bound)));
    for (double rate : Schedule.Rates)
        table.RatePercents.push_back(static_cast<int>(std::lround(rate * 100)));
    return table;
}

BracketTable BracketTable::Of(const QString &Quantity, current::TaxTable Table) {
    BracketTable table{Quantity, {}, {}};
    for (const current::TaxBracket &bracket : Table) {
        if (bracket.UpTo != current::Unbounded)
            table.UpperBounds.push_back(static_cast<int>(bracket.UpTo / 100));
        table.RatePercents.push_back(bracket.Rate);
    }
    // What the pictures derive must be what the engine deducts.
    const std::vector<long long> derived = table.QuickDeducts();
    for (std::size_t k = 0; k < Table.size(); ++k) {
        if (derived[k] * 100 != Table[k].QuickDeduction)
            throw std::runtime_error("a quick deduction differs from the engine's");
    }
    return table;
}

} // namespace Pictures
