#include "pages/UFrmWriting.h"

#include "engine/UNumText.h"
#include "engine/UWritingManager.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmWriting::TFrmWriting(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(960, 592), Parent) {
    BuildInputs();
    BuildResults();
    RightGroup(tr("计算方法"), 30, QSize(370, 203), QStringLiteral(":/pictures/writing_method.png"),
               30);
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax, BtnCopyTax, BtnCopyIncome,
                 BtnAntiTax, BtnAntiIncomeAfterTax});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmWriting::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmWriting::BtnResetClick);
    connect(BtnAntiTax, &QPushButton::clicked, this, &TFrmWriting::BtnAntiTaxClick);
    connect(BtnAntiIncomeAfterTax, &QPushButton::clicked, this,
            &TFrmWriting::BtnAntiIncomeAfterTaxClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset, BtnAntiTax, BtnAntiIncomeAfterTax});
}

void TFrmWriting::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入金额：  "), QStringLiteral("TxtIncome"), 30, 20, 198);
    // Every message of this page goes into a box.
    InertLabels({"TxtMsgSalary", "TxtMsgGolds", "TxtMsgIncome", "txtCalcMsgNew"});
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 112);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 112);
}

void TFrmWriting::BuildResults() {
    Heading(tr("详细计算结果："), 30, 143);
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 23, 179);
    TxtDeductFee = ResultLabel(QStringLiteral("TxtDeductFee"), tr("减除费用："), zero, 24, 200);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 23, 218);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 23, 240);

    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 45, 266);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 266);
    BtnAntiTax = Button(QStringLiteral("BtnAntiTax"), tr("反算"), 340, 268, 60);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 302);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 256, 302);
    BtnAntiIncomeAfterTax =
        Button(QStringLiteral("BtnAntiIncomeAfterTax"), tr("反算"), 340, 304, 60);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

void TFrmWriting::BtnCalcClick() {
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportBox(tr("收入金额数据无效，请重新输入。"), TxtIncome);
    const TWritingInfo info = TWritingManager::Calc(*income);
    TxtIncome2->setText(Yuan(info.Income));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtDeductFee->setText(Yuan(info.DeductFee));
    TxtRate->setText(Percent(info.Rate));
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmWriting::Reverse(QLineEdit *Source, const QString &Message,
                          const std::function<double(double)> &Payment) {
    const auto amount = ReadAmount(Source);
    if (!amount)
        return ReportBox(Message, Source);
    ShowResult(TxtIncome, QString::fromStdString(NumText::FormatCents(Payment(*amount))));
    BtnCalcClick();
}

void TFrmWriting::BtnAntiTaxClick() {
    Reverse(TxtTax, tr("应纳税额数据无效，请重新输入。"), &TWritingManager::AntiTax);
}

void TFrmWriting::BtnAntiIncomeAfterTaxClick() {
    Reverse(TxtIncomeAfterTax, tr("税后收入数据无效，请重新输入。"),
            &TWritingManager::AntiIncomeAfterTax);
}

void TFrmWriting::BtnResetClick() {
    for (QLabel *label : {TxtIncome2, TxtTaxableIncome, TxtDeductFee})
        label->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    TxtIncome->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
