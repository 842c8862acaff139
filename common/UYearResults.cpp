#include "common/UYearResults.h"

#include "common/UCalcPage.h"
#include "common/UChartLoader.h"
#include "common/UCurWageModel.h"
#include "common/UDesktopHabits.h"
#include "common/UScrollColumn.h"
#include "common/USettlementSentences.h"
#include "common/UYearFacts.h"
#include "engine/current/RulesInUse.h"
#include "sheets/Captions.h"
#include "sheets/LawText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using current::Cents;
using current::EntitlementMonth;

namespace {

QString Amount(Cents Value) {
    return QString::fromStdString(current::FormatCents(Value));
}

QString Yuan(Cents Value) {
    return TYearResults::tr("%1元").arg(Amount(Value));
}

const TTimelineField Fields[] = {
    {formats::CaptionOf(&EntitlementMonth::Children), &EntitlementMonth::Children, {78, 121, 167}},
    {formats::CaptionOf(&EntitlementMonth::InfantCare),
     &EntitlementMonth::InfantCare,
     {160, 203, 232}},
    {formats::CaptionOf(&EntitlementMonth::Elderly), &EntitlementMonth::Elderly, {242, 142, 43}},
    {formats::CaptionOf(&EntitlementMonth::HousingLoan),
     &EntitlementMonth::HousingLoan,
     {225, 87, 89}},
    {formats::CaptionOf(&EntitlementMonth::Rent), &EntitlementMonth::Rent, {255, 157, 154}},
    {formats::CaptionOf(&EntitlementMonth::ContinuingEducation),
     &EntitlementMonth::ContinuingEducation,
     {89, 161, 79}},
    {formats::CaptionOf(&EntitlementMonth::Pension), &EntitlementMonth::Pension, {176, 122, 161}},
    {formats::CaptionOf(&EntitlementMonth::HealthInsurance),
     &EntitlementMonth::HealthInsurance,
     {118, 183, 178}},
};

QString KindName(current::RemunerationKind Kind) {
    return sheets::Caption(Kind);
}

QLabel *TextLabel(const QString &Name, const QString &Caption, QWidget *Parent) {
    auto *label = new QLabel(Parent);
    label->setObjectName(Name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    TCalcPage::Describe(label, Caption);
    return label;
}

} // namespace

QString TTimelineField::Title() const {
    return sheets::Caption(Name);
}

std::span<const TTimelineField> TimelineFields() {
    return Fields;
}

TYearResults::TYearResults(QWidget *Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("YearResults"));
    TabsResults = new QTabWidget(this);
    TabsResults->setObjectName(QStringLiteral("TabsResults"));
    TabsResults->addTab(BuildTimeline(), tr("扣除时间线"));
    TabsResults->addTab(BuildJobs(), tr("各单位逐月预扣"));
    TabsResults->addTab(BuildSettlement(), tr("年度汇算"));
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(TabsResults);
}

QWidget *TYearResults::BuildTimeline() {
    auto *tab = new QWidget;
    ChartColumn = new QVBoxLayout(tab);
    TxtTimelineYear = TextLabel(QStringLiteral("TxtTimelineYear"), tr("全年扣除合计"), tab);
    ChartColumn->addWidget(TxtTimelineYear);
    return tab;
}

QWidget *TYearResults::BuildJobs() {
    auto *tab = new QWidget;
    auto *box = new QVBoxLayout(tab);
    auto *row = new QHBoxLayout;
    CmbJob = new QComboBox(tab);
    CmbJob->setObjectName(QStringLiteral("CmbJob"));
    TCalcPage::Describe(CmbJob, tr("任职单位"));
    ChkCumulative = new QCheckBox(tr("显示累计列"), tab);
    ChkCumulative->setObjectName(QStringLiteral("ChkYearCumulative"));
    TCalcPage::Describe(ChkCumulative, ChkCumulative->text());
    auto *caption = new QLabel(tr("任职单位："), tab);
    caption->setBuddy(CmbJob);
    row->addWidget(caption);
    row->addWidget(CmbJob, 1);
    row->addWidget(ChkCumulative);
    box->addLayout(row);
    JobModel = new TCurWageModel(this);
    TblJobMonths = new QTableView(tab);
    TblJobMonths->setObjectName(QStringLiteral("TblJobMonths"));
    TblJobMonths->setModel(JobModel);
    TblJobMonths->setAccessibleName(tr("逐月预扣明细"));
    TblJobMonths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblJobMonths->verticalHeader()->hide();
    TblJobMonths->verticalHeader()->setDefaultSectionSize(TblJobMonths->fontMetrics().height() + 6);
    DesktopHabits::ColumnsFitContents(TblJobMonths);
    box->addWidget(TblJobMonths, 1);
    TxtJobWithheld = TextLabel(QStringLiteral("TxtJobWithheld"), tr("全年预扣税额"), tab);
    box->addWidget(TxtJobWithheld);
    TxtPayments =
        TextLabel(QStringLiteral("TxtPayments"), tr("劳务报酬、稿酬、特许权使用费和奖金"), tab);
    box->addWidget(TxtPayments);
    connect(CmbJob, &QComboBox::currentIndexChanged, this, &TYearResults::ShowJob);
    connect(ChkCumulative, &QCheckBox::toggled, this, &TYearResults::ShowColumns);
    connect(JobModel, &QAbstractItemModel::modelReset, this, &TYearResults::ShowColumns);
    return tab;
}

