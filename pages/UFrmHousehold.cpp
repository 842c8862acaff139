#include "pages/UFrmHousehold.h"

#include "common/UBackground.h"
#include "common/UDesktopHabits.h"
#include "common/UMsgBox.h"
#include "common/UOpenYear.h"
#include "common/UScrollColumn.h"
#include "common/USettlementSentences.h"
#include "sheets/Captions.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <tuple>

namespace {

using current::Cents;
using current::HouseholdChoice;
using current::Placement;
using Kind = TFrmSharedItem::Kind;

// A path typed is read once the typing pauses, not at every key.
constexpr int PathPauseMs = 400;

// One row of the shared items' table: the item's kind and its place in its list, in the order
// the household file and the split take them.
struct ItemRow {
    Kind What;
    std::size_t Index;
};

std::vector<ItemRow> RowsOf(const current::SharedItems &Shared) {
    std::vector<ItemRow> rows;
    for (std::size_t i = 0; i < Shared.Children.size(); ++i)
        rows.push_back({Kind::Child, i});
    if (Shared.HousingLoan)
        rows.push_back({Kind::Loan, 0});
    for (std::size_t i = 0; i < Shared.Rent.size(); ++i)
        rows.push_back({Kind::Lease, i});
    for (std::size_t i = 0; i < Shared.Illness.size(); ++i)
        rows.push_back({Kind::Illness, i});
    return rows;
}

QString TitleOf(const current::SharedItems &Shared, const ItemRow &Row) {
    switch (Row.What) {
    case Kind::Child:
        return TFrmSharedItem::Title(Shared.Children[Row.Index]);
    case Kind::Loan:
        return TFrmSharedItem::Title(*Shared.HousingLoan);
    case Kind::Lease:
        return TFrmSharedItem::Title(Shared.Rent[Row.Index]);
    case Kind::Illness:
        break;
    }
    return TFrmSharedItem::Title(Shared.Illness[Row.Index]);
}

Placement PlaceOf(const current::HouseholdAssignment &Assignment, const ItemRow &Row) {
    switch (Row.What) {
    case Kind::Child:
        return Assignment.Children[Row.Index];
    case Kind::Loan:
        return *Assignment.HousingLoan;
    case Kind::Lease:
        return Assignment.Rent[Row.Index];
    case Kind::Illness:
        break;
    }
    return Assignment.Illness[Row.Index];
}

// The row a household fault's path names ("shared.rent[1].amount"), or -1.
int RowOfPath(const current::SharedItems &Shared, const std::string &Path) {
    const QString path = QString::fromStdString(Path);
    const std::vector<ItemRow> rows = RowsOf(Shared);
    const struct {
        const char *Key;
        Kind What;
    } keys[] = {{"shared.children[", Kind::Child},
                {"shared.housing_loan", Kind::Loan},
                {"shared.rent[", Kind::Lease},
                {"shared.illness[", Kind::Illness}};
    for (const auto &key : keys) {
        const QString prefix = QLatin1String(key.Key);
        if (!path.startsWith(prefix))
            continue;
        const std::size_t index =
            key.What == Kind::Loan ? 0 : path.mid(prefix.size()).section(u']', 0, 0).toULongLong();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].What == key.What && rows[row].Index == index)
                return static_cast<int>(row);
        }
    }
    return -1;
}

