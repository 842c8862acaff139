// The cases the law treats on their own on the current-law pages: a student's internship pay on
// the remuneration page, a non-resident's bonus for several months on the bonus page, the lump
// sum for early retirement on the severance page. Each page gives the figures pendra-cli gives
// for the same input.

#include "cli/CliRun.h"
#include "pages/UFrmCurBonus.h"
#include "pages/UFrmCurLabour.h"
#include "pages/UFrmCurSeverance.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

QJsonObject CliJson(QStringList Arguments) {
    const CliTest::Outcome run = CliTest::RunCli(Arguments << QStringLiteral("--json"));
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    return CliTest::JsonOf(run);
}

void TypeMonth(QSpinBox *Spin, int Month) {
    Spin->setFocus(Qt::OtherFocusReason);
    Spin->selectAll();
    QTest::keyClicks(Spin, QString::number(Month));
}

class InternshipPage : public PageTest<TFrmCurLabour> {
  protected:
    void Calc(const QString &Payment, int First, int Last) {
        Click(Page.ChkIntern);
        TypeMonth(Page.SpnFirstMonth, First);
        TypeMonth(Page.SpnLastMonth, Last);
        TypeAndEnter(Page.TxtIncome, Payment);
    }
    // The table's column under its title, top to bottom.
    QStringList Column(const QString &Title) const {
        QStringList cells;
        for (int c = 0; c < Page.TblMonths->columnCount(); ++c) {
            if (Page.TblMonths->horizontalHeaderItem(c)->text() != Title)
                continue;
            for (int r = 0; r < Page.TblMonths->rowCount(); ++r)
                cells << Page.TblMonths->item(r, c)->text();
        }
        return cells;
    }
};

// 20000 a month from January to May crosses into 10 % in April.
TEST_F(InternshipPage, EveryColumnAsTheCommandLineGivesIt) {
    Calc(QStringLiteral("20000"), 1, 5);
    const QJsonArray months =
        CliJson({"labour", "--intern", "--income", "20000", "--from", "1", "--to", "5"})
            .value(u"months")
            .toArray();
    ASSERT_EQ(months.size(), 5);
    const std::pair<const char *, const char *> columns[] = {
        {"收入", "income"},
        {"收入额", "income_amount"},
        {"累计收入额", "cumulative_income"},
        {"累计减除费用", "cumulative_basic"},
        {"累计应纳税所得额", "cumulative_taxable"},
        {"速算扣除数", "quick_deduction"},
        {"累计应纳税额", "cumulative_tax"},
        {"累计已预扣税额", "withheld_before"},
        {"本月应预扣税额", "tax"},
        {"税后收入", "net"}};
    for (const auto &[title, key] : columns) {
        QStringList expected;
        for (const QJsonValue &month : months)
            expected << month.toObject().value(QLatin1String(key)).toString();
        EXPECT_EQ(Column(QString::fromUtf8(title)), expected) << title;
    }
    QStringList rates, numbers;
    for (const QJsonValue &month : months) {
        rates << QString::number(month.toObject().value(u"rate").toInt()) + u'%';
        numbers << QString::number(month.toObject().value(u"month").toInt());
    }
    EXPECT_EQ(Column(QStringLiteral("预扣率")), rates);
    EXPECT_EQ(Column(QStringLiteral("月份")), numbers);
    EXPECT_EQ(Column(QStringLiteral("本月应预扣税额")),
              (QStringList{"330.00", "330.00", "330.00", "890.00", "1100.00"}));
}

TEST_F(InternshipPage, TheWorkedExampleWithItsTotalAndSettlement) {
    Calc(QStringLiteral("8000"), 7, 9);
    EXPECT_EQ(Page.TxtInternTotal->text(), "实习期间预扣税额合计：126.00元");
    // 24000 paid over the year counts at 80 %.
    EXPECT_TRUE(Page.TxtSettlement->text().contains(QStringLiteral("3个月的收入额为19200.00元")))
        << Page.TxtSettlement->text().toStdString();
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome));
}