QLineEdit *TYearResults::ResultRow(QFormLayout *Form, const QString &Name, const QString &Caption) {
    auto *edit = new QLineEdit;
    edit->setObjectName(Name);
    edit->setReadOnly(true);
    edit->setMinimumWidth(120);
    TCalcPage::Describe(edit, Caption);
    DesktopHabits::TipWhenClipped(edit);
    Form->addRow(Caption, edit);
    return edit;
}

QWidget *TYearResults::BuildSettlement() {
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    TxtIncomeAmount = ResultRow(form, QStringLiteral("TxtIncomeAmount"), tr("综合所得收入额："));
    TxtSpecialYear =
        ResultRow(form, QStringLiteral("TxtSpecialYear"), tr("专项附加扣除（不含大病医疗）："));
    TxtIllness = ResultRow(form, QStringLiteral("TxtIllness"), tr("大病医疗："));
    TxtPensionYear = ResultRow(form, QStringLiteral("TxtPensionYear"), tr("个人养老金："));
    TxtHealthYear = ResultRow(form, QStringLiteral("TxtHealthYear"), tr("商业健康保险："));
    TxtDeductions = ResultRow(form, QStringLiteral("TxtDeductions"), tr("扣除合计："));
    TxtDonationLimit = ResultRow(form, QStringLiteral("TxtDonationLimit"),
                                 tr("捐赠限额（%1%）：").arg(current::Law::DonationLimitShare));
    TxtDonations = ResultRow(form, QStringLiteral("TxtDonations"), tr("公益慈善捐赠扣除："));
    TxtTaxable = ResultRow(form, QStringLiteral("TxtTaxable"), tr("应纳税所得额："));
    TxtRate = ResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtTax = ResultRow(form, QStringLiteral("TxtTax"), tr("综合所得应纳税额："));
    TxtBonusTax = ResultRow(form, QStringLiteral("TxtBonusTax"), tr("年终奖单独计税税额："));
    TxtTotalTax = ResultRow(form, QStringLiteral("TxtTotalTax"), tr("应纳税额合计："));
    TxtWithheld = ResultRow(form, QStringLiteral("TxtWithheld"), tr("已预缴税额："));
    LblBalance = new QLabel;
    LblBalance->setObjectName(QStringLiteral("LblBalance"));
    TCalcPage::Describe(LblBalance, tr("应补（退）税额"));
    TxtBalance = new QLineEdit;
    TxtBalance->setObjectName(QStringLiteral("TxtBalance"));
    TxtBalance->setReadOnly(true);
    QFont bold = TxtBalance->font();
    bold.setBold(true);
    TxtBalance->setFont(bold);
    LblBalance->setFont(bold);
    form->addRow(LblBalance, TxtBalance);
    auto *column = new QVBoxLayout;
    column->addLayout(form);
    TxtMethod = TextLabel(QStringLiteral("TxtMethod"), tr("奖金计税方式"), nullptr);
    TxtFiling = TextLabel(QStringLiteral("TxtFiling"), tr("是否需要办理年度汇算"), nullptr);
    TxtFiling->setFont(bold);
    TxtReason = TextLabel(QStringLiteral("TxtReason"), tr("办理原因"), nullptr);
    for (QLabel *label : {TxtMethod, TxtFiling, TxtReason})
        column->addWidget(label);
    column->addStretch();
    return ScrollColumn(column, this, QStringLiteral("ScrollSettlement"));
}

// The chart module is loaded once the results are on screen, after the page has been painted.
void TYearResults::showEvent(QShowEvent *Event) {
    QWidget::showEvent(Event);
    if (ChartAsked)
        return;
    ChartAsked = true;
    QTimer::singleShot(0, this, &TYearResults::CreateChart);
}

