#include "pages/UFrmOthers.h"

#include "common/URulesPeriod.h"

TFrmOthers::TFrmOthers(QWidget *Parent)
    : TFlatRatePage(QStringLiteral("   被确定征税的其他部分"), QSize(986, 605),
                    QRect(583, 30, 370, 123), QStringLiteral(":/pictures/others_method.png"),
                    Parent) {
    NoteRulesPeriod(RulesPeriod::NoLongerACategory());
}
