#include "app/UFrmMain.h"
#include "pages/UFrmGoldsSetup.h"
#include "support/ParamFolders.h"
#include "support/ReadOnlyFolder.h"
#include "support/UiTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QToolButton>

#include <sys/stat.h>

using namespace UiTest;

namespace {

// A file with other sections, comments, CRLF endings and every value already in general form.
QByteArray CityFile() {
    return "; Pendra parameters\r\n[Window]\r\nLeft=10\r\n\r\n" + ParamFolders::Header() +
           "\r\n; Beijing 2012\r\nPMin=1869\r\nPMax=14016\r\nSMin=1869\r\nSMax=14016\r\n"
           "PFund=12\r\nPMedical=2\r\nPPension=8\r\nPLostJob=0.2\r\nUFund=12\r\nUMedical=10\r\n"
           "UPension=20\r\nULostJob=1\r\nInjury=0.5\r\nGiveBirth=0.8\r\nNote=kept\r\n\r\n"
           "[Tail]\r\nX=1\r\n";
}

class GoldsSetup : public ParamFolders {
  protected:
    // Sets every edit to a valid set of parameters.
    static void FillValid(TFrmGoldsSetup &d) {
        const QList<QPair<QLineEdit *, const char *>> values{
            {d.TxtPmin, "2000"},   {d.TxtPMax, "10000"},   {d.TxtSMin, "2000"},
            {d.TxtSMax, "10000"},  {d.TxtPFund, "12"},     {d.TxtPMedical, "2"},
            {d.TxtPPension, "8"},  {d.TxtPLostJob, "1"},   {d.TxtUFund, "12"},
            {d.TxtUMedical, "10"}, {d.TxtUPension, "20"},  {d.TxtULostJob, "1"},
            {d.TxtInjury, "0.5"},  {d.TxtGiveBirth, "0.8"}};
        for (const auto &[edit, text] : values)
            edit->setText(QString::fromUtf8(text));
    }
    // Clicks OK; returns the message box it raised, if any.
    static ModalSeen ClickOK(TFrmGoldsSetup &d) {
        return CloseNextModal([&] { Click(d.BtnOK); });
    }
};

TEST_F(GoldsSetup, MissingFileShowsZeros) {
    TFrmGoldsSetup dialog;
    for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
        EXPECT_EQ(edit->text(), "0") << edit->objectName().toStdString();
    EXPECT_EQ(dialog.findChildren<QLineEdit *>().size(), 14);
}

TEST_F(GoldsSetup, ShowsTheFileInGeneralForm) {
    WriteFile(BesideProgram(), Header() + "\r\nPMin=1869.50\r\nPLostJob=0.20\r\nSMax=abc\r\n");
    TFrmGoldsSetup dialog;
    EXPECT_EQ(dialog.TxtPmin->text(), "1869.5");
    EXPECT_EQ(dialog.TxtPLostJob->text(), "0.2");
    EXPECT_EQ(dialog.TxtSMax->text(), "0") << "a value that is not a number reads as 0";
    EXPECT_EQ(dialog.TxtGiveBirth->text(), "0") << "a missing key reads as 0";
}

TEST_F(GoldsSetup, OkWithoutChangeKeepsTheFileByteForByte) {
    WriteFile(BesideProgram(), CityFile());
    TFrmGoldsSetup dialog;
    dialog.show();
    EXPECT_FALSE(ClickOK(dialog).Shown);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ReadFile(BesideProgram()), CityFile());
}

TEST_F(GoldsSetup, ChangedValueReplacesOnlyItsLine) {
    WriteFile(BesideProgram(), CityFile());
    TFrmGoldsSetup dialog;
    dialog.show();
    dialog.TxtPLostJob->setText(QStringLiteral("0.5"));
    ClickOK(dialog);
    QByteArray expected = CityFile();
    expected.replace("PLostJob=0.2\r\n", "PLostJob=0.5\r\n");
    EXPECT_EQ(ReadFile(BesideProgram()), expected);
}

