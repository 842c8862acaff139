#pragma once
// What a person's year comes to, beside its facts on the page 我的纳税年度: the deduction timeline
// as a chart (a stacked bar a month, a colour an item), each job's months as the wage page's
// table shows them, the remuneration and bonus withheld, and the settlement with the sentence
// saying whether a return is needed and why. The chart is made from the chart module when the
// results are first shown.

#include "common/UTimelineChart.h"
#include "common/UYearModel.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <QColor>
#include <QWidget>
#include <optional>
#include <span>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;
class QVBoxLayout;
class TCurWageModel;

// The items of the timeline in the order they stack, each in the colour the chart gives it.
struct TTimelineField {
    const char *Name; // a caption of formats/Vocabulary.h
    current::Cents current::EntitlementMonth::*Field;
    QColor Color;
    QString Title() const;
};
std::span<const TTimelineField> TimelineFields();

class TYearResults : public QWidget {
    Q_OBJECT
  public:
    explicit TYearResults(QWidget *Parent = nullptr);

    // Facts and what they come to, as one: the figures of other facts are never shown beside them.
    void Show(const TYearFigures &Figures);
    // What the chart draws, or will once it is made.
    const TTimelineBars &Bars() const { return Timeline; }

    QTabWidget *TabsResults;
    // Made once the results are first shown; none before, or when the module cannot be loaded.
    TTimelineChart *Chart = nullptr;
    QLabel *TxtTimelineYear;
    QComboBox *CmbJob;
    QCheckBox *ChkCumulative;
    QTableView *TblJobMonths;
    TCurWageModel *JobModel;
    QLabel *TxtJobWithheld, *TxtPayments;
    // The deductions settled beside the wages' own, as pendra-cli year lists them.
    QLineEdit *TxtSpecialYear, *TxtIllness, *TxtPensionYear, *TxtHealthYear;
    QLineEdit *TxtIncomeAmount, *TxtDeductions, *TxtDonationLimit, *TxtDonations, *TxtTaxable,
        *TxtRate, *TxtTax, *TxtBonusTax, *TxtTotalTax, *TxtWithheld, *TxtBalance;
    QLabel *LblBalance, *TxtMethod, *TxtFiling, *TxtReason;

  protected:
    void showEvent(QShowEvent *Event) override;

  private:
    QWidget *BuildTimeline();
    QWidget *BuildJobs();
    QWidget *BuildSettlement();
    QLineEdit *ResultRow(QFormLayout *Form, const QString &Name, const QString &Caption);
    void CreateChart();
    void ShowTimeline();
    void ShowJob(int Job);
    void ShowSettlement();
    void ShowNoSettlement();
    void ShowColumns();

    QVBoxLayout *ChartColumn = nullptr;
    bool ChartAsked = false;
    TTimelineBars Timeline;
    std::optional<current::YearFacts> Facts;
    current::YearResult Year;
};
