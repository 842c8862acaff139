// The current-law annual settlement page, driven by keys and clicks.

#include "common/UDeductionFacts.h"
#include "common/UDeductionsDialog.h"
#include "engine/current/RulesInUse.h"
#include "pages/UFrmCurSettle.h"
#include "pages/UFrmCurWage.h"
#include "support/ParamFolders.h"
#include "support/UiTestSupport.h"
#include "ui/FactInput.h"
#include "ui/PageChecks.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

struct Typed {
    const char *Edit;
    const char *Text;
};

class CurSettlePage : public PageTest<TFrmCurSettle> {
  protected:
    // Types every amount into its edit and presses Enter in the last one.
    void Calc(std::initializer_list<Typed> Amounts, bool Merged = false) {
        Click(Merged ? Page.RBtnMerged : Page.RBtnSeparate);
        QLineEdit *last = nullptr;
        for (const Typed &typed : Amounts) {
            last = Find<QLineEdit>(&Page, QString::fromLatin1(typed.Edit));
            EXPECT_NE(last, nullptr) << typed.Edit;
            if (!last)
                return;
            last->clear();
            Type(last, QString::fromUtf8(typed.Text));
        }
        QTest::keyClick(last, Qt::Key_Return);
    }
    // Wages with 三险一金 10000: the taxable income is wages − 70000.
    void CalcWages(const char *Wages, const char *Withheld) {
        Calc({{"TxtInsurance", "10000"}, {"TxtWithheld", Withheld}, {"TxtWages", Wages}});
    }
    QStringList Results() const {
        QStringList texts;
        for (const QLineEdit *edit :
             {Page.TxtIncomeAmount, Page.TxtDeductions, Page.TxtTaxable, Page.TxtRate,
              Page.TxtQuickDeduction, Page.TxtTax, Page.TxtBonusTax, Page.TxtTotalTax,
              Page.TxtWithheldShown, Page.TxtBalance})
            texts << edit->text();
        return texts;
    }
};

// Every kind of income and deduction: wages 100000 of which 5000 tax free, 10000 each of labour,
// author and royalty payments, pension 15000 and health insurance 3000 beyond their caps, and a
// bonus of 36000.
const std::initializer_list<Typed> EveryIncome{
    {"TxtWages", "100000"},  {"TxtLabour", "10000"},  {"TxtAuthor", "10000"},
    {"TxtRoyalty", "10000"}, {"TxtExempt", "5000"},   {"TxtInsurance", "10000"},
    {"TxtSpecial", "24000"}, {"TxtPension", "15000"}, {"TxtHealth", "3000"},
    {"TxtOther", "1000"},    {"TxtBonus", "36000"},   {"TxtWithheld", "1000"}};

TEST_F(CurSettlePage, EveryIncomeWithTheBonusTaxedOnItsOwn) {
    Calc(EveryIncome);
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
    EXPECT_EQ(Results(), (QStringList{"116600.00", "109400.00", "7200.00", "3%", "0.00", "216.00",
                                      "1080.00", "1296.00", "1000.00", "296.00"}));
    EXPECT_EQ(Page.LblBalance->text(), "应补税额：");
    EXPECT_EQ(Page.TxtBalance->accessibleName(), "应补税额");
    EXPECT_EQ(Page.TxtFiling->text(), "无需办理年度汇算");
    EXPECT_TRUE(FocusedAndSelected(Page.TxtWages));
    EXPECT_EQ(Page.TxtWithheld->text(), "1000");
}

TEST_F(CurSettlePage, AMergedBonusJoinsTheIncome) {
    Calc(EveryIncome, true);
    TypeAndEnter(Page.TxtWithheld, "0");
    EXPECT_EQ(Results(), (QStringList{"152600.00", "109400.00", "43200.00", "10%", "2520.00",
                                      "1800.00", "0.00", "1800.00", "0.00", "1800.00"}));
    EXPECT_EQ(Page.TxtFiling->text(), "需要办理年度汇算");
}

