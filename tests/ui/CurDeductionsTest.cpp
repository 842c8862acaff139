// The special deductions dialog: the totals as the choices change, the limits, and the choices
// kept in the parameter file across a restart with every other line of the file untouched.

#include "app/UFrmMain.h"
#include "pages/UFrmCurDeductions.h"
#include "support/ParamFolders.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace UiTest;

namespace {

// Picks an entry of a combo box by keys, as a user without a mouse does.
void Choose(QComboBox *Combo, int Index) {
    Combo->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Combo, Qt::Key_Home);
    for (int i = 0; i < Index; ++i)
        QTest::keyClick(Combo, Qt::Key_Down);
    ASSERT_EQ(Combo->currentIndex(), Index);
}

void Count(QSpinBox *Spin, int Value) {
    Spin->setFocus(Qt::OtherFocusReason);
    Spin->selectAll();
    QTest::keyClicks(Spin, QString::number(Value));
    ASSERT_EQ(Spin->value(), Value);
}

struct TotalsCase {
    const char *What;
    int Children, ChildrenShare, Infants, InfantsShare, Elderly;
    const char *ElderlyShare;
    int Housing, Education;
    const char *Illness, *Pension, *Health;
    const char *Monthly, *Annual;
};

// Sets every choice of a case by keys.
void Fill(TFrmCurDeductions &d, const TotalsCase &c) {
    Count(d.SpnChildren, c.Children);
    Choose(d.CmbChildrenShare, c.ChildrenShare);
    Count(d.SpnInfants, c.Infants);
    Choose(d.CmbInfantsShare, c.InfantsShare);
    Choose(d.CmbElderly, c.Elderly);
    if (d.TxtElderlyShare->isEnabled())
        Type(d.TxtElderlyShare, QString::fromUtf8(c.ElderlyShare));
    Choose(d.CmbHousing, c.Housing);
    Choose(d.CmbEducation, c.Education);
    Type(d.TxtIllness, QString::fromUtf8(c.Illness));
    Type(d.TxtPension, QString::fromUtf8(c.Pension));
    Type(d.TxtHealthInsurance, QString::fromUtf8(c.Health));
}

class CurDeductionsTotals : public ParamFolders,
                            public ::testing::WithParamInterface<TotalsCase> {};

TEST_P(CurDeductionsTotals, MonthlyAndAnnualFollowTheChoices) {
    const TotalsCase &c = GetParam();
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    Fill(dialog, c);
    EXPECT_EQ(dialog.TxtMonthlyTotal->text(), QStringLiteral("每月合计：%1元").arg(c.Monthly))
        << c.What;
    EXPECT_EQ(dialog.TxtAnnualTotal->text(), QStringLiteral("全年合计：%1元").arg(c.Annual))
        << c.What;
    EXPECT_EQ(current::FormatCents(dialog.MonthlyTotal()), c.Monthly) << c.What;
    EXPECT_EQ(dialog.TxtMsg->text(), "") << c.What;
}

INSTANTIATE_TEST_SUITE_P(
    Law, CurDeductionsTotals,
    ::testing::Values(TotalsCase{"nothing chosen", 0, 0, 0, 0, 0, "", 0, 0, "", "", "", "0.00",
                                 "0.00"},
                      TotalsCase{"two children, half each", 2, 1, 0, 0, 0, "", 0, 0, "", "", "",
                                 "2000.00", "24000.00"},
                      TotalsCase{"child, infant at half, only child, loan", 1, 0, 1, 1, 1, "", 1, 0,
                                 "", "", "", "7000.00", "84000.00"},
                      TotalsCase{"shared care, rent in a provincial capital, degree", 0, 0, 0, 0, 2,
                                 "1200", 3, 1, "", "", "", "3100.00", "37200.00"},
                      TotalsCase{"loan interest halved between spouses", 0, 0, 0, 0, 0, "", 2, 0,
                                 "", "", "", "500.00", "6000.00"},
                      TotalsCase{"settlement items and the pension", 0, 0, 0, 0, 0, "", 5, 2,
                                 "20000", "12000", "200", "2000.00", "47600.00"},
                      TotalsCase{"a pension that twelve does not divide", 0, 0, 0, 0, 0, "", 4, 0,
                                 "", "5000", "", "1516.66", "18200.00"}));

