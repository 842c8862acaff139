#include "pages/UFrmCurSettle.h"

#include "common/UDeductionsDialog.h"
#include "common/UDesktopHabits.h"
#include "common/UKeptWage.h"
#include "common/ULawText.h"
#include "common/UOpenYear.h"
#include "common/UScrollColumn.h"
#include "common/USettlementSentences.h"
#include "common/UUtils.h"
#include "common/UYearLink.h"
#include "engine/current/RulesInUse.h"
#include "sheets/Captions.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using current::BonusMethod;
using current::Cents;

TFrmCurSettle::TFrmCurSettle(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addWidget(BuildInputColumn());
    columns->addWidget(BuildResultTabs(), 1);
    Body()->addLayout(columns, 1);

    SetFirstInput(TxtWages);
    SetTabOrder({BtnFromYear, TxtWages,     BtnFromWage,  TxtLabour,   TxtAuthor,
                 TxtRoyalty,  TxtExempt,    TxtInsurance, TxtSpecial,  BtnDeductions,
                 TxtPension,  TxtHealth,    TxtOther,     TxtDonation, TxtDonationFull,
                 TxtBonus,    RBtnSeparate, RBtnMerged,   TxtWithheld, ChkUnwithheld,
                 BtnCalc,     BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurSettle::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurSettle::BtnResetClick);
    connect(BtnDeductions, &QPushButton::clicked, this, &TFrmCurSettle::BtnDeductionsClick);
    connect(BtnFromWage, &QPushButton::clicked, this, &TFrmCurSettle::BtnFromWageClick);
    RBtnSeparate->setChecked(true);
    ShowMethodsOf(current::LatestRulesInUse());
    for (QLineEdit *edit : Inputs()) {
        OnEnter(edit, [this] { BtnCalcClick(); });
        connect(edit, &QLineEdit::textChanged, this, &TFrmCurSettle::InputChanged);
    }
    connect(RBtnMerged, &QRadioButton::toggled, this, &TFrmCurSettle::InputChanged);
    connect(ChkUnwithheld, &QCheckBox::toggled, this, &TFrmCurSettle::InputChanged);
    ClearResults();
    YearLink->Watch({TxtWages, TxtLabour, TxtAuthor, TxtRoyalty, TxtExempt, TxtInsurance,
                     TxtSpecial, TxtPension, TxtHealth, TxtOther, TxtDonation, TxtDonationFull,
                     TxtBonus, TxtWithheld});
    YearLink->Watch({RBtnSeparate, RBtnMerged, ChkUnwithheld});
    KeepState(
        QStringLiteral("Year"), [link = YearLink] { return link->Saved(); },
        [link = YearLink](const QVariant &Value) { link->Restore(Value); });
    YearLink->Fill();
}

void TFrmCurSettle::FillFromYear() {
    const current::YearSettlement &year = TOpenYear::Instance().Result().Settled;
    const current::SettlementInput &in = year.Input;
    const struct {
        QLineEdit *Edit;
        Cents Amount;
    } fills[] = {
        {TxtWages, in.Wages},     {TxtLabour, in.Labour},      {TxtAuthor, in.Author},
        {TxtRoyalty, in.Royalty}, {TxtExempt, in.Exempt},      {TxtInsurance, in.Insurance},
        {TxtSpecial, in.Special}, {TxtPension, in.Pension},    {TxtHealth, in.Health},
        {TxtOther, in.Other},     {TxtDonation, in.Donations}, {TxtDonationFull, in.DonationsFull},
        {TxtBonus, in.Bonus},     {TxtWithheld, in.Withheld}};
    (year.Method == BonusMethod::Merged ? RBtnMerged : RBtnSeparate)->setChecked(true);
    ChkUnwithheld->setChecked(false);
    for (const auto &fill : fills)
        ShowResult(fill.Edit, Amount(fill.Amount));
}

QList<QLineEdit *> TFrmCurSettle::Inputs() const {
    return {TxtWages,     TxtLabour,       TxtAuthor,  TxtRoyalty, TxtExempt,
            TxtInsurance, TxtSpecial,      TxtPension, TxtHealth,  TxtOther,
            TxtDonation,  TxtDonationFull, TxtBonus,   TxtWithheld};
}

QWidget *TFrmCurSettle::BuildInputColumn() {
    QFormLayout *form = NewForm();
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    BtnFromYear = FlowButton(QStringLiteral("BtnFromYear"), tr("从纳税年度填入"));
    BtnFromYear->setToolTip(tr("按“我的纳税年度”的全年合计填入全部数额，与该页的年度汇算相同"));
    auto *yearCaption = new QLabel(tr("纳税年度："), Client());
    form->addRow(yearCaption, BtnFromYear);
    YearLink = new TYearLink(BtnFromYear, {yearCaption}, [this] { FillFromYear(); });
    BtnFromWage = FlowButton(QStringLiteral("BtnFromWage"), tr("从工资页填入"));
    BtnFromWage->setAccessibleName(tr("从工资薪金页填入"));
    BtnFromWage->setToolTip(tr("按工资薪金(累计预扣)页上次输入的各月数额，填入全年工资薪金、免税"
                               "收入、三险一金、专项附加扣除、其他扣除和已预扣的税额"));
    TxtWages = AddInputRow(form, QStringLiteral("TxtWages"), tr("全年工资薪金："), BtnFromWage);
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
    TxtDonation = AddInputRow(form, QStringLiteral("TxtDonation"), tr("公益慈善捐赠（限额）："));
    TxtDonation->setToolTip(
        tr("不超过扣除捐赠前应纳税所得额的%1%").arg(current::Law::DonationLimitShare));
    TxtDonationFull =
        AddInputRow(form, QStringLiteral("TxtDonationFull"), tr("公益慈善捐赠（全额）："));
    TxtDonationFull->setToolTip(tr("准予在税前全额扣除的公益慈善捐赠"));
    TxtBonus = AddInputRow(form, QStringLiteral("TxtBonus"), tr("全年一次性奖金："));

    RBtnSeparate = new QRadioButton(sheets::Caption(current::BonusChoice::Separate), Client());
    RBtnSeparate->setObjectName(QStringLiteral("RBtnSeparate"));
    Describe(RBtnSeparate, RBtnSeparate->text());
    RBtnMerged = new QRadioButton(sheets::Caption(current::BonusChoice::Merged), Client());
    RBtnMerged->setObjectName(QStringLiteral("RBtnMerged"));
    Describe(RBtnMerged, RBtnMerged->text());
    auto *methods = new QHBoxLayout;
    methods->addWidget(RBtnSeparate);
    methods->addWidget(RBtnMerged);
    methods->addStretch();
    form->addRow(tr("奖金计税方式："), methods);
    TxtWithheld = AddInputRow(form, QStringLiteral("TxtWithheld"), tr("全年已预缴税额："));
    ChkUnwithheld = new QCheckBox(tr("有扣缴义务人应预扣预缴而未预扣"), Client());
    ChkUnwithheld->setObjectName(QStringLiteral("ChkUnwithheld"));
    Describe(ChkUnwithheld, ChkUnwithheld->text());
    ChkUnwithheld->setToolTip(
        tr("取得综合所得时，有扣缴义务人依法应预扣预缴而未预扣的，不适用补税不超过%1元或收入不超"
           "过%2元免于办理年度汇算的规定（%3）。")
            .arg(LawAmount(rules.SmallOwed), LawAmount(rules.LowIncome),
                 LawText::Document(rules.Exemptions)));
    form->addRow(QString(), ChkUnwithheld);

    QVBoxLayout *column = InputColumn(form, tr("输入"));
    column->addWidget(GreyNote(tr("工资薪金和已预缴税额必填，其余不填的按0计算。")));
    column->addStretch();
    QScrollArea *scroll = ScrollColumn(column, Client(), QStringLiteral("ScrollInputs"));
    KeepWholeWidth(scroll);
    return scroll;
}

// The special deductions with the button beside them that fills them from the dialog.
QLineEdit *TFrmCurSettle::SpecialRow(QFormLayout *Form) {
    BtnDeductions = FlowButton(QStringLiteral("BtnDeductions"), tr("填入..."));
    BtnDeductions->setAccessibleName(tr("从专项附加扣除设置填入"));
    BtnDeductions->setToolTip(tr("打开专项附加扣除设置，确定后按全年数额填入专项附加扣除、"
                                 "个人养老金和商业健康保险"));
    QLineEdit *edit =
        AddInputRow(Form, QStringLiteral("TxtSpecial"), tr("全年专项附加扣除："), BtnDeductions);
    edit->setToolTip(tr("子女教育、婴幼儿照护、赡养老人、住房贷款利息或住房租金、"
                        "继续教育和大病医疗的全年合计"));
    return edit;
}

// The dialog edits the open year's dated deductions. The settlement takes the year's amounts:
// the special additional deductions with serious illness, and the pension and health insurance
// in their own fields, where their caps apply. A page still showing the year has followed it.
void TFrmCurSettle::BtnDeductionsClick() {
    TFrmCurDeductions dialog(this);
    connect(&dialog, &QDialog::accepted, this, [this] {
        if (YearLink->Linked())
            return;
        const current::SettlementInput &year = TOpenYear::Instance().Result().Settled.Input;
        ShowResult(TxtSpecial, Amount(year.Special));
        ShowResult(TxtPension, Amount(year.Pension));
        ShowResult(TxtHealth, Amount(year.Health));
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
    TxtDonations = AddResultRow(form, QStringLiteral("TxtDonations"), tr("捐赠扣除："));
    TxtTaxable = AddResultRow(form, QStringLiteral("TxtTaxable"), tr("应纳税所得额："));
    TxtRate = AddResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtQuickDeduction = AddResultRow(form, QStringLiteral("TxtQuickDeduction"), tr("速算扣除数："));
    TxtTax = AddResultRow(form, QStringLiteral("TxtTax"), tr("综合所得应纳税额："));
    TxtBonusTax = AddResultRow(form, QStringLiteral("TxtBonusTax"), tr("年终奖单独计税税额："));
    TxtTotalTax = AddResultRow(form, QStringLiteral("TxtTotalTax"), tr("应纳税额合计："));
    TxtWithheldShown = AddResultRow(form, QStringLiteral("TxtWithheldShown"), tr("已预缴税额："));
    TxtBalance = BalanceRow(form);

    // Beside the results of the method chosen, what the other would give.
    TxtOtherMethod = new QLabel(Client());
    TxtOtherMethod->setObjectName(QStringLiteral("TxtOtherMethod"));
    TxtOtherMethod->setWordWrap(true);
    TxtOtherMethod->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Describe(TxtOtherMethod, tr("另一种奖金计税方式"));

    auto *results = new QVBoxLayout;
    results->addLayout(form);
    results->addWidget(TxtOtherMethod);
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
    QScrollArea *resultColumn = ScrollColumn(results, TabsRight, QStringLiteral("ScrollResults"));
    KeepWholeWidth(resultColumn);
    TabsRight->addTab(resultColumn, tr("计算结果"));

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
    CopyBalance->setAccessibleName(tr("复制%1").arg(TxtBalance->accessibleName()));
}

std::optional<current::SettlementInput> TFrmCurSettle::ReadYear(bool Report) {
    const auto fault = [this, Report](const QString &Message, QLineEdit *Edit) {
        if (Report)
            ReportInline(TxtMsgInput, Message, Edit);
    };
    current::SettlementInput year;
    const struct {
        QLineEdit *Edit;
        Cents *Field;
        bool Required;
    } fields[] = {
        {TxtWages, &year.Wages, true},         {TxtLabour, &year.Labour, false},
        {TxtAuthor, &year.Author, false},      {TxtRoyalty, &year.Royalty, false},
        {TxtExempt, &year.Exempt, false},      {TxtInsurance, &year.Insurance, false},
        {TxtSpecial, &year.Special, false},    {TxtPension, &year.Pension, false},
        {TxtHealth, &year.Health, false},      {TxtOther, &year.Other, false},
        {TxtDonation, &year.Donations, false}, {TxtDonationFull, &year.DonationsFull, false},
        {TxtBonus, &year.Bonus, false},        {TxtWithheld, &year.Withheld, true}};
    for (const auto &field : fields) {
        const auto value = field.Required ? ReadCents(field.Edit) : ReadOptionalCents(field.Edit);
        if (!value) {
            // The edit's accessible name is its caption: 全年工资薪金 and so on.
            fault(tr("%1数据无效，请重新输入。").arg(field.Edit->accessibleName()), field.Edit);
            return std::nullopt;
        }
        *field.Field = *value;
    }
    // Tax-free income is a part of the income, never more than all of it.
    if (year.Exempt > year.Wages + year.Labour + year.Author + year.Royalty) {
        fault(tr("全年免税收入不能大于全年收入合计，请重新输入。"), TxtExempt);
        return std::nullopt;
    }
    year.Method = RBtnMerged->isChecked() ? BonusMethod::Merged : BonusMethod::Separate;
    year.Unwithheld = ChkUnwithheld->isChecked();
    // The open year's totals settle under that year's law while the page shows them.
    const TOpenYear &open = TOpenYear::Instance();
    if (YearLink->Following() && open.IsOpen() && current::RulesInUse(open.Facts().Year))
        year.Year = open.Facts().Year;
    ShowMethodsOf(*current::RulesInUse(year.Year));
    if (!RBtnSeparate->isEnabled())
        year.Method = BonusMethod::Merged;
    return year;
}

void TFrmCurSettle::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto year = ReadYear(true);
    if (!year)
        return ClearResults();
    ShowYear(*year);
    TabsRight->setCurrentIndex(0);
    FocusAndSelect(TxtWages);
}

// Results are never of inputs or a method no longer there: they follow every change, without a
// word while what is typed is not yet valid; Enter says what is wrong.
void TFrmCurSettle::InputChanged() {
    const auto year = ReadYear(false);
    if (!year)
        return ClearResults();
    TxtMsgInput->clear();
    ShowYear(*year);
}

// A year whose law has no separate bonus takes it merged: the choice is greyed, with the reason.
void TFrmCurSettle::ShowMethodsOf(const current::YearRules &Rules) {
    RBtnSeparate->setEnabled(Rules.SeparateBonus);
    RBtnSeparate->setToolTip(Rules.SeparateBonus ? QString() : LawText::NoSeparateBonus(Rules));
    if (!Rules.SeparateBonus && RBtnSeparate->isChecked()) {
        const QSignalBlocker quiet(RBtnMerged);
        RBtnMerged->setChecked(true);
    }
}

void TFrmCurSettle::ShowYear(const current::SettlementInput &Year) {
    const current::YearRules *found = current::RulesInUse(Year.Year);
    const current::YearRules &rules = found ? *found : current::LatestRulesInUse();
    ShowSettlement(current::Settle(Year, rules), rules);
    TxtOtherMethod->setText(Year.Bonus > 0 && !rules.SeparateBonus
                                ? LawText::NoSeparateBonus(rules) + tr("。")
                                : SettlementSentences::OtherMethodSentence(Year));
}

void TFrmCurSettle::ShowSettlement(const current::Settlement &Result,
                                   const current::YearRules &Rules) {
    ShowResult(TxtIncomeAmount, Amount(Result.IncomeAmount));
    ShowResult(TxtDeductions, Amount(Result.Deductions));
    ShowResult(TxtDonations, Amount(Result.Donations));
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
    TxtFiling->setText(SettlementSentences::FilingHeadline(Result));
    TxtFiling->setStyleSheet(Result.MustFile ? QStringLiteral("color: red;") : QString());
    TxtReason->setText(SettlementSentences::ReasonSentence(Result, Rules));
}

void TFrmCurSettle::ClearResults() {
    for (QLineEdit *edit :
         {TxtIncomeAmount, TxtDeductions, TxtDonations, TxtTaxable, TxtRate, TxtQuickDeduction,
          TxtTax, TxtBonusTax, TxtTotalTax, TxtWithheldShown, TxtBalance})
        edit->clear();
    ShowBalanceCaption(tr("应补（退）税额："));
    TxtOtherMethod->clear();
    TxtFiling->clear();
    TxtFiling->setStyleSheet(QString());
    TxtReason->clear();
}

void TFrmCurSettle::BtnResetClick() {
    YearLink->Leave();
    for (QLineEdit *edit : Inputs())
        edit->clear();
    RBtnSeparate->setChecked(true);
    ShowMethodsOf(current::LatestRulesInUse());
    ChkUnwithheld->setChecked(false);
    ClearMessages({TxtMsgInput});
    ClearResults();
    TxtWages->setFocus(Qt::OtherFocusReason);
}

void TFrmCurSettle::BtnFromWageClick() {
    const auto year = KeptWage::Year(TxtMsgInput);
    if (!year)
        return;
    const struct {
        QLineEdit *Edit;
        Cents Amount;
    } fills[] = {{TxtWages, year->Income},        {TxtExempt, year->Exempt},
                 {TxtInsurance, year->Insurance}, {TxtSpecial, year->Special},
                 {TxtOther, year->Other},         {TxtWithheld, year->Withheld}};
    for (const auto &fill : fills)
        ShowResult(fill.Edit, Amount(fill.Amount));
    FocusAndSelect(TxtWages);
}
