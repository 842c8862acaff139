#include "common/UCalcPage.h"

#include "common/ULocalPicture.h"
#include "common/UMsgBox.h"
#include "common/UNumKeyFilter.h"
#include "common/UPageMemory.h"
#include "common/UPageRow.h"
#include "common/USupportContact.h"
#include "common/UUtils.h"
#include "engine/UNumText.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

QString TCalcPage::StatusNotice() {
    return tr("  本软件将持续更新，请及时下载最新版本。如有疑问请联系客服QQ：%1，咨询免费。"
              "可根据客户需求定制开发各类税务计算软件。")
        .arg(SupportContact::QQ);
}

namespace {

QFont PixelFont(int Pixels, bool Bold) {
    QFont font;
    font.setPixelSize(Pixels);
    font.setBold(Bold);
    return font;
}

const char *const ResultProperty = "pendraResult";

// Between a result's caption and its value.
constexpr int ResultGap = 8;

// Whether the widget holds something the user chose or typed: a named edit that is not a result,
// an option, a spin box, a date or a combo box, none of them a part of another widget (the edit
// inside a spin box, the editor of a table's cell).
bool IsKeptInput(const QWidget *Widget, const QWidget *Page) {
    const QString name = Widget->objectName();
    if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")))
        return false;
    if (const auto *edit = qobject_cast<const QLineEdit *>(Widget)) {
        if (edit->isReadOnly() || edit->property(ResultProperty).toBool())
            return false;
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(Widget)) {
        if (!button->isCheckable())
            return false;
    } else if (!qobject_cast<const QAbstractSpinBox *>(Widget) &&
               !qobject_cast<const QComboBox *>(Widget)) {
        return false;
    }
    for (const QWidget *w = Widget->parentWidget(); w && w != Page; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QComboBox *>(w) ||
            qobject_cast<const QAbstractItemView *>(w))
            return false;
    }
    return true;
}

// The order inputs are put back in: the options first, whose handlers may write an edit (the
// dates of the late fee count its days), then the edits as the user last saw them.
int RestorePass(const QWidget *Input) {
    if (qobject_cast<const QLineEdit *>(Input))
        return 2;
    return qobject_cast<const QAbstractButton *>(Input) ? 1 : 0;
}

void PutBack(QWidget *Input, const QVariant &Value) {
    auto *button = qobject_cast<QAbstractButton *>(Input);
    if (!button) {
        Input->metaObject()->userProperty().write(Input, Value);
        return;
    }
    if (button->isChecked() == Value.toBool())
        return;
    // As the user set it, so that what a click does besides (showing a field) follows too.
    if (button->isEnabled())
        button->click();
    else
        button->setChecked(Value.toBool());
}

void Paint(QWidget *Widget, const QColor &Background) {
    QPalette palette = Widget->palette();
    palette.setColor(QPalette::Window, Background);
    Widget->setPalette(palette);
    Widget->setAutoFillBackground(true);
}

} // namespace