class CurDeductions : public ParamFolders {};

TEST_F(CurDeductions, AmountBeyondItsLimitIsNamedFocusedAndNotSaved) {
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    Choose(dialog.CmbElderly, 2);
    Type(dialog.TxtElderlyShare, QStringLiteral("1600"));
    EXPECT_EQ(dialog.TxtMsg->text(), "赡养老人每月分摊额最多1500.00元，请重新输入。");
    EXPECT_EQ(dialog.TxtMonthlyTotal->text(), "每月合计：1500.00元") << "the limit counts";
    Type(dialog.TxtHealthInsurance, QStringLiteral("100"));
    dialog.TxtHealthInsurance->setFocus();
    Click(dialog.BtnOK);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.TxtElderlyShare);
    EXPECT_EQ(dialog.TxtElderlyShare->text(), "1600") << "what was typed is kept";
    EXPECT_FALSE(QFile::exists(BesideProgram()));
    dialog.TxtElderlyShare->clear();
    Type(dialog.TxtElderlyShare, QStringLiteral("1500"));
    EXPECT_EQ(dialog.TxtMsg->text(), "");
}

TEST_F(CurDeductions, ChoicesSurviveARestartAndOtherLinesStayByteForByte) {
    const QByteArray before = "; Pendra parameters\r\n[Window]\r\nLeft=10\r\n\r\n" + Header() +
                              "\r\nPMin=1869\r\nPFund=12\r\n\r\n[Tail]\r\nX=1\r\n";
    WriteFile(BesideProgram(), before);
    {
        TFrmCurDeductions dialog;
        ShowActive(&dialog);
        Fill(dialog, {"", 2, 1, 1, 0, 2, "750.5", 4, 1, "30000", "6000", "150", "", ""});
        EXPECT_EQ(dialog.TxtMonthlyTotal->text(), "每月合计：6900.50元");
        EXPECT_FALSE(CloseNextModal([&] { Click(dialog.BtnOK); }).Shown);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const QByteArray after = ReadFile(BesideProgram());
    ASSERT_TRUE(after.startsWith(before)) << after.toStdString();
    const QByteArray section = after.mid(before.size());
    EXPECT_TRUE(section.startsWith("[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\r\n"))
        << section.toStdString();
    QStringDecoder gbk("GBK");
    if (gbk.isValid()) {
        EXPECT_TRUE(QString(gbk.decode(section)).contains(QStringLiteral("[专项附加扣除]")));
    }

    TFrmCurDeductions again; // the program started anew reads the file
    EXPECT_EQ(again.SpnChildren->value(), 2);
    EXPECT_EQ(again.CmbChildrenShare->currentIndex(), 1);
    EXPECT_EQ(again.SpnInfants->value(), 1);
    EXPECT_EQ(again.CmbElderly->currentIndex(), 2);
    EXPECT_EQ(again.TxtElderlyShare->text(), "750.50");
    EXPECT_EQ(again.CmbHousing->currentIndex(), 4);
    EXPECT_EQ(again.CmbEducation->currentIndex(), 1);
    EXPECT_EQ(again.TxtIllness->text(), "30000.00");
    EXPECT_EQ(again.TxtPension->text(), "6000.00");
    EXPECT_EQ(again.TxtHealthInsurance->text(), "150.00");
    EXPECT_EQ(again.TxtMonthlyTotal->text(), "每月合计：6900.50元");
    EXPECT_EQ(again.TxtAnnualTotal->text(), "全年合计：112806.00元");

    // Saving the same choices again changes nothing, and the social insurance section's
    // dialog still reads its own lines.
    again.show();
    CloseNextModal([&] { Click(again.BtnOK); });
    EXPECT_EQ(ReadFile(BesideProgram()), after);
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PMin, 1869);
}

TEST_F(CurDeductions, CancelWritesNothing) {
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    Count(dialog.SpnChildren, 1);
    Click(dialog.BtnCancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(BesideProgram()));
}

