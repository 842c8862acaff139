#include "pages/UFrmTaxYear.h"

#include "common/UFactTable.h"
#include "common/UOpenYear.h"
#include "common/UYearFacts.h"
#include "common/UYearFiles.h"
#include "common/UYearModel.h"
#include "common/UYearResults.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString DraftKey = QStringLiteral("Draft");

// Room for the frame of the facts' tabs around a tab's column.
constexpr int TabMargin = 8;

} // namespace

TFrmTaxYear::TFrmTaxYear(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    Model = new TYearModel(this);
    Body()->addLayout(BuildFileRow());
    auto *splitter = new QSplitter(Qt::Horizontal, Client());
    splitter->setObjectName(QStringLiteral("SplitYear"));
    splitter->setChildrenCollapsible(false);
    auto *left = new QWidget(splitter);
    auto *column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    Facts = new TYearFactsForm(left);
    column->addWidget(Facts, 1);
    TxtMsgFacts = InlineMessage(QStringLiteral("TxtMsgFacts"), tr("纳税年度"));
    TxtMsgFacts->setParent(left);
    column->addWidget(TxtMsgFacts);
    Results = new TYearResults(splitter);
    splitter->addWidget(left);
    splitter->addWidget(Results);
    // The facts keep the room their tables need; the chart and the tables of figures take the
    // rest of a larger window.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    // As wide as the wider of the facts' two tabs needs where the window has the room, so that
    // neither scrolls sideways (the deductions' captions are longer in English).
    int facts = 440;
    for (const QScrollArea *tab : Facts->TabsFacts->findChildren<QScrollArea *>()) {
        if (tab->widget())
            facts = std::max(facts, tab->widget()->minimumSizeHint().width() +
                                        tab->verticalScrollBar()->sizeHint().width() +
                                        4 * tab->frameWidth() + TabMargin);
    }
    splitter->setSizes({facts, 460});
    Body()->addWidget(splitter, 1);

    connect(Facts, &TYearFactsForm::Edited, this, &TFrmTaxYear::FactsEdited);
    connect(Facts, &TYearFactsForm::FieldEdited, this, &TFrmTaxYear::FactEdited);
    connect(&TOpenYear::Instance(), &TOpenYear::Changed, this, &TFrmTaxYear::YearChanged);
    // What is typed, valid or not, comes back when the page is built again, unless the year
    // changed meanwhile (another file, the deductions dialog): then the year's facts do.
    KeepState(
        DraftKey,
        [form = Facts] {
            return QVariant(
                QVariantMap{{QStringLiteral("Facts"), form->Json().toVariantMap()},
                            {QStringLiteral("Revision"), TOpenYear::Instance().Revision()}});
        },
        [this](const QVariant &Draft) { RestoreDraft(Draft); });
    LoadYear();
}

TFrmTaxYear::~TFrmTaxYear() {
    disconnect(Facts, nullptr, this, nullptr);
}

QLayout *TFrmTaxYear::BuildFileRow() {
    BtnNew = FlowButton(QStringLiteral("BtnNew"), tr("新建"));
    BtnOpen = FlowButton(QStringLiteral("BtnOpen"), tr("打开..."));
    BtnSave = FlowButton(QStringLiteral("BtnSave"), tr("保存"));
    BtnSaveAs = FlowButton(QStringLiteral("BtnSaveAs"), tr("另存为..."));
    BtnNew->setToolTip(tr("新建一个纳税年度"));
    BtnOpen->setToolTip(tr("打开年度文件"));
    BtnSave->setToolTip(tr("保存到年度文件"));
    BtnSaveAs->setToolTip(tr("保存到另一个年度文件"));
    LblFile = new QLabel(Client());
    LblFile->setObjectName(QStringLiteral("LblFile"));
    LblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path wraps, or is cut, rather than widen the page; the tip says it whole.
    LblFile->setWordWrap(true);
    LblFile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Describe(LblFile, tr("年度文件"));
    connect(BtnNew, &QPushButton::clicked, this, &TFrmTaxYear::NewClick);
    connect(BtnOpen, &QPushButton::clicked, this, [this] { YearFiles::Open(this); });
    connect(BtnSave, &QPushButton::clicked, this, [this] { Save(false); });
    connect(BtnSaveAs, &QPushButton::clicked, this, [this] { Save(true); });
    QHBoxLayout *row = ButtonRow({BtnNew, BtnOpen, BtnSave, BtnSaveAs});
    row->insertWidget(4, LblFile, 1);
    return row;
}

void TFrmTaxYear::showEvent(QShowEvent *Event) {
    TCurrentPage::showEvent(Event);
    Loading = false;
}

