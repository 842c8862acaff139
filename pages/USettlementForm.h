#pragma once
// The settlement page away from its widgets: the amounts as typed and the options in, the year
// the engine settles (or the field at fault, in the user's words) out, and every text the results
// side shows. The page only reads its widgets into it and shows what it gives.

#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <variant>

class SettlementForm {
    Q_DECLARE_TR_FUNCTIONS(SettlementForm)
  public:
    // The amounts, in the order of the page's rows.
    enum class Field {
        Wages,
        Labour,
        Author,
        Royalty,
        Exempt,
        Insurance,
        Special,
        Pension,
        Health,
        Other,
        Donation,
        DonationFull,
        Bonus,
        Withheld
    };
    static constexpr std::size_t FieldCount = static_cast<std::size_t>(Field::Withheld) + 1;

    // A field's caption as its row says it ("全年工资薪金："), and as a message names it.
    static QString Caption(Field Which);
    static QString Name(Field Which);

    struct Typed {
        std::array<QString, FieldCount> Texts; // by Field
        bool Merged = false;                   // the bonus merged with the income
        bool Unwithheld = false;
        int Year = current::LastRulesYear; // whose law settles it
    };
    struct Fault {
        Field At;
        QString Message;
    };
    // The year as typed, the bonus merged where its law has no separate bonus; or the first field
    // at fault, in the order of the rows.
    static std::variant<current::SettlementInput, Fault> Read(const Typed &Input);

    // Which bonus methods the law of Year offers; the separate one greyed says why.
    struct Methods {
        bool Separate = true;
        QString SeparateTip;
    };
    static Methods MethodsOf(int Year);

    // The results side: the figures as text, empty while there is no year.
    struct Shown {
        QString IncomeAmount, Deductions, Donations, Taxable, Rate, QuickDeduction, Tax, BonusTax,
            TotalTax, Withheld;
        QString BalanceCaption; // which way the balance goes: 应补税额：, 应退税额：
        QString Balance;        // without a sign: the caption says the direction
        QString OtherMethod;    // what the bonus method not chosen would give
        QString Filing, Reason; // whether a return is needed, and why
        bool MustFile = false;
    };
    static Shown Show(const std::optional<current::SettlementInput> &Year);
};
