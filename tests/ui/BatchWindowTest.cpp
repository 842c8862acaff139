// The batch window driven as a user drives it: files written in temporary folders, opened,
// calculated, filtered, sorted and saved through the buttons and the file dialogs, rejected rows
// found by a double-click, broken files refused, and a long run cancelled half way.

#include "app/UFrmMain.h"
#include "pages/UBatchModel.h"
#include "pages/UFrmBatch.h"
#include "sheets/PayrollIo.h"
#include "sheets/Withholding.h"
#include "support/FifoValve.h"
#include "support/ReadOnlyFolder.h"
#include "support/UiTestSupport.h"
#include "ui/BatchRuns.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <atomic>
#include <sys/stat.h>

using namespace UiTest;

namespace {

const QByteArray Header = "工号,姓名,月份,收入,免税收入,专项扣除,专项附加扣除,其他扣除,减除方式\n";

// 20000 a month with 2000 of social insurance and 3000 of special deductions: 10000 taxable a
// month, 300.00 withheld in January to March, 580.00 in April, 1000.00 after.
QByteArray Months(const QByteArray &Id, const QByteArray &Name, int Count) {
    QByteArray rows;
    for (int month = 1; month <= Count; ++month)
        rows += Id + "," + Name + "," + QByteArray::number(month) + ",20000,0,2000,3000,0,\n";
    return rows;
}

// Two employees, the whole year and the first quarter, and a third with a wrong amount on the
// last line (18), who is left out.
QByteArray SmallSheet() {
    return Header + Months("E001", "张三", 12) + Months("E002", "李四", 3) +
           "E003,王五,1,8000,0,800,0,0,\n" + "E003,王五,2,abc,0,800,0,0,\n";
}
constexpr int BadLine = 18;

QString WriteFile(const QTemporaryDir &Dir, const QString &Name, const QByteArray &Bytes) {
    const QString path = Dir.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
    return path;
}

QByteArray ReadBytes(const QString &Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs Action, answering every modal window that opens meanwhile, one after the other, with
// Answer.
void AnswerEach(const std::function<void()> &Action, const std::function<void(QWidget *)> &Answer) {
    QPointer<QWidget> last;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == last)
            return;
        last = modal;
        Answer(modal);
    });
    poll.start();
    Action();
    poll.stop();
}

// The text of the message box Action shows, closed with its button; empty when none shows.
QString MessageOf(const std::function<void()> &Action) {
    QString text;
    AnswerModal<QMessageBox>(Action, [&text](QMessageBox *box) {
        text = box->text();
        box->accept();
    });
    return text;
}

