#include "pages/UFrmLaoWu.h"

#include "engine/ULaoWuManager.h"

#include "common/UBusyCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString InvalidAmount = QStringLiteral("金额数据无效，请重新输入。");

} // namespace

TFrmLaoWu::TFrmLaoWu(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(900, 600), Parent) {
    BuildInputs();
    BuildResults();
    RightPicture(QStringLiteral("ImgIllustration"), 20, QSize(370, 148),
                 QStringLiteral(":/pictures/laowu_illustration.png"), 30);
    RightGroup(QStringLiteral("计算公式："), 190, QSize(370, 107),
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
}

void TFrmLaoWu::BuildInputs() {
    TxtIncome =
        LabelledEdit(QStringLiteral("劳务报酬金额："), QStringLiteral("TxtIncome"), 30, 20, 198);
    TxtMsgSalary =
        MsgLabel(QStringLiteral("TxtMsgSalary"), QStringLiteral("劳务报酬金额"), 240, 43, 250);
    InertLabels({"TxtMsgGolds", "txtCalcMsgNew"});
    BtnCalc = Button(QStringLiteral("BtnCalc"), QStringLiteral("开始计算"), 30, 82);
    BtnReset = Button(QStringLiteral("BtnReset"), QStringLiteral("重置"), 112, 82);
}

void TFrmLaoWu::BuildResults() {
    Heading(QStringLiteral("详细计算结果："), 30, 153);
    const QString zero = QStringLiteral("0.00元");
    const auto result = [this](const char *name, const char *caption, const QString &initial,
                               int y) {
        return ResultLabel(QString::fromLatin1(name), QString::fromUtf8(caption), initial, 12, y,
                           108, Qt::AlignRight);
    };
    TxtInfome2 = result("TxtInfome2", "收入金额：", zero, 193);
    TxtFeesCharged = result("TxtFeesCharged", "费用减除：", zero, 216);
    TxtTaxableIncome = result("TxtTaxableIncome", "应纳税所得额：", zero, 248);
    TxtRate = result("TxtRate", "适用税率：", QStringLiteral("0%"), 274);
    TxtDeduct = result("TxtDeduct", "速算扣除数：", zero, 296);

    TxtTax = ResultEdit(QStringLiteral("应纳税额："), QStringLiteral("TxtTax"), 40, 326);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 248, 326);
    BtnAntiTax = Button(QStringLiteral("BtnAntiTax"), QStringLiteral("反算"), 336, 328, 50);
    TxtIncomeAfterTax =
        ResultEdit(QStringLiteral("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 40, 365);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 248, 365);
    BtnAntiIncomeAfterTax =
        Button(QStringLiteral("BtnAntiIncomeAfterTax"), QStringLiteral("反算"), 336, 367, 50);
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
        return ReportInline(TxtMsgSalary, QStringLiteral("税前收入金额数据无效，请重新输入。"),
                            TxtIncome);
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
        return ReportInline(TxtMsgSalary, InvalidAmount, Source);
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
        label->setText(QStringLiteral("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtIncomeAfterTax->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
