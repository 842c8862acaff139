// The grey line that tells which years a page's rules applied to: on every page of rules no longer
// in force, between the title strip and the client area, and on no other page.

#include "pages/UFrmChance.h"
#include "pages/UFrmCompany.h"
#include "pages/UFrmFiveGolds.h"
#include "pages/UFrmLaoWu.h"
#include "pages/UFrmLateFee.h"
#include "pages/UFrmLicense.h"
#include "pages/UFrmMakeUp.h"
#include "pages/UFrmOthers.h"
#include "pages/UFrmPersonal.h"
#include "pages/UFrmRent.h"
#include "pages/UFrmSalary.h"
#include "pages/UFrmSalaryOld.h"
#include "pages/UFrmTransfer.h"
#include "pages/UFrmWriting.h"
#include "pages/UFrmYearAward.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct NoteCase {
    const char *Page;
    std::function<TCalcPage *()> Make;
    const char *Years; // null: rules unchanged in 2019, no line
};

void PrintTo(const NoteCase &Case, std::ostream *Out) {
    *Out << Case.Page;
}

template <class Page> std::function<TCalcPage *()> Maker() {
    return [] { return new Page; };
}

class RulesPeriod : public ::testing::TestWithParam<NoteCase> {};

TEST_P(RulesPeriod, GreyLineUnderTheTitleStrip) {
    const std::unique_ptr<TCalcPage> page(GetParam().Make());
    page->show();
    auto *note = page->findChild<QLabel *>(QStringLiteral("LawNote"));
    if (!GetParam().Years) {
        EXPECT_EQ(note, nullptr);
        return;
    }
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QString::fromUtf8(GetParam().Years)))
        << note->text().toStdString();
    EXPECT_TRUE(note->text().contains(QStringLiteral("“现行税法”菜单")));
    const QWidget *client = page->findChild<QWidget *>(QStringLiteral("PanelClient"));
    ASSERT_NE(client, nullptr);
    EXPECT_GE(note->y(), page->Panel1->geometry().bottom());
    EXPECT_LE(note->geometry().bottom(), client->y());
    EXPECT_LT(note->palette().color(QPalette::WindowText).lightness(), 200); // grey, not white
    EXPECT_GT(note->palette().color(QPalette::WindowText).lightness(), 64);  // nor black
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RulesPeriod,
    ::testing::Values(NoteCase{"Salary", Maker<TFrmSalary>(), "2011年9月至2018年12月"},
                      NoteCase{"SalaryOld", Maker<TFrmSalaryOld>(), "2008年3月至2011年8月"},
                      NoteCase{"YearAward", Maker<TFrmYearAward>(), "2011年9月至2018年12月"},
                      NoteCase{"FiveGolds", Maker<TFrmFiveGolds>(), "2011年9月至2018年12月"},
                      NoteCase{"Personal", Maker<TFrmPersonal>(), "2011年8月以前"},
                      NoteCase{"Company", Maker<TFrmCompany>(), "2008年3月至2011年8月"},
                      NoteCase{"MakeUp", Maker<TFrmMakeUp>(), "2011年9月至2018年12月"},
                      NoteCase{"LaoWu", Maker<TFrmLaoWu>(), "2018年12月以前按次计税"},
                      NoteCase{"Writing", Maker<TFrmWriting>(), "2018年12月以前按次计税"},
                      NoteCase{"License", Maker<TFrmLicense>(), "2018年12月以前按次计税"},
                      NoteCase{"Others", Maker<TFrmOthers>(),
                               "2019年起施行的个人所得税法已无“经国务院财政部门确定征税的其他"
                               "所得”这一项"},
                      NoteCase{"Rent", Maker<TFrmRent>(), nullptr},
                      NoteCase{"Transfer", Maker<TFrmTransfer>(), nullptr},
                      NoteCase{"Chance", Maker<TFrmChance>(), nullptr},
                      NoteCase{"LateFee", Maker<TFrmLateFee>(), nullptr}),
    [](const auto &Info) { return std::string(Info.param.Page); });

} // namespace
