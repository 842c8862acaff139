#include "app/PageRegistry.h"

#include "app/UFrmMain.h"
#include "common/UDeductionsDialog.h"
#include "common/UPageRow.h"
#include "common/UUtils.h"
#include "common/UYearFiles.h"
#include "pages/UFrmAnnualSalary.h"
#include "pages/UFrmBatch.h"
#include "pages/UFrmChance.h"
#include "pages/UFrmCompany.h"
#include "pages/UFrmCurBonus.h"
#include "pages/UFrmCurLabour.h"
#include "pages/UFrmCurSettle.h"
#include "pages/UFrmCurSeverance.h"
#include "pages/UFrmCurWage.h"
#include "pages/UFrmFiveGolds.h"
#include "pages/UFrmGoldsSetup.h"
#include "pages/UFrmHousehold.h"
#include "pages/UFrmInterest.h"
#include "pages/UFrmLaoWu.h"
#include "pages/UFrmLateFee.h"
#include "pages/UFrmLicense.h"
#include "pages/UFrmMakeUp.h"
#include "pages/UFrmMoney.h"
#include "pages/UFrmOthers.h"
#include "pages/UFrmPersonal.h"
#include "pages/UFrmRent.h"
#include "pages/UFrmSalary.h"
#include "pages/UFrmSalaryOld.h"
#include "pages/UFrmTaxYear.h"
#include "pages/UFrmTransfer.h"
#include "pages/UFrmWriting.h"
#include "pages/UFrmYearAward.h"
#include "sheets/Captions.h"
#include "shell/UFrmAbout.h"
#include "shell/UFrmFeedback.h"
#include "shell/UFrmGuide.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <map>

namespace PageRegistry {

QString Entry::Title() const {
    if (!TitleText.isEmpty())
        return TitleText;
    static const QRegularExpression accelerator(QStringLiteral("\\(&.\\)|\\.\\.\\.$"));
    return QString(Text).remove(accelerator).remove(QLatin1Char('&'));
}

Entry &Entry::Follows(RulesPeriod::Period Period) {
    Rules = Period;
    return *this;
}

Entry &Entry::Hide() {
    Hidden = true;
    return *this;
}

Entry &Entry::StartsHere() {
    FirstStart = true;
    return *this;
}

Entry &Entry::Titled(const QString &Title) {
    TitleText = Title;
    return *this;
}

Entry &Entry::OnToolbar(const QString &ObjectName, const QString &Text, ToolbarPlace At) {
    Button = ObjectName;
    Caption = Text;
    Place = At;
    return *this;
}

Entry &Entry::HiddenButton() {
    ButtonHidden = true;
    return *this;
}

Entry &Entry::InSubmenu(const char *ObjectName, const QString &Text) {
    Submenu = QString::fromLatin1(ObjectName);
    SubmenuText = Text;
    return *this;
}

Entry &Entry::CheckedWhile(std::function<bool()> Holds) {
    Checked = std::move(Holds);
    return *this;
}

Entry &Entry::Shortcut(const QKeySequence &Sequence) {
    Keys = Sequence;
    return *this;
}

Entry Command(Menu In, const char *Name, const QString &Text,
              std::function<void(TFrmMain &Main)> Run) {
    Entry entry;
    entry.Name = QString::fromLatin1(Name);
    entry.In = In;
    entry.Text = Text;
    entry.Opens = Kind::Command;
    entry.Run = std::move(Run);
    return entry;
}

namespace {

using RulesPeriod::Period;
using Translations::Language;

// The year page saves the year it shows, a fresh one too; elsewhere the open year is saved.
void SaveYear(TFrmMain &Main, bool As) {
    if (auto *page = qobject_cast<TFrmTaxYear *>(Main.CurrentPage()))
        return page->Save(As);
    if (As)
        YearFiles::SaveAs(&Main);
    else
        YearFiles::Save(&Main);
}

// The toolbar's groups: the earlier rules' pages, the law in force, the tools.
constexpr int EarlierPages = 1, EarlierPayments = 2, CurrentPages = 3, Tools = 4;

// A choice of the language submenu. The submenu and each language are named in both languages
// alike, whichever is in use, so that someone who cannot read the one shown still finds the other.
Entry LanguageChoice(const char *Name, const QString &Own, Language Lang) {
    return Command(Menu::Tools, Name, Own, [Lang](TFrmMain &Main) { Main.ChooseLanguage(Lang); })
        .InSubmenu("MLanguage", QStringLiteral("语言 / Language"))
        .CheckedWhile([Lang] { return Translations::Current() == Lang; });
}

class TProgramRows {
    Q_DECLARE_TR_FUNCTIONS(PageRegistry)