struct ReasonCase {
    const char *Rule;
    const char *Wages, *Withheld;
    const char *Caption, *Balance, *Headline, *Sentence;
};

class CurSettleReasons : public CurSettlePage, public ::testing::WithParamInterface<ReasonCase> {};

TEST_P(CurSettleReasons, SaysWhetherAndWhy) {
    const ReasonCase &c = GetParam();
    CalcWages(c.Wages, c.Withheld);
    EXPECT_EQ(Page.LblBalance->text(), QString::fromUtf8(c.Caption)) << c.Rule;
    EXPECT_EQ(Page.TxtBalance->text(), c.Balance) << c.Rule;
    EXPECT_EQ(Page.TxtFiling->text(), QString::fromUtf8(c.Headline)) << c.Rule;
    EXPECT_EQ(Page.TxtReason->text(), QString::fromUtf8(c.Sentence)) << c.Rule;
}

// The figures of the engine's filing reasons: wages of 100000 owe 900.
INSTANTIATE_TEST_SUITE_P(
    EngineExamples, CurSettleReasons,
    ::testing::Values(
        ReasonCase{"refund", "100000", "2000", "应退税额：", "1100.00", "可以办理年度汇算申请退税",
                   "已预缴税额比全年应纳税额多1100.00元：可在次年3月1日至6月30日办理年度汇算申请"
                   "退税；放弃退税的，可以不办理。"},
        ReasonCase{"none", "100000", "900", "应补（退）税额：", "0.00", "无需办理年度汇算",
                   "已预缴税额与全年应纳税额相等，既不需补税，也没有退税。"},
        ReasonCase{"owe_small", "100000", "500", "应补税额：", "400.00", "无需办理年度汇算",
                   "需补税400.00元，不超过400元，依规定无需办理年度汇算，也不必补缴（财政部 税务总"
                   "局公告2023年第32号，此项免于办理的规定施行至2027年12月31日）。"},
        ReasonCase{"income_low", "120000", "0", "应补税额：", "2480.00", "无需办理年度汇算",
                   "需补税2480.00元，但全年综合所得收入不超过120000元，依规定无需办理年度汇算，"
                   "也不必补缴（财政部 税务总局公告2023年第32号，此项免于办理的规定施行至2027年12"
                   "月31日）。"},
        ReasonCase{"owe", "120000.01", "0", "应补税额：", "2480.00", "需要办理年度汇算",
                   "需补税2480.00元，超过400元，且全年综合所得收入超过120000元：须在次年3月1日至"
                   "6月30日办理年度汇算并补缴税款。"}),
    [](const auto &Info) {
        std::string name = Info.param.Rule;
        std::erase(name, '_');
        return name;
    });

struct BadCase {
    const char *Edit, *Text;
    const char *Message;
};

class CurSettleBadInput : public CurSettlePage, public ::testing::WithParamInterface<BadCase> {};

