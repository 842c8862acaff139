#include "pages/UFrmSalaryOld.h"

#include "engine/USalaryOldManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFrmSalaryOld::TFrmSalaryOld(QWidget *Parent)
    : TWagePage(staticMetaObject, QSize(900, 600), Parent) {
    BuildInputs(tr("社保及公积金："), {}, tr("注：如果没有交纳社保及公积金等，此项可不填。"));
    BuildResults(tr("详细计算结果："));
    BuildHidden();
    RightGroup(tr("计算方法"), 30, QSize(400, 300),
               QStringLiteral(":/pictures/salaryold_method.png"));
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtGolds, RBtnChina, RBtnForeign, BtnCalc, BtnReset, TxtTax, BtnCopyTax,
                 TxtIncomeAfterTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmSalaryOld::BtnCalcClick);
    connect(ChbAutoCalc, &QCheckBox::clicked, this, &TFrmSalaryOld::ChbAutoCalcClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    OnEnter(TxtGolds, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmSalaryOld::BuildHidden() {
    TxtViewDetail = Caption(tr("查看详情"), 290, 200, false);
    TxtViewDetail->setObjectName(QStringLiteral("TxtViewDetail"));
    for (QWidget *widget : std::initializer_list<QWidget *>{BtnAntiTax, BtnAntiIncomeAfterTax,
                                                            ChbAutoCalc, TxtViewDetail})
        widget->setVisible(false);
}

// An income at or below the start point is no error here: the page shows a tax of 0.
void TFrmSalaryOld::BtnCalcClick() {
    ClearMessages({TxtMsgSalary, TxtMsgGolds});
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgSalary, tr("税前收入金额数据无效，请重新输入。"), TxtIncome);
    const auto golds = ReadGolds(*income);
    if (!golds)
        return;

    const TTaxInfo info = TSalaryOldManager::Calc(RBtnForeign->isChecked(), *income, *golds);
    ShowResults(info, Yuan(info.StartPoint));
}

void TFrmSalaryOld::ChbAutoCalcClick() {
    TxtViewDetail->setVisible(ChbAutoCalc->isChecked());
}