void TFrmTaxYear::CMShowingChanged() {
    if (isVisible())
        Facts->TblJobs->setFocus(Qt::OtherFocusReason);
}

void TFrmTaxYear::LoadYear() {
    const bool wasLoading = Loading;
    Loading = true;
    const TOpenYear &year = TOpenYear::Instance();
    if (year.IsOpen())
        Model->SetFacts(year.Facts(), year.Result());
    else
        Model->SetFacts(YearFiles::FreshYear());
    Facts->SetJson(Model->Typed());
    // The facts as the form holds them, which is what an edit changes.
    Recompute(false);
    ShownRevision = year.Revision();
    ShowFile();
    Loading = wasLoading;
}

void TFrmTaxYear::RestoreDraft(const QVariant &Draft) {
    const QVariantMap draft = Draft.toMap();
    if (draft.value(QStringLiteral("Revision")).toULongLong() != TOpenYear::Instance().Revision())
        return LoadYear();
    Facts->SetJson(QJsonObject::fromVariantMap(draft.value(QStringLiteral("Facts")).toMap()), true);
    ShownRevision = TOpenYear::Instance().Revision();
    Recompute(false);
}

void TFrmTaxYear::FactsEdited() {
    if (!Loading)
        Recompute(true);
}

// One field goes into the model as a field; should its path not be there (never, while the model
// holds what the form shows), the model takes the year whole.
void TFrmTaxYear::FactEdited(const QString &Path, const QJsonValue &Value) {
    if (Loading)
        return;
    if (!Model->SetField(Path, Value))
        Model->SetTyped(Facts->Json());
    ShowChecked(true);
}

void TFrmTaxYear::Recompute(bool Commit) {
    Model->SetTyped(Facts->Json());
    ShowChecked(Commit);
}

void TFrmTaxYear::ShowChecked(bool Commit) {
    TOpenYear &year = TOpenYear::Instance();
    const TYearRead &read = Model->Check();
    // Said in the user's terms at the field; the file's key paths are for the file and the
    // command line.
    const QString fault = Facts->FaultWords(read);
    Facts->ClearFault();
    TxtMsgFacts->setText(fault);
    // The figures of the last facts that checked stay, greyed, while an edit does not check.
    Results->setEnabled(read.Facts.has_value());
    if (!read.Facts)
        Facts->MarkFault(read.Path, false, fault);
    if (!Model->Figures())
        return;
    // What opens when a fresh year is first changed into one that does not check.
    const TYearFigures &shown = *Model->Figures();
    if (Commit || year.IsOpen()) {
        // The open year takes what the page shows; it says so, and the page must not take it
        // for a change from elsewhere.
        Committing = true;
        if (!year.IsOpen())
            YearFiles::Begin(shown.Facts);
        else if (read.Facts && shown.Facts != year.Facts())
            year.Update(shown.Facts);
        year.SetPending(fault);
        Committing = false;
        ShownRevision = year.Revision();
    }
    if (read.Facts)
        Results->Show(shown);
}

// Another file, the deductions dialog or a new year: the page shows the year as it is now.
void TFrmTaxYear::YearChanged() {
    if (!Committing && TOpenYear::Instance().Revision() != ShownRevision)
        LoadYear();
    ShowFile();
}

void TFrmTaxYear::ShowFile() {
    const TOpenYear &year = TOpenYear::Instance();
    QString text;
    if (!year.IsOpen())
        text = tr("新的纳税年度，还没有保存");
    else if (year.Path().isEmpty())
        text = tr("还没有保存的纳税年度");
    else
        text = tr("年度文件：%1").arg(QDir::toNativeSeparators(year.Path()));
    if (year.IsModified())
        text += tr("（有未保存的修改）");
    if (!year.IsOpen() && !YearFiles::ReopenFault().isEmpty())
        text += tr("\n上次的年度文件未能打开：%1").arg(YearFiles::ReopenFault());
    LblFile->setText(text);
    LblFile->setToolTip(text);
}

void TFrmTaxYear::EnsureOpen() {
    TOpenYear &year = TOpenYear::Instance();
    if (year.IsOpen())
        return;
    Committing = true;
    YearFiles::Begin(Model->Figures()->Facts);
    Committing = false;
    ShownRevision = year.Revision();
}

void TFrmTaxYear::Save(bool As) {
    const TOpenYear &year = TOpenYear::Instance();
    if (!year.PendingFault().isEmpty())
        Facts->MarkFault(Model->Check().Path, true, year.PendingFault());
    EnsureOpen();
    if (As)
        YearFiles::SaveAs(this);
    else
        YearFiles::Save(this);
}

void TFrmTaxYear::NewClick() {
    if (!YearFiles::ConfirmDiscard(this))
        return;
    TOpenYear::Instance().Close();
    LoadYear();
}
