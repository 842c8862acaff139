#include "sheets/Rejections.h"

#include "sheets/SheetText.h"

#include <QStringList>

namespace sheets {

Rejections::Rejections(const PayrollSheet &Sheet)
    : Sheet(Sheet), FirstFaulty(Sheet.EmployeeCount(), NoEmployee) {
    for (const RowError &error : Sheet.Errors()) {
        const std::uint32_t employee = Sheet.Row(error.Row).Employee;
        if (employee != NoEmployee && FirstFaulty[employee] == NoEmployee)
            FirstFaulty[employee] = error.Row;
    }
}

QString Rejections::Columns(std::size_t Row) const {
    QStringList names;
    for (const RowError *error : Sheet.FaultsOf(Row)) {
        const QString name = Sheet.ColumnName(*error);
        if (!names.contains(name))
            names << name;
    }
    return names.join(SheetText::tr("、"));
}

QString Rejections::Reasons(std::size_t Row) const {
    QStringList reasons;
    for (const RowError *error : Sheet.FaultsOf(Row))
        reasons << Sheet.Reason(*error);
    if (!reasons.isEmpty())
        return reasons.join(SheetText::tr("；"));
    const std::uint32_t employee = Sheet.Row(Row).Employee;
    if (employee == NoEmployee || FirstFaulty[employee] == NoEmployee)
        return {};
    return SheetText::tr("工号“%1”第%2行有误，同一员工的各行都未计算")
        .arg(Sheet.EmployeeId(employee), QString::number(Sheet.Row(FirstFaulty[employee]).Line));
}

} // namespace sheets
