#pragma once
// Base of every calculator page: the grey title strip, the white client area whose controls are
// placed at fixed positions, the status bar with the notice, focus on the first input when shown,
// and the helpers that build and report alike on every page.

#include "common/UDesktopHabits.h"
#include "common/UPageMemory.h"
#include "common/URulesPeriod.h"

#include <QVariant>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class TNumKeyFilter;

class TCalcPage : public QWidget {
    Q_OBJECT
  public:
    // A page of the page registry: its title strip, and for rules no longer in force the grey
    // line naming their period, come from the row of the class Page.
    TCalcPage(const QMetaObject &Page, QSize Size, QWidget *Parent = nullptr);
    // A page of its own title, not in the registry.
    TCalcPage(const QString &Title, QSize Size, QWidget *Parent = nullptr);
    // Keeps what the user typed for the next page of the class (see UPageMemory.h).
    ~TCalcPage() override;

    QLabel *Panel1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;

    static QString StatusNotice();

    // Names a control for screen readers and desktop automation after its caption, without the
    // caption's blanks and trailing colon ("收入金额：  " names it "收入金额").
    static void Describe(QWidget *Widget, const QString &CaptionText);
    // The caption without its blanks and trailing colon, as a name reads it.
    static QString Bare(const QString &CaptionText);

    // The grey line under the title strip of a page whose rules are no longer in force: the years
    // they applied to, and where today's are. The client area keeps its controls where they are.
    void NoteRulesPeriod(const QString &Text);
    QLabel *LawNote = nullptr;
    // The period once more, under Results (the last row of results), so that a figure read or
    // copied there is not taken for today's; only on a page of rules no longer in force.
    void NoteRulesPeriodUnder(QWidget *Results);
    QLabel *LawNoteResults = nullptr;

  protected:
    QWidget *Client() const { return ClientArea; }

    // State of the page's own that is kept beside its inputs while the program runs (a table's
    // months of their own). Save runs as the page goes, after the destructors of the classes
    // derived from this one, so it reaches what it needs through the child objects it captured (a
    // model, a view), never through the page. Restore runs when the next page of the class is
    // first shown, after the inputs are back.
    void KeepState(const QString &Key, std::function<QVariant()> Save,
                   std::function<void(const QVariant &)> Restore);
    // Called when the next page of the class is first shown, its inputs back, if this one showed
    // results as it went; a page that can work them out again without a word to the user does.
    virtual void RestoreResults() {}
    // An edit that shows a result: its text is not kept as an input.
    static void MarkResult(QLineEdit *Edit);
    // For a page whose results are words of the language they were written in: the calculations
    // of these buttons (and those Enter runs in an edit) are run once more, as they ran, by the
    // page built anew in another language, so that it shows the same results. A run that put up
    // a message box is not run again. Called once the buttons are connected to their handlers.
    void RunAgainWhenRebuilt(std::initializer_list<QAbstractButton *> Buttons);

    // Builders; positions are in the client area.
    QLineEdit *AmountEdit(const QString &Name, int X, int Y, int Width = 121,
                          const QString &Text = {});
    // A result edit (应纳税额, 税后收入) with its bold red caption to the left; the edit starts
    // at X + 80. Its typed length is not limited.
    QLineEdit *ResultEdit(const QString &CaptionText, const QString &Name, int X, int Y,
                          int Width = 121);
    QLabel *Caption(const QString &Text, int X, int Y, bool Bold = true);
    QLabel *RedCaption(const QString &Text, int X, int Y);
    QLabel *Note(const QString &Text, int X, int Y);
    // A red message beside an input; Field, the caption of what it reports on, names it
    // "<Field>提示".
    QLabel *MsgLabel(const QString &Name, const QString &Field, int X, int Y, int Width = 330);
    // A right-aligned caption ends 8 pixels before the value. The rows of one X and CaptionWidth
    // form a column: where a caption of another language is longer than CaptionWidth leaves room
    // for, a right-aligned one grows to the left as far as the client area allows, and what is
    // still missing moves the values of the whole column to the right, together.
    QLabel *ResultLabel(const QString &Name, const QString &CaptionText, const QString &Initial,
                        int X, int Y, int CaptionWidth = 100,
                        Qt::Alignment CaptionAlignment = Qt::AlignLeft);
    QPushButton *Button(const QString &Name, const QString &Text, int X, int Y, int Width = 75,
                        int Height = 25);
    QPushButton *CopyButton(const QString &Name, QLineEdit *Source, int X, int Y);
    QRadioButton *Radio(const QString &Name, const QString &Text, int X, int Y, bool Checked);
    QLabel *Heading(const QString &Text, int X, int Y, int RuleWidth = 420);
    // A caption above an amount edit; the caption also names the edit for screen readers.
    QLineEdit *LabelledEdit(const QString &CaptionText, const QString &Name, int X, int Y,
                            int Width = 121, const QString &Text = {});
    // Pictures and group boxes anchored to the right edge of the client area. A picture is a
    // resource path (":/pictures/salary_method.png"); a missing one leaves the place empty.
    QGroupBox *RightGroup(const QString &Title, int Y, QSize Size, const QString &Picture = {},
                          int RightMargin = 15);
    QLabel *RightPicture(const QString &Name, int Y, QSize Size, const QString &Picture = {},
                         int RightMargin = 15);

