#include "pages/UFrmCurWage.h"

#include "common/UCurWageModel.h"
#include "common/UDeductionsDialog.h"
#include "common/UDesktopHabits.h"
#include "common/UFileManager.h"
#include "common/UKeptWage.h"
#include "common/ULawText.h"
#include "common/UOpenYear.h"
#include "common/UPageMemory.h"
#include "common/UReverseDialog.h"
#include "common/UScrollColumn.h"
#include "common/UUtils.h"
#include "common/UYearFacts.h"
#include "common/UYearLink.h"
#include "engine/current/RulesInUse.h"
#include "sheets/Captions.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using current::Cents;
using current::WageMonth;

const QString YearKey = QStringLiteral("Year");

} // namespace

TFrmCurWage::TFrmCurWage(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    Model = new TCurWageModel(this);
    // The inputs keep to their height; the table and the method share what the window gives
    // beyond it, and the splitter lets the user give them more.
    auto *splitter = new QSplitter(Qt::Vertical, Client());
    Splitter = splitter;
    splitter->setObjectName(QStringLiteral("SplitPage"));
    splitter->setChildrenCollapsible(false);
    QWidget *inputs = BuildInputs();
    Inputs = inputs;
    inputs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    splitter->addWidget(inputs);
    auto *tabs = new QTabWidget(splitter);
    tabs->setObjectName(QStringLiteral("TabsMonths"));
    tabs->addTab(BuildTable(), tr("逐月明细"));
    tabs->setCornerWidget(BuildTableTools(tabs));
    // The first window shows the months; the method is made when its tab is first chosen.
    auto *methodTab = new QWidget(tabs);
    methodTab->setObjectName(QStringLiteral("TabMethod"));
    (new QVBoxLayout(methodTab))->setContentsMargins(0, 0, 0, 0);
    const int methodIndex = tabs->addTab(methodTab, tr("计算方法"));
    connect(tabs, &QTabWidget::currentChanged, this, [this, methodTab, methodIndex](int Index) {
        if (Index == methodIndex && !methodTab->findChild<QWidget *>())
            BuildMethod(methodTab);
    });
    splitter->addWidget(tabs);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({inputs->sizeHint().height(), QWIDGETSIZE_MAX});
    Body()->addWidget(splitter, 1);

    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, TxtExempt, TxtInsurance, TxtSpecial, BtnDeductions, TxtOther,
                 RBtnPerMonth, RBtnFromJanuary, RBtnSixty, SpnFirstMonth, SpnLastMonth,
                 ChkNonResident, BtnCalc, BtnReset, ChkCumulative, BtnCopyTable, TblMonths});
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
        if (Model->HasResults() || ResultsLeft)
            Calculate(true);
    });
    connect(Model, &QAbstractItemModel::modelReset, this, &TFrmCurWage::ShowColumns);
    connect(ChkCumulative, &QCheckBox::toggled, this, &TFrmCurWage::ShowColumns);
    // An editor still open as the page goes commits first: what is typed in a cell counts.
    KeepState(
        OverridesKey,
        [model = Model, table = TblMonths] {
            if (auto *editor = table->findChild<QLineEdit *>(QStringLiteral("TxtCell")))
                table->itemDelegate()->setModelData(editor, model, table->currentIndex());
            return model->OverridesValue();
        },
        [model = Model](const QVariant &Value) { model->SetOverridesValue(Value); });

    // A user's change leaves the open year's figures behind; the page follows the year until then.
    YearLink->Watch({TxtIncome, TxtExempt, TxtInsurance, TxtSpecial, TxtOther});
    YearLink->Watch({RBtnPerMonth, RBtnFromJanuary, RBtnSixty, ChkNonResident});
    connect(YearLink, &TYearLink::LinkChanged, this, &TFrmCurWage::ShowModesInLaw);
    for (QSpinBox *spin : {SpnFirstMonth, SpnLastMonth})
        connect(spin, &QSpinBox::valueChanged, YearLink, &TYearLink::Leave);
    connect(Model, &TCurWageModel::OverrideChanged, YearLink, &TYearLink::Leave);
    // A page left with nothing typed while a year is open starts from the year, as a new one does.
    KeepState(
        YearKey, [link = YearLink] { return link->Saved(); },
        [this](const QVariant &Value) {
            YearLink->Restore(Value);
            if (!YearLink->Linked() && FieldsEmpty() && !Model->HasAnyOverride())
                YearLink->Fill();
        });
    for (QLineEdit *edit : {TxtIncome, TxtExempt, TxtInsurance, TxtSpecial, TxtOther})
        connect(edit, &QLineEdit::textChanged, this, &TFrmCurWage::FollowFields);
    connect(ChkNonResident, &QCheckBox::toggled, this, &TFrmCurWage::FollowFields);
    // A job chosen shows its months at once.
    connect(CmbYearJob, &QComboBox::activated, YearLink, &TYearLink::Fill);
    const auto fit = [this] { QTimer::singleShot(0, this, &TFrmCurWage::FitInputs); };
    connect(&TOpenYear::Instance(), &TOpenYear::Changed, this, fit);
    fit();
    LayoutChanged();
    // The open year's first job to start with; without a year, the special deductions chosen in
    // the parameter file before deductions were dated.
    if (TOpenYear::Instance().IsOpen()) {
        YearLink->Fill();
    } else if (const auto saved = TFileManager::ReadDeductions()) {
        const current::Cents monthly = current::DeductionsOf(*saved).Monthly;
        if (monthly > 0)
            TxtSpecial->setText(Amount(monthly));
    }
}

