// Screen readers and desktop automation reach every input and every result by its Chinese
// caption: on every page and in every window, each such widget carries the caption (without the
// trailing "：") as its accessible name, and that is the name the accessibility layer reports.

#include "support/UiTestSupport.h"
#include "ui/EveryWindow.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QRadioButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Windows of texts and buttons only.
bool NothingToName(const std::string &Window) {
    return Window == "About" || Window == "Guide";
}

// Inputs (edits, lists, date pickers, choices) and results (the labels named Txt…, the share
// amounts named Lbl…, messages included, and progress), as far as the window shows them. The
// edit inside a date picker or a list is part of that control, not a widget of its own.
bool IsInputOrResult(const QWidget *Widget, const QWidget *Window) {
    if (!Widget->isVisibleTo(Window))
        return false;
    if (qobject_cast<const QLineEdit *>(Widget))
        return !qobject_cast<const QAbstractSpinBox *>(Widget->parentWidget()) &&
               !qobject_cast<const QComboBox *>(Widget->parentWidget());
    if (qobject_cast<const QComboBox *>(Widget) || qobject_cast<const QAbstractSpinBox *>(Widget) ||
        qobject_cast<const QRadioButton *>(Widget) || qobject_cast<const QCheckBox *>(Widget) ||
        qobject_cast<const QProgressBar *>(Widget))
        return true;
    if (qobject_cast<const QLabel *>(Widget)) {
        const QString name = Widget->objectName();
        // A picture or text that opens something when clicked is a control too.
        return name.startsWith(QStringLiteral("Txt"), Qt::CaseInsensitive) ||
               name.startsWith(QStringLiteral("Lbl")) ||
               Widget->cursor().shape() == Qt::PointingHandCursor;
    }
    return false;
}

QString Describe(const QWidget *Widget) {
    return QString::fromLatin1(Widget->metaObject()->className()) + QLatin1Char(' ') +
           Widget->objectName();
}

// The caption as it reads without its blanks and trailing colon.
QString Bare(QString Caption) {
    Caption = Caption.trimmed();
    while (Caption.endsWith(QStringLiteral("：")) || Caption.endsWith(QLatin1Char(':')))
        Caption.chop(1);
    return Caption;
}

// The name assistive technology hears. A list reports its current item as its name on Linux and
// its caption through the "labelled by" relation of the caption whose buddy it is.
QString HeardName(QWidget *Widget) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(Widget);
    if (!accessible)
        return {};
    if (!qobject_cast<QComboBox *>(Widget))
        return accessible->text(QAccessible::Name);
    for (const auto &[label, relation] : accessible->relations(QAccessible::Label))
        return Bare(label->text(QAccessible::Name));
    return {};
}

class InputsAndResults : public ::testing::TestWithParam<EveryWindow::Entry> {
  protected:
    void SetUp() override {
        Window.reset(GetParam().Create());
        Window->show();
        QCoreApplication::processEvents();
        for (QWidget *widget : Window->findChildren<QWidget *>())
            if (IsInputOrResult(widget, Window.get()))
                Widgets.append(widget);
    }
    std::unique_ptr<QWidget> Window;
    QList<QWidget *> Widgets;
};

TEST_P(InputsAndResults, NamesEachInputAndResultByItsCaption) {
    if (NothingToName(GetParam().Name)) {
        EXPECT_TRUE(Widgets.isEmpty()) << GetParam().Name << " has inputs after all";
        return;
    }
    ASSERT_FALSE(Widgets.isEmpty()) << "nothing to name in " << GetParam().Name;
    for (QWidget *widget : Widgets) {
        const QString name = widget->accessibleName();
        SCOPED_TRACE(Describe(widget).toStdString() + " named \"" + name.toStdString() + "\"");
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(name, name.trimmed()) << "no blanks around the name";
        EXPECT_FALSE(name.endsWith(QStringLiteral("：")) || name.endsWith(QLatin1Char(':')))
            << "the caption's colon is not part of the name";
        EXPECT_EQ(HeardName(widget), name) << "assistive technology hears the name";
    }
}

// An input and the result line that repeats it share their caption, and are told apart by their
// role (an edit, a text); two widgets of one role must never share a name.
TEST_P(InputsAndResults, NoTwoWidgetsOfOneRoleShareAName) {
    QMap<QPair<int, QString>, QString> seen;
    for (QWidget *widget : Widgets) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        const QPair<int, QString> key(accessible->role(), widget->accessibleName());
        const auto previous = seen.constFind(key);
        EXPECT_TRUE(previous == seen.constEnd())
            << Describe(widget).toStdString() << " and " << previous->toStdString()
            << " are both named \"" << key.second.toStdString() << "\"";
        seen.insert(key, Describe(widget));
    }
}

INSTANTIATE_TEST_SUITE_P(PagesAndWindows, InputsAndResults, ::testing::ValuesIn(EveryWindow::All()),
                         EveryWindow::NameOf);

} // namespace
