#include "pages/UFrmYearAward.h"

#include "engine/UNumText.h"
#include "engine/UYearAwardManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFrmYearAward::TFrmYearAward(QWidget *Parent)
    : TCalcPage(staticMetaObject, QSize(900, 600), Parent) {
    BuildInputs();
    BuildResults();
    RightPicture(QStringLiteral("ImgIllustration"), 10, QSize(380, 150),
                 QStringLiteral(":/pictures/yearaward_illustration.png"));
    RightGroup(tr("计算方法"), 170, QSize(420, 290),
               QStringLiteral(":/pictures/yearaward_method.png"));
    SetFirstInput(TxtYearAward);
    SetTabOrder({TxtYearAward, TxtIncome, TxtGolds, RBtnChina, RBtnForeign, BtnCalc, BtnReset,
                 TxtTax, BtnCopyTax, TxtIncomeAfterTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmYearAward::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmYearAward::BtnResetClick);
    for (QLineEdit *edit : {TxtYearAward, TxtIncome, TxtGolds})
        OnEnter(edit, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmYearAward::BuildInputs() {
    TxtYearAward = LabelledEdit(tr("年终奖金： "), QStringLiteral("TxtYearAward"), 20, 12);
    TxtMsgYA = MsgLabel(QStringLiteral("TxtMsgYA"), tr("年终奖金"), 150, 38, 300);
    TxtIncome = LabelledEdit(tr("当月工资： "), QStringLiteral("TxtIncome"), 20, 66);
    TxtMsgSalary = MsgLabel(QStringLiteral("TxtMsgSalary"), tr("当月工资"), 150, 92, 300);
    TxtGolds = LabelledEdit(tr("当月社保及公积金："), QStringLiteral("TxtGolds"), 20, 120);
    TxtMsgGolds = MsgLabel(QStringLiteral("TxtMsgGolds"), tr("当月社保及公积金"), 150, 146, 300);
    Note(tr("注：如果没有交纳社保及公积金等，此项可不填。"), 20, 174);
    RBtnChina = Radio(QStringLiteral("RBtnChina"), tr("国内人士"), 20, 196, true);
    RBtnForeign = Radio(QStringLiteral("RBtnForeign"), tr("外籍人士"), 110, 196, false);
    // A check box of the original form, hidden, that nothing on this page reads.
    auto *autoCalc = new QCheckBox(tr("自动计算"), Client());
    autoCalc->setObjectName(QStringLiteral("ChbAutoCalc"));
    autoCalc->hide();
    InertLabels({"txtCalcMsgNew"});
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 20, 226);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 110, 226);
}

void TFrmYearAward::BuildResults() {
    Heading(tr("详细计算结果："), 20, 268);
    const QString zero = tr("0.00元");
    TxtYA = ResultLabel(QStringLiteral("TxtYA"), tr("年终奖金额："), zero, 20, 298);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 20, 320);
    TxtSP = ResultLabel(QStringLiteral("TxtSP"), tr("起征额："), zero, 20, 342);
    TxtAverage = ResultLabel(QStringLiteral("TxtAverage"), tr("年终奖平均数："), zero, 20, 364);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 20, 386);
    TxtDeduct = ResultLabel(QStringLiteral("TxtDeduct"), tr("速算扣除数："), zero, 20, 408);

    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 20, 438);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 230, 438);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 20, 474);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 230, 474);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

void TFrmYearAward::BtnCalcClick() {
    ClearMessages({TxtMsgYA, TxtMsgSalary, TxtMsgGolds});
    const auto yearAward = ReadAmount(TxtYearAward);
    if (!yearAward)
        return ReportInline(TxtMsgYA, tr("年终奖金收入金额数据无效，请重新输入。"), TxtYearAward);
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgSalary, tr("当月工资收入金额数据无效，请重新输入。"), TxtIncome);
    const auto golds = ReadOptionalAmount(TxtGolds);
    if (!golds)
        return ReportInline(TxtMsgGolds, tr("社保及公积金数据无效，请重新输入。"), TxtGolds);

    const TYearAwardInfo info =
        TYearAwardManager::Calc(RBtnForeign->isChecked(), *yearAward, *income, *golds);
    TxtSP->setText(RBtnChina->isChecked() ? tr("3500元") : tr("4800元"));
    TxtRate->setText(Percent(info.Rate));
    TxtDeduct->setText(Yuan(info.Deduct));
    TxtYA->setText(Yuan(info.YearAward));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtAverage->setText(tr("%1元").arg(QString::fromStdString(NumText::FormatCents(info.Average))));
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    FocusAndSelect(TxtYearAward);
}

void TFrmYearAward::BtnResetClick() {
    TxtYearAward->clear();
    TxtIncome->clear();
    TxtGolds->clear();
    RBtnChina->setChecked(true);
    TxtIncomeAfterTax->clear();
    TxtTax->clear();
    ClearMessages({TxtMsgYA, TxtMsgSalary, TxtMsgGolds});
    for (QLabel *label : {TxtYA, TxtTaxableIncome, TxtSP, TxtAverage, TxtDeduct})
        label->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    FocusAndSelect(TxtYearAward);
}
