#include "pages/UFrmChance.h"
#include "pages/UFrmInterest.h"
#include "pages/UFrmOthers.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace UiTest;

namespace {

struct PageKind {
    const char *ClassName;
    const char *Title;
    QSize Size;
    QRect MethodGroup;
    std::function<TFlatRatePage *()> Make;
};

const PageKind Kinds[] = {
    {"TFrmInterest",
     "   利息、股息、红利所得",
     {914, 428},
     {512, 30, 370, 171},
     [] { return new TFrmInterest; }},
    {"TFrmChance",
     "   偶然所得(如：中奖、中彩)",
     {913, 496},
     {503, 30, 370, 187},
     [] { return new TFrmChance; }},
    {"TFrmOthers",
     "   被确定征税的其他部分",
     {986, 605},
     {583, 30, 370, 123},
     [] { return new TFrmOthers; }},
};

std::unique_ptr<TFlatRatePage> Open(const PageKind &kind) {
    std::unique_ptr<TFlatRatePage> page(kind.Make());
    page->show();
    QApplication::setActiveWindow(page.get());
    QCoreApplication::processEvents();
    return page;
}

// One page of each kind per test, so that every rule is shown to hold on all three pages.
template <class Case>
class FlatRateTest : public ::testing::TestWithParam<std::tuple<PageKind, Case>> {
  protected:
    void SetUp() override { Page = Open(Kind()); }
    const PageKind &Kind() const { return std::get<0>(this->GetParam()); }
    const Case &Row() const { return std::get<1>(this->GetParam()); }
    void Calc(const QString &income) { TypeAndEnter(Page->TxtIncome, income); }
    std::unique_ptr<TFlatRatePage> Page;
};

std::string KindName(const PageKind &kind) {
    return kind.ClassName;
}

// Test names: the page class and the row number.
struct RowName {
    template <class Info> std::string operator()(const Info &info) const {
        return KindName(std::get<0>(info.param)) + "_" + std::to_string(info.index);
    }
};

// Forward calculation.

struct ForwardCase {
    const char *Rule;
    const char *Income;
    const char *Income2;
    const char *Tax;
    const char *AfterTax;
};

using FlatRateForward = FlatRateTest<ForwardCase>;

TEST_P(FlatRateForward, TwentyPerCentOfTheWholeAndCaretBack) {
    const ForwardCase &c = Row();
    Calc(c.Income);
    EXPECT_EQ(Page->TxtIncome2->text(), QString::fromUtf8(c.Income2)) << c.Rule;
    EXPECT_EQ(Page->TxtTaxableIncome->text(), QString::fromUtf8(c.Income2)) << c.Rule;
    EXPECT_EQ(Page->TxtRate->text(), "20%") << c.Rule;
    EXPECT_EQ(Page->TxtTax->text(), c.Tax) << c.Rule;
    EXPECT_EQ(Page->TxtIncomeAfterTax->text(), c.AfterTax) << c.Rule;
    EXPECT_EQ(Page->TxtIncome->text(), c.Income) << "the typed income is not rewritten";
    EXPECT_TRUE(Page->TxtIncome->hasFocus());
    EXPECT_EQ(Page->TxtIncome->selectedText(), c.Income);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FlatRateForward,
    ::testing::Combine(
        ::testing::ValuesIn(Kinds),
        ::testing::Values(ForwardCase{"1000 pays 200", "1000", "1000元", "200", "800"},
                          ForwardCase{"no rounding to cents", "12345.67", "12345.67元", "2469.134",
                                      "9876.536"},
                          ForwardCase{"one cent", "0.01", "0.01元", "0.002", "0.008"},
                          ForwardCase{"typed amount rounded to cents", "1000.456", "1000.46元",
                                      "200.092", "800.368"})),
    RowName());

struct MessageCase {
    const char *Rule;
    const char *Income;
    const char *Message;
};

using FlatRateForwardMessages = FlatRateTest<MessageCase>;

TEST_P(FlatRateForwardMessages, InlineBesideIncomeAndEarlierResultsStay) {
    const MessageCase &c = Row();
    Calc("1000");
    Page->TxtIncome->setText(c.Income);
    Click(Page->BtnCalc);
    EXPECT_EQ(Page->TxtMsgIncome->text(), QString::fromUtf8(c.Message)) << c.Rule;
    EXPECT_TRUE(Page->TxtIncome->hasFocus()) << c.Rule;
    EXPECT_EQ(Page->TxtIncome->selectedText(), Page->TxtIncome->text()) << c.Rule;
    EXPECT_EQ(Page->TxtTax->text(), "200") << c.Rule;
    EXPECT_EQ(Page->TxtIncome2->text(), "1000元") << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    All, FlatRateForwardMessages,
    ::testing::Combine(
        ::testing::ValuesIn(Kinds),
        ::testing::Values(MessageCase{"empty", "", "收入金额数据无效，请重新输入。"},
                          MessageCase{"lone stop", ".", "收入金额数据无效，请重新输入。"},
                          MessageCase{"zero", "0", "收入金额应大于0，请重新输入。"},
                          MessageCase{"rounds to zero", "0.004", "收入金额应大于0，请重新输入。"},
                          MessageCase{"pasted negative", "-5", "收入金额应大于0，请重新输入。"})),
    RowName());

// Reverse calculations through the income edit.

struct ReverseCase {
    const char *Rule;
    bool FromTax;
    const char *Given;
    const char *Income;
    const char *Income2;
};

using FlatRateReverse = FlatRateTest<ReverseCase>;

TEST_P(FlatRateReverse, IncomeWrittenWholeThenCalculatedForward) {
    const ReverseCase &c = Row();
    QLineEdit *source = c.FromTax ? Page->TxtTax : Page->TxtIncomeAfterTax;
    Page->TxtIncome->setText("");
    Click(Page->BtnCalc); // leaves a message that the forward step must clear
    Type(source, c.Given);
    Click(c.FromTax ? Page->BtnAntiTax : Page->BtnAntiIncomeAfterTax);
    EXPECT_EQ(Page->TxtIncome->text(), c.Income) << c.Rule;
    EXPECT_EQ(Page->TxtIncome2->text(), QString::fromUtf8(c.Income2)) << c.Rule;
    EXPECT_TRUE(Page->TxtMsgIncome->text().isEmpty()) << c.Rule;
    EXPECT_TRUE(Page->TxtIncome->hasFocus()) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FlatRateReverse,
    ::testing::Combine(
        ::testing::ValuesIn(Kinds),
        ::testing::Values(ReverseCase{"tax 100 from 500", true, "100", "500", "500元"},
                          ReverseCase{"tax 33.33 not rounded", true, "33.33", "166.65", "166.65元"},
                          ReverseCase{"tax one cent", true, "0.01", "0.05", "0.05元"},
                          ReverseCase{"after tax 800 from 1000", false, "800", "1000", "1000元"},
                          ReverseCase{"after tax 100 from 125", false, "100", "125", "125元"},
                          ReverseCase{"longer than ten characters, never cut", false, "9999999.99",
                                      "12499999.9875", "12499999.99元"})),
    RowName());

struct ReverseMessageCase {
    const char *Rule;
    bool FromTax;
    const char *Given;
    const char *Message;
};

using FlatRateReverseMessages = FlatRateTest<ReverseMessageCase>;

TEST_P(FlatRateReverseMessages, BoxThenFocusOnTheEditAndNothingElseChanges) {
    const ReverseMessageCase &c = Row();
    Calc("1000");
    Page->TxtIncome->setText("");
    Click(Page->BtnCalc);
    const QString standing = Page->TxtMsgIncome->text();
    QLineEdit *source = c.FromTax ? Page->TxtTax : Page->TxtIncomeAfterTax;
    source->setText(c.Given);
    const ModalSeen seen =
        CloseNextModal([&] { Click(c.FromTax ? Page->BtnAntiTax : Page->BtnAntiIncomeAfterTax); });
    EXPECT_TRUE(seen.Shown) << c.Rule;
    EXPECT_EQ(seen.Title, "提示") << c.Rule;
    EXPECT_EQ(seen.Text, QString::fromUtf8(c.Message)) << c.Rule;
    EXPECT_EQ(Page->focusWidget(), source) << c.Rule;
    EXPECT_EQ(source->selectedText(), source->text()) << c.Rule;
    EXPECT_TRUE(Page->TxtIncome->text().isEmpty()) << c.Rule;
    EXPECT_EQ(Page->TxtIncome2->text(), "1000元") << c.Rule;
    EXPECT_EQ(Page->TxtMsgIncome->text(), standing) << "the reverse leaves the message alone";
}

INSTANTIATE_TEST_SUITE_P(
    All, FlatRateReverseMessages,
    ::testing::Combine(
        ::testing::ValuesIn(Kinds),
        ::testing::Values(
            ReverseMessageCase{"empty tax", true, "", "应纳税额数据无效，请重新输入。"},
            ReverseMessageCase{"zero tax", true, "0", "应纳税额应大于0，请重新输入。"},
            ReverseMessageCase{"pasted negative tax", true, "-1", "应纳税额应大于0，请重新输入。"},
            ReverseMessageCase{"empty after tax", false, "", "税后收入数据无效，请重新输入。"},
            ReverseMessageCase{"after tax rounding to zero", false, "0.001",
                               "税后收入应大于0，请重新输入。"})),
    RowName());

// Behaviour without a table of cases, on each page.

class FlatRatePage : public ::testing::TestWithParam<PageKind> {
  protected:
    void SetUp() override { Page = Open(GetParam()); }
    std::unique_ptr<TFlatRatePage> Page;
};

TEST_P(FlatRatePage, OwnClassTitleSizeAndMethodGroup) {
    const PageKind &kind = GetParam();
    EXPECT_STREQ(Page->metaObject()->className(), kind.ClassName);
    EXPECT_EQ(Page->Panel1->text(), kind.Title);
    EXPECT_EQ(Page->size(), kind.Size);
    const auto *group = Page->findChild<QGroupBox *>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "计算方法");
    EXPECT_EQ(group->geometry(), kind.MethodGroup);
    EXPECT_TRUE(Page->TxtIncome->hasFocus());
}

