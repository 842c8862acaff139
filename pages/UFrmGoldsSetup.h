#pragma once

#include "engine/UGoldsSetupInfo.h"

#include <QDialog>
#include <array>
#include <optional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class TNumKeyFilter;

// The social insurance and housing fund parameters of the user's city, read from and written to
// the parameter file. Each opening shows what the file holds now.
class TFrmGoldsSetup : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmGoldsSetup(QWidget *Parent = nullptr);

    QLineEdit *TxtPmin, *TxtPMax, *TxtSMin, *TxtSMax;
    QLineEdit *TxtPFund, *TxtPMedical, *TxtPPension, *TxtPLostJob;
    QLineEdit *TxtUFund, *TxtUMedical, *TxtUPension, *TxtULostJob, *TxtInjury, *TxtGiveBirth;
    QPushButton *BtnOK, *BtnCancel;

    void FormCreate();
    void BtnOKClick();
    void BtnCancelClick();

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    struct TBinding {
        QLineEdit *Edit;
        double TGoldsSetupInfo::*Member;
    };
    std::array<TBinding, 14> InParsingOrder() const;

    void BuildBases();
    void BuildRates();
    void BuildButtons();
    // Subject names the edit for screen readers.
    QLineEdit *Edit(QWidget *Parent, const QString &Name, const QString &Subject, int X, int Y);
    QLineEdit *RateRow(QGroupBox *Group, const QString &Caption, const QString &Name, int Y);
    std::optional<TGoldsSetupInfo> ReadEdits();
    bool Refuse(const QString &Text, QLineEdit *Edit);
    bool Validate(const TGoldsSetupInfo &Info);

    TNumKeyFilter *KeyFilter;
};