QTableWidget *NewTable(QWidget *Parent, const QString &Name, const QString &Describe,
                       const QStringList &Titles) {
    auto *table = new QTableWidget(0, static_cast<int>(Titles.size()), Parent);
    table->setObjectName(Name);
    table->setAccessibleName(Describe);
    table->setHorizontalHeaderLabels(Titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    DesktopHabits::ColumnsFitContents(table);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return table;
}

void SetCell(QTableWidget *Table, int Row, int Column, const QString &Text, bool Number) {
    auto *item = new QTableWidgetItem(Text);
    item->setTextAlignment((Number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    Table->setItem(Row, Column, item);
}

} // namespace

TFrmHousehold::TFrmHousehold(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    Splits = new TBackground(this);
    Writes = new TBackground(this);
    PathPause = new QTimer(this);
    PathPause->setSingleShot(true);
    PathPause->setInterval(PathPauseMs);
    connect(PathPause, &QTimer::timeout, this, &TFrmHousehold::Recalculate);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addWidget(BuildInputs(), 0);
    columns->addWidget(BuildResults(), 1);
    Body()->addLayout(columns, 1);

    SetFirstInput(TxtNameA);
    SetTabOrder({TxtNameA,        TxtNameB,       TxtFileA,         BtnChooseFileA,
                 TxtFileB,        BtnChooseFileB, TxtHouseholdFile, BtnChooseHouseholdFile,
                 BtnTakeOpenYear, TblShared,      BtnAddChild,      BtnAddLoan,
                 BtnAddLease,     BtnAddIllness,  BtnEditItem,      BtnRemoveItem,
                 BtnCalc,         BtnReset,       BtnWriteBack,     TabsRight});
    for (QLineEdit *edit : {TxtFileA, TxtFileB, TxtHouseholdFile}) {
        connect(edit, &QLineEdit::textChanged, PathPause, qOverload<>(&QTimer::start));
        connect(edit, &QLineEdit::returnPressed, this, &TFrmHousehold::Recalculate);
    }
    // A household file the user names is a file to take the shared items from; one put back as
    // the page comes again is not, for the list kept with it may have been changed since.
    connect(TxtHouseholdFile, &QLineEdit::textEdited, this, &TFrmHousehold::HouseholdFileNamed);
    connect(BtnTakeOpenYear, &QPushButton::clicked, this, &TFrmHousehold::BtnTakeOpenYearClick);
    connect(BtnChooseFileA, &QPushButton::clicked, this,
            [this] { ChooseFile(TxtFileA, tr("选择 a 的年度文件")); });
    connect(BtnChooseFileB, &QPushButton::clicked, this,
            [this] { ChooseFile(TxtFileB, tr("选择 b 的年度文件")); });
    connect(BtnChooseHouseholdFile, &QPushButton::clicked, this,
            [this] { ChooseFile(TxtHouseholdFile, tr("选择家庭文件")); });
    connect(BtnAddChild, &QPushButton::clicked, this, [this] { AddItem(Kind::Child); });
    connect(BtnAddLoan, &QPushButton::clicked, this, [this] { AddItem(Kind::Loan); });
    connect(BtnAddLease, &QPushButton::clicked, this, [this] { AddItem(Kind::Lease); });
    connect(BtnAddIllness, &QPushButton::clicked, this, [this] { AddItem(Kind::Illness); });
    connect(BtnEditItem, &QPushButton::clicked, this, &TFrmHousehold::BtnEditItemClick);
    connect(BtnRemoveItem, &QPushButton::clicked, this, &TFrmHousehold::BtnRemoveItemClick);
    connect(TblShared, &QTableWidget::cellDoubleClicked, this, &TFrmHousehold::BtnEditItemClick);
    connect(TblShared, &QTableWidget::itemSelectionChanged, this, &TFrmHousehold::UpdateButtons);
    auto *remove = new QShortcut(QKeySequence::Delete, TblShared);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &TFrmHousehold::BtnRemoveItemClick);
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmHousehold::Recalculate);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmHousehold::BtnResetClick);
    connect(BtnWriteBack, &QPushButton::clicked, this, &TFrmHousehold::BtnWriteBackClick);

    // Saved through the state itself: it runs once the page is gone. What was written back is
    // put back first, so that the split of the shared items already knows it.
    using WrittenList = std::vector<HouseholdRun::WrittenBack>;
    KeepState(
        QStringLiteral("Written"), [state = State] { return QVariant::fromValue(state->Written); },
        [this](const QVariant &Value) { State->Written = Value.value<WrittenList>(); });
    KeepState(
        QStringLiteral("Shared"), [state = State] { return QVariant::fromValue(state->Shared); },
        [this](const QVariant &Value) { SetShared(Value.value<current::SharedItems>()); });
    // After the list, which would clear it: the file's items are read again, from the start.
    KeepState(
        QStringLiteral("TakeShared"), [state = State] { return QVariant(state->TakeShared); },
        [this](const QVariant &Value) {
            if (!Value.toBool())
                return;
            TakeShared = true;
            Recalculate();
        });
    ClearResults();
    ShowSharedTable();
    ShowSources(nullptr);
    TxtStatus->setText(
        tr("请选择 a、b 两人的年度文件（或含两人年度的家庭文件），再添加共同项目。"));
    FollowOpenYear();
}

// The year open in the program is a's to begin with; while open, it stands for its file on this
// page, so that an edit there counts here before it is saved, and the split follows each edit.
void TFrmHousehold::FollowOpenYear() {
    connect(&TOpenYear::Instance(), &TOpenYear::Changed, this, [this] {
        if (OpenYearFacts(TxtFileA->text()) || OpenYearFacts(TxtFileB->text()))
            PathPause->start();
    });
}

// The open year is whoever's the user says it is, never taken as a's unasked: the button that
// takes it is there while a year file is open.
void TFrmHousehold::showEvent(QShowEvent *Event) {
    TCurrentPage::showEvent(Event);
    UpdateButtons();
}

void TFrmHousehold::BtnTakeOpenYearClick() {
    const TOpenYear &year = TOpenYear::Instance();
    if (!year.IsOpen() || year.Path().isEmpty())
        return;
    QMessageBox ask(QMessageBox::Question, tr("提示"),
                    tr("打开的年度“%1”是哪一方的？").arg(QDir::toNativeSeparators(year.Path())),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("AskWhose"));
    QPushButton *a = ask.addButton(tr("a 的"), QMessageBox::AcceptRole);
    QPushButton *b = ask.addButton(tr("b 的"), QMessageBox::AcceptRole);
    ask.addButton(tr("取消"), QMessageBox::RejectRole);
    ask.exec();
    QLineEdit *edit = ask.clickedButton() == a   ? TxtFileA
                      : ask.clickedButton() == b ? TxtFileB
                                                 : nullptr;
    if (!edit)
        return;
    edit->setText(QDir::toNativeSeparators(year.Path()));
    Recalculate();
}

// Both people's years come from the household file named: a year file named before would mix two
// sources without a word.
void TFrmHousehold::HouseholdFileNamed() {
    TakeShared = true;
    if (TxtFileA->text().isEmpty() && TxtFileB->text().isEmpty())
        return;
    TxtFileA->clear();
    TxtFileB->clear();
    Notice = tr("家庭文件含两人的年度：a、b 的年度文件已清空，两人的年度都取自家庭文件。");
}

