#include "pages/UFrmPersonal.h"

#include "engine/UTPersonalManager.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Right edge of the page to the right edge of its pictures.
constexpr int PictureMargin = 24;

} // namespace

TFrmPersonal::TFrmPersonal(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(825, 520), Parent) {
    BuildInputs();
    BuildResults();
    RightPicture(QStringLiteral("ImgIllustration"), 28, QSize(370, 198),
                 QStringLiteral(":/pictures/personal_illustration.png"), PictureMargin);
    RightGroup(tr("计算方法"), 254, QSize(370, 99),
               QStringLiteral(":/pictures/personal_method.png"), PictureMargin);
    SetFirstInput(TxtIncome);
    SetTabOrder(
        {TxtIncome, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax, BtnCopyTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmPersonal::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmPersonal::BtnResetClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmPersonal::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入金额：  "), QStringLiteral("TxtIncome"), 30, 20, 198);
    Note(tr("注：收入金额为收入总额去掉相关成本、费用及损失后的金额。"), 30, 74);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 112);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 112);
}

void TFrmPersonal::BuildResults() {
    Heading(tr("详细计算结果："), 30, 143, 390); // clear of the bracket picture
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 30, 179, 93);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 30, 202, 93);
    TxtDeduct = ResultLabel(QStringLiteral("TxtDeduct"), tr("速算扣除数："), zero, 30, 226, 93);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 30, 251, 93);
    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 45, 279);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 275);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 315);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 256, 312);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

void TFrmPersonal::BtnCalcClick() {
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportBox(tr("收入金额数据无效，请重新输入。"), TxtIncome);

    const TPersonalInfo info = TPersonalManager::Calc(*income);
    ShowResult(TxtTax, General(info.Tax));
    TxtIncome2->setText(Yuan(info.Income));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtDeduct->setText(Yuan(info.Deduct));
    TxtRate->setText(Percent(info.Rate));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmPersonal::BtnResetClick() {
    TxtTax->clear();
    const QString zero = tr("0.00元");
    for (QLabel *label : {TxtIncome2, TxtTaxableIncome, TxtDeduct})
        label->setText(zero);
    TxtRate->setText(QStringLiteral("0%"));
    TxtIncomeAfterTax->clear();
    TxtIncome->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
