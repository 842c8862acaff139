// The 反算 dialogs of the current-law pages: opened from each page with what the page has typed,
// giving the answers of pendra-cli reverse for the same inputs, and refusing what they cannot
// answer.

#include "cli/CliRun.h"
#include "common/UReverseDialog.h"
#include "pages/UFrmCurBonus.h"
#include "pages/UFrmCurLabour.h"
#include "pages/UFrmCurWage.h"
#include "support/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <vector>

using namespace UiTest;

namespace {

using Subject = TFrmCurReverse::Subject;

struct DialogCase {
    const char *Cli; // the same inputs, as pendra-cli takes them
    Subject What;
    std::vector<const char *> Clicked;                        // choices, clicked first
    std::vector<std::pair<const char *, const char *>> Typed; // edit, text
};

void PrintTo(const DialogCase &c, std::ostream *os) {
    *os << c.Cli;
}

class SameAsTheCommandLine : public ::testing::TestWithParam<DialogCase> {};

TEST_P(SameAsTheCommandLine, GrossNetAndFigures) {
    const DialogCase &c = GetParam();
    TFrmCurReverse dialog(c.What, {});
    ShowActive(&dialog);
    for (const char *radio : c.Clicked)
        Click(Find<QRadioButton>(&dialog, QString::fromLatin1(radio)));
    for (const auto &[edit, text] : c.Typed)
        Type(Find<QLineEdit>(&dialog, QString::fromLatin1(edit)), QString::fromUtf8(text));
    Click(dialog.BtnCalc);
    ASSERT_TRUE(dialog.TxtMsg->text().isEmpty()) << dialog.TxtMsg->text().toStdString();

    const CliTest::Outcome run =
        CliTest::RunCli(QString::fromUtf8(c.Cli).split(u' ') << QStringLiteral("--json"));
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject json = CliTest::JsonOf(run);
    EXPECT_EQ(dialog.TxtGross->text(), json.value(u"gross").toString());
    EXPECT_EQ(dialog.TxtNet->text(), json.value(u"net").toString());
    // A figure of each kind's details, as the command prints it.
    const QString detail = c.What == Subject::Wage ? json.value(u"year_net").toString()
                           : c.What == Subject::Bonus
                               ? json.value(u"cliff_above").toObject().value(u"to").toString()
                               : json.value(u"tax").toString();
    EXPECT_TRUE(dialog.TxtDetails->text().contains(detail))
        << dialog.TxtDetails->text().toStdString() << " lacks " << detail.toStdString();
    EXPECT_TRUE(dialog.BtnCopyGross->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, SameAsTheCommandLine,
    ::testing::Values(
        DialogCase{"reverse wage --net 15000 --insurance 2000 --special 3000",
                   Subject::Wage,
                   {},
                   {{"TxtTarget", "15000"}, {"TxtInsurance", "2000"}, {"TxtSpecial", "3000"}}},
        DialogCase{"reverse wage --net 15000 --exempt 500 --insurance-rate 10.5 --base-min 7162 "
                   "--base-max 35811 --other 100",
                   Subject::Wage,
                   {"RBtnByRate"},
                   {{"TxtTarget", "15000"},
                    {"TxtExempt", "500"},
                    {"TxtRate", "10.5"},
                    {"TxtBaseMin", "7162"},
                    {"TxtBaseMax", "35811"},
                    {"TxtOther", "100"}}},
        DialogCase{"reverse wage --net 60000 --insurance-rate 10.5 --base-min 7162 "
                   "--base-max 35811",
                   Subject::Wage,
                   {"RBtnByRate"},
                   {{"TxtTarget", "60000"},
                    {"TxtRate", "10.5"},
                    {"TxtBaseMin", "7162"},
                    {"TxtBaseMax", "35811"}}},
        DialogCase{"reverse wage --net 4000 --insurance-rate 8 --base-min 7162",
                   Subject::Wage,
                   {"RBtnByRate"},
                   {{"TxtTarget", "4000"}, {"TxtRate", "8"}, {"TxtBaseMin", "7162"}}},
        DialogCase{"reverse bonus --net 34920.01 --taxable 100000",
                   Subject::Bonus,
                   {},
                   {{"TxtTarget", "34920.01"}, {"TxtOtherTaxable", "100000"}}},
        DialogCase{"reverse bonus --net 100000", Subject::Bonus, {}, {{"TxtTarget", "100000"}}},
        DialogCase{"reverse labour --net 16800", Subject::Labour, {}, {{"TxtTarget", "16800"}}},
        DialogCase{"reverse labour --net 9650 --kind author --nonresident",
                   Subject::Labour,
                   {"RBtnAuthor", "RBtnNonResident"},
                   {{"TxtTarget", "9650"}}},
        DialogCase{"reverse labour --net 3000 --kind royalty",
                   Subject::Labour,
                   {"RBtnRoyalty"},
                   {{"TxtTarget", "3000"}}}));

struct RefusalCase {
    const char *What;
    std::vector<std::pair<const char *, const char *>> Typed;
    const char *FocusOn;
    const char *Message;
};

void PrintTo(const RefusalCase &c, std::ostream *os) {
    *os << c.What;
}

class DialogRefuses : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DialogRefuses, NamesTheFaultAndShowsNoAnswer) {
    TFrmCurReverse dialog(Subject::Wage, {});
    ShowActive(&dialog);
    Click(dialog.RBtnByRate);
    for (const auto &[edit, text] : GetParam().Typed)
        Find<QLineEdit>(&dialog, QString::fromLatin1(edit))->setText(QString::fromUtf8(text));
    Click(dialog.BtnCalc);
    EXPECT_TRUE(dialog.TxtMsg->text().contains(QString::fromUtf8(GetParam().Message)))
        << dialog.TxtMsg->text().toStdString();
    EXPECT_TRUE(dialog.TxtGross->text().isEmpty());
    EXPECT_FALSE(dialog.BtnCopyGross->isEnabled());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(GetParam().FocusOn));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DialogRefuses,
    ::testing::Values(RefusalCase{"no target", {{"TxtRate", "10"}}, "TxtTarget", "数据无效"},
                      RefusalCase{"three decimals of a rate",
                                  {{"TxtTarget", "8000"}, {"TxtRate", "10.555"}},
                                  "TxtRate",
                                  "最多两位小数"},
                      RefusalCase{"a rate over 100 %",
                                  {{"TxtTarget", "8000"}, {"TxtRate", "100.5"}},
                                  "TxtRate",
                                  "0到100"},
                      RefusalCase{"the ceiling below the floor",
                                  {{"TxtTarget", "8000"},
                                   {"TxtRate", "10"},
                                   {"TxtBaseMin", "9000"},
                                   {"TxtBaseMax", "8000"}},
                                  "TxtBaseMax",
                                  "上限不能低于下限"},
                      RefusalCase{"beyond every gross",
                                  {{"TxtTarget", "1000000000000"}, {"TxtRate", "10"}},
                                  "TxtTarget",
                                  "都达不到"}));

