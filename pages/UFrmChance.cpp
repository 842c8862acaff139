#include "pages/UFrmChance.h"

TFrmChance::TFrmChance(QWidget *Parent)
    : TFlatRatePage(QStringLiteral("   偶然所得(如：中奖、中彩)"), QSize(913, 496),
                    QRect(503, 30, 370, 187), QStringLiteral(":/pictures/chance_method.png"),
                    Parent) {}