void TYearResults::CreateChart() {
    Chart = CreateTimelineChart(TabsResults->widget(0));
    if (!Chart) {
        auto *missing = new QLabel(tr("图表组件（pendra_chart）未能加载，无法显示图表；"
                                      "计算结果不受影响。"));
        missing->setObjectName(QStringLiteral("TxtChartMissing"));
        missing->setStyleSheet(QStringLiteral("color: gray;"));
        missing->setWordWrap(true);
        ChartColumn->insertWidget(0, missing, 1, Qt::AlignCenter);
        return;
    }
    ChartColumn->insertWidget(0, Chart->Widget(), 1);
    Chart->Draw(Timeline);
}

void TYearResults::Show(const TYearFigures &Figures) {
    Facts = Figures.Facts;
    Year = Figures.Result;
    const current::YearResult &Shown = Year;
    ShowTimeline();
    const int job = CmbJob->currentIndex();
    {
        const QSignalBlocker quiet(CmbJob);
        CmbJob->clear();
        for (const current::JobYear &j : Shown.Jobs)
            CmbJob->addItem(JobTitle(j.Facts));
        CmbJob->setCurrentIndex(std::clamp(job, 0, CmbJob->count() - 1));
    }
    ShowJob(CmbJob->currentIndex());
    ShowSettlement();
}

void TYearResults::ShowTimeline() {
    Timeline = {};
    Timeline.Title = tr("%1年每月扣除").arg(Facts->Year);
    for (const EntitlementMonth &month : Year.Entitlements)
        Timeline.Months << QString::number(month.Month);
    EntitlementMonth whole;
    for (const TTimelineField &item : Fields) {
        TTimelineItem bars{item.Title(), item.Color, {}};
        Cents sum = 0;
        for (const EntitlementMonth &month : Year.Entitlements) {
            bars.Values << qreal(month.*item.Field) / 100;
            sum += month.*item.Field;
        }
        whole.*item.Field = sum;
        if (sum > 0)
            Timeline.Items << bars;
    }
    const current::YearSettlement &settled = Year.Settled;
    TxtTimelineYear->setText(
        tr("全年扣除%1：专项附加扣除%2，个人养老金%3，商业健康保险%4；另有大病医疗%5在汇算时扣除。")
            .arg(Yuan(whole.Total()), Yuan(whole.Special()), Yuan(settled.Pension),
                 Yuan(settled.HealthInsurance), Yuan(settled.Illness)));
    if (Chart)
        Chart->Draw(Timeline);
}

void TYearResults::ShowJob(int Job) {
    if (!Facts || Job < 0 || Job >= int(Year.Jobs.size())) {
        JobModel->TakeMonths({});
        TxtJobWithheld->clear();
        return;
    }
    const current::JobYear &shown = Year.Jobs[static_cast<std::size_t>(Job)];
    const std::vector<current::WageMonth> months =
        current::JobMonths(shown.Facts, Year.Entitlements);
    JobModel->TakeMonths(months);
    if (Year.NonResident && !months.empty()) {
        JobModel->SetMonths(months.front().Month, months.back().Month, true);
        std::vector<current::NonResidentWage> wages;
        for (const current::NonResidentMonth &month : shown.NonResidentMonths)
            wages.push_back(month.Wage);
        JobModel->ShowNonResident(std::move(wages));
    } else {
        JobModel->ShowResident(shown.Months);
    }
    TxtJobWithheld->setText(
        tr("%1全年预扣税额：%2")
            .arg(QString::fromStdString(shown.Facts.Employer), Yuan(shown.Withheld)));
    QStringList lines;
    for (const current::PaymentWithholding &payment : Year.Payments)
        lines << tr("%1月%2%3，预扣%4")
                     .arg(payment.Facts.Month)
                     .arg(KindName(payment.Facts.Kind), Yuan(payment.Facts.Amount),
                          Yuan(payment.Tax));
    if (Year.Bonus && Year.Bonus->NonResident)
        lines << tr("%1月数月奖金%2（%3），非居民个人分摊%4个月计税，扣缴%5")
                     .arg(Year.Bonus->Month)
                     .arg(Yuan(Year.Bonus->Amount), QString::fromStdString(Year.Bonus->Employer))
                     .arg(current::Law::NonResidentBonusMonths)
                     .arg(Yuan(Year.Bonus->Due.Tax));
    else if (Year.Bonus)
        lines << tr("%1月全年一次性奖金%2（%3），单独计税预扣%4")
                     .arg(Year.Bonus->Month)
                     .arg(Yuan(Year.Bonus->Amount), QString::fromStdString(Year.Bonus->Employer),
                          Yuan(Year.Bonus->Due.Tax));
    TxtPayments->setText(lines.join(QLatin1Char('\n')));
}

void TYearResults::ShowColumns() {
    for (int column = 0; column < JobModel->columnCount(); ++column)
        TblJobMonths->setColumnHidden(column, JobModel->IsCumulative(column) &&
                                                  !ChkCumulative->isChecked());
}

