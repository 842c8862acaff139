// The current-law wage page: a year of cumulative withholding driven by keys and clicks, the
// table's copy text, a month of its own, bad input, and the deductions dialog behind its button.

#include "app/UFrmMain.h"
#include "common/UCurWageModel.h"
#include "common/UDeductionFacts.h"
#include "common/UDeductionsDialog.h"
#include "engine/current/RulesInUse.h"
#include "pages/UFrmCurWage.h"
#include "support/ParamFolders.h"
#include "support/UiTestSupport.h"
#include "ui/FactInput.h"
#include "ui/PageChecks.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using namespace UiTest;
using namespace PageChecks;

namespace {

// The worked example: 20000 a month, 三险一金 2000, special deductions 3000.
void EnterExample(TFrmCurWage &Page) {
    Type(Page.TxtIncome, QStringLiteral("20000"));
    QTest::keyClick(Page.TxtIncome, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // 免税收入 stays blank
    Type(Page.TxtInsurance, QStringLiteral("2000"));
    TypeAndEnter(Page.TxtSpecial, QStringLiteral("3000"));
}

int ColumnOf(const TFrmCurWage &Page, const QString &Header) {
    for (int c = 0; c < Page.Model->columnCount(); ++c)
        if (Page.Model->headerData(c, Qt::Horizontal).toString() == Header)
            return c;
    ADD_FAILURE() << "no column " << Header.toStdString();
    return 0;
}

QString Cell(const TFrmCurWage &Page, int Row, const QString &Header) {
    return Page.Model->index(Row, ColumnOf(Page, Header)).data().toString();
}

// The withholding of every row, the total row included.
QStringList TaxColumn(const TFrmCurWage &Page,
                      const QString &Header = QStringLiteral("本月应预扣税额")) {
    QStringList taxes;
    for (int r = 0; r < Page.Model->rowCount(); ++r)
        taxes << Cell(Page, r, Header);
    return taxes;
}

// Types into a cell of the table as a user does: F2 opens the editor, Enter confirms.
void EditCell(TFrmCurWage &Page, int Row, const QString &Header, const QString &Text) {
    Page.TblMonths->setFocus(Qt::OtherFocusReason);
    Page.TblMonths->setCurrentIndex(Page.Model->index(Row, ColumnOf(Page, Header)));
    QTest::keyClick(Page.TblMonths, Qt::Key_F2);
    QPointer<QLineEdit> editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, Text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the edit from its event loop.
    ASSERT_TRUE(WaitFor([&] { return editor.isNull() || !editor->isVisible(); }));
}

// Keys as a user types them: each to whatever has the focus when it is pressed.
void KeysToFocus(const QString &Text) {
    for (const QChar c : Text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void KeyToFocus(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Key, Modifiers);
}

QPoint CellCentre(const TFrmCurWage &Page, int Row, const QString &Header) {
    QCoreApplication::processEvents(); // the columns take their new widths
    const QModelIndex cell = Page.Model->index(Row, ColumnOf(Page, Header));
    Page.TblMonths->scrollTo(cell);
    return Page.TblMonths->visualRect(cell).center();
}

bool InTable(const TFrmCurWage &Page) {
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == Page.TblMonths || Page.TblMonths->isAncestorOf(focus));
}

class CurWagePage : public PageTest<TFrmCurWage> {};

TEST_F(CurWagePage, WorkedExampleMonthByMonth) {
    EnterExample(Page);
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
    QStringList expected{"300.00", "300.00", "300.00", "580.00"};
    for (int month = 5; month <= 12; ++month)
        expected << "1000.00";
    expected << "9480.00"; // the total row
    EXPECT_EQ(TaxColumn(Page), expected);
    EXPECT_EQ(Cell(Page, 12, "月份"), "合计");
    EXPECT_EQ(Cell(Page, 3, "累计应纳税所得额"), "40000.00");
    EXPECT_EQ(Cell(Page, 3, "预扣率"), "10%");
    EXPECT_EQ(Cell(Page, 3, "速算扣除数"), "2520.00");
    EXPECT_EQ(Cell(Page, 3, "累计已预扣税额"), "900.00");
    EXPECT_EQ(Cell(Page, 3, "税后收入"), "17420.00");
    EXPECT_EQ(Page.TxtYearTax->text(), "9480.00");
    EXPECT_EQ(Page.TxtYearNet->text(), "206520.00");
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome));
}

