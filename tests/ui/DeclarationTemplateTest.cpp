// 填入申报模板... in the batch window: the dialog opened from the button over the sheet shown, the
// month and the template chosen as a clerk chooses them, the filled workbook read back by
// openpyxl and the report box's lists of columns filled and left blank.

#include "BatchRuns.h"
#include "pages/UBatchModel.h"
#include "pages/UDlgDeclaration.h"
#include "pages/UFrmBatch.h"
#include "support/UiTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

// The workbooks are made by openpyxl from Debian's python3-openpyxl, so by Debian's interpreter,
// with the script the command line's tests use.
QString Fixtures(const QStringList &Arguments) {
    QProcess process;
    process.start(QStringLiteral(PENDRA_PYTHON),
                  QStringList{QStringLiteral(PENDRA_TEMPLATE_FIXTURES)} + Arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(DeclarationTemplate, ButtonFillsTheMonthChosenAndReportsTheColumns) {
    QTemporaryDir dir;
    Fixtures({QStringLiteral("make"), dir.path()});
    TFrmBatch window;
    QStringList months;
    QString suggested;
    QStringList boxes;
    QPointer<QWidget> last;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == last)
            return;
        last = modal;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes << box->text();
            box->accept();
        } else if (auto *dialog = qobject_cast<TDlgDeclaration *>(modal)) {
            for (int i = 0; i < dialog->CmbMonth->count(); ++i)
                months << dialog->CmbMonth->itemText(i);
            dialog->CmbMonth->setCurrentIndex(1);
            dialog->TxtTemplate->setText(dir.filePath(QStringLiteral("template-bare.xlsx")));
            QMetaObject::invokeMethod(dialog->TxtTemplate, "editingFinished");
            suggested = dialog->TxtPath->text();
            QTimer::singleShot(0, dialog,
                               [dialog] { Click(dialog->Buttons->button(QDialogButtonBox::Ok)); });
        }
    });
    poll.start();
    // The sheet's faulty row is told in a box when it is opened, in the background.
    ASSERT_TRUE(BatchRuns::Opened(window, dir.filePath(QStringLiteral("sheet.xlsx"))));
    boxes.clear();
    Click(window.BtnDeclaration);
    poll.stop();

    EXPECT_EQ(months,
              QStringList({QStringLiteral("2月"), QStringLiteral("3月"), QStringLiteral("4月")}));
    EXPECT_EQ(suggested, dir.filePath(QStringLiteral("3月申报.xlsx")));
    ASSERT_EQ(boxes.size(), 1);
    for (const char *line : {"填入2名员工", "已填：“本期收入”，取自工资表的“收入”列",
                             "已填：“累计子女教育”", "未填入：E3 王五"})
        EXPECT_TRUE(boxes[0].contains(QString::fromUtf8(line))) << boxes[0].toStdString();
    const QString filled = Fixtures({QStringLiteral("dump"), suggested});
    for (const char *cell :
         {"A3='E1'", "D3='110101199001011234'", "E3=20000.0", "J3=1200.0", "N3='补发'", "A4='E2'"})
        EXPECT_TRUE(filled.contains(QString::fromUtf8(cell) + u'\n')) << cell;
    EXPECT_FALSE(filled.contains(QStringLiteral("A5=")));
}

} // namespace