std::optional<current::YearFacts> TFrmHousehold::OpenYearFacts(const QString &Path) {
    const TOpenYear &year = TOpenYear::Instance();
    const QString path = Path.trimmed();
    if (path.isEmpty() || !year.IsOpen() || year.Path().isEmpty() ||
        QFileInfo(path) != QFileInfo(year.Path()))
        return std::nullopt;
    return year.Facts();
}

void TFrmHousehold::FileRow(QFormLayout *Form, QLineEdit *&Edit, QPushButton *&Button,
                            const QString &Name, const QString &Caption) {
    Edit = new QLineEdit(Client());
    Edit->setObjectName(QStringLiteral("Txt") + Name);
    Edit->setMinimumWidth(240);
    Describe(Edit, Caption);
    Button = FlowButton(QStringLiteral("BtnChoose") + Name, tr("选择..."));
    Button->setAccessibleName(tr("选择%1").arg(Edit->accessibleName()));
    auto *row = new QHBoxLayout;
    row->addWidget(Edit, 1);
    row->addWidget(Button);
    auto *label = new QLabel(Caption, Client());
    label->setBuddy(Edit);
    Form->addRow(label, row);
}

QWidget *TFrmHousehold::BuildInputs() {
    auto *files = new QGroupBox(tr("两人的年度"), Client());
    auto *form = NewForm();
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    for (auto [edit, name, caption] : {std::tuple{&TxtNameA, "TxtNameA", tr("a 的姓名：")},
                                       std::tuple{&TxtNameB, "TxtNameB", tr("b 的姓名：")}}) {
        *edit = new QLineEdit(Client());
        (*edit)->setObjectName(QLatin1String(name));
        (*edit)->setPlaceholderText(tr("可不填"));
        Describe(*edit, caption);
        auto *label = new QLabel(caption, Client());
        label->setBuddy(*edit);
        form->addRow(label, *edit);
        connect(*edit, &QLineEdit::textChanged, this, [this] { ShowSources(Shown()); });
    }
    FileRow(form, TxtFileA, BtnChooseFileA, QStringLiteral("FileA"), tr("a 的年度文件："));
    FileRow(form, TxtFileB, BtnChooseFileB, QStringLiteral("FileB"), tr("b 的年度文件："));
    FileRow(form, TxtHouseholdFile, BtnChooseHouseholdFile, QStringLiteral("HouseholdFile"),
            tr("家庭文件："));
    auto *filesLayout = new QVBoxLayout(files);
    filesLayout->addLayout(form);
    BtnTakeOpenYear = FlowButton(QStringLiteral("BtnTakeOpenYear"), tr("使用打开的年度..."));
    BtnTakeOpenYear->setToolTip(tr("把程序中打开的纳税年度作为 a 或 b 的年度（会询问是哪一方的）"));
    filesLayout->addLayout(ButtonRow({BtnTakeOpenYear}));
    TxtSources = GreyNote(QString());
    TxtSources->setObjectName(QStringLiteral("TxtSources"));
    Describe(TxtSources, tr("两人年度的来源"));
    filesLayout->addWidget(TxtSources);
    filesLayout->addWidget(GreyNote(tr("选择家庭文件时，a、b 两人的年度都取自家庭文件，其中的共同"
                                       "项目读入下表；只填 a 或 b 一方的年度文件时，另一方取自家庭"
                                       "文件。")));

    auto *shared = new QGroupBox(tr("共同项目（shared）"), Client());
    TblShared = NewTable(Client(), QStringLiteral("TblShared"), tr("共同项目"),
                         {tr("项目"), tr("最优分配")});
    TblShared->setSelectionBehavior(QAbstractItemView::SelectRows);
    TblShared->setSelectionMode(QAbstractItemView::SingleSelection);
    TblShared->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    TblShared->setMinimumHeight(TblShared->verticalHeader()->defaultSectionSize() * 5);
    BtnAddChild = FlowButton(QStringLiteral("BtnAddChild"), tr("子女..."));
    BtnAddChild->setAccessibleName(tr("添加子女"));
    BtnAddLoan = FlowButton(QStringLiteral("BtnAddLoan"), tr("住房贷款..."));
    BtnAddLoan->setAccessibleName(tr("添加住房贷款"));
    BtnAddLease = FlowButton(QStringLiteral("BtnAddLease"), tr("租房..."));
    BtnAddLease->setAccessibleName(tr("添加租房"));
    BtnAddIllness = FlowButton(QStringLiteral("BtnAddIllness"), tr("大病医疗..."));
    BtnAddIllness->setAccessibleName(tr("添加大病医疗"));
    BtnEditItem = FlowButton(QStringLiteral("BtnEditItem"), tr("修改..."));
    BtnRemoveItem = FlowButton(QStringLiteral("BtnRemoveItem"), tr("删除"));
    auto *sharedLayout = new QVBoxLayout(shared);
    sharedLayout->addWidget(TblShared);
    // Two by two: in one row the longer captions would widen the column.
    auto *adding = new QGridLayout;
    adding->addWidget(new QLabel(tr("添加："), Client()), 0, 0);
    adding->addWidget(BtnAddChild, 0, 1);
    adding->addWidget(BtnAddLoan, 0, 2);
    adding->addWidget(BtnAddLease, 1, 1);
    adding->addWidget(BtnAddIllness, 1, 2);
    adding->setColumnStretch(3, 1);
    sharedLayout->addLayout(adding);
    sharedLayout->addLayout(ButtonRow({BtnEditItem, BtnRemoveItem}));

    auto *column = new QVBoxLayout;
    column->addWidget(files);
    column->addWidget(shared, 1);
    QHBoxLayout *buttons = CalcButtons(tr("家庭分配"));
    BtnCalc->setText(tr("重新计算"));
    BtnCalc->setToolTip(tr("重新读入所选的文件并计算；改动文件或共同项目时会自动重新计算"));
    BtnWriteBack = FlowButton(QStringLiteral("BtnWriteBack"), tr("写回年度文件..."));
    BtnWriteBack->setToolTip(tr("把最优分配下的共同项目及各自的扣除比例写入两人的年度文件"));
    buttons->insertWidget(2, BtnWriteBack);
    column->addLayout(buttons);
    column->addWidget(TxtMsgInput);
    TxtStatus = GreyNote(QString());
    TxtStatus->setObjectName(QStringLiteral("TxtStatus"));
    Describe(TxtStatus, tr("家庭分配状态"));
    column->addWidget(TxtStatus);
    QScrollArea *scroll = ScrollColumn(column, Client(), QStringLiteral("ScrollInputs"));
    scroll->setMinimumWidth(460);
    return scroll;
}

