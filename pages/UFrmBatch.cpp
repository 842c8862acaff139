#include "pages/UFrmBatch.h"

#include "common/UBackground.h"
#include "common/UFileManager.h"
#include "common/UMsgBox.h"
#include "pages/UBatchModel.h"
#include "pages/UDlgDeclaration.h"
#include "pages/UDlgPayslips.h"
#include "sheets/PayrollIo.h"
#include "sheets/Withholding.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int ProgressSteps = 1000;
// How long a cancelled run's worker is waited for before the window is given back.
constexpr int CancelWaitMs = 1000;
// The 工号 and 姓名 columns are made as wide as their longest texts, up to this many characters.
constexpr int WidestTextColumn = 24;

QString Dash() {
    return QStringLiteral("—");
}

bool IsSheetFile(const QString &Path) {
    const QString suffix = QFileInfo(Path).suffix().toLower();
    return suffix == QLatin1String("csv") || suffix == QLatin1String("xlsx");
}

} // namespace

TFrmBatch::TFrmBatch(QWidget *Parent)
    : QWidget(Parent, Qt::Window), Reader([](const QString &Path, const sheets::Progress &Hooks) {
          return sheets::ReadPayroll(Path, Hooks);
      }) {
    setObjectName(QStringLiteral("FrmBatch"));
    setAcceptDrops(true);
    resize(1100, 700);
    Model = new TBatchModel(this);
    Errors = new TBatchErrorModel(this);
    Runs = new TBackground(this);
    Patience = new QTimer(this);
    Patience->setSingleShot(true);
    Patience->setInterval(CancelWaitMs);
    connect(Runs, &TBackground::Reported, this, [this](qint64 Done, qint64 Total) {
        if (!Running)
            return;
        if (Total > 0 && !Running->wasCanceled())
            Running->setValue(
                static_cast<int>(std::min<qint64>(ProgressSteps, Done * ProgressSteps / Total)));
        emit Progressed(Done, Total);
        // A cancel through the dialog's slot rather than its button reaches the work too.
        if (Running && Running->wasCanceled())
            CancelRun();
    });
    BuildWindow();
}

TFrmBatch::~TFrmBatch() {
    // The tables are taken down after this part of the window: their headers' changes meanwhile
    // no longer reach it.
    for (QHeaderView *header : {GridSheet->horizontalHeader(), GridSheet->verticalHeader()})
        disconnect(header, nullptr, this, nullptr);
    GridSheet->removeEventFilter(this);
}

void TFrmBatch::BuildWindow() {
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(BuildButtons());
    layout->addWidget(BuildTables(), 1);
    layout->addWidget(BuildSummary());
    AddShortcuts();
    ShowSheetTitle();
    ShowSummary();
    FreezeColumns();
}

// In another language the window is built anew over the same sheet and results (the models stay)
// with the same filter; a run under way is let finish first.
void TFrmBatch::changeEvent(QEvent *Event) {
    QWidget::changeEvent(Event);
    if (Event->type() != QEvent::LanguageChange)
        return;
    if (Running)
        return QTimer::singleShot(200, this, [this] {
            QEvent again(QEvent::LanguageChange);
            changeEvent(&again);
        });
    const QString filter = TxtFilter->text();
    const QObjectList parts = children();
    for (QObject *part : parts) {
        if (part != Model && part != Errors && part != Runs && part != Patience)
            delete part;
    }
    BuildWindow();
    TxtFilter->setText(filter);
    for (QAbstractItemModel *model : std::initializer_list<QAbstractItemModel *>{Model, Errors}) {
        if (model->columnCount() > 0)
            emit model->headerDataChanged(Qt::Horizontal, 0, model->columnCount() - 1);
    }
}

QProgressDialog *TFrmBatch::RunProgress() const {
    return Running;
}

bool TFrmBatch::Busy() const {
    return Running != nullptr;
}

