#pragma once

#include "engine/current/Deductions.h"

#include <QDialog>
#include <array>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TNumKeyFilter;

// The special additional deductions of one person under the law in force since 2019, with the
// personal pension and commercial health insurance claimed alongside them. It shows what each
// item and the whole come to a month and a year as the choices change, reads the choices from the
// parameter file when it is made and writes those changed since on 确定, so that another window
// saving other items meanwhile keeps them. An amount the file holds beyond its limit is shown
// as the limit, with a note.
class TFrmCurDeductions : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCurDeductions(QWidget *Parent = nullptr);

    // The monthly total of the current choices (see engine/current/Deductions.h for which items
    // count monthly).
    current::Cents MonthlyTotal() const;

    QSpinBox *SpnChildren, *SpnInfants;
    QComboBox *CmbChildrenShare, *CmbInfantsShare, *CmbElderly, *CmbHousing, *CmbEducation;
    QLineEdit *TxtElderlyShare, *TxtIllness, *TxtPension, *TxtHealthInsurance;
    QLabel *TxtMonthlyTotal, *TxtAnnualTotal, *TxtMsg, *TxtFileNote;
    QPushButton *BtnOK, *BtnCancel;

    void BtnOKClick();

  private:
    // An amount of the choices: its edit, the caption named in messages, and its limit.
    struct TAmountField {
        QLineEdit *Edit;
        QString Subject;
        current::Cents Limit;
        current::Cents current::DeductionChoices::*Member;
    };

    void BuildItems(QGridLayout *Grid);
    QLineEdit *AmountField(const QString &Name, const QString &Subject);
    QComboBox *Combo(const QString &Name, const QStringList &Texts);
    // What an item comes to, named after the item.
    QLabel *ItemAmount(QGridLayout *Grid, int Row, const QString &Name, const QString &Item);
    std::array<TAmountField, 4> AmountFields() const;

    current::DeductionChoices Choices() const;
    void ShowChoices(const current::DeductionChoices &Choices);
    // The first amount that is no amount or beyond its limit, with the message naming it.
    std::optional<std::pair<QLineEdit *, QString>> FirstFault() const;
    void Update();
    void ShowBeyondLimits(const std::vector<current::DeductionsIni::OverLimit> &Beyond);

    TNumKeyFilter *KeyFilter;
    // The choices as read from the file and shown: saving writes what differs from them.
    current::DeductionChoices Loaded;
    QLabel *LblChildren, *LblInfants, *LblElderly, *LblHousing, *LblEducation, *LblIllness,
        *LblPension, *LblHealthInsurance;
};