TCalcPage::TCalcPage(const QString &Title, QSize Size, QWidget *Parent) : QWidget(Parent) {
    resize(Size);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QLabel(Title, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(25);
    Panel1->setFont(PixelFont(13, true));
    Paint(Panel1, QColor(0xC0, 0xC0, 0xC0));
    layout->addWidget(Panel1);

    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("PanelClient"));
    // White, painted by the page rather than through a palette of its own (see eventFilter).
    ClientArea->setAttribute(Qt::WA_OpaquePaintEvent);
    ClientArea->installEventFilter(this);
    layout->addWidget(ClientArea, 1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(20);
    StatusBar1->setSizeGripEnabled(false);
    auto *notice = new QLabel(StatusNotice(), StatusBar1);
    notice->setFrameShape(QFrame::Panel);
    notice->setFrameShadow(QFrame::Raised);
    StatusBar1->addWidget(notice, 1);
    layout->addWidget(StatusBar1);

    KeyFilter = new TNumKeyFilter(this);
}

TCalcPage::TCalcPage(const QMetaObject &Page, QSize Size, QWidget *Parent)
    : TCalcPage(QString(), Size, Parent) {
    const PageRow::Info row = PageRow::Of(Page).value_or(PageRow::Info{});
    Panel1->setText(QStringLiteral("   ") + row.Title);
    Rules = row.Rules;
    if (RulesPeriod::IsPast(Rules))
        NoteRulesPeriod(RulesPeriod::Line(Rules));
}

void TCalcPage::NoteRulesPeriodUnder(QWidget *Results) {
    if (!RulesPeriod::IsPast(Rules))
        return;
    LawNoteResults = new QLabel(RulesPeriod::Results(Rules), Results->parentWidget());
    LawNoteResults->setObjectName(QStringLiteral("LawNoteResults"));
    LawNoteResults->setFont(PixelFont(12, false));
    QPalette grey = LawNoteResults->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    LawNoteResults->setPalette(grey);
    LawNoteResults->adjustSize();
    // Under the results where the page leaves room, else at the end of their row.
    const int clientHeight = height() - Panel1->height() - StatusBar1->height() -
                             (LawNote ? LawNote->minimumHeight() : 0);
    const QRect results = Results->geometry();
    if (results.bottom() + 4 + LawNoteResults->height() < clientHeight)
        return LawNoteResults->move(results.x(), results.bottom() + 4);
    int end = results.right();
    for (const QWidget *other : ClientArea->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != LawNoteResults && other->y() < results.bottom() &&
            other->geometry().bottom() > results.y() && other->x() < width() / 2)
            end = std::max(end, other->geometry().right());
    }
    LawNoteResults->move(end + 8, results.center().y() - LawNoteResults->height() / 2);
}

TCalcPage::~TCalcPage() {
    SaveKept();
}

void TCalcPage::KeepState(const QString &Key, std::function<QVariant()> Save,
                          std::function<void(const QVariant &)> Restore) {
    ExtraStates.push_back({Key, std::move(Save), std::move(Restore)});
}

void TCalcPage::MarkResult(QLineEdit *Edit) {
    Edit->setProperty(ResultProperty, true);
}

QList<QWidget *> TCalcPage::KeptInputs() const {
    QList<QWidget *> inputs;
    for (QWidget *widget : findChildren<QWidget *>()) {
        if (IsKeptInput(widget, this))
            inputs.append(widget);
    }
    return inputs;
}

namespace {

QList<QLineEdit *> ResultEdits(const QWidget *Page) {
    QList<QLineEdit *> edits;
    for (QLineEdit *edit : Page->findChildren<QLineEdit *>()) {
        if (!edit->objectName().isEmpty() && edit->property(ResultProperty).toBool())
            edits.append(edit);
    }
    return edits;
}

} // namespace

QHash<QString, QVariant> TCalcPage::Snapshot() const {
    QHash<QString, QVariant> values;
    for (const QWidget *input : KeptInputs())
        values.insert(input->objectName(), input->metaObject()->userProperty().read(input));
    for (const QLineEdit *edit : ResultEdits(this))
        values.insert(edit->objectName(), edit->text());
    return values;
}

void TCalcPage::PutBackAll(const QHash<QString, QVariant> &Values) {
    QList<QWidget *> inputs = KeptInputs();
    for (QLineEdit *edit : ResultEdits(this))
        inputs.append(edit);
    for (const int pass : {0, 1, 2}) {
        for (QWidget *input : inputs) {
            const auto value = Values.constFind(input->objectName());
            if (RestorePass(input) == pass && value != Values.constEnd())
                PutBack(input, *value);
        }
    }
}

void TCalcPage::RunAgainWhenRebuilt(std::initializer_list<QAbstractButton *> Buttons) {
    RecordsRuns = true;
    for (QAbstractButton *button : Buttons) {
        connect(button, &QAbstractButton::pressed, this, [this] {
            PressedBefore = Snapshot();
            PressedBoxes = MsgBox::Shown();
        });
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            Record(button->objectName(), false, PressedBefore, PressedBoxes);
        });
    }
}

