#include "pages/UFrmCurWage.h"

#include "common/UFileManager.h"
#include "common/ULawText.h"
#include "common/UUtils.h"
#include "pages/UCurWageModel.h"
#include "pages/UFrmCurDeductions.h"
#include "pages/UFrmCurReverse.h"
#include "pages/UScrollColumn.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TFrmCurWage::TFrmCurWage(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    Model = new TCurWageModel(this);
    // The inputs keep to their height; the table and the method share what the window gives
    // beyond it, and the splitter lets the user give them more.
    auto *splitter = new QSplitter(Qt::Vertical, Client());
    splitter->setObjectName(QStringLiteral("SplitPage"));
    splitter->setChildrenCollapsible(false);
    QWidget *inputs = BuildInputs();
    inputs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    splitter->addWidget(inputs);
    auto *tabs = new QTabWidget(splitter);
    tabs->setObjectName(QStringLiteral("TabsMonths"));
    tabs->addTab(BuildTable(), tr("逐月明细"));
    auto *method = new QVBoxLayout;
    method->addWidget(MethodGroup(Pictures().constFirst()));
    method->addStretch();
    tabs->addTab(ScrollColumn(method, tabs, QStringLiteral("ScrollMethod")), tr("计算方法"));
    splitter->addWidget(tabs);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({inputs->sizeHint().height(), QWIDGETSIZE_MAX});
    Body()->addWidget(splitter, 1);

    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtExempt, TxtInsurance, TxtSpecial, BtnDeductions, TxtOther,
                 RBtnPerMonth, RBtnFromJanuary, RBtnSixty, SpnFirstMonth, SpnLastMonth,
                 ChkNonResident, BtnCalc, BtnReset, BtnCopyTable, TblMonths});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurWage::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurWage::BtnResetClick);
    connect(BtnCopyTable, &QPushButton::clicked, this, &TFrmCurWage::BtnCopyTableClick);
    connect(BtnDeductions, &QPushButton::clicked, this, &TFrmCurWage::BtnDeductionsClick);
    BtnReverse = TFrmCurReverse::ButtonBeside(TxtYearNet, tr("由税后收入反算税前月薪"));
    connect(BtnReverse, &QPushButton::clicked, this, &TFrmCurWage::BtnReverseClick);
    for (QLineEdit *edit : {TxtIncome, TxtExempt, TxtInsurance, TxtSpecial, TxtOther})
        OnEnter(edit, [this] { BtnCalcClick(); });
    for (QSpinBox *spin : {SpnFirstMonth, SpnLastMonth})
        connect(spin, &QSpinBox::valueChanged, this, &TFrmCurWage::LayoutChanged);
    // Enter calculates from the month boxes and the option too, as from the amounts.
    for (QWidget *w : std::initializer_list<QWidget *>{SpnFirstMonth, SpnLastMonth, ChkNonResident})
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto *enter = new QShortcut(QKeySequence(key), w);
            enter->setContext(Qt::WidgetShortcut);
            connect(enter, &QShortcut::activated, this, &TFrmCurWage::BtnCalcClick);
        }
    connect(ChkNonResident, &QCheckBox::toggled, this, &TFrmCurWage::LayoutChanged);
    connect(Model, &TCurWageModel::CellRefused, this, [this](const QString &Message) {
        TxtMsgInput->setText(Message);
        TblMonths->setFocus(Qt::OtherFocusReason);
    });
    connect(Model, &TCurWageModel::OverrideChanged, this, [this] {
        TxtMsgInput->clear();
        if (Model->HasResults())
            BtnCalcClick();
    });

    // The saved choices of the deductions dialog give the monthly amount to start with.
    if (const auto saved = TFileManager::ReadDeductions()) {
        const current::Cents monthly = current::DeductionsOf(*saved).Monthly;
        if (monthly > 0)
            TxtSpecial->setText(Amount(monthly));
    }
    LayoutChanged();
}

QStringList TFrmCurWage::Pictures() {
    return {QStringLiteral(":/pictures/curwage_method.png")};
}

TFrmCurWage::~TFrmCurWage() {
    disconnect(Model, nullptr, this, nullptr);
}