QLayout *TFrmBatch::BuildButtons() {
    const auto button = [this](const QString &Name, const QString &Text) {
        auto *b = new QPushButton(Text, this);
        b->setObjectName(Name);
        return b;
    };
    BtnOpen = button(QStringLiteral("BtnOpen"), tr("打开..."));
    BtnCalc = button(QStringLiteral("BtnCalc"), tr("计算"));
    BtnSave = button(QStringLiteral("BtnSave"), tr("另存为..."));
    BtnTemplate = button(QStringLiteral("BtnTemplate"), tr("模板..."));
    BtnOpen->setToolTip(tr("打开CSV文件或Excel工作簿（.xlsx）（Ctrl+O）"));
    BtnSave->setToolTip(tr("把结果另存为CSV文件或Excel工作簿，未计算的行写在其旁（Ctrl+S）"));
    BtnTemplate->setToolTip(tr("写出只有标题行和一名示例员工的空白工资表"));
    connect(BtnOpen, &QPushButton::clicked, this, &TFrmBatch::BtnOpenClick);
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmBatch::Calculate);
    connect(BtnSave, &QPushButton::clicked, this, &TFrmBatch::BtnSaveClick);
    connect(BtnTemplate, &QPushButton::clicked, this, &TFrmBatch::BtnTemplateClick);
    BtnPayslips = button(QStringLiteral("BtnPayslips"), tr("工资条..."));
    BtnPayslips->setToolTip(tr("写出某月每位员工的工资条（PDF或Excel）"));
    connect(BtnPayslips, &QPushButton::clicked, this, &TFrmBatch::BtnPayslipsClick);
    BtnDeclaration = button(QStringLiteral("BtnDeclaration"), tr("填入申报模板..."));
    BtnDeclaration->setToolTip(tr("把某月的工资填入个人所得税扣缴客户端的导入模板"));
    connect(BtnDeclaration, &QPushButton::clicked, this, &TFrmBatch::FillDeclaration);

    TxtFilter = new QLineEdit(this);
    TxtFilter->setObjectName(QStringLiteral("TxtFilter"));
    TxtFilter->setPlaceholderText(tr("工号或姓名（Ctrl+F）"));
    TxtFilter->setClearButtonEnabled(true);
    TxtFilter->setAccessibleName(tr("筛选"));
    TxtFilter->setMaximumWidth(220);
    FilterPause = new QTimer(this);
    FilterPause->setSingleShot(true);
    FilterPause->setInterval(250);
    connect(TxtFilter, &QLineEdit::textChanged, FilterPause, qOverload<>(&QTimer::start));
    connect(FilterPause, &QTimer::timeout, this, [this] {
        Model->SetFilter(TxtFilter->text());
        ShowSummary();
    });
    auto *caption = new QLabel(tr("筛选："), this);
    caption->setBuddy(TxtFilter);

    auto *row = new QHBoxLayout;
    for (QPushButton *b : {BtnOpen, BtnCalc, BtnSave, BtnTemplate, BtnPayslips, BtnDeclaration})
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(caption);
    row->addWidget(TxtFilter);
    return row;
}