// The last run of each trigger is enough: a later one shows its results over the earlier's.
void TCalcPage::Record(const QString &Trigger, bool Enter, QHash<QString, QVariant> Before,
                       int Boxes) {
    if (MsgBox::Shown() != Boxes)
        return;
    Runs.removeIf(
        [&](const PageMemory::TRun &Run) { return Run.Trigger == Trigger && Run.Enter == Enter; });
    Runs.append({Trigger, Enter, std::move(Before)});
}

void TCalcPage::RunAgain(const PageMemory::TRun &Run) {
    if (Run.Enter) {
        if (const auto action = EnterActions.value(Run.Trigger))
            action();
    } else if (auto *button = findChild<QAbstractButton *>(Run.Trigger)) {
        button->click();
    }
}

bool TCalcPage::ShowsResults() const {
    for (const QLineEdit *edit : findChildren<QLineEdit *>()) {
        if ((edit->isReadOnly() || edit->property(ResultProperty).toBool()) &&
            !edit->text().isEmpty())
            return true;
    }
    return false;
}

// Only a page that was shown keeps its inputs: one never shown holds nothing the user typed, and
// would wipe what an earlier page of its class kept.
void TCalcPage::SaveKept() {
    if (KeptClassName.isEmpty())
        return;
    PageMemory::TKept state;
    for (const QWidget *input : KeptInputs())
        state.Inputs.insert(input->objectName(), input->metaObject()->userProperty().read(input));
    for (const TExtraState &extra : ExtraStates)
        state.Extra.insert(extra.Key, extra.Save());
    state.HadResults = ShowsResults();
    if (property(PageMemory::Rebuilding).toBool()) {
        state.Runs = Runs;
        for (const QLineEdit *edit : ResultEdits(this))
            state.Results.insert(edit->objectName(), edit->text());
    }
    PageMemory::Keep(KeptClassName, std::move(state));
}

void TCalcPage::RestoreKept() {
    KeptClassName = QString::fromLatin1(metaObject()->className());
    const PageMemory::TKept *kept = PageMemory::Of(KeptClassName);
    if (!kept)
        return;
    const PageMemory::TKept state = *kept;
    // The results first, each calculation with what it read then; then the inputs as they were
    // left, which may have changed since, and what was typed in a result edit since.
    for (const PageMemory::TRun &run : state.Runs) {
        PutBackAll(run.Before);
        RunAgain(run);
    }
    Runs = state.Runs;
    PutBackAll(state.Inputs);
    for (QLineEdit *edit : ResultEdits(this)) {
        const auto text = state.Results.constFind(edit->objectName());
        if (text != state.Results.constEnd() && edit->text() != text->toString())
            edit->setText(text->toString());
    }
    for (const TExtraState &extra : ExtraStates) {
        const auto value = state.Extra.constFind(extra.Key);
        if (value != state.Extra.constEnd())
            extra.Restore(*value);
    }
    if (state.HadResults)
        RestoreResults();
}

void TCalcPage::NoteRulesPeriod(const QString &Text) {
    if (!LawNote) {
        LawNote = new QLabel(this);
        LawNote->setObjectName(QStringLiteral("LawNote"));
        LawNote->setFont(PixelFont(12, false));
        // As low as the text allows: the tallest pages use the whole height of the smallest
        // window. A note longer than the window is wide goes on to a second line rather than
        // losing its end.
        LawNote->setMinimumHeight(18);
        LawNote->setWordWrap(true);
        LawNote->setContentsMargins(18, 0, 8, 0);
        LawNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Paint(LawNote, Qt::white);
        QPalette grey = LawNote->palette();
        grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        LawNote->setPalette(grey);
        static_cast<QVBoxLayout *>(layout())->insertWidget(1, LawNote);
    }
    LawNote->setText(Text);
}