QString TFrmCurWage::MethodPicture() {
    return QStringLiteral(":/pictures/curwage_method.png");
}

void TFrmCurWage::BuildMethod(QWidget *Tab) {
    auto *method = new QVBoxLayout;
    method->addWidget(MethodGroup(MethodPicture()));
    method->addStretch();
    QWidget *column = ScrollColumn(method, Tab, QStringLiteral("ScrollMethod"));
    Tab->layout()->addWidget(column);
    // The tab is on screen already: shown now, not at the next turn of the event loop.
    column->show();
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

    RBtnPerMonth = new QRadioButton(sheets::Caption(current::BasicDeduction::PerMonth), Client());
    RBtnPerMonth->setObjectName(QStringLiteral("RBtnPerMonth"));
    RBtnPerMonth->setChecked(true);
    RBtnFromJanuary =
        new QRadioButton(sheets::Caption(current::BasicDeduction::FromJanuary), Client());
    RBtnFromJanuary->setObjectName(QStringLiteral("RBtnFromJanuary"));
    RBtnSixty = new QRadioButton(sheets::Caption(current::BasicDeduction::Sixty), Client());
    RBtnSixty->setObjectName(QStringLiteral("RBtnSixty"));
    auto *modes = new QButtonGroup(this);
    auto *modeRow = new QHBoxLayout;
    for (QRadioButton *radio : {RBtnPerMonth, RBtnFromJanuary, RBtnSixty}) {
        Describe(radio, radio->text());
        modes->addButton(radio);
        modeRow->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, [this] {
            ClearYear();
            for (QRadioButton *mode : {RBtnPerMonth, RBtnFromJanuary, RBtnSixty}) {
                if (mode->isChecked())
                    TxtModeNote->setText(mode->toolTip());
            }
        });
    }
    modeRow->addStretch();
    // What each way means, as the note under them says for the one chosen.
    const current::YearRules &rules = current::LatestRules();
    const QString monthly = LawAmount(rules.BasicMonthly);
    RBtnPerMonth->setToolTip(
        tr("按月：按在本单位的任职受雇月份数减除费用，每月%1元。").arg(monthly));
    FromJanuaryTip =
        tr("自1月：年内首次取得工资薪金的，按1月起至本月的月份数减除费用，每月%1元。").arg(monthly);
    RBtnFromJanuary->setToolTip(FromJanuaryTip);
    SixtyTip =
        tr("6万：同时符合三个条件的，自1月起即减除全年%1元：上一完整纳税年度各月均在本单位任职"
           "受雇，且由本单位预扣预缴；上年在本单位的工资薪金收入（含全年一次性奖金）不超过%2"
           "元；本年1月起仍在本单位任职受雇（国家税务总局公告2020年第19号）。")
            .arg(LawAmount(rules.BasicAnnual), LawAmount(current::Law::SixtyPreviousYearWages));
    RBtnSixty->setToolTip(SixtyTip);
    QFormLayout *right = NewForm();
    right->addRow(BuildYearRow());
    right->addRow(tr("减除方式："), modeRow);
    TxtModeNote = GreyNote(QString());
    TxtModeNote->setObjectName(QStringLiteral("TxtModeNote"));
    Describe(TxtModeNote, tr("减除方式说明"));
    TxtModeNote->setText(RBtnPerMonth->toolTip());
    // As high as the longest, 6万's, so that the inputs keep their place whichever is chosen.
    TxtModeNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TxtModeNote->setMinimumHeight(3 * TxtModeNote->fontMetrics().lineSpacing());
    right->addRow(TxtModeNote);

    // One pattern for the month's number, whether the language writes it before or after.
    const QString monthPattern = tr("%1月");
    const qsizetype number = std::max<qsizetype>(0, monthPattern.indexOf(QLatin1String("%1")));
    const auto month = [&](const QString &Name, int Value, const QString &Caption) {
        auto *spin = new QSpinBox(Client());
        spin->setObjectName(Name);
        spin->setRange(1, 12);
        spin->setValue(Value);
        spin->setPrefix(monthPattern.left(number));
        spin->setSuffix(monthPattern.mid(number + 2));
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
    // Under the months it applies to, rather than beside them, where its caption would widen the
    // column past the window in a language longer than Chinese.
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

// Shown while a year is open: which of its jobs fills the page.
QWidget *TFrmCurWage::BuildYearRow() {
    auto *row = new QWidget(Client());
    auto *box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    CmbYearJob = new QComboBox(row);
    CmbYearJob->setObjectName(QStringLiteral("CmbYearJob"));
    auto *caption = new QLabel(tr("任职单位："), row);
    caption->setBuddy(CmbYearJob);
    Describe(CmbYearJob, caption->text());
    BtnFromYear = FlowButton(QStringLiteral("BtnFromYear"), tr("从纳税年度填入"));
    BtnFromYear->setParent(row);
    BtnFromYear->setToolTip(tr("按“我的纳税年度”中这家单位的任职月份、每月工资和按日期算出的"
                               "每月专项附加扣除等填入"));
    box->addWidget(caption);
    box->addWidget(CmbYearJob, 1);
    box->addWidget(BtnFromYear);
    // The list follows the year before the link fills the page from it.
    connect(&TOpenYear::Instance(), &TOpenYear::Changed, this, &TFrmCurWage::ShowYearJobs);
    ShowYearJobs();
    YearLink = new TYearLink(BtnFromYear, {row}, [this] { FillFromYear(); });
    return row;
}

void TFrmCurWage::ShowYearJobs() {
    const TOpenYear &year = TOpenYear::Instance();
    const int chosen = CmbYearJob->currentIndex();
    const QSignalBlocker quiet(CmbYearJob);
    CmbYearJob->clear();
    for (const current::JobFacts &job : year.Facts().Jobs)
        CmbYearJob->addItem(JobTitle(job));
    CmbYearJob->setCurrentIndex(std::clamp(chosen, 0, CmbYearJob->count() - 1));
}

void TFrmCurWage::FillFromYear() {
    const TOpenYear &year = TOpenYear::Instance();
    const int index = std::max(0, CmbYearJob->currentIndex());
    if (!year.IsOpen() || index >= int(year.Facts().Jobs.size()))
        return;
    const current::JobFacts &job = year.Facts().Jobs[std::size_t(index)];
    const std::vector<current::WageMonth> months =
        current::JobMonths(job, year.Result().Entitlements);
    ClearMessages({TxtMsgInput});
    if (months.empty()) {
        // A job without a month paid: nothing of it to show, rather than another's figures.
        for (const TCommonField &field : CommonFields)
            findChild<QLineEdit *>(QLatin1String(field.Edit))->clear();
        Model->TakeMonths({});
        Model->SetMonths(SpnFirstMonth->value(), SpnLastMonth->value(), false);
        return ClearYear();
    }
    ChkNonResident->setChecked(false);
    SpnFirstMonth->setValue(months.front().Month);
    SpnLastMonth->setValue(months.back().Month);
    (job.Mode == current::BasicDeduction::Sixty         ? RBtnSixty
     : job.Mode == current::BasicDeduction::FromJanuary ? RBtnFromJanuary
                                                        : RBtnPerMonth)
        ->setChecked(true);
    ShowModesInLaw();
    const current::WageMonth &first = months.front();
    for (const TCommonField &field : CommonFields)
        findChild<QLineEdit *>(QLatin1String(field.Edit))->setText(Amount(first.*field.Member));
    Model->TakeMonths(months);
    Calculate(true);
}

void TFrmCurWage::FollowFields() {
    const TCommonField *fault = nullptr;
    const auto common =
        ParseCommon([this](const QString &Name) { return findChild<QLineEdit *>(Name)->text(); },
                    ChkNonResident->isChecked(), fault);
    const auto &shown = Model->CommonAmounts();
    const bool same =
        common.has_value() == shown.has_value() &&
        (!common || std::all_of(std::begin(CommonFields), std::end(CommonFields),
                                [&](const TCommonField &Field) {
                                    return *common.*Field.Member == *shown.*Field.Member;
                                }));
    if (same)
        return;
    ResultsLeft = ResultsLeft || Model->HasResults();
    Model->SetDefaults(common);
    ClearYear();
}

bool TFrmCurWage::FieldsEmpty() const {
    return std::all_of(
        std::begin(CommonFields), std::end(CommonFields), [this](const TCommonField &Field) {
            return findChild<QLineEdit *>(QLatin1String(Field.Edit))->text().trimmed().isEmpty();
        });
}

void TFrmCurWage::FitInputs() {
    const QList<int> sizes = Splitter->sizes();
    // The content's own height: a scroll area's hint is bounded, and kept from its first asking.
    auto *scroll = qobject_cast<QScrollArea *>(Inputs);
    const int needed = scroll && scroll->widget()
                           ? scroll->widget()->sizeHint().height() + 2 * scroll->frameWidth()
                           : Inputs->sizeHint().height();
    if (sizes.size() != 2 || sizes[0] >= needed)
        return;
    // As much as it needs, while the table keeps the least it can be shown in.
    const int total = sizes[0] + sizes[1];
    const int room = total - Splitter->widget(1)->minimumSizeHint().height();
    const int inputs = std::max(sizes[0], std::min(needed, room));
    Splitter->setSizes({inputs, total - inputs});
}

// The special deductions of the open year for the page's months: the special additional
// deductions with the pension and health insurance, as the deductions dialog always gave them.
void TFrmCurWage::TakeYearDeductions() {
    const current::Timeline &months = TOpenYear::Instance().Result().Entitlements;
    const int first = SpnFirstMonth->value();
    const current::Cents common = months[std::size_t(first - 1)].Total();
    TxtSpecial->setText(Amount(common));
    for (int month = first; month <= SpnLastMonth->value(); ++month) {
        const current::Cents own = months[std::size_t(month - 1)].Total();
        Model->SetOwn(month, TCurWageModel::TInput::Special,
                      own == common ? std::nullopt : std::optional<current::Cents>(own));
    }
    if (Model->HasResults())
        Calculate(true);
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
    // Rows as high as their text, as in a spreadsheet, so that the year shows whole.
    TblMonths->verticalHeader()->setDefaultSectionSize(TblMonths->fontMetrics().height() + 6);
    DesktopHabits::ColumnsFitContents(TblMonths);
    TblMonths->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    TblMonths->setSelectionMode(QAbstractItemView::ContiguousSelection);
    BuildTableActions();
    box->addWidget(TblMonths, 1);

    // The year's totals side by side, so that the table keeps the height of the whole year.
    QFormLayout *tax = NewForm();
    TxtYearTax = AddResultRow(tax, QStringLiteral("TxtYearTax"), tr("全年预扣税额合计："));
    QFormLayout *net = NewForm();
    TxtYearNet = AddResultRow(net, QStringLiteral("TxtYearNet"), tr("全年税后收入合计："));
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(tax);
    bottom->addLayout(net);
    bottom->addStretch(1);
    box->addLayout(bottom);
    return holder;
}

// Beside the table's tab, where the tabs leave room: how to edit a month, the columns shown and
// the copy of the table. In one line there, so that the table keeps the height of the whole year.
QWidget *TFrmCurWage::BuildTableTools(QWidget *Parent) {
    auto *tools = new QWidget(Parent);
    QLabel *note = GreyNote(tr("双击可为单月输入；Ctrl+D以后各月相同，Delete恢复"));
    note->setParent(tools);
    note->setWordWrap(false);
    note->setToolTip(
        tr("收入、免税收入、三险一金、专项附加扣除、其他扣除各格可双击为单月输入不同的数额；右键"
           "菜单或Ctrl+D使以后各月与本月相同，Delete恢复为每月相同的数额。"));
    BtnCopyTable = new QPushButton(tr("复制表格"), tools);
    BtnCopyTable->setObjectName(QStringLiteral("BtnCopyTable"));
    DesktopHabits::ClickOnEnter(BtnCopyTable);
    BtnCopyTable->setToolTip(tr("把整张表（含表头和累计列）复制到剪贴板，可直接粘贴到电子表格"));
    ChkCumulative = new QCheckBox(tr("显示累计列"), tools);
    ChkCumulative->setObjectName(QStringLiteral("ChkCumulative"));
    Describe(ChkCumulative, ChkCumulative->text());
    ChkCumulative->setToolTip(tr("显示累计收入、累计减除费用、累计应纳税额等累计预扣法的中间数"));
    auto *row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 2);
    row->addWidget(note);
    row->addWidget(ChkCumulative);
    row->addWidget(BtnCopyTable);
    return tools;
}