// The method's tab, which the first window does not show, is made when it is first chosen, and
// shows the method's picture then.
TEST_F(CurWagePage, MethodTabIsMadeWhenFirstChosen) {
    EXPECT_EQ(Page.findChild<QLabel *>(QStringLiteral("ImgMethod")), nullptr);
    auto *tabs = Find<QTabWidget>(&Page, QStringLiteral("TabsMonths"));
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    ASSERT_EQ(tabs->currentIndex(), 1);
    const auto *picture = Find<QLabel>(&Page, QStringLiteral("ImgMethod"));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    EXPECT_TRUE(SamePicture(picture->pixmap().toImage(), QImage(TFrmCurWage::MethodPicture())));
    // Chosen again, it is the same tab.
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    EXPECT_EQ(Page.findChildren<QLabel *>(QStringLiteral("ImgMethod")).size(), 1);
}

TEST_F(CurWagePage, CopyPutsTheTableWithItsHeaderOnTheClipboard) {
    EnterExample(Page);
    Click(Page.BtnCopyTable);
    const QString text = QApplication::clipboard()->text();
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 14) << "header, twelve months, total";
    EXPECT_EQ(lines[0], "月份\t收入\t免税收入\t三险一金\t专项附加扣除\t其他扣除\t累计收入\t"
                        "累计免税收入\t累计减除费用\t累计专项扣除\t累计专项附加扣除\t累计其他扣除\t"
                        "累计应纳税所得额\t预扣率\t速算扣除数\t累计应纳税额\t累计已预扣税额\t"
                        "本月应预扣税额\t税后收入");
    EXPECT_EQ(lines[4], "4月\t20000.00\t0.00\t2000.00\t3000.00\t0.00\t80000.00\t0.00\t20000.00\t"
                        "8000.00\t12000.00\t0.00\t40000.00\t10%\t2520.00\t1480.00\t900.00\t"
                        "580.00\t17420.00");
    EXPECT_EQ(lines[13], "合计\t240000.00\t0.00\t24000.00\t36000.00\t0.00\t\t\t\t\t\t\t\t\t\t\t\t"
                         "9480.00\t206520.00");

    QApplication::clipboard()->clear();
    Page.TblMonths->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Page.TblMonths, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), text) << "Ctrl+C copies the same";
}

TEST_F(CurWagePage, MonthOfItsOwnInTheTable) {
    EnterExample(Page);
    EditCell(Page, 2, QStringLiteral("收入"), QStringLiteral("30000"));
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
    EXPECT_TRUE(Page.Model->HasOverride(3, TCurWageModel::TInput::Income));
    EXPECT_EQ(Cell(Page, 2, "收入"), "30000.00");
    EXPECT_EQ(Cell(Page, 3, "收入"), "20000.00");
    // March crosses into the 10 % band at once: 40000 × 10 % − 2520 − 600 withheld before.
    EXPECT_EQ(TaxColumn(Page).mid(0, 4), (QStringList{"300.00", "300.00", "880.00", "1000.00"}));
    EXPECT_EQ(Page.TxtYearTax->text(), "10480.00");

    // A changed common amount leaves the month's own as typed.
    TypeAndEnter(Page.TxtIncome, QStringLiteral("21000"));
    EXPECT_EQ(Cell(Page, 2, "收入"), "30000.00");
    EXPECT_EQ(Cell(Page, 3, "收入"), "21000.00");

    // Emptied, the month takes the common amount again.
    EditCell(Page, 2, QStringLiteral("收入"), QString());
    EXPECT_FALSE(Page.Model->HasOverride(3, TCurWageModel::TInput::Income));
    EXPECT_EQ(Cell(Page, 2, "收入"), "21000.00");
}

