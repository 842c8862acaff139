#include "common/UScrollColumn.h"

#include <QBoxLayout>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Set when the column is polished, before the page is first laid out (the page has broken its
// long captions by then), and again whenever the content's layout asks to be redone.
class WholeWidth : public QObject {
  public:
    explicit WholeWidth(QScrollArea *Column)
        : QObject(Column->widget()), Column(Column), Content(Column->widget()) {
        Column->installEventFilter(this);
        Content->installEventFilter(this);
    }

    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if ((Watched == Column && Event->type() == QEvent::Polish) ||
            (Watched == Content && Event->type() == QEvent::LayoutRequest))
            Follow();
        return QObject::eventFilter(Watched, Event);
    }

  private:
    void Follow() {
        const int needed = Content->minimumSizeHint().expandedTo(Content->minimumSize()).width() +
                           Column->verticalScrollBar()->sizeHint().width() +
                           2 * Column->frameWidth();
        if (needed == Column->minimumWidth())
            return;
        Column->setMinimumWidth(needed);
        // A nested layout keeps the width it worked out until it is told, even once the page's
        // own layout is redone.
        for (QWidget *holder = Column->parentWidget(); holder; holder = holder->parentWidget())
            if (holder->layout())
                Forget(holder->layout());
    }

    static void Forget(QLayout *Layout) {
        Layout->invalidate();
        for (int i = 0; i < Layout->count(); ++i)
            if (QLayout *inner = Layout->itemAt(i)->layout())
                Forget(inner);
    }

    // The content is this filter's parent; the column holds the content.
    QScrollArea *Column;
    QWidget *Content;
};

} // namespace

QScrollArea *ScrollColumn(QLayout *Content, QWidget *Parent, const QString &Name) {
    auto *inside = new QWidget;
    inside->setLayout(Content);
    Content->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(Parent);
    scroll->setObjectName(Name);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(inside);
    // The page's white shows through.
    scroll->viewport()->setAutoFillBackground(false);
    inside->setAutoFillBackground(false);
    scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    return scroll;
}

void KeepWholeWidth(QScrollArea *Column) {
    new WholeWidth(Column);
}

QHBoxLayout *InputsBesideMethod(QLayout *Inputs, QLayout *Results, QWidget *Method,
                                QWidget *Parent) {
    auto *left = new QVBoxLayout;
    left->addLayout(Inputs);
    left->addLayout(Results);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(Method);
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    QScrollArea *inputs = ScrollColumn(left, Parent, QStringLiteral("ScrollInputs"));
    QScrollArea *method = ScrollColumn(right, Parent, QStringLiteral("ScrollMethod"));
    KeepWholeWidth(inputs);
    KeepWholeWidth(method);
    columns->addWidget(inputs, 1);
    columns->addWidget(method);
    return columns;
}