// The table's menu holds its actions, and their keys work while the table has the focus.
void TFrmCurWage::BuildTableActions() {
    const auto action = [this](const QString &Name, const QString &Text, const QKeySequence &Key,
                               void (TFrmCurWage::*Handler)()) {
        auto *act = new QAction(Text, TblMonths);
        act->setObjectName(Name);
        act->setShortcut(Key);
        act->setShortcutContext(Qt::WidgetShortcut);
        connect(act, &QAction::triggered, this, Handler);
        TblMonths->addAction(act);
        return act;
    };
    ActFillFollowing = action(QStringLiteral("ActFillFollowing"), tr("以后各月与本月相同"),
                              QKeySequence(Qt::CTRL | Qt::Key_D), &TFrmCurWage::FillFollowing);
    ActClearOwn = action(QStringLiteral("ActClearOwn"), tr("恢复为每月相同的数额"),
                         QKeySequence(Qt::Key_Delete), &TFrmCurWage::ClearOwn);
    ActCopyTable = action(QStringLiteral("ActCopyTable"), tr("复制表格"), QKeySequence::Copy,
                          &TFrmCurWage::BtnCopyTableClick);
    TblMonths->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(TblMonths->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &Current) {
                ActFillFollowing->setEnabled(Model->InputAt(Current).has_value());
            });
    ActFillFollowing->setEnabled(false);
}

