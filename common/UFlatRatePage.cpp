#include "common/UFlatRatePage.h"

#include "engine/UOthersManager.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFlatRatePage::TFlatRatePage(const QMetaObject &Page, QSize Size, QRect MethodGroup,
                             const QString &Picture, QWidget *Parent)
    : TCalcPage(Page, Size, Parent) {
    BuildInputs();
    BuildResults();
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
    RightGroup(tr("计算方法"), MethodGroup.top(), MethodGroup.size(), Picture,
               Size.width() - MethodGroup.left() - MethodGroup.width());
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax, BtnCopyTax, BtnCopyIncome,
                 BtnAntiTax, BtnAntiIncomeAfterTax});
    Connect();
}

void TFlatRatePage::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入金额：  "), QStringLiteral("TxtIncome"), 30, 20, 198);
    TxtMsgIncome = MsgLabel(QStringLiteral("TxtMsgIncome"), tr("收入金额"), 237, 43, 260);
    InertLabels({"TxtMsgSalary", "TxtMsgGolds", "txtCalcMsgNew"});
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 112);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 112);
}

void TFlatRatePage::BuildResults() {
    Heading(tr("详细计算结果："), 30, 143);
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 30, 179, 93);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 30, 202, 93);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 30, 224, 93);
    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 45, 252);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 250);
    BtnAntiTax = Button(QStringLiteral("BtnAntiTax"), tr("反算"), 340, 252, 60);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 288);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 256, 286);
    BtnAntiIncomeAfterTax =
        Button(QStringLiteral("BtnAntiIncomeAfterTax"), tr("反算"), 340, 288, 60);
}

void TFlatRatePage::Connect() {
    connect(BtnCalc, &QPushButton::clicked, this, &TFlatRatePage::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFlatRatePage::BtnResetClick);
    connect(BtnAntiTax, &QPushButton::clicked, this, &TFlatRatePage::BtnAntiTaxClick);
    connect(BtnAntiIncomeAfterTax, &QPushButton::clicked, this,
            &TFlatRatePage::BtnAntiIncomeAfterTaxClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset, BtnAntiTax, BtnAntiIncomeAfterTax});
}

void TFlatRatePage::BtnCalcClick() {
    ClearMessages({TxtMsgIncome});
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgIncome, tr("收入金额数据无效，请重新输入。"), TxtIncome);
    if (*income <= 0)
        return ReportInline(TxtMsgIncome, tr("收入金额应大于0，请重新输入。"), TxtIncome);

    const TOthersInfo info = TOthersManager::Calc(*income);
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtIncome2->setText(Yuan(info.Income));
    TxtRate->setText(Percent(info.Rate));
    FocusAndSelect(TxtIncome);
}

void TFlatRatePage::BtnAntiTaxClick() {
    Reverse(TxtTax, tr("应纳税额数据无效，请重新输入。"), tr("应纳税额应大于0，请重新输入。"),
            &TOthersManager::AntiTax);
}

void TFlatRatePage::BtnAntiIncomeAfterTaxClick() {
    Reverse(TxtIncomeAfterTax, tr("税后收入数据无效，请重新输入。"),
            tr("税后收入应大于0，请重新输入。"), &TOthersManager::AntiIncomeAfterTax);
}

// The income found is written whole into the income edit, then calculated forward from there.
void TFlatRatePage::Reverse(QLineEdit *Source, const QString &Invalid, const QString &NotPositive,
                            double (*IncomeFrom)(double)) {
    const auto amount = ReadAmount(Source);
    if (!amount)
        return ReportBox(Invalid, Source);
    if (*amount <= 0)
        return ReportBox(NotPositive, Source);
    ShowResult(TxtIncome, General(IncomeFrom(*amount)));
    BtnCalcClick();
}

void TFlatRatePage::BtnResetClick() {
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    TxtTaxableIncome->setText(tr("0.00元"));
    TxtIncome2->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtIncome->clear();
    FocusAndSelect(TxtIncome);
}
