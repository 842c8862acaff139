#pragma once
// What the annual settlement's results say in words: whether a return is needed, why, and what
// the bonus method not chosen would give. The settlement page, the year's results and the
// household page say it alike.

#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"

#include <QCoreApplication>
#include <QString>

class SettlementSentences {
    Q_DECLARE_TR_FUNCTIONS(SettlementSentences)
  public:
    // Whether a return is needed, in a few words.
    static QString FilingHeadline(const current::Settlement &Result);
    // Why a return is or is not needed, citing the announcement of Rules' year.
    static QString ReasonSentence(const current::Settlement &Result,
                                  const current::YearRules &Rules);
    // What the method not chosen would give; empty without a bonus.
    static QString OtherMethodSentence(const current::SettlementInput &Year);
    // A bonus method's name, as the sentences say it.
    static QString MethodName(current::BonusMethod Method);
};
