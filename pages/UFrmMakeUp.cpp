#include "pages/UFrmMakeUp.h"

#include "common/UMsgBox.h"
#include "engine/UMakeUpManager.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmMakeUp::TFrmMakeUp(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(920, 560), Parent) {
    BuildInputs();
    BuildResults();
    // Narrow enough to leave the formulas their room in the smallest main window.
    RightPicture(QStringLiteral("ImgIllustration"), 20, QSize(330, 180),
                 QStringLiteral(":/pictures/makeup_illustration.png"), 15);
    RightGroup(tr("计算方法"), 215, QSize(330, 300), QStringLiteral(":/pictures/makeup_method.png"),
               15);
    SetFirstInput(TxtOnceIncome);
    SetTabOrder({TxtOnceIncome, TxtAverageWage, TxtFiveGolds, CmbYears, BtnCalc, BtnReset,
                 TxtTotalTax, BtnCopyTax, TxtTotalIncomeAfterTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmMakeUp::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmMakeUp::BtnResetClick);
    for (QLineEdit *input : {TxtOnceIncome, TxtAverageWage, TxtFiveGolds})
        OnEnter(input, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmMakeUp::BuildInputs() {
    TxtOnceIncome =
        LabelledEdit(tr("税前一次性补偿收入：  "), QStringLiteral("TxtOnceIncome"), 30, 20, 198);
    TxtMsgIncome = MsgLabel(QStringLiteral("TxtMsgIncome"), tr("税前一次性补偿收入"), 237, 43);
    TxtAverageWage =
        LabelledEdit(tr("当地上年职工平均工资：  "), QStringLiteral("TxtAverageWage"), 30, 76, 198);
    TxtMsgSalary = MsgLabel(QStringLiteral("TxtMsgSalary"), tr("当地上年职工平均工资"), 237, 99);
    TxtFiveGolds =
        LabelledEdit(tr("月缴五险一金：  "), QStringLiteral("TxtFiveGolds"), 30, 132, 198);
    TxtMsgGolds = MsgLabel(QStringLiteral("TxtMsgGolds"), tr("月缴五险一金"), 237, 155);

    QLabel *years = Caption(tr("工作年限：  "), 30, 188);
    CmbYears = new QComboBox(Client());
    CmbYears->setObjectName(QStringLiteral("CmbYears"));
    for (int year = 1; year <= TMakeUpManager::MaxYears; ++year)
        CmbYears->addItem(QString::number(year));
    CmbYears->setMaxVisibleItems(TMakeUpManager::MaxYears);
    CmbYears->setGeometry(30, 208, 113, 24);
    years->setBuddy(CmbYears);
    Describe(CmbYears, years->text());
    Caption(tr("年"), 149, 212, false);
    Note(tr("注：个人在本企业的工作年限数按实际工作年限数计算，超过12年的按12年计算。"), 30, 240);

    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 266);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 266);
}

void TFrmMakeUp::BuildResults() {
    Heading(tr("详细计算结果："), 30, 302, 490);
    const QString zero = tr("0.00元");
    // The formulas grow with the numbers in them: room up to the pictures on the right, also
    // where a longer caption moved them to the right.
    constexpr int formulasEnd = 30 + 93 + 450;
    TxtMonthTaxbaleIncome =
        ResultLabel(QStringLiteral("TxtMonthTaxbaleIncome"), tr("月应纳税额："), zero, 30, 338, 93);
    TxtMonthTax = ResultLabel(QStringLiteral("TxtMonthTax"), tr("月缴纳个税："), zero, 30, 361, 93);
    for (QLabel *formula : {TxtMonthTaxbaleIncome, TxtMonthTax})
        formula->resize(formulasEnd - formula->x(), formula->height());
    TxtTotalTax = ResultEdit(tr("纳税总计："), QStringLiteral("TxtTotalTax"), 45, 392);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTotalTax, 257, 390);
    TxtTotalIncomeAfterTax =
        ResultEdit(tr("税后收入："), QStringLiteral("TxtTotalIncomeAfterTax"), 45, 428);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtTotalIncomeAfterTax, 256, 427);
    NoteRulesPeriodUnder(TxtTotalIncomeAfterTax);
}

void TFrmMakeUp::BtnCalcClick() {
    ClearMessages({TxtMsgIncome});
    // One message for the three amounts, and the caret stays where the user left it.
    const QString invalid = tr("应纳税额数据无效，请重新输入。");
    const auto onceIncome = ReadAmount(TxtOnceIncome);
    if (!onceIncome)
        return MsgBox::Show(this, invalid);
    const auto fiveGolds = ReadAmount(TxtFiveGolds);
    if (!fiveGolds)
        return MsgBox::Show(this, invalid);
    const auto averageWage = ReadAmount(TxtAverageWage);
    if (!averageWage)
        return MsgBox::Show(this, invalid);

    const int years = CmbYears->currentIndex() + 1;
    const TMakeUpInfo info = TMakeUpManager::Calc(*onceIncome, *averageWage, *fiveGolds, years);
    if (TMakeUpManager::IsTaxFree(info.OnceIncome, info.AverageWage))
        ShowTaxFree(info);
    else if (!TMakeUpManager::HasMonthTaxableIncome(info))
        // The contributions take up the yearly excess: refused as the wage page refuses an income
        // at or below its start point, with no negative amount shown.
        ReportInline(TxtMsgIncome, tr("应纳税所得额小于或等于0，不必纳税。"), TxtOnceIncome);
    else
        ShowTaxed(info);
}

void TFrmMakeUp::ShowTaxFree(const TMakeUpInfo &Info) {
    const QString zero = tr("0.00元");
    TxtMonthTaxbaleIncome->setText(zero);
    TxtMonthTax->setText(zero);
    ShowResult(TxtTotalTax, zero);
    ShowResult(TxtTotalIncomeAfterTax, General(Info.OnceIncome));
}

void TFrmMakeUp::ShowTaxed(const TMakeUpInfo &Info) {
    TxtMonthTaxbaleIncome->setText(tr("%1 ＝(%2 － 3 × %3)/%4 －%5")
                                       .arg(General(Info.MonthTaxableIncome),
                                            General(Info.OnceIncome), General(Info.AverageWage),
                                            QString::number(Info.Years), General(Info.FiveGolds)));
    TxtMonthTax->setText(tr("%1 ＝%2 × %3 －%4")
                             .arg(General(Info.MonthTax), General(Info.MonthTaxableIncome),
                                  General(Info.Rate), General(Info.Deduct)));
    ShowResult(TxtTotalTax, General(Info.TotalTax));
    ShowResult(TxtTotalIncomeAfterTax, General(Info.IncomeAfterTax));
}

void TFrmMakeUp::BtnResetClick() {
    ClearMessages({TxtMsgIncome});
    TxtOnceIncome->clear();
    TxtOnceIncome->setFocus(Qt::OtherFocusReason);
    TxtAverageWage->clear();
    TxtFiveGolds->clear();
    CmbYears->setCurrentIndex(0);
    TxtMonthTaxbaleIncome->setText(QStringLiteral("0.00"));
    TxtMonthTax->setText(QStringLiteral("0.00"));
    TxtTotalTax->clear();
    TxtTotalIncomeAfterTax->clear();
}
