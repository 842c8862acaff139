#pragma once
// The root object of the PDF module: payslips drawn by Qt's own PDF writer for the program that
// loaded it.

#include "sheets/PayslipPdf.h"

#include <QObject>

namespace pdf {

class PdfPayslips : public QObject, public sheets::PayslipPdfMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PayslipPdfMaker_iid)
    Q_INTERFACES(sheets::PayslipPdfMaker)
  public:
    QString Write(QIODevice &Device, const QString &Title,
                  const std::vector<sheets::PdfPayslip> &Slips) override;
    QCoreApplication *Application(int &Argc, char **Argv) override;
};

} // namespace pdf
