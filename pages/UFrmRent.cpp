#include "pages/UFrmRent.h"

#include "engine/URentManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmRent::TFrmRent(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(902, 540), Parent) {
    BuildInputs();
    BuildResults();
    RightGroup(tr("计算方法"), 30, QSize(370, 211), QStringLiteral(":/pictures/rent_method.png"),
               28);
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax, BtnCopyTax, BtnCopyIncome,
                 chbIsHousing});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmRent::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmRent::BtnResetClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmRent::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入金额：  "), QStringLiteral("TxtIncome"), 30, 20, 198);
    TxtMsgIncome = MsgLabel(QStringLiteral("TxtMsgIncome"), tr("收入金额"), 237, 43, 240);
    Note(tr("注：收入金额为收入总额去掉相关成本、费用及损失后的金额。"), 30, 76);
    chbIsHousing = new QCheckBox(tr("住房出租 "), Client());
    chbIsHousing->setObjectName(QStringLiteral("chbIsHousing"));
    QFont bold = chbIsHousing->font();
    bold.setBold(true);
    chbIsHousing->setFont(bold);
    chbIsHousing->move(32, 115);
    chbIsHousing->adjustSize();
    Describe(chbIsHousing, chbIsHousing->text());
    Note(tr("注：如果是个人的住房出租，请选中此项。 "), 30, 140);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 189);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 189);
}

void TFrmRent::BuildResults() {
    Heading(tr("详细计算结果："), 30, 220);
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 23, 256);
    TxtDeductFee = ResultLabel(QStringLiteral("TxtDeductFee"), tr("减除费用："), zero, 23, 280);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 23, 300);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 23, 322);

    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 45, 349);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 345);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 385);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 256, 382);
}

void TFrmRent::BtnCalcClick() {
    ClearMessages({TxtMsgIncome});
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgIncome, tr("收入金额数据无效，请重新输入。"), TxtIncome);
    const TRentInfo info = TRentManager::Calc(*income, chbIsHousing->isChecked());
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    TxtIncome2->setText(Yuan(info.Income));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtDeductFee->setText(Yuan(info.DeductFee));
    TxtRate->setText(Percent(info.Rate));
    FocusAndSelect(TxtIncome);
}

void TFrmRent::BtnResetClick() {
    // The message stays: only the next calculation removes it.
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    for (QLabel *label : {TxtIncome2, TxtTaxableIncome, TxtDeductFee})
        label->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    chbIsHousing->setChecked(false);
    TxtIncome->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
