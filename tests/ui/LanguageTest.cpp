// The language of the interface: chosen in the menu, the window rebuilt in it with what was typed
// and what was shown; kept in the parameter file for the next start; taken from the locale on the
// first start. Chinese, the language of the sources, loads no translation of the program.

#include "translations/Language.h"
#include "app/UFrmMain.h"
#include "app/UStartup.h"
#include "cli/CliRun.h"
#include "common/UFileManager.h"
#include "common/UMsgBox.h"
#include "common/UOpenYear.h"
#include "common/UYearFacts.h"
#include "pages/UBatchModel.h"
#include "pages/UFrmBatch.h"
#include "pages/UFrmCurLabour.h"
#include "pages/UFrmCurWage.h"
#include "pages/UFrmHousehold.h"
#include "pages/UFrmInterest.h"
#include "pages/UFrmSalary.h"
#include "pages/UFrmTaxYear.h"
#include "support/UiTestSupport.h"
#include "ui/BatchRuns.h"
#include "ui/FactInput.h"

#include <QAction>
#include <QHeaderView>
#include <QJsonObject>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace UiTest;
using Translations::Language;

namespace {

// The locale's variables as a test sets them, put back as they were afterwards.
class TLocale {
  public:
    explicit TLocale(const char *Lang) {
        for (int i = 0; i < 3; ++i)
            Saved[i] = qgetenv(Names[i]);
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", Lang);
    }
    ~TLocale() {
        for (int i = 0; i < 3; ++i) {
            if (Saved[i].isNull())
                qunsetenv(Names[i]);
            else
                qputenv(Names[i], Saved[i]);
        }
    }
    TLocale(const TLocale &) = delete;
    TLocale &operator=(const TLocale &) = delete;