// The button lies to the right of the result it reverses, in its row.
void ExpectBeside(QPushButton *Button, QLineEdit *Result) {
    ASSERT_NE(Button, nullptr);
    EXPECT_EQ(Button->text(), QStringLiteral("反算"));
    EXPECT_TRUE(Button->isVisible());
    const QPoint button = Button->mapTo(Button->window(), Button->rect().center());
    const QPoint result = Result->mapTo(Result->window(), Result->rect().center());
    EXPECT_GT(button.x(), result.x());
    EXPECT_LT(std::abs(button.y() - result.y()), Result->height());
}

TEST(ReverseFromPages, WagePageGivesItsDeductions) {
    TFrmCurWage page;
    ShowActive(&page);
    ExpectBeside(page.BtnReverse, page.TxtYearNet);
    Type(page.TxtInsurance, QStringLiteral("2000"));
    page.TxtSpecial->setText(QStringLiteral("3000"));
    Type(page.TxtOther, QStringLiteral("100"));
    const ModalSeen seen =
        CloseNextModal([&] { Click(page.BtnReverse); },
                       [](QWidget *w) {
                           auto *d = qobject_cast<TFrmCurReverse *>(w);
                           ASSERT_NE(d, nullptr);
                           EXPECT_EQ(d->TxtInsurance->text(), QStringLiteral("2000"));
                           EXPECT_EQ(d->TxtSpecial->text(), QStringLiteral("3000"));
                           EXPECT_EQ(d->TxtOther->text(), QStringLiteral("100"));
                           EXPECT_TRUE(d->RBtnFixed->isChecked());
                           EXPECT_TRUE(WaitFor([d] { return d->TxtTarget->hasFocus(); }))
                               << "the target first";
                           // Enter in the target calculates.
                           TypeAndEnter(d->TxtTarget, QStringLiteral("15000"));
                           EXPECT_FALSE(d->TxtGross->text().isEmpty());
                       });
    EXPECT_EQ(seen.ClassName, QStringLiteral("TFrmCurReverse"));
    EXPECT_EQ(seen.Title, QStringLiteral("反算税前月薪"));
}