// Only a resident's labour remuneration has the cumulative method; the option is kept for when
// the user comes back, and the results of one method go when the other is shown.
TEST_F(InternshipPage, OnlyForAResidentsLabourRemuneration) {
    EXPECT_FALSE(Page.TblMonths->isVisible());
    EXPECT_FALSE(Page.SpnFirstMonth->isVisible());
    Calc(QStringLiteral("8000"), 7, 9);
    EXPECT_TRUE(Page.TblMonths->isVisible() && Page.SpnFirstMonth->isVisible());
    EXPECT_FALSE(Page.TxtTax->isVisible());
    for (QRadioButton *other : {Page.RBtnAuthor, Page.RBtnNonResident}) {
        Click(other);
        EXPECT_FALSE(Page.ChkIntern->isEnabled());
        EXPECT_TRUE(Page.ChkIntern->isChecked());
        EXPECT_FALSE(Page.TblMonths->isVisible());
        EXPECT_TRUE(Page.TxtTax->isVisible());
        EXPECT_EQ(Page.TblMonths->rowCount(), 0);
        Click(other == Page.RBtnAuthor ? Page.RBtnLabour : Page.RBtnResident);
        EXPECT_TRUE(Page.ChkIntern->isEnabled());
        EXPECT_TRUE(Page.TblMonths->isVisible());
    }
    TypeMonth(Page.SpnFirstMonth, 10);
    TypeMonth(Page.SpnLastMonth, 9);
    TypeAndEnter(Page.TxtIncome, QStringLiteral("8000"));
    EXPECT_EQ(Page.TxtMsgInput->text(), "起始月份不能晚于截止月份，请重新选择。");
    EXPECT_EQ(FocusName(), "SpnFirstMonth");
    Click(Page.BtnReset);
    EXPECT_FALSE(Page.ChkIntern->isChecked());
    EXPECT_FALSE(Page.TblMonths->isVisible());
}

struct BonusCase {
    const char *Bonus;
    const char *Tax;
};

class NonResidentBonusPage : public PageTest<TFrmCurBonus>,
                             public ::testing::WithParamInterface<BonusCase> {};

TEST_P(NonResidentBonusPage, TheFiguresOfTheCommandLine) {
    Click(Page.RBtnNonResident);
    TypeAndEnter(Page.TxtBonus, QString::fromUtf8(GetParam().Bonus));
    const QJsonObject json = CliJson({"bonus", "--nonresident", "--bonus", GetParam().Bonus});
    EXPECT_EQ(Page.TxtNonResidentAverage->text(), json.value(u"average").toString());
    EXPECT_EQ(Page.TxtNonResidentRate->text(), QString::number(json.value(u"rate").toInt()) + u'%');
    EXPECT_EQ(Page.TxtNonResidentQuickDeduction->text(), json.value(u"quick_deduction").toString());
    EXPECT_EQ(Page.TxtNonResidentTax->text(), json.value(u"tax").toString());
    EXPECT_EQ(Page.TxtNonResidentAfterTax->text(), json.value(u"after_tax").toString());
    EXPECT_EQ(Page.TxtNonResidentTax->text(), GetParam().Tax);
}

INSTANTIATE_TEST_SUITE_P(Bonuses, NonResidentBonusPage,
                         ::testing::Values(BonusCase{"60000", "4740.00"},
                                           BonusCase{"18000.03", "540.00"},
                                           BonusCase{"480000", "125040.00"}));

class NonResidentBonusView : public PageTest<TFrmCurBonus> {};

// A non-resident has no other income to compare with: those inputs, the comparison and the chart
// make way for the bonus's own results and its rule.
TEST_F(NonResidentBonusView, ItsOwnResultsAndRule) {
    EXPECT_FALSE(Page.NonResidentResults->isVisible());
    Click(Page.RBtnNonResident);
    EXPECT_TRUE(Page.NonResidentResults->isVisible());
    EXPECT_FALSE(Page.TxtOtherTaxable->isVisible() || Page.RBtnWages->isVisible());
    EXPECT_FALSE(Page.ResidentResults->isVisible() || Page.TabsRight->isVisible());
    const QString rule = Find<QLabel>(&Page, QStringLiteral("TxtNonResidentRule"))->text();
    EXPECT_TRUE(rule.contains(QStringLiteral("一个公历年度内只能这样计税一次")));
    EXPECT_TRUE(rule.contains(QStringLiteral("不与当月工资薪金合并")));
    TypeAndEnter(Page.TxtBonus, QStringLiteral("60000"));
    Click(Page.RBtnResident);
    EXPECT_EQ(Page.TxtNonResidentTax->text(), "");
    EXPECT_TRUE(Page.TxtOtherTaxable->isVisible() && Page.TabsRight->isVisible());
}

struct RetirementCase {
    const char *Amount, *Years, *Tax;
};

class EarlyRetirementPage : public PageTest<TFrmCurSeverance>,
                            public ::testing::WithParamInterface<RetirementCase> {};

TEST_P(EarlyRetirementPage, TheFiguresOfTheCommandLine) {
    const RetirementCase &c = GetParam();
    Click(Page.RBtnEarlyRetirement);
    Type(Page.TxtYears, QString::fromUtf8(c.Years));
    TypeAndEnter(Page.TxtIncome, QString::fromUtf8(c.Amount));
    const QJsonObject json =
        CliJson({"severance", "--early-retirement", "--amount", c.Amount, "--years", c.Years});
    const std::pair<QLineEdit *, const char *> fields[] = {
        {Page.TxtPerYear, "per_year"},
        {Page.TxtTaxablePerYear, "taxable_per_year"},
        {Page.TxtQuickDeduction, "quick_deduction"},
        {Page.TxtTaxPerYear, "tax_per_year"},
        {Page.TxtTax, "tax"},
        {Page.TxtAfterTax, "after_tax"}};
    for (const auto &[edit, key] : fields)
        EXPECT_EQ(edit->text(), json.value(QLatin1String(key)).toString()) << key;
    EXPECT_EQ(Page.TxtRate->text(), QString::number(json.value(u"rate").toInt()) + u'%');
    EXPECT_EQ(Page.TxtTax->text(), c.Tax);
}

