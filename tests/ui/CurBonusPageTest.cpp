#include "engine/current/RulesInUse.h"
#include "pages/UFrmCurBonus.h"
#include "pages/UFrmCurWage.h"
#include "support/UiTestSupport.h"
#include "ui/FactInput.h"
#include "ui/PageChecks.h"

#include <QClipboard>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

class CurBonusPage : public PageTest<TFrmCurBonus> {
  protected:
    void CalcWithTaxable(const QString &Bonus, const QString &OtherTaxable) {
        Page.TxtOtherTaxable->clear();
        Type(Page.TxtOtherTaxable, OtherTaxable);
        TypeAndEnter(Page.TxtBonus, Bonus);
    }
    void CalcWithWages(const QString &Bonus, const QString &Wages, const QString &Insurance,
                       const QString &Deductions) {
        Click(Page.RBtnWages);
        for (auto [edit, text] : {std::pair{Page.TxtWages, Wages},
                                  {Page.TxtInsurance, Insurance},
                                  {Page.TxtDeductions, Deductions}}) {
            edit->clear();
            Type(edit, text);
        }
        TypeAndEnter(Page.TxtBonus, Bonus);
    }
};

using Series = TBonusChart::Series;

// What a series of the page's chart shows; nothing when there is no chart.
QList<QPointF> Shown(const TFrmCurBonus &Page, Series Which) {
    return Page.Chart ? Page.Chart->Points(Which) : QList<QPointF>{};
}

// Heights of the points at the bonus X (yuan), in the order drawn.
QList<qreal> HeightsAt(const QList<QPointF> &Points, qreal X) {
    QList<qreal> heights;
    for (const QPointF &p : Points) {
        if (std::abs(p.x() - X) < 0.001)
            heights.append(p.y());
    }
    return heights;
}

// Upright drops: a cent further right, more than a thousand yuan lower.
QList<qreal> Drops(const QList<QPointF> &Points) {
    QList<qreal> at;
    for (qsizetype i = 1; i < Points.size(); ++i) {
        if (Points[i].x() - Points[i - 1].x() < 0.011 && Points[i - 1].y() - Points[i].y() > 1000)
            at.append(Points[i - 1].x());
    }
    return at;
}

struct MethodCase {
    const char *Rule;
    const char *Bonus;
    const char *OtherTaxable; // empty: worked out from wages of Wages
    const char *Wages;
    const char *SeparateTotal, *MergedBonusTax, *MergedTotal;
    const char *Separate, *Merged, *Better;
};

class CurBonusMethods : public CurBonusPage, public ::testing::WithParamInterface<MethodCase> {};

TEST_P(CurBonusMethods, SideBySideWithTheBetterMarked) {
    const MethodCase &c = GetParam();
    if (*c.OtherTaxable)
        CalcWithTaxable(c.Bonus, c.OtherTaxable);
    else
        CalcWithWages(c.Bonus, c.Wages, "", "");
    EXPECT_EQ(Page.TxtMsgInput->text(), "") << c.Rule;
    EXPECT_EQ(Page.TxtSeparateTotal->text(), c.SeparateTotal) << c.Rule;
    EXPECT_EQ(Page.TxtMergedBonusTax->text(), c.MergedBonusTax) << c.Rule;
    EXPECT_EQ(Page.TxtMergedTotal->text(), c.MergedTotal) << c.Rule;
    EXPECT_EQ(Page.LblSeparate->text(), QString::fromUtf8(c.Separate)) << c.Rule;
    EXPECT_EQ(Page.LblMerged->text(), QString::fromUtf8(c.Merged)) << c.Rule;
    EXPECT_EQ(Page.TxtBetter->text(), QString::fromUtf8(c.Better)) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(Page.TxtBonus)) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    EngineExamples, CurBonusMethods,
    ::testing::Values(MethodCase{"separate keeps the bonus at 3 %", "36000", "100000", "",
                                 "8560.00", "3600.00", "11080.00", "单独计税（较优）",
                                 "并入综合所得", "单独计税较优，比并入综合所得少缴税2520.00元"},
                      // Wages of 30000 leave 30000 of the basic deduction unused.
                      MethodCase{"merged uses the unused deductions", "20000", "", "30000",
                                 "600.00", "0.00", "0.00", "单独计税", "并入综合所得（较优）",
                                 "并入综合所得较优，比单独计税少缴税600.00元"},
                      MethodCase{"both 3 %", "30000", "0", "", "900.00", "900.00", "900.00",
                                 "单独计税", "并入综合所得", "两种方式税额相同"}));

