#include "pages/UFrmChance.h"

TFrmChance::TFrmChance(QWidget *Parent)
    : TFlatRatePage(staticMetaObject, QSize(913, 496), QRect(503, 30, 370, 187),
                    QStringLiteral(":/pictures/chance_method.png"), Parent) {}
