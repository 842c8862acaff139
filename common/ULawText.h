#pragma once
// The numbers of the law as the pages' words state them, formatted from engine/current/Rules.h so
// that a change of law changes the words with the figures.

#include "engine/current/Money.h"
#include "engine/current/Rules.h"
#include "sheets/LawText.h"

#include <QString>

namespace LawText {

// Days and announcements: sheets/LawText.h.

// Whole yuan without decimals ("5000"), otherwise with two.
inline QString Amount(current::Cents Value) {
    return QString::fromStdString(current::FormatYuan(Value));
}

} // namespace LawText
