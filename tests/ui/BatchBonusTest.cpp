// The batch window with a sheet that pays annual bonuses: a bonus in a cliff is shaded in its note
// column and counted on the status line, a bonus outside one is not.

#include "BatchRuns.h"
#include "pages/UBatchModel.h"
#include "pages/UFrmBatch.h"
#include "support/UiTestSupport.h"

#include <QBrush>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

TEST(BatchBonus, ACliffIsShadedAndCountedOnTheStatusLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("奖金.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("工号,月份,收入,全年一次性奖金\nE1,1,20000,36000.00\nE2,1,20000,36000.01\n");
    file.close();
    TFrmBatch window;
    ShowActive(&window);
    ASSERT_TRUE(BatchRuns::Ran(window, [&] { ASSERT_TRUE(ClickAndChoose(window.BtnOpen, path)); }));
    ASSERT_TRUE(BatchRuns::Clicked(window, window.BtnCalc));
    TBatchModel *model = window.SheetModel();
    int note = -1;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() == QStringLiteral("奖金提示"))
            note = column;
    }
    ASSERT_GE(note, 0) << "no note column after calculating";
    EXPECT_FALSE(model->index(0, note).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(model->index(1, note).data().toString().contains(QStringLiteral("改发36000.00元")));
    const QVariant shade = model->index(1, note).data(Qt::BackgroundRole);
    ASSERT_TRUE(shade.canConvert<QBrush>());
    EXPECT_NE(shade.value<QBrush>().style(), Qt::NoBrush);
    EXPECT_TRUE(window.TxtCounts->text().contains(QStringLiteral("1笔奖金落在临界区间")))
        << window.TxtCounts->text().toStdString();
}

} // namespace
