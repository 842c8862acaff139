// The page 我的纳税年度: the figures pendra-cli gives for the same file, a file written back as it
// was read, figures that follow every edit, faults in the year file's words at their field, the
// question before unsaved changes are lost, what is typed surviving the page being built again,
// the last file reopened, and the special deductions of the parameter file taken into the first
// year.

#include "app/UFrmMain.h"
#include "cli/CliRun.h"
#include "common/UCurWageModel.h"
#include "common/UDeductionFacts.h"
#include "common/UFactTable.h"
#include "common/UFileManager.h"
#include "common/UOpenYear.h"
#include "common/UYearFacts.h"
#include "common/UYearFiles.h"
#include "common/UYearResults.h"
#include "engine/current/RulesInUse.h"
#include "pages/UFrmCurWage.h"
#include "pages/UFrmTaxYear.h"
#include "sheets/YearFile.h"
#include "support/ParamFolders.h"
#include "ui/FactInput.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <functional>
#include <memory>
#include <tuple>

using namespace UiTest;
using namespace FactInput;

namespace {

// The cli's timeline keys, in the order of the page's items.
const char *const TimelineKeys[] = {
    "children", "infant_care",          "elderly", "housing_loan",
    "rent",     "continuing_education", "pension", "health_insurance"};

QString Money(const QJsonValue &Value) {
    return Value.toString();
}

// The month's amount of an item as the chart is given it, in the cli's form.
QString BarOf(const TTimelineBars &Bars, const QString &Item, int Month) {
    for (const TTimelineItem &item : Bars.Items) {
        if (item.Name == Item)
            return QString::number(item.Values.value(Month - 1), 'f', 2);
    }
    return QStringLiteral("0.00");
}

// The column of the job's table headed Header, month by month.
QStringList Column(const TCurWageModel &Model, const QString &Header) {
    const QStringList lines = Model.TabText().split(u'\n', Qt::SkipEmptyParts);
    const int column = int(lines.front().split(u'\t').indexOf(Header));
    QStringList cells;
    for (qsizetype line = 1; line < lines.size(); ++line)
        cells << lines[line].split(u'\t').value(column);
    return cells;
}

class TaxYearPage : public ParamFolders {
  protected:
    QString Write(const QString &Name, const QByteArray &Text) {
        return WriteText(Files, Name, Text);
    }
    QTemporaryDir Files;
};

TEST_F(TaxYearPage, SameFiguresAsTheCommandLineForTheSameFile) {
    for (const QByteArray &text : {ReadmeYear, BusyYear}) {
        const QString path = Write(QStringLiteral("年度.json"), text);
        const CliTest::Outcome run =
            CliTest::RunCli({QStringLiteral("year"), path, QStringLiteral("--json")});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        const QJsonObject cli = CliTest::JsonOf(run);
        OpenYear(path);
        TFrmTaxYear page;
        ShowActive(&page);
        const TYearResults &r = *page.Results;

        const QJsonArray timeline = cli[QLatin1String("timeline")].toArray();
        for (int month = 1; month <= 12; ++month) {
            const QJsonObject due = timeline[month - 1].toObject();
            for (std::size_t i = 0; i < std::size(TimelineKeys); ++i)
                EXPECT_EQ(BarOf(r.Bars(), TimelineFields()[i].Title(), month),
                          Money(due[QLatin1String(TimelineKeys[i])]))
                    << TimelineKeys[i] << " in month " << month;
        }
        const QJsonArray jobs = cli[QLatin1String("jobs")].toArray();
        ASSERT_EQ(r.CmbJob->count(), jobs.size());
        for (int job = 0; job < jobs.size(); ++job) {
            r.CmbJob->setCurrentIndex(job);
            QStringList taxes;
            for (const QJsonValue &month : jobs[job][QLatin1String("months")].toArray())
                taxes << Money(month[QLatin1String("tax")]);
            EXPECT_EQ(Column(*r.JobModel, QStringLiteral("本月应预扣税额")).mid(0, taxes.size()),
                      taxes);
            EXPECT_TRUE(
                r.TxtJobWithheld->text().contains(Money(jobs[job][QLatin1String("withheld")])))
                << r.TxtJobWithheld->text().toStdString();
        }
        for (const QJsonValue &payment : cli[QLatin1String("payments")].toArray())
            EXPECT_TRUE(r.TxtPayments->text().contains(
                QStringLiteral("预扣%1元").arg(Money(payment[QLatin1String("tax")]))));
        EXPECT_TRUE(r.TxtPayments->text().contains(
            QStringLiteral("预扣%1元")
                .arg(Money(cli[QLatin1String("bonus")][QLatin1String("tax")]))));

        const QJsonObject s = cli[QLatin1String("settlement")].toObject();
        const std::pair<QLineEdit *, const char *> figures[] = {
            {r.TxtIncomeAmount, "income_amount"},
            {r.TxtSpecialYear, "special"},
            {r.TxtIllness, "illness"},
            {r.TxtPensionYear, "pension"},
            {r.TxtHealthYear, "health_insurance"},
            {r.TxtDeductions, "deductions"},
            {r.TxtTaxable, "taxable"},
            {r.TxtTax, "tax"},
            {r.TxtBonusTax, "bonus_tax"},
            {r.TxtTotalTax, "total_tax"},
            {r.TxtWithheld, "withheld"}};
        for (const auto &[edit, key] : figures)
            EXPECT_EQ(edit->text(), Money(s[QLatin1String(key)])) << key;
        EXPECT_EQ(r.TxtRate->text(), QStringLiteral("%1%").arg(s[QLatin1String("rate")].toInt()));
        EXPECT_EQ(r.TxtBalance->text(), Money(s[QLatin1String("balance")]).remove(u'-'));
        EXPECT_EQ(r.TxtMethod->text().startsWith(QStringLiteral("全年一次性奖金按并入综合所得")),
                  s[QLatin1String("bonus_method")].toString() == QStringLiteral("merged"));
        // The other method's total and the difference, as the command line gives them.
        const QString difference = Money(s[QLatin1String("difference")]);
        EXPECT_TRUE(r.TxtMethod->text().contains(
            QStringLiteral("应纳税额合计为%1元，%2%3元")
                .arg(Money(s[QLatin1String("other_method_tax")]),
                     difference.startsWith(u'-') ? QStringLiteral("少") : QStringLiteral("多"),
                     QString(difference).remove(u'-'))))
            << r.TxtMethod->text().toStdString();
        EXPECT_EQ(r.TxtFiling->text() == QStringLiteral("需要办理年度汇算"),
                  s[QLatin1String("must_file")].toBool());
        EXPECT_EQ(r.TxtFiling->text() == QStringLiteral("可以办理年度汇算申请退税"),
                  s[QLatin1String("reason")].toString() == QStringLiteral("refund"));
        EXPECT_FALSE(r.TxtReason->text().isEmpty());
    }
}

// Read, written by the page, read again: the same facts, whatever order and form the keys had.
TEST_F(TaxYearPage, AFileWrittenByThePageReadsBackIdentical) {
    const QString path = Write(QStringLiteral("busy.json"), BusyYear);
    OpenYear(path);
    TFrmTaxYear page;
    ShowActive(&page);
    // A payment added on the page goes into the file with the rest.
    AddEntry(page.Facts->TblPayments, {{"month", QStringLiteral("9")},
                                       {"kind", QStringLiteral("劳务报酬")},
                                       {"amount", QStringLiteral("4800.5")}});
    ASSERT_EQ(page.TxtMsgFacts->text(), "");
    const QString copy = Files.filePath(QStringLiteral("copy.json"));
    ASSERT_TRUE(YearFiles::SaveTo(&page, copy));
    const sheets::YearRead original = sheets::ReadYearFile(path);
    const sheets::YearRead written = sheets::ReadYearFile(copy);
    ASSERT_TRUE(written.Facts) << written.Error.toStdString();
    current::YearFacts expected = *original.Facts;
    expected.Payments.push_back({9, current::RemunerationKind::Labour, 480050});
    EXPECT_EQ(*written.Facts, expected);
    EXPECT_EQ(TOpenYear::Instance().Facts(), expected);
    EXPECT_FALSE(TOpenYear::Instance().IsModified());
    EXPECT_EQ(TOpenYear::Instance().Path(), QFileInfo(copy).absoluteFilePath());
}

// Each edit that checks is the open year's at once, and the figures follow: a raise from
// September, then a child born in the year.
TEST_F(TaxYearPage, EditingAFactRecomputesTheYear) {
    OpenYear(Write(QStringLiteral("a.json"), ReadmeYear));
    TFrmTaxYear page;
    ShowActive(&page);
    AddEntry(page.Facts->TblPay,
             {{"from", QStringLiteral("9")}, {"income", QStringLiteral("30000")}});
    current::YearFacts expected = *sheets::ParseYearFile(ReadmeYear).Facts;
    expected.Jobs[0].Pay.push_back({9, 3000000, 0, 250000, 0});
    EXPECT_EQ(TOpenYear::Instance().Facts(), expected);
    EXPECT_TRUE(TOpenYear::Instance().IsModified());
    const current::YearResult year = current::ComputeYear(expected);
    EXPECT_EQ(page.Results->TxtTotalTax->text(),
              QString::fromStdString(current::FormatCents(year.Settled.Figures.TotalTax)));
    EXPECT_NE(year.Jobs[0].Withheld,
              current::ComputeYear(*sheets::ParseYearFile(ReadmeYear).Facts).Jobs[0].Withheld);
    EXPECT_EQ(page.Results->JobModel->YearTax(), year.Jobs[0].Withheld);

    page.Facts->TabsFacts->setCurrentIndex(1);
    AddEntry(page.Facts->Deductions->TblChildren, {{"born", QStringLiteral("2026-04-20")}});
    ASSERT_EQ(TOpenYear::Instance().Facts().Children.size(), 2u);
    // The first child's care ends with April, the month before it turns 3; the second's begins.
    EXPECT_EQ(BarOf(page.Results->Bars(), QStringLiteral("婴幼儿照护"), 3), "2000.00");
    EXPECT_EQ(BarOf(page.Results->Bars(), QStringLiteral("婴幼儿照护"), 4), "4000.00");
    EXPECT_EQ(BarOf(page.Results->Bars(), QStringLiteral("婴幼儿照护"), 5), "2000.00");
}

// An edit of one field reaches the model as that field: after each, what the model holds checks
// as the whole form read anew does, to the same facts or the same fault, and the open year has
// the facts.
TEST_F(TaxYearPage, EachFieldEditedIsTheModelsAsTheFormHasIt) {
    OpenYear(Write(QStringLiteral("busy.json"), BusyYear));
    TFrmTaxYear page;
    ShowActive(&page);
    TYearFactsForm &form = *page.Facts;
    const std::pair<const char *, std::function<void()>> edits[] = {
        {"a payment's amount",
         [&] { TypeCell(form.TblPayments, 1, QStringLiteral("amount"), QStringLiteral("12500")); }},
        {"a pay's income",
         [&] { TypeCell(form.TblPay, 1, QStringLiteral("income"), QStringLiteral("32000")); }},
        {"a pay's month taken by the one before",
         [&] { TypeCell(form.TblPay, 1, QStringLiteral("from"), QStringLiteral("1")); }},
        {"the month put back",
         [&] { TypeCell(form.TblPay, 1, QStringLiteral("from"), QStringLiteral("4")); }},
        {"a donation added",
         [&] {
             AddEntry(form.TblDonations,
                      {{"month", QStringLiteral("3")}, {"amount", QStringLiteral("1000")}});
         }},
        {"the bonus", [&] { Type(form.TxtBonus, QStringLiteral("1")); }},
        {"the bonus's method", [&] { ChooseEntry(form.CmbBonusMethod, 1); }},
        {"the name", [&] { Type(form.TxtName, QStringLiteral("Zhang")); }},
        {"the days in China", [&] { form.SpnDays->setValue(200); }},
        {"a child's birthday",
         [&] {
             form.TabsFacts->setCurrentIndex(1);
             TypeCell(form.Deductions->TblChildren, 0, QStringLiteral("born"),
                      QStringLiteral("2012-09-02"));
         }},
        {"an illness's amount",
         [&] {
             TypeCell(form.Deductions->TblIllness, 1, QStringLiteral("paid"),
                      QStringLiteral("42000"));
         }},
    };
    bool faulted = false;
    for (const auto &[name, edit] : edits) {
        SCOPED_TRACE(name);
        edit();
        const TYearRead whole = ReadYearJson(form.Json());
        EXPECT_EQ(page.Model->Check().Facts, whole.Facts);
        EXPECT_EQ(page.Model->Check().Path, whole.Path);
        faulted = faulted || !whole.Facts;
        if (whole.Facts) {
            EXPECT_EQ(TOpenYear::Instance().Facts(), *whole.Facts);
        }
    }
    EXPECT_TRUE(faulted) << "two pay changes in one month are a fault";
    const current::YearFacts &facts = TOpenYear::Instance().Facts();
    EXPECT_EQ(facts.Payments[1].Amount, current::Yuan(12500));
    EXPECT_EQ(facts.Jobs[0].Pay[1].Income, current::Yuan(32000));
    EXPECT_EQ(facts.Donations.size(), 1u);
    EXPECT_EQ(facts.Bonus->Amount, current::Yuan(600001));
    EXPECT_EQ(facts.BonusMethod, current::BonusChoice::Separate);
    EXPECT_EQ(facts.Name, "Zhang");
    EXPECT_EQ(facts.DaysInChina, 200);
    EXPECT_EQ(facts.Children[0].Born, (current::Date{2012, 9, 2}));
    EXPECT_EQ(facts.Illness[1].Paid, current::Yuan(42000));
}

// Days in China and donations on the page: 182 days is a non-resident, with no settlement; 200
// days a resident, whose donation typed on the page (60000 within the limit) is deducted up to
// 30 % of 240000 − 60000 = 180000, 54000, as pendra-cli deducts it from the saved file.
TEST_F(TaxYearPage, DaysInChinaAndDonationsAsTheCommandLineSeesThem) {
    OpenYear(Write(QStringLiteral("d.json"),
                   R"({"year":2026,"days_in_china":182,
"jobs":[{"employer":"甲","pay":[{"from":1,"income":20000}]}]})"));
    TFrmTaxYear page;
    ShowActive(&page);
    EXPECT_EQ(page.Facts->SpnDays->value(), 182);
    EXPECT_TRUE(page.Facts->TxtResidency->text().startsWith(QStringLiteral("非居民个人")));
    EXPECT_EQ(page.Results->TxtFiling->text(), QStringLiteral("非居民个人，没有年度汇算"));
    EXPECT_EQ(page.Results->TxtTotalTax->text(), "");
    EXPECT_EQ(page.Results->JobModel->YearTax(), current::Yuan(1590 * 12));

    page.Facts->SpnDays->setValue(200);
    AddEntry(page.Facts->TblDonations,
             {{"month", QStringLiteral("3")}, {"amount", QStringLiteral("60000")}});
    ASSERT_EQ(page.TxtMsgFacts->text(), "");
    EXPECT_TRUE(page.Facts->TxtResidency->text().startsWith(QStringLiteral("居民个人")));
    EXPECT_EQ(TOpenYear::Instance().Facts().DaysInChina, 200);
    ASSERT_EQ(TOpenYear::Instance().Facts().Donations.size(), 1u);
    const QString copy = Files.filePath(QStringLiteral("copy.json"));
    ASSERT_TRUE(YearFiles::SaveTo(&page, copy));
    const QJsonObject s = CliTest::JsonOf(CliTest::RunCli({QStringLiteral("year"), copy, "--json"}))
                              .value(u"settlement")
                              .toObject();
    EXPECT_EQ(s.value(u"donations").toString(), u"54000.00");
    EXPECT_EQ(page.Results->TxtDonations->text(), "54000.00");
    EXPECT_EQ(page.Results->TxtDonationLimit->text(), "54000.00");
    EXPECT_EQ(page.Results->TxtTaxable->text(), Money(s.value(u"taxable")));
}

// A fault is said in the user's terms and marked at its cell; the year keeps its last facts
// that checked, and is not saved while the fault stands.
TEST_F(TaxYearPage, AFaultIsSaidInTheUsersTermsAtItsField) {
    const QString path = Write(QStringLiteral("a.json"), ReadmeYear);
    OpenYear(path);
    TFrmTaxYear page;
    ShowActive(&page);
    page.Facts->TabsFacts->setCurrentIndex(1);
    TFactTable *children = page.Facts->Deductions->TblChildren;
    TypeCell(children, 0, QStringLiteral("born"), QStringLiteral("2023-02-30"));
    QByteArray faulty = ReadmeYear;
    faulty.replace("2023-05-10", "2023-02-30");
    ASSERT_TRUE(sheets::ParseYearFile(faulty).Error.startsWith(QStringLiteral("children[0].born")))
        << "the file's reader names the key path";
    // The page names the field as the user sees it.
    const QString expected = page.TxtMsgFacts->text();
    EXPECT_TRUE(expected.startsWith(QStringLiteral("孩子1的出生日期"))) << expected.toStdString();
    EXPECT_FALSE(expected.contains(u"children")) << expected.toStdString();
    EXPECT_NE(children->item(0, 0)->background(), QBrush());
    EXPECT_FALSE(page.Results->isEnabled());
    EXPECT_EQ(TOpenYear::Instance().Facts(), *sheets::ParseYearFile(ReadmeYear).Facts);
    EXPECT_TRUE(TOpenYear::Instance().IsModified());

    const ModalSeen seen = CloseNextModal([&] { page.Save(false); });
    EXPECT_TRUE(seen.Text.contains(expected)) << seen.Text.toStdString();
    EXPECT_EQ(sheets::ReadYearFile(path).Facts, sheets::ParseYearFile(ReadmeYear).Facts);

    TypeCell(children, 0, QStringLiteral("born"), QStringLiteral("2023-02-28"));
    EXPECT_EQ(page.TxtMsgFacts->text(), "");
    EXPECT_TRUE(page.Results->isEnabled());
    EXPECT_EQ(TOpenYear::Instance().Facts().Children[0].Born, (current::Date{2023, 2, 28}));
}

// A value that does not check is marked at its cell, which says the fault when pointed at; the
// figures of the last facts that checked stay on the page until the value is put right.
TEST_F(TaxYearPage, AValueTypedWrongIsMarkedAtItsCellAndTheFiguresStay) {
    OpenYear(Write(QStringLiteral("a.json"), ReadmeYear));
    TFrmTaxYear page;
    ShowActive(&page);
    const QString total = page.Results->TxtTotalTax->text();
    ASSERT_FALSE(total.isEmpty());
    TFactTable *pay = page.Facts->TblPay;
    const int from = pay->ColumnOf(QStringLiteral("from"));
    TypeCell(pay, 1, QStringLiteral("from"), QStringLiteral("1"));
    const QString fault = page.TxtMsgFacts->text();
    ASSERT_FALSE(fault.isEmpty());
    EXPECT_NE(pay->item(1, from)->background(), QBrush());
    EXPECT_EQ(pay->item(1, from)->toolTip(), fault);
    EXPECT_EQ(page.Results->TxtTotalTax->text(), total);
    EXPECT_EQ(TOpenYear::Instance().Facts(), *sheets::ParseYearFile(ReadmeYear).Facts);

    TypeCell(pay, 1, QStringLiteral("from"), QStringLiteral("8"));
    EXPECT_EQ(page.TxtMsgFacts->text(), "");
    EXPECT_EQ(pay->item(1, from)->background(), QBrush());
    EXPECT_EQ(pay->item(1, from)->toolTip(), QString());
    EXPECT_NE(page.Results->TxtTotalTax->text(), total);
}

// The page is deleted and built again (another page chosen, the language switched): a fault not
// yet put right comes back as typed; once the year changes elsewhere, the year's facts do.
TEST_F(TaxYearPage, WhatIsTypedSurvivesThePageBuiltAgain) {
    OpenYear(Write(QStringLiteral("a.json"), ReadmeYear));
    {
        TFrmTaxYear page;
        ShowActive(&page);
        TypeCell(page.Facts->TblPay, 1, QStringLiteral("income"), QStringLiteral("25000.555"));
        page.Facts->TxtBonus->clear();
        Type(page.Facts->TxtBonus, QStringLiteral("45000"));
        ASSERT_FALSE(page.TxtMsgFacts->text().isEmpty());
    }
    {
        TFrmTaxYear page;
        ShowActive(&page);
        EXPECT_EQ(page.Facts->TblPay->Value(1, QStringLiteral("income")), "25000.555");
        EXPECT_EQ(page.Facts->TxtBonus->text(), "45000");
        EXPECT_TRUE(
            page.TxtMsgFacts->text().startsWith(QStringLiteral("甲公司第2行工资的每月收入")))
            << page.TxtMsgFacts->text().toStdString();
        TypeCell(page.Facts->TblPay, 1, QStringLiteral("income"), QStringLiteral("25000.5"));
        EXPECT_EQ(TOpenYear::Instance().Facts().Bonus->Amount, 4500000);
    }
    current::YearFacts changed = TOpenYear::Instance().Facts();
    changed.Jobs[0].Employer = "乙公司";
    changed.Bonus->Employer = "乙公司";
    TOpenYear::Instance().Update(changed);
    TFrmTaxYear page;
    ShowActive(&page);
    EXPECT_EQ(page.Facts->TblJobs->Value(0, QStringLiteral("employer")), "乙公司");
    EXPECT_EQ(page.Facts->TblPay->Value(1, QStringLiteral("income")), "25000.50");
}

// Each kind of fault at its field, in the words of the page: a field left blank, two employers
// deducting the same month, a text that is not what its field takes; never a key of the file.
TEST_F(TaxYearPage, FaultsInTheUsersTerms) {
    OpenYear(Write(QStringLiteral("a.json"), ReadmeYear));
    TFrmTaxYear page;
    ShowActive(&page);
    TFactTable *jobs = page.Facts->TblJobs;
    // A second job from September, deducting too.
    TypeCell(jobs, 0, QStringLiteral("to"), QStringLiteral("8"));
    AddEntry(jobs, {{"employer", QStringLiteral("乙公司")}});
    ASSERT_EQ(jobs->rowCount(), 2);
    EXPECT_EQ(jobs->Value(1, QStringLiteral("from")), "9") << "after the last job's months";
    AddEntry(page.Facts->TblPay, {});
    EXPECT_EQ(page.Facts->TblPay->Value(1, QStringLiteral("from")), "10")
        << "after the last pay's month";
    page.Facts->TblPay->setCurrentCell(1, 0);
    Click(page.Facts->TblPay->BtnRemove);
    TypeCell(page.Facts->TblPay, 0, QStringLiteral("income"), QStringLiteral("30000"));
    ASSERT_EQ(page.TxtMsgFacts->text(), "");
    TypeCell(jobs, 0, QStringLiteral("to"), QStringLiteral("9"));
    EXPECT_EQ(page.TxtMsgFacts->text(), "甲公司和乙公司在9月都扣专项附加扣除，只能有一家");
    EXPECT_NE(jobs->item(1, jobs->ColumnOf(QStringLiteral("deductions_here")))->background(),
              QBrush());
    TypeCell(jobs, 0, QStringLiteral("to"), QStringLiteral("8"));
    ASSERT_EQ(page.TxtMsgFacts->text(), "");

    page.Facts->TabsFacts->setCurrentIndex(1);
    TFactTable *children = page.Facts->Deductions->TblChildren;
    // The date deleted in its cell, as a user clears it.
    children->setFocus(Qt::OtherFocusReason);
    children->setCurrentCell(0, children->ColumnOf(QStringLiteral("born")));
    QTest::keyClick(children, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(OpenEditor(children));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(page.TxtMsgFacts->text(), "孩子1的出生日期未填");
    EXPECT_NE(children->item(0, 0)->background(), QBrush());
    TypeCell(children, 0, QStringLiteral("born"), QStringLiteral("2023-05-10"));
    TFactTable *certificates = page.Facts->Deductions->TblCertificates;
    TypeCell(certificates, 0, {}, QStringLiteral("202606"));
    EXPECT_TRUE(page.TxtMsgFacts->text().startsWith(u"第1个职业资格证书的取得证书的年月“202606”"))
        << page.TxtMsgFacts->text().toStdString();
    EXPECT_FALSE(page.TxtMsgFacts->text().contains(u"certificates"));
}

TEST_F(TaxYearPage, UnsavedChangesAreAskedAboutBeforeTheWindowCloses) {
    const QString path = Write(QStringLiteral("a.json"), ReadmeYear);
    TFrmMain main;
    ShowActive(&main);
    OpenYear(path);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("a.json - ") + TFrmMain::Caption());
    main.Open(QStringLiteral("MCurYear"));
    auto *page = qobject_cast<TFrmTaxYear *>(main.CurrentPage());
    ASSERT_NE(page, nullptr);
    TypeCell(page->Facts->TblJobs, 0, QStringLiteral("employer"), QStringLiteral("甲有限公司"));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("a.json* - ") + TFrmMain::Caption());

