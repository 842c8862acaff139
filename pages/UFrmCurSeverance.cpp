#include "pages/UFrmCurSeverance.h"

#include "engine/current/Rules.h"
#include "engine/current/Severance.h"
#include "pages/UScrollColumn.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmCurSeverance::TFrmCurSeverance(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    QLayout *inputs = BuildInputs();
    QLayout *results = BuildResults();
    QGroupBox *method = MethodGroup(QStringLiteral(":/pictures/curseverance_method.png"));
    AddEarlyRetirementMethod(method);
    Body()->addLayout(InputsBesideMethod(inputs, results, method, Client()), 1);

    SetFirstInput(TxtIncome);
    SetTabOrder({RBtnContract, RBtnEarlyRetirement, TxtIncome, TxtAverageWage, TxtYears, BtnCalc,
                 BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurSeverance::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurSeverance::BtnResetClick);
    connect(RBtnEarlyRetirement, &QRadioButton::toggled, this, &TFrmCurSeverance::KindChanged);
    for (QLineEdit *edit : {TxtIncome, TxtAverageWage, TxtYears})
        OnEnter(edit, [this] { BtnCalcClick(); });
    KindChanged();
}

QRadioButton *TFrmCurSeverance::KindChoice(const QString &Name, const QString &Text) {
    auto *radio = new QRadioButton(Text, Client());
    radio->setObjectName(Name);
    Describe(radio, Text);
    return radio;
}

QLayout *TFrmCurSeverance::BuildInputs() {
    QFormLayout *form = FormInputs = NewForm();
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    RBtnContract = KindChoice(QStringLiteral("RBtnContract"), tr("解除劳动合同"));
    RBtnContract->setChecked(true);
    RBtnEarlyRetirement =
        KindChoice(QStringLiteral("RBtnEarlyRetirement"), tr("提前退休一次性补贴"));
    auto *kinds = new QHBoxLayout;
    auto *group = new QButtonGroup(this);
    for (QRadioButton *radio : {RBtnContract, RBtnEarlyRetirement}) {
        group->addButton(radio);
        kinds->addWidget(radio);
    }
    kinds->addStretch();
    form->addRow(tr("收入类型："), kinds);
    TxtIncome = AddInputRow(form, QStringLiteral("TxtIncome"), tr("一次性补偿收入："));
    TxtAverageWage =
        AddInputRow(form, QStringLiteral("TxtAverageWage"), tr("当地上年职工平均工资："));
    form->addRow(NoteAverageWage =
                     GreyNote(tr("上年职工平均工资指全年工资，由各地（市）统计部门每年公布，"
                                 "以用人单位所在地公布的数字为准。")));
    TxtYears = AddInputRow(form, QStringLiteral("TxtYears"), tr("至法定退休年龄年数："));
    const current::Date decision = current::Law::RetirementAgeDecision;
    NoteYears = GreyNote(
        tr("办理提前退休手续至法定退休年龄的实际年数，可带两位小数（如2.5）。法定退休年龄自%1年"
           "起逐步提高（全国人大常委会%2年%3月%4日决定），请按本人适用的法定退休年龄自行计算。")
            .arg(current::Law::RetirementAgeRisesFrom)
            .arg(decision.Year)
            .arg(decision.Month)
            .arg(decision.Day));
    form->addRow(NoteYears);
    return InputColumn(form, tr("输入"));
}

QLayout *TFrmCurSeverance::BuildResults() {
    QFormLayout *form = FormResults = NewForm();
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    TxtExempt = AddResultRow(form, QStringLiteral("TxtExempt"), tr("免税部分："));
    TxtTaxable = AddResultRow(form, QStringLiteral("TxtTaxable"), tr("应纳税部分："));
    TxtPerYear = AddResultRow(form, QStringLiteral("TxtPerYear"), tr("每年分摊额："));
    TxtTaxablePerYear =
        AddResultRow(form, QStringLiteral("TxtTaxablePerYear"), tr("每年应纳税所得额："));
    TxtRate = AddResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtQuickDeduction = AddResultRow(form, QStringLiteral("TxtQuickDeduction"), tr("速算扣除数："));
    TxtTaxPerYear = AddResultRow(form, QStringLiteral("TxtTaxPerYear"), tr("每年应纳税额："));
    TxtTax = AddResultRow(form, QStringLiteral("TxtTax"), tr("应纳税额："));
    TxtAfterTax = AddResultRow(form, QStringLiteral("TxtAfterTax"), tr("税后收入："));
    auto *box = new QVBoxLayout;
    box->addLayout(form);
    box->addWidget(NoteContract =
                       GreyNote(tr("超过%1倍的部分不并入当年综合所得，单独按年度税率表计税。")
                                    .arg(current::Law::TaxFreeYears)));
    NoteEarlyRetirement =
        GreyNote(tr("提前退休一次性补贴不并入当年综合所得：按年数平均分摊，每年减除%1元后单独按"
                    "年度税率表计税。")
                     .arg(LawAmount(current::LatestRules().BasicAnnual)));
    box->addWidget(NoteEarlyRetirement);
    return box;
}

