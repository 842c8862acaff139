#include "pages/UFrmSalary.h"

#include "engine/UNumText.h"
#include "engine/USalaryTaxManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFrmSalary::TFrmSalary(QWidget *Parent) : TWagePage(staticMetaObject, QSize(900, 600), Parent) {
    BuildInputs(tr("五险一金："), QStringLiteral("0"),
                tr("注：如果没有交纳养老、医疗、公积、生育、工伤等，此项可不填。"));
    BuildResults(tr("计算结果："));
    RightPicture(QStringLiteral("ImgIllustration"), 10, QSize(380, 150), Pictures()[0]);
    RightGroup(tr("计算方法"), 170, QSize(420, 290), Pictures()[1]);
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtGolds, RBtnChina, RBtnForeign, BtnCalc, BtnReset, TxtTax, BtnAntiTax,
                 BtnCopyTax, TxtIncomeAfterTax, BtnAntiIncomeAfterTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmSalary::BtnCalcClick);
    connect(BtnAntiTax, &QPushButton::clicked, this, &TFrmSalary::BtnAntiTaxClick);
    connect(BtnAntiIncomeAfterTax, &QPushButton::clicked, this,
            &TFrmSalary::BtnAntiIncomeAfterTaxClick);
    connect(ChbAutoCalc, &QCheckBox::toggled, TxtGolds, &QLineEdit::setDisabled);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    OnEnter(TxtGolds, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset, BtnAntiTax, BtnAntiIncomeAfterTax});
}

QStringList TFrmSalary::Pictures() {
    return {QStringLiteral(":/pictures/salary_illustration.png"),
            QStringLiteral(":/pictures/salary_method.png")};
}

int TFrmSalary::StartPointInForce() const {
    return RBtnForeign->isChecked() ? 4800 : 3500;
}

void TFrmSalary::BtnCalcClick() {
    ClearMessages({TxtMsgSalary, TxtMsgGolds});
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgSalary, tr("税前收入金额数据无效，请重新输入。"), TxtIncome);
    if (*income <= 3500)
        return ReportInline(TxtMsgSalary, tr("税前收入金额小于或等于3500元，不必纳税。"),
                            TxtIncome);
    const auto golds = ReadGolds(*income);
    if (!golds)
        return;
    if (NumText::RoundToCents(*income - *golds) <= StartPointInForce())
        return ReportInline(TxtMsgSalary, tr("应纳税所得额小于或等于起征点，不必纳税。"),
                            TxtIncome);

    const TTaxInfo info = TSalaryTaxManager::Calc(RBtnForeign->isChecked(), *income, *golds);
    ShowResults(info, info.IsForeign ? tr("4800元") : tr("3500元"));
}

void TFrmSalary::BtnAntiTaxClick() {
    const auto tax = ReadAmountUnchecked(TxtTax);
    if (!tax)
        return;
    const auto golds = ReadAmountUnchecked(TxtGolds, true);
    if (!golds)
        return;
    ShowTaxInfo(TSalaryTaxManager::AntiTax(RBtnForeign->isChecked(), *tax, *golds));
}

void TFrmSalary::BtnAntiIncomeAfterTaxClick() {
    const auto afterTax = ReadAmountUnchecked(TxtIncomeAfterTax);
    if (!afterTax)
        return;
    const auto golds = ReadAmountUnchecked(TxtGolds, true);
    if (!golds)
        return;
    ShowTaxInfo(TSalaryTaxManager::AntiIncomeAfterTax(RBtnForeign->isChecked(), *afterTax, *golds));
}

// The reverse results go without units, and the focus stays on the button.
void TFrmSalary::ShowTaxInfo(const TTaxInfo &Info) {
    TxtInfome2->setText(General(Info.Income));
    TxtGolds2->setText(General(Info.Golds));
    TxtSP->setText(Info.IsForeign ? QStringLiteral("4800") : QStringLiteral("3500"));
    TxtTaxableIncome->setText(General(Info.TaxableIncome));
    TxtRate->setText(Percent(Info.Rate));
    TxtDeduct->setText(General(Info.Deduct));
    ShowResult(TxtTax, General(Info.Tax));
    ShowResult(TxtIncomeAfterTax, General(Info.IncomeAfterTax));
}
