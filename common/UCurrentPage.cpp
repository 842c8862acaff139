#include "common/UCurrentPage.h"

#include "common/ULawText.h"

#include "common/UDesktopHabits.h"
#include "common/ULocalPicture.h"
#include "common/UUtils.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Wide enough for ten typed digits and for most results; a layout may give more.
constexpr int FieldWidth = 150;
// The longest caption on one line, in average characters: every Chinese caption, and the shorter
// English ones.
constexpr int CaptionChars = 24;

} // namespace

TCurrentPage::TCurrentPage(const QMetaObject &Page, QWidget *Parent)
    : TCalcPage(Page, QSize(900, 600), Parent) {
    BodyLayout = new QVBoxLayout(Client());
    BodyLayout->setContentsMargins(20, 12, 20, 12);
    BodyLayout->setSpacing(8);
}

void TCurrentPage::WrapLongCaptions(QWidget *Root) {
    for (QFormLayout *form : Root->findChildren<QFormLayout *>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole);
            auto *caption = item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
            if (!caption || caption->wordWrap())
                continue;
            const QFontMetrics metrics = caption->fontMetrics();
            const int widest = CaptionChars * metrics.averageCharWidth();
            if (metrics.horizontalAdvance(caption->text()) <= widest)
                continue;
            // As wide as the limit, whatever else the form would give it.
            caption->setWordWrap(true);
            caption->setFixedWidth(widest);
        }
    }
}

// Before the first layout, so that the page shows laid out at once.
bool TCurrentPage::event(QEvent *Event) {
    if (Event->type() == QEvent::Polish)
        WrapLongCaptions(this);
    return TCalcPage::event(Event);
}

void TCurrentPage::RestoreResults() {
    if (BtnCalc)
        BtnCalc->click();
}

QString TCurrentPage::Amount(current::Cents Value) {
    return QString::fromStdString(current::FormatCents(Value));
}

QString TCurrentPage::AmountYuan(current::Cents Value) {
    return tr("%1元").arg(Amount(Value));
}

QString TCurrentPage::LawAmount(current::Cents Value) {
    return LawText::Amount(Value);
}

QString TCurrentPage::RatePercent(int Rate) {
    return QString::number(Rate) + QLatin1Char('%');
}

QString TCurrentPage::LawDate(current::Date Day) {
    return LawText::Date(Day);
}

QFormLayout *TCurrentPage::NewForm() {
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return form;
}

QLineEdit *TCurrentPage::AddInputRow(QFormLayout *Form, const QString &Name,
                                     const QString &CaptionText, QPushButton *Beside) {
    QLineEdit *edit = AmountEdit(Name, 0, 0, FieldWidth);
    edit->setMinimumWidth(FieldWidth);
    Describe(edit, CaptionText);
    if (!Beside) {
        Form->addRow(CaptionText, edit);
        return edit;
    }
    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(Beside);
    row->addStretch();
    auto *caption = new QLabel(CaptionText, Client());
    caption->setBuddy(edit);
    Form->addRow(caption, row);
    return edit;
}

QLineEdit *TCurrentPage::AddResultRow(QFormLayout *Form, const QString &Name,
                                      const QString &CaptionText, const QString &CopyName) {
    auto *edit = new QLineEdit(Client());
    edit->setObjectName(Name);
    edit->setReadOnly(true);
    edit->setMinimumWidth(FieldWidth);
    Describe(edit, CaptionText);
    DesktopHabits::TipWhenClipped(edit);
    QPushButton *copy =
        FlowButton(CopyName.isEmpty() ? QStringLiteral("Copy") + Name : CopyName, tr("复制"));
    copy->setAccessibleName(tr("复制%1").arg(edit->accessibleName()));
    connect(copy, &QPushButton::clicked, this, [edit] { TUtils::CopyToClipboard(edit->text()); });
    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(copy);
    row->addStretch();
    Form->addRow(CaptionText, row);
    return edit;
}

void TCurrentPage::ShowRow(QFormLayout *Form, QWidget *Field, bool Visible) {
    for (int row = 0; row < Form->rowCount(); ++row) {
        for (const auto role : {QFormLayout::FieldRole, QFormLayout::SpanningRole}) {
            QLayoutItem *item = Form->itemAt(row, role);
            if (item && (item->widget() == Field ||
                         (item->layout() && item->layout()->indexOf(Field) >= 0)))
                return Form->setRowVisible(row, Visible);
        }
    }
}

QLabel *TCurrentPage::InlineMessage(const QString &Name, const QString &Field) {
    auto *label = new QLabel(Client());
    label->setObjectName(Name);
    label->setStyleSheet(QStringLiteral("color: red;"));
    label->setWordWrap(true);
    Describe(label, Field);
    label->setAccessibleName(tr("%1提示").arg(label->accessibleName()));
    return label;
}

QLabel *TCurrentPage::GreyNote(const QString &Text) {
    auto *label = new QLabel(Text, Client());
    label->setStyleSheet(QStringLiteral("color: gray;"));
    label->setWordWrap(true);
    return label;
}

QPushButton *TCurrentPage::FlowButton(const QString &Name, const QString &Text) {
    auto *button = new QPushButton(Text, Client());
    button->setObjectName(Name);
    DesktopHabits::ClickOnEnter(button);
    return button;
}

QHBoxLayout *TCurrentPage::ButtonRow(std::initializer_list<QPushButton *> Buttons) {
    auto *row = new QHBoxLayout;
    for (QPushButton *button : Buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

QHBoxLayout *TCurrentPage::CalcButtons(const QString &Field) {
    BtnCalc = FlowButton(QStringLiteral("BtnCalc"), tr("开始计算"));
    BtnReset = FlowButton(QStringLiteral("BtnReset"), tr("重置"));
    TxtMsgInput = InlineMessage(QStringLiteral("TxtMsgInput"), Field);
    return ButtonRow({BtnCalc, BtnReset});
}

QVBoxLayout *TCurrentPage::InputColumn(QLayout *Inputs, const QString &Field) {
    auto *column = new QVBoxLayout;
    column->addLayout(Inputs);
    column->addLayout(CalcButtons(Field));
    column->addWidget(TxtMsgInput);
    return column;
}

QGroupBox *TCurrentPage::MethodGroup(const QString &Picture) {
    auto *group = new QGroupBox(tr("计算方法："), Client());
    group->setObjectName(QStringLiteral("GrpMethod"));
    auto *layout = new QVBoxLayout(group);
    auto *picture = new QLabel(group);
    picture->setObjectName(QStringLiteral("ImgMethod"));
    picture->setAlignment(Qt::AlignCenter);
    LocalPicture::Show(picture, Picture);
    layout->addWidget(picture);
    return group;
}

std::optional<current::Cents> TCurrentPage::ReadCents(const QLineEdit *Edit) {
    return current::ParseCents(Edit->text().toStdString());
}

std::optional<current::Cents> TCurrentPage::ReadOptionalCents(const QLineEdit *Edit) {
    if (Edit->text().trimmed().isEmpty())
        return current::Cents{0};
    return ReadCents(Edit);
}