// Double-click August's income, 30000, Enter, Down, 30000, Enter: both months take it, and the
// common income stays as typed.
TEST_F(CurWagePage, TypingAfterACellEditStaysInTheTable) {
    EnterExample(Page);
    // The first click of the two, then the second, as the window system reports them.
    const QPoint august = CellCentre(Page, 7, QStringLiteral("收入"));
    QTest::mouseClick(Page.TblMonths->viewport(), Qt::LeftButton, {}, august);
    QTest::mouseDClick(Page.TblMonths->viewport(), Qt::LeftButton, {}, august);
    ASSERT_TRUE(WaitFor([&] { return FocusName() == "TxtCell"; }));
    KeysToFocus(QStringLiteral("30000"));
    KeyToFocus(Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == Page.TblMonths; }));
    KeyToFocus(Qt::Key_Down);
    KeysToFocus(QStringLiteral("30000"));
    EXPECT_TRUE(InTable(Page)) << FocusName().toStdString();
    KeyToFocus(Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == Page.TblMonths; }));
    EXPECT_EQ(Page.TxtIncome->text(), "20000");
    for (const int month : {8, 9})
        EXPECT_TRUE(Page.Model->HasOverride(month, TCurWageModel::TInput::Income)) << month;
    EXPECT_EQ(Cell(Page, 8, "收入"), "30000.00");
    EXPECT_EQ(Cell(Page, 9, "收入"), "20000.00");
    EXPECT_EQ(Page.TxtYearTax->text(), "11480.00");
}

// A refused cell, or a common amount that no longer reads, leaves the focus in the table too,
// with the message beside the inputs.
TEST_F(CurWagePage, ARefusedCellKeepsTheFocusInTheTable) {
    EnterExample(Page);
    EditCell(Page, 2, QStringLiteral("三险一金"), QStringLiteral("."));
    EXPECT_TRUE(InTable(Page)) << FocusName().toStdString();
    Page.TxtIncome->clear();
    Type(Page.TxtIncome, QStringLiteral("."));
    EditCell(Page, 4, QStringLiteral("收入"), QStringLiteral("1"));
    EXPECT_EQ(Page.TxtMsgInput->text(), "每月收入数据无效，请重新输入。");
    EXPECT_EQ(Page.TxtYearTax->text(), "") << "no results of amounts no longer there";
    EXPECT_TRUE(InTable(Page)) << FocusName().toStdString();
}

TEST_F(CurWagePage, FromThisMonthOnByKeyAndByMenu) {
    EnterExample(Page);
    EditCell(Page, 7, QStringLiteral("收入"), QStringLiteral("30000"));
    KeyToFocus(Qt::Key_D, Qt::ControlModifier);
    for (int row = 7; row < 12; ++row)
        EXPECT_EQ(Cell(Page, row, "收入"), "30000.00") << row;
    EXPECT_EQ(Cell(Page, 6, "收入"), "20000.00");
    // 170000 taxable at 20 %, less 16920.
    EXPECT_EQ(Page.TxtYearTax->text(), "17080.00");
    EXPECT_TRUE(InTable(Page));

    // From the menu of a month with no amount of its own: the months after it take the common
    // amount again.
    EditCell(Page, 9, QStringLiteral("收入"), QString());
    const QPoint october = CellCentre(Page, 9, QStringLiteral("收入"));
    QString entries;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction *entry : menu->actions())
            entries += entry->text() + u'|';
        menu->setActiveAction(Page.ActFillFollowing);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, october,
                            Page.TblMonths->viewport()->mapToGlobal(october));
    QApplication::sendEvent(Page.TblMonths->viewport(), &click);
    EXPECT_EQ(entries, "以后各月与本月相同|恢复为每月相同的数额|复制表格|");
    for (const int month : {10, 11, 12})
        EXPECT_FALSE(Page.Model->HasOverride(month, TCurWageModel::TInput::Income)) << month;
    EXPECT_EQ(Cell(Page, 8, "收入"), "30000.00");
    EXPECT_EQ(Page.TxtYearTax->text(), "11480.00");
}