void TFrmCurWage::FillFollowing() {
    Model->FillFollowing(TblMonths->currentIndex());
}

void TFrmCurWage::ClearOwn() {
    Model->ClearCells(TblMonths->selectionModel()->selectedIndexes());
}

// The running totals show on request; the month, its income, tax and net pay always do.
void TFrmCurWage::ShowColumns() {
    for (int column = 0; column < Model->columnCount(); ++column)
        TblMonths->setColumnHidden(column,
                                   Model->IsCumulative(column) && !ChkCumulative->isChecked());
}

void TFrmCurWage::LayoutChanged() {
    const bool resident = !ChkNonResident->isChecked();
    // A non-resident's month is taxed on the income alone, less 5000.
    for (QWidget *w :
         std::initializer_list<QWidget *>{TxtExempt, TxtInsurance, TxtSpecial, BtnDeductions,
                                          TxtOther, RBtnPerMonth, ChkCumulative})
        w->setEnabled(resident);
    // 6万 is for those employed here since last year, so for a year that starts in January.
    const bool sixty = resident && SpnFirstMonth->value() == 1;
    if (!sixty && RBtnSixty->isChecked() && resident) {
        RBtnPerMonth->setChecked(true);
        TxtMsgInput->setText(tr("6万只适用于自1月起在本单位任职受雇的月份，已改为按月。"));
    }
    ShowModesInLaw();
    Model->SetMonths(SpnFirstMonth->value(), SpnLastMonth->value(), !resident);
    ClearYear();
}

