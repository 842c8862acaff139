#pragma once

#include "engine/current/Remuneration.h"
#include "engine/current/Wage.h"

#include <QDialog>
#include <optional>

class QFormLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QCheckBox;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class TNumKeyFilter;

// The reverse calculation of a current-law page: the figure wanted after tax and the options of
// the page it was opened from, then the least gross that yields it, with its copy button, and the
// figures of that gross. The engine searches the forward calculation, so the answer is the one
// the page and pendra-cli reverse give.
class TFrmCurReverse : public QDialog {
    Q_OBJECT
  public:
    enum class Subject { Wage, Bonus, Labour };
    // What the page has typed, for the dialog to start from.
    struct Start {
        QString Exempt, Insurance, Special, Other;        // the wage page's monthly amounts
        int First = 1, Last = current::Law::MonthsInYear; // and its months
        current::BasicDeduction Mode = current::BasicDeduction::PerMonth;
        QString OtherTaxable; // the bonus page's
        current::RemunerationKind Kind = current::RemunerationKind::Labour;
        bool NonResident = false;
    };

    TFrmCurReverse(Subject What, const Start &From, QWidget *Parent = nullptr);

    // A 反算 button named BtnReverse and described by AccessibleName, for the page to place and
    // connect; or placed after the controls beside Result in its row (its copy button).
    static QPushButton *NewButton(QWidget *Parent, const QString &AccessibleName);
    static QPushButton *ButtonBeside(QLineEdit *Result, const QString &AccessibleName);

    QLineEdit *TxtTarget;
    QLineEdit *TxtExempt = nullptr, *TxtInsurance = nullptr, *TxtRate = nullptr,
              *TxtBaseMin = nullptr, *TxtBaseMax = nullptr, *TxtSpecial = nullptr,
              *TxtOther = nullptr;
    QRadioButton *RBtnFixed = nullptr, *RBtnByRate = nullptr;
    QSpinBox *SpnFirst = nullptr, *SpnLast = nullptr;
    QRadioButton *RBtnPerMonth = nullptr, *RBtnFromJanuary = nullptr, *RBtnSixty = nullptr;
    // Every month's net exactly the target, each month with a gross of its own, in TblMonths.
    QCheckBox *ChkEqualNet = nullptr;
    QTableWidget *TblMonths = nullptr;
    QLineEdit *TxtOtherTaxable = nullptr;
    QRadioButton *RBtnLabour = nullptr, *RBtnAuthor = nullptr, *RBtnRoyalty = nullptr,
                 *RBtnResident = nullptr, *RBtnNonResident = nullptr;
    QPushButton *BtnCalc, *BtnClose, *BtnCopyGross;
    QLineEdit *TxtGross, *TxtNet;
    QLabel *TxtDetails, *TxtMsg;

    void BtnCalcClick();

  private:
    struct Captions {
        QString Title, Target, Note, Gross, Net;
    };
    static Captions CaptionsOf(Subject What);
    QLayout *BuildButtons();
    QLayout *BuildResults(const QString &GrossCaption, const QString &NetCaption);
    QLineEdit *AmountField(QFormLayout *Form, const QString &Name, const QString &Caption,
                           const QString &Text = {});
    QRadioButton *Choice(const QString &Name, const QString &Text, bool Checked);
    void BuildWage(QFormLayout *Form, const Start &From);
    void BuildWageMonths(QFormLayout *Form, const Start &From);
    void ShowMonths(const std::vector<current::WageWithholding> &Months);
    void BuildBonus(QFormLayout *Form, const Start &From);
    void BuildLabour(QFormLayout *Form, const Start &From);

    // Each reads its options, reverses and shows the answer; false after a message.
    bool ReverseWage(current::Cents Target);
    bool ReverseBonus(current::Cents Target);
    bool ReverseLabour(current::Cents Target);
    // An optional amount (blank reads as 0) or, with Required, one that must be given; none after
    // a message naming Subject.
    std::optional<current::Cents> Read(QLineEdit *Edit, const QString &Subject,
                                       bool Required = false);
    bool Refuse(const QString &Message, QLineEdit *Edit);
    void ShowAnswer(std::optional<current::Cents> Gross, current::Cents Net,
                    const QString &Details);
    void ClearAnswer();

    Subject What;
    TNumKeyFilter *KeyFilter;
};