TEST_F(GoldsSetup, FirstOkCreatesTheFileWithTheGbkSection) {
    TFrmGoldsSetup dialog;
    dialog.show();
    FillValid(dialog);
    ClickOK(dialog);
    const QByteArray bytes = ReadFile(BesideProgram());
    ASSERT_TRUE(bytes.startsWith(Header() + "\r\nPMin=2000\r\nPMax=10000\r\nSMin=2000\r\n"));
    EXPECT_TRUE(bytes.endsWith("Injury=0.5\r\nGiveBirth=0.8\r\n"));
    QStringDecoder gbk("GBK");
    if (gbk.isValid()) { // an independent decoder, where this Qt has one
        EXPECT_EQ(QString(gbk.decode(Header())), QStringLiteral("[五险一金]"));
    }
}

struct StoredCase {
    const char *Typed;
    const char *Line;
};

class GoldsSetupStored : public GoldsSetup, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(GoldsSetupStored, ValueIsRoundedToCentsAndWrittenInGeneralForm) {
    TFrmGoldsSetup dialog;
    dialog.show();
    FillValid(dialog);
    dialog.TxtPPension->clear();
    Type(dialog.TxtPPension, QString::fromUtf8(GetParam().Typed));
    ClickOK(dialog);
    EXPECT_TRUE(ReadFile(BesideProgram()).contains(GetParam().Line))
        << GetParam().Typed << " should be stored as " << GetParam().Line;
    TFrmGoldsSetup reopened;
    EXPECT_EQ(reopened.TxtPPension->text() + "\r\n",
              QString::fromUtf8(GetParam().Line).mid(QStringLiteral("\r\nPPension=").size()));
}

INSTANTIATE_TEST_SUITE_P(Values, GoldsSetupStored,
                         ::testing::Values(StoredCase{"8.256", "\r\nPPension=8.26\r\n"},
                                           StoredCase{"8.5", "\r\nPPension=8.5\r\n"},
                                           StoredCase{"8.00", "\r\nPPension=8\r\n"},
                                           StoredCase{"8.005", "\r\nPPension=8.01\r\n"},
                                           StoredCase{"0", "\r\nPPension=0\r\n"}));

struct RefusedCase {
    const char *Rule;
    QList<QPair<const char *, const char *>> Edits; // objectName, text
    const char *Message;
    const char *Focus;
};

class GoldsSetupRefused : public GoldsSetup, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(GoldsSetupRefused, MessageFocusAndNothingWritten) {
    const RefusedCase &c = GetParam();
    TFrmGoldsSetup dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    FillValid(dialog);
    for (const auto &[name, text] : c.Edits)
        Find<QLineEdit>(&dialog, QString::fromUtf8(name))->setText(QString::fromUtf8(text));
    const ModalSeen seen = ClickOK(dialog);
    EXPECT_EQ(seen.Title, "提示") << c.Rule;
    EXPECT_EQ(seen.Text.toStdString(), c.Message) << c.Rule;
    EXPECT_TRUE(dialog.isVisible()) << c.Rule;
    EXPECT_FALSE(QFile::exists(BesideProgram())) << c.Rule;
    auto *focus = Find<QLineEdit>(&dialog, QString::fromUtf8(c.Focus));
    EXPECT_EQ(dialog.focusWidget(), focus) << c.Rule;
    EXPECT_EQ(focus->selectedText(), focus->text()) << c.Rule;
    for (const auto &[name, text] : c.Edits)
        EXPECT_EQ(Find<QLineEdit>(&dialog, QString::fromUtf8(name))->text(), text) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, GoldsSetupRefused,
    ::testing::Values(
        RefusedCase{"equal fund limits",
                    {{"TxtPmin", "5000"}, {"TxtPMax", "5000"}},
                    "公积金缴费基数下限应小于上限。",
                    "TxtPmin"},
        RefusedCase{"fund lower above upper, social too: fund first",
                    {{"TxtPmin", "6000"}, {"TxtPMax", "5000"}, {"TxtSMin", "9"}, {"TxtSMax", "1"}},
                    "公积金缴费基数下限应小于上限。",
                    "TxtPmin"},
        RefusedCase{"limits equal in cents",
                    {{"TxtSMin", "5000.004"}, {"TxtSMax", "5000"}},
                    "社保缴费基数下限应小于上限。",
                    "TxtSMin"},
        // Added in binary floating point these come to 99.99999999999999.
        RefusedCase{"employee rates adding up to exactly 100",
                    {{"TxtPPension", "16.75"},
                     {"TxtPMedical", "52.01"},
                     {"TxtPLostJob", "31.24"},
                     {"TxtPFund", "0"}},
                    "个人部分缴费比例合计不能大于100%。",
                    "TxtPPension"},
        RefusedCase{"employee rates above 100",
                    {{"TxtPFund", "90"}, {"TxtPPension", "20"}},
                    "个人部分缴费比例合计不能大于100%。",
                    "TxtPPension"},
        RefusedCase{"employer rates adding up to exactly 100",
                    {{"TxtUPension", "19.94"},
                     {"TxtUMedical", "26.99"},
                     {"TxtULostJob", "9.09"},
                     {"TxtUFund", "13.3"},
                     {"TxtInjury", "28.66"},
                     {"TxtGiveBirth", "2.02"}},
                    "单位部分缴费比例合计不能大于100%。",
                    "TxtUPension"}));