TEST_P(CurSettleBadInput, NamesTheFieldKeepsEverythingTypedAndClearsTheResults) {
    const BadCase &c = GetParam();
    Calc(EveryIncome);
    auto *bad = Find<QLineEdit>(&Page, QString::fromLatin1(c.Edit));
    ASSERT_NE(bad, nullptr);
    TypeAndEnter(bad, QString::fromUtf8(c.Text));
    EXPECT_EQ(Page.TxtMsgInput->text(), QString::fromUtf8(c.Message));
    EXPECT_EQ(FocusName(), c.Edit);
    EXPECT_EQ(bad->text(), c.Text);
    for (const Typed &t : EveryIncome) {
        if (QLatin1String(t.Edit) != QLatin1String(c.Edit)) {
            EXPECT_EQ(Find<QLineEdit>(&Page, QString::fromLatin1(t.Edit))->text(), t.Text);
        }
    }
    EXPECT_EQ(Results(), QStringList(10, QString()));
    EXPECT_EQ(Page.TxtReason->text(), "");

    TypeAndEnter(bad, QStringLiteral("0"));
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CurSettleBadInput,
    ::testing::Values(BadCase{"TxtWages", "", "全年工资薪金数据无效，请重新输入。"},
                      BadCase{"TxtWithheld", "", "全年已预缴税额数据无效，请重新输入。"},
                      BadCase{"TxtLabour", ".", "全年劳务报酬数据无效，请重新输入。"},
                      BadCase{"TxtSpecial", ".", "全年专项附加扣除数据无效，请重新输入。"},
                      BadCase{"TxtBonus", ".", "全年一次性奖金数据无效，请重新输入。"},
                      BadCase{"TxtExempt", "130000.01",
                              "全年免税收入不能大于全年收入合计，请重新输入。"}),
    [](const auto &Info) { return std::string(Info.param.Edit); });

void Erase(QLineEdit *Edit) {
    Edit->setFocus();
    Edit->selectAll();
    QTest::keyClick(Edit, Qt::Key_Backspace);
}

// No result of a method or an amount no longer there: every change works the year out again, or
// clears it while the inputs do not read, without a word until Enter.
TEST_F(CurSettlePage, EveryChangeRecalculatesOrClears) {
    Calc(EveryIncome);
    Click(Page.RBtnMerged);
    EXPECT_EQ(Page.TxtBonusTax->text(), "0.00");
    EXPECT_EQ(Page.TxtTotalTax->text(), "1800.00");
    EXPECT_EQ(Page.TxtBalance->text(), "800.00");
    EXPECT_EQ(Page.TxtFiling->text(), "需要办理年度汇算");
    Erase(Page.TxtWages);
    EXPECT_EQ(Results(), QStringList(10, QString()));
    for (const QLabel *label :
         {Page.TxtFiling, Page.TxtReason, Page.TxtOtherMethod, Page.TxtMsgInput})
        EXPECT_EQ(label->text(), "") << label->objectName().toStdString();
    Type(Page.TxtWages, QStringLiteral("100000"));
    EXPECT_EQ(Page.TxtTotalTax->text(), "1800.00");
    Type(Page.TxtLabour, QStringLiteral("0"));
    EXPECT_EQ(Page.TxtIncomeAmount->text(), "224600.00") << "labour 100000, of which 80 % counts";
}

TEST_F(CurSettlePage, SaysWhatTheOtherMethodWouldGiveAndWhichIsLower) {
    Calc(EveryIncome);
    EXPECT_EQ(Page.TxtOtherMethod->text(),
              "若改为并入综合所得：应纳税额合计1800.00元，多缴504.00元；单独计税较低。");
    Click(Page.RBtnMerged);
    EXPECT_EQ(Page.TxtOtherMethod->text(),
              "若改为单独计税：应纳税额合计1296.00元，少缴504.00元；单独计税较低。");
    // A bonus of 1 costs 0.03 either way.
    TypeAndEnter(Page.TxtBonus, QStringLiteral("1"));
    EXPECT_EQ(Page.TxtOtherMethod->text(),
              "若改为单独计税：应纳税额合计同为216.03元，两种方式相同。");
    Erase(Page.TxtBonus);
    EXPECT_EQ(Page.TxtOtherMethod->text(), "") << "no bonus, nothing to compare";
    EXPECT_EQ(Page.TxtTotalTax->text(), "216.00");
}

