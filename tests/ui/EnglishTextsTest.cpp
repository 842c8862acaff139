// The window in English reads as English: no text a user sees or hears on any page, dialog or
// window holds a Chinese character, except the language choice named in its own language, the
// capital numerals of an amount, the support account's name (it is found by that name), the
// literal titles the user guide quotes and what the user typed.

#include "common/USupportContact.h"
#include "support/UiTestSupport.h"
#include "translations/Language.h"
#include "ui/EveryWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Translations::Language;

bool HasChinese(const QString &Text) {
    static const QRegularExpression cjk(
        QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return cjk.match(Text).hasMatch();
}

// An amount in capital numerals, as the conversion to them writes it.
bool CapitalNumerals(const QString &Text) {
    static const QRegularExpression capital(
        QStringLiteral("^[零壹贰叁肆伍陆柒捌玖拾佰仟万亿元圆角分整负]+$"));
    return capital.match(Text.trimmed()).hasMatch();
}

// The text of a document without its code spans: the user guide quotes there, as literal text
// set in a fixed-pitch font, the Chinese column titles a payroll sheet carries.
QString WithoutLiterals(const QTextDocument *Document) {
    QString text;
    for (QTextBlock block = Document->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            const bool literal =
                format.fontFixedPitch() ||
                format.fontFamilies().toStringList().contains(QStringLiteral("monospace"));
            if (!literal)
                text += part.fragment().text();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

// The language choices are named in their own language, so that a reader of either finds them.
bool NamedInItsOwnLanguage(const QAction *Action) {
    return Action->objectName() == QStringLiteral("MChinese") ||
           Action->objectName() == QStringLiteral("MLanguage") ||
           (Action->menu() && Action->menu()->objectName() == QStringLiteral("MLanguage"));
}

class TextsInEnglish : public ::testing::TestWithParam<EveryWindow::Entry> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Translations::Apply(Language::English, Translations::Scope::Qt));
        Window.reset(GetParam().Create());
        Window->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        Window.reset();
        Translations::Apply(Language::Chinese, Translations::Scope::Qt);
    }

    void Expect(const QString &Where, const QString &Shown) {
        const QString Text = QString(Shown).remove(SupportContact::Wangwang);
        if (HasChinese(Text) && !CapitalNumerals(Text))
            ADD_FAILURE() << Where.toStdString() << ": \"" << Text.toStdString() << "\"";
    }

    void CheckActions(const QString &Where, const QList<QAction *> &Actions) {
        for (QAction *action : Actions) {
            if (NamedInItsOwnLanguage(action))
                continue;
            const QString name = Where + QLatin1Char('/') + action->objectName();
            Expect(name, action->text());
            Expect(name + QStringLiteral(" tooltip"), action->toolTip());
            Expect(name + QStringLiteral(" status tip"), action->statusTip());
            if (action->menu())
                CheckActions(name, action->menu()->actions());
        }
    }

    void CheckItems(const QString &Where, const QAbstractItemModel *Model, const QModelIndex &Of) {
        for (int row = 0; row < Model->rowCount(Of); ++row) {
            for (int column = 0; column < Model->columnCount(Of); ++column) {
                const QModelIndex item = Model->index(row, column, Of);
                Expect(Where, item.data(Qt::DisplayRole).toString());
                Expect(Where + QStringLiteral(" tooltip"), item.data(Qt::ToolTipRole).toString());
                CheckItems(Where, Model, item);
            }
        }
    }

    void CheckModel(const QString &Where, const QAbstractItemModel *Model) {
        for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            const int count =
                orientation == Qt::Horizontal ? Model->columnCount() : Model->rowCount();
            for (int i = 0; i < count; ++i) {
                Expect(Where + QStringLiteral(" header"),
                       Model->headerData(i, orientation, Qt::DisplayRole).toString());
                Expect(Where + QStringLiteral(" header tooltip"),
                       Model->headerData(i, orientation, Qt::ToolTipRole).toString());
            }
        }
        CheckItems(Where, Model, {});
    }

    void CheckWidget(QWidget *Widget) {
        const QString where = QString::fromLatin1(Widget->metaObject()->className()) +
                              QLatin1Char(' ') + Widget->objectName();
        Expect(where + QStringLiteral(" tooltip"), Widget->toolTip());
        Expect(where + QStringLiteral(" accessible name"), Widget->accessibleName());
        Expect(where + QStringLiteral(" accessible description"), Widget->accessibleDescription());
        Expect(where + QStringLiteral(" what's this"), Widget->whatsThis());
        if (Widget->isWindow())
            Expect(where + QStringLiteral(" window title"), Widget->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(Widget))
            Expect(where, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(Widget))
            Expect(where, button->text());
        if (auto *edit = qobject_cast<QLineEdit *>(Widget)) {
            Expect(where, edit->text());
            Expect(where + QStringLiteral(" placeholder"), edit->placeholderText());
        }
        if (auto *text = qobject_cast<QTextEdit *>(Widget)) {
            Expect(where, WithoutLiterals(text->document()));
            Expect(where + QStringLiteral(" placeholder"), text->placeholderText());
        }
        if (auto *box = qobject_cast<QGroupBox *>(Widget))
            Expect(where, box->title());
        if (auto *tabs = qobject_cast<QTabBar *>(Widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                Expect(where + QStringLiteral(" tab"), tabs->tabText(i));
                Expect(where + QStringLiteral(" tab tooltip"), tabs->tabToolTip(i));
            }
        }
        if (auto *list = qobject_cast<QComboBox *>(Widget))
            CheckModel(where, list->model());
        if (auto *view = qobject_cast<QAbstractItemView *>(Widget); view && view->model())
            CheckModel(where, view->model());
        if (auto *bar = qobject_cast<QMenuBar *>(Widget))
            CheckActions(where, bar->actions());
        if (auto *tools = qobject_cast<QToolBar *>(Widget))
            CheckActions(where, tools->actions());
    }

    std::unique_ptr<QWidget> Window;
};

TEST_P(TextsInEnglish, NoChineseCharacterIsShown) {
    CheckWidget(Window.get());
    for (QWidget *widget : Window->findChildren<QWidget *>()) {
        // A menu is checked through the actions of the bar that opens it.
        if (!qobject_cast<QMenu *>(widget))
            CheckWidget(widget);
    }
}

INSTANTIATE_TEST_SUITE_P(PagesAndWindows, TextsInEnglish, ::testing::ValuesIn(EveryWindow::All()),
                         EveryWindow::NameOf);

} // namespace
