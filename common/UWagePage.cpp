#include "common/UWagePage.h"

#include "engine/UTaxInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TWagePage::TWagePage(const QMetaObject &Page, QSize Size, QWidget *Parent)
    : TCalcPage(Page, Size, Parent) {}

void TWagePage::BuildInputs(const QString &GoldsCaption, const QString &GoldsText,
                            const QString &GoldsNote) {
    TxtIncome = LabelledEdit(tr("税前收入金额："), QStringLiteral("TxtIncome"), 20, 12);
    TxtMsgSalary = MsgLabel(QStringLiteral("TxtMsgSalary"), tr("税前收入金额"), 150, 38);
    Note(tr("注：工资薪金收入中，如果有免税的部份，请先扣除掉。"), 20, 64);
    TxtGolds = LabelledEdit(GoldsCaption, QStringLiteral("TxtGolds"), 20, 88, 121, GoldsText);
    TxtMsgGolds = MsgLabel(QStringLiteral("TxtMsgGolds"), TxtGolds->accessibleName(), 150, 114);
    Note(GoldsNote, 20, 140);
    RBtnChina = Radio(QStringLiteral("RBtnChina"), tr("国内人士"), 20, 164, true);
    RBtnForeign = Radio(QStringLiteral("RBtnForeign"), tr("外籍人士"), 110, 164, false);
    ChbAutoCalc = new QCheckBox(tr("自动计算"), Client());
    ChbAutoCalc->setObjectName(QStringLiteral("ChbAutoCalc"));
    ChbAutoCalc->move(200, 198);
    ChbAutoCalc->setVisible(false);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 20, 194);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 110, 194);
    connect(BtnReset, &QPushButton::clicked, this, &TWagePage::BtnResetClick);
}

void TWagePage::BuildResults(const QString &HeadingText) {
    Heading(HeadingText, 20, 236);
    const QString zero = tr("0元");
    TxtInfome2 = ResultLabel(QStringLiteral("TxtInfome2"), tr("收入金额："), zero, 20, 266);
    TxtGolds2 = ResultLabel(QStringLiteral("TxtGolds2"), tr("社保及公积金："), zero, 20, 288);
    TxtSP = ResultLabel(QStringLiteral("TxtSP"), tr("起征额："), zero, 20, 310);
    TxtTaxableIncome =
        ResultLabel(QStringLiteral("TxtTaxableIncome"), tr("应纳税所得额："), zero, 20, 332);
    TxtRate =
        ResultLabel(QStringLiteral("TxtRate"), tr("适用税率："), QStringLiteral("0%"), 20, 354);
    TxtDeduct = ResultLabel(QStringLiteral("TxtDeduct"), tr("速算扣除数："), zero, 20, 376);

    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 20, 406);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 230, 406);
    BtnAntiTax = Button(QStringLiteral("BtnAntiTax"), tr("反算"), 285, 408, 60);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 20, 442);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 230, 442);
    BtnAntiIncomeAfterTax =
        Button(QStringLiteral("BtnAntiIncomeAfterTax"), tr("反算"), 285, 444, 60);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

std::optional<double> TWagePage::ReadGolds(double Income) {
    const auto golds = ReadOptionalAmount(TxtGolds);
    if (!golds) {
        ReportInline(TxtMsgGolds, tr("社保及公积金数据无效，请重新输入。"), TxtGolds);
    } else if (*golds > Income) {
        ReportInline(TxtMsgGolds, tr("社保及公积金不能比收入金额大，请重新输入。"), TxtGolds);
    } else if (*golds < 0) {
        ReportInline(TxtMsgGolds, tr("社保及公积金不能小于0元，请重新输入。"), TxtGolds);
    } else {
        return golds;
    }
    return std::nullopt;
}

void TWagePage::ShowResults(const TTaxInfo &Info, const QString &StartPoint) {
    TxtInfome2->setText(Yuan(Info.Income));
    TxtGolds2->setText(Yuan(Info.Golds));
    TxtSP->setText(StartPoint);
    TxtTaxableIncome->setText(Yuan(Info.TaxableIncome));
    TxtRate->setText(Percent(Info.Rate));
    TxtDeduct->setText(Yuan(Info.Deduct));
    ShowResult(TxtTax, General(Info.Tax));
    ShowResult(TxtIncomeAfterTax, General(Info.IncomeAfterTax));
    FocusAndSelect(TxtIncome);
}

void TWagePage::BtnResetClick() {
    ClearMessages({TxtMsgSalary, TxtMsgGolds});
    TxtIncome->clear();
    TxtGolds->clear();
    for (QLabel *label : {TxtInfome2, TxtGolds2, TxtSP, TxtTaxableIncome, TxtDeduct})
        label->setText(tr("0元"));
    TxtRate->setText(QStringLiteral("0%"));
    TxtTax->clear();
    TxtIncomeAfterTax->clear();
    RBtnChina->setChecked(true);
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