// Runs Action, whose file dialog is answered with Path.
bool ChooseIn(const std::function<void()> &Action, const QString &Path) {
    return AnswerModal<QFileDialog>(Action, [&Path](QFileDialog *dialog) {
        dialog->selectFile(Path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

// Typed key by key, as an input method hands over characters that no key stands for.
void TypeText(QLineEdit *Edit, const QString &Text) {
    Edit->setFocus();
    for (const QChar c : Text)
        QTest::sendKeyEvent(QTest::Click, Edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString Shown(const QLabel *Label) {
    return Label->text();
}

QString Cents(int Yuan) {
    return QString::number(Yuan) + ".00";
}

class BatchWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        ShowActive(&Window);
    }
    // The sheet as it shows it: the cell under a column title, for each row of the table.
    QString CellAt(int Row, const QString &Title) {
        TBatchModel *model = Window.SheetModel();
        for (int column = 0; column < model->columnCount(); ++column)
            if (model->headerData(column, Qt::Horizontal).toString() == Title)
                return model->index(Row, column).data().toString();
        ADD_FAILURE() << "no column " << Title.toStdString();
        return {};
    }
    int LineAt(int Row) { return Window.SheetModel()->headerData(Row, Qt::Vertical).toInt(); }
    // The lines of the selected rows of the table.
    QList<int> SelectedLines() {
        QList<int> lines;
        for (const QModelIndex &index : Window.GridSheet->selectionModel()->selectedRows())
            lines << LineAt(index.row());
        return lines;
    }
    void OpenSmallSheet() {
        const QString path = WriteFile(Dir, "工资.csv", SmallSheet());
        ASSERT_TRUE(
            BatchRuns::Ran(Window, [&] { ASSERT_TRUE(ClickAndChoose(Window.BtnOpen, path)); }));
        ASSERT_EQ(Window.SheetModel()->rowCount(), 17);
    }
    QTemporaryDir Dir;
    TFrmBatch Window;
};

TEST_F(BatchWindow, OpenedSheetShowsTheInputColumnsAndTheRejectedRow) {
    OpenSmallSheet();
    EXPECT_TRUE(Window.windowTitle().contains("工资.csv"));
    EXPECT_EQ(Window.SheetModel()->columnCount(), 9);
    EXPECT_EQ(CellAt(0, "工号"), "E001");
    EXPECT_EQ(CellAt(0, "收入"), "20000.00");
    EXPECT_EQ(CellAt(16, "收入"), "abc");
    EXPECT_EQ(LineAt(16), BadLine);

    ASSERT_EQ(Window.ErrorModel()->rowCount(), 1);
    const auto error = [this](int Column) {
        return Window.ErrorModel()->index(0, Column).data().toString();
    };
    EXPECT_EQ(error(0), QString::number(BadLine));
    EXPECT_EQ(error(1), "收入");
    EXPECT_TRUE(error(2).contains("abc")) << error(2).toStdString();
    EXPECT_TRUE(Shown(Window.TxtCounts).contains("员工2人，15行"));
    EXPECT_EQ(Shown(Window.TxtYearTax), "—");
}

TEST_F(BatchWindow, CalculateAddsTheResultsAndTheMonthlyTotals) {
    OpenSmallSheet();
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    ASSERT_EQ(Window.SheetModel()->columnCount(), 9 + int(sheets::ResultColumnCount));
    // E001 in April and in May.
    EXPECT_EQ(CellAt(3, "本月应预扣税额"), "580.00");
    EXPECT_EQ(CellAt(4, "本月应预扣税额"), "1000.00");
    EXPECT_EQ(CellAt(3, "预扣率"), "10%");
    EXPECT_EQ(CellAt(16, "本月应预扣税额"), "") << "the rejected employee is not computed";

    // Both employees in the first quarter, E001 alone after.
    for (int month : {1, 2, 3})
        EXPECT_EQ(Shown(Window.TxtMonthTax[month - 1]), Cents(2 * 300)) << month;
    EXPECT_EQ(Shown(Window.TxtMonthTax[3]), Cents(580));
    for (int month = 5; month <= 12; ++month)
        EXPECT_EQ(Shown(Window.TxtMonthTax[month - 1]), Cents(1000)) << month;
    EXPECT_EQ(Shown(Window.TxtYearTax), Cents(3 * 300 + 580 + 8 * 1000 + 3 * 300));
    EXPECT_TRUE(Shown(Window.TxtCounts).contains("员工2人，15行"));
    EXPECT_TRUE(Shown(Window.TxtCounts).contains("1人、2行"));
}

TEST_F(BatchWindow, DoubleClickOnARejectedRowSelectsItEvenWhenFilteredOut) {
    OpenSmallSheet();
    Type(Window.TxtFilter, "e002");
    ASSERT_TRUE(WaitFor([this] { return Window.SheetModel()->rowCount() == 3; }));

    QTableView *errors = Window.GridErrors;
    const QRect cell = errors->visualRect(Window.ErrorModel()->index(0, 2));
    // What a double click delivers: a click, then the double click.
    QTest::mouseClick(errors->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(errors->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(Window.TxtFilter->text().isEmpty());
    EXPECT_EQ(Window.SheetModel()->rowCount(), 17);
    EXPECT_EQ(SelectedLines(), QList<int>{BadLine});
}

TEST_F(BatchWindow, FilterByIdOrNameAndSortByAColumn) {
    OpenSmallSheet();
    // The filter follows what is typed once typing pauses.
    TypeText(Window.TxtFilter, "李四");
    ASSERT_TRUE(WaitFor([this] { return Window.SheetModel()->Filter() == "李四"; }));
    EXPECT_EQ(Window.SheetModel()->rowCount(), 3);
    EXPECT_EQ(CellAt(0, "工号"), "E002");
    Window.TxtFilter->clear();
    Type(Window.TxtFilter, "E00");
    ASSERT_TRUE(WaitFor([this] { return Window.SheetModel()->Filter() == "E00"; }));
    EXPECT_EQ(Window.SheetModel()->rowCount(), 17);
    Window.TxtFilter->clear();
    ASSERT_TRUE(WaitFor([this] { return Window.SheetModel()->Filter().isEmpty(); }));

    // A click on the header of 月份 sorts by it, a second click the other way round.
    QHeaderView *header = Window.GridSheet->horizontalHeader();
    const int monthColumn = 2;
    const QPoint on(header->sectionViewportPosition(monthColumn) + 5, header->height() / 2);
    for (int click = 0; click < 2; ++click) {
        ASSERT_TRUE(BatchRuns::Ran(
            Window, [&] { QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, on); }));
        ASSERT_EQ(header->sortIndicatorSection(), monthColumn);
        const bool up = header->sortIndicatorOrder() == Qt::AscendingOrder;
        QList<int> months;
        for (int row = 0; row < Window.SheetModel()->rowCount(); ++row)
            months << CellAt(row, "月份").toInt();
        QList<int> sorted = months;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [up](int a, int b) { return up ? a < b : b < a; });
        EXPECT_EQ(months, sorted) << "click " << click;
        EXPECT_EQ(months.front(), up ? 1 : 12) << "click " << click;
    }
}

TEST_F(BatchWindow, SortingByAResultKeepsTheRowsLeftOutLast) {
    OpenSmallSheet();
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    QHeaderView *header = Window.GridSheet->horizontalHeader();
    const int taxColumn = 9 + int(sheets::ResultColumn::Tax);
    for (int click = 0; click < 2; ++click) {
        Window.GridSheet->scrollTo(Window.SheetModel()->index(0, taxColumn));
        ASSERT_TRUE(BatchRuns::Ran(Window, [&] {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(taxColumn) + 5, header->height() / 2));
        }));
        ASSERT_EQ(header->sortIndicatorSection(), taxColumn);
        const bool up = header->sortIndicatorOrder() == Qt::AscendingOrder;
        QList<double> taxes;
        for (int row = 0; row < 15; ++row)
            taxes << CellAt(row, "本月应预扣税额").toDouble();
        EXPECT_TRUE(up ? std::is_sorted(taxes.begin(), taxes.end())
                       : std::is_sorted(taxes.rbegin(), taxes.rend()))
            << "click " << click;
        EXPECT_EQ((QList<int>{LineAt(15), LineAt(16)}), (QList<int>{BadLine - 1, BadLine}));
    }
}

// Saved, the results read back as the window shows them, and the rows left out are saved beside
// them: a box and the status line say how many and where.
TEST_F(BatchWindow, SavedAsCsvAndAsExcelReadsBackWithTheResults) {
    OpenSmallSheet();
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    const std::pair<const char *, QString> outputs[] = {
        {"out.csv", QStringLiteral("已写在文件“%1”中").arg(Dir.filePath("out-未计算.csv"))},
        {"out.xlsx", QStringLiteral("已写在工作表“未计算”中")}};
    for (const auto &[name, where] : outputs) {
        SCOPED_TRACE(name);
        const QString path = Dir.filePath(QString::fromLatin1(name));
        const QString told = MessageOf([&] {
            ASSERT_TRUE(
                BatchRuns::Ran(Window, [&] { ASSERT_TRUE(ClickAndChoose(Window.BtnSave, path)); }));
        });
        EXPECT_TRUE(told.contains(QStringLiteral("另有2行（1名员工）因错误未计算，") + where))
            << told.toStdString();
        EXPECT_EQ(Shown(Window.TxtStatus), told);
        const sheets::ReadOutcome back = sheets::ReadPayroll(path);
        ASSERT_EQ(back.Result, sheets::Status::Done) << back.Error.toStdString();
        const sheets::PayrollSheet &sheet = back.Sheet;
        // The accepted employees' rows, and after them the rows left out beside them.
        ASSERT_EQ(sheet.RowCount(), 17u);
        ASSERT_EQ(sheet.AcceptedRowCount(), 15u);
        // Read again, the results are left out, to be made anew.
        EXPECT_EQ(sheet.WrittenColumnsLeftOut(), sheets::ResultColumnCount);
        // Row by row as the window shows them (the same rows in the same order).
        for (std::size_t row = 0; row < sheet.AcceptedRowCount(); ++row) {
            const int shown = static_cast<int>(row);
            EXPECT_EQ(sheet.Cell(row, 0), CellAt(shown, "工号"));
            EXPECT_EQ(sheet.Cell(row, 2), CellAt(shown, "月份"));
        }
    }
    // The results as written are the ones shown.
    const QStringList lines = QString::fromUtf8(ReadBytes(Dir.filePath("out.csv"))).split("\r\n");
    const qsizetype tax = lines.value(0).split(',').indexOf("本月应预扣税额");
    ASSERT_GT(tax, 0);
    for (int row = 0; row < 15; ++row)
        EXPECT_EQ(lines.value(row + 1).split(',').value(tax), CellAt(row, "本月应预扣税额")) << row;
    // E003's two rows, the second at fault, the first left out with it.
    const QStringList rejected =
        QString::fromUtf8(ReadBytes(Dir.filePath("out-未计算.csv"))).split("\r\n");
    ASSERT_GE(rejected.size(), 3);
    EXPECT_TRUE(rejected[1].startsWith(QStringLiteral("17,,工号“E003”第18行有误")))
        << rejected[1].toStdString();
    EXPECT_TRUE(rejected[2].startsWith(QStringLiteral("18,收入,“abc”不是数字,E003,王五,2,abc,")))
        << rejected[2].toStdString();
}

TEST_F(BatchWindow, TemplateIsASheetToStartFrom) {
    for (const char *name : {"模板.csv", "模板.xlsx"}) {
        SCOPED_TRACE(name);
        const QString path = Dir.filePath(QString::fromUtf8(name));
        ASSERT_TRUE(ClickAndChoose(Window.BtnTemplate, path));
        const sheets::ReadOutcome back = sheets::ReadPayroll(path);
        ASSERT_EQ(back.Result, sheets::Status::Done) << back.Error.toStdString();
        EXPECT_GE(back.Sheet.ColumnOf(sheets::Field::Income), 0);
        EXPECT_EQ(back.Sheet.EmployeeCount(), 1u);
        EXPECT_TRUE(back.Sheet.Errors().empty());
        ASSERT_TRUE(BatchRuns::Opened(Window, path));
        ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
        EXPECT_NE(Shown(Window.TxtYearTax), "—");
    }
}

struct BrokenCase {
    const char *Name;
    QByteArray Bytes; // none: the file does not exist
};

TEST_F(BatchWindow, ABrokenFileIsNamedAndTheSheetShownStays) {
    OpenSmallSheet();
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    const QString title = Window.windowTitle();
    const QString yearTax = Shown(Window.TxtYearTax);
    QByteArray truncated;
    {
        // A workbook written by the program, cut off in the middle of its entries.
        const QString whole = Dir.filePath("whole.xlsx");
        EXPECT_FALSE(MessageOf([&] { ASSERT_TRUE(BatchRuns::Saved(Window, whole)); }).isEmpty());
        truncated = ReadBytes(whole);
        truncated.truncate(truncated.size() / 2);
    }
    const BrokenCase cases[] = {
        {"missing.csv", {}},
        {"no-income.csv", "工号,姓名,月份\nE1,甲,1\n"},
        {"not-a-zip.xlsx", "工号,月份,收入\n"},
        {"truncated.xlsx", truncated},
    };
    for (const BrokenCase &c : cases) {
        SCOPED_TRACE(c.Name);
        const QString name = QString::fromLatin1(c.Name);
        const QString path = c.Bytes.isNull() ? Dir.filePath(name) : WriteFile(Dir, name, c.Bytes);
        bool opened = true;
        const QString message = MessageOf([&] { opened = BatchRuns::Opened(Window, path); });
        EXPECT_FALSE(opened);
        EXPECT_TRUE(message.contains(name)) << message.toStdString();
        EXPECT_EQ(Window.windowTitle(), title);
        EXPECT_EQ(Window.SheetModel()->rowCount(), 17);
        EXPECT_EQ(Shown(Window.TxtYearTax), yearTax);
    }
}

TEST_F(BatchWindow, AFailedSaveSaysSoAndLeavesTheOldFile) {
    OpenSmallSheet();
    const QString folder = Dir.filePath("locked");
    ASSERT_TRUE(QDir(Dir.path()).mkdir("locked"));
    const QString old = WriteFile(Dir, "locked/old.csv", "old contents\n");
    const ReadOnlyFolder locked(folder);
    if (!locked.Active())
        GTEST_SKIP() << "the folder cannot be made unwritable here";
    bool saved = true;
    const QString message = MessageOf([&] { saved = BatchRuns::Saved(Window, old); });
    EXPECT_FALSE(saved);
    EXPECT_TRUE(message.contains("保存失败")) << message.toStdString();
    EXPECT_EQ(ReadBytes(old), "old contents\n");
}

// Enough employees that the calculation and the reading report several times.
QByteArray ManyEmployees(int Count) {
    QByteArray bytes = Header;
    for (int i = 0; i < Count; ++i)
        bytes += "E" + QByteArray::number(i) + ",某某,1,10000.00,0,1000,0,0,\n";
    return bytes;
}

TEST_F(BatchWindow, CancelledRunsShowNothingHalfDone) {
    OpenSmallSheet();
    const QString big = WriteFile(Dir, "big.csv", ManyEmployees(40000));
    int reports = 0;
    QObject::connect(&Window, &TFrmBatch::Progressed, &Window, [&](qint64 Done, qint64 Total) {
        ++reports;
        ASSERT_NE(Window.RunProgress(), nullptr);
        if (Done > 0 && Done < Total)
            Window.RunProgress()->cancel();
    });
    // Opening: the small sheet stays.
    EXPECT_FALSE(BatchRuns::Opened(Window, big));
    EXPECT_GT(reports, 0);
    EXPECT_EQ(Window.SheetModel()->rowCount(), 17);
    EXPECT_EQ(Shown(Window.TxtStatus),
              QStringLiteral("已取消打开%1，仍显示原来的工资表。").arg(big));
    EXPECT_TRUE(Window.BtnOpen->isEnabled());

    // Calculating: no results, no totals.
    QObject::disconnect(&Window, &TFrmBatch::Progressed, nullptr, nullptr);
    ASSERT_TRUE(BatchRuns::Opened(Window, big));
    ASSERT_EQ(Window.SheetModel()->rowCount(), 40000);
    reports = 0;
    QObject::connect(&Window, &TFrmBatch::Progressed, &Window, [&](qint64 Done, qint64 Total) {
        ++reports;
        if (Done > 0 && Done < Total)
            Window.RunProgress()->cancel();
    });
    EXPECT_FALSE(BatchRuns::Clicked(Window, Window.BtnCalc));
    EXPECT_GT(reports, 0);
    EXPECT_EQ(Shown(Window.TxtStatus), "已取消计算。");
    EXPECT_EQ(Window.SheetModel()->columnCount(), 9);
    EXPECT_EQ(Shown(Window.TxtYearTax), "—");
    EXPECT_TRUE(Window.BtnCalc->isEnabled());
}

// Saving cancelled half way leaves nothing behind: no file, no temporary file beside it.
TEST_F(BatchWindow, ACancelledSaveWritesNothing) {
    const QString big = WriteFile(Dir, "big.csv", ManyEmployees(40000));
    ASSERT_TRUE(BatchRuns::Opened(Window, big));
    ASSERT_TRUE(BatchRuns::Calculated(Window));
    int reports = 0;
    QObject::connect(&Window, &TFrmBatch::Progressed, &Window, [&](qint64 Done, qint64 Total) {
        ++reports;
        if (Done > 0 && Done < Total)
            Window.RunProgress()->cancel();
    });
    const QString out = Dir.filePath("out.csv");
    EXPECT_TRUE(MessageOf([&] { EXPECT_FALSE(BatchRuns::Saved(Window, out)); }).isEmpty());
    EXPECT_GT(reports, 0);
    EXPECT_EQ(Shown(Window.TxtStatus), "已取消保存，原有文件未被改动。");
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"big.csv"});
}

