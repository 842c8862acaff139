#include "pages/UFrmLateFee.h"

#include "engine/ULateFeeManager.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace {

// The date the pickers show on a new page.
const QDate StoredDate(2011, 10, 21);

} // namespace

TFrmLateFee::TFrmLateFee(QWidget *Parent) : TCalcPage(staticMetaObject, QSize(960, 499), Parent) {
    BuildInputs();
    BuildResults();
    RightGroup(tr("计算方法"), 30, QSize(370, 116), QStringLiteral(":/pictures/latefee_method.png"),
               32);
    SetFirstInput(TxtTax);
    SetTabOrder({TxtTax, dtpStart, dtpEnd, TxtDays, BtnCalc, BtnReset, TxtLateFee, TxtTotal,
                 BtnCopyLateFee, BtnCopyTotal});

    connect(BtnCalc, &QPushButton::clicked, this, &TFrmLateFee::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmLateFee::BtnResetClick);
    connect(dtpStart, &QDateEdit::dateChanged, this, &TFrmLateFee::dtpStartChange);
    connect(dtpEnd, &QDateEdit::dateChanged, this, &TFrmLateFee::dtpStartChange);
    OnEnter(TxtTax, [this] { BtnCalcClick(); });
    OnEnter(TxtDays, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmLateFee::BuildInputs() {
    Caption(tr("应缴税额：  "), 30, 17);
    TxtTax = AmountEdit(QStringLiteral("TxtTax"), 30, 33, 198);
    Describe(TxtTax, tr("应缴税额："));
    TxtMsgIncome = MsgLabel(QStringLiteral("TxtMsgIncome"), tr("应缴税额"), 237, 43, 280);
    Note(tr("注：自2001年5 月1日起，滞纳金加征率为0.05%，即万分之五。"), 30, 66);
    Caption(tr("届满日期：  "), 30, 95);
    Caption(tr("实缴日期：  "), 166, 95);
    dtpStart = DatePicker(QStringLiteral("dtpStart"), 30, 112);
    Describe(dtpStart, tr("届满日期："));
    dtpEnd = DatePicker(QStringLiteral("dtpEnd"), 167, 112);
    Describe(dtpEnd, tr("实缴日期："));
    Caption(tr("滞纳天数：  "), 30, 152);
    TxtDays = AmountEdit(QStringLiteral("TxtDays"), 30, 171, 198, QStringLiteral("0"));
    Describe(TxtDays, tr("滞纳天数："));
    Note(tr("注：滞纳天数可由上面日期选择自动计算，也可以手动输入。"), 30, 203);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 257, 229);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 340, 229);
}

QDateEdit *TFrmLateFee::DatePicker(const QString &Name, int X, int Y) {
    auto *picker = new QDateEdit(StoredDate, Client());
    picker->setObjectName(Name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(tr("yyyy年MM月dd日"));
    QFont font = picker->font();
    font.setPixelSize(11); // the whole date fits the picker's fixed width
    picker->setFont(font);
    picker->setGeometry(X, Y, 121, 24);
    return picker;
}

void TFrmLateFee::BuildResults() {
    Heading(tr("详细计算结果："), 30, 265);
    TxtTax2 = ResultLabel(QStringLiteral("TxtTax2"), tr("应缴税额：  "), tr("0.00元"), 30, 301, 93);
    TxtDays2 = ResultLabel(QStringLiteral("TxtDays2"), tr("滞纳天数："), tr("0天"), 30, 324, 93);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("滞纳金率："), QStringLiteral("0%"), 30, 346, 93);
    TxtLateFee = ResultEdit(tr("滞纳金额："), QStringLiteral("TxtLateFee"), 45, 374);
    BtnCopyLateFee = CopyButton(QStringLiteral("BtnCopyLateFee"), TxtLateFee, 257, 370);
    TxtTotal = ResultEdit(tr("金额合计："), QStringLiteral("TxtTotal"), 45, 410);
    BtnCopyTotal = CopyButton(QStringLiteral("BtnCopyTotal"), TxtTotal, 256, 407);
}

std::optional<int32_t> TFrmLateFee::ParseDays(const QString &Text) {
    bool ok = false;
    const qlonglong days = Text.trimmed().toLongLong(&ok, 10);
    if (!ok || days < std::numeric_limits<int32_t>::min() ||
        days > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(days);
}

void TFrmLateFee::dtpStartChange() {
    ShowResult(TxtDays, QString::number(dtpStart->date().daysTo(dtpEnd->date())));
}

void TFrmLateFee::BtnCalcClick() {
    ClearMessages({TxtMsgIncome});
    const auto tax = ReadAmount(TxtTax);
    if (!tax)
        return ReportInline(TxtMsgIncome, tr("应纳税额数据无效，请重新输入。"), TxtTax);
    const auto days = ParseDays(TxtDays->text());
    if (!days)
        return ReportInline(TxtMsgIncome, tr("滞纳天数数据无效，请重新输入。"), TxtDays);
    // A payment date before the due date gives a negative count, which owes no fee.
    if (*days < 0)
        return ReportInline(TxtMsgIncome, tr("滞纳天数不能小于0，请重新输入。"), TxtDays);

    const TLateFeeInfo info = TLateFeeManager::Calc(*days, *tax);
    ShowResult(TxtLateFee, General(info.LateFee));
    ShowResult(TxtTotal, General(info.Total));
    TxtDays2->setText(tr("%1天").arg(info.Days));
    TxtTax2->setText(Yuan(info.Tax));
    TxtRate->setText(Percent(info.Rate));
    FocusAndSelect(TxtTax);
}

void TFrmLateFee::BtnResetClick() {
    TxtTax->clear();
    TxtTax->setFocus(Qt::OtherFocusReason);
    dtpStart->setDate(QDate::currentDate());
    dtpEnd->setDate(QDate::currentDate());
    TxtDays->setText(QStringLiteral("0"));
    TxtDays2->setText(tr("0天"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtTotal->clear();
    TxtLateFee->clear();
    TxtTax2->setText(tr("0.00元"));
}