INSTANTIATE_TEST_SUITE_P(LumpSums, EarlyRetirementPage,
                         ::testing::Values(RetirementCase{"500000", "4", "15920.00"},
                                           RetirementCase{"300000", "2.5", "8700.00"},
                                           RetirementCase{"90001.50", "1.5", "0.05"}));

class EarlyRetirementView : public PageTest<TFrmCurSeverance> {};

TEST_F(EarlyRetirementView, AsksForTheYearsAndRefusesWhatIsNotOne) {
    EXPECT_FALSE(Page.TxtYears->isVisible());
    Click(Page.RBtnEarlyRetirement);
    EXPECT_TRUE(Page.TxtYears->isVisible());
    EXPECT_FALSE(Page.TxtAverageWage->isVisible() || Page.TxtExempt->isVisible());
    bool noted = false;
    for (const QLabel *label : Page.findChildren<QLabel *>())
        noted |= label->isVisible() &&
                 label->text().contains(QStringLiteral("法定退休年龄自2025年起逐步提高")) &&
                 label->text().contains(QStringLiteral("2024年9月13日"));
    EXPECT_TRUE(noted) << "the page notes the rising statutory age";
    const QString years =
        QStringLiteral("至法定退休年龄年数应大于0、不超过100，最多两位小数，请重新输入。");
    for (const char *typed : {"", "0", "2.555"}) {
        Page.TxtYears->clear();
        Type(Page.TxtYears, QString::fromUtf8(typed));
        TypeAndEnter(Page.TxtIncome, QStringLiteral("500000"));
        EXPECT_EQ(Page.TxtMsgInput->text(), years) << typed;
        EXPECT_EQ(FocusName(), "TxtYears") << typed;
    }
    Click(Page.RBtnContract);
    EXPECT_TRUE(Page.TxtAverageWage->isVisible());
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
}

// 内部退养 on the page, as the command line gives it: 120000 ÷ 24 = 5000, + 6000 − 5000 = 6000 →
// 10 %, 210; (6000 + 120000 − 5000) × 10 % − 210 = 11890, the wage alone 30, the lump sum adds
// 11860. Months that are not a whole number from 1 are refused at their field.
class InternalRetirementPage : public PageTest<TFrmCurSeverance> {};

TEST_F(InternalRetirementPage, TheFiguresOfTheCommandLineAndItsMonths) {
    TFrmCurSeverance &page = Page;
    EXPECT_FALSE(page.TxtMonths->isVisible());
    Click(page.RBtnInternalRetirement);
    EXPECT_TRUE(page.TxtMonths->isVisible() && page.TxtWage->isVisible());
    EXPECT_FALSE(page.TxtAverageWage->isVisible() || page.TxtYears->isVisible());
    Type(page.TxtMonths, QStringLiteral("24"));
    Type(page.TxtWage, QStringLiteral("6000"));
    TypeAndEnter(page.TxtIncome, QStringLiteral("120000"));
    const QJsonObject json = CliJson({"severance", "--internal-retirement", "--amount", "120000",
                                      "--months", "24", "--wage", "6000"});
    const std::pair<QLineEdit *, const char *> fields[] = {
        {page.TxtAverage, "average"}, {page.TxtQuickDeduction, "quick_deduction"},
        {page.TxtTax, "tax"},         {page.TxtWageTax, "wage_tax"},
        {page.TxtAdded, "added"},     {page.TxtAfterTax, "after_tax"}};
    for (const auto &[edit, key] : fields)
        EXPECT_EQ(edit->text(), json.value(QLatin1String(key)).toString()) << key;
    EXPECT_EQ(page.TxtTax->text(), "11890.00");
    EXPECT_EQ(page.TxtAdded->text(), "11860.00");
    EXPECT_EQ(page.TxtRate->text(), "10%");
    for (const char *typed : {"0", "2.5", "1201"}) {
        page.TxtMonths->clear();
        Type(page.TxtMonths, QString::fromUtf8(typed));
        TypeAndEnter(page.TxtIncome, QStringLiteral("1"));
        EXPECT_EQ(page.TxtMsgInput->text(),
                  QStringLiteral("至法定退休年龄月数应为1到1200的整数，请重新输入。"))
            << typed;
    }
}

} // namespace