// A run leaves the window to the event loop: the call that begins it returns at once, the window
// refuses a second run meanwhile, and the sheet shows once the read has ended.
TEST_F(BatchWindow, ARunEndsInTheBackground) {
    QSemaphore held;
    Window.SetReaderForTesting([&held](const QString &Path, const sheets::Progress &Hooks) {
        held.acquire();
        return sheets::ReadPayroll(Path, Hooks);
    });
    // Tied to the window, so that the read cannot outlive the test should the run hang.
    QTimer::singleShot(30000, &Window, [&held] { held.release(); });
    QSignalSpy finished(&Window, &TFrmBatch::Finished);
    const QString path = WriteFile(Dir, "工资.csv", SmallSheet());
    ASSERT_TRUE(Window.OpenFile(path));
    EXPECT_TRUE(Window.Busy());
    EXPECT_FALSE(Window.BtnOpen->isEnabled());
    EXPECT_FALSE(Window.OpenFile(path));
    EXPECT_FALSE(Window.Calculate());
    // The event loop goes on while the read is held.
    bool turned = false;
    QTimer::singleShot(0, &Window, [&turned] { turned = true; });
    EXPECT_TRUE(WaitFor([&] { return turned; }));
    EXPECT_TRUE(finished.isEmpty());
    held.release();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(finished.first().at(0).toBool());
    EXPECT_FALSE(Window.Busy());
    EXPECT_TRUE(Window.BtnOpen->isEnabled());
    EXPECT_EQ(Window.SheetModel()->rowCount(), 17);
}