  private:
    static constexpr const char *Names[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray Saved[3];
};

const QTranslator *ProgramTranslator() {
    return qApp->findChild<QTranslator *>(QLatin1StringView(Translations::TranslatorName));
}

// What a page shows, by the names of its edits and of its labels that hold values.
QMap<QString, QString> Shown(const QWidget *Page) {
    QMap<QString, QString> shown;
    for (const QLineEdit *edit : Page->findChildren<QLineEdit *>()) {
        if (!edit->objectName().isEmpty())
            shown.insert(edit->objectName(), edit->text());
    }
    for (const QLabel *label : Page->findChildren<QLabel *>()) {
        if (label->objectName().startsWith(QStringLiteral("Txt")))
            shown.insert(label->objectName(), label->text());
    }
    return shown;
}

// The figures of what a page shows, whatever the words and the full stops around them.
QMap<QString, QString> Figures(const QMap<QString, QString> &Shown) {
    static const QRegularExpression words(QStringLiteral("[^0-9.%-]+"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    QMap<QString, QString> figures;
    for (auto it = Shown.begin(); it != Shown.end(); ++it) {
        const QStringList numbers =
            QString(it.value()).split(words, Qt::SkipEmptyParts).filter(digit);
        figures.insert(it.key(), numbers.join(u' '));
    }
    return figures;
}

// Every test ends in Chinese, as every test starts.
class LanguageSwitch : public ::testing::Test {
  protected:
    void SetUp() override { ShowActive(&Main); }
    void TearDown() override { Translations::Apply(Language::Chinese, Translations::Scope::Qt); }

    // Chooses the language in the menu, as a user does, and waits for the window to be rebuilt;
    // nothing puts up a message box meanwhile.
    void Choose(Language Lang) {
        const int boxes = MsgBox::Shown();
        const QPointer<QWidget> before = Main.CurrentPage();
        ASSERT_TRUE(Main.Open(Lang == Language::English ? QStringLiteral("MEnglish")
                                                        : QStringLiteral("MChinese")));
        ASSERT_TRUE(WaitFor([&] { return Translations::Current() == Lang && !before; }));
        EXPECT_EQ(MsgBox::Shown(), boxes);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    template <class TPage> TPage *Page() { return qobject_cast<TPage *>(Main.CurrentPage()); }

    TFrmMain Main;
};

// The results of the earlier rules' pages are words of the language they were written in: the
// page built anew runs the same calculations again, with what they read then, and then shows what
// was typed since.
TEST_F(LanguageSwitch, AnEarlierRulesPageKeepsItsInputsAndItsResults) {
    ASSERT_TRUE(Main.Open(QStringLiteral("MSalary")));
    auto *page = Page<TFrmSalary>();
    ASSERT_NE(page, nullptr);
    Type(page->TxtIncome, QStringLiteral("10000"));
    Type(page->TxtGolds, QStringLiteral("1000"));
    Click(page->BtnCalc);
    page->TxtIncomeAfterTax->setText(QStringLiteral("9000"));
    Click(page->BtnAntiIncomeAfterTax);
    const QString reversed = page->TxtTaxableIncome->text();
    page->TxtIncome->clear();
    Type(page->TxtIncome, QStringLiteral("12000"));
    Click(page->RBtnForeign);
    const QMap<QString, QString> before = Shown(page);

    Choose(Language::English);
    ASSERT_NE(Page<TFrmSalary>(), nullptr);
    EXPECT_EQ(Figures(Shown(Page<TFrmSalary>())), Figures(before));
    EXPECT_TRUE(Page<TFrmSalary>()->RBtnForeign->isChecked());
    EXPECT_TRUE(Main.findChild<QAction *>(QStringLiteral("MSalary"))->isChecked());

    Choose(Language::Chinese);
    EXPECT_EQ(Shown(Page<TFrmSalary>()), before);
    EXPECT_EQ(Page<TFrmSalary>()->TxtTaxableIncome->text(), reversed);
    EXPECT_EQ(Page<TFrmSalary>()->TxtIncome->text(), QStringLiteral("12000"));
}

// A calculation that answered with a message box is not run again, so the switch says nothing.
TEST_F(LanguageSwitch, ACalculationThatPutUpABoxIsNotRunAgain) {
    ASSERT_TRUE(Main.Open(QStringLiteral("N6")));
    auto *page = Page<TFrmInterest>();
    ASSERT_NE(page, nullptr);
    TypeAndEnter(page->TxtIncome, QStringLiteral("1000"));
    page->TxtTax->clear();
    EXPECT_TRUE(CloseNextModal([&] { Click(page->BtnAntiTax); }).Shown);
    const QMap<QString, QString> before = Shown(page);
    Choose(Language::English);
    EXPECT_EQ(Figures(Shown(Page<TFrmInterest>())), Figures(before));
    Choose(Language::Chinese);
    EXPECT_EQ(Shown(Page<TFrmInterest>()), before);
}

TEST_F(LanguageSwitch, ACurrentLawPageKeepsItsInputsAndItsResults) {
    ASSERT_TRUE(Main.Open(QStringLiteral("MCurLabour")));
    auto *page = Page<TFrmCurLabour>();
    ASSERT_NE(page, nullptr);
    Click(Find<QRadioButton>(page, QStringLiteral("RBtnAuthor")));
    TypeAndEnter(page->TxtIncome, QStringLiteral("10000"));
    ASSERT_EQ(page->TxtTax->text(), QStringLiteral("1120.00"));
    const QMap<QString, QString> before = Shown(page);
    Choose(Language::English);
    EXPECT_EQ(Figures(Shown(Page<TFrmCurLabour>())), Figures(before));
    Choose(Language::Chinese);
    EXPECT_EQ(Shown(Page<TFrmCurLabour>()), before);
}

// The year's page built anew keeps a fault being typed and the figure typed after it; the open
// year is neither changed nor marked changed by the switch.
TEST_F(LanguageSwitch, TheYearPageKeepsWhatWasTyped) {
    const QTemporaryDir folder;
    FactInput::OpenYear(
        FactInput::WriteText(folder, QStringLiteral("a.json"), FactInput::ReadmeYear));
    ASSERT_TRUE(Main.Open(QStringLiteral("MCurYear")));
    auto *page = Page<TFrmTaxYear>();
    ASSERT_NE(page, nullptr);
    FactInput::TypeCell(page->Facts->TblPay, 1, QStringLiteral("income"),
                        QStringLiteral("25000.555"));
    ASSERT_FALSE(page->TxtMsgFacts->text().isEmpty());
    const bool modified = TOpenYear::Instance().IsModified();
    const QString year = TOpenYear::Instance().Path();
    const QString fault = page->TxtMsgFacts->text();
    const auto bonus = TOpenYear::Instance().Facts().Bonus;
    for (const Language lang : {Language::English, Language::Chinese}) {
        Choose(lang);
        page = Page<TFrmTaxYear>();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->Facts->TblPay->Value(1, QStringLiteral("income")), "25000.555");
        EXPECT_FALSE(page->TxtMsgFacts->text().isEmpty());
        EXPECT_EQ(TOpenYear::Instance().IsModified(), modified);
        EXPECT_EQ(TOpenYear::Instance().Path(), year);
        EXPECT_EQ(TOpenYear::Instance().Facts().Bonus.has_value(), bonus.has_value());
    }
    EXPECT_EQ(page->TxtMsgFacts->text(), fault);
}

// The household page built anew shows the split of the same two years, worked out once more
// from the files it names, with the same figures.
TEST_F(LanguageSwitch, TheHouseholdPageKeepsItsFilesAndItsSplit) {
    const QTemporaryDir folder;
    const QString a = FactInput::WriteText(folder, QStringLiteral("a.json"), FactInput::ReadmeYear);
    const QString b = FactInput::WriteText(folder, QStringLiteral("b.json"), FactInput::BusyYear);
    ASSERT_TRUE(Main.Open(QStringLiteral("MCurHousehold")));
    auto *page = Page<TFrmHousehold>();
    ASSERT_NE(page, nullptr);
    Type(page->TxtFileA, a);
    TypeAndEnter(page->TxtFileB, b);
    ASSERT_TRUE(WaitFor([&] { return !page->Calculating(); }));
    const QMap<QString, QString> before = Shown(page);
    for (const Language lang : {Language::English, Language::Chinese}) {
        Choose(lang);
        page = Page<TFrmHousehold>();
        ASSERT_NE(page, nullptr);
        // The paths put back are read after the typing pause; Enter reads them at once.
        QTest::keyClick(page->TxtFileA, Qt::Key_Return);
        ASSERT_TRUE(WaitFor([&] { return !page->Calculating(); }));
        EXPECT_EQ(page->TxtFileA->text(), a);
        EXPECT_EQ(page->TxtFileB->text(), b);
        EXPECT_EQ(Figures(Shown(page)), Figures(before));
    }
}

// A split still running when the language changes is done again on the new page from the whole
// household file: its nine shared children, its 19683 splits and the best total pendra-cli gives.
TEST_F(LanguageSwitch, TheHouseholdSplitRunningIsDoneAgainWhole) {
    const QTemporaryDir folder;
    const QString path = FactInput::WriteText(folder, QStringLiteral("nine.json"), R"({
"a": {"year": 2026, "jobs": [{"employer": "甲", "pay": [{"from": 1, "income": 10000}]}]},
"b": {"year": 2026, "jobs": [{"employer": "乙", "pay": [{"from": 1, "income": 20000}]}]},
"shared": {"children": [{"born": "2010-01-05"}, {"born": "2011-02-05"}, {"born": "2012-03-05"},
  {"born": "2014-04-05"}, {"born": "2016-05-05"}, {"born": "2018-06-05"},
  {"born": "2020-07-05"}, {"born": "2023-08-05"}, {"born": "2026-09-05"}]}})");
    const CliTest::Outcome run = CliTest::RunCli({QStringLiteral("household"), path, "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject json = CliTest::JsonOf(run);
    ASSERT_EQ(json.value(u"combinations").toInt(), 19683);
    const QString best = json.value(u"best").toObject().value(u"total").toString();
    ASSERT_TRUE(Main.Open(QStringLiteral("MCurHousehold")));
    auto *page = Page<TFrmHousehold>();
    ASSERT_NE(page, nullptr);
    TypeAndEnter(page->TxtHouseholdFile, path);
    ASSERT_TRUE(page->Calculating());
    Choose(Language::English);
    page = Page<TFrmHousehold>();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !page->Calculating(); }));
    EXPECT_EQ(page->Shared().Children.size(), 9u);
    EXPECT_TRUE(page->TxtBestTotal->text().startsWith(best))
        << page->TxtBestTotal->text().toStdString();
}

// The batch window is built anew over the sheet it holds, with its results and its filter.
TEST_F(LanguageSwitch, TheBatchWindowKeepsItsSheet) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("payroll.csv"));
    QFile sheet(path);
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write("工号,月份,收入\n7,1,20000\n7,2,20000\n8,1,9000\n");
    sheet.close();
    TFrmBatch *batch = Main.OpenBatch();
    ASSERT_NE(batch, nullptr);
    ASSERT_TRUE(BatchRuns::Opened(*batch, path));
    ASSERT_TRUE(BatchRuns::Calculated(*batch));
    Type(batch->TxtFilter, QStringLiteral("7"));
    ASSERT_TRUE(WaitFor([&] { return batch->SheetModel()->rowCount() == 2; }));
    // The totals follow the filter: employee 7's two months.
    const QString year = batch->TxtYearTax->text();
    const int rows = batch->SheetModel()->rowCount();
    const QPointer<QLabel> before = batch->TxtYearTax;
    Choose(Language::English);
    ASSERT_TRUE(WaitFor([&] { return !before; }));
    EXPECT_EQ(batch->TxtYearTax->text(), year);
    EXPECT_EQ(batch->TxtFilter->text(), QStringLiteral("7"));
    EXPECT_EQ(batch->SheetModel()->rowCount(), rows);
    EXPECT_TRUE(batch->SheetModel()->HasSheet());
    EXPECT_TRUE(AnswerModal<QMessageBox>(
        [batch] { batch->close(); },
        [](QMessageBox *box) { box->button(QMessageBox::Discard)->click(); }));
}