QWidget *TFrmHousehold::BuildResults() {
    TabsRight = new QTabWidget(Client());
    TabsRight->setObjectName(QStringLiteral("TabsRight"));

    auto *results = new QVBoxLayout;
    TxtSummary = new QLabel(Client());
    TxtSummary->setObjectName(QStringLiteral("TxtSummary"));
    TxtSummary->setWordWrap(true);
    TxtSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Describe(TxtSummary, tr("分配概况"));
    results->addWidget(TxtSummary);
    QFormLayout *form = NewForm();
    TxtBestTotal = AddResultRow(form, QStringLiteral("TxtBestTotal"), tr("最优分配两人合计："));
    TxtSavingAllToA =
        AddResultRow(form, QStringLiteral("TxtSavingAllToA"), tr("比全部由 a 扣除少缴："));
    TxtSavingAllToB =
        AddResultRow(form, QStringLiteral("TxtSavingAllToB"), tr("比全部由 b 扣除少缴："));
    TxtSavingWorst =
        AddResultRow(form, QStringLiteral("TxtSavingWorst"), tr("比最不利的分配少缴："));
    TxtNowTotal = AddResultRow(form, QStringLiteral("TxtNowTotal"), tr("现在的分配两人合计："));
    TxtSavingNow = AddResultRow(form, QStringLiteral("TxtSavingNow"), tr("比现在的分配少缴："));
    // A long caption puts its figure on the next line rather than widen the column.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    results->addLayout(form);
    TblChoices = NewTable(Client(), QStringLiteral("TblChoices"), tr("各种分配的应纳税额"),
                          {tr("a 应纳税额"), tr("b 应纳税额"), tr("两人合计")});
    TblChoices->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    results->addWidget(TblChoices);
    for (auto [label, name, caption] :
         {std::tuple{&TxtFilingA, "TxtFilingA", tr("a 是否需要办理年度汇算")},
          std::tuple{&TxtFilingB, "TxtFilingB", tr("b 是否需要办理年度汇算")}}) {
        *label = new QLabel(Client());
        (*label)->setObjectName(QLatin1String(name));
        (*label)->setWordWrap(true);
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        Describe(*label, caption);
        results->addWidget(*label);
    }
    results->addStretch();
    TabsRight->addTab(ScrollColumn(results, TabsRight, QStringLiteral("ScrollResults")),
                      tr("计算结果"));

    // Both settlements, figure by figure, on a tab of their own: the table is as tall as the
    // settlement's figures are many.
    auto *settlements = new QVBoxLayout;
    TblSettlements =
        NewTable(Client(), QStringLiteral("TblSettlements"), tr("最优分配下两人的年度汇算"),
                 {QStringLiteral("a"), QStringLiteral("b")});
    TblSettlements->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    settlements->addWidget(TblSettlements);
    settlements->addStretch();
    TabsRight->addTab(ScrollColumn(settlements, TabsRight, QStringLiteral("ScrollSettlements")),
                      tr("最优分配下的年度汇算"));
    TabsRight->addTab(Explanation(), tr("说明"));
    return TabsRight;
}

QWidget *TFrmHousehold::Explanation() {
    using current::Law::HalfShare;
    auto *text = new QVBoxLayout;
    const QStringList paragraphs{
        tr("夫妻每年可以选择由谁扣除下列项目，税法允许的方式："),
        tr("· 子女教育、婴幼儿照护：每个子女由 a 或 b 全额扣除，或两人各扣%1%。").arg(HalfShare),
        tr("· 住房贷款利息：由一方全额扣除；婚前各自购买首套住房的，也可两人各扣%1%。")
            .arg(HalfShare),
        tr("· 住房租金：夫妻主要工作城市相同的，每份租房只由一方扣除；一年中夫妻不能既扣住房"
           "贷款利息又扣住房租金。"),
        tr("· 大病医疗：子女的由父母任一方扣除，配偶的由另一方扣除；本人的写在本人的年度文件中。"),
        tr("本页试遍所有允许的分配，按两人的年度文件算出各自的年度汇算，取两人应纳税额合计（含年"
           "终奖单独计税的税额）最少的一种；合计相同时取改动最少的（以子女和可各半的贷款各半、"
           "其余由 a 扣除为准），再取列在前面的。命令 pendra-cli household 给出同样的结果。"),
        tr("共同项目只列在本页（或家庭文件的 shared 中），不要同时写在个人的年度文件里。“写回年度"
           "文件”把最优分配下的共同项目连同扣除比例写入两人的年度文件，写前会询问；写回后，"
           "本页仍把共同项目与两人的个人部分分开保存，以便改动后重新分配。")};
    for (const QString &paragraph : paragraphs)
        text->addWidget(GreyNote(paragraph));
    text->addStretch();
    return ScrollColumn(text, TabsRight, QStringLiteral("ScrollExplanation"));
}

