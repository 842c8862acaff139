#include "pages/UFrmTransfer.h"

#include "engine/UTransferManager.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The page has always used this one text for each of its three inputs.
QString TFrmTransfer::InvalidMessage() {
    return tr("应纳税额数据无效，请重新输入。");
}

TFrmTransfer::TFrmTransfer(QWidget *Parent)
    : TCalcPage(staticMetaObject, QSize(1011, 662), Parent) {
    BuildInputs();
    BuildResults();
    RightGroup(tr("计算方法"), 30, QSize(370, 139),
               QStringLiteral(":/pictures/transfer_method.png"), 41);
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtOriginal, TxtExpense, BtnCalc, BtnReset, TxtTax, TxtIncomeAfterTax,
                 BtnCopyTax, BtnCopyIncome});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmTransfer::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmTransfer::BtnResetClick);
    for (QLineEdit *input : {TxtIncome, TxtOriginal, TxtExpense})
        OnEnter(input, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmTransfer::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入金额：  "), QStringLiteral("TxtIncome"), 30, 20, 198);
    TxtOriginal = LabelledEdit(tr("财产原值：  "), QStringLiteral("TxtOriginal"), 30, 84, 198);
    Note(tr("注：请输入财产原来的价值金额。"), 30, 133);
    TxtExpense = LabelledEdit(tr("有关税费："), QStringLiteral("TxtExpense"), 30, 162, 198);
    Note(tr("注：请输入已按相关规定支付的有关税费金额。"), 30, 219);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 247);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 338, 247);
}

void TFrmTransfer::BuildResults() {
    Heading(tr("详细计算结果："), 30, 281);
    const QString zero = tr("0.00元");
    TxtIncome2 = ResultLabel(QStringLiteral("TxtIncome2"), tr("收入金额："), zero, 30, 321, 93);
    TxtOriginal2 = ResultLabel(QStringLiteral("TxtOriginal2"), tr("财产原值："), zero, 30, 345, 93);
    TxtExpense2 = ResultLabel(QStringLiteral("TxtExpense2"), tr("有关税费："), zero, 30, 369, 93);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 30, 392, 93);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 30, 416, 93);
    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 45, 445);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 257, 441);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 45, 481);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 256, 478);
}

void TFrmTransfer::BtnCalcClick() {
    const auto income = ReadAmount(TxtIncome);
    if (!income)
        return ReportBox(InvalidMessage(), TxtIncome);
    const auto original = ReadAmount(TxtOriginal);
    if (!original)
        return ReportBox(InvalidMessage(), TxtOriginal);
    const auto expense = ReadAmount(TxtExpense);
    if (!expense)
        return ReportBox(InvalidMessage(), TxtExpense);

    const TTransferInfo info = TTransferManager::Calc(*income, *original, *expense);
    TxtOriginal2->setText(Yuan(info.Original));
    TxtExpense2->setText(Yuan(info.Expense));
    TxtIncome2->setText(Yuan(info.Income));
    TxtTaxableIncome->setText(Yuan(info.TaxableIncome));
    TxtRate->setText(Percent(info.Rate));
    ShowResult(TxtTax, General(info.Tax));
    ShowResult(TxtIncomeAfterTax, General(info.IncomeAfterTax));
    FocusAndSelect(TxtIncome);
}

void TFrmTransfer::BtnResetClick() {
    for (QLabel *label : {TxtOriginal2, TxtExpense2, TxtIncome2, TxtTaxableIncome})
        label->setText(tr("0.00元"));
    TxtRate->setText(QStringLiteral("0%"));
    for (QLineEdit *edit : {TxtTax, TxtIncomeAfterTax, TxtExpense, TxtOriginal, TxtIncome})
        edit->clear();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
