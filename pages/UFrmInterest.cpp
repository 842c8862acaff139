#include "pages/UFrmInterest.h"

TFrmInterest::TFrmInterest(QWidget *Parent)
    : TFlatRatePage(staticMetaObject, QSize(914, 428), QRect(512, 30, 370, 171),
                    QStringLiteral(":/pictures/interest_method.png"), Parent) {}
