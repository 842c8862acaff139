// Every page, dialog and window at its smallest size, in Chinese and in English: no caption is
// cut, no two widgets side by side cover each other, and every input and button lies within the
// page or window, so that the longer English words find room where the Chinese ones stand.

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "translations/Language.h"
#include "ui/EveryWindow.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

using Translations::Language;

std::string Describe(const QWidget *Widget) {
    return (QString::fromLatin1(Widget->metaObject()->className()) + QLatin1Char(' ') +
            Widget->objectName() + QStringLiteral(" \"") +
            (qobject_cast<const QLabel *>(Widget)
                 ? qobject_cast<const QLabel *>(Widget)->text().left(40)
             : qobject_cast<const QAbstractButton *>(Widget)
                 ? qobject_cast<const QAbstractButton *>(Widget)->text().left(40)
                 : QString()) +
            QStringLiteral("\" at %1,%2 %3x%4")
                .arg(Widget->x())
                .arg(Widget->y())
                .arg(Widget->width())
                .arg(Widget->height()))
        .toStdString();
}

// The width of a push button's text beside the room its style leaves for it: a push button's own
// size hint includes the smallest width the style gives every button, which a narrower button
// with a short text may rightly lack.
bool ButtonTextFits(const QPushButton *Button) {
    QStyleOptionButton option;
    option.initFrom(Button);
    option.text = Button->text();
    option.icon = Button->icon();
    option.iconSize = Button->iconSize();
    const QRect room =
        Button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, Button);
    int needed = Button->fontMetrics().size(Qt::TextShowMnemonic, Button->text()).width();
    if (!Button->icon().isNull())
        needed += Button->iconSize().width();
    return needed <= room.width();
}

// Whether the widget shows its caption whole on one line: a label that does not wrap and a check
// box or option as wide as their size hints, a push button whose text fits in its frame, a group
// box as wide as its title asks. A label that wraps, shows a picture or holds no text takes what
// it is given; one hidden on purpose is not looked at at all.
bool CaptionWhole(const QWidget *Widget) {
    if (const auto *label = qobject_cast<const QLabel *>(Widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return true;
        return label->sizeHint().width() <= label->width();
    }
    if (qobject_cast<const QCheckBox *>(Widget) || qobject_cast<const QRadioButton *>(Widget))
        return Widget->sizeHint().width() <= Widget->width();
    if (const auto *button = qobject_cast<const QPushButton *>(Widget))
        return button->text().isEmpty() || ButtonTextFits(button);
    if (const auto *box = qobject_cast<const QGroupBox *>(Widget))
        return box->title().isEmpty() || box->minimumSizeHint().width() <= box->width();
    return true;
}

bool IsInputOrButton(const QWidget *Widget) {
    return qobject_cast<const QLineEdit *>(Widget) ||
           qobject_cast<const QAbstractButton *>(Widget) ||
           qobject_cast<const QComboBox *>(Widget) ||
           qobject_cast<const QAbstractSpinBox *>(Widget);
}

// Widgets that stand side by side on a page; the parts Qt composes a control of are left alone.
bool TakesPlace(const QWidget *Widget) {
    if (const auto *label = qobject_cast<const QLabel *>(Widget))
        return !label->text().trimmed().isEmpty() || !label->pixmap().isNull();
    return IsInputOrButton(Widget) || qobject_cast<const QGroupBox *>(Widget) ||
           qobject_cast<const QTextEdit *>(Widget);
}

bool Composed(const QWidget *Parent) {
    return qobject_cast<const QAbstractSpinBox *>(Parent) ||
           qobject_cast<const QComboBox *>(Parent) || qobject_cast<const QTabBar *>(Parent) ||
           qobject_cast<const QAbstractScrollArea *>(Parent) ||
           qobject_cast<const QAbstractScrollArea *>(Parent->parentWidget());
}

// What a widget must lie within: the content of the scroll area that holds it, or else the page.
QRect Bounds(const QWidget *Widget, const QWidget *Page) {
    for (const QWidget *up = Widget->parentWidget(); up && up != Page; up = up->parentWidget()) {
        if (const auto *scroll = qobject_cast<const QScrollArea *>(up); scroll && scroll->widget())
            return QRect(scroll->widget()->mapTo(Page, QPoint(0, 0)), scroll->widget()->size());
    }
    return Page->rect();
}

using Param = std::tuple<EveryWindow::Entry, Language>;

class SmallestSize : public ::testing::TestWithParam<Param> {
  protected:
    void SetUp() override {
        Translations::Apply(std::get<1>(GetParam()), Translations::Scope::Qt);
        const EveryWindow::Entry &window = std::get<0>(GetParam());
        const PageRegistry::Entry *row = PageRegistry::Find(
            PageRegistry::Program(), QStringLiteral("TFrm") + QString::fromStdString(window.Name));
        if (row && row->IsPage()) {
            Main = std::make_unique<TFrmMain>();
            Main->resize(Main->minimumSize());
            Main->show();
            ASSERT_TRUE(Main->Open(row->Name));
            Page = Main->CurrentPage();
        } else {
            Own.reset(window.Create());
            // A window that can be made smaller than it opens is looked at at its smallest.
            if (!Own->minimumSize().isEmpty())
                Own->resize(Own->minimumSize());
            Own->show();
            Page = Own.get();
        }
        QCoreApplication::processEvents();
        ASSERT_NE(Page, nullptr);
        for (QWidget *widget : Page->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(Page) && !widget->isWindow())
                Shown.append(widget);
        }
    }
    void TearDown() override {
        Own.reset();
        Main.reset();
        Translations::Apply(Language::Chinese, Translations::Scope::Qt);
    }

    std::unique_ptr<TFrmMain> Main;
    std::unique_ptr<QWidget> Own;
    QWidget *Page = nullptr;
    QList<QWidget *> Shown;
};

TEST_P(SmallestSize, NoCaptionIsCut) {
    for (const QWidget *widget : Shown)
        EXPECT_TRUE(CaptionWhole(widget)) << Describe(widget);
}

TEST_P(SmallestSize, NoTwoWidgetsOverlap) {
    for (qsizetype i = 0; i < Shown.size(); ++i) {
        const QWidget *widget = Shown[i];
        if (!TakesPlace(widget) || Composed(widget->parentWidget()))
            continue;
        for (qsizetype j = i + 1; j < Shown.size(); ++j) {
            const QWidget *other = Shown[j];
            if (other->parentWidget() != widget->parentWidget() || !TakesPlace(other))
                continue;
            EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                << Describe(widget) << " and " << Describe(other);
        }
    }
}

TEST_P(SmallestSize, EveryInputAndButtonInsideThePage) {
    for (const QWidget *widget : Shown) {
        if (!IsInputOrButton(widget) || Composed(widget->parentWidget()))
            continue;
        const QRect placed(widget->mapTo(Page, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(Bounds(widget, Page).contains(placed)) << Describe(widget);
    }
}

std::string NameOf(const ::testing::TestParamInfo<Param> &Info) {
    return std::get<0>(Info.param).Name +
           (std::get<1>(Info.param) == Language::English ? "_en" : "_zh");
}

INSTANTIATE_TEST_SUITE_P(PagesAndWindows, SmallestSize,
                         ::testing::Combine(::testing::ValuesIn(EveryWindow::All()),
                                            ::testing::Values(Language::Chinese,
                                                              Language::English)),
                         NameOf);

} // namespace
