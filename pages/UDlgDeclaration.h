#pragma once
// 填入申报模板...: the month of the sheet open in the batch window filled into the import template
// of the tax administration's withholding client that the clerk was given. The month is one the
// sheet holds; the filled copy is suggested beside the template. Written when OK is pressed; a
// box then lists the template's columns filled, those left blank and why, and the employees of
// the month left out.

#include <QDialog>

#include <memory>

namespace sheets {
class PayrollSheet;
}

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;

class TDlgDeclaration : public QDialog {
    Q_OBJECT
  public:
    TDlgDeclaration(std::shared_ptr<const sheets::PayrollSheet> Sheet, const QString &Folder,
                    QWidget *Parent = nullptr);

    QComboBox *CmbMonth;
    QLineEdit *TxtTemplate, *TxtPath;
    QPushButton *BtnBrowseTemplate, *BtnBrowse;
    QDialogButtonBox *Buttons;

    // Fills the template as chosen; false when nothing was written (a box said why).
    bool Write();

  private:
    std::shared_ptr<const sheets::PayrollSheet> Sheet;
    QString Folder;

    void BrowseTemplate();
    void Browse();
    // The filled copy's name beside the template, for the month chosen.
    void FitPath();
};