QWidget *TFrmBatch::BuildTables() {
    auto *split = new QSplitter(Qt::Horizontal, this);

    GridSheet = new QTableView(split);
    GridSheet->setObjectName(QStringLiteral("GridSheet"));
    GridSheet->setAccessibleName(tr("工资表"));
    GridSheet->setModel(Model);
    GridSheet->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Only a cell at fault takes an edit (TBatchModel::flags).
    const auto edits = QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed;
    GridSheet->setEditTriggers(edits);
    GridSheet->setWordWrap(false);
    // A million rows: every row of one height, never measured one by one.
    QHeaderView *rows = GridSheet->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    GridSheet->horizontalHeader()->setResizeContentsPrecision(100);
    // Sorted as the view would sort it, but in the worker.
    QHeaderView *columns = GridSheet->horizontalHeader();
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    connect(columns, &QHeaderView::sortIndicatorChanged, this, &TFrmBatch::SortBy);

    // 工号 and 姓名 in a view of their own over the left of the table, as in a spreadsheet with
    // frozen columns: the same model and selection, scrolled up and down with the table.
    GridFrozen = new QTableView(GridSheet);
    GridFrozen->setObjectName(QStringLiteral("GridFrozen"));
    GridFrozen->setAccessibleName(tr("工号和姓名"));
    GridFrozen->setModel(Model);
    GridFrozen->setSelectionModel(GridSheet->selectionModel());
    GridFrozen->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridFrozen->setEditTriggers(edits);
    GridFrozen->setFocusPolicy(Qt::NoFocus);
    GridFrozen->setWordWrap(false);
    GridFrozen->verticalHeader()->hide();
    GridFrozen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridFrozen->verticalHeader()->setDefaultSectionSize(rows->defaultSectionSize());
    GridFrozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridFrozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GridFrozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GridFrozen->hide();
    GridSheet->viewport()->stackUnder(GridFrozen);
    connect(GridSheet->verticalScrollBar(), &QAbstractSlider::valueChanged,
            GridFrozen->verticalScrollBar(), &QAbstractSlider::setValue);
    connect(GridFrozen->verticalScrollBar(), &QAbstractSlider::valueChanged,
            GridSheet->verticalScrollBar(), &QAbstractSlider::setValue);
    connect(columns, &QHeaderView::sectionResized, this, [this](int Column, int, int Size) {
        GridFrozen->setColumnWidth(Column, Size);
        PlaceFrozen();
    });
    connect(rows, &QHeaderView::geometriesChanged, this, &TFrmBatch::PlaceFrozen);
    connect(columns, &QHeaderView::geometriesChanged, this, &TFrmBatch::PlaceFrozen);
    // A click on a frozen column's title sorts as one on the table's.
    GridFrozen->horizontalHeader()->setSectionsClickable(true);
    connect(GridFrozen->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int Column) {
        QHeaderView *header = GridSheet->horizontalHeader();
        const bool again = header->sortIndicatorSection() == Column &&
                           header->sortIndicatorOrder() == Qt::AscendingOrder;
        header->setSortIndicator(Column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    GridSheet->installEventFilter(this);

    auto *errors = new QWidget(split);
    auto *errorLayout = new QVBoxLayout(errors);
    errorLayout->setContentsMargins(0, 0, 0, 0);
    LblErrors = new QLabel(errors);
    LblErrors->setObjectName(QStringLiteral("LblErrors"));
    LblErrors->setAccessibleName(tr("未计算的行"));
    GridErrors = new QTableView(errors);
    GridErrors->setObjectName(QStringLiteral("GridErrors"));
    GridErrors->setAccessibleName(tr("未计算的行"));
    GridErrors->setModel(Errors);
    GridErrors->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridErrors->setSelectionMode(QAbstractItemView::SingleSelection);
    GridErrors->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridErrors->setWordWrap(false);
    GridErrors->verticalHeader()->hide();
    GridErrors->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridErrors->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    GridErrors->horizontalHeader()->setStretchLastSection(true);
    GridErrors->setToolTip(tr("双击一行，在工资表中选中它"));
    connect(GridErrors, &QTableView::doubleClicked, this, &TFrmBatch::GridErrorsDoubleClick);
    errorLayout->addWidget(LblErrors);
    errorLayout->addWidget(GridErrors, 1);

    split->addWidget(GridSheet);
    split->addWidget(errors);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setSizes({780, 300});
    return split;
}

QWidget *TFrmBatch::BuildSummary() {
    auto *box = new QGroupBox(tr("汇总"), this);
    auto *grid = new QVBoxLayout(box);
    TxtCounts = new QLabel(box);
    TxtCounts->setObjectName(QStringLiteral("TxtCounts"));
    TxtCounts->setAccessibleName(tr("人数与行数"));
    // The shaded cells stand in the last column, out of sight until the table is scrolled there.
    BtnCliffs = new QPushButton(tr("下一笔临界奖金"), box);
    BtnCliffs->setObjectName(QStringLiteral("BtnCliffs"));
    BtnCliffs->setToolTip(tr("选中下一笔落在临界区间的奖金（标色的单元格）"));
    BtnCliffs->hide();
    connect(BtnCliffs, &QPushButton::clicked, this, &TFrmBatch::BtnCliffsClick);
    auto *counts = new QHBoxLayout;
    counts->addWidget(BtnCliffs);
    counts->addWidget(TxtCounts);
    counts->addStretch(1);
    grid->addLayout(counts);
    grid->addWidget(BuildTotals());
    TxtStatus = new QLabel(box);
    TxtStatus->setObjectName(QStringLiteral("TxtStatus"));
    TxtStatus->setAccessibleName(tr("状态"));
    TxtStatus->setWordWrap(true);
    grid->addWidget(TxtStatus);
    return box;
}

// The keys of the usual commands, on the whole window.
void TFrmBatch::AddShortcuts() {
    const auto add = [this](QKeyCombination Keys, const std::function<void()> &Action) {
        auto *shortcut = new QShortcut(QKeySequence(Keys), this);
        connect(shortcut, &QShortcut::activated, this, Action);
        Shortcuts << shortcut;
    };
    add(Qt::CTRL | Qt::Key_O, [this] { BtnOpenClick(); });
    add(Qt::CTRL | Qt::Key_S, [this] { BtnSaveClick(); });
    add(Qt::CTRL | Qt::Key_F, [this] { FocusFilter(); });
}

void TFrmBatch::FocusFilter() {
    TxtFilter->setFocus(Qt::ShortcutFocusReason);
    TxtFilter->selectAll();
}

// The totals of the months and the year, scrolling sideways when their figures are wider than
// the window, which keeps its size whatever the sums.
QWidget *TFrmBatch::BuildTotals() {
    auto *figures = new QWidget;
    auto *grid = new QGridLayout(figures);
    grid->setContentsMargins(0, 0, 0, 0);
    // The figures never narrower than their texts: the scroll area scrolls instead.
    grid->setSizeConstraint(QLayout::SetMinimumSize);
    QWidget *box = figures;
    for (int month = 0; month < 12; ++month) {
        auto *caption = new QLabel(tr("%1月").arg(month + 1), box);
        caption->setAlignment(Qt::AlignRight);
        TxtMonthTax[month] = new QLabel(Dash(), box);
        TxtMonthTax[month]->setObjectName(QStringLiteral("TxtMonthTax%1").arg(month + 1));
        TxtMonthTax[month]->setAccessibleName(tr("%1月预扣税额").arg(month + 1));
        TxtMonthTax[month]->setAlignment(Qt::AlignRight);
        TxtMonthTax[month]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, 0, month);
        grid->addWidget(TxtMonthTax[month], 1, month);
    }
    auto *year = new QLabel(tr("全年"), box);
    year->setAlignment(Qt::AlignRight);
    TxtYearTax = new QLabel(Dash(), box);
    TxtYearTax->setObjectName(QStringLiteral("TxtYearTax"));
    TxtYearTax->setAccessibleName(tr("全年预扣税额"));
    TxtYearTax->setAlignment(Qt::AlignRight);
    TxtYearTax->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = TxtYearTax->font();
    bold.setBold(true);
    TxtYearTax->setFont(bold);
    year->setFont(bold);
    grid->addWidget(year, 0, 12);
    grid->addWidget(TxtYearTax, 1, 12);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollTotals"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(figures);
    scroll->setFixedHeight(figures->sizeHint().height() +
                           scroll->horizontalScrollBar()->sizeHint().height());
    return scroll;
}

void TFrmBatch::FreezeColumns() {
    if (!Model->HasSheet()) {
        GridFrozen->hide();
        return;
    }
    const int id = Model->Sheet().ColumnOf(sheets::Field::Id);
    const int name = Model->Sheet().ColumnOf(sheets::Field::Name);
    // The headers keep their order over a new sheet: the file's order first, then these two.
    for (QTableView *view : {GridSheet, GridFrozen}) {
        QHeaderView *header = view->horizontalHeader();
        for (int column = 0; column < header->count(); ++column)
            header->moveSection(header->visualIndex(column), column);
    }
    int place = 0;
    for (const int column : {id, name}) {
        if (column < 0)
            continue;
        for (QTableView *view : {GridSheet, GridFrozen}) {
            QHeaderView *header = view->horizontalHeader();
            header->moveSection(header->visualIndex(column), place);
        }
        ++place;
    }
    for (int column = 0; column < Model->columnCount(); ++column) {
        GridFrozen->setColumnHidden(column, column != id && column != name);
        GridFrozen->setColumnWidth(column, GridSheet->columnWidth(column));
    }
    GridFrozen->setVisible(place > 0);
    PlaceFrozen();
}

void TFrmBatch::PlaceFrozen() {
    if (!GridFrozen->isVisibleTo(GridSheet))
        return;
    int width = 0;
    for (int column = 0; column < Model->columnCount(); ++column) {
        if (!GridFrozen->isColumnHidden(column))
            width += GridSheet->columnWidth(column);
    }
    const int frame = GridSheet->frameWidth();
    const int header = GridSheet->horizontalHeader()->height();
    GridFrozen->horizontalHeader()->setFixedHeight(header);
    GridFrozen->setGeometry(GridSheet->verticalHeader()->width() + frame, frame, width,
                            GridSheet->viewport()->height() + header);
}

bool TFrmBatch::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched == GridSheet && Event->type() == QEvent::Resize)
        PlaceFrozen();
    return QWidget::eventFilter(Watched, Event);
}