TEST_F(CurWagePage, DeleteGivesTheSelectedMonthsTheCommonAmountsAgain) {
    EnterExample(Page);
    for (const int row : {3, 4, 5})
        EditCell(Page, row, QStringLiteral("其他扣除"), QStringLiteral("100"));
    EditCell(Page, 5, QStringLiteral("收入"), QStringLiteral("25000"));
    // April and May of 其他扣除, chosen by keys.
    Page.TblMonths->setCurrentIndex(Page.Model->index(3, ColumnOf(Page, "其他扣除")));
    KeyToFocus(Qt::Key_Down, Qt::ShiftModifier);
    KeyToFocus(Qt::Key_Delete);
    using I = TCurWageModel::TInput;
    EXPECT_FALSE(Page.Model->HasOverride(4, I::Other));
    EXPECT_FALSE(Page.Model->HasOverride(5, I::Other));
    EXPECT_TRUE(Page.Model->HasOverride(6, I::Other));
    EXPECT_TRUE(Page.Model->HasOverride(6, I::Income));
    EXPECT_EQ(Cell(Page, 3, "其他扣除"), "0.00");
    EXPECT_EQ(Page.TxtIncome->text(), "20000") << "Delete in the table reaches no field";
    EXPECT_TRUE(InTable(Page));
}

TEST_F(CurWagePage, CellThatIsNoAmountIsRefusedAndNamed) {
    EnterExample(Page);
    EditCell(Page, 2, QStringLiteral("三险一金"), QStringLiteral("."));
    EXPECT_EQ(Page.TxtMsgInput->text(), "3月的三险一金数据无效，请重新输入。");
    EXPECT_FALSE(Page.Model->HasOverride(3, TCurWageModel::TInput::Insurance));
    EXPECT_EQ(Page.TxtYearTax->text(), "9480.00");
}

struct BadInputCase {
    const char *Field; // the edit left wrong
    const char *Text;
    const char *Message;
};

class CurWageBadInput : public PageTest<TFrmCurWage>,
                        public ::testing::WithParamInterface<BadInputCase> {};

TEST_P(CurWageBadInput, NamesTheFieldFocusesItAndKeepsEverything) {
    const BadInputCase &c = GetParam();
    EnterExample(Page);
    auto *edit = Find<QLineEdit>(&Page, QString::fromUtf8(c.Field));
    TypeAndEnter(edit, QString::fromUtf8(c.Text));
    EXPECT_EQ(Page.TxtMsgInput->text(), QString::fromUtf8(c.Message));
    EXPECT_EQ(FocusName(), c.Field);
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.Text)) << "what was typed stays";
    EXPECT_EQ(Page.TxtInsurance->text(), "2000") << "the other inputs stay";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CurWageBadInput,
    ::testing::Values(BadInputCase{"TxtIncome", "", "每月收入数据无效，请重新输入。"},
                      BadInputCase{"TxtIncome", ".", "每月收入数据无效，请重新输入。"},
                      BadInputCase{"TxtExempt", ".", "免税收入数据无效，请重新输入。"},
                      BadInputCase{"TxtSpecial", ".", "专项附加扣除数据无效，请重新输入。"},
                      BadInputCase{"TxtOther", ".", "其他扣除数据无效，请重新输入。"}));

TEST_F(CurWagePage, MonthRangeMustAscend) {
    EnterExample(Page);
    Page.SpnFirstMonth->setFocus(Qt::OtherFocusReason);
    Page.SpnFirstMonth->selectAll();
    QTest::keyClicks(Page.SpnFirstMonth, QStringLiteral("9"));
    Page.SpnLastMonth->setFocus(Qt::OtherFocusReason);
    Page.SpnLastMonth->selectAll();
    QTest::keyClicks(Page.SpnLastMonth, QStringLiteral("3"));
    QTest::keyClick(Page.SpnLastMonth, Qt::Key_Return);
    EXPECT_EQ(Page.TxtMsgInput->text(), "起始月份不能晚于截止月份，请重新选择。");
    EXPECT_EQ(QApplication::focusWidget(), Page.SpnFirstMonth);
    EXPECT_EQ(Page.TxtIncome->text(), "20000");
}

struct ModeCase {
    const char *Radio;
    int First, Last;
    int Row;
    const char *Tax, *YearTax;
};

class CurWageModes : public PageTest<TFrmCurWage>,
                     public ::testing::WithParamInterface<ModeCase> {};