TEST_F(GoldsSetup, RatesJustBelowOneHundredPass) {
    TFrmGoldsSetup dialog;
    dialog.show();
    FillValid(dialog);
    dialog.TxtUPension->setText(QStringLiteral("20.09"));
    dialog.TxtUMedical->setText(QStringLiteral("20.2"));
    dialog.TxtULostJob->setText(QStringLiteral("20.3"));
    dialog.TxtInjury->setText(QStringLiteral("19.4"));
    dialog.TxtGiveBirth->setText(QStringLiteral("10"));
    dialog.TxtUFund->setText(QStringLiteral("10"));
    EXPECT_FALSE(ClickOK(dialog).Shown);
    EXPECT_TRUE(ReadFile(BesideProgram()).contains("\r\nUPension=20.09\r\n"));
}

TEST_F(GoldsSetup, TextThatIsNoNumberStopsInParsingOrder) {
    TFrmGoldsSetup dialog;
    dialog.show();
    FillValid(dialog);
    dialog.TxtPFund->clear();
    dialog.TxtPPension->setText(QStringLiteral("."));
    const ModalSeen seen = ClickOK(dialog);
    EXPECT_TRUE(seen.Text.contains(QStringLiteral("“.”"))) << "pension is parsed before the fund";
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(BesideProgram()));
}

TEST_F(GoldsSetup, CancelAndEscapeWriteNothing) {
    WriteFile(BesideProgram(), CityFile());
    TFrmGoldsSetup dialog;
    dialog.show();
    dialog.TxtPmin->setText(QStringLiteral("1"));
    Click(dialog.BtnCancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());

    TFrmGoldsSetup second;
    second.show();
    second.TxtPmin->setText(QStringLiteral("1"));
    QTest::keyClick(second.TxtPmin, Qt::Key_Escape);
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(ReadFile(BesideProgram()), CityFile());
}

TEST_F(GoldsSetup, EnterInAnEditDoesNotConfirmButClicksAFocusedButton) {
    TFrmGoldsSetup dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    FillValid(dialog);
    dialog.BtnOK->setFocus(); // even after the buttons had focus
    dialog.TxtPFund->setFocus();
    QTest::keyClick(dialog.TxtPFund, Qt::Key_Return);
    QTest::keyClick(dialog.TxtPFund, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(BesideProgram()));

    dialog.BtnCancel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dialog.BtnCancel, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(BesideProgram()));
}

TEST_F(GoldsSetup, ClickSelectsTheWholeTextAndKeysAreFiltered) {
    TFrmGoldsSetup dialog;
    dialog.show();
    dialog.TxtSMax->setText(QStringLiteral("10000"));
    QTest::mouseClick(dialog.TxtSMax, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dialog.TxtSMax->selectedText(), "10000");
    dialog.TxtUFund->clear();
    Type(dialog.TxtUFund, QStringLiteral("-1a2.3.4 "));
    EXPECT_EQ(dialog.TxtUFund->text(), "12.34");
}

