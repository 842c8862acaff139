#pragma once
// 工资条...: the payslips of one month of the sheet open in the batch window, as one PDF, one PDF
// per employee into a folder, or a workbook to print and cut. The month is one the sheet holds;
// the employer's name starts as the sheet's title row says it. Written when OK is pressed; a box
// then says how many were written and names the employees of that month left out.

#include <QDialog>

#include <memory>

namespace sheets {
class PayrollSheet;
}

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;

class TDlgPayslips : public QDialog {
    Q_OBJECT
  public:
    TDlgPayslips(std::shared_ptr<const sheets::PayrollSheet> Sheet, const QString &Folder,
                 QWidget *Parent = nullptr);

    QComboBox *CmbMonth, *CmbForm;
    QLineEdit *TxtEmployer, *TxtPath;
    QPushButton *BtnBrowse;
    QDialogButtonBox *Buttons;

    // Writes the payslips as chosen; false when nothing was written (a box said why).
    bool Write();

  private:
    std::shared_ptr<const sheets::PayrollSheet> Sheet;
    QString Folder;

    void Browse();
    // The path shown, its extension or folder made to fit the form chosen.
    void FitPath();
};