TEST_F(CurDeductions, FailedSaveIsReportedAndTheDialogStays) {
    WriteFile(BesideProgram(), Header());
    ASSERT_TRUE(QFile::setPermissions(BesideProgram(), QFile::ReadOwner));
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    Count(dialog.SpnChildren, 1);
    const ModalSeen seen = CloseNextModal([&] { Click(dialog.BtnOK); });
    EXPECT_EQ(seen.Title, "提示");
    EXPECT_TRUE(seen.Text.contains(BesideProgram())) << seen.Text.toStdString();
    EXPECT_TRUE(seen.Text.contains(QStringLiteral("只读"))) << seen.Text.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ReadFile(BesideProgram()), Header());
}

// Two windows: what the one saved is kept when the other saves something else after it.
TEST_F(CurDeductions, TwoDialogsSavingKeepEachOthersItems) {
    TFrmCurDeductions first;
    TFrmCurDeductions second;
    ShowActive(&second);
    Type(second.TxtPension, QStringLiteral("6000"));
    Click(second.BtnOK);
    ASSERT_EQ(second.result(), QDialog::Accepted);
    ShowActive(&first);
    Type(first.TxtHealthInsurance, QStringLiteral("100"));
    Click(first.BtnOK);
    ASSERT_EQ(first.result(), QDialog::Accepted);
    TFrmCurDeductions again;
    EXPECT_EQ(again.TxtPension->text(), "6000.00");
    EXPECT_EQ(again.TxtHealthInsurance->text(), "100.00");
}

// Amounts beyond their limits in the file are shown as the limits with a note, and saving
// another item leaves them in the file as they are.
TEST_F(CurDeductions, AmountsBeyondTheirLimitsAreShownCappedWithANote) {
    const QByteArray section = "[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\r\n"
                               "Illness=90000\r\nPension=12000.5\r\n";
    WriteFile(BesideProgram(), section);
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    EXPECT_EQ(dialog.TxtIllness->text(), "80000.00");
    EXPECT_EQ(dialog.TxtPension->text(), "12000.00");
    EXPECT_TRUE(dialog.TxtFileNote->isVisible());
    EXPECT_EQ(dialog.TxtFileNote->text(),
              "参数文件中的大病医疗为90000.00元，超过了上限，按80000.00元显示和计算。\n"
              "参数文件中的个人养老金为12000.50元，超过了上限，按12000.00元显示和计算。");
    Count(dialog.SpnChildren, 1);
    Click(dialog.BtnOK);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(ReadFile(BesideProgram()).startsWith(section))
        << ReadFile(BesideProgram()).toStdString();
}

// A save waits for another window's save a moment, never for good.
TEST_F(CurDeductions, ASaveHeldUpByAnotherIsReported) {
    const QString lockPath = QDir(Program.path()).filePath(QStringLiteral(".init.ini.lock"));
    const int lock = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    Count(dialog.SpnChildren, 1);
    const ModalSeen seen = CloseNextModal([&] { Click(dialog.BtnOK); });
    ::close(lock);
    EXPECT_TRUE(seen.Text.contains(QStringLiteral("正由另一个窗口保存")))
        << seen.Text.toStdString();
    EXPECT_FALSE(QFile::exists(BesideProgram()));
}

TEST_F(CurDeductions, MenuEntryOpensTheDialogWithTheSavedChoices) {
    WriteFile(BesideProgram(),
              "[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\nElderly=1\nHousing=9\n");
    TFrmMain main;
    QString total;
    const ModalSeen seen = CloseNextModal(
        [&] { main.findChild<QAction *>(QStringLiteral("MCurDeductions"))->trigger(); },
        [&](QWidget *w) { total = Find<QLabel>(w, "TxtMonthlyTotal")->text(); });
    EXPECT_EQ(seen.ClassName, "TFrmCurDeductions");
    EXPECT_EQ(total, "每月合计：3000.00元") << "a housing choice out of range reads as none";
    EXPECT_FALSE(main.findChild<QAction *>(QStringLiteral("MCurDeductions"))->isCheckable());
}

} // namespace