QLineEdit *TCalcPage::AmountEdit(const QString &Name, int X, int Y, int Width,
                                 const QString &Text) {
    auto *edit = new QLineEdit(Text, ClientArea);
    edit->setObjectName(Name);
    edit->setFont(PixelFont(16, false));
    edit->setGeometry(X, Y, Width, 28);
    KeyFilter->Attach(edit);
    DesktopHabits::TipWhenClipped(edit);
    return edit;
}

QLineEdit *TCalcPage::ResultEdit(const QString &CaptionText, const QString &Name, int X, int Y,
                                 int Width) {
    QLabel *caption = RedCaption(CaptionText, X, Y + 6);
    QLineEdit *edit = AmountEdit(Name, X + 80, Y, Width);
    // A caption of another language too long for its place ends just before the edit, taking
    // the room to its left, and where that is not enough, a second line beside the edit.
    if (const int end = X + 80 - 4; caption->geometry().right() >= end) {
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setWordWrap(caption->width() > end);
        const int width = std::min(end, caption->width());
        const int height = std::max(caption->height(), caption->heightForWidth(width));
        caption->setGeometry(end - width, Y + (edit->height() - height) / 2, width, height);
    }
    // A tax or after-tax income to work back from may be longer than an input amount.
    TNumKeyFilter::SetUnlimited(edit);
    MarkResult(edit);
    Describe(edit, CaptionText);
    return edit;
}

QLabel *TCalcPage::Caption(const QString &Text, int X, int Y, bool Bold) {
    auto *label = new QLabel(Text, ClientArea);
    label->setFont(PixelFont(12, Bold));
    label->move(X, Y);
    label->adjustSize();
    return label;
}

QLabel *TCalcPage::RedCaption(const QString &Text, int X, int Y) {
    QLabel *label = Caption(Text, X, Y, true);
    label->setStyleSheet(QStringLiteral("color: red;"));
    return label;
}

QLabel *TCalcPage::Note(const QString &Text, int X, int Y) {
    QLabel *label = Caption(Text, X, Y, false);
    label->setStyleSheet(QStringLiteral("color: gray;"));
    return label;
}

QLabel *TCalcPage::MsgLabel(const QString &Name, const QString &Field, int X, int Y, int Width) {
    auto *label = new QLabel(QStringLiteral("   "), ClientArea);
    label->setObjectName(Name);
    Describe(label, Field);
    label->setAccessibleName(tr("%1提示").arg(label->accessibleName()));
    label->setStyleSheet(QStringLiteral("color: red;"));
    label->setGeometry(X, Y, Width, 20);
    return label;
}

void TCalcPage::InertLabels(std::initializer_list<const char *> Names) {
    for (const char *name : Names) {
        auto *label = new QLabel(ClientArea);
        label->setObjectName(QString::fromLatin1(name));
        label->hide();
    }
}