HouseholdRun::YearSource TFrmHousehold::SourceOfA() const {
    return {TxtFileA->text().trimmed(), OpenYearFacts(TxtFileA->text())};
}

HouseholdRun::YearSource TFrmHousehold::SourceOfB() const {
    return {TxtFileB->text().trimmed(), OpenYearFacts(TxtFileB->text())};
}

int TFrmHousehold::Year() const {
    return KnownYear ? KnownYear : current::LatestRules().Year;
}

void TFrmHousehold::ChooseFile(QLineEdit *Edit, const QString &Caption) {
    const QString shown = Edit->text().trimmed();
    QFileDialog dialog(this, Caption,
                       shown.isEmpty() ? QString() : QFileInfo(shown).absolutePath());
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("JSON文件 (*.json)"), tr("所有文件 (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    Edit->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    if (Edit == TxtHouseholdFile)
        HouseholdFileNamed();
    Recalculate();
}

void TFrmHousehold::SetShared(const current::SharedItems &Items) {
    State->Shared = Items;
    SharedChanged();
}

// The user's own list wins over a household file's not yet read.
void TFrmHousehold::SharedChanged() {
    TakeShared = false;
    Notice.clear();
    ShowSharedTable();
    Recalculate();
}

void TFrmHousehold::AddItem(Kind What) {
    if (What == Kind::Loan && State->Shared.HousingLoan)
        return;
    EditItem(What, std::nullopt);
}

bool TFrmHousehold::EditItem(Kind What, std::optional<std::size_t> Index) {
    TFrmSharedItem dialog(What, Year(), this);
    current::SharedItems items = State->Shared;
    if (Index) {
        switch (What) {
        case Kind::Child:
            dialog.SetChild(items.Children[*Index]);
            break;
        case Kind::Loan:
            dialog.SetLoan(*items.HousingLoan);
            break;
        case Kind::Lease:
            dialog.SetLease(items.Rent[*Index]);
            break;
        case Kind::Illness:
            dialog.SetIllness(items.Illness[*Index]);
            break;
        }
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const auto put = [&Index](auto &List, auto Value) {
        if (Index)
            List[*Index] = std::move(Value);
        else
            List.push_back(std::move(Value));
    };
    switch (What) {
    case Kind::Child:
        put(items.Children, dialog.Child());
        break;
    case Kind::Loan:
        items.HousingLoan = dialog.Loan();
        break;
    case Kind::Lease:
        put(items.Rent, dialog.Lease());
        break;
    case Kind::Illness:
        put(items.Illness, dialog.Illness());
        break;
    }
    SetShared(items);
    return true;
}

void TFrmHousehold::BtnEditItemClick() {
    const int row = TblShared->currentRow();
    const std::vector<ItemRow> rows = RowsOf(State->Shared);
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    if (EditItem(rows[row].What, rows[row].Index))
        TblShared->selectRow(row);
}

void TFrmHousehold::BtnRemoveItemClick() {
    const int row = TblShared->currentRow();
    const std::vector<ItemRow> rows = RowsOf(State->Shared);
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    current::SharedItems items = State->Shared;
    const ItemRow &item = rows[row];
    const auto erase = [&item](auto &List) {
        List.erase(List.begin() + static_cast<std::ptrdiff_t>(item.Index));
    };
    switch (item.What) {
    case Kind::Child:
        erase(items.Children);
        break;
    case Kind::Loan:
        items.HousingLoan.reset();
        break;
    case Kind::Lease:
        erase(items.Rent);
        break;
    case Kind::Illness:
        erase(items.Illness);
        break;
    }
    SetShared(items);
    if (TblShared->rowCount() > 0)
        TblShared->selectRow(std::min(row, TblShared->rowCount() - 1));
}

void TFrmHousehold::Recalculate() {
    PathPause->stop();
    if (TxtHouseholdFile->text().trimmed().isEmpty())
        TakeShared = false;
    HouseholdRun::Request request{SourceOfA(),   SourceOfB(), TxtHouseholdFile->text().trimmed(),
                                  State->Shared, TakeShared,  State->Written};
    const int run = ++Started;
    UpdateButtons();
    // Only the newest run goes on and is shown: an older one is of inputs no longer there.
    Splits->Run<HouseholdRun::Outcome>(
        [request = std::move(request)](const TBackground::TTask &Task) {
            return HouseholdRun::Compute(request, Task.CancelFlag());
        },
        [this, run](HouseholdRun::Outcome Outcome) {
            if (run != Started || Outcome.Cancelled)
                return;
            Finished = run;
            ShowOutcome(std::move(Outcome));
        });
}

void TFrmHousehold::ShowOutcome(HouseholdRun::Outcome Outcome) {
    if (Outcome.SharedTaken) {
        State->Shared = *Outcome.SharedTaken;
        TakeShared = false;
        Notice = tr("已从家庭文件读入%1项共同项目。").arg(RowsOf(State->Shared).size());
    }
    if (Outcome.Household.A.Year)
        KnownYear = Outcome.Household.A.Year;
    // The names the years hold stand in for names not typed.
    NamesInYears = {QString::fromStdString(Outcome.Household.A.Name),
                    QString::fromStdString(Outcome.Household.B.Name)};
    for (auto [edit, name] :
         {std::pair{TxtNameA, NamesInYears.first}, std::pair{TxtNameB, NamesInYears.second}})
        edit->setPlaceholderText(name.isEmpty() ? tr("可不填") : name);
    TxtMsgInput->clear();
    TxtStatus->setText(Notice);
    ShowSources(Outcome.Split ? &Outcome : nullptr);
    if (!Outcome.Split) {
        Last.reset();
        ClearResults();
        ShowSharedTable();
        (Outcome.Incomplete ? TxtStatus : TxtMsgInput)->setText(Outcome.Error);
        if (const int row = RowOfPath(State->Shared, Outcome.FaultPath); row >= 0)
            TblShared->selectRow(row);
    } else {
        Last = std::move(Outcome);
        ShowSharedTable();
        ShowSplit(*Last);
    }
    UpdateButtons();
    emit Updated();
}

void TFrmHousehold::ShowSplit(const HouseholdRun::Outcome &Outcome) {
    const current::HouseholdSplit &split = *Outcome.Split;
    const Cents best = split.Best.Total;
    QString summary = tr("%1年，试过%n种分配。", nullptr, static_cast<int>(split.Combinations))
                          .arg(Outcome.Household.A.Year);
    if (Outcome.FromA == HouseholdRun::Origin::HouseholdFile ||
        Outcome.FromB == HouseholdRun::Origin::HouseholdFile)
        summary += tr("%1的年度取自家庭文件。")
                       .arg(Outcome.FromA == Outcome.FromB                         ? tr("a 和 b ")
                            : Outcome.FromA == HouseholdRun::Origin::HouseholdFile ? tr("a ")
                                                                                   : tr("b "));
    if (Outcome.RestoredA || Outcome.RestoredB)
        summary += tr("年度文件中有本页写回的共同项目，按写回前的个人部分计算。");
    if (Outcome.NowFromYears)
        summary += tr("现在的分配按两人年度文件中各自扣除的共同项目和比例计算。");
    else if (Outcome.ClaimedInYears && !split.Now)
        summary += tr("两人的年度文件没有把每个共同项目恰好扣除一次（全额或各半），"
                      "不知道现在的分配。");
    TxtSummary->setText(summary);
    ShowResult(TxtBestTotal, AmountYuan(best));
    ShowResult(TxtSavingAllToA, AmountYuan(split.AllToA.Total - best));
    ShowResult(TxtSavingAllToB, AmountYuan(split.AllToB.Total - best));
    ShowResult(TxtSavingWorst, AmountYuan(split.Worst.Total - best));
    if (split.Now) {
        ShowResult(TxtNowTotal, AmountYuan(split.Now->Total));
        ShowResult(TxtSavingNow, AmountYuan(split.Now->Total - best));
    } else {
        for (QLineEdit *edit : {TxtNowTotal, TxtSavingNow})
            edit->setText(tr("年度文件或家庭文件未写明现在的分配"));
    }

    std::vector<std::pair<QString, const HouseholdChoice *>> choices = {
        {tr("最优分配"), &split.Best},
        {tr("全部由 a 扣除"), &split.AllToA},
        {tr("全部由 b 扣除"), &split.AllToB},
        {tr("最不利的分配"), &split.Worst}};
    if (split.Now)
        choices.insert(choices.begin() + 1, {tr("现在的分配"), &*split.Now});
    TblChoices->setRowCount(static_cast<int>(choices.size()));
    for (int row = 0; row < TblChoices->rowCount(); ++row) {
        const auto &[name, choice] = choices[row];
        TblChoices->setVerticalHeaderItem(row, new QTableWidgetItem(name));
        SetCell(TblChoices, row, 0, Amount(choice->A.Settled.Figures.TotalTax), true);
        SetCell(TblChoices, row, 1, Amount(choice->B.Settled.Figures.TotalTax), true);
        SetCell(TblChoices, row, 2, Amount(choice->Total), true);
    }
    ShowSettlements(split.Best);
}

void TFrmHousehold::ShowSettlements(const HouseholdChoice &Best) {
    const auto method = [](const current::YearSettlement &s) { return sheets::Caption(s.Method); };
    const auto rate = [](const current::YearSettlement &s) { return RatePercent(s.Figures.Rate); };
    using S = current::YearSettlement;
    const auto money = [](Cents S::*Member) {
        return [Member](const S &s) { return Amount(s.*Member); };
    };
    const auto figure = [](Cents current::Settlement::*Member) {
        return [Member](const S &s) { return Amount(s.Figures.*Member); };
    };
    const std::pair<QString, std::function<QString(const S &)>> rows[] = {
        {tr("专项附加扣除（不含大病医疗）"), money(&S::Special)},
        {tr("大病医疗"), money(&S::Illness)},
        {sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Pension)),
         money(&S::Pension)},
        {sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::HealthInsurance)),
         money(&S::HealthInsurance)},
        {tr("综合所得收入额"), figure(&current::Settlement::IncomeAmount)},
        {tr("扣除合计"), figure(&current::Settlement::Deductions)},
        {tr("应纳税所得额"), figure(&current::Settlement::Taxable)},
        {tr("税率"), rate},
        {tr("速算扣除数"), figure(&current::Settlement::QuickDeduction)},
        {tr("综合所得应纳税额"), figure(&current::Settlement::Tax)},
        {tr("年终奖计税方式"), method},
        {tr("年终奖单独计税税额"), figure(&current::Settlement::BonusTax)},
        {tr("应纳税额合计"), figure(&current::Settlement::TotalTax)},
        {tr("已预缴税额"), figure(&current::Settlement::Withheld)},
        {tr("应补（退）税额"), figure(&current::Settlement::Balance)}};
    TblSettlements->setRowCount(static_cast<int>(std::size(rows)));
    for (int row = 0; row < TblSettlements->rowCount(); ++row) {
        TblSettlements->setVerticalHeaderItem(row, new QTableWidgetItem(rows[row].first));
        SetCell(TblSettlements, row, 0, rows[row].second(Best.A.Settled), true);
        SetCell(TblSettlements, row, 1, rows[row].second(Best.B.Settled), true);
    }
    const current::YearRules *found = current::RulesOf(Year());
    const current::YearRules &rules = found ? *found : current::LatestRules();
    const auto filing = [&rules](const QString &Who, const current::Settlement &Figures) {
        return tr("%1：%2。%3")
            .arg(Who, SettlementSentences::FilingHeadline(Figures),
                 SettlementSentences::ReasonSentence(Figures, rules));
    };
    TblSettlements->setHorizontalHeaderLabels({PersonName(true), PersonName(false)});
    TxtFilingA->setText(filing(PersonName(true), Best.A.Settled.Figures));
    TxtFilingB->setText(filing(PersonName(false), Best.B.Settled.Figures));
}