QWidget *TFrmCurWage::BuildInputs() {
    QFormLayout *form = NewForm();
    TxtIncome = AddInputRow(form, QStringLiteral("TxtIncome"), tr("每月收入："));
    TxtExempt = AddInputRow(form, QStringLiteral("TxtExempt"), tr("免税收入："));
    TxtInsurance = AddInputRow(form, QStringLiteral("TxtInsurance"), tr("三险一金："));
    // The special deductions: the edit with the button that opens the dialog beside it.
    TxtSpecial = AmountEdit(QStringLiteral("TxtSpecial"), 0, 0, TxtIncome->width());
    TxtSpecial->setMinimumWidth(TxtIncome->minimumWidth());
    Describe(TxtSpecial, tr("专项附加扣除："));
    BtnDeductions = FlowButton(QStringLiteral("BtnDeductions"), tr("设置..."));
    BtnDeductions->setAccessibleName(tr("设置专项附加扣除"));
    auto *special = new QHBoxLayout;
    special->addWidget(TxtSpecial);
    special->addWidget(BtnDeductions);
    special->addStretch();
    auto *specialCaption = new QLabel(tr("专项附加扣除："), Client());
    specialCaption->setBuddy(TxtSpecial);
    form->addRow(specialCaption, special);
    TxtOther = AddInputRow(form, QStringLiteral("TxtOther"), tr("其他扣除："));

    RBtnPerMonth = new QRadioButton(tr("按月"), Client());
    RBtnPerMonth->setObjectName(QStringLiteral("RBtnPerMonth"));
    RBtnPerMonth->setChecked(true);
    RBtnFromJanuary = new QRadioButton(tr("自1月"), Client());
    RBtnFromJanuary->setObjectName(QStringLiteral("RBtnFromJanuary"));
    RBtnSixty = new QRadioButton(tr("6万"), Client());
    RBtnSixty->setObjectName(QStringLiteral("RBtnSixty"));
    auto *modes = new QButtonGroup(this);
    auto *modeRow = new QHBoxLayout;
    for (QRadioButton *radio : {RBtnPerMonth, RBtnFromJanuary, RBtnSixty}) {
        Describe(radio, radio->text());
        modes->addButton(radio);
        modeRow->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, &TFrmCurWage::ClearYear);
    }
    modeRow->addStretch();
    QFormLayout *right = NewForm();
    right->addRow(tr("减除方式："), modeRow);
    const current::YearRules &rules = current::LatestRules();
    right->addRow(GreyNote(tr("按月：在本单位每发一个月工资减除%1元；自1月：年内首次取得工资的，"
                              "按1月起的月数减除；6万：上年在本单位且全年工资不超过%2元的，"
                              "1月起即减除%3元。")
                               .arg(LawText::Amount(rules.BasicMonthly),
                                    LawText::TenThousands(rules.BasicAnnual),
                                    LawText::Amount(rules.BasicAnnual))));

    const auto month = [this](const QString &Name, int Value, const QString &Caption) {
        auto *spin = new QSpinBox(Client());
        spin->setObjectName(Name);
        spin->setRange(1, 12);
        spin->setValue(Value);
        spin->setSuffix(tr("月"));
        Describe(spin, Caption);
        return spin;
    };
    SpnFirstMonth = month(QStringLiteral("SpnFirstMonth"), 1, tr("起始月份"));
    SpnLastMonth = month(QStringLiteral("SpnLastMonth"), 12, tr("截止月份"));
    auto *range = new QHBoxLayout;
    range->addWidget(SpnFirstMonth);
    range->addWidget(new QLabel(tr("至"), Client()));
    range->addWidget(SpnLastMonth);
    range->addStretch();
    right->addRow(tr("发放月份："), range);
    ChkNonResident = new QCheckBox(tr("非居民个人（按月计税，不累计）"), Client());
    ChkNonResident->setObjectName(QStringLiteral("ChkNonResident"));
    Describe(ChkNonResident, ChkNonResident->text());
    right->addRow(QString(), ChkNonResident);

    QVBoxLayout *box = InputColumn(right, tr("输入"));
    box->addStretch();
    // A gap between the columns, not a spacing of the layout: the forms inside would take it
    // between their rows too.
    auto *columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addSpacing(24);
    columns->addLayout(box, 1);
    return ScrollColumn(columns, Client(), QStringLiteral("ScrollInputs"));
}

QWidget *TFrmCurWage::BuildTable() {
    auto *holder = new QWidget;
    auto *box = new QVBoxLayout(holder);
    box->setContentsMargins(0, 0, 0, 0);
    TblMonths = new QTableView(holder);
    TblMonths->setObjectName(QStringLiteral("TblMonths"));
    TblMonths->setModel(Model);
    TblMonths->setItemDelegate(new TCurWageDelegate(TblMonths));
    TblMonths->setAccessibleName(tr("逐月预扣明细"));
    TblMonths->verticalHeader()->hide();
    // Rows as high as their text, as in a spreadsheet, so that the year shows whole sooner.
    TblMonths->verticalHeader()->setDefaultSectionSize(TblMonths->fontMetrics().height() + 8);
    TblMonths->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TblMonths->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    TblMonths->setSelectionMode(QAbstractItemView::ContiguousSelection);
    auto *copy = new QShortcut(QKeySequence::Copy, TblMonths);
    copy->setContext(Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &TFrmCurWage::BtnCopyTableClick);
    box->addWidget(TblMonths, 1);

    QFormLayout *form = NewForm();
    TxtYearTax = AddResultRow(form, QStringLiteral("TxtYearTax"), tr("全年预扣税额合计："));
    TxtYearNet = AddResultRow(form, QStringLiteral("TxtYearNet"), tr("全年税后收入合计："));
    BtnCopyTable = FlowButton(QStringLiteral("BtnCopyTable"), tr("复制表格"));
    BtnCopyTable->setToolTip(tr("把整张表（含表头）复制到剪贴板，可直接粘贴到电子表格"));
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(form);
    bottom->addStretch();
    bottom->addWidget(GreyNote(tr("表中收入、免税收入、三险一金、其他扣除各格可双击为单月输入"
                                  "不同的数额，清空即恢复。")),
                      1);
    bottom->addWidget(BtnCopyTable, 0, Qt::AlignTop);
    box->addLayout(bottom);
    return holder;
}

