#include "pages/UScrollColumn.h"

#include <QLayout>
#include <QScrollArea>

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
