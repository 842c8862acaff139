#pragma once
// The person's own deductions as dated facts, edited in place: the children with their birth
// dates, the parents, the home loan or the leases, degree studies and certificates, serious
// illness, pension payments and health insurance. The page 我的纳税年度 and the special
// deductions dialog hold one each. It gives and takes its part of the year file as JSON (the keys
// children, elderly, housing_loan, rent, degree_study, certificates, illness, pension and
// health_insurance), so that the file's reader checks what is typed as it checks a file.

#include <QJsonObject>
#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;
struct TFactPath;
struct TFactPlace;
class TFactTable;
class TNumKeyFilter;

class TDeductionFacts : public QWidget {
    Q_OBJECT
  public:
    explicit TDeductionFacts(QWidget *Parent = nullptr);
    // A cell's edit still open commits as the tables go; this must not hear it.
    ~TDeductionFacts() override;

    // The keys this part of the year file holds.
    static const QStringList &Keys();

    // This part of the year, as typed; keys left out are the facts not given.
    QJsonObject Json() const;
    // From the year file's JSON (the writer's form of the facts, or what Json gave before). With
    // KeepAbsent, the fields of an item left out (the loan's month while it is not claimed) stay
    // as they are, so that a page built again shows them as the user left them.
    void SetJson(const QJsonObject &Year, bool KeepAbsent = false);
    // The amounts and notes of the law are the year's.
    void SetYear(int Year);
    // Shows the place of a fault whose path starts with one of Keys(), giving it the focus when
    // Focus says so; false for another path.
    bool MarkFault(const TFactPath &Path, bool Focus, const QString &Fault = {});
    void ClearFault();
    // The field at Path in the words the user sees ("孩子1的出生日期"); none for a path that
    // does not start with one of Keys().
    std::optional<TFactPlace> PlaceOf(const TFactPath &Path) const;

    TFactTable *TblChildren, *TblParents, *TblRent, *TblDegree, *TblCertificates, *TblIllness,
        *TblPension, *TblHealth;
    QComboBox *CmbElderly; // 不扣除, 独生子女, 非独生子女
    QLineEdit *TxtElderlyShare;
    QCheckBox *ChkLoan;
    QLineEdit *TxtLoanFirst;
    QComboBox *CmbLoanShare;

  signals:
    // The user changed one field at a key path of the year file (a cell of a table), given as
    // Json() has it, or, by Edited, more than one.
    void FieldEdited(const QString &Path, const QJsonValue &Value);
    void Edited();

  private:
    void BuildChildren(QVBoxLayout *Column);
    void BuildElderly(QVBoxLayout *Column);
    void BuildHome(QVBoxLayout *Column);
    void BuildStudies(QVBoxLayout *Column);
    void BuildPayments(QVBoxLayout *Column);
    QLabel *Note(QVBoxLayout *Column);
    void FollowChoices();

    TNumKeyFilter *KeyFilter;
    QLabel *NoteChildren, *NoteElderly, *NoteRent, *NoteStudies, *NoteIllness, *NotePension,
        *NoteHealth;
};
