#include "pages/UFrmCurSettle.h"

#include "common/UDesktopHabits.h"
#include "common/UFileManager.h"
#include "common/ULawText.h"
#include "common/UUtils.h"
#include "engine/current/Deductions.h"
#include "pages/UFrmCurDeductions.h"
#include "pages/UScrollColumn.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

using current::Cents;
using current::FilingReason;

TFrmCurSettle::TFrmCurSettle(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addWidget(BuildInputColumn());
    columns->addWidget(BuildResultTabs(), 1);
    Body()->addLayout(columns, 1);

    SetFirstInput(TxtWages);
    SetTabOrder({TxtWages, TxtLabour, TxtAuthor, TxtRoyalty, TxtExempt, TxtInsurance, TxtSpecial,
                 BtnDeductions, TxtPension, TxtHealth, TxtOther, TxtBonus, RBtnSeparate, RBtnMerged,
                 TxtWithheld, BtnCalc, BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurSettle::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurSettle::BtnResetClick);
    connect(BtnDeductions, &QPushButton::clicked, this, &TFrmCurSettle::BtnDeductionsClick);
    for (QLineEdit *edit : Inputs())
        OnEnter(edit, [this] { BtnCalcClick(); });
    RBtnSeparate->setChecked(true);
    ClearResults();
}

QList<QLineEdit *> TFrmCurSettle::Inputs() const {
    return {TxtWages,   TxtLabour,  TxtAuthor, TxtRoyalty, TxtExempt, TxtInsurance,
            TxtSpecial, TxtPension, TxtHealth, TxtOther,   TxtBonus,  TxtWithheld};
}

QWidget *TFrmCurSettle::BuildInputColumn() {
    QFormLayout *form = NewForm();
    TxtWages = AddInputRow(form, QStringLiteral("TxtWages"), tr("全年工资薪金："));
    TxtWages->setToolTip(tr("全年工资薪金收入，不含全年一次性奖金"));
    TxtLabour = AddInputRow(form, QStringLiteral("TxtLabour"), tr("全年劳务报酬："));
    TxtAuthor = AddInputRow(form, QStringLiteral("TxtAuthor"), tr("全年稿酬："));
    TxtRoyalty = AddInputRow(form, QStringLiteral("TxtRoyalty"), tr("全年特许权使用费："));
    TxtExempt = AddInputRow(form, QStringLiteral("TxtExempt"), tr("全年免税收入："));
    TxtInsurance = AddInputRow(form, QStringLiteral("TxtInsurance"), tr("全年三险一金："));
    TxtSpecial = SpecialRow(form);
    TxtPension = AddInputRow(form, QStringLiteral("TxtPension"), tr("全年个人养老金："));
    const current::YearRules &rules = current::LatestRules();
    TxtPension->setToolTip(tr("每年最多扣除%1元").arg(LawText::Amount(rules.PensionCap)));
    TxtHealth = AddInputRow(form, QStringLiteral("TxtHealth"), tr("全年商业健康保险："));
    TxtHealth->setToolTip(tr("每年最多扣除%1元").arg(LawText::Amount(rules.HealthAnnual)));
    TxtOther = AddInputRow(form, QStringLiteral("TxtOther"), tr("全年其他扣除："));
    TxtBonus = AddInputRow(form, QStringLiteral("TxtBonus"), tr("全年一次性奖金："));

    RBtnSeparate = new QRadioButton(tr("单独计税"), Client());
    RBtnSeparate->setObjectName(QStringLiteral("RBtnSeparate"));
    Describe(RBtnSeparate, RBtnSeparate->text());
    RBtnMerged = new QRadioButton(tr("并入综合所得"), Client());
    RBtnMerged->setObjectName(QStringLiteral("RBtnMerged"));
    Describe(RBtnMerged, RBtnMerged->text());
    auto *methods = new QHBoxLayout;
    methods->addWidget(RBtnSeparate);
    methods->addWidget(RBtnMerged);
    methods->addStretch();
    form->addRow(tr("奖金计税方式："), methods);
    TxtWithheld = AddInputRow(form, QStringLiteral("TxtWithheld"), tr("全年已预缴税额："));

    QVBoxLayout *column = InputColumn(form, tr("输入"));
    column->addWidget(GreyNote(tr("工资薪金和已预缴税额必填，其余不填的按0计算。")));
    column->addStretch();
    return ScrollColumn(column, Client(), QStringLiteral("ScrollInputs"));
}

// The special deductions with the button beside them that fills them from the dialog.
QLineEdit *TFrmCurSettle::SpecialRow(QFormLayout *Form) {
    const QString caption = tr("全年专项附加扣除：");
    QLineEdit *edit = AmountEdit(QStringLiteral("TxtSpecial"), 0, 0, TxtWages->minimumWidth());
    edit->setMinimumWidth(TxtWages->minimumWidth());
    Describe(edit, caption);
    edit->setToolTip(tr("子女教育、婴幼儿照护、赡养老人、住房贷款利息或住房租金、"
                        "继续教育和大病医疗的全年合计"));
    BtnDeductions = FlowButton(QStringLiteral("BtnDeductions"), tr("填入..."));
    BtnDeductions->setAccessibleName(tr("从专项附加扣除设置填入"));
    BtnDeductions->setToolTip(tr("打开专项附加扣除设置，确定后按全年数额填入专项附加扣除、"
                                 "个人养老金和商业健康保险"));
    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(BtnDeductions);
    row->addStretch();
    Form->addRow(caption, row);
    return edit;
}

// The dialog keeps the choices in the parameter file and closes as confirmed only once they are
// written there, so what it confirmed is read back from the file. The settlement takes the
// year's amounts: the monthly items twelve times, the continuing education certificate and
// serious illness once, and the pension and health insurance in their own fields, where their
// caps apply.
void TFrmCurSettle::BtnDeductionsClick() {
    TFrmCurDeductions dialog(this);
    connect(&dialog, &QDialog::accepted, this, [this] {
        const auto saved = TFileManager::ReadDeductions();
        if (!saved)
            return;
        const current::DeductionAmounts year = current::DeductionsOf(*saved);
        const Cents healthYear = year.HealthInsurance * 12;
        ShowResult(TxtSpecial, Amount(year.Annual - year.Pension - healthYear));
        ShowResult(TxtPension, Amount(year.Pension));
        ShowResult(TxtHealth, Amount(healthYear));
    });
    dialog.exec();
    FocusAndSelect(TxtSpecial);
}

// The results and the calculation method share the right-hand side, the results in front.
QWidget *TFrmCurSettle::BuildResultTabs() {
    TabsRight = new QTabWidget(Client());
    TabsRight->setObjectName(QStringLiteral("TabsRight"));

    QFormLayout *form = NewForm();
    TxtIncomeAmount = AddResultRow(form, QStringLiteral("TxtIncomeAmount"), tr("综合所得收入额："));
    TxtDeductions = AddResultRow(form, QStringLiteral("TxtDeductions"), tr("扣除合计："));
    TxtTaxable = AddResultRow(form, QStringLiteral("TxtTaxable"), tr("应纳税所得额："));
    TxtRate = AddResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtQuickDeduction = AddResultRow(form, QStringLiteral("TxtQuickDeduction"), tr("速算扣除数："));
    TxtTax = AddResultRow(form, QStringLiteral("TxtTax"), tr("综合所得应纳税额："));
    TxtBonusTax = AddResultRow(form, QStringLiteral("TxtBonusTax"), tr("年终奖单独计税税额："));
    TxtTotalTax = AddResultRow(form, QStringLiteral("TxtTotalTax"), tr("应纳税额合计："));
    TxtWithheldShown = AddResultRow(form, QStringLiteral("TxtWithheldShown"), tr("已预缴税额："));
    TxtBalance = BalanceRow(form);

    auto *results = new QVBoxLayout;
    results->addLayout(form);
    TxtFiling = new QLabel(Client());
    TxtFiling->setObjectName(QStringLiteral("TxtFiling"));
    TxtFiling->setWordWrap(true);
    TxtFiling->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = TxtFiling->font();
    bold.setBold(true);
    TxtFiling->setFont(bold);
    Describe(TxtFiling, tr("是否需要办理年度汇算"));
    results->addWidget(TxtFiling);
    TxtReason = new QLabel(Client());
    TxtReason->setObjectName(QStringLiteral("TxtReason"));
    TxtReason->setWordWrap(true);
    TxtReason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Describe(TxtReason, tr("办理原因"));
    results->addWidget(TxtReason);
    results->addWidget(GreyNote(tr("年度汇算的办理时间为次年%1至%2，可通过个人所得税"
                                   "App或网站自行办理，也可以委托单位或他人办理。")
                                    .arg(LawText::Day(current::Law::SettlementFrom),
                                         LawText::Day(current::Law::SettlementUntil))));
    results->addStretch();
    TabsRight->addTab(ScrollColumn(results, TabsRight, QStringLiteral("ScrollResults")),
                      tr("计算结果"));

    auto *method = new QVBoxLayout;
    method->addWidget(MethodGroup(QStringLiteral(":/pictures/cursettle_method.png")));
    method->addStretch();
    TabsRight->addTab(ScrollColumn(method, TabsRight, QStringLiteral("ScrollMethod")),
                      tr("计算方法"));
    return TabsRight;
}

// The balance's caption says which way it goes, so the row is built with a caption of its own.
QLineEdit *TFrmCurSettle::BalanceRow(QFormLayout *Form) {
    LblBalance = new QLabel(Client());
    LblBalance->setObjectName(QStringLiteral("LblBalance"));
    QFont bold = LblBalance->font();
    bold.setBold(true);
    LblBalance->setFont(bold);
    auto *edit = new QLineEdit(Client());
    edit->setObjectName(QStringLiteral("TxtBalance"));
    edit->setReadOnly(true);
    edit->setMinimumWidth(TxtTotalTax->minimumWidth());
    edit->setFont(bold);
    DesktopHabits::TipWhenClipped(edit);
    CopyBalance = FlowButton(QStringLiteral("CopyTxtBalance"), tr("复制"));
    QPushButton *copy = CopyBalance;
    connect(copy, &QPushButton::clicked, this, [edit] { TUtils::CopyToClipboard(edit->text()); });
    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(copy);
    row->addStretch();
    Form->addRow(LblBalance, row);
    TxtBalance = edit;
    return edit;
}

void TFrmCurSettle::ShowBalanceCaption(const QString &CaptionText) {
    LblBalance->setText(CaptionText);
    Describe(LblBalance, CaptionText);
    Describe(TxtBalance, CaptionText);
    CopyBalance->setAccessibleName(tr("复制") + TxtBalance->accessibleName());
}

std::optional<current::SettlementInput> TFrmCurSettle::ReadYear() {
    current::SettlementInput year;
    const struct {
        QLineEdit *Edit;
        Cents *Field;
        bool Required;
    } fields[] = {{TxtWages, &year.Wages, true},      {TxtLabour, &year.Labour, false},
                  {TxtAuthor, &year.Author, false},   {TxtRoyalty, &year.Royalty, false},
                  {TxtExempt, &year.Exempt, false},   {TxtInsurance, &year.Insurance, false},
                  {TxtSpecial, &year.Special, false}, {TxtPension, &year.Pension, false},
                  {TxtHealth, &year.Health, false},   {TxtOther, &year.Other, false},
                  {TxtBonus, &year.Bonus, false},     {TxtWithheld, &year.Withheld, true}};
    for (const auto &field : fields) {
        const auto value = field.Required ? ReadCents(field.Edit) : ReadOptionalCents(field.Edit);
        if (!value) {
            // The edit's accessible name is its caption: 全年工资薪金 and so on.
            ReportInline(TxtMsgInput, field.Edit->accessibleName() + tr("数据无效，请重新输入。"),
                         field.Edit);
            return std::nullopt;
        }
        *field.Field = *value;
    }
    // Tax-free income is a part of the income, never more than all of it.
    if (year.Exempt > year.Wages + year.Labour + year.Author + year.Royalty) {
        ReportInline(TxtMsgInput, tr("全年免税收入不能大于全年收入合计，请重新输入。"), TxtExempt);
        return std::nullopt;
    }
    year.Method =
        RBtnMerged->isChecked() ? current::BonusMethod::Merged : current::BonusMethod::Separate;
    return year;
}

void TFrmCurSettle::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto year = ReadYear();
    if (!year)
        return;
    ShowSettlement(current::Settle(*year));
    TabsRight->setCurrentIndex(0);
    FocusAndSelect(TxtWages);
}