TEST_F(CurBonusPage, WagesWorkOutTheOtherTaxableIncome) {
    CalcWithWages("10000", "200000", "20000", "24000");
    EXPECT_EQ(Page.TxtOtherUsed->text(), "其他综合所得应纳税所得额：96000.00元");
    CalcWithWages("10000", "50000", "", "");
    EXPECT_EQ(Page.TxtOtherUsed->text(), "其他综合所得应纳税所得额：-10000.00元（扣除未用完）");
    EXPECT_TRUE(Page.TxtWages->isVisible());
    EXPECT_FALSE(Page.TxtOtherTaxable->isVisible());
}

// The wages, insurance and deductions of the year come from the wage page as it was left: 20000 a
// month with 500 tax free, 2000 insurance, 3000 special and 100 other deductions.
TEST(CurBonusFromWage, TakesTheYearOfTheWagePageAsItWasLeft) {
    {
        TFrmCurWage wage;
        ShowActive(&wage);
        for (auto [edit, text] : {std::pair{wage.TxtIncome, "20000"},
                                  {wage.TxtExempt, "500"},
                                  {wage.TxtInsurance, "2000"},
                                  {wage.TxtSpecial, "3000"},
                                  {wage.TxtOther, "100"}})
            Type(edit, QString::fromLatin1(text));
    }
    TFrmCurBonus page;
    ShowActive(&page);
    Click(page.BtnFromWage);
    EXPECT_TRUE(page.RBtnWages->isChecked());
    EXPECT_EQ(page.TxtWages->text(), "234000.00") << "the wages less what is tax free";
    EXPECT_EQ(page.TxtInsurance->text(), "24000.00");
    EXPECT_EQ(page.TxtDeductions->text(), "37200.00");
    TypeAndEnter(page.TxtBonus, QStringLiteral("10000"));
    EXPECT_EQ(page.TxtOtherUsed->text(), "其他综合所得应纳税所得额：112800.00元");
}

TEST_F(CurBonusPage, SaysTheSeparateMethodIsForOneBonusAYearUntilItsEnd) {
    const auto *note = Find<QLabel>(&Page, QStringLiteral("TxtOnceNote"));
    ASSERT_NE(note, nullptr);
    for (const char *part :
         {"一个纳税年度内对每一个纳税人只能采用一次", "国税发〔2005〕9号", "执行至2027年12月31日"})
        EXPECT_TRUE(note->text().contains(QString::fromUtf8(part)))
            << part << " in " << note->text().toStdString();
    EXPECT_TRUE(note->isVisible());
}

TEST_F(CurBonusPage, CliffIsARedMessage) {
    CalcWithTaxable("38000", "0");
    EXPECT_EQ(Page.TxtMsgCliff->text(),
              "奖金落在36000.00至38566.67元之间：少发到36000.00元，税后反而多得510.00元");
    CalcWithTaxable("38566.67", "0");
    EXPECT_EQ(Page.TxtMsgCliff->text(), "");
}

TEST_F(CurBonusPage, BestSplitAndASplitThatSavesNothing) {
    CalcWithTaxable("100000", "200000");
    EXPECT_EQ(Page.TxtSplit->text(), "最优拆分：奖金144000.00元、其余并入工资，合计税额28470.00"
                                     "元，比较优方式少缴4400.00元");
    CalcWithTaxable("20000", "0");
    EXPECT_EQ(Page.TxtSplit->text(),
              "最优拆分：按较优方式计税已是最低税额，调整奖金与工资的拆分不能再少缴税");
}