// Each item with its place under the split shown, when that split is of these items.
void TFrmHousehold::ShowSharedTable() {
    const current::SharedItems &shared = State->Shared;
    const std::vector<ItemRow> rows = RowsOf(shared);
    const bool placed = Last && Last->Household.Shared == shared;
    const int selected = TblShared->currentRow();
    TblShared->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int r = static_cast<int>(row);
        SetCell(TblShared, r, 0, TitleOf(shared, rows[row]), false);
        QString place;
        if (placed) {
            switch (PlaceOf(Last->Split->Best.Assignment, rows[row])) {
            case Placement::A:
                place = tr("由 a 扣除");
                break;
            case Placement::B:
                place = tr("由 b 扣除");
                break;
            case Placement::Half:
                place = tr("两人各扣%1%").arg(current::Law::HalfShare);
                break;
            }
        }
        SetCell(TblShared, r, 1, place, false);
    }
    if (selected >= 0 && selected < TblShared->rowCount())
        TblShared->selectRow(selected);
    UpdateButtons();
}

// Where each year comes from, from the outcome when there is one, else from the paths named.
void TFrmHousehold::ShowSources(const HouseholdRun::Outcome *Outcome) {
    const QString household = QDir::toNativeSeparators(TxtHouseholdFile->text().trimmed());
    const auto source = [&](const QString &Person, QLineEdit *Edit,
                            std::optional<HouseholdRun::Origin> From) {
        const QString path = QDir::toNativeSeparators(Edit->text().trimmed());
        if (From == HouseholdRun::Origin::HouseholdFile || (!From && path.isEmpty()))
            return household.isEmpty() ? tr("%1：未选").arg(Person)
                                       : tr("%1：取自家庭文件“%2”").arg(Person, household);
        if (From == HouseholdRun::Origin::Held)
            return tr("%1：程序中打开的年度“%2”（含未保存的改动）").arg(Person, path);
        return tr("%1：年度文件“%2”").arg(Person, path);
    };
    using O = std::optional<HouseholdRun::Origin>;
    TxtSources->setText(source(PersonName(true), TxtFileA, Outcome ? O(Outcome->FromA) : O()) +
                        u'\n' +
                        source(PersonName(false), TxtFileB, Outcome ? O(Outcome->FromB) : O()));
}

