#include "pages/UFrmOthers.h"

TFrmOthers::TFrmOthers(QWidget *Parent)
    : TFlatRatePage(staticMetaObject, QSize(986, 605), QRect(583, 30, 370, 123),
                    QStringLiteral(":/pictures/others_method.png"), Parent) {}