void TFrmBatch::ShowResultColumns() {
    if (!Model->Summary() || Model->rowCount() == 0)
        return;
    GridSheet->doItemsLayout(); // the scroll range of the columns just added
    const int inputs = Model->InputColumnCount();
    const int top = std::max(0, GridSheet->rowAt(0));
    for (const auto column : {sheets::ResultColumn::Net, sheets::ResultColumn::Tax})
        GridSheet->scrollTo(Model->index(top, inputs + static_cast<int>(column)),
                            QAbstractItemView::EnsureVisible);
}

void TFrmBatch::ShowSheetTitle() {
    const QString title = tr("工资表批量计算");
    setWindowTitle(SheetPath.isEmpty()
                       ? title
                       : tr("%1 - %2").arg(title, QDir::toNativeSeparators(SheetPath)));
}

void TFrmBatch::ShowSummary() {
    const int rejected = Errors->rowCount();
    LblErrors->setText(rejected == 0 ? tr("未计算的行：无")
                                     : tr("未计算的行（%n处错误，双击定位）：", nullptr, rejected));
    // Counts in the words of their number ("1 row", "2 rows").
    const auto EmployeesText = [](std::size_t Count) {
        return tr("%n人", nullptr, static_cast<int>(Count));
    };
    const auto RowsText = [](std::size_t Count) {
        return tr("%n行", nullptr, static_cast<int>(Count));
    };
    // With a filter, the totals are those of the rows it shows.
    const bool filtered = Model->Summary() && !Model->Filter().isEmpty();
    const std::optional<sheets::PayrollSummary> summary =
        filtered ? std::optional(Model->ShownSummary()) : Model->Summary();
    for (int month = 0; month < 12; ++month)
        TxtMonthTax[month]->setText(summary ? sheets::TotalText(summary->MonthTax[month]) : Dash());
    TxtYearTax->setText(summary ? sheets::TotalText(summary->YearTax) : Dash());
    BtnCliffs->hide();
    if (!Model->HasSheet()) {
        TxtCounts->setText(tr("打开一份工资表（CSV或Excel），或把文件拖到这里。"));
        return;
    }
    const sheets::PayrollSheet &sheet = Model->Sheet();
    if (!summary) {
        TxtCounts->setText(tr("员工%1，%2；点“计算”得出各月预扣税额。")
                               .arg(EmployeesText(sheet.AcceptedEmployeeCount()),
                                    RowsText(sheet.AcceptedRowCount())));
        return;
    }
    if (filtered) {
        TxtCounts->setText(
            tr("筛选“%1”：员工%2，%3；下面的合计只计筛选出的行。本月应预扣税额合计：")
                .arg(Model->Filter(), EmployeesText(summary->Employees), RowsText(summary->Rows)));
        return;
    }
    // Bonuses in a cliff, their cells shaded in the table.
    const QString cliffs = summary->BonusCliffs == 0 ? QString()
                                                     : tr("%n笔奖金落在临界区间（已标色）；",
                                                          nullptr, int(summary->BonusCliffs));
    BtnCliffs->setVisible(summary->BonusCliffs > 0);
    if (summary->RejectedRows > 0) {
        TxtCounts->setText(cliffs + tr("员工%1，%2；另有%3、%4因错误未计算。本月应预扣税额合计：")
                                        .arg(EmployeesText(summary->Employees),
                                             RowsText(summary->Rows),
                                             EmployeesText(summary->RejectedEmployees),
                                             RowsText(summary->RejectedRows)));
        return;
    }
    TxtCounts->setText(cliffs +
                       tr("员工%1，%2。本月应预扣税额合计：")
                           .arg(EmployeesText(summary->Employees), RowsText(summary->Rows)));
}