// A read held up in the system (a network folder gone) ignores the cancel: the window is given
// back all the same, and can be closed. Should the window wait for good, the read is let go
// after a while, so that the test fails rather than hangs.
TEST_F(BatchWindow, CancellingAReadThatNeverReturnsGivesTheWindowBack) {
    OpenSmallSheet();
    QSemaphore held;
    std::atomic<bool> returned{false};
    Window.SetReaderForTesting([&](const QString &, const sheets::Progress &) {
        held.acquire();
        returned = true;
        return sheets::ReadOutcome{sheets::Status::Failed, QStringLiteral("late"), {}};
    });
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [this] {
        if (Window.RunProgress() != nullptr && Window.RunProgress()->isVisible())
            Click(Window.RunProgress()->findChild<QPushButton *>());
    });
    cancel.start(20);
    // Tied to the window, so that it does not fire on the semaphore once the test has gone.
    QTimer::singleShot(15000, &Window, [&held] { held.release(); });
    bool opened = true;
    const QString message =
        MessageOf([&] { opened = BatchRuns::Opened(Window, Dir.filePath("x.csv")); });
    EXPECT_FALSE(opened);
    EXPECT_TRUE(message.isEmpty()) << message.toStdString();
    EXPECT_FALSE(returned) << "the window waited for the read";
    EXPECT_TRUE(Window.BtnOpen->isEnabled());
    EXPECT_EQ(Window.SheetModel()->rowCount(), 17);
    EXPECT_TRUE(Window.close());
    held.release();
    EXPECT_TRUE(WaitFor([&] { return returned.load(); }));
}

