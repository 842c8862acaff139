#include "pages/UFrmLicense.h"

#include "engine/ULicenseManager.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmLicense::TFrmLicense(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(935, 521), Parent) {
    BuildInputs();
    BuildResults();
    RightGroup(tr("计算方法"), 30, QSize(370, 275), QStringLiteral(":/pictures/license_method.png"),
               34);
    SetFirstInput(TxtIncome);
    SetTabOrder(
        {TxtIncome, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax, BtnCopyTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmLicense::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmLicense::BtnResetClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmLicense::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入金额：  "), QStringLiteral("TxtIncome"), 30, 20, 198);
    // Every message of this page goes into a box.
    InertLabels({"TxtMsgIncome", "TxtMsgSalary", "TxtMsgGolds", "txtCalcMsgNew"});
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 112);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 112);
}

void TFrmLicense::BuildResults() {
    Heading(tr("详细计算结果："), 30, 143);
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 30, 179, 93);
    TxtDeductFee = ResultLabel(QStringLiteral("TxtDeductFee"), tr("减除费用："), zero, 30, 203, 93);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 30, 227, 93);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 30, 249, 93);
    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 45, 277);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 275);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 313);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 256, 311);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

void TFrmLicense::BtnCalcClick() {
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportBox(tr("收入金额数据无效，请重新输入。"), TxtIncome);

    const TLicenseInfo info = TLicenseManager::Calc(*income);
    TxtIncome2->setText(General(info.Income));
    TxtDeductFee->setText(General(info.DeductFee));
    TxtTaxableIncome->setText(General(info.TaxableIncome));
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    TxtRate->setText(Percent(info.Rate));
    FocusAndSelect(TxtIncome);
}

void TFrmLicense::BtnResetClick() {
    for (QLabel *label : {TxtIncome2, TxtDeductFee, TxtTaxableIncome})
        label->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    for (QLineEdit *edit : {TxtTax, TxtIncomeAfterTax, TxtIncome})
        edit->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