    // Cancelled, the window stays; opening another file asks too.
    ModalSeen seen = CloseNextModal([&] { main.close(); });
    EXPECT_EQ(seen.Text, QStringLiteral("纳税年度“a.json”有未保存的修改，是否保存？"));
    EXPECT_TRUE(main.isVisible());
    seen = CloseNextModal([&] { EXPECT_FALSE(YearFiles::OpenPath(&main, path)); });
    EXPECT_TRUE(seen.Shown);
    EXPECT_EQ(TOpenYear::Instance().Facts().Jobs[0].Employer, "甲有限公司");

    // Saved at the question: the file has the change, and the window closes.
    CloseNextModal([&] { main.close(); },
                   [](QWidget *Box) { Find<QPushButton>(Box, "BtnSaveYear")->click(); });
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(sheets::ReadYearFile(path).Facts->Jobs[0].Employer, "甲有限公司");
}

TEST_F(TaxYearPage, UnsavedChangesGivenUpAtTheQuestionAreNotWritten) {
    const QString path = Write(QStringLiteral("a.json"), ReadmeYear);
    TFrmMain main;
    ShowActive(&main);
    OpenYear(path);
    main.Open(QStringLiteral("MCurYear"));
    auto *page = qobject_cast<TFrmTaxYear *>(main.CurrentPage());
    TypeCell(page->Facts->TblJobs, 0, QStringLiteral("employer"), QStringLiteral("丙公司"));
    CloseNextModal([&] { main.close(); },
                   [](QWidget *Box) { Find<QPushButton>(Box, "BtnDiscardYear")->click(); });
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(sheets::ReadYearFile(path).Facts->Jobs[0].Employer, "甲公司");
}

