#pragma once
// The wage page's inputs as it keeps them (common/UPageMemory.h), read by the wage page itself
// and by the pages that take the year's wages from it (the bonus and the settlement pages), so
// that those pages need not know the wage page.

#include "engine/current/Wage.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class QLabel;

// The amounts that are the same every month, by the names of their edits; only the income is
// required, and a non-resident's month takes nothing else.
struct TCommonField {
    const char *Edit;
    current::Cents current::WageMonth::*Member;
    const char *Caption; // translated in the context TFrmCurWage
};
extern const TCommonField CommonFields[5];

// The common amounts from the text of each field, which TextOf gives by the edit's name; none,
// with the field at fault, for a text that is no amount.
std::optional<current::WageMonth> ParseCommon(const std::function<QString(const QString &)> &TextOf,
                                              bool NonResident, const TCommonField *&Fault);

current::BasicDeduction ModeOf(bool Sixty, bool FromJanuary);

// The key under which the wage page keeps the amounts typed in its table.
inline const QString OverridesKey = QStringLiteral("Overrides");

// A resident's year as the wage page was last left: the sums of the months and the tax withheld
// in them.
struct TKeptWageYear {
    current::Cents Income = 0, Exempt = 0, Insurance = 0, Special = 0, Other = 0;
    current::Cents Withheld = 0;
};

class KeptWage {
    Q_DECLARE_TR_FUNCTIONS(KeptWage)
  public:
    // None, with what stands in the way said in Message, when no wage page was left with a
    // resident's year that calculates; Message is cleared otherwise.
    static std::optional<TKeptWageYear> Year(QLabel *Message);
};