TEST_F(GoldsSetup, UnwritableFolderReportsAndKeepsEverything) {
    WriteFile(BesideProgram(), CityFile());
    ReadOnlyFolder readOnly(Program.path());
    if (!readOnly.Active())
        GTEST_SKIP() << "this machine cannot make a folder unwritable for this process";
    TFrmGoldsSetup dialog;
    dialog.show();
    dialog.TxtPmin->setText(QStringLiteral("1000"));
    const ModalSeen seen = ClickOK(dialog);
    EXPECT_EQ(seen.Title, "提示");
    EXPECT_TRUE(seen.Text.startsWith(QStringLiteral("参数未能保存"))) << seen.Text.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.TxtPmin->text(), "1000");
    EXPECT_EQ(ReadFile(BesideProgram()), CityFile());
    EXPECT_EQ(QDir(Program.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file is left behind";
}

struct SaveRefusedCase {
    const char *Rule;
    std::function<void(const QString &Path)> Make;
    const char *Cause;
};

class GoldsSetupSaveRefused : public GoldsSetup,
                              public ::testing::WithParamInterface<SaveRefusedCase> {};

TEST_P(GoldsSetupSaveRefused, BoxNamesThePathAndTheCause) {
    const SaveRefusedCase &c = GetParam();
    c.Make(BesideProgram());
    TFrmGoldsSetup dialog;
    dialog.show();
    FillValid(dialog);
    const ModalSeen seen = ClickOK(dialog);
    EXPECT_EQ(seen.Title, "提示") << c.Rule;
    EXPECT_TRUE(seen.Text.contains(BesideProgram())) << seen.Text.toStdString();
    EXPECT_TRUE(seen.Text.contains(QString::fromUtf8(c.Cause))) << seen.Text.toStdString();
    EXPECT_TRUE(dialog.isVisible()) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Places, GoldsSetupSaveRefused,
    ::testing::Values(
        SaveRefusedCase{"a FIFO",
                        [](const QString &Path) {
                            ASSERT_EQ(::mkfifo(QFile::encodeName(Path).constData(), 0644), 0);
                        },
                        "不是普通文件"},
        SaveRefusedCase{"a link",
                        [](const QString &Path) {
                            ASSERT_TRUE(QFile::link(QStringLiteral("/etc/hostname"), Path));
                        },
                        "符号链接"},
        SaveRefusedCase{"a read-only file",
                        [](const QString &Path) {
                            ParamFolders::WriteFile(Path, ParamFolders::Header());
                            ASSERT_TRUE(QFile::setPermissions(Path, QFile::ReadOwner));
                        },
                        "只读"},
        SaveRefusedCase{"a file larger than a parameter file can be",
                        [](const QString &Path) {
                            ParamFolders::WriteFile(
                                Path, QByteArray(TFileManager::MaxFileSize + 1, '\n'));
                        },
                        "大于 1 MB"}));

TEST_F(GoldsSetup, ParameterButtonOpensAFreshDialogEachTime) {
    TFrmMain main;
    WriteFile(BesideProgram(), Header() + "\r\nPMin=1234\r\n");
    QString shown;
    auto look = [&](QWidget *w) { shown = Find<QLineEdit>(w, QStringLiteral("TxtPmin"))->text(); };
    EXPECT_EQ(
        CloseNextModal(
            [&] { main.findChild<QToolButton *>(QStringLiteral("ToolButton7"))->click(); }, look)
            .ClassName,
        "TFrmGoldsSetup");
    EXPECT_EQ(shown, "1234");
    WriteFile(BesideProgram(), Header() + "\r\nPMin=4321\r\n");
    CloseNextModal([&] { main.findChild<QToolButton *>(QStringLiteral("ToolButton7"))->click(); },
                   look);
    EXPECT_EQ(shown, "4321");
}

} // namespace
