#pragma once

#include "common/UCalcPage.h"
#include "engine/UGoldsSetupInfo.h"

struct TGoldsContribution;
class QGroupBox;

// Social insurance and housing fund contributions of one monthly wage, for the parameters in the
// parameter file, and the wage tax left once the employee's share is deducted.
class TFrmFiveGolds : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmFiveGolds(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome;
    QRadioButton *RBtnChina, *RBtnForeign;
    QPushButton *BtnCalc, *BtnReset;
    QLineEdit *TxtSocialBase, *TxtSMin, *TxtSMax, *TxtFundBase, *TxtPmin, *TxtPMax;
    QLineEdit *TxtPPension, *TxtPMedical, *TxtPLostJob, *TxtPFund;
    QLabel *LblPPension, *LblPMedical, *LblPLostJob, *LblPFund;
    QLineEdit *TxtUPension, *TxtUMedical, *TxtULostJob, *TxtInjury, *TxtGiveBirth, *TxtUFund;
    QLabel *LblUPension, *LblUMedical, *LblULostJob, *LblInjury, *LblGiveBirth, *LblUFund;
    QLineEdit *TxtPTotal, *TxtUTotal, *TxtUAll, *TxtTax, *TxtIncomeAfterTax;
    QPushButton *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

    // The parameters the page calculates with, read when it last became visible.
    const TGoldsSetupInfo &Setup() const { return FSetup; }

  protected:
    void CMShowingChanged() override;

  private:
    void BuildInputs();
    void BuildBases();
    void BuildEmployee();
    void BuildEmployer();
    void BuildTotals();
    // A read-only parameter edit; Subject names it for screen readers.
    QLineEdit *ParamEdit(QWidget *Parent, const QString &Name, const QString &Subject, int X, int Y,
                         int Width);
    QLineEdit *ShareRow(QGroupBox *Group, const QString &Caption, const QString &Name, int Y,
                        QLabel *&Amount, const QString &AmountName);
    QLineEdit *TotalEdit(const QString &Caption, const QString &Name, int X, int Y);
    QList<QLabel *> AmountTexts() const;
    void LoadSetup();
    void ShowContribution(const TGoldsContribution &C);

    TGoldsSetupInfo FSetup;
};