// What is no regular file is refused before it is opened, and what passes a limit is refused
// with it: the sheet shown stays.
TEST_F(BatchWindow, FifosAndSheetsBeyondALimitAreRefused) {
    OpenSmallSheet();
    const QString fifo = Dir.filePath("pipe.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const FifoValve valve(fifo);
    QByteArray wide = "工号,月份,收入";
    for (int i = 3; i < 300; ++i)
        wide += ",T" + QByteArray::number(i);
    const std::pair<QString, const char *> cases[] = {
        {fifo, "不是普通文件"},
        {WriteFile(Dir, "wide.csv", wide + "\n"), "超出了本程序能读的256列"},
    };
    for (const auto &[path, cause] : cases) {
        bool opened = true;
        const QString message = MessageOf([&] { opened = BatchRuns::Opened(Window, path); });
        EXPECT_FALSE(opened);
        EXPECT_TRUE(message.contains(QString::fromUtf8(cause))) << message.toStdString();
        EXPECT_EQ(Window.SheetModel()->rowCount(), 17);
        EXPECT_TRUE(Window.BtnOpen->isEnabled());
    }
}

TEST_F(BatchWindow, SavingOverTheOpenSheetIsRefused) {
    OpenSmallSheet();
    const QString path = Dir.filePath("工资.csv");
    bool saved = true;
    const QString message = MessageOf([&] { saved = BatchRuns::Saved(Window, path); });
    EXPECT_FALSE(saved);
    EXPECT_TRUE(message.contains(QStringLiteral("就是读入的工资表"))) << message.toStdString();
    EXPECT_EQ(ReadBytes(path), SmallSheet());
}

// Totals of the largest amounts scroll; the window keeps its size.
TEST_F(BatchWindow, LargeTotalsDoNotWidenTheWindow) {
    const QString path = WriteFile(
        Dir, "max.csv", Header + Months("E1", "甲", 12).replace("20000", "9999999999999.99"));
    ASSERT_TRUE(BatchRuns::Opened(Window, path));
    QApplication::processEvents();
    const int width = Window.width();
    ASSERT_TRUE(BatchRuns::Calculated(Window));
    QApplication::processEvents();
    EXPECT_EQ(Shown(Window.TxtYearTax), "53999999764079.95");
    EXPECT_EQ(Window.width(), width);
}

// A file dialog cancelled says so on the status line too.
TEST_F(BatchWindow, ACancelledFileDialogSaysSo) {
    const auto cancel = [](QFileDialog *dialog) { static_cast<QDialog *>(dialog)->reject(); };
    ASSERT_TRUE(AnswerModal<QFileDialog>([this] { Click(Window.BtnOpen); }, cancel));
    EXPECT_EQ(Shown(Window.TxtStatus), "已取消打开。");
    OpenSmallSheet();
    ASSERT_TRUE(AnswerModal<QFileDialog>([this] { Click(Window.BtnSave); }, cancel));
    EXPECT_EQ(Shown(Window.TxtStatus), "已取消保存。");
}

// Ctrl+O and Ctrl+S open their file dialogs wherever the focus is, Ctrl+F goes to the filter.
TEST_F(BatchWindow, CtrlOOpensCtrlSSavesCtrlFFindsInTheFilter) {
    const QString path = WriteFile(Dir, "工资.csv", SmallSheet());
    Window.GridErrors->setFocus();
    ASSERT_TRUE(BatchRuns::Ran(Window, [&] {
        ASSERT_TRUE(ChooseIn(
            [this] { QTest::keyClick(Window.GridErrors, Qt::Key_O, Qt::ControlModifier); }, path));
    }));
    ASSERT_EQ(Window.SheetModel()->rowCount(), 17);
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    const QString out = Dir.filePath("out.xlsx");
    ShowActive(&Window); // as the desktop gives it back once the dialog has gone
    Window.GridSheet->setFocus();
    const QString told = MessageOf([&] {
        ASSERT_TRUE(BatchRuns::Ran(Window, [&] {
            ASSERT_TRUE(ChooseIn(
                [this] { QTest::keyClick(Window.GridSheet, Qt::Key_S, Qt::ControlModifier); },
                out));
        }));
    });
    EXPECT_TRUE(told.contains("未计算")) << told.toStdString();
    // The results and, from the worksheet 未计算, the rows left out.
    EXPECT_EQ(sheets::ReadPayroll(out).Sheet.RowCount(), 17u);
    Window.TxtFilter->setText("E00");
    ShowActive(&Window);
    QTest::keyClick(Window.GridSheet, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Window.TxtFilter->hasFocus());
    // What is typed next replaces the filter.
    Type(Window.TxtFilter, "E002");
    EXPECT_EQ(Window.TxtFilter->text(), "E002");
}

// Closing with results not yet saved asks: 取消 keeps the window, 另存为 saves and closes once
// saved, 不保存 closes; with nothing calculated, or once saved, it closes without a word.
TEST_F(BatchWindow, ClosingWithResultsNotSavedAsksFirst) {
    OpenSmallSheet();
    EXPECT_TRUE(MessageOf([this] { EXPECT_TRUE(Window.close()); }).isEmpty());
    ShowActive(&Window);
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    const auto closeAnswering = [this](QMessageBox::StandardButton Choice) {
        bool closed = false;
        QStringList seen;
        AnswerEach(
            [&] {
                closed = Window.close();
                // Saving first, the window closes once the save has ended.
                if (!closed && Window.Busy()) {
                    EXPECT_TRUE(WaitFor([this] { return !Window.Busy(); }, 60000));
                    closed = !Window.isVisible();
                }
            },
            [&](QWidget *modal) {
                if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                    dialog->selectFile(Dir.filePath("out.csv"));
                    static_cast<QDialog *>(dialog)->accept();
                } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                    seen << box->text();
                    if (box->objectName() == "BoxUnsaved")
                        box->button(Choice)->click();
                    else
                        box->accept();
                }
            });
        return std::make_pair(closed, seen);
    };
    auto [closed, seen] = closeAnswering(QMessageBox::Cancel);
    EXPECT_FALSE(closed);
    EXPECT_EQ(seen, QStringList{"计算结果还没有保存。"});
    EXPECT_TRUE(Window.isVisible());

    std::tie(closed, seen) = closeAnswering(QMessageBox::Save);
    EXPECT_TRUE(closed);
    ASSERT_EQ(seen.size(), 2) << seen.join('\n').toStdString();
    EXPECT_TRUE(seen[1].contains("因错误未计算")) << seen[1].toStdString();
    EXPECT_EQ(sheets::ReadPayroll(Dir.filePath("out.csv")).Sheet.AcceptedRowCount(), 15u);
    ShowActive(&Window);
    EXPECT_TRUE(closeAnswering(QMessageBox::Cancel).first) << "saved: nothing to ask";

    ShowActive(&Window);
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    std::tie(closed, seen) = closeAnswering(QMessageBox::Discard);
    EXPECT_TRUE(closed);
    EXPECT_EQ(seen.size(), 1);
}

