#include "pages/UFrmCurSeverance.h"

#include "engine/current/Rules.h"
#include "engine/current/Severance.h"
#include "pages/UScrollColumn.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCurSeverance::TFrmCurSeverance(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    QLayout *inputs = BuildInputs();
    QLayout *results = BuildResults();
    QWidget *method = MethodGroup(QStringLiteral(":/pictures/curseverance_method.png"));
    Body()->addLayout(InputsBesideMethod(inputs, results, method, Client()), 1);

    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtAverageWage, BtnCalc, BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurSeverance::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurSeverance::BtnResetClick);
    for (QLineEdit *edit : {TxtIncome, TxtAverageWage})
        OnEnter(edit, [this] { BtnCalcClick(); });
}

QLayout *TFrmCurSeverance::BuildInputs() {
    QFormLayout *form = NewForm();
    TxtIncome = AddInputRow(form, QStringLiteral("TxtIncome"), tr("一次性补偿收入："));
    TxtAverageWage =
        AddInputRow(form, QStringLiteral("TxtAverageWage"), tr("当地上年职工平均工资："));
    form->addRow(GreyNote(tr("上年职工平均工资指全年工资，由各地（市）统计部门每年公布，"
                             "以用人单位所在地公布的数字为准。")));
    return InputColumn(form, tr("输入"));
}

QLayout *TFrmCurSeverance::BuildResults() {
    QFormLayout *form = NewForm();
    TxtExempt = AddResultRow(form, QStringLiteral("TxtExempt"), tr("免税部分："));
    TxtTaxable = AddResultRow(form, QStringLiteral("TxtTaxable"), tr("应纳税部分："));
    TxtRate = AddResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtQuickDeduction = AddResultRow(form, QStringLiteral("TxtQuickDeduction"), tr("速算扣除数："));
    TxtTax = AddResultRow(form, QStringLiteral("TxtTax"), tr("应纳税额："));
    TxtAfterTax = AddResultRow(form, QStringLiteral("TxtAfterTax"), tr("税后收入："));
    auto *box = new QVBoxLayout;
    box->addLayout(form);
    box->addWidget(GreyNote(tr("超过%1倍的部分不并入当年综合所得，单独按年度税率表计税。")
                                .arg(current::Law::TaxFreeYears)));
    return box;
}

void TFrmCurSeverance::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto income = ReadCents(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgInput, tr("一次性补偿收入数据无效，请重新输入。"), TxtIncome);
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

void TFrmCurSeverance::BtnResetClick() {
    ClearMessages({TxtMsgInput});
    for (QLineEdit *edit : {TxtIncome, TxtAverageWage, TxtExempt, TxtTaxable, TxtRate,
                            TxtQuickDeduction, TxtTax, TxtAfterTax})
        edit->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