TEST_F(CurBonusPage, ChartIsRedrawnWithTheBonusMarked) {
    CalcWithTaxable("38000", "100000");
    ASSERT_NE(Page.Chart, nullptr);
    const QList<QPointF> separate = Shown(Page, Series::Separate);
    EXPECT_EQ(Shown(Page, Series::Marks), (QList<QPointF>{{38000, 34410}, {38000, 34200}}));
    EXPECT_EQ(HeightsAt(separate, 36000), QList<qreal>{34920});
    EXPECT_EQ(HeightsAt(separate, 36000.01), QList<qreal>{32610.01});
    EXPECT_EQ(Drops(separate), QList<qreal>{36000});
    EXPECT_TRUE(Drops(Shown(Page, Series::Merged)).isEmpty());
    EXPECT_EQ(separate.back().x(), 41800);

    CalcWithTaxable("150000", "100000");
    EXPECT_EQ(Shown(Page, Series::Marks).front().x(), 150000);
    EXPECT_EQ(Drops(Shown(Page, Series::Separate)), (QList<qreal>{36000, 144000}));
    EXPECT_EQ(Shown(Page, Series::Merged).back().x(), 165000);
}

TEST(CurBonusChart, MadeWhenThePageIsFirstShown) {
    TFrmCurBonus page;
    EXPECT_EQ(page.Chart, nullptr);
    ShowActive(&page);
    ASSERT_NE(page.Chart, nullptr);
    EXPECT_TRUE(page.Chart->Widget()->isVisible());
    EXPECT_TRUE(Shown(page, Series::Separate).isEmpty());
}

TEST_F(CurBonusPage, ChartIsSavedAsPng) {
    EXPECT_FALSE(Page.BtnSaveChart->isEnabled());
    CalcWithTaxable("38000", "100000");
    EXPECT_TRUE(Page.BtnSaveChart->isEnabled());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("年终奖.png"));
    ASSERT_NE(Page.Chart, nullptr);
    ASSERT_TRUE(Page.Chart->SavePng(path));
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "png");
    const QImage image = reader.read();
    const QWidget *chart = Page.Chart->Widget();
    EXPECT_EQ(image.size(), chart->size() * chart->devicePixelRatio());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"年终奖.png"});

    EXPECT_FALSE(Page.Chart->SavePng(folder.filePath(QStringLiteral("missing/年终奖.png"))));
}

TEST_F(CurBonusPage, ResetEmptiesThePageAndTheChart) {
    CalcWithWages("38000", "200000", "1", "2");
    Click(Page.BtnReset);
    for (const QLineEdit *edit :
         {Page.TxtBonus, Page.TxtOtherTaxable, Page.TxtWages, Page.TxtInsurance, Page.TxtDeductions,
          Page.TxtSeparateTotal, Page.TxtMergedTotal, Page.TxtSeparateBonusTax})
        EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
    for (const QLabel *label : {Page.TxtMsgCliff, Page.TxtBetter, Page.TxtSplit,
                                Page.TxtSeparateBracket, Page.TxtOtherUsed})
        EXPECT_EQ(label->text(), "") << label->objectName().toStdString();
    EXPECT_EQ(Page.LblSeparate->text(), "单独计税");
    EXPECT_TRUE(Page.RBtnTaxable->isChecked());
    ASSERT_NE(Page.Chart, nullptr);
    for (const Series which : {Series::Separate, Series::Merged, Series::Marks})
        EXPECT_TRUE(Shown(Page, which).isEmpty());
    EXPECT_FALSE(Page.BtnSaveChart->isEnabled());
    EXPECT_TRUE(Page.TxtBonus->hasFocus());
}

TEST_F(CurBonusPage, CopyPutsTheAmountOnTheClipboard) {
    CalcWithTaxable("36000", "100000");
    Click(Find<QPushButton>(&Page, QStringLiteral("CopyTxtMergedTotal")));
    EXPECT_EQ(QApplication::clipboard()->text(), "11080.00");
}

struct BadInput {
    bool Wages;
    const char *Bonus, *Other, *Insurance;
    const char *Message;
    const char *Focus;
};

class CurBonusBadInput : public CurBonusPage, public ::testing::WithParamInterface<BadInput> {};