// The menus and the toolbar are made anew from the registry of the language; the choice is one of
// two, and the program's translator is there only in English.
TEST_F(LanguageSwitch, TheMenusSpeakTheLanguageChosen) {
    EXPECT_EQ(ProgramTranslator(), nullptr);
    Choose(Language::English);
    EXPECT_NE(ProgramTranslator(), nullptr);
    EXPECT_EQ(Main.T1->title(), QStringLiteral("&Tools"));
    EXPECT_EQ(Main.windowTitle(), TFrmMain::Caption());
    EXPECT_TRUE(Main.findChild<QAction *>(QStringLiteral("MEnglish"))->isChecked());
    EXPECT_FALSE(Main.findChild<QAction *>(QStringLiteral("MChinese"))->isChecked());
    EXPECT_NE(Main.ToolBar1->findChild<QWidget *>(QStringLiteral("TBtnCurWage")), nullptr);
    Choose(Language::Chinese);
    EXPECT_EQ(ProgramTranslator(), nullptr);
    EXPECT_EQ(Main.T1->title(), QStringLiteral("工具(&T)"));
    EXPECT_TRUE(Main.findChild<QAction *>(QStringLiteral("MChinese"))->isChecked());
    EXPECT_FALSE(Main.findChild<QAction *>(QStringLiteral("MEnglish"))->isChecked());
}