// The page's months and mode go to the dialog, whose answer is for those months, as the command
// line's is; 每月税后相同 gives a gross of each month's own, every month netting the target.
TEST(ReverseFromPages, WagePageGivesItsMonthsAndMode) {
    TFrmCurWage page;
    ShowActive(&page);
    page.SpnFirstMonth->setValue(3);
    Click(page.RBtnFromJanuary);
    const CliTest::Outcome run =
        CliTest::RunCli(CliTest::Args("reverse wage --net 20000 --from 3 --mode 自1月 --json"));
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QString gross = CliTest::JsonOf(run).value(u"gross").toString();
    CloseNextModal([&] { Click(page.BtnReverse); },
                   [&](QWidget *w) {
                       auto *d = qobject_cast<TFrmCurReverse *>(w);
                       ASSERT_NE(d, nullptr);
                       EXPECT_EQ(d->SpnFirst->value(), 3);
                       EXPECT_EQ(d->SpnLast->value(), 12);
                       EXPECT_TRUE(d->RBtnFromJanuary->isChecked());
                       EXPECT_FALSE(d->RBtnSixty->isEnabled()) << "6万 only from January";
                       TypeAndEnter(d->TxtTarget, QStringLiteral("20000"));
                       EXPECT_EQ(d->TxtGross->text(), gross);
                       EXPECT_TRUE(d->TxtDetails->text().contains(u"3至12月共10个月"))
                           << d->TxtDetails->text().toStdString();
                       EXPECT_FALSE(d->TblMonths->isVisible());

                       Click(d->ChkEqualNet);
                       Click(d->BtnCalc);
                       ASSERT_TRUE(d->TblMonths->isVisible());
                       ASSERT_EQ(d->TblMonths->rowCount(), 11) << "ten months and the year";
                       for (int row = 0; row < 10; ++row)
                           EXPECT_EQ(d->TblMonths->item(row, 3)->text(), u"20000.00") << row;
                       EXPECT_EQ(d->TblMonths->item(10, 3)->text(), u"200000.00");
                       EXPECT_NE(d->TblMonths->item(0, 1)->text(),
                                 d->TblMonths->item(9, 1)->text());
                       EXPECT_FALSE(d->BtnCopyGross->isEnabled());
                   });
}

TEST(ReverseFromPages, BonusPageGivesTheOtherIncome) {
    TFrmCurBonus page;
    ShowActive(&page);
    // Under the separate method's figures.
    ASSERT_NE(page.BtnReverse, nullptr);
    EXPECT_TRUE(page.BtnReverse->isVisible());
    EXPECT_GT(page.BtnReverse->mapTo(&page, QPoint()).y(),
              page.TxtSeparateTotal->mapTo(&page, QPoint()).y());
    Type(page.TxtOtherTaxable, QStringLiteral("100000"));
    const ModalSeen seen =
        CloseNextModal([&] { Click(page.BtnReverse); },
                       [](QWidget *w) {
                           auto *d = qobject_cast<TFrmCurReverse *>(w);
                           ASSERT_NE(d, nullptr);
                           EXPECT_EQ(d->TxtOtherTaxable->text(), QStringLiteral("100000"));
                       });
    EXPECT_EQ(seen.Title, QStringLiteral("反算税前年终奖"));
}

TEST(ReverseFromPages, LabourPageGivesItsKindAndResidence) {
    TFrmCurLabour page;
    ShowActive(&page);
    ExpectBeside(page.BtnReverse, page.TxtAfterTax);
    Click(page.RBtnRoyalty);
    Click(page.RBtnNonResident);
    const ModalSeen seen = CloseNextModal([&] { Click(page.BtnReverse); },
                                          [](QWidget *w) {
                                              auto *d = qobject_cast<TFrmCurReverse *>(w);
                                              ASSERT_NE(d, nullptr);
                                              EXPECT_TRUE(d->RBtnRoyalty->isChecked());
                                              EXPECT_TRUE(d->RBtnNonResident->isChecked());
                                          });
    EXPECT_EQ(seen.Title, QStringLiteral("反算税前收入"));
}

} // namespace