void TFrmCurSettle::ShowSettlement(const current::Settlement &Result) {
    ShowResult(TxtIncomeAmount, Amount(Result.IncomeAmount));
    ShowResult(TxtDeductions, Amount(Result.Deductions));
    ShowResult(TxtTaxable, Amount(Result.Taxable));
    ShowResult(TxtRate, RatePercent(Result.Rate));
    ShowResult(TxtQuickDeduction, Amount(Result.QuickDeduction));
    ShowResult(TxtTax, Amount(Result.Tax));
    ShowResult(TxtBonusTax, Amount(Result.BonusTax));
    ShowResult(TxtTotalTax, Amount(Result.TotalTax));
    ShowResult(TxtWithheldShown, Amount(Result.Withheld));
    if (Result.Balance < 0)
        ShowBalanceCaption(tr("应退税额："));
    else if (Result.Balance > 0)
        ShowBalanceCaption(tr("应补税额："));
    else
        ShowBalanceCaption(tr("应补（退）税额："));
    // The caption says the direction; the amount is shown without a sign.
    ShowResult(TxtBalance, Amount(Result.Balance < 0 ? -Result.Balance : Result.Balance));
    TxtFiling->setText(FilingHeadline(Result));
    TxtFiling->setStyleSheet(Result.MustFile ? QStringLiteral("color: red;") : QString());
    TxtReason->setText(ReasonSentence(Result));
}