// A sheet the window saved, opened again: the status line says its results are left out, and
// calculating gives one set of result columns.
TEST_F(BatchWindow, ASavedSheetOpenedAgainHasItsResultsMadeAnew) {
    OpenSmallSheet();
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    const QString out = Dir.filePath("out.xlsx");
    MessageOf([&] { ASSERT_TRUE(BatchRuns::Saved(Window, out)); });
    ASSERT_TRUE(BatchRuns::Opened(Window, out));
    EXPECT_EQ(Window.SheetModel()->columnCount(), 9);
    EXPECT_TRUE(Shown(Window.TxtStatus).contains("其中有13列是本程序以前写出的"))
        << Shown(Window.TxtStatus).toStdString();
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    EXPECT_EQ(Window.SheetModel()->columnCount(), 9 + int(sheets::ResultColumnCount));
    EXPECT_EQ(CellAt(3, "本月应预扣税额"), "580.00");
}

// The view measures only the rows near the top: in a sheet of 100,000 rows, a name of three
// characters below hundreds of two still has room. The table's text is made larger than its
// titles', so that the names, not the title 姓名, decide the width.
TEST_F(BatchWindow, TheNameColumnHasRoomForThreeCharactersFarDown) {
    QByteArray bytes = Header;
    for (int i = 0; i < 100000; ++i)
        bytes +=
            "E" + QByteArray::number(i) + (i < 500 ? ",王五" : ",欧阳明") + ",1,10000,0,0,0,0,\n";
    QFont titles = Window.GridSheet->font();
    QFont large = titles;
    // Sizes set explicitly, so that the titles do not take the table's font.
    if (titles.pixelSize() > 0) {
        titles.setPixelSize(titles.pixelSize());
        large.setPixelSize(titles.pixelSize() * 3);
    } else {
        titles.setPointSizeF(titles.pointSizeF());
        large.setPointSizeF(titles.pointSizeF() * 3);
    }
    Window.GridSheet->setFont(large);
    Window.GridSheet->horizontalHeader()->setFont(titles);
    ASSERT_TRUE(BatchRuns::Opened(Window, WriteFile(Dir, "big.csv", bytes)));
    const QModelIndex far = Window.SheetModel()->index(99999, 1);
    ASSERT_EQ(far.data().toString(), "欧阳明");
    QStyleOptionViewItem option;
    option.initFrom(Window.GridSheet->viewport());
    option.font = large;
    EXPECT_GE(Window.GridSheet->columnWidth(1),
              Window.GridSheet->itemDelegate()->sizeHint(option, far).width());
}

