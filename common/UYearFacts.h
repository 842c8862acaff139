#pragma once
// The facts of a person's year as the page 我的纳税年度 edits them in place: the year, the jobs
// with their pay changes "from this month on", the remuneration payments, the annual bonus and
// its method at settlement (the tab 工作与收入), and the person's deductions (the tab
// 专项附加扣除等, see common/UDeductionFacts.h). It gives the year as the year file's JSON, as
// typed, for the file's own reader to check, and takes it back from the JSON the file writer makes.

#include "common/UYearModel.h"
#include "engine/current/YearFacts.h"

#include <QJsonObject>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class TDeductionFacts;
class TFactTable;
class TNumKeyFilter;
struct TFactPath;
struct TFactPlace;

// A fault as a page says it: in the user's terms, at the field PlaceOf names, without the file's
// keys ("孩子1的出生日期未填"); empty when Read checks. Json is what was read, for what a field
// holds.
QString YearFaultWords(const TYearRead &Read, const QJsonObject &Json,
                       const std::function<TFactPlace(const TFactPath &)> &PlaceOf);

// A job as a list of the year's jobs names it: its employer and months.
QString JobTitle(const current::JobFacts &Job);

class TYearFactsForm : public QWidget {
    Q_OBJECT
  public:
    explicit TYearFactsForm(QWidget *Parent = nullptr);
    // A cell's edit still open commits as the tables go; this must not hear it.
    ~TYearFactsForm() override;

    QJsonObject Json() const;
    // With KeepAbsent, the fields of a bonus (or a deduction) left out stay as they are (see
    // TDeductionFacts::SetJson).
    void SetJson(const QJsonObject &Year, bool KeepAbsent = false);
    // Shows the place of the fault at Path (a key path of the year file), a cell of a table
    // saying Fault in its tip; with Focus, its tab comes to the front and the field takes the
    // focus.
    void MarkFault(const QString &Path, bool Focus, const QString &Fault = {});
    void ClearFault();
    // The field at Path in the words the user sees: "甲公司的减除方式", "孩子1的出生日期".
    TFactPlace PlaceOf(const TFactPath &Path) const;
    // The fault of Read (the facts as Json() gives them) in those words.
    QString FaultWords(const TYearRead &Read) const;

    QTabWidget *TabsFacts;
    QSpinBox *SpnYear;
    QLineEdit *TxtName; // whose year it is, kept in the file; may be left empty
    // Days in China in the year; 0 when not given (a resident).
    QSpinBox *SpnDays;
    QLabel *TxtResidency; // which the person is
    TFactTable *TblJobs, *TblPay, *TblPayments, *TblDonations;
    QGroupBox *GrpPay;
    QLabel *TxtPayNote; // names the job whose pay the table shows
    QCheckBox *ChkBonus;
    QSpinBox *SpnBonusMonth;
    QLineEdit *TxtBonus;
    QComboBox *CmbBonusEmployer, *CmbBonusMethod;
    TDeductionFacts *Deductions;

  signals:
    // The user changed the facts: one field at a key path of the year file ("payments[1].amount",
    // "bonus.amount"), given as Json() has it (undefined when its key is left out), or, by Edited,
    // more than one, which Json() gives whole.
    void FieldEdited(const QString &Path, const QJsonValue &Value);
    void Edited();

  private:
    QWidget *BuildIncome();
    QGroupBox *BuildBonus();
    void ShowResidency();
    // The pay of the job in row Job of the jobs table.
    void ShowPayOf(int Job);
    void JobsEdited();
    void SetModesOf(int Year);
    void PayEdited(int Row, const QString &Key);
    void FollowEmployers(const QString &Keep);
    void UserEdit();
    void FieldEdit(const QString &Path, const QJsonValue &Value);
    // A cell (Row, Key) of Table, the list at Path, or the list whole (Row -1).
    void TableEdit(const QString &Path, const TFactTable *Table, int Row, const QString &Key);
    // The bonus's field Key, while the year has a bonus.
    void BonusEdit(const QString &Key, const QJsonValue &Value);

    TNumKeyFilter *KeyFilter;
    int PayJob = -1; // the job whose pay the pay table shows
    bool Loading = false;
};
