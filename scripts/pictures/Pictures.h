#pragma once
// The picture generator: every picture the program shows, and the program icon, are drawn here from
// the rates and rules they state, so that a changed rate means regenerating, not repainting. The
// rules' numbers and tables come from the engines (pendra_core) and the worked examples are
// computed by them: nothing the engines know is typed here.

#include "engine/UBrackets.h"
#include "engine/current/Money.h"
#include "engine/current/TaxTable.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace Pictures {

// A progressive table as the law states it: upper bounds of every bracket but the last, and the
// rate of every bracket. The quick deductions follow from these two (the tax is continuous at
// every bound), so they are derived, never typed.
struct BracketTable {
    QString Quantity; // column caption of the bounds, e.g. "全月应纳税所得额"
    std::vector<int> UpperBounds;
    std::vector<int> RatePercents;

    std::vector<long long> QuickDeducts() const;
    // "不超过1500元", "超过1500元至4500元", "超过80000元"
    QString Range(std::size_t Level) const;
    // One line per bracket: "不超过20000元 20% 速算扣除0".
    QString Compact() const;

    // The table of an engine of the earlier rules, and of the law in force.
    static BracketTable Of(const QString &Quantity, const Brackets::Schedule &Schedule);
    static BracketTable Of(const QString &Quantity, current::TaxTable Table);
};

// Figures as the pictures write them: 3500, 10.5; 0.2 as "20%", 0.0005 as "0.05%"; an amount in
// cents in whole yuan where it is whole; a count of brackets as the language in use writes it
// ("七" in Chinese, "7" in English).
QString Number(double Value);
QString Percent(double Fraction);
QString Amount(current::Cents Value);
QString Count(int Value);
// A month as a date says it: "3" before "月" in Chinese, "March" in English.
QString Month(int Value);

struct Block {
    enum Kind { Formula, Text, Note, Example, Table };
    Kind Type = Text;
    QString Content;
    std::optional<BracketTable> Brackets = std::nullopt;
};

// Short makers of blocks, for the tables of pictures.
namespace Blocks {
inline Block F(const QString &Text) {
    return {Block::Formula, Text, std::nullopt};
}
inline Block T(const QString &Text) {
    return {Block::Text, Text, std::nullopt};
}
inline Block N(const QString &Text) {
    return {Block::Note, Text, std::nullopt};
}
inline Block E(const QString &Text) {
    return {Block::Example, Text, std::nullopt};
}
inline Block Tab(const BracketTable &Table) {
    return {Block::Table, {}, Table};
}
} // namespace Blocks

// A "计算方法" picture: blocks laid out top to bottom at the largest font size that fits.
struct MethodPicture {
    QString Key;
    QSize Size;
    std::vector<Block> Blocks;
};

// An illustration: the category's name, a line stating its rule, and a drawing; or, on the pages
// that show their bracket table in that place, the table itself.
enum class Motif {
    Coins,
    Calendar,
    Gift,
    Briefcase,
    Shield,
    Document,
    Book,
    Certificate,
    House,
    HouseKey,
    Ticket,
    Chart,
    Clock
};
struct Illustration {
    QString Key;
    QSize Size;
    QString Name;
    QString Line;
    Motif Drawing = Motif::Coins;
    QColor Accent;
    std::optional<BracketTable> Brackets = std::nullopt;
};

std::vector<MethodPicture> MethodPictures();
// The pages of the law in force since 2019: the bonus, remuneration, settlement and severance
// pages.
std::vector<MethodPicture> CurrentPaymentPictures();
// The current-law wage page.
std::vector<MethodPicture> CurrentWagePictures();
std::vector<Illustration> Illustrations();

// Drawing. Each throws std::runtime_error when its content cannot be laid out in its size.
QImage DrawMethod(const MethodPicture &Picture);
QImage DrawIllustration(const Illustration &Picture);
QImage DrawTableIllustration(const Illustration &Picture);
QImage DrawLogo();
QImage DrawChatButton(const QString &Text, QSize Size, QColor Accent);
QImage DrawUpdateSide();
QImage DrawUpdateStrip();

// The program icon, one design written both as SVG text and as a raster image.
QString IconSvg();
QImage DrawIcon(int Pixels);

QString FontFamily();

} // namespace Pictures
