#include "pages/UFrmCompany.h"

#include "engine/UCompanyManager.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int MaxMonths = 12;

} // namespace

TFrmCompany::TFrmCompany(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(905, 617), Parent) {
    BuildInputs();
    BuildResults();
    RightPicture(QStringLiteral("ImgRates"), 30, QSize(372, 197),
                 QStringLiteral(":/pictures/company_illustration.png"), 33);
    RightGroup(tr("计算方法"), 253, QSize(370, 244),
               QStringLiteral(":/pictures/company_method.png"), 35);
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax, BtnCopyTax, BtnCopyIncome,
                 CmbMonths});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCompany::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCompany::BtnResetClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmCompany::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入总额： "), QStringLiteral("TxtIncome"), 30, 20, 198);
    TxtMsgIncome = MsgLabel(QStringLiteral("TxtMsgIncome"), tr("收入总额"), 237, 43, 250);
    BuildMonths();
    Note(tr("注：经营时间的选择，一个纳税年度用12个月来表示，当前每月减除必要费用为%1元。")
             .arg(TCompanyManager::MonthlyDeduct),
         30, 140);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 176);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 176);
}

void TFrmCompany::BuildMonths() {
    QLabel *caption = Caption(tr("经营时间："), 30, 85);
    CmbMonths = new QComboBox(Client());
    CmbMonths->setObjectName(QStringLiteral("CmbMonths"));
    CmbMonths->setEditable(false);
    for (int month = 1; month <= MaxMonths; ++month)
        CmbMonths->addItem(QString::number(month));
    CmbMonths->setMaxVisibleItems(MaxMonths);
    CmbMonths->setGeometry(32, 104, 113, 24);
    caption->setBuddy(CmbMonths);
    Describe(CmbMonths, caption->text());
    Caption(tr("个月"), 149, 106, false);
}

void TFrmCompany::BuildResults() {
    Heading(tr("详细计算结果："), 30, 227);
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 30, 263, 93);
    TxtMonths =
        ResultLabel(QStringLiteral("TxtMonths"), tr("经营时间："), tr("0个月"), 30, 283, 93);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 30, 304, 93);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 30, 326, 93);
    TxtDeduct = ResultLabel(QStringLiteral("TxtDeduct"), tr("速算扣除数："), zero, 30, 348, 93);
    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 45, 384);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 380);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 420);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 256, 417);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

// The list offers exactly 1 to 12; should nothing be selected, the first item is meant.
int TFrmCompany::SelectedMonths() const {
    return std::clamp(CmbMonths->currentIndex() + 1, 1, MaxMonths);
}

void TFrmCompany::BtnCalcClick() {
    TxtMsgIncome->clear();
    const int months = SelectedMonths();
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportInline(TxtMsgIncome, tr("收入金额数据无效，请重新输入。"), TxtIncome);

    const TCompanyInfo info = TCompanyManager::Calc(months, *income);
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    TxtIncome2->setText(General(info.Income));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtRate->setText(Percent(info.Rate));
    TxtDeduct->setText(Yuan(info.Deduct));
    TxtMonths->setText(tr("%1个月").arg(info.Months));
    FocusAndSelect(TxtIncome);
}

// The message beside the income is left as it is: it goes at the next calculation.
void TFrmCompany::BtnResetClick() {
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    TxtIncome2->setText(tr("0.00元"));
    TxtTaxableIncome->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtDeduct->setText(tr("0.00元"));
    TxtMonths->setText(tr("0个月"));
    TxtIncome->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
    CmbMonths->setCurrentIndex(0);
}