QString TFrmCurSettle::FilingHeadline(const current::Settlement &Result) {
    switch (Result.Reason) {
    case FilingReason::Refund:
        return tr("可以办理年度汇算申请退税");
    case FilingReason::None:
    case FilingReason::OweSmall:
    case FilingReason::IncomeLow:
        return tr("无需办理年度汇算");
    case FilingReason::Owe:
        break;
    }
    return tr("需要办理年度汇算");
}

QString TFrmCurSettle::ReasonSentence(const current::Settlement &Result) {
    switch (Result.Reason) {
    case FilingReason::Refund:
        return tr("已预缴税额比全年应纳税额多%1：可在次年%2至%3办理年度汇算申请退税；"
                  "放弃退税的，可以不办理。")
            .arg(AmountYuan(-Result.Balance), LawText::Day(current::Law::SettlementFrom),
                 LawText::Day(current::Law::SettlementUntil));
    case FilingReason::None:
        return tr("已预缴税额与全年应纳税额相等，既不需补税，也没有退税。");
    case FilingReason::OweSmall:
        return tr("需补税%1，不超过%2元，依规定无需办理年度汇算，也不必补缴。")
            .arg(AmountYuan(Result.Balance), LawText::Amount(current::LatestRules().SmallOwed));
    case FilingReason::IncomeLow:
        return tr("需补税%1，但全年综合所得收入不超过%2元，依规定无需办理年度汇算，也不必补缴。")
            .arg(AmountYuan(Result.Balance),
                 LawText::TenThousands(current::LatestRules().LowIncome));
    case FilingReason::Owe:
        break;
    }
    const current::YearRules &rules = current::LatestRules();
    return tr("需补税%1，超过%2元，且全年综合所得收入超过%3元：须在次年%4至%5"
              "办理年度汇算并补缴税款。")
        .arg(AmountYuan(Result.Balance), LawText::Amount(rules.SmallOwed),
             LawText::TenThousands(rules.LowIncome), LawText::Day(current::Law::SettlementFrom),
             LawText::Day(current::Law::SettlementUntil));
}

void TFrmCurSettle::ClearResults() {
    for (QLineEdit *edit : {TxtIncomeAmount, TxtDeductions, TxtTaxable, TxtRate, TxtQuickDeduction,
                            TxtTax, TxtBonusTax, TxtTotalTax, TxtWithheldShown, TxtBalance})
        edit->clear();
    ShowBalanceCaption(tr("应补（退）税额："));
    TxtFiling->clear();
    TxtFiling->setStyleSheet(QString());
    TxtReason->clear();
}

void TFrmCurSettle::BtnResetClick() {
    for (QLineEdit *edit : Inputs())
        edit->clear();
    RBtnSeparate->setChecked(true);
    ClearMessages({TxtMsgInput});
    ClearResults();
    TxtWages->setFocus(Qt::OtherFocusReason);
}