TEST_P(CurWageModes, BasicDeductionAndMonths) {
    const ModeCase &c = GetParam();
    Click(Find<QRadioButton>(&Page, QString::fromUtf8(c.Radio)));
    Page.SpnFirstMonth->setValue(c.First);
    Page.SpnLastMonth->setValue(c.Last);
    EnterExample(Page);
    EXPECT_EQ(Page.Model->rowCount(), c.Last - c.First + 2);
    EXPECT_EQ(TaxColumn(Page).at(c.Row), c.Tax);
    EXPECT_EQ(Page.TxtYearTax->text(), c.YearTax);
}

INSTANTIATE_TEST_SUITE_P(Engine, CurWageModes,
                         ::testing::Values(ModeCase{"RBtnPerMonth", 7, 12, 0, "300.00", "3480.00"},
                                           // From January: July's 35000 of basic deduction leaves
                                           // nothing until October.
                                           ModeCase{"RBtnFromJanuary", 7, 12, 2, "0.00", "900.00"},
                                           ModeCase{"RBtnFromJanuary", 7, 12, 3, "300.00",
                                                    "900.00"},
                                           ModeCase{"RBtnSixty", 1, 12, 3, "0.00", "9480.00"},
                                           ModeCase{"RBtnSixty", 1, 12, 4, "450.00", "9480.00"}));

// The rules as the notes say them: months employed here, and the three conditions of 6万, which
// only a year from January may use.
TEST_F(CurWagePage, NotesOfTheBasicDeductionAndSixtyOnlyFromJanuary) {
    EXPECT_TRUE(Page.TxtModeNote->text().contains(QStringLiteral("任职受雇月份数")))
        << Page.TxtModeNote->text().toStdString();
    EXPECT_TRUE(Page.TxtModeNote->text().contains(QStringLiteral("每月5000元")));
    Click(Page.RBtnSixty);
    const QString sixty = Page.TxtModeNote->text();
    for (const char *condition :
         {"上一完整纳税年度各月均在本单位任职受雇，且由本单位预扣预缴", "含全年一次性奖金",
          "不超过60000元", "本年1月起仍在本单位任职受雇", "减除全年60000元", "2020年第19号"})
        EXPECT_TRUE(sixty.contains(QString::fromUtf8(condition)))
            << condition << " in " << sixty.toStdString();

    Page.SpnFirstMonth->setValue(2);
    EXPECT_FALSE(Page.RBtnSixty->isEnabled());
    EXPECT_TRUE(Page.RBtnPerMonth->isChecked());
    EXPECT_TRUE(Page.TxtMsgInput->text().contains(QStringLiteral("已改为按月")));
    Page.SpnFirstMonth->setValue(1);
    EXPECT_TRUE(Page.RBtnSixty->isEnabled());
    Click(Page.ChkNonResident);
    EXPECT_FALSE(Page.RBtnSixty->isEnabled());
}

TEST_F(CurWagePage, NonResidentMonthByMonth) {
    Click(Page.ChkNonResident);
    EXPECT_FALSE(Page.TxtInsurance->isEnabled());
    EXPECT_FALSE(Page.BtnDeductions->isEnabled());
    TypeAndEnter(Page.TxtIncome, QStringLiteral("20000"));
    EXPECT_EQ(Page.Model->columnCount(), 8);
    EXPECT_EQ(Cell(Page, 0, "应纳税所得额"), "15000.00");
    EXPECT_EQ(Cell(Page, 0, "税率"), "20%");
    EXPECT_EQ(TaxColumn(Page, QStringLiteral("本月应扣缴税额")).at(11), "1590.00");
    EXPECT_EQ(Page.TxtYearTax->text(), "19080.00");
}