QString TFrmHousehold::PersonName(bool A) const {
    const QString person = A ? QStringLiteral("a") : QStringLiteral("b");
    QString name = (A ? TxtNameA : TxtNameB)->text().trimmed();
    if (name.isEmpty())
        name = A ? NamesInYears.first : NamesInYears.second;
    return name.isEmpty() ? person : tr("%1（%2）").arg(person, name);
}

void TFrmHousehold::ClearResults() {
    TxtSummary->clear();
    for (QLineEdit *edit : {TxtBestTotal, TxtSavingAllToA, TxtSavingAllToB, TxtSavingWorst,
                            TxtNowTotal, TxtSavingNow})
        edit->clear();
    TblChoices->setRowCount(0);
    TblSettlements->setRowCount(0);
    TxtFilingA->clear();
    TxtFilingB->clear();
}

void TFrmHousehold::UpdateButtons() {
    const bool item =
        TblShared->currentRow() >= 0 && TblShared->currentRow() < TblShared->rowCount();
    BtnEditItem->setEnabled(item);
    BtnRemoveItem->setEnabled(item);
    BtnAddLoan->setEnabled(!State->Shared.HousingLoan);
    BtnTakeOpenYear->setEnabled(TOpenYear::Instance().IsOpen() &&
                                !TOpenYear::Instance().Path().isEmpty());
    BtnWriteBack->setEnabled(Last && !Calculating() && !Writing &&
                             Last->Household.Shared != current::SharedItems{});
}

