// What was typed on a page stays while the program runs: the main window deletes a page when
// another is chosen and builds it anew when it comes back.

#include "app/UFrmMain.h"
#include "common/UCalcPage.h"
#include "common/UCurWageModel.h"
#include "pages/UFrmCurWage.h"
#include "support/UiTestSupport.h"
#include "ui/EveryWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <memory>

using namespace UiTest;

namespace {

// The input that has the focus when the page is shown: an edit, or the table of facts that a
// page of lists begins with.
QString FirstInput() {
    const QWidget *focus = QApplication::focusWidget();
    return qobject_cast<const QLineEdit *>(focus) || qobject_cast<const QTableView *>(focus)
               ? focus->objectName()
               : QString();
}

// Changes a page as a user might: the first input typed in, every option that shows switched on,
// every list at its last entry, every date three days on, every number at its top.
void ChangeEverything(QWidget *Page, const QString &First) {
    if (auto *first = Page->findChild<QLineEdit *>(First))
        QTest::keyClicks(first, QStringLiteral("12"));
    for (QAbstractButton *option : Page->findChildren<QAbstractButton *>()) {
        if (option->isCheckable() && !option->isChecked() && option->isVisible() &&
            option->isEnabled())
            Click(option);
    }
    for (QComboBox *list : Page->findChildren<QComboBox *>())
        list->setCurrentIndex(list->count() - 1);
    for (QDateEdit *date : Page->findChildren<QDateEdit *>())
        date->setDate(date->date().addDays(3));
    for (QSpinBox *number : Page->findChildren<QSpinBox *>())
        number->setValue(number->maximum());
}

// What the user set, by the names of the inputs: the first input's text and every option, list,
// date and number.
QStringList Inputs(QWidget *Page, const QString &First) {
    QStringList inputs;
    if (auto *first = Page->findChild<QLineEdit *>(First))
        inputs << first->objectName() + u'=' + first->text();
    for (QAbstractButton *option : Page->findChildren<QAbstractButton *>()) {
        if (option->isCheckable())
            inputs << option->objectName() + u'=' + QString::number(option->isChecked());
    }
    for (QComboBox *list : Page->findChildren<QComboBox *>())
        inputs << list->objectName() + u'=' + list->currentText();
    for (QDateEdit *date : Page->findChildren<QDateEdit *>())
        inputs << date->objectName() + u'=' + date->date().toString(Qt::ISODate);
    for (QSpinBox *number : Page->findChildren<QSpinBox *>())
        inputs << number->objectName() + u'=' + QString::number(number->value());
    return inputs;
}

TEST(KeptInputs, EveryPageComesBackAsItWasLeft) {
    int pages = 0;
    for (const EveryWindow::Entry &entry : EveryWindow::All()) {
        std::unique_ptr<QWidget> window(entry.Create());
        if (!qobject_cast<TCalcPage *>(window.get()))
            continue;
        ++pages;
        ShowActive(window.get());
        const QString first = FirstInput();
        EXPECT_FALSE(first.isEmpty()) << entry.Name;
        const QStringList fresh = Inputs(window.get(), first);
        ChangeEverything(window.get(), first);
        const QStringList left = Inputs(window.get(), first);
        EXPECT_NE(left, fresh) << entry.Name;
        window.reset(entry.Create());
        ShowActive(window.get());
        EXPECT_EQ(Inputs(window.get(), first), left) << entry.Name;
    }
    EXPECT_EQ(pages, 24);
}

// A page never shown holds nothing the user typed, and leaves what was kept alone.
TEST(KeptInputs, APageNeverShownKeepsNothing) {
    {
        TFrmCurWage shown;
        ShowActive(&shown);
        Type(shown.TxtIncome, QStringLiteral("8000"));
    }
    { TFrmCurWage hidden; }
    TFrmCurWage again;
    ShowActive(&again);
    EXPECT_EQ(again.TxtIncome->text(), "8000");
}

int IncomeColumn(const TFrmCurWage &Page) {
    for (int c = 0; c < Page.Model->columnCount(); ++c) {
        if (Page.Model->headerData(c, Qt::Horizontal).toString() == QStringLiteral("收入"))
            return c;
    }
    return -1;
}

// Opens the editor of a month's income and types into it.
QPointer<QLineEdit> TypeInCell(TFrmCurWage &Page, int Row, const QString &Text) {
    Page.TblMonths->setFocus(Qt::OtherFocusReason);
    Page.TblMonths->setCurrentIndex(Page.Model->index(Row, IncomeColumn(Page)));
    QTest::keyClick(Page.TblMonths, Qt::Key_F2);
    QPointer<QLineEdit> editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (editor) {
        editor->selectAll();
        QTest::keyClicks(editor, Text);
    }
    return editor;
}

// Fill the wage page, go to 年度汇算, come back: every field, option and month of its own is
// there, a cell still being typed in included, and so are the results.
TEST(KeptInputs, TheWagePageThroughTheMainWindow) {
    TFrmMain main;
    ShowActive(&main);
    main.findChild<QAction *>(QStringLiteral("MCurWage"))->trigger();
    auto *wage = qobject_cast<TFrmCurWage *>(main.CurrentPage());
    ASSERT_NE(wage, nullptr);
    Click(wage->RBtnFromJanuary);
    wage->SpnFirstMonth->setValue(3);
    Type(wage->TxtInsurance, QStringLiteral("2000"));
    TypeAndEnter(wage->TxtIncome, QStringLiteral("20000"));
    const QPointer<QLineEdit> july = TypeInCell(*wage, 4, QStringLiteral("30000"));
    ASSERT_NE(july, nullptr);
    QTest::keyClick(july, Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return july.isNull() || !july->isVisible(); }));
    ASSERT_NE(TypeInCell(*wage, 5, QStringLiteral("25000")), nullptr);

    main.findChild<QAction *>(QStringLiteral("MCurSettle"))->trigger();
    ASSERT_EQ(QString::fromLatin1(main.CurrentPage()->metaObject()->className()), "TFrmCurSettle");
    main.findChild<QAction *>(QStringLiteral("MCurWage"))->trigger();
    wage = qobject_cast<TFrmCurWage *>(main.CurrentPage());
    ASSERT_NE(wage, nullptr);
    EXPECT_EQ(wage->TxtIncome->text(), "20000");
    EXPECT_EQ(wage->TxtInsurance->text(), "2000");
    EXPECT_TRUE(wage->RBtnFromJanuary->isChecked());
    EXPECT_EQ(wage->SpnFirstMonth->value(), 3);
    EXPECT_EQ(wage->Model->index(4, IncomeColumn(*wage)).data().toString(), "30000.00");
    EXPECT_EQ(wage->Model->index(5, IncomeColumn(*wage)).data().toString(), "25000.00")
        << "the cell being typed in as the page went";
    EXPECT_EQ(wage->Model->index(6, IncomeColumn(*wage)).data().toString(), "20000.00");
    EXPECT_EQ(wage->Model->rowCount(), 11) << "ten months and the total";
    EXPECT_FALSE(wage->TxtYearTax->text().isEmpty());
}

} // namespace
