// The special deductions dialog: the open year's deductions as dated facts, what each month comes
// to from the year engine, faults in the year file's words, and without a year the choices the
// parameter file kept before deductions were dated, taken into a fresh year.

#include "app/UFrmMain.h"
#include "common/UDeductionFacts.h"
#include "common/UDeductionsDialog.h"
#include "sheets/FaultWords.h"
#include "sheets/YearFile.h"
#include "support/ParamFolders.h"
#include "ui/FactInput.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace UiTest;
using namespace FactInput;

namespace {

// The total of Month (1 to 12; 13 is the year) in the dialog's table.
QString MonthTotal(const TFrmCurDeductions &Dialog, int Month) {
    const QTableWidgetItem *cell =
        Dialog.TblMonths->item(Month - 1, Dialog.TblMonths->columnCount() - 1);
    return cell ? cell->text() : QString();
}

QString Cents(current::Cents Value) {
    return QString::fromStdString(current::FormatCents(Value));
}

const QByteArray Year2026 =
    R"({"year": 2026, "jobs": [{"employer": "甲公司", "pay": [{"from": 1, "income": 20000}]}]})";

class CurDeductions : public ParamFolders {
  protected:
    void SetUp() override {
        ParamFolders::SetUp();
        OpenYear(WriteText(Files, QStringLiteral("2026.json"), Year2026));
    }
    QTemporaryDir Files;
};

// A child turning 3 in July (care, then education), a parent turning 60 in October, a certificate
// in June and the pension paid in December, month by month.
TEST_F(CurDeductions, DatedFactsGiveEachMonthItsDeductions) {
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    EXPECT_EQ(dialog.windowTitle(), "专项附加扣除（2026年）");
    TDeductionFacts &d = *dialog.Deductions;
    AddEntry(d.TblChildren, {{"born", QStringLiteral("2023-07-15")}});
    ChooseEntry(d.CmbElderly, 1);
    AddEntry(d.TblParents, {{"", QStringLiteral("1966-10-01")}});
    AddEntry(d.TblCertificates, {{"", QStringLiteral("2026-06")}});
    AddEntry(d.TblPension, {{"month", QStringLiteral("12")}, {"amount", QStringLiteral("12000")}});
    ASSERT_EQ(dialog.TxtMsg->text(), "");
    const QStringList totals{MonthTotal(dialog, 1), MonthTotal(dialog, 6),  MonthTotal(dialog, 7),
                             MonthTotal(dialog, 9), MonthTotal(dialog, 10), MonthTotal(dialog, 12),
                             MonthTotal(dialog, 13)};
    EXPECT_EQ(totals, (QStringList{"2000.00", "5600.00", "2000.00", "2000.00", "5000.00",
                                   "17000.00", "48600.00"}));
    EXPECT_EQ(dialog.TxtYearTotal->text(),
              "全年合计：48600.00元；另有大病医疗0.00元在年度汇算时扣除。");

    Click(dialog.BtnOK);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const current::YearFacts &year = TOpenYear::Instance().Facts();
    ASSERT_EQ(year.Children.size(), 1u);
    EXPECT_EQ(year.Children[0].Born, (current::Date{2023, 7, 15}));
    ASSERT_TRUE(year.Elderly);
    EXPECT_TRUE(year.Elderly->OnlyChild);
    EXPECT_EQ(year.Certificates, (std::vector<current::CalendarMonth>{{2026, 6}}));
    EXPECT_EQ(year.Jobs, sheets::ParseYearFile(Year2026).Facts->Jobs)
        << "the rest of the year stays";
    EXPECT_TRUE(TOpenYear::Instance().IsModified());
}

TEST_F(CurDeductions, AFaultIsSaidAtItsFieldAndNothingIsTaken) {
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    TDeductionFacts &d = *dialog.Deductions;
    ChooseEntry(d.CmbElderly, 2);
    AddEntry(d.TblParents, {{"", QStringLiteral("1960-01-01")}});
    Type(d.TxtElderlyShare, QStringLiteral("1600"));
    const QByteArray same =
        R"({"year": 2026, "jobs": [{"employer": "甲公司", "pay": [{"from": 1}]}],
        "elderly": {"parents_born": ["1960-01-01"], "only_child": false, "share": 1600}})";
    ASSERT_TRUE(sheets::ParseYearFile(same).Error.startsWith(QStringLiteral("elderly.share")))
        << "the file's reader names the key path";
    // The dialog names the field as the user sees it.
    EXPECT_EQ(dialog.TxtMsg->text(), "赡养老人的每月分摊额超过了2026年的上限1500.00元");
    Click(dialog.BtnOK);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d.TxtElderlyShare);
    EXPECT_FALSE(TOpenYear::Instance().Facts().Elderly);
    EXPECT_FALSE(TOpenYear::Instance().IsModified());
}

