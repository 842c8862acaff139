#pragma once
// Payslips (工资条) of one month from a payroll sheet: for every employee computed that month the
// pay, each deduction, the tax withheld and the net, and the year so far. Written as PDF (one file
// for all, or one file per employee into a folder) or as a workbook in the layout clerks print and
// cut: each employee's row under the titles, a blank row between employees.

#include "engine/current/Money.h"
#include "sheets/PayrollIo.h"
#include "sheets/PayrollSheet.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace sheets {

struct PayslipItem {
    QString Title;
    current::Cents Amount = 0;
};

struct Payslip {
    QString Id;
    QString Name;
    // 应发, the month's 全年一次性奖金 when one is paid, the deductions one by one (the parts of
    // 专项扣除 when the sheet has them, else 三险一金; 其他扣除), 个人所得税, the bonus's own tax
    // when it is taxed separately, 实发: the pay and bonus less every deduction listed and the
    // taxes.
    std::vector<PayslipItem> Pay;
    // 累计收入 and 累计已预扣税额, this month's tax included.
    std::vector<PayslipItem> YearToDate;
};

struct PayslipMonth {
    QString Employer; // may be empty
    int Year = 0;     // 0 when the sheet's 月份 cells name none
    int Month = 0;
    std::vector<Payslip> Slips; // employees in order of first appearance
    QStringList LeftOut;        // the employees of the month left out, each with why
};

// The employer a sheet names: the first cell of the rows above its header ("某某公司2026年工资表"
// gives the whole text); empty when there are none.
QString EmployerOf(const PayrollSheet &Sheet);
// The months that rows of the sheet hold, ascending.
std::vector<int> MonthsHeld(const PayrollSheet &Sheet);
// The payslips of Month; none, with Fault saying why, when the sheet holds no row of that month
// or no employee of it could be computed.
std::optional<PayslipMonth> MakePayslips(const PayrollSheet &Sheet, int Month,
                                         const QString &Employer, QString &Fault);

enum class PayslipForm { Pdf, PdfPerEmployee, Xlsx };
// By the target: a name ending in .pdf or .xlsx (any case), or a folder (an existing one, or a
// name ending in /) for one PDF per employee; none for anything else.
std::optional<PayslipForm> PayslipFormOf(const QString &Path);
// "甲公司 2026年3月 工资条"
QString PayslipHeading(const PayslipMonth &Slips);
// The file of one employee's payslip in a folder: "E01-张三.pdf", with the characters a file name
// cannot hold replaced.
QString PayslipFileName(const Payslip &Slip);
// Writes them; never over Input (the sheet read), nor through a link or into a device. A folder
// is made when it is not there; its files are each written whole or not at all.
WriteOutcome WritePayslips(const QString &Path, PayslipForm Form, const PayslipMonth &Slips,
                           const QString &Input);

} // namespace sheets