// Every figure of the table shows whole, whatever its size and whichever columns the options
// show: the columns follow what they hold.
TEST_F(CurWagePage, TheColumnsWidenToTheirFigures) {
    const auto clipped = [this] {
        QStringList cut;
        const QFontMetrics metrics = Page.TblMonths->fontMetrics();
        for (int column = 0; column < Page.Model->columnCount(); ++column) {
            if (Page.TblMonths->isColumnHidden(column))
                continue;
            const int width = Page.TblMonths->columnWidth(column);
            for (int row = 0; row < Page.Model->rowCount(); ++row) {
                const QString text = Page.Model->index(row, column).data().toString();
                if (metrics.horizontalAdvance(text) >= width)
                    cut << text;
            }
        }
        return cut;
    };
    TypeAndEnter(Page.TxtIncome, QStringLiteral("9876543.21"));
    EXPECT_TRUE(WaitFor([&] { return clipped().isEmpty(); })) << clipped().join(u' ').toStdString();
    Click(Page.ChkCumulative);
    EXPECT_TRUE(WaitFor([&] { return clipped().isEmpty(); })) << clipped().join(u' ').toStdString();
    Click(Page.ChkNonResident);
    TypeAndEnter(Page.TxtIncome, QStringLiteral("98765432.10"));
    EXPECT_TRUE(WaitFor([&] { return clipped().isEmpty(); })) << clipped().join(u' ').toStdString();
}

TEST_F(CurWagePage, ResetEmptiesThePage) {
    EnterExample(Page);
    EditCell(Page, 0, QStringLiteral("其他扣除"), QStringLiteral("100"));
    Click(Page.ChkNonResident);
    Click(Page.BtnReset);
    for (QLineEdit *edit : {Page.TxtIncome, Page.TxtInsurance, Page.TxtSpecial, Page.TxtYearTax})
        EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
    EXPECT_FALSE(Page.ChkNonResident->isChecked());
    EXPECT_EQ(Page.Model->rowCount(), 12);
    EXPECT_EQ(Cell(Page, 0, "其他扣除"), "") << "the month's own amount went too";
    EXPECT_EQ(FocusName(), "TxtIncome");
}

class CurWageWithAYear : public ParamFolders {
  protected:
    QTemporaryDir Files;
};

// Without a year, the dialog opens a fresh one: a parent turning 60 in July of it gives July on
// its own deductions; what was typed stays.
TEST_F(CurWageWithAYear, DeductionsButtonTakesTheYearsDeductionsMonthByMonth) {
    TFrmCurWage page;
    ShowActive(&page);
    EnterExample(page);
    int year = 0;
    const ModalSeen seen =
        CloseNextModal([&] { Click(page.BtnDeductions); },
                       [&](QWidget *w) {
                           auto *d = qobject_cast<TFrmCurDeductions *>(w);
                           ASSERT_NE(d, nullptr);
                           year = d->Edited()->Year;
                           FactInput::ChooseEntry(d->Deductions->CmbElderly, 1);
                           FactInput::AddEntry(d->Deductions->TblParents,
                                               {{"", QStringLiteral("%1-07-01").arg(year - 60)}});
                           Click(d->BtnOK);
                       });
    EXPECT_EQ(seen.ClassName, "TFrmCurDeductions");
    ASSERT_TRUE(TOpenYear::Instance().IsOpen());
    const QString care =
        QString::fromStdString(current::FormatCents(current::RulesOf(year)->ElderlyOnlyChild));
    EXPECT_EQ(page.TxtSpecial->text(), "0.00");
    EXPECT_EQ(Cell(page, 5, "专项附加扣除"), "0.00");
    EXPECT_EQ(Cell(page, 6, "专项附加扣除"), care);
    EXPECT_TRUE(page.Model->HasOverride(12, TCurWageModel::TInput::Special));
    EXPECT_EQ(page.TxtIncome->text(), "20000");
    // Cancelled, the dialog leaves the amount alone.
    page.TxtSpecial->setText(QStringLiteral("3000"));
    CloseNextModal([&] { Click(page.BtnDeductions); });
    EXPECT_EQ(page.TxtSpecial->text(), "3000");
}