TEST_F(CurDeductions, CancelLeavesTheYearAsItWas) {
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    AddEntry(dialog.Deductions->TblChildren, {{"born", QStringLiteral("2020-01-01")}});
    Click(dialog.BtnCancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(TOpenYear::Instance().Facts().Children.empty());
    EXPECT_FALSE(TOpenYear::Instance().IsModified());
}

// Without a year open, the dialog shows a fresh year holding what the parameter file kept (an
// amount beyond its limit as the limit), dated so that each month deducts what the undated
// choices did; 确定 opens it as a year not yet saved.
TEST(CurDeductionsWithoutAYear, TheParameterFilesChoicesBecomeDatedFacts) {
    ParamFolders::WriteFile(TFileManager::FilePath(),
                            "[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\n"
                            "Children=1\nElderly=2\nElderlyShare=1600\nHousing=1\nEducation=2\n"
                            "Illness=90000\nPension=6000\nHealthInsurance=150\n");
    TFrmCurDeductions dialog;
    ShowActive(&dialog);
    ASSERT_TRUE(dialog.Edited());
    const int year = dialog.Edited()->Year;
    const current::YearRules &rules = *current::RulesOf(year);
    const TDeductionFacts &d = *dialog.Deductions;
    EXPECT_EQ(d.TblChildren->rowCount(), 1);
    EXPECT_EQ(d.CmbElderly->currentIndex(), 2);
    EXPECT_EQ(d.TxtElderlyShare->text(), sheets::json::PlainYuan(rules.ElderlyShareMax));
    EXPECT_TRUE(d.ChkLoan->isChecked());
    EXPECT_EQ(d.TblCertificates->Value(0, {}), QStringLiteral("%1-12").arg(year));
    EXPECT_EQ(d.TblIllness->Value(0, QStringLiteral("paid")), "95000");
    EXPECT_EQ(MonthTotal(dialog, 1),
              Cents(rules.ChildEducation + rules.ElderlyShareMax + rules.HousingLoan +
                    std::min(current::Yuan(150), rules.HealthMonthly)));
    EXPECT_EQ(MonthTotal(dialog, 12),
              Cents(rules.ChildEducation + rules.ElderlyShareMax + rules.HousingLoan +
                    std::min(current::Yuan(150), rules.HealthMonthly) + rules.Certificate +
                    std::min(current::Yuan(6000), rules.PensionCap)));
    EXPECT_FALSE(TOpenYear::Instance().IsOpen());
    Click(dialog.BtnOK);
    ASSERT_TRUE(TOpenYear::Instance().IsOpen());
    EXPECT_TRUE(TOpenYear::Instance().Path().isEmpty());
    EXPECT_TRUE(TOpenYear::Instance().IsModified());
    EXPECT_EQ(TOpenYear::Instance().Result().Settled.Illness, current::Yuan(80000));
}

TEST(CurDeductionsWithoutAYear, MenuEntryOpensTheDialog) {
    ParamFolders::WriteFile(
        TFileManager::FilePath(),
        "[\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD]\nElderly=1\nHousing=9\n");
    TFrmMain main;
    QString total, title;
    const ModalSeen seen = CloseNextModal(
        [&] { main.findChild<QAction *>(QStringLiteral("MCurDeductions"))->trigger(); },
        [&](QWidget *w) { total = MonthTotal(*qobject_cast<TFrmCurDeductions *>(w), 1); });
    EXPECT_EQ(seen.ClassName, "TFrmCurDeductions");
    const int year = seen.Title.mid(seen.Title.indexOf(u'（') + 1, 4).toInt();
    ASSERT_NE(current::RulesOf(year), nullptr) << seen.Title.toStdString();
    EXPECT_EQ(total, Cents(current::RulesOf(year)->ElderlyOnlyChild))
        << "a housing choice out of range reads as none";
    EXPECT_FALSE(main.findChild<QAction *>(QStringLiteral("MCurDeductions"))->isCheckable());
    EXPECT_FALSE(TOpenYear::Instance().IsOpen()) << "cancelled";
}

} // namespace
