#include "pages/UFrmAnnualSalary.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmAnnualSalary::TFrmAnnualSalary(QWidget *Parent)
    : TCalcPage(staticMetaObject, QSize(900, 600), Parent) {
    BuildInputs();
    BuildResults();
    RightPicture(QStringLiteral("ImgIllustration"), 10, QSize(380, 150),
                 QStringLiteral(":/pictures/annualsalary_illustration.png"));
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, Edit1, Edit2, BtnCalc, BtnReset, TxtTax, BtnCopyTax, TxtIncomeAfterTax,
                 BtnCopyIncome});
}

void TFrmAnnualSalary::BuildInputs() {
    TxtIncome = LabelledEdit(tr("年薪：  "), QStringLiteral("TxtIncome"), 20, 12);
    TxtMsgIncome = MsgLabel(QStringLiteral("TxtMsgIncome"), tr("年薪"), 150, 38);
    Edit1 = LabelledEdit(tr("每月领取："), QStringLiteral("Edit1"), 20, 72);
    TxtMsgSalary = MsgLabel(QStringLiteral("TxtMsgSalary"), tr("每月领取"), 150, 98);
    Edit2 = LabelledEdit(tr("年底其它奖金："), QStringLiteral("Edit2"), 20, 132);
    TxtMsgGolds = MsgLabel(QStringLiteral("TxtMsgGolds"), tr("年底其它奖金"), 150, 158);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 20, 196);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 110, 196);
}

void TFrmAnnualSalary::BuildResults() {
    Heading(tr("详细计算结果："), 20, 238);
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 20, 268);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 20, 290);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 20, 312);
    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 20, 342);
    BtnCopyTax = Button(QStringLiteral("BtnCopyTax"), tr("复制"), 230, 344, 50);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 20, 378);
    BtnCopyIncome = Button(QStringLiteral("BtnCopyIncome"), tr("复制"), 230, 380, 50);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}