// In a year whose law has no separate bonus, every income above is settled with the bonus merged
// (the figures of the test above, 1000 withheld: 800 owed); the separate method is greyed with
// the reason, which the page says in place of the other method.
TEST_F(CurSettlePage, AYearWithoutTheSeparateBonusSettlesItMerged) {
    current::YearRules ended = current::LatestRules();
    ended.SeparateBonus = false;
    const current::RulesStandIn law(ended);
    Calc(EveryIncome);
    EXPECT_EQ(Results(), (QStringList{"152600.00", "109400.00", "43200.00", "10%", "2520.00",
                                      "1800.00", "0.00", "1800.00", "1000.00", "800.00"}));
    const QString said = QStringLiteral("2027年没有全年一次性奖金单独计税的办法：奖金并入当月工资"
                                        "薪金预扣预缴，年度汇算并入综合所得");
    EXPECT_FALSE(Page.RBtnSeparate->isEnabled());
    EXPECT_TRUE(Page.RBtnMerged->isChecked());
    EXPECT_EQ(Page.RBtnSeparate->toolTip(), said);
    EXPECT_EQ(Page.TxtOtherMethod->text(), said + u'。');
}

TEST_F(CurSettlePage, AnEmployerThatDidNotWithholdTakesAwayTheExemptions) {
    CalcWages("100000", "500");
    EXPECT_EQ(Page.TxtFiling->text(), "无需办理年度汇算");
    Click(Page.ChkUnwithheld);
    EXPECT_EQ(Page.TxtFiling->text(), "需要办理年度汇算");
    EXPECT_EQ(Page.TxtReason->text(),
              "需补税400.00元。有扣缴义务人应预扣预缴而未预扣，不适用补税不超过400元或收入不超过"
              "120000元免于办理的规定：须在次年3月1日至6月30日办理年度汇算并补缴税款。");
    TypeAndEnter(Page.TxtWithheld, QStringLiteral("2000"));
    EXPECT_EQ(Page.TxtFiling->text(), "可以办理年度汇算申请退税") << "a refund stays optional";
}

TEST_F(CurSettlePage, BlankOptionalAmountsCountAsNothing) {
    Calc({{"TxtWages", "100000"}, {"TxtWithheld", "0"}});
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
    EXPECT_EQ(Page.TxtTaxable->text(), "40000.00");
    EXPECT_EQ(Page.TxtBonusTax->text(), "0.00");
}

TEST_F(CurSettlePage, CalculatingBringsTheResultsToTheFront) {
    Page.TabsRight->setCurrentIndex(1);
    CalcWages("100000", "2000");
    EXPECT_EQ(Page.TabsRight->currentIndex(), 0);
}

// The picture lies behind a tab, out of the sight of the checks of every page.
TEST_F(CurSettlePage, MethodPictureShowsWholeInItsTab) {
    Page.TabsRight->setCurrentIndex(1);
    QCoreApplication::processEvents();
    const auto *label = Find<QLabel>(&Page, QStringLiteral("ImgMethod"));
    ASSERT_TRUE(label->isVisible());
    const QSize picture = label->pixmap().size();
    EXPECT_FALSE(picture.isEmpty());
    EXPECT_TRUE(picture.width() <= label->contentsRect().width() &&
                picture.height() <= label->contentsRect().height())
        << picture.width() << "x" << picture.height();
}

TEST_F(CurSettlePage, CopyAndReset) {
    CalcWages("100000", "2000");
    Click(Find<QPushButton>(&Page, QStringLiteral("CopyTxtBalance")));
    EXPECT_EQ(QApplication::clipboard()->text(), "1100.00");
    Click(Find<QPushButton>(&Page, QStringLiteral("CopyTxtTax")));
    EXPECT_EQ(QApplication::clipboard()->text(), "900.00");

    Click(Page.RBtnMerged);
    Click(Page.ChkUnwithheld);
    Click(Page.BtnReset);
    for (const QLineEdit *edit : Page.findChildren<QLineEdit *>())
        EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
    for (const QLabel *label : {Page.TxtFiling, Page.TxtReason, Page.TxtMsgInput})
        EXPECT_EQ(label->text(), "") << label->objectName().toStdString();
    EXPECT_EQ(Page.LblBalance->text(), "应补（退）税额：");
    EXPECT_TRUE(Page.RBtnSeparate->isChecked());
    EXPECT_FALSE(Page.ChkUnwithheld->isChecked());
    EXPECT_TRUE(Page.TxtWages->hasFocus());
}