// The file open at the end is open again at the next start, and the page shows it.
TEST_F(TaxYearPage, TheLastFileIsReopenedAtTheNextStart) {
    const QString path = Write(QStringLiteral("a.json"), ReadmeYear);
    {
        TFrmMain main;
        ShowActive(&main);
        OpenYear(path);
        main.Open(QStringLiteral("MCurYear"));
        main.close();
    }
    TOpenYear::Instance().Close(); // the program ends
    TFrmMain main;
    ASSERT_TRUE(WaitFor([] { return TOpenYear::Instance().IsOpen(); }));
    EXPECT_EQ(TOpenYear::Instance().Path(), QFileInfo(path).absoluteFilePath());
    EXPECT_TRUE(main.windowTitle().startsWith(QStringLiteral("a.json - ")));
    auto *page = qobject_cast<TFrmTaxYear *>(main.CurrentPage());
    ASSERT_NE(page, nullptr) << "the page shown at the end";
    EXPECT_EQ(page->Facts->TblJobs->Value(0, QStringLiteral("employer")), "甲公司");
}

// The remembered year is read while the first window is made: the window is there without it,
// its first page takes the year's figures when it comes, as it would have from a year already
// open, and a year the user opened meanwhile is left as it is.
TEST_F(TaxYearPage, TheRememberedYearComesAfterTheFirstWindow) {
    const QString path = Write(QStringLiteral("a.json"), ReadmeYear);
    TFileManager::WriteLastYearFile(path);
    TOpenYear::Instance().Close();
    {
        TFrmMain main;
        auto *page = qobject_cast<TFrmCurWage *>(main.CurrentPage());
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(TOpenYear::Instance().IsOpen()) << "read before the window was made";
        EXPECT_TRUE(page->TxtIncome->text().isEmpty());
        ASSERT_TRUE(WaitFor([] { return TOpenYear::Instance().IsOpen(); }));
        EXPECT_EQ(TOpenYear::Instance().Path(), QFileInfo(path).absoluteFilePath());
        EXPECT_TRUE(main.windowTitle().startsWith(QStringLiteral("a.json - ")));
        EXPECT_TRUE(page->TxtIncome->text().startsWith(QStringLiteral("20000")))
            << page->TxtIncome->text().toStdString();
    }
    TOpenYear::Instance().Close();
    const QString other = Write(QStringLiteral("b.json"), ReadmeYear);
    TFrmMain main;
    OpenYear(other);
    ASSERT_TRUE(WaitFor([] { return !YearFiles::Reopening(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(TOpenYear::Instance().Path(), QFileInfo(other).absoluteFilePath());
}

// Another program (or another window) saved the year's file after this one read it: saving asks
// first, and each answer does what it says; a save with nothing written in between asks nothing.
TEST_F(TaxYearPage, SavingOverAFileChangedSinceAsksFirst) {
    const QString path = Write(QStringLiteral("a.json"), ReadmeYear);
    const auto named = [](current::YearFacts Facts, const char *Employer) {
        Facts.Jobs[0].Employer = Employer;
        Facts.Bonus->Employer = Employer;
        return Facts;
    };
    struct Answer {
        const char *Button;
        bool Saved;
        const char *InFile, *Open;
    };
    for (const Answer &answer : {Answer{"BtnCancelSaveYear", false, "乙公司", "丙公司"},
                                 Answer{"BtnReloadYear", false, "乙公司", "乙公司"},
                                 Answer{"BtnOverwriteYear", true, "丙公司", "丙公司"}}) {
        SCOPED_TRACE(answer.Button);
        TOpenYear::Instance().Close();
        Write(QStringLiteral("a.json"), ReadmeYear);
        OpenYear(path);
        TOpenYear &year = TOpenYear::Instance();
        year.Update(named(year.Facts(), "丙公司"));
        const current::YearFacts theirs = named(year.Facts(), "乙公司");
        ASSERT_TRUE(sheets::WriteYearFile(path, theirs).isEmpty());
        const ModalSeen seen =
            CloseNextModal([&] { EXPECT_EQ(YearFiles::Save(nullptr), answer.Saved); },
                           [&](QWidget *Box) {
                               EXPECT_EQ(Box->objectName(), QStringLiteral("MsgYearFileChanged"));
                               Find<QPushButton>(Box, answer.Button)->click();
                           });
        EXPECT_TRUE(seen.Text.startsWith(QStringLiteral("年度文件“%1”在本程序读取或保存之后")
                                             .arg(QDir::toNativeSeparators(path))));
        EXPECT_EQ(sheets::ReadYearFile(path).Facts->Jobs[0].Employer, answer.InFile);
        EXPECT_EQ(year.Facts().Jobs[0].Employer, answer.Open);
        EXPECT_EQ(year.IsModified(), answer.Open != std::string("乙公司") && !answer.Saved);
    }
    // The year just saved is the file's: saved again, nothing is asked.
    TOpenYear::Instance().Update(named(TOpenYear::Instance().Facts(), "丁公司"));
    EXPECT_FALSE(CloseNextModal([] { EXPECT_TRUE(YearFiles::Save(nullptr)); }).Shown);
    EXPECT_EQ(sheets::ReadYearFile(path).Facts->Jobs[0].Employer, "丁公司");
}

// A remembered year file of a megabyte that is refused is said once, in a short message, and
// forgotten: the next start neither reads it nor says it again.
TEST_F(TaxYearPage, ARefusedLastFileIsSaidShortlyAndForgotten) {
    QByteArray text(ReadmeYear);
    text.replace("\"按月\"", "\"" + QByteArray(1000000, 'x') + "\"");
    const QString path = Write(QStringLiteral("huge.json"), text);
    TFileManager::WriteLastYearFile(path);
    TOpenYear::Instance().Close();
    {
        TFrmMain main;
        ASSERT_TRUE(WaitFor([] { return !YearFiles::Reopening(); }));
        EXPECT_FALSE(TOpenYear::Instance().IsOpen());
        EXPECT_FALSE(TFileManager::ReadLastYearFile().has_value());
        main.Open(QStringLiteral("MCurYear"));
        auto *page = qobject_cast<TFrmTaxYear *>(main.CurrentPage());
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->LblFile->text().contains(
            QStringLiteral("jobs[0].mode：未知的值“%1…”").arg(QString(40, u'x'))));
        EXPECT_LT(page->LblFile->text().size(), 400);
    }
    TFrmMain again;
    again.Open(QStringLiteral("MCurYear"));
    auto *page = qobject_cast<TFrmTaxYear *>(again.CurrentPage());
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->LblFile->text().contains(QStringLiteral("未能打开")));
}

// What the special deductions dialog kept in the parameter file is the first year's, until a
// year that took it is saved; the section itself stays as it was.
TEST_F(TaxYearPage, TheParameterFilesDeductionsGoIntoTheFirstYearOnce) {
    const QByteArray section = "[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\r\n"
                               "Children=2\r\nChildrenShare=50\r\nElderly=1\r\nHousing=3\r\n";
    WriteFile(BesideProgram(), section);
    TFrmTaxYear page;
    ShowActive(&page);
    const TDeductionFacts &d = *page.Facts->Deductions;
    EXPECT_EQ(d.TblChildren->rowCount(), 2);
    EXPECT_EQ(d.TblChildren->Value(1, QStringLiteral("share")), "50");
    EXPECT_EQ(d.CmbElderly->currentIndex(), 1);
    EXPECT_EQ(d.TblRent->Value(0, QStringLiteral("amount")), "1500");
    EXPECT_FALSE(TOpenYear::Instance().IsOpen()) << "nothing opens before the user changes it";

    TypeCell(page.Facts->TblPay, 0, QStringLiteral("income"), QStringLiteral("18000"));
    ASSERT_TRUE(TOpenYear::Instance().IsOpen());
    // Each child in education, the parent past 60 and the lease, every month of the year.
    const current::EntitlementMonth &june = TOpenYear::Instance().Result().Entitlements[5];
    EXPECT_EQ(june.Children, current::RulesOf(TOpenYear::Instance().Facts().Year)->ChildEducation);
    EXPECT_GT(june.Elderly, 0);
    EXPECT_GT(june.Rent, 0);
    ASSERT_TRUE(YearFiles::SaveTo(&page, Files.filePath(QStringLiteral("first.json"))));
    EXPECT_TRUE(ReadFile(BesideProgram()).startsWith(section));
    EXPECT_TRUE(TFileManager::ReadDeductionsMoved());

    Click(page.BtnNew);
    EXPECT_FALSE(TOpenYear::Instance().IsOpen());
    EXPECT_EQ(d.TblChildren->rowCount(), 0) << "a later year starts without them";
}

} // namespace

// The columns share the table's width: a caption longer than its column wraps onto more lines
// (the header grows), and the header goes back to one line when the column is wide again.
// The ways of the basic deduction the year's law does not have are greyed in the list, with the
// reason: 6万 from 2021 (国家税务总局公告2020年第19号), 自1月 from July 2020 (2020年第13号).
TEST_F(TaxYearPage, WaysNotYetTheLawAreGreyedWithTheReason) {
    OpenYear(Write(QStringLiteral("a.json"), ReadmeYear));
    TFrmTaxYear page;
    ShowActive(&page);
    TFactTable *jobs = page.Facts->TblJobs;
    const auto greyed = [&] {
        jobs->setFocus(Qt::OtherFocusReason);
        jobs->setCurrentCell(0, jobs->ColumnOf(QStringLiteral("mode")));
        QTest::keyClick(jobs, Qt::Key_F2);
        auto *combo = qobject_cast<QComboBox *>(OpenEditor(jobs));
        QStringList seen;
        for (int i = 0; combo && i < combo->count(); ++i) {
            if (!(combo->model()->flags(combo->model()->index(i, 0)) & Qt::ItemIsEnabled))
                seen << combo->itemText(i) + u'|' + combo->itemData(i, Qt::ToolTipRole).toString();
        }
        QTest::keyClick(combo ? static_cast<QWidget *>(combo) : jobs, Qt::Key_Escape);
        return seen;
    };
    page.Facts->SpnYear->setValue(2019);
    EXPECT_EQ(greyed(),
              (QStringList{"自1月|“自1月”自2020年7月1日起施行（国家税务总局公告2020年第13号），"
                           "2019年不能采用",
                           "6万|“6万”自2021年1月1日起施行（国家税务总局公告2020年第19号），"
                           "2019年不能采用"}));
    page.Facts->SpnYear->setValue(2020);
    EXPECT_EQ(greyed(), (QStringList{"6万|“6万”自2021年1月1日起施行（国家税务总局公告2020年"
                                     "第19号），2020年不能采用"}));
    page.Facts->SpnYear->setValue(2021);
    EXPECT_EQ(greyed(), QStringList());
}

// A year whose law has no separate bonus (the README's year with the method ended): the bonus is
// settled merged, the page says why, and the list of methods is greyed with the same reason.
TEST_F(TaxYearPage, AYearWithoutTheSeparateBonusMergesItAndSaysWhy) {
    current::YearRules ended = *current::RulesOf(2026);
    ended.SeparateBonus = false;
    const current::RulesStandIn law(ended);
    OpenYear(Write(QStringLiteral("a.json"), ReadmeYear));
    TFrmTaxYear page;
    ShowActive(&page);
    const QString said = QStringLiteral("2026年没有全年一次性奖金单独计税的办法：奖金并入当月工资"
                                        "薪金预扣预缴，年度汇算并入综合所得");
    EXPECT_EQ(TOpenYear::Instance().Result().Settled.Method, current::BonusMethod::Merged);
    EXPECT_FALSE(TOpenYear::Instance().Result().Bonus.has_value());
    EXPECT_FALSE(page.Facts->CmbBonusMethod->isEnabled());
    EXPECT_EQ(page.Facts->CmbBonusMethod->toolTip(), said);
    EXPECT_EQ(page.Results->TxtMethod->text(), said + u'。');
    EXPECT_EQ(page.Results->TxtBonusTax->text(), "0.00");
}

// Two jobs of 10000 a month for six months each: 900 withheld by each, the year's 60000 taxable
// → 3480, 1680 owed on an income of 120000, no return needed by the year's own announcement. A
// pension paid in 2022: deducted in the pilot cities only then, said once for two payments.
TEST_F(TaxYearPage, TheSettlementAndThePensionInTheWordsOfTheirYear) {
    const char *text = R"({"year": %1, "jobs": [
        {"employer": "甲", "from": 1, "to": 6, "pay": [{"from": 1, "income": 10000}]},
        {"employer": "乙", "from": 7, "to": 12, "deductions_here": false,
         "pay": [{"from": 7, "income": 10000}]}]%2})";
    const QString payments =
        QStringLiteral(R"(, "pension": [{"month": 11, "amount": 1}, {"month": 12, "amount": 1}])");
    const QString pilot = QStringLiteral("个人养老金扣除只在先行试点城市（地区）实施");
    for (const auto &[year, announcement, pension] :
         {std::tuple{2019, "财政部 税务总局公告2019年第94号", false},
          std::tuple{2022, "财政部 税务总局公告2021年第42号", true},
          std::tuple{2025, "财政部 税务总局公告2023年第32号", true}}) {
        OpenYear(
            Write(QStringLiteral("y.json"),
                  QString::fromUtf8(text).arg(year).arg(pension ? payments : QString()).toUtf8()));
        TFrmTaxYear page;
        ShowActive(&page);
        const TYearResults &r = *page.Results;
        EXPECT_TRUE(r.TxtReason->text().contains(QString::fromUtf8(announcement)))
            << r.TxtReason->text().toStdString();
        EXPECT_EQ(r.TxtMethod->text().count(pilot), year == 2022 ? 1 : 0) << year;
        const auto *note =
            page.Facts->Deductions->findChild<QLabel *>(QStringLiteral("NotePension"));
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->text().contains(pilot), year == 2022);
    }
}

TEST(FactTableHeader, ACaptionLongerThanItsColumnWraps) {
    TFactTable table(QStringLiteral("TblWide"), QStringLiteral("Caption"),
                     {TFactColumn::Amount(QStringLiteral("a"), QStringLiteral("short")),
                      TFactColumn::Amount(QStringLiteral("b"),
                                          QStringLiteral("a caption of many words to wrap"))});
    const int line = table.horizontalHeader()->fontMetrics().height();
    table.resize(2000, table.height());
    table.show();
    QCoreApplication::processEvents();
    const int wide = table.horizontalHeader()->height();
    EXPECT_LT(wide, 2 * line);
    table.resize(table.minimumSizeHint().width(), table.height());
    QCoreApplication::processEvents();
    EXPECT_GE(table.horizontalHeader()->height(), 2 * line);
    EXPECT_GE(table.height(),
              table.horizontalHeader()->height() + table.verticalHeader()->defaultSectionSize());
    table.resize(2000, table.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(table.horizontalHeader()->height(), wide);
}