  public:
    // Within a menu, in the menu's order. The 计算器 menu groups its pages by the period of their
    // rules, under a header naming it.
    static Registry Make() {
        return {
            Command(Menu::File, "MYearOpen", tr("打开年度文件(&O)..."),
                    [](TFrmMain &Main) { YearFiles::Open(&Main); }),
            Command(Menu::File, "MYearSave", tr("保存年度文件(&S)"),
                    [](TFrmMain &Main) { SaveYear(Main, false); }),
            Command(Menu::File, "MYearSaveAs", tr("年度文件另存为(&A)..."),
                    [](TFrmMain &Main) { SaveYear(Main, true); }),
            Command(Menu::File, "MExit", tr("退出(&X)"), &TFrmMain::MExitClick),

            Page<TFrmSalary>(Menu::Calculator, "MSalary", tr("工资薪金所得(月薪)"))
                .Follows(Period::Since2011)
                .OnToolbar("ToolButton1", tr(" 工资薪金"), {EarlierPages, 1}),
            Page<TFrmYearAward>(Menu::Calculator, "MYearAward", tr("年终奖金所得"))
                .Follows(Period::Since2011)
                .OnToolbar("ToolButton2", tr("年终奖"), {EarlierPages, 2}),
            Page<TFrmFiveGolds>(Menu::Calculator, "N22", tr("五险一金计算器"))
                .Follows(Period::Since2011)
                .Hide(),
            Page<TFrmAnnualSalary>(Menu::Calculator, "N21", tr("工资薪金所得(年薪)"))
                .Follows(Period::Since2011)
                .Hide(),
            Page<TFrmMakeUp>(Menu::Calculator, "N19", tr("经济补偿金所得"))
                .Follows(Period::Since2011),
            // The law of 2019 has no such category any more.
            Page<TFrmOthers>(Menu::Calculator, "N13", tr("被确定征税的其他部分"))
                .Follows(Period::Abolished),
            Page<TFrmSalaryOld>(Menu::Calculator, "N20", tr("工资薪金所得(月薪旧版)"))
                .Follows(Period::Since2008),
            Page<TFrmCompany>(Menu::Calculator, "N9", tr("对企事业单位的承包经营、承租经营所得"))
                .Follows(Period::Since2008),
            Page<TFrmPersonal>(Menu::Calculator, "N8", tr("个体工商户生产、经营所得"))
                .Titled(tr("个体工商户生产、经营所得 "))
                .Follows(Period::Until2011),
            Page<TFrmLaoWu>(Menu::Calculator, "N3", tr("劳务报酬所得"))
                .Follows(Period::PerPayment)
                .OnToolbar("ToolButton5", sheets::Caption(current::RemunerationKind::Labour),
                           {EarlierPayments, 1}),
            Page<TFrmWriting>(Menu::Calculator, "N4", tr("稿酬所得"))
                .Follows(Period::PerPayment)
                .OnToolbar("ToolButton4", tr("稿酬所得"), {EarlierPayments, 2}),
            Page<TFrmLicense>(Menu::Calculator, "N11", tr("特许权使用费所得"))
                .Titled(tr("特许权使用费所得 "))
                .Follows(Period::PerPayment),
            Page<TFrmRent>(Menu::Calculator, "N7", tr("财产租赁所得"))
                .Titled(tr("财产租赁所得 "))
                .Follows(Period::Unchanged),
            Page<TFrmTransfer>(Menu::Calculator, "N10", tr("财产转让所得"))
                .Follows(Period::Unchanged),
            Page<TFrmInterest>(Menu::Calculator, "N6", tr("利息、股息、红利所得"))
                .Follows(Period::Unchanged),
            Page<TFrmChance>(Menu::Calculator, "N12", tr("偶然所得(如：中奖、中彩)"))
                .Follows(Period::Unchanged),
            Page<TFrmLateFee>(Menu::Calculator, "N14", tr("税收滞纳金计算器"))
                .Follows(Period::Unchanged),

            Page<TFrmTaxYear>(Menu::Current, "MCurYear", tr("我的纳税年度(&Y)")),
            Page<TFrmCurWage>(Menu::Current, "MCurWage", tr("工资薪金(累计预扣)(&W)"))
                .StartsHere()
                .OnToolbar("TBtnCurWage", tr("现行工资"), {CurrentPages, 1}),
            Dialog<TFrmCurDeductions>(Menu::Current, "MCurDeductions", tr("专项附加扣除(&D)...")),
            Page<TFrmCurBonus>(Menu::Current, "MCurBonus", tr("年终奖(现行)(&B)")),
            Page<TFrmCurLabour>(Menu::Current, "MCurLabour", tr("劳务报酬/稿酬/特许权(现行)(&L)")),
            Page<TFrmCurSettle>(Menu::Current, "MCurSettle", tr("年度汇算(&S)")),
            Page<TFrmHousehold>(Menu::Current, "MCurHousehold", tr("家庭分配(&H)")),
            Page<TFrmCurSeverance>(Menu::Current, "MCurSeverance", tr("经济补偿金(现行)(&C)")),
            Window<TFrmBatch>(Menu::Current, "MCurBatch", tr("工资表批量计算(&P)...")),

            Dialog<TFrmMoney>(Menu::Tools, "N5", tr("人民币大小写(&R)"))
                .OnToolbar("ToolButton3", tr("货币大写"), {Tools, 1}),
            Command(Menu::Tools, "NSysCalc", tr("计算器(&C)"),
                    [](TFrmMain &Main) { TUtils::OpenCalc(&Main); })
                .OnToolbar("TBtnOpenCalc", tr(" 计算器 "), {Tools, 2}),
            Command(Menu::None, "ToolButton8", QString(),
                    [](TFrmMain &Main) { TUtils::OpenNotepad(&Main); })
                .OnToolbar("ToolButton8", tr(" 记事本 "), {Tools, 3}),
            Dialog<TFrmGoldsSetup>(Menu::None, "ToolButton7", QString())
                .OnToolbar("ToolButton7", tr("参数设置"), {Tools, 4})
                .HiddenButton(),
            LanguageChoice("MChinese", QStringLiteral("中文"), Language::Chinese),
            LanguageChoice("MEnglish", QStringLiteral("English"), Language::English),

            Window<TFrmGuide>(Menu::Help, "MGuide", tr("使用说明(&U)"))
                .Shortcut(QKeySequence(Qt::Key_F1)),
            Command(Menu::Help, "MHomePage", tr("官方网站"), &TFrmMain::ImgLogoClick),
            Dialog<TFrmFeedback>(Menu::Help, "MFeedback", tr("意见反馈")),
            Command(Menu::Help, "MUpdate", tr("检查更新"), &TFrmMain::MUpdateClick).Hide(),
            Dialog<TFrmAbout>(Menu::Help, "MAbout", tr("关于(&A)...")),
            Command(Menu::Help, "N23", tr("线程"), &TFrmMain::N23Click).Hide(),
        };
    }
};

} // namespace

const Registry &Program() {
    // Kept whole, so that an entry taken from the registry of one language stays valid after a
    // switch to the other.
    static std::map<Language, Registry> made;
    const Language now = Translations::Current();
    auto found = made.find(now);
    if (found == made.end())
        found = made.emplace(now, TProgramRows::Make()).first;
    return found->second;
}

const Entry *Find(const Registry &Entries, const QString &ClassName) {
    for (const Entry &entry : Entries) {
        if (!entry.Class.isEmpty() && entry.Class == ClassName)
            return &entry;
    }
    return nullptr;
}

const Entry *Named(const Registry &Entries, const QString &Name) {
    for (const Entry &entry : Entries) {
        if (entry.Name == Name)
            return &entry;
    }
    return nullptr;
}

std::vector<const Entry *> PagesAndWindows(const Registry &Entries) {
    std::vector<const Entry *> pages, windows;
    for (const Entry &entry : Entries) {
        if (entry.IsPage())
            pages.push_back(&entry);
        else if (entry.Create)
            windows.push_back(&entry);
    }
    pages.insert(pages.end(), windows.begin(), windows.end());
    return pages;
}

std::optional<PageRow::Info> RowOf(const QMetaObject &Page) {
    const Entry *entry = Find(Program(), QString::fromLatin1(Page.className()));
    if (!entry)
        return std::nullopt;
    return PageRow::Info{entry->Title(), entry->Rules};
}

} // namespace PageRegistry