// The open year's first job fills the page as the year withholds it, and the page follows the
// year while its figures are the year's; a figure of the user's own stays.
TEST_F(CurWageWithAYear, StartsFromTheOpenYearsFirstJobAndFollowsIt) {
    FactInput::OpenYear(
        FactInput::WriteText(Files, QStringLiteral("a.json"), FactInput::ReadmeYear));
    TFrmCurWage page;
    ShowActive(&page);
    EXPECT_TRUE(page.BtnFromYear->isVisible());
    EXPECT_EQ(page.TxtIncome->text(), "20000.00");
    EXPECT_EQ(Cell(page, 6, "收入"), "25000.00") << "the raise in July";
    EXPECT_EQ(page.TxtYearTax->text(), "8400.00") << "as pendra-cli year withholds it";

    current::YearFacts year = TOpenYear::Instance().Facts();
    year.Jobs[0].Pay[1].Income = current::Yuan(30000);
    TOpenYear::Instance().Update(year);
    EXPECT_EQ(Cell(page, 6, "收入"), "30000.00");

    TypeAndEnter(page.TxtIncome, QStringLiteral("21000"));
    year.Jobs[0].Pay[0].Income = current::Yuan(22000);
    TOpenYear::Instance().Update(year);
    EXPECT_EQ(page.TxtIncome->text(), "21000");
    Click(page.BtnFromYear);
    EXPECT_EQ(page.TxtIncome->text(), "22000.00");
}

// 6万 from 2021 (国家税务总局公告2020年第19号), 自1月 from July 2020 (2020年第13号): while the page
// follows an open year before them, the way that year's law did not have is greyed with the
// reason; the user's own figures are withheld under the latest year's law, which has both.
TEST_F(CurWageWithAYear, GreysTheWaysTheOpenYearsLawDidNotHave) {
    FactInput::OpenYear(
        FactInput::WriteText(Files, QStringLiteral("a.json"), FactInput::ReadmeYear));
    TFrmCurWage page;
    ShowActive(&page);
    const QString sixty =
        QStringLiteral("“6万”自2021年1月1日起施行（国家税务总局公告2020年第19号），"
                       "%1年不能采用");
    const QString fromJanuary = QStringLiteral("“自1月”自2020年7月1日起施行（国家税务总局公告2020年"
                                               "第13号），%1年不能采用");
    struct Case {
        int Year;
        bool FromJanuary, Sixty;
    };
    for (const Case &c : {Case{2019, false, false}, Case{2020, true, false}, Case{2021, true, true},
                          Case{2019, false, false}}) {
        current::YearFacts year = TOpenYear::Instance().Facts();
        year.Year = c.Year;
        TOpenYear::Instance().Update(year);
        EXPECT_EQ(page.RBtnFromJanuary->isEnabled(), c.FromJanuary) << c.Year;
        EXPECT_EQ(page.RBtnSixty->isEnabled(), c.Sixty) << c.Year;
        EXPECT_EQ(page.RBtnFromJanuary->toolTip() == fromJanuary.arg(c.Year), !c.FromJanuary)
            << c.Year;
        EXPECT_EQ(page.RBtnSixty->toolTip() == sixty.arg(c.Year), !c.Sixty) << c.Year;
    }
    TypeAndEnter(page.TxtIncome, QStringLiteral("21000"));
    EXPECT_TRUE(page.RBtnFromJanuary->isEnabled());
    EXPECT_TRUE(page.RBtnSixty->isEnabled());
    Click(page.RBtnSixty);
    EXPECT_TRUE(page.RBtnSixty->isChecked());
}

// The table never shows figures its fields do not: a page left emptied (重置) while the year is
// open and built again after an edit of the year starts from the year, fields and table alike,
// and calculates.
TEST_F(CurWageWithAYear, TheTableIsWhatTheFieldsSay) {
    FactInput::OpenYear(
        FactInput::WriteText(Files, QStringLiteral("a.json"), FactInput::ReadmeYear));
    {
        TFrmCurWage page;
        ShowActive(&page);
        Click(page.BtnReset);
        EXPECT_EQ(page.TxtIncome->text(), "");
        EXPECT_EQ(Cell(page, 0, "收入"), "") << "nothing typed, nothing shown";
    }
    current::YearFacts year = TOpenYear::Instance().Facts();
    year.Jobs[0].Pay[0].Income = current::Yuan(18000);
    TOpenYear::Instance().Update(year);
    TFrmCurWage page;
    ShowActive(&page);
    EXPECT_EQ(page.TxtIncome->text(), "18000.00");
    EXPECT_EQ(Cell(page, 0, "收入"), "18000.00");
    EXPECT_EQ(Cell(page, 0, "专项附加扣除"), page.TxtSpecial->text());
    Click(page.BtnCalc);
    EXPECT_EQ(page.TxtMsgInput->text(), "");
    EXPECT_FALSE(page.TxtYearTax->text().isEmpty());
    // A field emptied by hand empties the months that follow it, and their results go.
    page.TxtIncome->clear();
    EXPECT_EQ(Cell(page, 0, "收入"), "");
    EXPECT_EQ(page.TxtYearTax->text(), "");
    Type(page.TxtIncome, QStringLiteral("9000"));
    EXPECT_EQ(Cell(page, 0, "收入"), "9000.00");
}