    // Labels that the original form of the page had and nothing ever writes: present by name for
    // whatever looks them up, never shown.
    void InertLabels(std::initializer_list<const char *> Names);

    void SetFirstInput(QLineEdit *Edit) { FirstInput = Edit; }
    QLineEdit *FirstInputEdit() const { return FirstInput; }
    void OnEnter(QLineEdit *Edit, std::function<void()> Action);
    void SetTabOrder(std::initializer_list<QWidget *> Widgets);

    // Reporting.
    static void FocusAndSelect(QLineEdit *Edit);
    void ReportInline(QLabel *Msg, const QString &Text, QLineEdit *Edit);
    void ReportBox(const QString &Text, QLineEdit *Edit);
    static void ClearMessages(std::initializer_list<QLabel *> Labels);

    // Reading amounts (rounded to cents). An optional amount that is blank reads as 0. The
    // unchecked form reports a text that is not a number in an error box and gives no value.
    static std::optional<double> ReadAmount(const QLineEdit *Edit);
    static std::optional<double> ReadOptionalAmount(const QLineEdit *Edit);
    std::optional<double> ReadAmountUnchecked(const QLineEdit *Edit, bool Optional = false);

    // Display forms of results.
    static QString General(double Value);
    static QString Yuan(double Value);
    static QString Percent(double Rate);
    // A result written into an edit shows its beginning (see DesktopHabits).
    static void ShowResult(QLineEdit *Edit, const QString &Text) {
        DesktopHabits::ShowResult(Edit, Text);
    }

    // Called when the page becomes visible: the caret goes into the first input.
    virtual void CMShowingChanged();
    void showEvent(QShowEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    void PlaceRightAnchored();
    QList<QWidget *> KeptInputs() const;
    // The kept inputs and the result edits, by name: what a calculation reads.
    QHash<QString, QVariant> Snapshot() const;
    void PutBackAll(const QHash<QString, QVariant> &Values);
    void Record(const QString &Trigger, bool Enter, QHash<QString, QVariant> Before, int Boxes);
    void RunAgain(const PageMemory::TRun &Run);
    bool ShowsResults() const;
    void RestoreKept();
    void SaveKept();

    struct TExtraState {
        QString Key;
        std::function<QVariant()> Save;
        std::function<void(const QVariant &)> Restore;
    };
    std::vector<TExtraState> ExtraStates;
    bool RecordsRuns = false;
    QList<PageMemory::TRun> Runs;
    QHash<QString, QVariant> PressedBefore; // as the button pressed last found them
    int PressedBoxes = 0;
    QHash<QString, std::function<void()>> EnterActions; // by the edit's name
    // Known once the page is first shown: the destructor sees this class, not the page's own.
    QString KeptClassName;

    QWidget *ClientArea = nullptr;
    RulesPeriod::Period Rules = RulesPeriod::Period::Current;
    QLineEdit *FirstInput = nullptr;
    TNumKeyFilter *KeyFilter = nullptr;
    QList<QPair<QWidget *, int>> RightAnchored;
    struct TResultRow {
        QLabel *Caption;
        QLabel *Value;
        int X;
        int CaptionWidth;
    };
    QList<TResultRow> ResultRows;
    void FitResultColumn(int X, int CaptionWidth);
};
