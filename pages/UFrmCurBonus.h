#pragma once

#include "common/UBonusChart.h"
#include "common/UCurrentPage.h"
#include "engine/current/Bonus.h"

#include <optional>

class QGridLayout;
class TYearLink;
class QTabWidget;
class QVBoxLayout;

// The annual bonus under the law in force since 2019: taxed on its own against merged into the
// year's comprehensive income, side by side, with the better one marked, the cliff the bonus may
// fall in, the split of the year's pool that costs least, and a chart of what every bonus keeps.
// For a non-resident, the bonus for several months paid in one month, spread over six months.
class TFrmCurBonus : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurBonus(QWidget *Parent = nullptr);

    QLineEdit *TxtBonus, *TxtOtherTaxable, *TxtWages, *TxtInsurance, *TxtDeductions;
    QRadioButton *RBtnTaxable, *RBtnWages;
    QRadioButton *RBtnResident, *RBtnNonResident;
    QFormLayout *FormInputs;
    QLabel *TxtWagesNote, *TxtMsgCliff;
    QPushButton *BtnFromWage; // the year's wages from the wage page
    QPushButton *BtnFromYear; // the bonus and the other income of the open year
    TYearLink *YearLink;
    QPushButton *BtnSaveChart, *BtnReverse;

    QLabel *TxtOtherUsed;
    QLabel *LblSeparate, *LblMerged;
    QLabel *TxtSeparateBracket, *TxtMergedBracket; // rate and quick deduction
    QLineEdit *TxtSeparateBonusTax, *TxtMergedBonusTax, *TxtSeparateTotal, *TxtMergedTotal;
    QLabel *TxtBetter, *TxtSplit;
    QTabWidget *TabsRight;
    QWidget *ResidentResults, *NonResidentResults;
    QLineEdit *TxtNonResidentAverage, *TxtNonResidentRate, *TxtNonResidentQuickDeduction,
        *TxtNonResidentMonthlyTax, *TxtNonResidentTax, *TxtNonResidentAfterTax;
    // Made when the page is first shown; none when the chart module cannot be loaded.
    TBonusChart *Chart = nullptr;

    void BtnCalcClick();
    void BtnResetClick();
    void BtnSaveChartClick();
    void BtnReverseClick();
    void BtnFromWageClick();
    // The open year's bonus, and the rest of its comprehensive income as taxable income.
    void FillFromYear();

  protected:
    void showEvent(QShowEvent *Event) override;

  private:
    QWidget *BuildLeftColumn();
    QLayout *BuildInputs();
    QLayout *BuildResults();
    QGridLayout *BuildComparison();
    QWidget *BuildChartTabs();
    QLayout *BuildResidence();
    QWidget *BuildNonResidentResults();
    void ResidenceChanged();
    void CalcNonResident(current::Cents Bonus);
    QLabel *RowCaption(const QString &Text);
    QLabel *ResultText(const QString &Name, const QString &CaptionText);
    QLineEdit *ResultCell(QGridLayout *Grid, int Row, int Column, const QString &Name,
                          const QString &Caption);
    void ModeChanged();

    // The year's other taxable income as typed or worked out from the wages; none after a
    // message.
    std::optional<current::Cents> ReadOtherTaxable();
    // The rules of the open year while the page follows it, else those of the latest year.
    const current::YearRules &RulesShown() const;
    void ShowComparison(const current::BonusComparison &Result, const current::YearRules &Rules);
    void ShowVerdicts(const current::BonusComparison &Result);
    void ClearResults();
    TBonusCurves ChartCurves(current::Cents Bonus, current::Cents OtherTaxable);
    void CreateChart();
    void ShowChart();

    QLayout *OtherModes = nullptr;
    QVBoxLayout *ChartColumn = nullptr;
    bool ChartLoaded = false;
    std::optional<TBonusCurves> Curves; // of the last calculation
    QString NoCurves; // why the last calculation has none: its year has one method only
};
