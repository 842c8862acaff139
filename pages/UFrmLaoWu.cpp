#include "pages/UFrmLaoWu.h"

#include "engine/ULaoWuManager.h"

#include "common/UBusyCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmLaoWu::TFrmLaoWu(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(900, 600), Parent) {
    BuildInputs();
    BuildResults();
    RightPicture(QStringLiteral("ImgIllustration"), 20, QSize(370, 148),
                 QStringLiteral(":/pictures/laowu_illustration.png"), 30);
    RightGroup(tr("计算公式："), 190, QSize(370, 107),
               QStringLiteral(":/pictures/laowu_method.png"), 30);
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, BtnCalc, BtnReset, TxtTax, BtnCopyTax, TxtIncomeAfterTax, BtnCopyIncome,
                 BtnAntiTax, BtnAntiIncomeAfterTax});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmLaoWu::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmLaoWu::BtnResetClick);
    connect(BtnAntiTax, &QPushButton::clicked, this, &TFrmLaoWu::BtnAntiTaxClick);
    connect(BtnAntiIncomeAfterTax, &QPushButton::clicked, this,
            &TFrmLaoWu::BtnAntiIncomeAfterTaxClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset, BtnAntiTax, BtnAntiIncomeAfterTax});
}

void TFrmLaoWu::BuildInputs() {
    TxtIncome = LabelledEdit(tr("劳务报酬金额："), QStringLiteral("TxtIncome"), 30, 20, 198);
    TxtMsgSalary = MsgLabel(QStringLiteral("TxtMsgSalary"), tr("劳务报酬金额"), 240, 43, 250);
    InertLabels({"TxtMsgGolds", "txtCalcMsgNew"});
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 30, 82);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 112, 82);
}

void TFrmLaoWu::BuildResults() {
    Heading(tr("详细计算结果："), 30, 153);
    const QString zero = tr("0.00元");
    const auto result = [this](const char *name, const QString &caption, const QString &initial,
                               int y) {
        return ResultLabel(QString::fromLatin1(name), caption, initial, 12, y, 108, Qt::AlignRight);
    };
    TxtInfome2 = result("TxtInfome2", tr("收入金额："), zero, 193);
    TxtFeesCharged = result("TxtFeesCharged", tr("费用减除："), zero, 216);
    TxtTaxableIncome = result("TxtTaxableIncome", tr("应纳税所得额："), zero, 248);
    TxtRate = result("TxtRate", tr("适用税率："), QStringLiteral("0%"), 274);
    TxtDeduct = result("TxtDeduct", tr("速算扣除数："), zero, 296);

    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 40, 326);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 248, 326);
    BtnAntiTax = Button(QStringLiteral("BtnAntiTax"), tr("反算"), 336, 328, 60);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 40, 365);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 248, 365);
    BtnAntiIncomeAfterTax =
        Button(QStringLiteral("BtnAntiIncomeAfterTax"), tr("反算"), 336, 367, 60);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

void TFrmLaoWu::ClearResults() {
    for (QLabel *label : {TxtDeduct, TxtInfome2, TxtFeesCharged, TxtTaxableIncome, TxtRate})
        label->clear();
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    // Typing and clicks wait: they must not start another calculation in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFrmLaoWu::BtnCalcClick() {
    ClearMessages({TxtMsgSalary});
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgSalary, tr("税前收入金额数据无效，请重新输入。"), TxtIncome);
    ShowResult(TxtIncome, General(*income));
    ClearResults();
    TLaoWuTaxInfo info;
    {
        const TBusyCursor busy;
        info = TLaoWuManager::Calc(*income);
    }
    ShowResult(TxtTax, General(info.Tax));
    TxtDeduct->setText(Yuan(info.Deduct));
    TxtInfome2->setText(Yuan(info.Income));
    TxtFeesCharged->setText(Yuan(info.DeductFee));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtRate->setText(Percent(info.Rate));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmLaoWu::Reverse(QLineEdit *Source, const std::function<double(double)> &Payment,
                        bool ClearBetween) {
    ClearMessages({TxtMsgSalary});
    const auto amount = ReadAmount(Source);
    if (!amount)
        return ReportInline(TxtMsgSalary, tr("金额数据无效，请重新输入。"), Source);
    // Written whole, with every digit: the forward step does the rounding to cents.
    ShowResult(TxtIncome, General(Payment(*amount)));
    if (ClearBetween)
        ClearResults();
    BtnCalcClick();
}

void TFrmLaoWu::BtnAntiTaxClick() {
    Reverse(
        TxtTax, [](double tax) { return TLaoWuManager::AntiTax(tax).Income; }, false);
}

void TFrmLaoWu::BtnAntiIncomeAfterTaxClick() {
    Reverse(
        TxtIncomeAfterTax,
        [](double afterTax) { return TLaoWuManager::AntiIncomeAfterTax(afterTax).Income; }, true);
}

void TFrmLaoWu::BtnResetClick() {
    ClearMessages({TxtMsgSalary});
    TxtIncome->clear();
    TxtTax->clear();
    for (QLabel *label : {TxtDeduct, TxtInfome2, TxtFeesCharged, TxtTaxableIncome})
        label->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtIncomeAfterTax->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