// The chooser names the employer, and choosing one shows that job's months at once.
TEST_F(CurWageWithAYear, ChoosingAnEmployerShowsItsMonths) {
    FactInput::OpenYear(
        FactInput::WriteText(Files, QStringLiteral("busy.json"), FactInput::BusyYear));
    TFrmCurWage page;
    ShowActive(&page);
    EXPECT_EQ(page.CmbYearJob->accessibleName(), "任职单位");
    EXPECT_EQ(page.TxtIncome->text(), "28000.00");
    FactInput::ChooseEntry(page.CmbYearJob, 1);
    EXPECT_EQ(page.SpnFirstMonth->value(), 7);
    EXPECT_EQ(page.TxtIncome->text(), "35000.00");
    EXPECT_EQ(Cell(page, 0, "月份"), "7月");
    EXPECT_EQ(Cell(page, 0, "收入"), "35000.00");
    EXPECT_EQ(page.TxtYearTax->text(), QString::fromStdString(current::FormatCents(
                                           TOpenYear::Instance().Result().Jobs[1].Withheld)));
}

// At the window's first size the month, its income, its tax and its net pay show for the whole
// year and the total without scrolling; the running totals are a click away.
TEST(CurWageMainWindow, KeyColumnsAndTheWholeYearFitTheFirstWindowSize) {
    TFrmMain main;
    ShowActive(&main);
    ASSERT_EQ(main.size(), QSize(927, 723));
    main.findChild<QAction *>(QStringLiteral("MCurWage"))->trigger();
    auto *page = qobject_cast<TFrmCurWage *>(main.CurrentPage());
    ASSERT_NE(page, nullptr);
    EnterExample(*page);
    QCoreApplication::processEvents();
    const QRect shown = page->TblMonths->viewport()->rect();
    ASSERT_EQ(page->Model->rowCount(), 13);
    for (const char *header : {"月份", "收入", "本月应预扣税额", "税后收入"}) {
        const int column = ColumnOf(*page, QString::fromUtf8(header));
        EXPECT_FALSE(page->TblMonths->isColumnHidden(column)) << header;
        for (int row = 0; row < 13; ++row) {
            const QRect cell = page->TblMonths->visualRect(page->Model->index(row, column));
            EXPECT_TRUE(shown.contains(cell)) << header << " row " << row;
        }
    }
    const int cumulative = ColumnOf(*page, QStringLiteral("累计应纳税额"));
    EXPECT_TRUE(page->TblMonths->isColumnHidden(cumulative));
    Click(page->ChkCumulative);
    EXPECT_FALSE(page->TblMonths->isColumnHidden(cumulative));
}

TEST(CurWageMainWindow, MenuEntryAndToolbarButtonShowThePage) {
    TFrmMain main;
    main.findChild<QAction *>(QStringLiteral("MCurWage"))->trigger();
    ASSERT_NE(main.CurrentPage(), nullptr);
    EXPECT_EQ(QString::fromLatin1(main.CurrentPage()->metaObject()->className()), "TFrmCurWage");
    EXPECT_TRUE(main.findChild<QAction *>(QStringLiteral("MCurWage"))->isChecked());
    main.findChild<QAction *>(QStringLiteral("MSalary"))->trigger();
    main.findChild<QToolButton *>(QStringLiteral("TBtnCurWage"))->click();
    EXPECT_EQ(QString::fromLatin1(main.CurrentPage()->metaObject()->className()), "TFrmCurWage");
}

} // namespace