QLabel *TCalcPage::ResultLabel(const QString &Name, const QString &CaptionText,
                               const QString &Initial, int X, int Y, int CaptionWidth,
                               Qt::Alignment CaptionAlignment) {
    QLabel *caption = Caption(CaptionText, X, Y, false);
    if (CaptionAlignment & Qt::AlignRight) {
        caption->setGeometry(X, Y, CaptionWidth - ResultGap, caption->height());
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto *label = new QLabel(Initial, ClientArea);
    label->setObjectName(Name);
    Describe(label, CaptionText);
    label->setGeometry(X + CaptionWidth, Y, 220, 16);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ResultRows.append({caption, label, X, CaptionWidth});
    FitResultColumn(X, CaptionWidth);
    return label;
}

void TCalcPage::FitResultColumn(int X, int CaptionWidth) {
    int valueX = X + CaptionWidth;
    for (const TResultRow &row : std::as_const(ResultRows)) {
        if (row.X != X || row.CaptionWidth != CaptionWidth)
            continue;
        const int needed = row.Caption->sizeHint().width() + ResultGap;
        const bool right = row.Caption->alignment() & Qt::AlignRight;
        // A right-aligned caption may begin left of X, down to the client area's edge.
        valueX = std::max(valueX, (right ? std::max(0, X + CaptionWidth - needed) : X) + needed);
    }
    for (const TResultRow &row : std::as_const(ResultRows)) {
        if (row.X != X || row.CaptionWidth != CaptionWidth)
            continue;
        row.Value->move(valueX, row.Value->y());
        if (row.Caption->alignment() & Qt::AlignRight) {
            const int width = std::max(CaptionWidth - ResultGap, row.Caption->sizeHint().width());
            row.Caption->setGeometry(valueX - ResultGap - width, row.Caption->y(), width,
                                     row.Caption->height());
        }
    }
}

QPushButton *TCalcPage::Button(const QString &Name, const QString &Text, int X, int Y, int Width,
                               int Height) {
    auto *button = new QPushButton(Text, ClientArea);
    button->setObjectName(Name);
    button->setGeometry(X, Y, Width, Height);
    DesktopHabits::ClickOnEnter(button);
    return button;
}

QPushButton *TCalcPage::CopyButton(const QString &Name, QLineEdit *Source, int X, int Y) {
    QPushButton *button = Button(Name, tr("复制"), X, Y + 2, 50, 25);
    connect(button, &QPushButton::clicked, this,
            [Source] { TUtils::CopyToClipboard(Source->text()); });
    return button;
}

QRadioButton *TCalcPage::Radio(const QString &Name, const QString &Text, int X, int Y,
                               bool Checked) {
    auto *radio = new QRadioButton(Text, ClientArea);
    radio->setObjectName(Name);
    radio->move(X, Y);
    radio->adjustSize();
    radio->setChecked(Checked);
    Describe(radio, Text);
    return radio;
}

QLabel *TCalcPage::Heading(const QString &Text, int X, int Y, int RuleWidth) {
    QLabel *heading = Caption(Text, X, Y, true);
    auto *rule = new QFrame(ClientArea);
    rule->setGeometry(X, Y + 20, RuleWidth, 1);
    rule->setStyleSheet(QStringLiteral("border-top: 1px dashed gray;"));
    return heading;
}

QLineEdit *TCalcPage::LabelledEdit(const QString &CaptionText, const QString &Name, int X, int Y,
                                   int Width, const QString &Text) {
    QLabel *caption = Caption(CaptionText, X, Y);
    QLineEdit *edit = AmountEdit(Name, X, Y + 20, Width, Text);
    caption->setBuddy(edit);
    Describe(edit, CaptionText);
    return edit;
}

QString TCalcPage::Bare(const QString &CaptionText) {
    QString name = CaptionText.trimmed();
    while (name.endsWith(QStringLiteral("：")) || name.endsWith(QChar(':')))
        name.chop(1);
    return name;
}

void TCalcPage::Describe(QWidget *Widget, const QString &CaptionText) {
    Widget->setAccessibleName(Bare(CaptionText));
}

QGroupBox *TCalcPage::RightGroup(const QString &Title, int Y, QSize Size, const QString &Picture,
                                 int RightMargin) {
    auto *group = new QGroupBox(Title, ClientArea);
    QFont font = group->font();
    font.setBold(true);
    group->setFont(font);
    group->setGeometry(0, Y, Size.width(), Size.height());
    if (!Picture.isEmpty()) {
        auto *picture = new QLabel(group);
        picture->setGeometry(8, 20, Size.width() - 16, Size.height() - 28);
        picture->setAlignment(Qt::AlignCenter);
        LocalPicture::Show(picture, Picture);
    }
    RightAnchored.append({group, RightMargin});
    PlaceRightAnchored();
    return group;
}

QLabel *TCalcPage::RightPicture(const QString &Name, int Y, QSize Size, const QString &Picture,
                                int RightMargin) {
    auto *picture = new QLabel(ClientArea);
    picture->setObjectName(Name);
    picture->setGeometry(0, Y, Size.width(), Size.height());
    picture->setAlignment(Qt::AlignCenter);
    if (!Picture.isEmpty())
        LocalPicture::Show(picture, Picture);
    RightAnchored.append({picture, RightMargin});
    PlaceRightAnchored();
    return picture;
}

void TCalcPage::OnEnter(QLineEdit *Edit, std::function<void()> Action) {
    EnterActions.insert(Edit->objectName(), Action);
    KeyFilter->SetEnterAction(Edit, [this, Edit, Action] {
        if (!RecordsRuns)
            return Action();
        QHash<QString, QVariant> before = Snapshot();
        const int boxes = MsgBox::Shown();
        Action();
        Record(Edit->objectName(), true, std::move(before), boxes);
    });
}

void TCalcPage::SetTabOrder(std::initializer_list<QWidget *> Widgets) {
    QWidget *previous = nullptr;
    for (QWidget *widget : Widgets) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void TCalcPage::FocusAndSelect(QLineEdit *Edit) {
    Edit->setFocus(Qt::OtherFocusReason);
    DesktopHabits::SelectAllFromStart(Edit);
}

void TCalcPage::ReportInline(QLabel *Msg, const QString &Text, QLineEdit *Edit) {
    Msg->setText(Text);
    FocusAndSelect(Edit);
}

void TCalcPage::ReportBox(const QString &Text, QLineEdit *Edit) {
    MsgBox::Show(this, Text);
    FocusAndSelect(Edit);
}

void TCalcPage::ClearMessages(std::initializer_list<QLabel *> Labels) {
    for (QLabel *label : Labels)
        label->clear();
}

std::optional<double> TCalcPage::ReadAmount(const QLineEdit *Edit) {
    return NumText::ParseAmount(Edit->text().toStdString());
}

std::optional<double> TCalcPage::ReadOptionalAmount(const QLineEdit *Edit) {
    if (Edit->text().trimmed().isEmpty())
        return 0.0;
    return ReadAmount(Edit);
}

std::optional<double> TCalcPage::ReadAmountUnchecked(const QLineEdit *Edit, bool Optional) {
    const auto value = Optional ? ReadOptionalAmount(Edit) : ReadAmount(Edit);
    if (!value)
        MsgBox::ShowConversionError(this, Edit->text());
    return value;
}

QString TCalcPage::General(double Value) {
    return QString::fromStdString(NumText::FormatGeneral(Value));
}

QString TCalcPage::Yuan(double Value) {
    return tr("%1元").arg(General(Value));
}

QString TCalcPage::Percent(double Rate) {
    return General(Rate * 100) + QStringLiteral("%");
}

void TCalcPage::CMShowingChanged() {
    if (FirstInput && isVisible())
        FirstInput->setFocus(Qt::OtherFocusReason);
}

void TCalcPage::showEvent(QShowEvent *Event) {
    QWidget::showEvent(Event);
    if (KeptClassName.isEmpty())
        RestoreKept();
    CMShowingChanged();
}

bool TCalcPage::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched == ClientArea && Event->type() == QEvent::Resize)
        PlaceRightAnchored();
    // The client area's white is painted here, not set in a palette: the widgets inside would
    // each take a palette of their own from it, new with every page built, and the style caches
    // what it draws for a widget under its palette's identity. Those entries would never be
    // found again, and Qt 6.4 keeps every such key for good, so each change of page would leave
    // about 1.5 KiB behind and draw every button afresh.
    if (Watched == ClientArea && Event->type() == QEvent::Paint) {
        QPainter painter(ClientArea);
        painter.fillRect(static_cast<QPaintEvent *>(Event)->rect(), Qt::white);
    }
    return QWidget::eventFilter(Watched, Event);
}

void TCalcPage::PlaceRightAnchored() {
    for (const auto &[widget, margin] : RightAnchored)
        widget->move(std::max(0, ClientArea->width() - margin - widget->width()), widget->y());
}