TEST_P(FlatRatePage, ResetLeavesTheMessageUntilTheNextCalculation) {
    TypeAndEnter(Page->TxtIncome, "1000");
    TypeAndEnter(Page->TxtIncome, "");
    Click(Page->BtnReset);
    EXPECT_EQ(Page->TxtMsgIncome->text(), "收入金额数据无效，请重新输入。");
    EXPECT_TRUE(Page->TxtIncome->text().isEmpty());
    EXPECT_TRUE(Page->TxtTax->text().isEmpty());
    EXPECT_TRUE(Page->TxtIncomeAfterTax->text().isEmpty());
    EXPECT_EQ(Page->TxtIncome2->text(), "0.00元");
    EXPECT_EQ(Page->TxtTaxableIncome->text(), "0.00元");
    EXPECT_EQ(Page->TxtRate->text(), "0%");
    EXPECT_TRUE(Page->TxtIncome->hasFocus());
    TypeAndEnter(Page->TxtIncome, "1000");
    EXPECT_TRUE(Page->TxtMsgIncome->text().isEmpty());
}

TEST_P(FlatRatePage, EnterInTheResultEditsDoesNothing) {
    Page->TxtIncome->setText("1000");
    TypeAndEnter(Page->TxtTax, "100");
    TypeAndEnter(Page->TxtIncomeAfterTax, "100");
    EXPECT_EQ(Page->TxtIncome->text(), "1000");
    EXPECT_EQ(Page->TxtIncome2->text(), "0.00元");
}

