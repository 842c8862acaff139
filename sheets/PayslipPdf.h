#pragma once
// Payslips as PDF, as the sheets library sees them. They are drawn by a module of its own
// (pendra_pdf, folder pdf/) over Qt Gui's PDF writer, so that pendra-cli, which needs no display,
// does not load Qt Gui and the font libraries it brings for every other command.

#include <QString>
#include <QtPlugin>

#include <utility>
#include <vector>

class QCoreApplication;
class QIODevice;

namespace sheets {

// One payslip as it is drawn: its texts in the language in use, the amounts already formatted.
struct PdfPayslip {
    QString Heading; // the employer, the month and the word for payslip
    QString Person;  // 工号 and 姓名
    std::vector<std::pair<QString, QString>> Pay;        // 应发, each deduction, the tax, 实发
    QString YearToDateTitle;                             // the heading of the second column
    std::vector<std::pair<QString, QString>> YearToDate; // 累计收入, 累计已预扣税额
};

class PayslipPdfMaker {
  public:
    virtual ~PayslipPdfMaker() = default;
    // A4 pages, as many payslips on each as fit, a dashed line to cut along between them; every
    // text drawn in an embedded font. Returns the fault, empty when written whole.
    virtual QString Write(QIODevice &Device, const QString &Title,
                          const std::vector<PdfPayslip> &Slips) = 0;
    // The application object of a program without a display that draws payslips: the fonts are
    // Qt Gui's, which needs its own application object (on the offscreen platform, so that no
    // display is looked for). Made before the program's own, in its place.
    virtual QCoreApplication *Application(int &Argc, char **Argv) = 0;
};

// The maker of the module, loaded once; null when the module is found nowhere. Thread-safe.
PayslipPdfMaker *PayslipPdfs();

} // namespace sheets

#define PayslipPdfMaker_iid "example.pendra.TaxCalculator.PayslipPdfMaker/1.0"
Q_DECLARE_INTERFACE(sheets::PayslipPdfMaker, PayslipPdfMaker_iid)