void TFrmHousehold::BtnResetClick() {
    for (QLineEdit *edit : {TxtFileA, TxtFileB, TxtHouseholdFile})
        edit->clear();
    State->Written.clear();
    Notice.clear();
    Last.reset();
    ClearResults();
    TxtMsgInput->clear();
    TxtStatus->clear();
    SetShared({});
    TxtFileA->setFocus(Qt::OtherFocusReason);
}

QString TFrmHousehold::AskTarget(const QString &Person) {
    const QFileInfo household(TxtHouseholdFile->text().trimmed());
    QFileDialog dialog(this, tr("保存 %1 的年度文件").arg(Person),
                       household.absoluteDir().filePath(
                           tr("%1-%2.json").arg(household.completeBaseName(), Person)));
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("JSON文件 (*.json)")});
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TFrmHousehold::BtnWriteBackClick() {
    if (!Last || Calculating() || Writing)
        return;
    const HouseholdRun::Outcome shown = *Last;
    const current::CoupleFacts couple =
        current::ApplyAssignment(shown.Household, shown.Split->Best.Assignment);
    HouseholdRun::Target a{SourceOfA().Path, couple.A, shown.ReadA};
    HouseholdRun::Target b{SourceOfB().Path, couple.B, shown.ReadB};
    for (auto [target, from, person] : {std::tuple{&a, shown.FromA, QStringLiteral("a")},
                                        std::tuple{&b, shown.FromB, QStringLiteral("b")}}) {
        if (from != HouseholdRun::Origin::HouseholdFile)
            continue;
        target->Path = AskTarget(person);
        if (target->Path.isEmpty())
            return;
    }
    QMessageBox ask(QMessageBox::NoIcon, tr("提示"),
                    tr("把最优分配下的共同项目写入两人的年度文件，覆盖文件原有的内容：\n\n"
                       "a：%1\nb：%2\n\n是否写回？")
                        .arg(QDir::toNativeSeparators(a.Path), QDir::toNativeSeparators(b.Path)),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("AskWriteBack"));
    QPushButton *write = ask.addButton(tr("写回"), QMessageBox::AcceptRole);
    ask.addButton(tr("取消"), QMessageBox::RejectRole);
    ask.exec();
    if (ask.clickedButton() != write)
        return;
    WriteBack(a, b, shown.Household);
}

void TFrmHousehold::WriteBack(const HouseholdRun::Target &A, const HouseholdRun::Target &B,
                              const current::Household &Own) {
    Writing = true;
    UpdateButtons();
    TxtStatus->setText(tr("正在写回…"));
    // A write is never called off half way: a newer write waits for none, as the buttons allow
    // none while one runs.
    Writes->Run<HouseholdRun::WriteOutcome>(
        [A, B, household = TxtHouseholdFile->text().trimmed()](const TBackground::TTask &) {
            return HouseholdRun::WriteBoth(A, B, household);
        },
        [this, A, B, Own](HouseholdRun::WriteOutcome Outcome) {
            Writing = false;
            if (!Outcome.Error.isEmpty()) {
                TxtStatus->setText(Notice);
                UpdateButtons();
                MsgBox::Show(this, Outcome.Error);
                return;
            }
            Written(A, B, Own);
        });
}

// The files now hold the shared items; the page goes on from the own years and its own list.
void TFrmHousehold::Written(const HouseholdRun::Target &A, const HouseholdRun::Target &B,
                            const current::Household &Own) {
    std::vector<HouseholdRun::WrittenBack> &written = State->Written;
    for (const auto &[target, own] : {std::pair{&A, &Own.A}, std::pair{&B, &Own.B}}) {
        std::erase_if(written, [&](const HouseholdRun::WrittenBack &w) {
            return QFileInfo(w.Path) == QFileInfo(target->Path);
        });
        written.push_back({target->Path, target->Facts, *own});
    }
    for (auto [edit, target] : {std::pair{TxtFileA, &A}, std::pair{TxtFileB, &B}}) {
        if (QFileInfo(edit->text().trimmed()) != QFileInfo(target->Path))
            edit->setText(QDir::toNativeSeparators(target->Path));
    }
    Notice = tr("已写回 a 的年度文件“%1”和 b 的年度文件“%2”。")
                 .arg(QDir::toNativeSeparators(A.Path), QDir::toNativeSeparators(B.Path));
    TxtStatus->setText(Notice);
    // The open year is now what its file holds.
    for (const HouseholdRun::Target *target : {&A, &B}) {
        if (OpenYearFacts(target->Path))
            TOpenYear::Instance().Opened(target->Facts, TOpenYear::Instance().Path());
    }
    Recalculate();
    emit YearFilesWritten(A.Path, B.Path);
}