// 工号 and 姓名 stay in view while the table scrolls, and once calculated the table shows the
// month's withholding and the net pay without scrolling.
TEST_F(BatchWindow, IdAndNameStayWhileTheResultsAreInView) {
    QByteArray bytes = Header;
    for (const char *id : {"E1", "E2", "E3", "E4", "E5"})
        bytes += Months(id, "张三", 12);
    const QString path = WriteFile(Dir, "长.csv", bytes);
    ASSERT_TRUE(BatchRuns::Ran(Window, [&] { ASSERT_TRUE(ClickAndChoose(Window.BtnOpen, path)); }));
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    TBatchModel *model = Window.SheetModel();
    QTableView *grid = Window.GridSheet;
    const int inputs = model->InputColumnCount();
    for (const auto column : {sheets::ResultColumn::Tax, sheets::ResultColumn::Net}) {
        const QRect cell = grid->visualRect(model->index(0, inputs + static_cast<int>(column)));
        EXPECT_TRUE(grid->viewport()->rect().contains(cell)) << static_cast<int>(column);
    }
    EXPECT_GT(grid->horizontalScrollBar()->value(), 0);

    QTableView *frozen = Window.GridFrozen;
    ASSERT_TRUE(frozen->isVisible());
    QStringList titles;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!frozen->isColumnHidden(column))
            titles << model->headerData(column, Qt::Horizontal).toString();
    }
    EXPECT_EQ(titles, (QStringList{"工号", "姓名"}));
    EXPECT_EQ(frozen->geometry().left(), grid->viewport()->geometry().left());
    EXPECT_EQ(frozen->width(), grid->columnWidth(0) + grid->columnWidth(1));
    ASSERT_GT(grid->verticalScrollBar()->maximum(), 5);
    grid->verticalScrollBar()->setValue(5);
    EXPECT_EQ(frozen->rowAt(0), grid->rowAt(0));
    EXPECT_EQ(frozen->indexAt(QPoint(2, 2)).data().toString(),
              model->index(grid->rowAt(0), 0).data().toString());
}

// With a filter, the totals under the table are those of the rows shown, and say so.
TEST_F(BatchWindow, TotalsFollowTheFilter) {
    OpenSmallSheet();
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    EXPECT_EQ(Shown(Window.TxtMonthTax[0]), "600.00");
    EXPECT_EQ(Shown(Window.TxtYearTax), "10380.00");
    TypeText(Window.TxtFilter, "李四");
    ASSERT_TRUE(WaitFor([this] { return Shown(Window.TxtYearTax) == "900.00"; }))
        << Shown(Window.TxtYearTax).toStdString();
    EXPECT_EQ(Shown(Window.TxtMonthTax[0]), "300.00");
    EXPECT_TRUE(Shown(Window.TxtCounts).startsWith("筛选“李四”：员工1人，3行；"))
        << Shown(Window.TxtCounts).toStdString();
    Window.TxtFilter->clear();
    EXPECT_TRUE(WaitFor([this] { return Shown(Window.TxtYearTax) == "10380.00"; }));
}

// A cell at fault is typed anew in the table with a double-click, and 计算 takes it.
TEST_F(BatchWindow, ACellAtFaultIsCorrectedInTheTable) {
    OpenSmallSheet();
    TBatchModel *model = Window.SheetModel();
    const int income = model->Sheet().ColumnOf(sheets::Field::Income);
    EXPECT_FALSE(model->flags(model->index(0, income)).testFlag(Qt::ItemIsEditable));
    int row = 0;
    while (row < model->rowCount() && LineAt(row) != BadLine)
        ++row;
    const QModelIndex cell = model->index(row, income);
    ASSERT_TRUE(model->flags(cell).testFlag(Qt::ItemIsEditable));
    Window.GridSheet->scrollTo(cell);
    // A double-click as the desktop delivers it: the first click, then the second.
    QTest::mouseClick(Window.GridSheet->viewport(), Qt::LeftButton, {},
                      Window.GridSheet->visualRect(cell).center());
    QTest::mouseDClick(Window.GridSheet->viewport(), Qt::LeftButton, {},
                       Window.GridSheet->visualRect(cell).center());
    auto *editor = Window.GridSheet->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(WaitFor([editor] { return editor->isVisible(); }));
    editor->selectAll();
    Type(editor, "8000");
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate hands the text over once the key has been handled.
    EXPECT_TRUE(WaitFor([&] { return CellAt(row, "收入") == "8000"; }));
    ASSERT_TRUE(BatchRuns::Clicked(Window, Window.BtnCalc));
    EXPECT_EQ(Window.ErrorModel()->rowCount(), 0);
    // 王五's February: 66.00 beside the others' 300.00 each.
    EXPECT_EQ(Shown(Window.TxtMonthTax[1]), "666.00");
    EXPECT_EQ(Shown(Window.TxtStatus), "已按改正的1个单元格重新检查并计算。");
}

