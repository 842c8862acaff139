#pragma once

#include "common/UCurrentPage.h"
#include "pages/UFrmSharedItem.h"
#include "pages/UHouseholdRun.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QTabWidget;
class QTableWidget;
class QTimer;

class TBackground;

// The household split (家庭分配): a married couple's two tax years, each from its year file (or
// both from a household file), and the items either of them may claim, listed on the page apart
// from both years. Every split the law allows is tried and the one whose two settlements cost
// least together is shown with both settlements, beside everything claimed by a, by b and the
// costliest split; on request the chosen shares are written into the two year files.
class TFrmHousehold : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmHousehold(QWidget *Parent = nullptr);

    QLineEdit *TxtNameA, *TxtNameB; // what the two are called on the page, as typed
    QLineEdit *TxtFileA, *TxtFileB, *TxtHouseholdFile;
    QPushButton *BtnChooseFileA, *BtnChooseFileB, *BtnChooseHouseholdFile;
    QPushButton *BtnTakeOpenYear; // the year open in the program as a's or b's, as the user says
    QLabel *TxtSources;           // where each person's year comes from
    QTableWidget *TblShared;      // the shared items, each with its place under the best split
    QPushButton *BtnAddChild, *BtnAddLoan, *BtnAddLease, *BtnAddIllness;
    QPushButton *BtnEditItem, *BtnRemoveItem;
    QLabel *TxtStatus;
    QPushButton *BtnWriteBack;

    QTabWidget *TabsRight;
    QLabel *TxtSummary;
    QLineEdit *TxtBestTotal, *TxtSavingAllToA, *TxtSavingAllToB, *TxtSavingWorst;
    // The split they have now, when the household file says who claims each item now.
    QLineEdit *TxtNowTotal, *TxtSavingNow;
    QTableWidget *TblChoices;     // best, everything to a, everything to b, worst
    QTableWidget *TblSettlements; // both settlements under the best split
    QLabel *TxtFilingA, *TxtFilingB;

    // Where a's year comes from: the year file chosen on this page. The one place to take the
    // program's open year instead (its facts, and its file to write back to); call Recalculate
    // when it changes.
    HouseholdRun::YearSource SourceOfA() const;
    HouseholdRun::YearSource SourceOfB() const;

    // The shared items as the page holds them, apart from both years.
    const current::SharedItems &Shared() const { return State->Shared; }
    void SetShared(const current::SharedItems &Items);
    // A split is being worked out; what is shown is of the inputs before.
    bool Calculating() const { return Started != Finished; }
    // The outcome shown, when it holds a split.
    const HouseholdRun::Outcome *Shown() const { return Last ? &*Last : nullptr; }

    // Reads the files again and splits; the results follow once done.
    void Recalculate();
    void BtnResetClick();
    void BtnTakeOpenYearClick();
    void BtnWriteBackClick();
    void BtnEditItemClick();
    void BtnRemoveItemClick();

  signals:
    // An outcome was shown: a split, or why there is none.
    void Updated();
    // Both year files were written back: whatever holds either of them open reads it again.
    void YearFilesWritten(const QString &A, const QString &B);

  protected:
    void showEvent(QShowEvent *Event) override;

  private:
    void FollowOpenYear();
    // The facts of the year open in the program when Path names its file.
    static std::optional<current::YearFacts> OpenYearFacts(const QString &Path);
    // What survives the page being built anew (a change of language, another page shown): the
    // shared items and what was written back, which file paths alone do not give.
    // Whether the household file's items were still to replace the list is kept too: a page
    // built anew while the file is read starts reading it again rather than split without them.
    struct TKept {
        current::SharedItems Shared;
        std::vector<HouseholdRun::WrittenBack> Written;
        bool TakeShared = false;
    };

    QWidget *BuildInputs();
    QWidget *BuildResults();
    void FileRow(QFormLayout *Form, QLineEdit *&Edit, QPushButton *&Button, const QString &Name,
                 const QString &Caption);
    QWidget *Explanation();
    void ChooseFile(QLineEdit *Edit, const QString &Caption);
    void AddItem(TFrmSharedItem::Kind What);
    // Opens the dialog on an item (a new one when Index is none); true when confirmed.
    bool EditItem(TFrmSharedItem::Kind What, std::optional<std::size_t> Index);
    void SharedChanged();
    void ShowOutcome(HouseholdRun::Outcome Outcome);
    void ShowSplit(const HouseholdRun::Outcome &Outcome);
    void ShowSharedTable();
    void ShowSettlements(const current::HouseholdChoice &Best);
    void ClearResults();
    void ShowSources(const HouseholdRun::Outcome *Outcome);
    // "a" or "b", with the name typed for that person, else the name the person's year holds.
    QString PersonName(bool A) const;
    // A household file named: both years come from it.
    void HouseholdFileNamed();
    void UpdateButtons();
    int Year() const;
    // The path a year taken from the household file is written to: asked for.
    QString AskTarget(const QString &Person);
    void WriteBack(const HouseholdRun::Target &A, const HouseholdRun::Target &B,
                   const current::Household &Own);
    void Written(const HouseholdRun::Target &A, const HouseholdRun::Target &B,
                 const current::Household &Own);

    std::shared_ptr<TKept> State = std::make_shared<TKept>();
    std::optional<HouseholdRun::Outcome> Last; // with a split
    bool &TakeShared =
        State->TakeShared; // the household file's items replace the list when next read
    // The split, called off when a newer one starts or the page goes; writing back.
    TBackground *Splits, *Writes;
    int KnownYear = 0;
    int Started = 0, Finished = 0;
    bool Writing = false;
    QString Notice; // what the page last did with the files, until it does something else
    // The names a's and b's years hold, for a name not typed.
    std::pair<QString, QString> NamesInYears;
    QTimer *PathPause = nullptr;
};
