#include "pages/UFrmSalaryOld.h"

#include "engine/USalaryOldManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFrmSalaryOld::TFrmSalaryOld(QWidget *Parent)
    : TCalcPage(QStringLiteral("   工资薪金所得(月薪旧版)"), QSize(900, 600), Parent) {
    BuildInputs();
    BuildResults();
    BuildHidden();
    RightGroup(QStringLiteral("计算方法"), 30, QSize(400, 300),
               QStringLiteral(":/pictures/salaryold_method.jpg"));
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtGolds, RBtnChina, RBtnForeign, BtnCalc, BtnReset, TxtTax, BtnCopyTax,
                 TxtIncomeAfterTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmSalaryOld::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmSalaryOld::BtnResetClick);
    connect(ChbAutoCalc, &QCheckBox::clicked, this, &TFrmSalaryOld::ChbAutoCalcClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    OnEnter(TxtGolds, [this] { BtnCalcClick(); });
}

void TFrmSalaryOld::BuildInputs() {
    TxtIncome = LabelledEdit(QStringLiteral("税前收入金额："), QStringLiteral("TxtIncome"), 20, 12);
    TxtMsgSalary =
        MsgLabel(QStringLiteral("TxtMsgSalary"), QStringLiteral("税前收入金额"), 150, 38);
    Note(QStringLiteral("注：工资薪金收入中，如果有免税的部份，请先扣除掉。"), 20, 64);
    TxtGolds = LabelledEdit(QStringLiteral("社保及公积金："), QStringLiteral("TxtGolds"), 20, 88);
    TxtMsgGolds = MsgLabel(QStringLiteral("TxtMsgGolds"), QStringLiteral("社保及公积金"), 150, 114);
    Note(QStringLiteral("注：如果没有交纳社保及公积金等，此项可不填。"), 20, 140);
    RBtnChina = Radio(QStringLiteral("RBtnChina"), QStringLiteral("国内人士"), 20, 164, true);
    RBtnForeign = Radio(QStringLiteral("RBtnForeign"), QStringLiteral("外籍人士"), 110, 164, false);
    BtnCalc = Button(QStringLiteral("BtnCalc"), QStringLiteral("开始计算"), 20, 194);
    BtnReset = Button(QStringLiteral("BtnReset"), QStringLiteral("重置"), 110, 194);
}

void TFrmSalaryOld::BuildHidden() {
    BtnAntiTax = Button(QStringLiteral("BtnAntiTax"), QStringLiteral("反算"), 285, 408, 50);
    BtnAntiIncomeAfterTax =
        Button(QStringLiteral("BtnAntiIncomeAfterTax"), QStringLiteral("反算"), 285, 444, 50);
    ChbAutoCalc = new QCheckBox(QStringLiteral("自动计算"), Client());
    ChbAutoCalc->setObjectName(QStringLiteral("ChbAutoCalc"));
    ChbAutoCalc->move(200, 198);
    TxtViewDetail = Caption(QStringLiteral("查看详情"), 290, 200, false);
    TxtViewDetail->setObjectName(QStringLiteral("TxtViewDetail"));
    for (QWidget *widget : std::initializer_list<QWidget *>{BtnAntiTax, BtnAntiIncomeAfterTax,
                                                            ChbAutoCalc, TxtViewDetail})
        widget->setVisible(false);
}

void TFrmSalaryOld::BuildResults() {
    Heading(QStringLiteral("详细计算结果："), 20, 236);
    const QString zero = QStringLiteral("0元");
    TxtInfome2 =
        ResultLabel(QStringLiteral("TxtInfome2"), QStringLiteral("收入金额："), zero, 20, 266);
    TxtGolds2 =
        ResultLabel(QStringLiteral("TxtGolds2"), QStringLiteral("社保及公积金："), zero, 20, 288);
    TxtSP = ResultLabel(QStringLiteral("TxtSP"), QStringLiteral("起征额："), zero, 20, 310);
    TxtTaxableIncome = ResultLabel(QStringLiteral("TxtTaxableIncome"),
                                   QStringLiteral("应纳税所得额："), zero, 20, 332);
    TxtRate = ResultLabel(QStringLiteral("TxtRate"), QStringLiteral("适用税率："),
                          QStringLiteral("0%"), 20, 354);
    TxtDeduct =
        ResultLabel(QStringLiteral("TxtDeduct"), QStringLiteral("速算扣除数："), zero, 20, 376);
    TxtTax = ResultEdit(QStringLiteral("应纳税额："), QStringLiteral("TxtTax"), 20, 406);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 230, 406);
    TxtIncomeAfterTax =
        ResultEdit(QStringLiteral("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 20, 442);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 230, 442);
}

// An income at or below the start point is no error here: the page shows a tax of 0.
void TFrmSalaryOld::BtnCalcClick() {
    ClearMessages({TxtMsgSalary, TxtMsgGolds});
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgSalary, QStringLiteral("税前收入金额数据无效，请重新输入。"),
                            TxtIncome);
    const auto golds = ReadOptionalAmount(TxtGolds);
    if (!golds)
        return ReportInline(TxtMsgGolds, QStringLiteral("社保及公积金数据无效，请重新输入。"),
                            TxtGolds);
    if (*golds > *income)
        return ReportInline(TxtMsgGolds,
                            QStringLiteral("社保及公积金不能比收入金额大，请重新输入。"), TxtGolds);
    if (*golds < 0)
        return ReportInline(TxtMsgGolds, QStringLiteral("社保及公积金不能小于0元，请重新输入。"),
                            TxtGolds);

    const TTaxInfo info = TSalaryOldManager::Calc(RBtnForeign->isChecked(), *income, *golds);
    TxtInfome2->setText(Yuan(info.Income));
    TxtGolds2->setText(Yuan(info.Golds));
    TxtSP->setText(Yuan(info.StartPoint));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtRate->setText(Percent(info.Rate));
    TxtDeduct->setText(Yuan(info.Deduct));
    TxtTax->setText(General(info.Tax));
    TxtIncomeAfterTax->setText(General(info.IncomeAfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmSalaryOld::BtnResetClick() {
    ClearMessages({TxtMsgSalary, TxtMsgGolds});
    TxtIncome->clear();
    TxtGolds->clear();
    for (QLabel *label : {TxtInfome2, TxtGolds2, TxtSP, TxtTaxableIncome, TxtDeduct})
        label->setText(QStringLiteral("0元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    RBtnChina->setChecked(true);
    TxtIncome->setFocus(Qt::OtherFocusReason);
}

void TFrmSalaryOld::ChbAutoCalcClick() {
    TxtViewDetail->setVisible(ChbAutoCalc->isChecked());
}
