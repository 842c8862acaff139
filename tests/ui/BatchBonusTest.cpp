// The batch window with a sheet that pays annual bonuses: a bonus in a cliff is shaded in its note
// column and counted on the status line, a bonus outside one is not, and the button beside the
// count goes from one such cell to the next; the amounts kept as typed sort as amounts.

#include "BatchRuns.h"
#include "pages/UBatchModel.h"
#include "pages/UFrmBatch.h"
#include "support/UiTestSupport.h"
#include "translations/Language.h"

#include <QBrush>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

// Csv written to a file and opened through the 打开 button.
void Open(TFrmBatch &Window, const QTemporaryDir &Dir, const char *Csv) {
    const QString path = Dir.filePath(QStringLiteral("奖金.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Csv);
    file.close();
    ShowActive(&Window);
    ASSERT_TRUE(BatchRuns::Ran(Window, [&] { ASSERT_TRUE(ClickAndChoose(Window.BtnOpen, path)); }));
}

int ColumnTitled(const TBatchModel &Model, const QString &Title) {
    for (int column = 0; column < Model.columnCount(); ++column) {
        if (Model.headerData(column, Qt::Horizontal).toString() == Title)
            return column;
    }
    return -1;
}

TEST(BatchBonus, ACliffIsShadedAndCountedOnTheStatusLine) {
    QTemporaryDir dir;
    TFrmBatch window;
    Open(window, dir, "工号,月份,收入,全年一次性奖金\nE1,1,20000,36000.00\nE2,1,20000,36000.01\n");
    ASSERT_TRUE(BatchRuns::Clicked(window, window.BtnCalc));
    TBatchModel *model = window.SheetModel();
    const int note = ColumnTitled(*model, QStringLiteral("奖金提示"));
    ASSERT_GE(note, 0) << "no note column after calculating";
    EXPECT_FALSE(model->index(0, note).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(model->index(1, note).data().toString().contains(QStringLiteral("改发36000.00元")));
    const QVariant shade = model->index(1, note).data(Qt::BackgroundRole);
    ASSERT_TRUE(shade.canConvert<QBrush>());
    EXPECT_NE(shade.value<QBrush>().style(), Qt::NoBrush);
    EXPECT_TRUE(window.TxtCounts->text().contains(QStringLiteral("1笔奖金落在临界区间")))
        << window.TxtCounts->text().toStdString();
}

// Each column holds E1's amount longest and smallest as text, E3's shortest and smallest as a
// number: ordered as text the rows would come E1, E2, E3.
TEST(BatchBonus, AmountsKeptAsTypedSortByTheirCents) {
    QTemporaryDir dir;
    TFrmBatch window;
    Open(window, dir,
         "工号,月份,收入,养老保险,全年一次性奖金,子女教育\nE1,1,20000,1000,100000,1000\n"
         "E2,1,20000,360,36000,400\nE3,1,20000,90.5,9000.5,50\n");
    TBatchModel *model = window.SheetModel();
    QHeaderView *header = window.GridSheet->horizontalHeader();
    for (const QString &title : {QStringLiteral("养老保险"), QStringLiteral("全年一次性奖金"),
                                 QStringLiteral("子女教育")}) {
        const int column = ColumnTitled(*model, title);
        ASSERT_GE(column, 0) << title.toStdString();
        for (int click = 0; click < 2; ++click) {
            window.GridSheet->scrollTo(model->index(0, column));
            ASSERT_TRUE(BatchRuns::Ran(window, [&] {
                QTest::mouseClick(
                    header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
            }));
            ASSERT_EQ(header->sortIndicatorSection(), column) << title.toStdString();
            const bool up = header->sortIndicatorOrder() == Qt::AscendingOrder;
            QStringList ids;
            for (int row = 0; row < model->rowCount(); ++row)
                ids << model->index(row, 0).data().toString();
            EXPECT_EQ(ids.join(u' ').toStdString(), up ? "E3 E2 E1" : "E1 E2 E3")
                << title.toStdString() << " click " << click;
        }
    }
}

// The note column is the table's last: each click selects the next shaded cell and scrolls to it,
// from the top again past the last.
TEST(BatchBonus, TheButtonBesideTheCountSelectsEachCliffInTurn) {
    QTemporaryDir dir;
    TFrmBatch window;
    window.resize(1366, 768);
    Open(window, dir,
         "工号,月份,收入,全年一次性奖金\nE1,1,20000,36000.01\nE2,1,20000,36000.00\n"
         "E3,1,20000,150000\n");
    EXPECT_FALSE(window.BtnCliffs->isVisible()) << "shown before anything was calculated";
    ASSERT_TRUE(BatchRuns::Clicked(window, window.BtnCalc));
    ASSERT_TRUE(window.BtnCliffs->isVisible());
    TBatchModel *model = window.SheetModel();
    QTableView *grid = window.GridSheet;
    // Where the results leave the view: the note column out of sight.
    grid->scrollTo(model->index(0, 0));
    for (const char *id : {"E1", "E3", "E1"}) {
        Click(window.BtnCliffs);
        const QModelIndex cell = grid->currentIndex();
        ASSERT_TRUE(cell.isValid());
        EXPECT_EQ(model->index(cell.row(), 0).data().toString().toStdString(), id);
        EXPECT_EQ(model->headerData(cell.column(), Qt::Horizontal).toString(),
                  QStringLiteral("奖金提示"));
        EXPECT_NE(cell.data(Qt::BackgroundRole).value<QBrush>().style(), Qt::NoBrush) << id;
        EXPECT_TRUE(grid->selectionModel()->isSelected(cell)) << id;
        // A note longer than its cell is read from its start.
        EXPECT_TRUE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft) << id;
        EXPECT_TRUE(grid->viewport()->rect().intersects(grid->visualRect(cell))) << id;
    }
}

// An English note is longer than the room beside the frozen 工号 and 姓名: its column is cut to
// that room, so that its start shows when the table is scrolled to it, and its cells carry the
// whole note.
TEST(BatchBonus, ALongNoteStartsInViewAndIsWholeInItsTooltip) {
    ASSERT_TRUE(Translations::Apply(Translations::Language::English, Translations::Scope::Qt));
    struct Chinese {
        ~Chinese() {
            Translations::Apply(Translations::Language::Chinese, Translations::Scope::Qt);
        }
    } back;
    QTemporaryDir dir;
    TFrmBatch window;
    window.resize(1000, 700);
    Open(window, dir, "工号,姓名,月份,收入,全年一次性奖金\nE1,张三,1,20000,36000.01\n");
    ASSERT_TRUE(BatchRuns::Clicked(window, window.BtnCalc));
    TBatchModel *model = window.SheetModel();
    QTableView *grid = window.GridSheet;
    const int note = model->columnCount() - 1;
    const QModelIndex cell = model->index(0, note);
    const QString text = cell.data().toString();
    // The table two thirds as wide as the note, whatever the fonts make of it, and calculated
    // again.
    const int advance = grid->fontMetrics().horizontalAdvance(text);
    window.resize(std::max(window.minimumSizeHint().width(),
                           window.width() - grid->viewport()->width() + advance * 2 / 3),
                  700);
    ASSERT_TRUE(BatchRuns::Clicked(window, window.BtnCalc));
    ASSERT_GT(grid->fontMetrics().horizontalAdvance(text), grid->viewport()->width())
        << "too short";
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), text);
    grid->scrollTo(cell);
    const int frozen = grid->columnWidth(0) + grid->columnWidth(1);
    EXPECT_GE(grid->visualRect(cell).left(), frozen - 1) << "the note starts under 工号 and 姓名";
}

} // namespace
