#include "pages/UScrollColumn.h"

#include <QBoxLayout>
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
    columns->addWidget(ScrollColumn(left, Parent, QStringLiteral("ScrollInputs")), 1);
    columns->addWidget(ScrollColumn(right, Parent, QStringLiteral("ScrollMethod")));
    return columns;
}
