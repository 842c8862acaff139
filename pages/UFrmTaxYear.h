#pragma once

#include "common/UCurrentPage.h"
#include "engine/current/YearFacts.h"

#include <QJsonObject>
#include <optional>

class TYearFactsForm;
class TYearModel;
class TYearResults;

// 我的纳税年度: one person's tax year as dated facts, edited in place, and beside them what they
// come to, worked out again on every edit that checks: the deduction timeline, each employer's
// withholding month by month, and the settlement. The facts are the open year's (see
// common/UOpenYear.h), which the program keeps while this page comes and goes; a year file is
// opened and saved from here and from the 文件 menu. Without a year open, the page shows a fresh
// one, which opens as a year not yet saved with the first edit.
class TFrmTaxYear : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmTaxYear(QWidget *Parent = nullptr);
    // What is typed is kept as the page goes; an edit still open must not reach the page then.
    ~TFrmTaxYear() override;

    QPushButton *BtnNew, *BtnOpen, *BtnSave, *BtnSaveAs;
    QLabel *LblFile, *TxtMsgFacts;
    TYearFactsForm *Facts;
    TYearResults *Results;
    // The facts as typed, checked, and the last that checked with their figures.
    TYearModel *Model;

    // Reads the facts as typed: a year that checks becomes the open year's facts (unless
    // Commit is false) and its figures are shown; a fault is said, and marked at its field.
    void Recompute(bool Commit = true);
    // Saves the year shown (a fresh one opens first), to its file or, As, to one the user names;
    // a fault not yet put right is shown at its field, and nothing is saved.
    void Save(bool As);

  protected:
    void showEvent(QShowEvent *Event) override;
    // The caret goes into the table of jobs, where a year begins.
    void CMShowingChanged() override;
    // The figures follow the facts, which come back whole: nothing to work out again.
    void RestoreResults() override {}

  private:
    QLayout *BuildFileRow();
    // The facts of the open year, or of a fresh one while none is open.
    void LoadYear();
    void RestoreDraft(const QVariant &Draft);
    void YearChanged();
    void ShowFile();
    void FactsEdited();
    void FactEdited(const QString &Path, const QJsonValue &Value);
    // What the model found in the facts typed: the fault said and marked, or the figures shown;
    // the open year takes the facts (Commit) or follows them (when open).
    void ShowChecked(bool Commit);
    // The year on the page opened, for a command that needs one (saving a fresh year).
    void EnsureOpen();
    void NewClick();

    quint64 ShownRevision = 0;
    // While the page puts back what it held, nothing the widgets say is an edit of the user's.
    bool Loading = true;
    // While the page hands the open year what it shows.
    bool Committing = false;
};