// A non-resident's year has no settlement: the figures are empty and the sentences say why.
void TYearResults::ShowNoSettlement() {
    for (QLineEdit *edit :
         {TxtIncomeAmount, TxtDeductions, TxtDonationLimit, TxtDonations, TxtTaxable, TxtRate,
          TxtTax, TxtBonusTax, TxtTotalTax, TxtWithheld, TxtBalance})
        edit->clear();
    LblBalance->setText(tr("应补（退）税额："));
    TxtMethod->clear();
    TxtFiling->setText(tr("非居民个人，没有年度汇算"));
    TxtFiling->setStyleSheet(QString());
    TxtReason->setText(tr("本年在中国境内%1天，不满%2天：工资薪金按月、劳务报酬等按次由扣缴义务人"
                          "扣缴，不享受专项附加扣除，扣缴的税款即为应纳税额。")
                           .arg(Facts->DaysInChina.value_or(0))
                           .arg(current::Law::ResidentDays));
}

void TYearResults::ShowSettlement() {
    if (Year.NonResident)
        return ShowNoSettlement();
    const current::Settlement &s = Year.Settled.Figures;
    const struct {
        QLineEdit *Edit;
        Cents Value;
    } rows[] = {{TxtSpecialYear, Year.Settled.Special},
                {TxtIllness, Year.Settled.Illness},
                {TxtPensionYear, Year.Settled.Pension},
                {TxtHealthYear, Year.Settled.HealthInsurance},
                {TxtIncomeAmount, s.IncomeAmount},
                {TxtDeductions, s.Deductions},
                {TxtDonationLimit, s.DonationLimit},
                {TxtDonations, s.Donations},
                {TxtTaxable, s.Taxable},
                {TxtTax, s.Tax},
                {TxtBonusTax, s.BonusTax},
                {TxtTotalTax, s.TotalTax},
                {TxtWithheld, s.Withheld}};
    for (const auto &row : rows)
        row.Edit->setText(Amount(row.Value));
    TxtRate->setText(QString::number(s.Rate) + QLatin1Char('%'));
    LblBalance->setText(s.Balance < 0   ? tr("应退税额：")
                        : s.Balance > 0 ? tr("应补税额：")
                                        : tr("应补（退）税额："));
    TCalcPage::Describe(TxtBalance, LblBalance->text());
    TCalcPage::Describe(LblBalance, LblBalance->text());
    TxtBalance->setText(Amount(s.Balance < 0 ? -s.Balance : s.Balance));
    TxtMethod->clear();
    const current::YearRules *found = current::RulesInUse(Facts->Year);
    const current::YearRules &rules = found ? *found : current::LatestRules();
    if (Facts->Bonus && !rules.SeparateBonus) {
        TxtMethod->setText(LawText::NoSeparateBonus(rules) + tr("。"));
    } else if (Facts->Bonus) {
        const QString taken = Year.Settled.Method == current::BonusMethod::Merged
                                  ? tr("并入综合所得", "the bonus method within a sentence")
                                  : tr("单独计税", "the bonus method within a sentence");
        QString method = Facts->BonusMethod == current::BonusChoice::Best
                             ? tr("全年一次性奖金按%1计算（两种方式中税额较低的）。").arg(taken)
                             : tr("全年一次性奖金按%1计算。").arg(taken);
        // By how much: the other method's total tax and the difference.
        if (const auto &other = Year.Settled.Other) {
            const QString otherName =
                Year.Settled.Method == current::BonusMethod::Merged
                    ? tr("单独计税", "the bonus method within a sentence")
                    : tr("并入综合所得", "the bonus method within a sentence");
            const Cents difference = other->TotalTax - s.TotalTax;
            method += difference > 0 ? tr("若%1，应纳税额合计为%2，多%3。")
                                           .arg(otherName, Yuan(other->TotalTax), Yuan(difference))
                      : difference < 0
                          ? tr("若%1，应纳税额合计为%2，少%3。")
                                .arg(otherName, Yuan(other->TotalTax), Yuan(-difference))
                          : tr("若%1，应纳税额合计同为%2。").arg(otherName, Yuan(other->TotalTax));
        }
        TxtMethod->setText(method);
    }
    TxtFiling->setText(SettlementSentences::FilingHeadline(s));
    TxtFiling->setStyleSheet(s.MustFile ? QStringLiteral("color: red;") : QString());
    TxtReason->setText(SettlementSentences::ReasonSentence(s, rules));
    // Once for all the year's payments: where the pension was deducted that year.
    if (!Facts->Pension.empty() && rules.PensionPilot)
        TxtMethod->setText(TxtMethod->text() +
                           (TxtMethod->text().isEmpty() ? QString() : QStringLiteral("\n")) +
                           LawText::PensionPilot(rules) + tr("。"));
}
