// 工资条... in the batch window: the dialog opened from the button over the sheet shown, its
// month, form and file chosen as a clerk chooses them, and the payslips it writes read back.

#include "pages/UDlgPayslips.h"
#include "pages/UFrmBatch.h"
#include "support/UiTestSupport.h"
#include "ui/BatchRuns.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
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

// E1 in January and February (300.00 withheld each month: 20000 − 5000 − 2000 − 3000 = 10000 a
// month at 3 %), E2 in January only, E3's February at fault.
const QByteArray Sheet = "甲公司2026年工资表\n"
                         "工号,姓名,月份,收入,专项扣除,专项附加扣除\n"
                         "E1,张三,1,20000,2000,3000\n"
                         "E1,张三,2,20000,2000,3000\n"
                         "E2,李四,1,9000,900,0\n"
                         "E3,王五,2,abc,0,0\n";

// Runs Action, answering the payslip dialog with Fill and then pressing OK, and every message box
// by noting its text and closing it.
QStringList Drive(const std::function<void()> &Action,
                  const std::function<void(TDlgPayslips *)> &Fill) {
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
        } else if (auto *dialog = qobject_cast<TDlgPayslips *>(modal)) {
            Fill(dialog);
            // From the event loop, not from this timer's handler: the box that OK opens is
            // answered by the next time this handler runs.
            QTimer::singleShot(0, dialog,
                               [dialog] { Click(dialog->Buttons->button(QDialogButtonBox::Ok)); });
        }
    });
    poll.start();
    Action();
    poll.stop();
    return boxes;
}

TEST(PayslipsDialog, WritesTheMonthChosenFromTheBatchWindow) {
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("工资表.csv"));
    QFile file(sheet);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Sheet) == Sheet.size());
    file.close();
    TFrmBatch window;
    ASSERT_TRUE(BatchRuns::Opened(window, sheet));
    const QString out = dir.filePath(QStringLiteral("二月.pdf"));
    QStringList months;
    QString employer;
    const QStringList boxes = Drive([&] { Click(window.BtnPayslips); },
                                    [&](TDlgPayslips *Dialog) {
                                        for (int i = 0; i < Dialog->CmbMonth->count(); ++i)
                                            months << Dialog->CmbMonth->itemText(i);
                                        employer = Dialog->TxtEmployer->text();
                                        Dialog->CmbMonth->setCurrentIndex(1);
                                        Dialog->CmbForm->setCurrentIndex(0);
                                        Dialog->TxtEmployer->setText(QStringLiteral("甲公司"));
                                        Dialog->TxtPath->setText(out);
                                    });
    EXPECT_EQ(months, QStringList({QStringLiteral("1月"), QStringLiteral("2月")}));
    EXPECT_EQ(employer, QStringLiteral("甲公司2026年工资表"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("已写出1张工资条"))) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("E3 王五"))) << boxes[0].toStdString();

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), out, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString slips = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(slips.contains(QStringLiteral("甲公司 2月 工资条"))) << slips.toStdString();
    EXPECT_TRUE(slips.contains(QStringLiteral("张三"))) << slips.toStdString();
    EXPECT_FALSE(slips.contains(QStringLiteral("李四")))
        << slips.toStdString(); // not paid in February
    // 20000 − 2000 − 300 = 17700; 600.00 withheld in the two months.
    for (const char *figure : {"20000.00", "2000.00", "300.00", "17700.00", "40000.00", "600.00"})
        EXPECT_TRUE(slips.contains(QString::fromUtf8(figure))) << figure;
}

} // namespace
