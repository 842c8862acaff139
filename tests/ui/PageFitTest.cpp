// The pages of fixed positions at the main window's smallest size: every edit and button lies
// within the page's client area, the grey line of the pages of earlier rules included.

#include "app/UFrmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class SmallestWindow : public ::testing::TestWithParam<const char *> {};

TEST_P(SmallestWindow, EveryEditAndButtonInsideThePage) {
    TFrmMain main;
    main.resize(main.minimumSize());
    main.show();
    auto *item = main.findChild<QAction *>(QString::fromLatin1(GetParam()));
    ASSERT_NE(item, nullptr);
    item->trigger();
    QCoreApplication::processEvents();
    auto *client = main.CurrentPage()->findChild<QWidget *>(QStringLiteral("PanelClient"));
    ASSERT_NE(client, nullptr);
    // Edits and buttons are placed with sizes of their own; captions follow the font.
    for (QWidget *widget : client->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!widget->isVisible() ||
            !(qobject_cast<QLineEdit *>(widget) || qobject_cast<QPushButton *>(widget)))
            continue;
        EXPECT_LE(widget->geometry().bottom(), client->height() - 1)
            << widget->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(CalculatorMenu, SmallestWindow,
                         ::testing::Values("MSalary", "N20", "MYearAward", "N22", "N21", "N3", "N4",
                                           "N7", "N10", "N11", "N8", "N9", "N6", "N12", "N13",
                                           "N14", "N19"),
                         [](const auto &Info) { return std::string(Info.param); });

} // namespace