void TFrmCurWage::LayoutChanged() {
    const bool resident = !ChkNonResident->isChecked();
    // A non-resident's month is taxed on the income alone, less 5000.
    for (QWidget *w :
         std::initializer_list<QWidget *>{TxtExempt, TxtInsurance, TxtSpecial, BtnDeductions,
                                          TxtOther, RBtnPerMonth, RBtnFromJanuary, RBtnSixty})
        w->setEnabled(resident);
    Model->SetMonths(SpnFirstMonth->value(), SpnLastMonth->value(), !resident);
    ClearYear();
}

void TFrmCurWage::ClearYear() {
    Model->ClearResults();
    TxtYearTax->clear();
    TxtYearNet->clear();
}

std::optional<current::WageMonth> TFrmCurWage::ReadCommon() {
    current::WageMonth common;
    const auto income = ReadCents(TxtIncome);
    if (!income) {
        ReportInline(TxtMsgInput, tr("每月收入数据无效，请重新输入。"), TxtIncome);
        return std::nullopt;
    }
    common.Income = *income;
    if (ChkNonResident->isChecked())
        return common;
    const struct {
        QLineEdit *Edit;
        current::Cents current::WageMonth::*Member;
        QString Message;
    } optional[]{
        {TxtExempt, &current::WageMonth::Exempt, tr("免税收入数据无效，请重新输入。")},
        {TxtInsurance, &current::WageMonth::Insurance, tr("三险一金数据无效，请重新输入。")},
        {TxtSpecial, &current::WageMonth::Special, tr("专项附加扣除数据无效，请重新输入。")},
        {TxtOther, &current::WageMonth::Other, tr("其他扣除数据无效，请重新输入。")},
    };
    for (const auto &field : optional) {
        const auto value = ReadOptionalCents(field.Edit);
        if (!value) {
            ReportInline(TxtMsgInput, field.Message, field.Edit);
            return std::nullopt;
        }
        common.*field.Member = *value;
    }
    return common;
}

void TFrmCurWage::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto common = ReadCommon();
    if (!common)
        return;
    if (SpnFirstMonth->value() > SpnLastMonth->value()) {
        TxtMsgInput->setText(tr("起始月份不能晚于截止月份，请重新选择。"));
        SpnFirstMonth->setFocus(Qt::OtherFocusReason);
        SpnFirstMonth->selectAll();
        return;
    }
    Model->SetDefaults(common);
    const std::vector<current::WageMonth> months = Model->Months();
    if (ChkNonResident->isChecked()) {
        std::vector<current::NonResidentWage> rows;
        for (const current::WageMonth &month : months)
            rows.push_back(current::WithholdNonResidentWage(month.Income));
        Model->ShowNonResident(std::move(rows));
    } else {
        const auto mode = RBtnSixty->isChecked()         ? current::BasicDeduction::Sixty
                          : RBtnFromJanuary->isChecked() ? current::BasicDeduction::FromJanuary
                                                         : current::BasicDeduction::PerMonth;
        Model->ShowResident(current::WithholdWages(months, mode));
    }
    ShowResult(TxtYearTax, Amount(Model->YearTax()));
    ShowResult(TxtYearNet, Amount(Model->YearNet()));
    if (!TblMonths->hasFocus())
        FocusAndSelect(TxtIncome);
}

void TFrmCurWage::BtnResetClick() {
    ClearMessages({TxtMsgInput});
    for (QLineEdit *edit : {TxtIncome, TxtExempt, TxtInsurance, TxtSpecial, TxtOther})
        edit->clear();
    RBtnPerMonth->setChecked(true);
    ChkNonResident->setChecked(false);
    SpnFirstMonth->setValue(1);
    SpnLastMonth->setValue(12);
    Model->SetDefaults(std::nullopt);
    Model->ClearOverrides();
    LayoutChanged();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}

void TFrmCurWage::BtnCopyTableClick() {
    TUtils::CopyToClipboard(Model->TabText());
}

void TFrmCurWage::BtnDeductionsClick() {
    TFrmCurDeductions dialog(this);
    // Read when the dialog is confirmed, not from exec()'s answer, so that whatever closes the
    // window afterwards cannot undo a confirmed choice.
    connect(&dialog, &QDialog::accepted, this,
            [this, &dialog] { TxtSpecial->setText(Amount(dialog.MonthlyTotal())); });
    dialog.exec();
}

void TFrmCurWage::BtnReverseClick() {
    TFrmCurReverse::Start start;
    start.Exempt = TxtExempt->text();
    start.Insurance = TxtInsurance->text();
    start.Special = TxtSpecial->text();
    start.Other = TxtOther->text();
    TFrmCurReverse dialog(TFrmCurReverse::Subject::Wage, start, this);
    dialog.exec();
}