// The picture shows the method of ending a contract; the lump sum for early retirement has its
// own, in words, with the engine's own figures for the example.
void TFrmCurSeverance::AddEarlyRetirementMethod(QGroupBox *Method) {
    ImgMethod = Method->findChild<QLabel *>(QStringLiteral("ImgMethod"));
    const current::Cents example = current::Yuan(500000);
    const std::int64_t years = 400;
    const current::EarlyRetirement e = current::TaxEarlyRetirement(example, years);
    const QString deduction = LawAmount(current::LatestRules().BasicAnnual);
    TxtEarlyMethod =
        GreyNote(tr("每年分摊额 = 一次性补贴 ÷ 至法定退休年龄年数\n"
                    "每年应纳税额 = (每年分摊额 − %1) × 税率 − 速算扣除数\n"
                    "应纳税额 = 每年应纳税额 × 年数\n"
                    "税率和速算扣除数按每年应纳税所得额查综合所得年度税率表。\n\n"
                    "例：补贴%2元、%3年：(%4 − %1) × %5 − %6 = %7元，× %3 = %8元")
                     .arg(deduction, LawAmount(example), LawAmount(years), LawAmount(e.PerYear),
                          RatePercent(e.Rate), LawAmount(e.QuickDeduction), LawAmount(e.TaxPerYear),
                          LawAmount(e.Tax)));
    TxtEarlyMethod->setObjectName(QStringLiteral("TxtEarlyMethod"));
    TxtEarlyMethod->setStyleSheet(QString());
    Describe(TxtEarlyMethod, tr("提前退休一次性补贴计算方法"));
    // As wide as the picture it stands for, so that the inputs keep their room.
    TxtEarlyMethod->setMaximumWidth(ImgMethod->sizeHint().width());
    Method->layout()->addWidget(TxtEarlyMethod);
}

// Only the inputs, results and method of the chosen kind are shown; what is typed in the others
// stays for when the user switches back, but results of the other kind go.
void TFrmCurSeverance::KindChanged() {
    const bool early = RBtnEarlyRetirement->isChecked();
    for (QWidget *row : std::initializer_list<QWidget *>{TxtAverageWage, NoteAverageWage})
        ShowRow(FormInputs, row, !early);
    for (QWidget *row : std::initializer_list<QWidget *>{TxtYears, NoteYears})
        ShowRow(FormInputs, row, early);
    for (QLineEdit *row : {TxtExempt, TxtTaxable})
        ShowRow(FormResults, row, !early);
    for (QLineEdit *row : {TxtPerYear, TxtTaxablePerYear, TxtTaxPerYear})
        ShowRow(FormResults, row, early);
    NoteContract->setVisible(!early);
    NoteEarlyRetirement->setVisible(early);
    ImgMethod->setVisible(!early);
    TxtEarlyMethod->setVisible(early);
    auto *caption = qobject_cast<QLabel *>(FormInputs->labelForField(TxtIncome));
    caption->setText(early ? tr("一次性补贴收入：") : tr("一次性补偿收入："));
    Describe(TxtIncome, caption->text());
    ClearMessages({TxtMsgInput});
    ClearResults();
}

void TFrmCurSeverance::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto income = ReadCents(TxtIncome);
    if (!income && RBtnEarlyRetirement->isChecked())
        return ReportInline(TxtMsgInput, tr("一次性补贴收入数据无效，请重新输入。"), TxtIncome);
    if (!income)
        return ReportInline(TxtMsgInput, tr("一次性补偿收入数据无效，请重新输入。"), TxtIncome);
    if (RBtnEarlyRetirement->isChecked())
        return CalcEarlyRetirement(*income);
    const auto averageWage = ReadCents(TxtAverageWage);
    if (!averageWage)
        return ReportInline(TxtMsgInput, tr("当地上年职工平均工资数据无效，请重新输入。"),
                            TxtAverageWage);

    const current::Severance s = current::TaxSeverance(*income, *averageWage);
    ShowResult(TxtExempt, Amount(s.Exempt));
    ShowResult(TxtTaxable, Amount(s.Taxable));
    ShowResult(TxtRate, RatePercent(s.Rate));
    ShowResult(TxtQuickDeduction, Amount(s.QuickDeduction));
    ShowResult(TxtTax, Amount(s.Tax));
    ShowResult(TxtAfterTax, Amount(s.AfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmCurSeverance::CalcEarlyRetirement(current::Cents Income) {
    const auto years = current::ParseYearsHundredths(TxtYears->text().toStdString());
    if (!years)
        return ReportInline(TxtMsgInput,
                            tr("至法定退休年龄年数应大于0、不超过%1，最多两位小数，请重新输入。")
                                .arg(current::MaxYearsHundredths / 100),
                            TxtYears);
    const current::EarlyRetirement e = current::TaxEarlyRetirement(Income, *years);
    ShowResult(TxtPerYear, Amount(e.PerYear));
    ShowResult(TxtTaxablePerYear, Amount(e.TaxablePerYear));
    ShowResult(TxtRate, RatePercent(e.Rate));
    ShowResult(TxtQuickDeduction, Amount(e.QuickDeduction));
    ShowResult(TxtTaxPerYear, Amount(e.TaxPerYear));
    ShowResult(TxtTax, Amount(e.Tax));
    ShowResult(TxtAfterTax, Amount(e.AfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmCurSeverance::ClearResults() {
    for (QLineEdit *edit : {TxtExempt, TxtTaxable, TxtPerYear, TxtTaxablePerYear, TxtRate,
                            TxtQuickDeduction, TxtTaxPerYear, TxtTax, TxtAfterTax})
        edit->clear();
}

void TFrmCurSeverance::BtnResetClick() {
    ClearMessages({TxtMsgInput});
    for (QLineEdit *edit : {TxtIncome, TxtAverageWage, TxtYears})
        edit->clear();
    RBtnContract->setChecked(true);
    ClearResults();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
