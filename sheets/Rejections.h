#pragma once
// The rows a calculation leaves out, as they are saved beside its results: where each was at
// fault and why, followed by its own cells, so that a clerk can put them right and calculate them
// again.

#include "sheets/PayrollSheet.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace sheets {

class Rejections {
  public:
    explicit Rejections(const PayrollSheet &Sheet);

    // The titles of the row's columns at fault ("收入、专项扣除"), "第12列" for an untitled one;
    // empty for a row left out only with its employee.
    QString Columns(std::size_t Row) const;
    // The row's faults, or the line of the first row at fault of the employee it was left out
    // with.
    QString Reasons(std::size_t Row) const;

  private:
    const PayrollSheet &Sheet;
    std::vector<std::uint32_t> FirstFaulty; // by employee: its first row at fault, in line order
};

} // namespace sheets
