#include "pages/UFrmCurSeverance.h"

#include "common/UScrollColumn.h"
#include "engine/current/Rules.h"
#include "engine/current/Severance.h"

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
    AddInternalRetirementMethod(method);
    Body()->addLayout(InputsBesideMethod(inputs, results, method, Client()), 1);

    SetFirstInput(TxtIncome);
    SetTabOrder({RBtnContract, RBtnEarlyRetirement, RBtnInternalRetirement, TxtIncome,
                 TxtAverageWage, TxtYears, TxtMonths, TxtWage, BtnCalc, BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurSeverance::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurSeverance::BtnResetClick);
    connect(RBtnEarlyRetirement, &QRadioButton::toggled, this, &TFrmCurSeverance::KindChanged);
    connect(RBtnInternalRetirement, &QRadioButton::toggled, this, &TFrmCurSeverance::KindChanged);
    for (QLineEdit *edit : {TxtIncome, TxtAverageWage, TxtYears, TxtMonths, TxtWage})
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
    RBtnInternalRetirement =
        KindChoice(QStringLiteral("RBtnInternalRetirement"), tr("内部退养一次性收入"));
    // One under another: three kinds side by side are wider than the smallest window in English.
    auto *kinds = new QVBoxLayout;
    auto *group = new QButtonGroup(this);
    for (QRadioButton *radio : {RBtnContract, RBtnEarlyRetirement, RBtnInternalRetirement}) {
        group->addButton(radio);
        kinds->addWidget(radio);
    }
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
    TxtMonths = AddInputRow(form, QStringLiteral("TxtMonths"), tr("至法定退休年龄月数："));
    TxtWage = AddInputRow(form, QStringLiteral("TxtWage"), tr("领取当月的工资："));
    NoteMonths = GreyNote(tr("办理内部退养手续后至法定退休年龄的月数（整数）；当月工资为领取一次性"
                             "收入当月的工资薪金。"));
    form->addRow(NoteMonths);
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
    TxtAverage = AddResultRow(form, QStringLiteral("TxtAverage"), tr("每月平均额："));
    TxtRate = AddResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtQuickDeduction = AddResultRow(form, QStringLiteral("TxtQuickDeduction"), tr("速算扣除数："));
    TxtTaxPerYear = AddResultRow(form, QStringLiteral("TxtTaxPerYear"), tr("每年应纳税额："));
    TxtTax = AddResultRow(form, QStringLiteral("TxtTax"), tr("应纳税额："));
    TxtWageTax = AddResultRow(form, QStringLiteral("TxtWageTax"), tr("当月工资单独的税额："));
    TxtAdded = AddResultRow(form, QStringLiteral("TxtAdded"), tr("一次性收入增加的税额："));
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
    NoteInternal = GreyNote(
        tr("内部退养一次性收入不单独计税：与领取当月的工资合并，按月度税率表计算当月税额。"));
    box->addWidget(NoteInternal);
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

// The method of internal retirement in words, with the engine's figures for the example.
void TFrmCurSeverance::AddInternalRetirementMethod(QGroupBox *Method) {
    const current::InternalRetirement r =
        current::TaxInternalRetirement(current::Yuan(120000), 24, current::Yuan(6000));
    const QString basic = LawAmount(current::LatestRules().BasicMonthly);
    TxtInternalMethod = GreyNote(
        tr("每月平均额 = 一次性收入 ÷ 至法定退休年龄月数\n"
           "按 每月平均额 + 当月工资 − %1 查月度税率表，得税率和速算扣除数\n"
           "当月应纳税额 = (当月工资 + 一次性收入 − %1) × 税率 − 速算扣除数\n\n"
           "例：一次性收入%2元、%3个月、当月工资%4元：%5 + %4 − %1 = %6，税率%7；"
           "(%4 + %2 − %1) × %7 − %8 = %9元，其中当月工资单独的税额%10元")
            .arg(basic, LawAmount(r.Amount))
            .arg(r.Months)
            .arg(LawAmount(r.Wage), LawAmount(r.Average), LawAmount(r.Base), RatePercent(r.Rate),
                 LawAmount(r.QuickDeduction), LawAmount(r.Tax), LawAmount(r.WageTax)));
    TxtInternalMethod->setObjectName(QStringLiteral("TxtInternalMethod"));
    TxtInternalMethod->setStyleSheet(QString());
    Describe(TxtInternalMethod, tr("内部退养一次性收入计算方法"));
    TxtInternalMethod->setMaximumWidth(ImgMethod->sizeHint().width());
    Method->layout()->addWidget(TxtInternalMethod);
}

// Only the inputs, results and method of the chosen kind are shown; what is typed in the others
// stays for when the user switches back, but results of the other kind go.
void TFrmCurSeverance::KindChanged() {
    const bool early = RBtnEarlyRetirement->isChecked();
    const bool internal = RBtnInternalRetirement->isChecked();
    const bool contract = !early && !internal;
    for (QWidget *row : std::initializer_list<QWidget *>{TxtAverageWage, NoteAverageWage})
        ShowRow(FormInputs, row, contract);
    for (QWidget *row : std::initializer_list<QWidget *>{TxtYears, NoteYears})
        ShowRow(FormInputs, row, early);
    for (QWidget *row : std::initializer_list<QWidget *>{TxtMonths, TxtWage, NoteMonths})
        ShowRow(FormInputs, row, internal);
    for (QLineEdit *row : {TxtExempt, TxtTaxable})
        ShowRow(FormResults, row, contract);
    for (QLineEdit *row : {TxtPerYear, TxtTaxablePerYear, TxtTaxPerYear})
        ShowRow(FormResults, row, early);
    for (QLineEdit *row : {TxtAverage, TxtWageTax, TxtAdded})
        ShowRow(FormResults, row, internal);
    NoteContract->setVisible(contract);
    NoteEarlyRetirement->setVisible(early);
    NoteInternal->setVisible(internal);
    ImgMethod->setVisible(contract);
    TxtEarlyMethod->setVisible(early);
    TxtInternalMethod->setVisible(internal);
    auto *caption = qobject_cast<QLabel *>(FormInputs->labelForField(TxtIncome));
    caption->setText(early      ? tr("一次性补贴收入：")
                     : internal ? tr("内部退养一次性收入：")
                                : tr("一次性补偿收入："));
    Describe(TxtIncome, caption->text());
    ClearMessages({TxtMsgInput});
    ClearResults();
}

void TFrmCurSeverance::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto income = ReadCents(TxtIncome);
    if (!income && RBtnEarlyRetirement->isChecked())
        return ReportInline(TxtMsgInput, tr("一次性补贴收入数据无效，请重新输入。"), TxtIncome);
    if (!income && RBtnInternalRetirement->isChecked())
        return ReportInline(TxtMsgInput, tr("内部退养一次性收入数据无效，请重新输入。"), TxtIncome);
    if (!income)
        return ReportInline(TxtMsgInput, tr("一次性补偿收入数据无效，请重新输入。"), TxtIncome);
    if (RBtnEarlyRetirement->isChecked())
        return CalcEarlyRetirement(*income);
    if (RBtnInternalRetirement->isChecked())
        return CalcInternalRetirement(*income);
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

void TFrmCurSeverance::CalcInternalRetirement(current::Cents Income) {
    bool whole = false;
    const int months = TxtMonths->text().trimmed().toInt(&whole);
    if (!whole || months < 1 || months > current::Law::MaxRetirementMonths)
        return ReportInline(TxtMsgInput,
                            tr("至法定退休年龄月数应为1到%1的整数，请重新输入。")
                                .arg(current::Law::MaxRetirementMonths),
                            TxtMonths);
    const auto wage = ReadCents(TxtWage);
    if (!wage)
        return ReportInline(TxtMsgInput, tr("领取当月的工资数据无效，请重新输入。"), TxtWage);
    const current::InternalRetirement r = current::TaxInternalRetirement(Income, months, *wage);
    ShowResult(TxtAverage, Amount(r.Average));
    ShowResult(TxtRate, RatePercent(r.Rate));
    ShowResult(TxtQuickDeduction, Amount(r.QuickDeduction));
    ShowResult(TxtTax, Amount(r.Tax));
    ShowResult(TxtWageTax, Amount(r.WageTax));
    ShowResult(TxtAdded, Amount(r.Added));
    ShowResult(TxtAfterTax, Amount(r.AfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmCurSeverance::ClearResults() {
    for (QLineEdit *edit :
         {TxtExempt, TxtTaxable, TxtPerYear, TxtTaxablePerYear, TxtAverage, TxtRate,
          TxtQuickDeduction, TxtTaxPerYear, TxtTax, TxtWageTax, TxtAdded, TxtAfterTax})
        edit->clear();
}

void TFrmCurSeverance::BtnResetClick() {
    ClearMessages({TxtMsgInput});
    for (QLineEdit *edit : {TxtIncome, TxtAverageWage, TxtYears, TxtMonths, TxtWage})
        edit->clear();
    RBtnContract->setChecked(true);
    ClearResults();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