// The open dialog starts where a sheet was last opened, in a window opened later too, with no
// name typed.
TEST_F(BatchWindow, TheOpenDialogStartsInTheFolderLastUsed) {
    ASSERT_TRUE(QDir(Dir.path()).mkdir("工资表"));
    const QString path = WriteFile(Dir, "工资表/一月.csv", SmallSheet());
    ASSERT_TRUE(BatchRuns::Ran(Window, [&] { ASSERT_TRUE(ClickAndChoose(Window.BtnOpen, path)); }));
    TFrmBatch later;
    ShowActive(&later);
    QString folder;
    QString typed = "?";
    ASSERT_TRUE(AnswerModal<QFileDialog>([&later] { Click(later.BtnOpen); },
                                         [&](QFileDialog *dialog) {
                                             folder = dialog->directory().absolutePath();
                                             if (auto *name =
                                                     dialog->findChild<QLineEdit *>("fileNameEdit"))
                                                 typed = name->text();
                                             static_cast<QDialog *>(dialog)->reject();
                                         }));
    EXPECT_EQ(folder, QFileInfo(path).absolutePath());
    EXPECT_EQ(typed, "");
}

// Columns not read are named on the status line; one that looks like a deduction in a box too.
TEST_F(BatchWindow, ColumnsNotReadAreNamedAndADeductionLikeOneWarned) {
    const QString path =
        WriteFile(Dir, "社保.csv", "工号,姓名,部门,月份,收入,个人社保\nA1,甲,财务,1,20000,2000\n");
    const QString told = MessageOf([&] {
        ASSERT_TRUE(
            BatchRuns::Ran(Window, [&] { ASSERT_TRUE(ClickAndChoose(Window.BtnOpen, path)); }));
    });
    EXPECT_TRUE(told.startsWith("「个人社保」看似应从收入中扣除的金额")) << told.toStdString();
    EXPECT_TRUE(Shown(Window.TxtStatus).contains("未读取的列：部门、个人社保"))
        << Shown(Window.TxtStatus).toStdString();
}

class MainWindowBatch : public ::testing::Test {
  protected:
    void SetUp() override { ShowActive(&Main); }
    TFrmBatch *Batch() { return Main.findChild<TFrmBatch *>(); }
    TFrmMain Main;
};

TEST_F(MainWindowBatch, TheMenuEntryOpensOneWindow) {
    auto *entry = Main.findChild<QAction *>(QStringLiteral("MCurBatch"));
    EXPECT_EQ(entry->text(), "工资表批量计算(&P)...");
    EXPECT_FALSE(entry->isCheckable());
    const QWidget *page = Main.CurrentPage();
    entry->trigger();
    TFrmBatch *batch = Batch();
    ASSERT_NE(batch, nullptr);
    EXPECT_TRUE(batch->isVisible());
    EXPECT_TRUE(batch->isWindow());
    entry->trigger();
    EXPECT_EQ(Main.findChildren<TFrmBatch *>().size(), 1);
    EXPECT_EQ(Main.CurrentPage(), page);
}

TEST_F(MainWindowBatch, ADroppedSheetOpensInTheBatchWindow) {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "drop.csv", SmallSheet());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = Main.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Main, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Main, &drop);
    ASSERT_TRUE(WaitFor([this] { return Batch() && Batch()->SheetModel()->rowCount() == 17; }));

    // Anything else is not taken.
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(dir.filePath("notes.txt"))});
    QDragEnterEvent refused(at, Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Main, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

// Closing the program asks the batch window first: kept open, it keeps the program open too.
TEST_F(MainWindowBatch, ClosingTheProgramAsksAboutUnsavedResults) {
    QTemporaryDir dir;
    TFrmBatch *batch = Main.OpenBatch();
    ASSERT_TRUE(BatchRuns::Opened(*batch, WriteFile(dir, "close.csv", SmallSheet())));
    ASSERT_TRUE(BatchRuns::Calculated(*batch));
    const auto closeAnswering = [this](QMessageBox::StandardButton Choice) {
        bool closed = true;
        const bool asked = AnswerModal<QMessageBox>([&] { closed = Main.close(); },
                                                    [Choice](QMessageBox *box) {
                                                        EXPECT_EQ(box->objectName(), "BoxUnsaved");
                                                        box->button(Choice)->click();
                                                    });
        return std::make_pair(asked, closed);
    };
    EXPECT_EQ(closeAnswering(QMessageBox::Cancel), std::make_pair(true, false));
    EXPECT_TRUE(Main.isVisible());
    EXPECT_TRUE(batch->isVisible());
    EXPECT_EQ(closeAnswering(QMessageBox::Discard), std::make_pair(true, true));
    EXPECT_FALSE(Main.isVisible());
}

} // namespace
