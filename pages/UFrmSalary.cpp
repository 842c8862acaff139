#include "pages/UFrmSalary.h"

#include "common/UNumText.h"
#include "engine/USalaryTaxManager.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFrmSalary::TFrmSalary(QWidget *Parent)
    : TCalcPage(QStringLiteral("   工资薪金所得(月薪)"), QSize(900, 600), Parent) {
    BuildInputs();
    BuildResults();
    RightPicture(QStringLiteral("ImgIllustration"), 10, QSize(380, 150),
                 QStringLiteral(":/pictures/salary_illustration.jpg"));
    RightGroup(QStringLiteral("计算方法"), 170, QSize(420, 290),
               QStringLiteral(":/pictures/salary_method.jpg"));
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtGolds, RBtnChina, RBtnForeign, BtnCalc, BtnReset, TxtTax, BtnAntiTax,
                 BtnCopyTax, TxtIncomeAfterTax, BtnAntiIncomeAfterTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmSalary::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmSalary::BtnResetClick);
    connect(BtnAntiTax, &QPushButton::clicked, this, &TFrmSalary::BtnAntiTaxClick);
    connect(BtnAntiIncomeAfterTax, &QPushButton::clicked, this,
            &TFrmSalary::BtnAntiIncomeAfterTaxClick);
    connect(ChbAutoCalc, &QCheckBox::toggled, TxtGolds, &QLineEdit::setDisabled);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    OnEnter(TxtGolds, [this] { BtnCalcClick(); });
}

void TFrmSalary::BuildInputs() {
    TxtIncome = LabelledEdit(QStringLiteral("税前收入金额："), QStringLiteral("TxtIncome"), 20, 12);
    TxtMsgSalary =
        MsgLabel(QStringLiteral("TxtMsgSalary"), QStringLiteral("税前收入金额"), 150, 38);
    Note(QStringLiteral("注：工资薪金收入中，如果有免税的部份，请先扣除掉。"), 20, 64);
    TxtGolds = LabelledEdit(QStringLiteral("五险一金："), QStringLiteral("TxtGolds"), 20, 88, 121,
                            QStringLiteral("0"));
    TxtMsgGolds = MsgLabel(QStringLiteral("TxtMsgGolds"), QStringLiteral("五险一金"), 150, 114);
    Note(QStringLiteral("注：如果没有交纳养老、医疗、公积、生育、工伤等，此项可不填。"), 20, 140);
    RBtnChina = Radio(QStringLiteral("RBtnChina"), QStringLiteral("国内人士"), 20, 164, true);
    RBtnForeign = Radio(QStringLiteral("RBtnForeign"), QStringLiteral("外籍人士"), 110, 164, false);
    ChbAutoCalc = new QCheckBox(QStringLiteral("自动计算"), Client());
    ChbAutoCalc->setObjectName(QStringLiteral("ChbAutoCalc"));
    ChbAutoCalc->setVisible(false);
    BtnCalc = Button(QStringLiteral("BtnCalc"), QStringLiteral("开始计算"), 20, 194);
    BtnReset = Button(QStringLiteral("BtnReset"), QStringLiteral("重置"), 110, 194);
}

void TFrmSalary::BuildResults() {
    Heading(QStringLiteral("计算结果："), 20, 236);
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
    BtnAntiTax = Button(QStringLiteral("BtnAntiTax"), QStringLiteral("反算"), 285, 408, 50);
    TxtIncomeAfterTax =
        ResultEdit(QStringLiteral("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 20, 442);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 230, 442);
    BtnAntiIncomeAfterTax =
        Button(QStringLiteral("BtnAntiIncomeAfterTax"), QStringLiteral("反算"), 285, 444, 50);
}

int TFrmSalary::StartPointInForce() const {
    return RBtnForeign->isChecked() ? 4800 : 3500;
}

void TFrmSalary::BtnCalcClick() {
    ClearMessages({TxtMsgSalary, TxtMsgGolds});
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgSalary, QStringLiteral("税前收入金额数据无效，请重新输入。"),
                            TxtIncome);
    if (*income <= 3500)
        return ReportInline(TxtMsgSalary,
                            QStringLiteral("税前收入金额小于或等于3500元，不必纳税。"), TxtIncome);
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
    if (NumText::RoundToCents(*income - *golds) <= StartPointInForce())
        return ReportInline(TxtMsgSalary,
                            QStringLiteral("应纳税所得额小于或等于起征点，不必纳税。"), TxtIncome);

    const TTaxInfo info = TSalaryTaxManager::Calc(RBtnForeign->isChecked(), *income, *golds);
    TxtInfome2->setText(Yuan(info.Income));
    TxtGolds2->setText(Yuan(info.Golds));
    TxtSP->setText(info.IsForeign ? QStringLiteral("4800元") : QStringLiteral("3500元"));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtRate->setText(Percent(info.Rate));
    TxtDeduct->setText(Yuan(info.Deduct));
    TxtTax->setText(General(info.Tax));
    TxtIncomeAfterTax->setText(General(info.IncomeAfterTax));
    FocusAndSelect(TxtIncome);
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

void TFrmSalary::ShowTaxInfo(const TTaxInfo &Info) {
    TxtInfome2->setText(General(Info.Income));
    TxtGolds2->setText(General(Info.Golds));
    TxtSP->setText(Info.IsForeign ? QStringLiteral("4800") : QStringLiteral("3500"));
    TxtTaxableIncome->setText(General(Info.TaxableIncome));
    TxtRate->setText(Percent(Info.Rate));
    TxtDeduct->setText(General(Info.Deduct));
    TxtTax->setText(General(Info.Tax));
    TxtIncomeAfterTax->setText(General(Info.IncomeAfterTax));
}

void TFrmSalary::BtnResetClick() {
    ClearMessages({TxtMsgSalary, TxtMsgGolds});
    TxtIncome->clear();
    TxtGolds->clear();
    const QString zero = QStringLiteral("0元");
    for (QLabel *label : {TxtInfome2, TxtGolds2, TxtSP, TxtTaxableIncome, TxtDeduct})
        label->setText(zero);
    TxtRate->setText(QStringLiteral("0%"));
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    RBtnChina->setChecked(true);
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