void TFrmBatch::SetBusy(bool Busy) {
    for (QWidget *w : std::initializer_list<QWidget *>{BtnOpen, BtnCalc, BtnSave, BtnTemplate,
                                                       BtnCliffs, TxtFilter, GridSheet, GridErrors})
        w->setEnabled(!Busy);
    for (QShortcut *shortcut : std::as_const(Shortcuts))
        shortcut->setEnabled(!Busy);
}

void TFrmBatch::RunInBackground(const QString &Label,
                                std::function<void(const sheets::Progress &)> Work,
                                std::function<bool(bool WorkEnded)> Ended, bool Counted) {
    auto *dialog = new QProgressDialog(Label, tr("取消"), 0, Counted ? ProgressSteps : 0, this);
    dialog->setObjectName(QStringLiteral("ProgressRun"));
    if (!Counted)
        dialog->setCancelButton(nullptr); // short, and nothing to stop it half way
    dialog->setWindowTitle(tr("工资表批量计算"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    dialog->setMinimumDuration(300);
    dialog->setValue(0);
    connect(dialog, &QProgressDialog::canceled, this, &TFrmBatch::CancelRun);
    Running = dialog;
    RunCounted = Counted;

    // Once, whichever comes first: the work's end, or the patience with a cancelled one.
    const auto end = [this, dialog, Ended = std::move(Ended)](bool WorkEnded) {
        disconnect(Patience, nullptr, this, nullptr);
        Patience->stop();
        if (!WorkEnded)
            Runs->Cancel();
        Running = nullptr;
        // Hidden for good: its timer would otherwise show it over the box that tells the outcome.
        disconnect(dialog, nullptr, this, nullptr);
        dialog->cancel();
        dialog->hide();
        dialog->deleteLater();
        SetBusy(false);
        const bool done = Ended(WorkEnded);
        if (!Running)
            emit Finished(done);
    };
    connect(Patience, &QTimer::timeout, this, [end] { end(false); });
    // The work reports through the helper and waits until the report has been shown here: a
    // cancel made on seeing a report is seen by the work right after it.
    Runs->Run(
        [Work = std::move(Work)](const TBackground::TTask &Task) {
            const sheets::Progress hooks{
                [Task](qint64 Done, qint64 Total) { Task.Report(Done, Total); },
                [Task] { return Task.Cancelled(); }};
            Work(hooks);
        },
        [end] { end(true); });
    SetBusy(true);
}

// A work that has not stopped a moment after a cancel is not waited for any longer. A run without
// a cancel button is short and reads nothing but memory: it is always waited for.
void TFrmBatch::CancelRun() {
    if (!Running)
        return;
    Runs->Stop();
    if (RunCounted && !Patience->isActive())
        Patience->start();
}

bool TFrmBatch::OpenFile(const QString &Path) {
    if (Running)
        return false;
    const auto read = std::make_shared<sheets::ReadOutcome>();
    RunInBackground(
        tr("正在读取%1…").arg(QFileInfo(Path).fileName()),
        [read, Path, reader = Reader](const sheets::Progress &Hooks) {
            *read = reader(Path, Hooks);
        },
        // A read left to end by itself may still be writing its outcome.
        [this, read, Path](bool Ended) {
            return ShowOpened(Path, Ended,
                              Ended ? std::move(*read)
                                    : sheets::ReadOutcome{sheets::Status::Cancelled, {}, {}});
        });
    return true;
}

bool TFrmBatch::ShowOpened(const QString &Path, bool WorkEnded, sheets::ReadOutcome Read) {
    if (WorkEnded && Read.Result == sheets::Status::Failed) {
        MsgBox::Show(this, tr("无法打开工资表：%1").arg(Read.Error));
        return false;
    }
    if (!WorkEnded || Read.Result != sheets::Status::Done) {
        TxtStatus->setText(
            Model->HasSheet()
                ? tr("已取消打开%1，仍显示原来的工资表。").arg(QDir::toNativeSeparators(Path))
                : tr("已取消打开%1。").arg(QDir::toNativeSeparators(Path)));
        return false;
    }
    auto sheet = std::make_shared<const sheets::PayrollSheet>(std::move(Read.Sheet));
    {
        const QSignalBlocker quiet(TxtFilter);
        TxtFilter->clear();
        FilterPause->stop();
        const QSignalBlocker unsorted(GridSheet->horizontalHeader());
        GridSheet->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    }
    ShowSheet(sheet);
    ResultsUnsaved = false;
    SheetPath = QFileInfo(Path).absoluteFilePath();
    RememberFolder(SheetPath);
    ShowSheetTitle();
    QString status = tr("已打开%1。").arg(QDir::toNativeSeparators(SheetPath));
    if (const std::uint32_t left = sheet->WrittenColumnsLeftOut(); left > 0)
        status += tr("其中有%n列是本程序以前写出的（计算结果或未计算的原因），不作为输入，"
                     "计算后按本次结果重新写出。",
                     nullptr, static_cast<int>(left));
    if (const QString note = sheets::ReadNote(*sheet); !note.isEmpty())
        status += tr("%1。").arg(note);
    TxtStatus->setText(status);
    // In a box: a column of insurance not deducted would have every employee over-withheld.
    if (const QString warning = sheets::DeductionWarning(*sheet); !warning.isEmpty())
        MsgBox::Show(this, tr("%1。").arg(warning));
    return true;
}

void TFrmBatch::ShowSheet(std::shared_ptr<const sheets::PayrollSheet> Sheet) {
    Model->SetSheet(Sheet);
    Errors->SetSheet(Sheet);
    ShowSummary();
    GridSheet->resizeColumnsToContents();
    FitTextColumns();
    FreezeColumns();
    GridErrors->resizeColumnToContents(0);
    GridErrors->resizeColumnToContents(1);
}

// The view makes room for the texts of the rows it measures, the first hundred; a longer 工号 or
// 姓名 further down (a name of three characters below a hundred of two) would be cut.
void TFrmBatch::FitTextColumns() {
    const QFontMetrics metrics = GridSheet->fontMetrics();
    // What the item views add to a text: a margin on either side, and the grid line.
    const int frame =
        GridSheet->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, GridSheet);
    const int margins = 2 * (frame + 1) + 1;
    const int widest =
        metrics.horizontalAdvance(QString(WidestTextColumn, QChar(0x6C49))) + margins;
    for (const sheets::Field field : {sheets::Field::Id, sheets::Field::Name}) {
        const int column = Model->Sheet().ColumnOf(field);
        if (column < 0)
            continue;
        int wanted = GridSheet->columnWidth(column);
        for (const QString &text : Model->LongestTexts(field, 8))
            wanted = std::max(wanted, std::min(metrics.horizontalAdvance(text) + margins, widest));
        GridSheet->setColumnWidth(column, wanted);
    }
}

// A result column wider than the room beside the frozen 工号 and 姓名 (a long note, in English)
// would keep its beginning under them however far the table scrolls: it is cut to that room, the
// whole text in its cells' tooltips.
void TFrmBatch::KeepResultsInView() {
    int frozen = 0;
    for (const sheets::Field field : {sheets::Field::Id, sheets::Field::Name}) {
        const int column = Model->Sheet().ColumnOf(field);
        if (column >= 0)
            frozen += GridSheet->columnWidth(column);
    }
    const int room = std::max(GridSheet->viewport()->width() - frozen, MinimumResultWidth);
    for (int column = Model->InputColumnCount(); column < Model->columnCount(); ++column) {
        if (GridSheet->columnWidth(column) > room)
            GridSheet->setColumnWidth(column, room);
    }
}

// The open sheet, shared with a run about to start; none while a run is going, or with a box
// before any sheet is open.
std::shared_ptr<const sheets::PayrollSheet> TFrmBatch::SheetToWorkOn() {
    if (Running)
        return nullptr;
    if (!Model->HasSheet()) {
        MsgBox::Show(this, tr("请先打开一份工资表。"));
        return nullptr;
    }
    return Model->SharedSheet();
}

bool TFrmBatch::Calculate() {
    if (Running)
        return false;
    const std::size_t corrected = Model->Corrections().size();
    if (corrected == 0) {
        if (!SheetToWorkOn())
            return false;
        RunCalculation(0);
        return true;
    }
    ApplyCorrections([this, corrected] {
        RunCalculation(corrected);
        return true;
    });
    return true;
}

void TFrmBatch::RunCalculation(std::size_t Corrected) {
    const std::shared_ptr<const sheets::PayrollSheet> sheet = SheetToWorkOn();
    if (!sheet)
        return;
    const auto summary = std::make_shared<std::optional<sheets::PayrollSummary>>();
    const auto cliffs = std::make_shared<std::vector<std::uint32_t>>();
    RunInBackground(
        tr("正在计算每位员工的累计预扣…"),
        [summary, cliffs, sheet](const sheets::Progress &Hooks) {
            *summary = sheets::Summarize(*sheet, Hooks);
            if (*summary && (*summary)->BonusCliffs > 0)
                *cliffs = TBatchModel::CliffRows(*sheet);
        },
        [this, summary, cliffs, Corrected](bool Ended) {
            if (!Ended || !*summary) {
                TxtStatus->setText(tr("已取消计算。"));
                return false;
            }
            Model->SetSummary(std::move(*summary), std::move(*cliffs));
            ResultsUnsaved = true;
            ShowSummary();
            const int inputs = Model->InputColumnCount();
            for (int column = inputs; column < Model->columnCount(); ++column)
                GridSheet->resizeColumnToContents(column);
            FreezeColumns();
            KeepResultsInView();
            ShowResultColumns();
            TxtStatus->setText(Corrected > 0
                                   ? tr("已按改正的%1个单元格重新检查并计算。").arg(Corrected)
                                   : tr("已计算。"));
            return true;
        });
}

void TFrmBatch::ApplyCorrections(std::function<bool()> Then) {
    const auto read = std::make_shared<sheets::ReadOutcome>();
    const TBatchModel *model = Model;
    RunInBackground(
        tr("正在按改正的单元格重新检查…"),
        [read, model](const sheets::Progress &) { *read = model->Corrected(); },
        [this, read, Then = std::move(Then)](bool Ended) {
            if (!Ended)
                return false;
            if (read->Result != sheets::Status::Done) {
                MsgBox::Show(this, tr("改正的单元格无法读入：%1").arg(read->Error));
                return false;
            }
            {
                const QSignalBlocker unsorted(GridSheet->horizontalHeader());
                GridSheet->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
            }
            ShowSheet(std::make_shared<const sheets::PayrollSheet>(std::move(read->Sheet)));
            Model->SetFilter(TxtFilter->text());
            return Then();
        },
        false);
}

bool TFrmBatch::SaveFile(const QString &Path) {
    const std::shared_ptr<const sheets::PayrollSheet> sheet = SheetToWorkOn();
    if (!sheet)
        return false;
    const auto written = std::make_shared<sheets::WriteOutcome>();
    RunInBackground(
        tr("正在保存%1…").arg(QFileInfo(Path).fileName()),
        [written, sheet, Path](const sheets::Progress &Hooks) {
            *written = sheets::WritePayroll(Path, *sheet, Hooks);
        },
        [this, written, sheet, Path](bool Ended) {
            return ShowSaved(Path, Ended, *written, *sheet);
        });
    return true;
}

bool TFrmBatch::ShowSaved(const QString &Path, bool WorkEnded, const sheets::WriteOutcome &Written,
                          const sheets::PayrollSheet &Sheet) {
    if (WorkEnded && Written.Result == sheets::Status::Failed) {
        MsgBox::Show(this, tr("保存失败，原有文件未被改动：%1").arg(Written.Error));
        return false;
    }
    if (!WorkEnded || Written.Result != sheets::Status::Done) {
        TxtStatus->setText(tr("已取消保存，原有文件未被改动。"));
        return false;
    }
    ResultsUnsaved = false;
    RememberFolder(Path);
    const QString saved = tr("已保存到%1。").arg(QDir::toNativeSeparators(Path));
    const QString rejected = sheets::RejectedNote(Sheet, QDir::toNativeSeparators(Path));
    if (rejected.isEmpty()) {
        TxtStatus->setText(saved);
        return true;
    }
    // Told in a box too: a clerk who misses them would pay these employees untaxed.
    const QString told = tr("%1%2。").arg(saved, rejected);
    TxtStatus->setText(told);
    MsgBox::Show(this, told);
    return true;
}

bool TFrmBatch::SaveTemplate(const QString &Path) {
    if (Running)
        return false;
    const sheets::WriteOutcome written = sheets::WriteTemplate(Path);
    if (written.Result != sheets::Status::Done) {
        MsgBox::Show(this, tr("模板未能写出：%1").arg(written.Error));
        return false;
    }
    TxtStatus->setText(
        tr("模板已写到%1，填好后用“打开...”读入。").arg(QDir::toNativeSeparators(Path)));
    return true;
}

QString TFrmBatch::AskPath(bool Saving, const QString &Caption, const QString &Suggested) {
    const QString csv = tr("CSV文件 (*.csv)");
    const QString xlsx = tr("Excel工作簿 (*.xlsx)");
    // Opening starts in the folder with no name typed; saving suggests a name.
    QFileDialog dialog(this, Caption, Saving ? Suggested : QString());
    dialog.setObjectName(QStringLiteral("FileDialog"));
    if (!Saving) {
        dialog.setDirectory(Suggested);
        dialog.selectFile(QString());
    }
    if (Saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({csv, xlsx});
        if (sheets::KindOf(Suggested) == sheets::SheetKind::Xlsx)
            dialog.selectNameFilter(xlsx);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({tr("工资表 (*.csv *.xlsx)"), tr("所有文件 (*)")});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    if (Saving && QFileInfo(path).suffix().isEmpty())
        path +=
            dialog.selectedNameFilter() == xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    return path;
}

QString TFrmBatch::StartFolder() const {
    if (const auto kept = TFileManager::ReadSheetFolder(); kept && QFileInfo(*kept).isDir())
        return *kept;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TFrmBatch::RememberFolder(const QString &Path) {
    // Not being able to keep it costs only a folder to find again: nothing to tell.
    TFileManager::WriteSheetFolder(QFileInfo(Path).absolutePath());
}

void TFrmBatch::BtnOpenClick() {
    const QString path = AskPath(false, tr("打开工资表"), StartFolder());
    if (path.isEmpty())
        TxtStatus->setText(tr("已取消打开。"));
    else
        OpenFile(path);
}

bool TFrmBatch::BtnSaveClick() {
    if (Running)
        return false;
    if (!Model->HasSheet()) {
        MsgBox::Show(this, tr("请先打开一份工资表。"));
        return false;
    }
    const QFileInfo shown(SheetPath);
    const QString suggested = shown.absoluteDir().filePath(
        tr("%1-预扣.%2").arg(shown.completeBaseName(), shown.suffix()));
    const QString path = AskPath(true, tr("工资表另存为"), suggested);
    if (path.isEmpty()) {
        TxtStatus->setText(tr("已取消保存。"));
        return false;
    }
    return SaveFile(path);
}

void TFrmBatch::BtnTemplateClick() {
    const QString path =
        AskPath(true, tr("写出工资表模板"), QDir(StartFolder()).filePath(tr("工资表模板.xlsx")));
    if (!path.isEmpty())
        SaveTemplate(path);
}

void TFrmBatch::BtnPayslipsClick() {
    if (std::shared_ptr<const sheets::PayrollSheet> sheet = SheetToWorkOn()) {
        TDlgPayslips dialog(std::move(sheet), StartFolder(), this);
        dialog.exec();
    }
}

void TFrmBatch::FillDeclaration() {
    if (std::shared_ptr<const sheets::PayrollSheet> sheet = SheetToWorkOn()) {
        TDlgDeclaration dialog(std::move(sheet), StartFolder(), this);
        dialog.exec();
    }
}

void TFrmBatch::GridErrorsDoubleClick(const QModelIndex &Index) {
    if (!Index.isValid() || !Model->HasSheet())
        return;
    const std::size_t row = Errors->SheetRow(Index.row());
    int shown = Model->ViewRow(row);
    if (shown < 0) {
        // Filtered out: the whole sheet again, so that the row can be shown.
        TxtFilter->clear();
        FilterPause->stop();
        Model->SetFilter({});
        ShowSummary();
        shown = Model->ViewRow(row);
    }
    if (shown < 0)
        return;
    GridSheet->selectRow(shown);
    GridSheet->scrollTo(Model->index(shown, 0), QAbstractItemView::PositionAtCenter);
    GridSheet->setFocus();
}

// The next bonus in a cliff below the current row, in the order shown, from the top again past
// the last.
void TFrmBatch::BtnCliffsClick() {
    const QModelIndex cell = Model->NextCliff(GridSheet->currentIndex());
    if (!cell.isValid())
        return;
    GridSheet->setCurrentIndex(cell);
    GridSheet->scrollTo(cell);
    GridSheet->setFocus();
}

void TFrmBatch::SortBy(int Column, Qt::SortOrder Order) {
    QHeaderView *columns = GridSheet->horizontalHeader();
    if (Running || !Model->HasSheet()) {
        // Nothing to sort (or a run under way): the indicator shows what the rows are.
        const QSignalBlocker quiet(columns);
        columns->setSortIndicator(Model->SortedColumn(), Model->SortedOrder());
        return;
    }
    const auto rows = std::make_shared<std::vector<std::uint32_t>>();
    const TBatchModel *model = Model;
    RunInBackground(
        tr("正在排序…"),
        [rows, model, Column, Order](const sheets::Progress &) {
            *rows = model->OrderBy(Column, Order);
        },
        [this, rows, Column, Order](bool Ended) {
            if (Ended)
                Model->SetOrder(Column, Order, std::move(*rows));
            return Ended;
        },
        false);
}

void TFrmBatch::closeEvent(QCloseEvent *Event) {
    // A run under way is cancelled rather than left without its window.
    if (Running) {
        Running->cancel();
        CancelRun();
        Event->ignore();
        return;
    }
    if (!MayClose()) {
        Event->ignore();
        return;
    }
    QWidget::closeEvent(Event);
}

bool TFrmBatch::MayClose() {
    if (!ResultsUnsaved)
        return true;
    QMessageBox box(QMessageBox::Question, tr("工资表批量计算"), tr("计算结果还没有保存。"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("BoxUnsaved"));
    box.setInformativeText(tr("关闭窗口之前，要把结果另存为文件吗？"));
    box.button(QMessageBox::Save)->setText(tr("另存为(&S)..."));
    box.button(QMessageBox::Discard)->setText(tr("不保存(&N)"));
    box.button(QMessageBox::Cancel)->setText(tr("取消"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        // Closed once saved; a failed or cancelled save keeps it open.
        if (BtnSaveClick())
            connect(
                this, &TFrmBatch::Finished, this,
                [this](bool Saved) {
                    if (Saved)
                        close();
                },
                Qt::SingleShotConnection);
        return false;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString TFrmBatch::DroppedSheet(const QMimeData *Data) {
    if (!Data || !Data->hasUrls() || Data->urls().size() != 1)
        return {};
    const QUrl url = Data->urls().constFirst();
    const QString path = url.toLocalFile();
    return url.isLocalFile() && IsSheetFile(path) ? path : QString();
}

void TFrmBatch::dragEnterEvent(QDragEnterEvent *Event) {
    if (!Running && !DroppedSheet(Event->mimeData()).isEmpty())
        Event->acceptProposedAction();
}

void TFrmBatch::dropEvent(QDropEvent *Event) {
    const QString path = DroppedSheet(Event->mimeData());
    if (path.isEmpty() || Running)
        return;
    Event->acceptProposedAction();
    // Not inside the drop: the source waits for it to end.
    QMetaObject::invokeMethod(
        this, [this, path] { OpenFile(path); }, Qt::QueuedConnection);
}