const current::YearRules &TFrmCurWage::RulesShown() const {
    const TOpenYear &year = TOpenYear::Instance();
    const current::YearRules *rules =
        YearLink->Following() && year.IsOpen() ? current::RulesInUse(year.Facts().Year) : nullptr;
    return rules ? *rules : current::LatestRulesInUse();
}

// The ways of the basic deduction that the law of the page's year does not have yet are greyed,
// with the reason, as the page 我的纳税年度 greys them; 6万 also where the months do not start in
// January, and both for a non-resident.
void TFrmCurWage::ShowModesInLaw() {
    const current::YearRules &rules = RulesShown();
    const bool resident = !ChkNonResident->isChecked();
    const bool fromJanuary = current::InLaw(current::BasicDeduction::FromJanuary, rules);
    const bool sixty = current::InLaw(current::BasicDeduction::Sixty, rules);
    RBtnFromJanuary->setEnabled(resident && fromJanuary);
    RBtnFromJanuary->setToolTip(fromJanuary
                                    ? FromJanuaryTip
                                    : tr("“自1月”自%1起施行（%2），%3年不能采用")
                                          .arg(LawText::Date(current::Law::FromJanuaryFrom),
                                               LawText::Document(current::Law::FromJanuaryDocument))
                                          .arg(rules.Year));
    RBtnSixty->setEnabled(resident && sixty && SpnFirstMonth->value() == 1);
    RBtnSixty->setToolTip(sixty ? SixtyTip
                                : tr("“6万”自%1起施行（%2），%3年不能采用")
                                      .arg(LawText::Date(current::Law::SixtyFrom),
                                           LawText::Document(current::Law::SixtyDocument))
                                      .arg(rules.Year));
    if ((!fromJanuary && RBtnFromJanuary->isChecked()) || (!sixty && RBtnSixty->isChecked()))
        RBtnPerMonth->setChecked(true);
}