TEST_F(CurSettlePage, InputsTakeOnlyAmounts) {
    Type(Page.TxtPension, QStringLiteral("-1a2.0.5"));
    EXPECT_EQ(Page.TxtPension->text(), "12.05");
}

// The open year's totals fill the page: the settlement is the year's. The dialog's deductions,
// once the user has typed figures of their own, fill the deductions alone.
class CurSettleWithAYear : public ParamFolders {
  protected:
    QTemporaryDir Files;
};

TEST_F(CurSettleWithAYear, StartsFromTheYearsTotalsAndTakesTheDialogsDeductions) {
    FactInput::OpenYear(
        FactInput::WriteText(Files, QStringLiteral("a.json"), FactInput::ReadmeYear));
    TFrmCurSettle page;
    ShowActive(&page);
    EXPECT_TRUE(page.BtnFromYear->isVisible());
    // As pendra-cli year settles the file.
    EXPECT_EQ(page.TxtTotalTax->text(), "7830.00");
    EXPECT_EQ(page.LblBalance->text(), "应退税额：");
    EXPECT_EQ(page.TxtBalance->text(), "5640.00");

    TypeAndEnter(page.TxtWages, QStringLiteral("300000"));
    const ModalSeen seen = CloseNextModal(
        [&] { Click(page.BtnDeductions); },
        [](QWidget *w) {
            auto *d = qobject_cast<TFrmCurDeductions *>(w);
            ASSERT_NE(d, nullptr);
            FactInput::AddEntry(d->Deductions->TblIllness, {{"paid", QStringLiteral("25000")}});
            Click(d->BtnOK);
        });
    EXPECT_EQ(seen.ClassName, "TFrmCurDeductions");
    // 59400 of the year's special deductions, and 本人 now 55000 above 15000 with 子女 35000.
    EXPECT_EQ(page.TxtSpecial->text(), "134400.00");
    EXPECT_EQ(page.TxtPension->text(), "12000.00");
    EXPECT_EQ(page.TxtHealth->text(), "2400.00");
    EXPECT_EQ(page.TxtWages->text(), "300000");
}

// The year of the wage page as it was left, though that page is gone: 20000 a month with 500 tax
// free, 2000 insurance and 3000 special deductions, withheld 8880 in all, just what is due.
TEST(CurSettleFromWage, TakesTheYearOfTheWagePageAsItWasLeft) {
    TFrmCurSettle page;
    ShowActive(&page);
    Click(page.BtnFromWage);
    EXPECT_TRUE(page.TxtMsgInput->text().contains(QStringLiteral("还没有输入")))
        << page.TxtMsgInput->text().toStdString();
    {
        TFrmCurWage wage;
        ShowActive(&wage);
        Type(wage.TxtIncome, QStringLiteral("20000"));
        Type(wage.TxtExempt, QStringLiteral("500"));
        Type(wage.TxtInsurance, QStringLiteral("2000"));
        Type(wage.TxtSpecial, QStringLiteral("3000"));
    }
    ShowActive(&page);
    Click(page.BtnFromWage);
    const QStringList filled{page.TxtWages->text(),     page.TxtExempt->text(),
                             page.TxtInsurance->text(), page.TxtSpecial->text(),
                             page.TxtOther->text(),     page.TxtWithheld->text()};
    EXPECT_EQ(filled,
              (QStringList{"240000.00", "6000.00", "24000.00", "36000.00", "0.00", "8880.00"}));
    EXPECT_EQ(page.TxtTax->text(), "8880.00");
    EXPECT_EQ(page.TxtReason->text(), "已预缴税额与全年应纳税额相等，既不需补税，也没有退税。");
}

} // namespace