// Every toolbar caption shows whole in either language, and the buttons stay inside the window
// at its smallest.
TEST_F(LanguageSwitch, TheToolbarCaptionsShowWhole) {
    Main.resize(Main.minimumSize());
    for (const Language language : {Language::English, Language::Chinese}) {
        Choose(language);
        QCoreApplication::processEvents();
        const QList<QToolButton *> buttons = Main.ToolBar1->findChildren<QToolButton *>();
        ASSERT_GE(buttons.size(), 8);
        for (const QToolButton *button : buttons) {
            if (!button->isVisible() || button->objectName().isEmpty())
                continue;
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text().trimmed()),
                      button->width())
                << button->text().toStdString();
            EXPECT_LE(button->mapTo(&Main, QPoint(button->width(), 0)).x(), Main.width())
                << button->text().toStdString();
        }
    }
}

// The wage page's monthly table shows every column of the month without scrolling sideways in
// either language, the window at its smallest: a title of several words takes two lines.
TEST_F(LanguageSwitch, TheMonthTableShowsItsColumnsWhole) {
    Main.resize(Main.minimumSize());
    ASSERT_TRUE(Main.Open(QStringLiteral("MCurWage")));
    TypeAndEnter(Page<TFrmCurWage>()->TxtIncome, QStringLiteral("20000"));
    for (const Language language : {Language::English, Language::Chinese}) {
        Choose(language);
        QCoreApplication::processEvents();
        const QTableView *table = Page<TFrmCurWage>()->TblMonths;
        ASSERT_FALSE(table->model()->index(0, 1).data().toString().isEmpty());
        EXPECT_LE(table->horizontalHeader()->length(), table->viewport()->width());
    }
}

TEST_F(LanguageSwitch, TheChoiceIsKeptForTheNextStart) {
    {
        const TLocale chinese("zh_CN.UTF-8");
        Choose(Language::English);
        EXPECT_EQ(TFileManager::ReadLanguage(), Language::English);
        EXPECT_EQ(StartLanguage(), Language::English);
    }
    const TLocale english("en_US.UTF-8");
    Choose(Language::Chinese);
    EXPECT_EQ(TFileManager::ReadLanguage(), Language::Chinese);
    EXPECT_EQ(StartLanguage(), Language::Chinese);
}

// No language chosen yet: the locale decides, and a Chinese start loads no translation at all.
TEST(StartLanguage, TheFirstStartFollowsTheLocale) {
    ASSERT_EQ(TFileManager::ReadLanguage(), std::nullopt);
    {
        const TLocale chinese("zh_CN.UTF-8");
        EXPECT_EQ(StartLanguage(), Language::Chinese);
        UseStartLanguage();
        EXPECT_EQ(ProgramTranslator(), nullptr);
        EXPECT_EQ(QCoreApplication::translate("TFrmMain", "工具(&T)"), QStringLiteral("工具(&T)"));
    }
    {
        const TLocale english("en_US.UTF-8");
        EXPECT_EQ(StartLanguage(), Language::English);
        UseStartLanguage();
        EXPECT_NE(ProgramTranslator(), nullptr);
        TFrmMain main;
        EXPECT_EQ(main.T1->title(), QStringLiteral("&Tools"));
    }
    Translations::Apply(Language::Chinese, Translations::Scope::Qt);
    EXPECT_EQ(ProgramTranslator(), nullptr);
}

} // namespace