TEST_P(CurBonusBadInput, NamesTheFieldKeepsWhatWasTyped) {
    const BadInput &c = GetParam();
    CalcWithTaxable("36000", "100000"); // a refused calculation leaves these results
    if (c.Wages)
        CalcWithWages(c.Bonus, c.Other, c.Insurance, "");
    else
        CalcWithTaxable(c.Bonus, c.Other);
    EXPECT_EQ(Page.TxtMsgInput->text(), QString::fromUtf8(c.Message));
    EXPECT_EQ(FocusName(), c.Focus);
    EXPECT_EQ(Page.TxtBonus->text(), c.Bonus);
    EXPECT_EQ(Page.TxtSeparateTotal->text(), "8560.00");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CurBonusBadInput,
    ::testing::Values(
        BadInput{false, "", "100000", "", "全年一次性奖金数据无效，请重新输入。", "TxtBonus"},
        BadInput{false, ".", "100000", "", "全年一次性奖金数据无效，请重新输入。", "TxtBonus"},
        BadInput{false, "1000", "", "", "全年其他应纳税所得额数据无效，请重新输入。",
                 "TxtOtherTaxable"},
        BadInput{true, "1000", "", "", "全年工资薪金收入数据无效，请重新输入。", "TxtWages"},
        BadInput{true, "1000", "80000", ".", "全年三险一金数据无效，请重新输入。",
                 "TxtInsurance"}));

TEST_F(CurBonusPage, InputsTakeOnlyAmounts) {
    Type(Page.TxtBonus, QStringLiteral("-3a8.0.5"));
    EXPECT_EQ(Page.TxtBonus->text(), "38.05");
}

} // namespace

namespace {

// The open year's bonus against the rest of its comprehensive income: the page compares what
// the year's settlement would be either way.
TEST(CurBonusWithAYear, StartsFromTheOpenYearsBonus) {
    QTemporaryDir files;
    FactInput::OpenYear(
        FactInput::WriteText(files, QStringLiteral("a.json"), FactInput::ReadmeYear));
    TFrmCurBonus page;
    ShowActive(&page);
    EXPECT_TRUE(page.BtnFromYear->isVisible());
    EXPECT_EQ(page.TxtBonus->text(), "40000.00");
    EXPECT_TRUE(page.RBtnTaxable->isChecked());
    // As pendra-cli year settles the file: 7830.00 separate, 8040.00 merged.
    EXPECT_EQ(page.TxtSeparateTotal->text(), "7830.00");
    EXPECT_EQ(page.TxtMergedTotal->text(), "8040.00");
}

// The latest year's law with the separate method ended: 38000 beside 100000 of other taxable
// income is merged, 138000 × 10 % − 2520 = 11280, 3800 of it the bonus's (100000 → 7480); the
// separate column stands empty, the page says why, and there is no split, reverse or curve of a
// method the year does not have.
TEST_F(CurBonusPage, AYearWithoutTheSeparateMethodMergesTheBonusAndSaysWhy) {
    current::YearRules ended = current::LatestRules();
    ended.SeparateBonus = false;
    const current::RulesStandIn law(ended);
    CalcWithTaxable(QStringLiteral("38000"), QStringLiteral("100000"));
    EXPECT_EQ(Page.TxtMergedTotal->text(), "11280.00");
    EXPECT_EQ(Page.TxtMergedBonusTax->text(), "3800.00");
    EXPECT_EQ(Page.TxtSeparateTotal->text(), "");
    EXPECT_EQ(Page.TxtSeparateBracket->text(), "不适用");
    EXPECT_EQ(Page.TxtBetter->text(), "2027年没有全年一次性奖金单独计税的办法：奖金并入当月工资薪金"
                                      "预扣预缴，年度汇算并入综合所得。");
    EXPECT_EQ(Page.TxtMsgCliff->text(), "");
    EXPECT_EQ(Page.TxtSplit->text(), "");
    EXPECT_FALSE(Page.BtnReverse->isEnabled());
    EXPECT_TRUE(Shown(Page, Series::Separate).isEmpty());
}

} // namespace