void TFrmCurWage::ClearYear() {
    Model->ClearResults();
    TxtYearTax->clear();
    TxtYearNet->clear();
}

std::optional<current::WageMonth> TFrmCurWage::ReadCommon(bool Focus) {
    const TCommonField *fault = nullptr;
    const auto common =
        ParseCommon([this](const QString &Name) { return findChild<QLineEdit *>(Name)->text(); },
                    ChkNonResident->isChecked(), fault);
    if (common)
        return common;
    const QString message = tr("%1数据无效，请重新输入。").arg(tr(fault->Caption));
    if (Focus)
        ReportInline(TxtMsgInput, message, findChild<QLineEdit *>(QLatin1String(fault->Edit)));
    else
        TxtMsgInput->setText(message);
    return std::nullopt;
}

void TFrmCurWage::BtnCalcClick() {
    Calculate(false);
}

void TFrmCurWage::Calculate(bool FromTable) {
    ResultsLeft = false;
    ClearMessages({TxtMsgInput});
    const auto common = ReadCommon(!FromTable);
    if (!common)
        return ClearYear();
    if (SpnFirstMonth->value() > SpnLastMonth->value()) {
        TxtMsgInput->setText(tr("起始月份不能晚于截止月份，请重新选择。"));
        if (!FromTable) {
            SpnFirstMonth->setFocus(Qt::OtherFocusReason);
            SpnFirstMonth->selectAll();
        }
        return ClearYear();
    }
    Model->SetDefaults(common);
    const std::vector<current::WageMonth> months = Model->Months();
    if (ChkNonResident->isChecked()) {
        std::vector<current::NonResidentWage> rows;
        for (const current::WageMonth &month : months)
            rows.push_back(current::WithholdNonResidentWage(month.Income));
        Model->ShowNonResident(std::move(rows));
    } else {
        // The open year's job withholds under that year's law while the page shows it.
        Model->ShowResident(current::WithholdWages(
            months, ModeOf(RBtnSixty->isChecked(), RBtnFromJanuary->isChecked()), RulesShown()));
    }
    ShowResult(TxtYearTax, Amount(Model->YearTax()));
    ShowResult(TxtYearNet, Amount(Model->YearNet()));
    if (!FromTable)
        FocusAndSelect(TxtIncome);
}

void TFrmCurWage::BtnResetClick() {
    YearLink->Leave();
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
    ResultsLeft = false;
    TxtIncome->setFocus(Qt::OtherFocusReason);
}

void TFrmCurWage::BtnCopyTableClick() {
    TUtils::CopyToClipboard(Model->TabText());
}

// The dialog edits the open year's dated deductions. A page still showing one of the year's jobs
// has followed the year by then; one of the user's own takes the deductions month by month.
void TFrmCurWage::BtnDeductionsClick() {
    TFrmCurDeductions dialog(this);
    // Read when the dialog is confirmed, not from exec()'s answer, so that whatever closes the
    // window afterwards cannot undo a confirmed choice.
    connect(&dialog, &QDialog::accepted, this, [this] {
        if (!YearLink->Linked())
            TakeYearDeductions();
    });
    dialog.exec();
}

void TFrmCurWage::BtnReverseClick() {
    TFrmCurReverse::Start start;
    start.Exempt = TxtExempt->text();
    start.Insurance = TxtInsurance->text();
    start.Special = TxtSpecial->text();
    start.Other = TxtOther->text();
    start.First = SpnFirstMonth->value();
    start.Last = SpnLastMonth->value();
    start.Mode = ModeOf(RBtnSixty->isChecked(), RBtnFromJanuary->isChecked());
    TFrmCurReverse dialog(TFrmCurReverse::Subject::Wage, start, this);
    dialog.exec();
}
