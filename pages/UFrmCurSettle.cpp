#include "pages/UFrmCurSettle.h"

#include "common/UDeductionsDialog.h"
#include "common/UDesktopHabits.h"
#include "common/UKeptWage.h"
#include "common/ULawText.h"
#include "common/UOpenYear.h"
#include "common/UScrollColumn.h"
#include "common/UUtils.h"
#include "common/UYearLink.h"
#include "engine/current/RulesInUse.h"
#include "pages/USettlementForm.h"
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
using Field = SettlementForm::Field;

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
    ShowMethodsOf(current::LastRulesYear);
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
    TxtWages = AddInputRow(form, QStringLiteral("TxtWages"), SettlementForm::Caption(Field::Wages),
                           BtnFromWage);
    TxtWages->setToolTip(tr("全年工资薪金收入，不含全年一次性奖金"));
    TxtLabour =
        AddInputRow(form, QStringLiteral("TxtLabour"), SettlementForm::Caption(Field::Labour));
    TxtAuthor =
        AddInputRow(form, QStringLiteral("TxtAuthor"), SettlementForm::Caption(Field::Author));
    TxtRoyalty =
        AddInputRow(form, QStringLiteral("TxtRoyalty"), SettlementForm::Caption(Field::Royalty));
    TxtExempt =
        AddInputRow(form, QStringLiteral("TxtExempt"), SettlementForm::Caption(Field::Exempt));
    TxtInsurance = AddInputRow(form, QStringLiteral("TxtInsurance"),
                               SettlementForm::Caption(Field::Insurance));
    TxtSpecial = SpecialRow(form);
    TxtPension =
        AddInputRow(form, QStringLiteral("TxtPension"), SettlementForm::Caption(Field::Pension));
    const current::YearRules &rules = current::LatestRules();
    TxtPension->setToolTip(tr("每年最多扣除%1元").arg(LawText::Amount(rules.PensionCap)));
    TxtHealth =
        AddInputRow(form, QStringLiteral("TxtHealth"), SettlementForm::Caption(Field::Health));
    TxtHealth->setToolTip(tr("每年最多扣除%1元").arg(LawText::Amount(rules.HealthAnnual)));
    TxtOther = AddInputRow(form, QStringLiteral("TxtOther"), SettlementForm::Caption(Field::Other));
    TxtDonation =
        AddInputRow(form, QStringLiteral("TxtDonation"), SettlementForm::Caption(Field::Donation));
    TxtDonation->setToolTip(
        tr("不超过扣除捐赠前应纳税所得额的%1%").arg(current::Law::DonationLimitShare));
    TxtDonationFull = AddInputRow(form, QStringLiteral("TxtDonationFull"),
                                  SettlementForm::Caption(Field::DonationFull));
    TxtDonationFull->setToolTip(tr("准予在税前全额扣除的公益慈善捐赠"));
    TxtBonus = AddInputRow(form, QStringLiteral("TxtBonus"), SettlementForm::Caption(Field::Bonus));

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
    TxtWithheld =
        AddInputRow(form, QStringLiteral("TxtWithheld"), SettlementForm::Caption(Field::Withheld));
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
    QLineEdit *edit = AddInputRow(Form, QStringLiteral("TxtSpecial"),
                                  SettlementForm::Caption(Field::Special), BtnDeductions);
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
    SettlementForm::Typed typed;
    const QList<QLineEdit *> inputs = Inputs();
    for (std::size_t i = 0; i < SettlementForm::FieldCount; ++i)
        typed.Texts[i] = inputs[static_cast<qsizetype>(i)]->text();
    typed.Merged = RBtnMerged->isChecked();
    typed.Unwithheld = ChkUnwithheld->isChecked();
    // The open year's totals settle under that year's law while the page shows them.
    const TOpenYear &open = TOpenYear::Instance();
    if (YearLink->Following() && open.IsOpen() && current::RulesInUse(open.Facts().Year))
        typed.Year = open.Facts().Year;
    const auto read = SettlementForm::Read(typed);
    if (const auto *fault = std::get_if<SettlementForm::Fault>(&read)) {
        if (Report)
            ReportInline(TxtMsgInput, fault->Message, inputs[static_cast<qsizetype>(fault->At)]);
        return std::nullopt;
    }
    const auto &year = std::get<current::SettlementInput>(read);
    ShowMethodsOf(year.Year);
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

void TFrmCurSettle::ShowMethodsOf(int Year) {
    const SettlementForm::Methods methods = SettlementForm::MethodsOf(Year);
    RBtnSeparate->setEnabled(methods.Separate);
    RBtnSeparate->setToolTip(methods.SeparateTip);
    if (!methods.Separate && RBtnSeparate->isChecked()) {
        const QSignalBlocker quiet(RBtnMerged);
        RBtnMerged->setChecked(true);
    }
}

void TFrmCurSettle::ShowYear(const std::optional<current::SettlementInput> &Year) {
    const SettlementForm::Shown shown = SettlementForm::Show(Year);
    const struct {
        QLineEdit *Edit;
        const QString &Text;
    } figures[] = {{TxtIncomeAmount, shown.IncomeAmount},
                   {TxtDeductions, shown.Deductions},
                   {TxtDonations, shown.Donations},
                   {TxtTaxable, shown.Taxable},
                   {TxtRate, shown.Rate},
                   {TxtQuickDeduction, shown.QuickDeduction},
                   {TxtTax, shown.Tax},
                   {TxtBonusTax, shown.BonusTax},
                   {TxtTotalTax, shown.TotalTax},
                   {TxtWithheldShown, shown.Withheld},
                   {TxtBalance, shown.Balance}};
    ShowBalanceCaption(shown.BalanceCaption);
    for (const auto &figure : figures)
        ShowResult(figure.Edit, figure.Text);
    TxtOtherMethod->setText(shown.OtherMethod);
    TxtFiling->setText(shown.Filing);
    TxtFiling->setStyleSheet(shown.MustFile ? QStringLiteral("color: red;") : QString());
    TxtReason->setText(shown.Reason);
}

void TFrmCurSettle::ClearResults() {
    ShowYear(std::nullopt);
}

void TFrmCurSettle::BtnResetClick() {
    YearLink->Leave();
    for (QLineEdit *edit : Inputs())
        edit->clear();
    RBtnSeparate->setChecked(true);
    ShowMethodsOf(current::LastRulesYear);
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
