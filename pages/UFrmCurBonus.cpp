#include "pages/UFrmCurBonus.h"

#include "common/UChartLoader.h"
#include "common/UKeptWage.h"
#include "common/ULawText.h"
#include "common/UMsgBox.h"
#include "common/UOpenYear.h"
#include "common/UReverseDialog.h"
#include "common/UScrollColumn.h"
#include "common/UUtils.h"
#include "common/UYearLink.h"
#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"
#include "engine/current/Settlement.h"
#include "pages/UBonusCurve.h"
#include "sheets/Captions.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

using current::Cents;

TFrmCurBonus::TFrmCurBonus(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addWidget(BuildLeftColumn());
    columns->addWidget(BuildChartTabs(), 1);
    Body()->addLayout(columns, 1);

    SetFirstInput(TxtBonus);
    SetTabOrder({TxtBonus, RBtnResident, RBtnNonResident, RBtnTaxable, RBtnWages, BtnFromWage,
                 TxtOtherTaxable, TxtWages, TxtInsurance, TxtDeductions, BtnCalc, BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurBonus::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurBonus::BtnResetClick);
    connect(BtnSaveChart, &QPushButton::clicked, this, &TFrmCurBonus::BtnSaveChartClick);
    connect(BtnReverse, &QPushButton::clicked, this, &TFrmCurBonus::BtnReverseClick);
    connect(BtnFromWage, &QPushButton::clicked, this, &TFrmCurBonus::BtnFromWageClick);
    connect(RBtnWages, &QRadioButton::toggled, this, &TFrmCurBonus::ModeChanged);
    connect(RBtnNonResident, &QRadioButton::toggled, this, &TFrmCurBonus::ResidenceChanged);
    for (QLineEdit *edit : {TxtBonus, TxtOtherTaxable, TxtWages, TxtInsurance, TxtDeductions})
        OnEnter(edit, [this] { BtnCalcClick(); });
    ResidenceChanged();
    YearLink->Watch({TxtBonus, TxtOtherTaxable, TxtWages, TxtInsurance, TxtDeductions});
    YearLink->Watch({RBtnTaxable, RBtnWages, RBtnResident, RBtnNonResident});
    KeepState(
        QStringLiteral("Year"), [link = YearLink] { return link->Saved(); },
        [link = YearLink](const QVariant &Value) { link->Restore(Value); });
    YearLink->Fill();
}

// The other income is what the year's settlement taxes besides the bonus: its income amount less
// its deductions, before a shortfall is cut to 0, as the page works it out from wages.
void TFrmCurBonus::FillFromYear() {
    const current::YearResult &year = TOpenYear::Instance().Result();
    current::SettlementInput rest = year.Settled.Input;
    rest.Bonus = 0;
    rest.Method = current::BonusMethod::Separate;
    const current::Settlement settled = current::Settle(rest);
    RBtnResident->setChecked(true);
    RBtnTaxable->setChecked(true);
    ShowResult(TxtOtherTaxable, Amount(settled.IncomeAmount - settled.Deductions));
    if (year.Bonus) {
        ShowResult(TxtBonus, Amount(year.Bonus->Amount));
        BtnCalcClick();
    }
}

QWidget *TFrmCurBonus::BuildLeftColumn() {
    auto *left = new QVBoxLayout;
    left->setSpacing(8);
    left->addLayout(BuildInputs());
    QLayout *results = BuildResults();
    results->setContentsMargins(0, 0, 0, 0);
    ResidentResults = new QWidget(Client());
    ResidentResults->setLayout(results);
    left->addWidget(ResidentResults);
    left->addWidget(BuildNonResidentResults());
    left->addStretch();
    QScrollArea *column = ScrollColumn(left, Client(), QStringLiteral("ScrollInputs"));
    KeepWholeWidth(column);
    return column;
}

QLayout *TFrmCurBonus::BuildInputs() {
    FormInputs = NewForm();
    FormInputs->setRowWrapPolicy(QFormLayout::WrapLongRows);
    TxtBonus = AddInputRow(FormInputs, QStringLiteral("TxtBonus"), tr("全年一次性奖金："));
    FormInputs->addRow(tr("纳税人身份："), BuildResidence());
    RBtnTaxable = new QRadioButton(tr("直接填写"), Client());
    RBtnTaxable->setObjectName(QStringLiteral("RBtnTaxable"));
    Describe(RBtnTaxable, RBtnTaxable->text());
    RBtnTaxable->setChecked(true);
    RBtnWages = new QRadioButton(tr("由全年工资计算"), Client());
    RBtnWages->setObjectName(QStringLiteral("RBtnWages"));
    Describe(RBtnWages, RBtnWages->text());
    BtnFromWage = FlowButton(QStringLiteral("BtnFromWage"), tr("从工资薪金页填入"));
    BtnFromWage->setToolTip(tr("按工资薪金(累计预扣)页上次输入的各月数额，填入全年工资薪金收入"
                               "（减除免税收入后）、三险一金和专项附加扣除等"));
    BtnFromYear = FlowButton(QStringLiteral("BtnFromYear"), tr("从纳税年度填入"));
    BtnFromYear->setToolTip(tr("按“我的纳税年度”填入全年一次性奖金和其余综合所得的应纳税所得额"));
    auto *yearCaption = new QLabel(tr("纳税年度："), Client());
    FormInputs->insertRow(0, yearCaption, BtnFromYear);
    YearLink = new TYearLink(BtnFromYear, {yearCaption}, [this] { FillFromYear(); });
    auto *modes = new QHBoxLayout;
    modes->addWidget(RBtnTaxable);
    modes->addWidget(RBtnWages);
    modes->addWidget(BtnFromWage);
    modes->addStretch();
    FormInputs->addRow(tr("其他综合所得："), modes);
    OtherModes = modes;
    TxtOtherTaxable =
        AddInputRow(FormInputs, QStringLiteral("TxtOtherTaxable"), tr("全年其他应纳税所得额："));
    TxtWages = AddInputRow(FormInputs, QStringLiteral("TxtWages"), tr("全年工资薪金收入："));
    TxtInsurance = AddInputRow(FormInputs, QStringLiteral("TxtInsurance"), tr("全年三险一金："));
    TxtDeductions =
        AddInputRow(FormInputs, QStringLiteral("TxtDeductions"), tr("全年专项附加扣除等："));
    TxtWagesNote = GreyNote(tr("= 工资（不含奖金）− %1 − 三险一金 − 专项附加扣除等，可为负数")
                                .arg(LawText::Amount(current::LatestRules().BasicAnnual)));
    TxtWagesNote->setToolTip(tr("专项附加扣除等：专项附加扣除、个人养老金、商业健康保险和其他"
                                "扣除的全年合计；扣除未用完时应纳税所得额为负数，并入综合所得"
                                "的奖金先用完这些扣除。"));
    TxtWagesNote->setObjectName(QStringLiteral("TxtWagesNote"));
    Describe(TxtWagesNote, tr("由全年工资计算"));
    FormInputs->addRow(TxtWagesNote);

    auto *box = new QVBoxLayout;
    box->addLayout(FormInputs);
    QHBoxLayout *buttons = CalcButtons(tr("输入"));
    buttons->insertWidget(2, TxtMsgInput, 1);
    box->addLayout(buttons);
    QLabel *once = GreyNote(tr("全年一次性奖金单独计税，一个纳税年度内对每一个纳税人只能采用一次"
                               "（国税发〔2005〕9号），执行至%1（财政部 税务总局公告2023年第30"
                               "号）；其余奖金并入当月工资薪金预扣。")
                                .arg(LawDate(current::Law::SeparateBonusUntil)));
    once->setObjectName(QStringLiteral("TxtOnceNote"));
    Describe(once, tr("单独计税的次数和期限"));
    box->addWidget(once);
    return box;
}

QLayout *TFrmCurBonus::BuildResults() {
    auto *box = new QVBoxLayout;
    TxtOtherUsed = ResultText(QStringLiteral("TxtOtherUsed"), tr("其他综合所得应纳税所得额"));
    box->addWidget(TxtOtherUsed);
    box->addLayout(BuildComparison());
    TxtBetter = ResultText(QStringLiteral("TxtBetter"), tr("较优方式"));
    QFont bold = TxtBetter->font();
    bold.setBold(true);
    TxtBetter->setFont(bold);
    box->addWidget(TxtBetter);
    TxtMsgCliff = InlineMessage(QStringLiteral("TxtMsgCliff"), tr("临界点"));
    box->addWidget(TxtMsgCliff);
    TxtSplit = ResultText(QStringLiteral("TxtSplit"), tr("最优拆分"));
    box->addWidget(TxtSplit);
    return box;
}

QLayout *TFrmCurBonus::BuildResidence() {
    RBtnResident = new QRadioButton(tr("居民个人"), Client());
    RBtnResident->setObjectName(QStringLiteral("RBtnResident"));
    RBtnResident->setChecked(true);
    RBtnNonResident = new QRadioButton(tr("非居民个人"), Client());
    RBtnNonResident->setObjectName(QStringLiteral("RBtnNonResident"));
    auto *group = new QButtonGroup(this);
    auto *row = new QHBoxLayout;
    for (QRadioButton *radio : {RBtnResident, RBtnNonResident}) {
        Describe(radio, radio->text());
        group->addButton(radio);
        row->addWidget(radio);
    }
    row->addStretch();
    return row;
}

// A non-resident's bonus for several months paid in one month: its own results and rule.
QWidget *TFrmCurBonus::BuildNonResidentResults() {
    const int months = current::Law::NonResidentBonusMonths;
    QFormLayout *form = NewForm();
    TxtNonResidentAverage = AddResultRow(form, QStringLiteral("TxtNonResidentAverage"),
                                         tr("月均奖金（÷%1）：").arg(months));
    TxtNonResidentRate = AddResultRow(form, QStringLiteral("TxtNonResidentRate"), tr("税率："));
    TxtNonResidentQuickDeduction =
        AddResultRow(form, QStringLiteral("TxtNonResidentQuickDeduction"), tr("速算扣除数："));
    TxtNonResidentMonthlyTax =
        AddResultRow(form, QStringLiteral("TxtNonResidentMonthlyTax"), tr("每月应纳税额："));
    TxtNonResidentTax = AddResultRow(form, QStringLiteral("TxtNonResidentTax"),
                                     tr("应纳税额（×%1）：").arg(months));
    TxtNonResidentAfterTax =
        AddResultRow(form, QStringLiteral("TxtNonResidentAfterTax"), tr("税后奖金："));
    QLabel *rule = GreyNote(
        tr("非居民个人一个月内取得数月奖金：不与当月工资薪金合并，不减除费用，按%1个月分摊，"
           "月均奖金按月度税率表计税，应纳税额 = (奖金 ÷ %1 × 税率 − 速算扣除数) × %1。"
           "一个公历年度内只能这样计税一次；当月工资另按非居民个人的工资薪金计税。")
            .arg(months));
    rule->setObjectName(QStringLiteral("TxtNonResidentRule"));
    Describe(rule, tr("非居民个人数月奖金"));
    NonResidentResults = new QWidget(Client());
    NonResidentResults->setObjectName(QStringLiteral("NonResidentResults"));
    auto *box = new QVBoxLayout(NonResidentResults);
    box->setContentsMargins(0, 0, 0, 0);
    box->addLayout(form);
    box->addWidget(rule);
    return NonResidentResults;
}

QGridLayout *TFrmCurBonus::BuildComparison() {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    LblSeparate = new QLabel(Client());
    LblSeparate->setObjectName(QStringLiteral("LblSeparate"));
    Describe(LblSeparate, sheets::Caption(current::BonusChoice::Separate));
    LblMerged = new QLabel(Client());
    LblMerged->setObjectName(QStringLiteral("LblMerged"));
    Describe(LblMerged, sheets::Caption(current::BonusChoice::Merged));
    // The method's name, longer in English than its amounts, takes a second line.
    for (QLabel *name : {LblSeparate, LblMerged})
        name->setWordWrap(true);
    grid->addWidget(LblSeparate, 0, 1);
    grid->addWidget(LblMerged, 0, 2);
    const QString bracket = tr("税率／速算扣除数：");
    TxtSeparateBracket =
        ResultText(QStringLiteral("TxtSeparateBracket"), tr("单独计税的税率／速算扣除数"));
    TxtMergedBracket =
        ResultText(QStringLiteral("TxtMergedBracket"), tr("并入综合所得的税率／速算扣除数"));
    grid->addWidget(RowCaption(bracket), 1, 0);
    grid->addWidget(TxtSeparateBracket, 1, 1);
    grid->addWidget(TxtMergedBracket, 1, 2);
    grid->addWidget(RowCaption(tr("奖金应纳税额：")), 2, 0);
    TxtSeparateBonusTax =
        ResultCell(grid, 2, 1, QStringLiteral("TxtSeparateBonusTax"), tr("单独计税奖金应纳税额"));
    TxtMergedBonusTax =
        ResultCell(grid, 2, 2, QStringLiteral("TxtMergedBonusTax"), tr("并入综合所得奖金应纳税额"));
    grid->addWidget(RowCaption(tr("全年合计税额：")), 3, 0);
    TxtSeparateTotal =
        ResultCell(grid, 3, 1, QStringLiteral("TxtSeparateTotal"), tr("单独计税全年合计税额"));
    TxtMergedTotal =
        ResultCell(grid, 3, 2, QStringLiteral("TxtMergedTotal"), tr("并入综合所得全年合计税额"));
    // Under the separate method's figures, which it reverses; a cell of its own keeps the
    // columns as narrow as their amounts.
    BtnReverse = TFrmCurReverse::NewButton(Client(), tr("由税后奖金反算税前奖金"));
    grid->addWidget(BtnReverse, 4, 1, Qt::AlignLeft);
    grid->setColumnStretch(3, 1);
    return grid;
}

// The chart and the calculation method share the right-hand side, the chart in front.
QWidget *TFrmCurBonus::BuildChartTabs() {
    TabsRight = new QTabWidget(Client());
    TabsRight->setObjectName(QStringLiteral("TabsRight"));
    auto *chartTab = new QWidget;
    ChartColumn = new QVBoxLayout(chartTab);
    BtnSaveChart = FlowButton(QStringLiteral("BtnSaveChart"), tr("保存图表..."));
    BtnSaveChart->setEnabled(false);
    ChartColumn->addLayout(ButtonRow({BtnSaveChart}));
    TabsRight->addTab(chartTab, tr("税后奖金图表"));

    auto *method = new QVBoxLayout;
    method->addWidget(MethodGroup(QStringLiteral(":/pictures/curbonus_method.png")));
    method->addStretch();
    TabsRight->addTab(ScrollColumn(method, TabsRight, QStringLiteral("ScrollMethod")),
                      tr("计算方法"));
    return TabsRight;
}

// A caption of the comparison, right-aligned like a form's, on two lines where it is long.
QLabel *TFrmCurBonus::RowCaption(const QString &Text) {
    auto *caption = new QLabel(Text, Client());
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setWordWrap(true);
    return caption;
}

QLabel *TFrmCurBonus::ResultText(const QString &Name, const QString &CaptionText) {
    auto *label = new QLabel(Client());
    label->setObjectName(Name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Describe(label, CaptionText);
    return label;
}

// A read-only amount with its copy button, in one cell of the comparison.
QLineEdit *TFrmCurBonus::ResultCell(QGridLayout *Grid, int Row, int Column, const QString &Name,
                                    const QString &Caption) {
    auto *edit = new QLineEdit(Client());
    edit->setObjectName(Name);
    edit->setReadOnly(true);
    edit->setFixedWidth(100);
    Describe(edit, Caption);
    auto *copy = new QPushButton(tr("复制"), Client());
    copy->setObjectName(QStringLiteral("Copy") + Name);
    copy->setAccessibleName(tr("复制%1").arg(edit->accessibleName()));
    // Two amounts and their buttons side by side leave the chart most of the width.
    copy->setFixedWidth(copy->fontMetrics().horizontalAdvance(copy->text()) + 24);
    connect(copy, &QPushButton::clicked, this, [edit] { TUtils::CopyToClipboard(edit->text()); });
    auto *cell = new QHBoxLayout;
    cell->setSpacing(4);
    cell->addWidget(edit);
    cell->addWidget(copy);
    Grid->addLayout(cell, Row, Column);
    return edit;
}

// Only the rows of the chosen way to give the other income are shown; what is typed in the
// others stays for when the user switches back.
void TFrmCurBonus::ModeChanged() {
    const bool resident = RBtnResident->isChecked();
    const bool fromWages = RBtnWages->isChecked();
    FormInputs->setRowVisible(OtherModes, resident);
    FormInputs->setRowVisible(TxtOtherTaxable, resident && !fromWages);
    for (QWidget *row :
         std::initializer_list<QWidget *>{TxtWages, TxtInsurance, TxtDeductions, TxtWagesNote})
        FormInputs->setRowVisible(row, resident && fromWages);
}

// A non-resident's bonus has neither other income to compare with nor a chart of the two methods;
// the results of one residence do not stand for the other.
void TFrmCurBonus::ResidenceChanged() {
    const bool resident = RBtnResident->isChecked();
    ModeChanged();
    ResidentResults->setVisible(resident);
    NonResidentResults->setVisible(!resident);
    TabsRight->setVisible(resident);
    ClearMessages({TxtMsgInput, TxtMsgCliff});
    ClearResults();
}

std::optional<Cents> TFrmCurBonus::ReadOtherTaxable() {
    if (RBtnTaxable->isChecked()) {
        const auto taxable = ReadCents(TxtOtherTaxable);
        if (!taxable)
            ReportInline(TxtMsgInput, tr("全年其他应纳税所得额数据无效，请重新输入。"),
                         TxtOtherTaxable);
        return taxable;
    }
    current::SettlementInput year;
    const struct {
        QLineEdit *Edit;
        Cents *Field;
        QString Name;
        bool Required;
    } fields[] = {{TxtWages, &year.Wages, tr("全年工资薪金收入"), true},
                  {TxtInsurance, &year.Insurance, tr("全年三险一金"), false},
                  {TxtDeductions, &year.Other, tr("全年专项附加扣除等"), false}};
    for (const auto &field : fields) {
        const auto value = field.Required ? ReadCents(field.Edit) : ReadOptionalCents(field.Edit);
        if (!value) {
            ReportInline(TxtMsgInput, tr("%1数据无效，请重新输入。").arg(field.Name), field.Edit);
            return std::nullopt;
        }
        *field.Field = *value;
    }
    // The settlement's income amount less its deductions, before a shortfall is cut to 0: a
    // merged bonus first fills the deductions left unused.
    const current::Settlement settled = current::Settle(year);
    return settled.IncomeAmount - settled.Deductions;
}

void TFrmCurBonus::BtnCalcClick() {
    ClearMessages({TxtMsgInput, TxtMsgCliff});
    const auto bonus = ReadCents(TxtBonus);
    if (!bonus)
        return ReportInline(TxtMsgInput, tr("全年一次性奖金数据无效，请重新输入。"), TxtBonus);
    if (RBtnNonResident->isChecked())
        return CalcNonResident(*bonus);
    const auto other = ReadOtherTaxable();
    if (!other)
        return;

    const current::YearRules &rules = RulesShown();
    const current::BonusComparison result = current::CompareBonus(*bonus, *other, rules);
    TxtOtherUsed->setText(tr("其他综合所得应纳税所得额：%1").arg(AmountYuan(*other)) +
                          (*other < 0 ? tr("（扣除未用完）") : QString()));
    ShowComparison(result, rules);
    ShowVerdicts(result);
    // The chart compares the two methods: a year with one has nothing to draw.
    Curves.reset();
    NoCurves = result.SeparateAllowed ? QString() : LawText::NoSeparateBonus(rules);
    if (result.SeparateAllowed)
        Curves = ChartCurves(*bonus, *other);
    ShowChart();
    FocusAndSelect(TxtBonus);
}

void TFrmCurBonus::CalcNonResident(Cents Bonus) {
    const current::NonResidentBonus b = current::TaxNonResidentBonus(Bonus);
    ShowResult(TxtNonResidentAverage, Amount(b.Average));
    ShowResult(TxtNonResidentRate, RatePercent(b.Rate));
    ShowResult(TxtNonResidentQuickDeduction, Amount(b.QuickDeduction));
    ShowResult(TxtNonResidentMonthlyTax, Amount(b.MonthlyTax));
    ShowResult(TxtNonResidentTax, Amount(b.Tax));
    ShowResult(TxtNonResidentAfterTax, Amount(b.AfterTax));
    FocusAndSelect(TxtBonus);
}

// What every bonus from 0 to a little past this one keeps under each method, in yuan.
TBonusCurves TFrmCurBonus::ChartCurves(Cents Bonus, Cents OtherTaxable) {
    const auto yuan = [](Cents Amount) { return qreal(Amount) / 100; };
    TBonusCurves curves;
    for (const BonusCurve::Point &point :
         BonusCurve::Sample(BonusCurve::End(Bonus), OtherTaxable)) {
        curves.Separate.append({yuan(point.Bonus), yuan(point.SeparateKept)});
        curves.Merged.append({yuan(point.Bonus), yuan(point.MergedKept)});
    }
    const BonusCurve::Point entered = BonusCurve::At(Bonus, OtherTaxable);
    curves.SeparateMark = {yuan(Bonus), yuan(entered.SeparateKept)};
    curves.MergedMark = {yuan(Bonus), yuan(entered.MergedKept)};
    curves.Title = tr("税后奖金对比（其他综合所得应纳税所得额%1元）").arg(Amount(OtherTaxable));
    return curves;
}

void TFrmCurBonus::showEvent(QShowEvent *Event) {
    TCurrentPage::showEvent(Event);
    if (!ChartLoaded)
        CreateChart();
}

// The chart module is loaded, and the chart made, only when the page is first shown.
void TFrmCurBonus::CreateChart() {
    ChartLoaded = true;
    QWidget *tab = TabsRight->widget(0);
    Chart = CreateBonusChart(tab);
    if (Chart) {
        ChartColumn->insertWidget(0, Chart->Widget(), 1);
    } else {
        QLabel *missing = GreyNote(tr("图表组件（pendra_chart）未能加载，无法显示图表；"
                                      "计算结果不受影响。"));
        missing->setObjectName(QStringLiteral("TxtChartMissing"));
        Describe(missing, tr("税后奖金图表"));
        ChartColumn->insertWidget(0, missing, 1, Qt::AlignCenter);
    }
    ShowChart();
}

void TFrmCurBonus::ShowChart() {
    BtnSaveChart->setEnabled(Chart && Curves);
    if (!Chart)
        return;
    if (Curves)
        Chart->Draw(*Curves);
    else if (!NoCurves.isEmpty())
        Chart->Clear(NoCurves);
    else
        Chart->Clear(tr("税后奖金对比（计算后绘制）"));
}

const current::YearRules &TFrmCurBonus::RulesShown() const {
    const TOpenYear &open = TOpenYear::Instance();
    const current::YearRules *year =
        YearLink->Following() && open.IsOpen() ? current::RulesInUse(open.Facts().Year) : nullptr;
    return year ? *year : current::LatestRulesInUse();
}

void TFrmCurBonus::ShowComparison(const current::BonusComparison &Result,
                                  const current::YearRules &Rules) {
    const QString bracket = QStringLiteral("%1／%2");
    BtnReverse->setEnabled(Result.SeparateAllowed);
    if (!Result.SeparateAllowed) {
        // The year's law has the merged method only: nothing to set beside it.
        TxtSeparateBracket->setText(tr("不适用"));
        TxtSeparateBonusTax->clear();
        TxtSeparateTotal->clear();
        TxtMergedBracket->setText(
            bracket.arg(RatePercent(Result.Merged.Rate), AmountYuan(Result.Merged.QuickDeduction)));
        ShowResult(TxtMergedBonusTax, Amount(Result.Merged.BonusTax));
        ShowResult(TxtMergedTotal, Amount(Result.Merged.Total));
        LblSeparate->setText(tr("单独计税（不适用）"));
        LblMerged->setText(sheets::Caption(current::BonusChoice::Merged));
        TxtBetter->setText(LawText::NoSeparateBonus(Rules) + tr("。"));
        return;
    }
    TxtSeparateBracket->setText(
        bracket.arg(RatePercent(Result.Separate.Rate), AmountYuan(Result.Separate.QuickDeduction)));
    ShowResult(TxtSeparateBonusTax, Amount(Result.Separate.BonusTax));
    ShowResult(TxtSeparateTotal, Amount(Result.Separate.Total));
    TxtMergedBracket->setText(
        bracket.arg(RatePercent(Result.Merged.Rate), AmountYuan(Result.Merged.QuickDeduction)));
    ShowResult(TxtMergedBonusTax, Amount(Result.Merged.BonusTax));
    ShowResult(TxtMergedTotal, Amount(Result.Merged.Total));

    const bool separate = Result.Better == current::BetterMethod::Separate;
    const bool merged = Result.Better == current::BetterMethod::Merged;
    LblSeparate->setText(separate ? tr("单独计税（较优）")
                                  : sheets::Caption(current::BonusChoice::Separate));
    LblMerged->setText(merged ? tr("并入综合所得（较优）")
                              : sheets::Caption(current::BonusChoice::Merged));
    if (separate)
        TxtBetter->setText(
            tr("单独计税较优，比并入综合所得少缴税%1").arg(AmountYuan(Result.Saving)));
    else if (merged)
        TxtBetter->setText(
            tr("并入综合所得较优，比单独计税少缴税%1").arg(AmountYuan(Result.Saving)));
    else
        TxtBetter->setText(tr("两种方式税额相同"));
}

void TFrmCurBonus::ShowVerdicts(const current::BonusComparison &Result) {
    if (Result.Cliff)
        TxtMsgCliff->setText(tr("奖金落在%1至%2元之间：少发到%1元，税后反而多得%3元")
                                 .arg(Amount(Result.Cliff->From), Amount(Result.Cliff->To),
                                      Amount(Result.Cliff->Loss)));
    const current::BonusSplit &split = Result.BestSplit;
    if (!Result.SeparateAllowed)
        return TxtSplit->clear();
    // A split no better than the bonus as it stands (the engine's candidates can come out a
    // cent worse by rounding) is not worth a change of payroll.
    if (split.Saving > 0)
        TxtSplit->setText(
            tr("最优拆分：奖金%1元、其余并入工资，合计税额%2，比较优方式少缴%3")
                .arg(Amount(split.Bonus), AmountYuan(split.Total), AmountYuan(split.Saving)));
    else
        TxtSplit->setText(
            tr("最优拆分：按较优方式计税已是最低税额，调整奖金与工资的拆分不能再少缴税"));
}

void TFrmCurBonus::ClearResults() {
    for (QLineEdit *edit :
         {TxtSeparateBonusTax, TxtMergedBonusTax, TxtSeparateTotal, TxtMergedTotal,
          TxtNonResidentAverage, TxtNonResidentRate, TxtNonResidentQuickDeduction,
          TxtNonResidentMonthlyTax, TxtNonResidentTax, TxtNonResidentAfterTax})
        edit->clear();
    for (QLabel *label : {TxtOtherUsed, TxtSeparateBracket, TxtMergedBracket, TxtBetter, TxtSplit})
        label->clear();
    LblSeparate->setText(sheets::Caption(current::BonusChoice::Separate));
    LblMerged->setText(sheets::Caption(current::BonusChoice::Merged));
    Curves.reset();
    NoCurves.clear();
    BtnReverse->setEnabled(true);
    ShowChart();
}

void TFrmCurBonus::BtnResetClick() {
    YearLink->Leave();
    for (QLineEdit *edit : {TxtBonus, TxtOtherTaxable, TxtWages, TxtInsurance, TxtDeductions})
        edit->clear();
    RBtnTaxable->setChecked(true);
    RBtnResident->setChecked(true);
    ClearMessages({TxtMsgInput, TxtMsgCliff});
    ClearResults();
    TxtBonus->setFocus(Qt::OtherFocusReason);
}

// The year's figures from the wage page: the income that counts is the wages less what is tax
// free, and the special additional and other deductions go together.
void TFrmCurBonus::BtnFromWageClick() {
    const auto year = KeptWage::Year(TxtMsgInput);
    if (!year)
        return;
    RBtnWages->setChecked(true);
    ShowResult(TxtWages, Amount(year->Income - year->Exempt));
    ShowResult(TxtInsurance, Amount(year->Insurance));
    ShowResult(TxtDeductions, Amount(year->Special + year->Other));
    FocusAndSelect(TxtBonus);
}

void TFrmCurBonus::BtnSaveChartClick() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString path = QFileDialog::getSaveFileName(this, tr("保存图表"),
                                                QDir(folder).filePath(tr("年终奖税后对比.png")),
                                                tr("PNG 图片 (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    if (Chart && !Chart->SavePng(path))
        MsgBox::Show(
            this, tr("图表未能保存到%1，请换一个位置再试。").arg(QDir::toNativeSeparators(path)));
}

// The other income goes along when it is typed as it is; worked out from wages it is left for
// the dialog's user, as it changes only the tax beside the bonus.
void TFrmCurBonus::BtnReverseClick() {
    TFrmCurReverse::Start start;
    if (RBtnTaxable->isChecked())
        start.OtherTaxable = TxtOtherTaxable->text();
    TFrmCurReverse dialog(TFrmCurReverse::Subject::Bonus, start, this);
    dialog.exec();
}