TEST_P(FlatRatePage, CopyButtonsCopyTheBareResults) {
    TypeAndEnter(Page->TxtIncome, "12345.67");
    Click(Page->BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "2469.134");
    Click(Page->BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "9876.536");
}

TEST_P(FlatRatePage, TabKeyFollowsTheForm) {
    const QStringList expected{"TxtIncome",     "BtnCalc",           "BtnReset",
                               "TxtTax",        "TxtIncomeAfterTax", "BtnCopyTax",
                               "BtnCopyIncome", "BtnAntiTax",        "BtnAntiIncomeAfterTax",
                               "TxtIncome"};
    Page->TxtIncome->setFocus();
    QStringList seen;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(seen.join(' ').toStdString(), expected.join(' ').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Each, FlatRatePage, ::testing::ValuesIn(Kinds),
                         [](const auto &info) { return KindName(info.param); });

TEST(FlatRatePages, SameInputGivesTheSameTextsOnAllThree) {
    for (const char *income : {"1000", "0.01", "7777.77", "9999999999"}) {
        QStringList shown;
        for (const PageKind &kind : Kinds) {
            const auto page = Open(kind);
            TypeAndEnter(page->TxtIncome, income);
            shown << QStringList{page->TxtIncome2->text(), page->TxtTaxableIncome->text(),
                                 page->TxtRate->text(), page->TxtTax->text(),
                                 page->TxtIncomeAfterTax->text()}
                         .join('|');
        }
        EXPECT_EQ(shown.count(shown.front()), 3) << shown.join(" / ").toStdString();
    }
}

} // namespace
