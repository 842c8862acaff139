#pragma once
// The periods of the rules that the pages of the earlier law compute, and the words that name
// them wherever a way leads to such a page: the grey line under its title strip, the line beside
// its results, the header of its group in the 计算器 menu and its toolbar button's tip. Which
// page follows which period is a column of the page registry.

#include <QString>

namespace RulesPeriod {

enum class Period {
    Current,    // the law in force since 2019: nothing to say
    Since2011,  // the 3500 start point and the tables of September 2011, until the reform of 2019
    Since2008,  // the 2000 start point of March 2008, until September 2011
    Until2011,  // the five-band table of business income, in force until August 2011
    PerPayment, // labour, author and royalty income taxed payment by payment until 2019
    Unchanged,  // rules of 2011 that the law of 2019 kept as they were
    Abolished,  // a category of 2011 to 2018 that the law of 2019 no longer has
};

// Whether a page of these rules says which years they applied to.
bool IsPast(Period Rules);

// The grey line under the title strip, with where today's rules are.
QString Line(Period Rules);
// Beside the results, so that a figure read or copied there carries its period.
QString Results(Period Rules);
// The disabled header over a group of menu entries.
QString Header(Period Rules);
// A toolbar button's tip.
QString Tip(Period Rules);

} // namespace RulesPeriod
