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
    RightGroup(QStringLiteral("计算方法"), 253, QSize(370, 244),
               QStringLiteral(":/pictures/company_method.png"), 35);
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax, BtnCopyTax, BtnCopyIncome,
                 CmbMonths});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCompany::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCompany::BtnResetClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
}

void TFrmCompany::BuildInputs() {
    TxtIncome =
        LabelledEdit(QStringLiteral("收入总额： "), QStringLiteral("TxtIncome"), 30, 20, 198);
    TxtMsgIncome =
        MsgLabel(QStringLiteral("TxtMsgIncome"), QStringLiteral("收入总额"), 237, 43, 250);
    BuildMonths();
    Note(QStringLiteral(
             "注：经营时间的选择，一个纳税年度用12个月来表示，当前每月减除必要费用为%1元。")
             .arg(TCompanyManager::MonthlyDeduct),
         30, 140);
    BtnCalc = Button(QStringLiteral("BtnCalc"), QStringLiteral("开始计算"), 257, 176);
    BtnReset = Button(QStringLiteral("BtnReset"), QStringLiteral("重置"), 340, 176);
}

void TFrmCompany::BuildMonths() {
    QLabel *caption = Caption(QStringLiteral("经营时间："), 30, 85);
    CmbMonths = new QComboBox(Client());
    CmbMonths->setObjectName(QStringLiteral("CmbMonths"));
    CmbMonths->setEditable(false);
    for (int month = 1; month <= MaxMonths; ++month)
        CmbMonths->addItem(QString::number(month));
    CmbMonths->setMaxVisibleItems(MaxMonths);
    CmbMonths->setGeometry(32, 104, 113, 24);
    caption->setBuddy(CmbMonths);
    Describe(CmbMonths, caption->text());
    Caption(QStringLiteral("个月"), 149, 106, false);
}

void TFrmCompany::BuildResults() {
    Heading(QStringLiteral("详细计算结果："), 30, 227);
    const QString zero = QStringLiteral("0.00元");
    TxtIncome2 =
        ResultLabel(QStringLiteral("TxtIncome2"), QStringLiteral("收入金额："), zero, 30, 263, 93);
    TxtMonths = ResultLabel(QStringLiteral("TxtMonths"), QStringLiteral("经营时间："),
                            QStringLiteral("0个月"), 30, 283, 93);
    TxtTaxableIncome = ResultLabel(QStringLiteral("TxtTaxableIncome"),
                                   QStringLiteral("应纳税所得额："), zero, 30, 304, 93);
    TxtRate = ResultLabel(QStringLiteral("TxtRate"), QStringLiteral("适用税率："),
                          QStringLiteral("0%"), 30, 326, 93);
    TxtDeduct =
        ResultLabel(QStringLiteral("TxtDeduct"), QStringLiteral("速算扣除数："), zero, 30, 348, 93);
    TxtTax = ResultEdit(QStringLiteral("应纳税额："), QStringLiteral("TxtTax"), 45, 384);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 380);
    TxtIncomeAfterTax =
        ResultEdit(QStringLiteral("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 420);
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
        return ReportInline(TxtMsgIncome, QStringLiteral("收入金额数据无效，请重新输入。"),
                            TxtIncome);

    const TCompanyInfo info = TCompanyManager::Calc(months, *income);
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    TxtIncome2->setText(General(info.Income));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtRate->setText(Percent(info.Rate));
    TxtDeduct->setText(Yuan(info.Deduct));
    TxtMonths->setText(QString::number(info.Months) + QStringLiteral("个月"));
    FocusAndSelect(TxtIncome);
}

// The message beside the income is left as it is: it goes at the next calculation.
void TFrmCompany::BtnResetClick() {
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    TxtIncome2->setText(QStringLiteral("0.00元"));
    TxtTaxableIncome->setText(QStringLiteral("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtDeduct->setText(QStringLiteral("0.00元"));
    TxtMonths->setText(QStringLiteral("0个月"));
    TxtIncome->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
    CmbMonths->setCurrentIndex(0);
}
