#pragma once
// The root object of the workbook module: Excel workbooks written by libxlsxwriter for the
// program that loaded it.

#include "sheets/Workbook.h"

#include <QObject>

namespace xlsx {

class XlsxWorkbooks : public QObject, public sheets::WorkbookMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WorkbookMaker_iid)
    Q_INTERFACES(sheets::WorkbookMaker)
  public:
    std::unique_ptr<sheets::WorkbookSheet> Open(const QString &FileName) override;
};

} // namespace xlsx
