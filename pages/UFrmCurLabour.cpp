#include "pages/UFrmCurLabour.h"

#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"
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

using current::RemunerationKind;

TFrmCurLabour::TFrmCurLabour(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    QLayout *inputs = BuildInputs();
    QLayout *results = BuildResults();
    QWidget *method = MethodGroup(QStringLiteral(":/pictures/curlabour_method.png"));
    Body()->addLayout(InputsBesideMethod(inputs, results, method, Client()), 1);

    SetFirstInput(TxtIncome);
    SetTabOrder({RBtnLabour, RBtnAuthor, RBtnRoyalty, TxtIncome, RBtnResident, RBtnNonResident,
                 BtnCalc, BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurLabour::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurLabour::BtnResetClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    ClearPage();
}

QRadioButton *TFrmCurLabour::Choice(QButtonGroup *Group, QHBoxLayout *Row, const QString &Name,
                                    const QString &Text) {
    auto *radio = new QRadioButton(Text, Client());
    radio->setObjectName(Name);
    Describe(radio, Text);
    Group->addButton(radio);
    Row->addWidget(radio);
    return radio;
}

QLayout *TFrmCurLabour::BuildInputs() {
    QFormLayout *form = NewForm();
    auto *kinds = new QHBoxLayout;
    auto *kindGroup = new QButtonGroup(this);
    RBtnLabour = Choice(kindGroup, kinds, QStringLiteral("RBtnLabour"), tr("劳务报酬"));
    RBtnAuthor = Choice(kindGroup, kinds, QStringLiteral("RBtnAuthor"), tr("稿酬"));
    RBtnRoyalty = Choice(kindGroup, kinds, QStringLiteral("RBtnRoyalty"), tr("特许权使用费"));
    kinds->addStretch();
    form->addRow(tr("所得项目："), kinds);
    TxtIncome = AddInputRow(form, QStringLiteral("TxtIncome"), tr("每次收入："));
    auto *residence = new QHBoxLayout;
    auto *residenceGroup = new QButtonGroup(this);
    RBtnResident =
        Choice(residenceGroup, residence, QStringLiteral("RBtnResident"), tr("居民个人"));
    RBtnNonResident =
        Choice(residenceGroup, residence, QStringLiteral("RBtnNonResident"), tr("非居民个人"));
    residence->addStretch();
    form->addRow(tr("纳税人身份："), residence);

    return InputColumn(form, tr("每次收入"));
}

QLayout *TFrmCurLabour::BuildResults() {
    QFormLayout *form = NewForm();
    TxtDeduction = AddResultRow(form, QStringLiteral("TxtDeduction"), tr("减除费用："));
    TxtTaxable = AddResultRow(form, QStringLiteral("TxtTaxable"), tr("应纳税所得额："));
    TxtRate = AddResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtQuickDeduction = AddResultRow(form, QStringLiteral("TxtQuickDeduction"), tr("速算扣除数："));
    TxtTax = AddResultRow(form, QStringLiteral("TxtTax"), tr("应纳税额："));
    TxtAfterTax = AddResultRow(form, QStringLiteral("TxtAfterTax"), tr("税后收入："));
    auto *box = new QVBoxLayout;
    box->addLayout(form);
    TxtSettlement = GreyNote(QString());
    TxtSettlement->setObjectName(QStringLiteral("TxtSettlement"));
    Describe(TxtSettlement, tr("年度汇算"));
    box->addWidget(TxtSettlement);
    return box;
}

RemunerationKind TFrmCurLabour::Kind() const {
    if (RBtnAuthor->isChecked())
        return RemunerationKind::Author;
    return RBtnRoyalty->isChecked() ? RemunerationKind::Royalty : RemunerationKind::Labour;
}

// A resident's payment is withheld now and counted again in the year's comprehensive income, by
// the income amount of the settlement.
QString TFrmCurLabour::SettlementNote(const current::Remuneration &Result) const {
    if (RBtnNonResident->isChecked())
        return tr("非居民个人：按次由支付方代扣代缴，税款即为最终税负，不办理年度汇算。");
    current::SettlementInput year;
    int share = current::Law::IncomeShare;
    switch (Kind()) {
    case RemunerationKind::Labour:
        year.Labour = Result.Income;
        break;
    case RemunerationKind::Author:
        year.Author = Result.Income;
        share = current::Law::AuthorIncomeShare;
        break;
    case RemunerationKind::Royalty:
        year.Royalty = Result.Income;
        break;
    }
    return tr("年度汇算：这笔收入按%1%计入综合所得，收入额为%2，与工资薪金等合并按年度税率表"
              "计税；已预扣的%3税款多退少补。")
        .arg(QString::number(share), AmountYuan(current::Settle(year).IncomeAmount),
             AmountYuan(Result.Tax));
}

void TFrmCurLabour::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto income = ReadCents(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgInput, tr("每次收入数据无效，请重新输入。"), TxtIncome);

    const current::Remuneration r =
        current::WithholdRemuneration(*income, Kind(), RBtnNonResident->isChecked());
    ShowResult(TxtDeduction, Amount(r.Deduction));
    ShowResult(TxtTaxable, Amount(r.Taxable));
    ShowResult(TxtRate, RatePercent(r.Rate));
    ShowResult(TxtQuickDeduction, Amount(r.QuickDeduction));
    ShowResult(TxtTax, Amount(r.Tax));
    ShowResult(TxtAfterTax, Amount(r.AfterTax));
    TxtSettlement->setText(SettlementNote(r));
    FocusAndSelect(TxtIncome);
}

void TFrmCurLabour::BtnResetClick() {
    ClearPage();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}

void TFrmCurLabour::ClearPage() {
    ClearMessages({TxtMsgInput});
    TxtIncome->clear();
    RBtnLabour->setChecked(true);
    RBtnResident->setChecked(true);
    for (QLineEdit *edit :
         {TxtDeduction, TxtTaxable, TxtRate, TxtQuickDeduction, TxtTax, TxtAfterTax})
        edit->clear();
    TxtSettlement->setText(tr("年度汇算：居民个人的劳务报酬、特许权使用费按收入的%1%、稿酬按收入的"
                              "%2%计入综合所得，与工资薪金等合并计税，预扣的税款多退少补。")
                               .arg(current::Law::IncomeShare)
                               .arg(current::Law::AuthorIncomeShare));
}
