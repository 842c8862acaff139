#include "app/UFrmMain.h"

#include "app/UFirstPaint.h"
#include "app/UWebBrowser.h"
#include "common/UBusyCursor.h"
#include "common/UFileManager.h"
#include "common/UHttpClient.h"
#include "common/ULocalPicture.h"
#include "common/UMsgBox.h"
#include "common/UOpenYear.h"
#include "common/UPageMemory.h"
#include "common/UUtils.h"
#include "common/UYearFiles.h"
#include "pages/UFrmBatch.h"
#include "shell/UFrmUpdate.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <memory>

using PageRegistry::Entry;
using PageRegistry::Kind;
using PageRegistry::Menu;

QString TFrmMain::Caption() {
    return tr("Pendra个人所得税计算器 V3.01--最专业的个税计算器");
}

namespace {

const QString LogoPicture = QStringLiteral(":/pictures/logo.png");

// The page a start opens: the one shown when the program last ended, if it is still a page of
// the menus, else the page marked for the first start.
const Entry *FirstPageOf(const PageRegistry::Registry &Entries) {
    if (const auto last = TFileManager::ReadLastPage()) {
        const Entry *entry = PageRegistry::Named(Entries, *last);
        if (entry && entry->IsPage() && !entry->Hidden)
            return entry;
    }
    const auto first = std::find_if(Entries.begin(), Entries.end(),
                                    [](const Entry &E) { return E.IsPage() && E.FirstStart; });
    if (first != Entries.end())
        return &*first;
    const auto page =
        std::find_if(Entries.begin(), Entries.end(), [](const Entry &E) { return E.IsPage(); });
    return page != Entries.end() ? &*page : nullptr;
}

} // namespace

QStringList TFrmMain::FirstPictures() {
    const Entry *first = FirstPageOf(PageRegistry::Program());
    QStringList pictures;
    for (const QString &picture :
         QStringList{LogoPicture} + (first ? first->Pictures : QStringList()))
        pictures << LocalPicture::Of(picture);
    return pictures;
}

TFrmMain::TFrmMain(QWidget *parent) : TFrmMain(PageRegistry::Program(), parent) {
    FollowsProgram = true;
}

TFrmMain::TFrmMain(PageRegistry::Registry Entries, QWidget *parent)
    : QMainWindow(parent), Registry(std::move(Entries)) {
    setObjectName(QStringLiteral("FrmMain"));
    resize(927, 723);
    setMinimumSize(920, 723);
    setAcceptDrops(true);
    CreateMenus();
    CreateToolBar();
    CreateBanner();
    CreatePageArea();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The year file open when the program last ended is read while the first page is made and
    // painted; the page follows it once painted (at once for a window not shown), and the title
    // names it.
    YearFiles::ReopenLast(this, [this](std::function<void()> Open) {
        if (isVisible())
            FirstPaint::Then(this, std::move(Open));
        else
            Open();
    });
    connect(&TOpenYear::Instance(), &TOpenYear::Changed, this,
            [this] { setWindowTitle(YearFiles::WindowTitle(Caption())); });
    setWindowTitle(YearFiles::WindowTitle(Caption()));
    if (const Entry *first = FirstPageOf(Registry))
        Open(first->Name);
    // The logo's place is fixed; its picture, decoded ahead while the page was built, comes last.
    LocalPicture::Show(ImgLogo, LogoPicture);
    // Nobody waits for the advertisement: its request, and the network stack it starts, follow
    // the first paint. A window still not on screen when the event loop turns asks at once.
    const QString advertisement = TUtils::SitePage(QStringLiteral("/ads/test.html"));
    QTimer::singleShot(0, this, [this, advertisement] {
        const auto navigate = [this, advertisement] { WebBrowser1->Navigate(advertisement); };
        if (isVisible())
            FirstPaint::Then(this, navigate);
        else
            navigate();
    });
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::CreateMenus() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [this](const char *Name, const QString &Text) {
        QMenu *added = MainMenu1->addMenu(Text);
        added->setObjectName(QString::fromLatin1(Name));
        return added;
    };
    N1 = menu("N1", tr("文件(&F)"));
    N2 = menu("N2", tr("计算器(&C)"));
    MCurrent = menu("MCurrent", tr("现行税法(&X)"));
    T1 = menu("T1", tr("工具(&T)"));
    F1 = menu("F1", tr("帮助(&H)"));
    // Every page entry, of whichever menu, is in one group: one check mark in the menu bar.
    CalculatorItems = new QActionGroup(this);
    CalculatorItems->setExclusive(true);
    std::map<Menu, RulesPeriod::Period> before;
    for (const Entry &entry : Registry)
        AddMenuEntry(entry, before[entry.In]);
}

QMenu *TFrmMain::MenuOf(Menu In) const {
    switch (In) {
    case Menu::File:
        return N1;
    case Menu::Calculator:
        return N2;
    case Menu::Current:
        return MCurrent;
    case Menu::Tools:
        return T1;
    case Menu::Help:
        return F1;
    case Menu::None:
        break;
    }
    return nullptr;
}

// Entries of rules no longer in force stand under a header naming their period, a new header
// wherever the period's name changes.
void TFrmMain::AddMenuEntry(const Entry &Row, RulesPeriod::Period &Before) {
    QMenu *menu = MenuOf(Row.In);
    if (!menu)
        return;
    if (Row.Rules != RulesPeriod::Period::Current &&
        RulesPeriod::Header(Row.Rules) != RulesPeriod::Header(Before)) {
        if (!menu->isEmpty())
            menu->addSeparator();
        menu->addAction(RulesPeriod::Header(Row.Rules))->setEnabled(false);
    }
    Before = Row.Rules;
    if (!Row.Submenu.isEmpty())
        menu = SubmenuFor(Row, menu);
    QAction *item = menu->addAction(Row.Text);
    item->setObjectName(Row.Name);
    if (!Row.Keys.isEmpty())
        item->setShortcut(Row.Keys);
    item->setVisible(!Row.Hidden);
    if (Row.IsPage()) {
        item->setCheckable(true);
        CalculatorItems->addAction(item);
    } else if (Row.Checked) {
        item->setCheckable(true);
        item->setChecked(Row.Checked());
        // The choices of a submenu exclude each other, apart from the pages' check mark.
        auto *choices = menu->findChild<QActionGroup *>(QString(), Qt::FindDirectChildrenOnly);
        if (!choices)
            choices = new QActionGroup(menu);
        choices->addAction(item);
    }
    const QString name = Row.Name;
    connect(item, &QAction::triggered, this, [this, name] { Open(name); });
}

QMenu *TFrmMain::SubmenuFor(const Entry &Row, QMenu *Menu) {
    if (auto *submenu = Menu->findChild<QMenu *>(Row.Submenu, Qt::FindDirectChildrenOnly))
        return submenu;
    Menu->addSeparator();
    QMenu *submenu = Menu->addMenu(Row.SubmenuText);
    submenu->setObjectName(Row.Submenu);
    submenu->menuAction()->setObjectName(Row.Submenu);
    return submenu;
}

void TFrmMain::CreateToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(28);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar1->toggleViewAction()->setVisible(false);
    ToolBar1->layout()->setSpacing(ToolbarGap);
    QFont font = ToolBar1->font();
    font.setPixelSize(13);
    font.setBold(true);
    ToolBar1->setFont(font);
    std::vector<const Entry *> buttons;
    for (const Entry &entry : Registry) {
        if (entry.Place.Group > 0)
            buttons.push_back(&entry);
    }
    std::stable_sort(buttons.begin(), buttons.end(), [](const Entry *A, const Entry *B) {
        return std::pair(A->Place.Group, A->Place.Order) <
               std::pair(B->Place.Group, B->Place.Order);
    });
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0 && buttons[i]->Place.Group != buttons[i - 1]->Place.Group)
            ToolBar1->addSeparator();
        AddToolButton(*buttons[i]);
    }
}

// A toolbar page button shows its page but leaves the menu's check mark where it is.
void TFrmMain::AddToolButton(const Entry &Row) {
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(Row.Button);
    button->setText(Row.Caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The buttons share one width; a caption longer than that (in English) widens its own.
    const int captionWidth = button->fontMetrics().horizontalAdvance(Row.Caption.trimmed());
    button->setFixedSize(captionWidth > ToolButtonWidth - ToolButtonPadding
                             ? captionWidth + ToolButtonPadding
                             : ToolButtonWidth,
                         24);
    if (RulesPeriod::IsPast(Row.Rules))
        button->setToolTip(RulesPeriod::Tip(Row.Rules));
    QAction *action = ToolBar1->addWidget(button);
    if (Row.ButtonHidden) {
        // A hidden button's toolbar entry is hidden, not the button itself; hiding the entry
        // also disables the button, which keeps its action for whatever clicks it all the same.
        action->setVisible(false);
        button->setEnabled(true);
    }
    const Entry *entry = &Row;
    connect(button, &QToolButton::clicked, this, [this, entry] { Choose(*entry); });
}

void TFrmMain::CreateBanner() {
    Panel2 = new QWidget;
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(72);
    Panel2->setAutoFillBackground(true);
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(white);
    auto *layout = new QHBoxLayout(Panel2);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(0);

    ImgLogo = new TClickLabel(Panel2);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setFixedSize(210, 70);
    ImgLogo->setAlignment(Qt::AlignCenter);
    ImgLogo->setAccessibleName(tr("官方网站")); // it opens the home page
    connect(ImgLogo, &TClickLabel::Clicked, this, &TFrmMain::ImgLogoClick);
    layout->addWidget(ImgLogo);

    PanelAds = new QWidget(Panel2);
    PanelAds->setObjectName(QStringLiteral("PanelAds"));
    auto *adsLayout = new QHBoxLayout(PanelAds);
    adsLayout->setContentsMargins(0, 0, 0, 0);
    WebBrowser1 = new TWebBrowser(PanelAds);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setFixedSize(606, 70);
    adsLayout->addWidget(WebBrowser1);
    adsLayout->addStretch();
    PanelAds->setVisible(false);
    connect(WebBrowser1, &TWebBrowser::TitleChange, this, &TFrmMain::WebBrowser1TitleChange);
    layout->addWidget(PanelAds, 1);
    layout->addStretch();
}

void TFrmMain::CreatePageArea() {
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    PanelMain = new QWidget(central);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    auto *pageLayout = new QVBoxLayout(PanelMain);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PanelMain, 1);
    setCentralWidget(central);
}

void TFrmMain::ShowPage(const QString &ClassName, const std::function<QWidget *()> &Create) {
    // The category already shown stays as it is, with whatever the user has typed.
    if (Page && PageClassName.compare(ClassName, Qt::CaseInsensitive) == 0)
        return;
    QWidget *page = Create ? Create() : nullptr;
    if (!page)
        return;
    delete Page;
    page->setParent(PanelMain);
    PanelMain->layout()->addWidget(page);
    page->show();
    Page = page;
    PageClassName = ClassName;
}

bool TFrmMain::Open(const QString &EntryName) {
    const Entry *entry = PageRegistry::Named(Registry, EntryName);
    if (!entry)
        return false;
    if (entry->IsPage()) {
        if (auto *item = findChild<QAction *>(EntryName))
            item->setChecked(true);
    }
    Choose(*entry);
    return true;
}

void TFrmMain::Choose(const Entry &Row) {
    switch (Row.Opens) {
    case Kind::Page:
        return ShowPage(Row.Class, [&Row] { return Row.Create(nullptr); });
    case Kind::Dialog: {
        const std::unique_ptr<QWidget> window(Row.Create(this));
        if (auto *dialog = qobject_cast<QDialog *>(window.get()))
            dialog->exec();
        return;
    }
    case Kind::Window: {
        QWidget *window = OpenWindow(Row);
        // A window that follows the page shown (the guide) is told which it is.
        if (window->metaObject()->indexOfMethod("ShowSectionOf(QString)") >= 0)
            QMetaObject::invokeMethod(window, "ShowSectionOf", Q_ARG(QString, PageClassName));
        return;
    }
    case Kind::Command:
        return Row.Run(*this);
    }
}

// A window of its own is made once, while it is open; asked for again, it comes to the front.
QWidget *TFrmMain::OpenWindow(const Entry &Row) {
    QPointer<QWidget> &window = Windows[Row.Name];
    if (!window) {
        window = Row.Create(this);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void TFrmMain::closeEvent(QCloseEvent *Event) {
    // The windows of their own go first, each asking about what it holds unsaved (the batch
    // window's results); one that stays open keeps the program open. Then a year with unsaved
    // changes is saved or given up only as the user says; cancelled, the window stays.
    if (!CloseOwnWindows() || !YearFiles::ConfirmDiscard(this))
        return Event->ignore();
    QMainWindow::closeEvent(Event);
    const Entry *shown = PageRegistry::Find(Registry, PageClassName);
    // Kept for the next start; a file that cannot be written leaves the next start on the first
    // start's page, which is not worth a message at the end.
    if (Event->isAccepted() && shown && shown->IsPage() && !shown->Hidden)
        TFileManager::WriteLastPage(shown->Name);
}

bool TFrmMain::CloseOwnWindows() {
    for (const QPointer<QWidget> &window : std::as_const(Windows)) {
        if (window && window->isVisible() && !window->close())
            return false;
    }
    return true;
}

void TFrmMain::ChooseLanguage(Translations::Language Lang) {
    // Queued: the menu entry that asked is taken down with the menus it belongs to.
    QMetaObject::invokeMethod(
        this,
        [this, Lang] {
            const auto written = TFileManager::WriteLanguage(Lang);
            if (written != TFileManager::TWriteResult::Written)
                MsgBox::Show(this,
                             TFileManager::WriteFailureText(written, TFileManager::FilePath()));
            if (Lang != Translations::Current())
                Translations::Apply(Lang, Translations::Scope::Qt);
            // A translation that could not be loaded leaves the check on the language in force.
            for (const Entry &entry : Registry) {
                auto *item = entry.Checked ? findChild<QAction *>(entry.Name) : nullptr;
                if (item)
                    item->setChecked(entry.Checked());
            }
        },
        Qt::QueuedConnection);
}

void TFrmMain::changeEvent(QEvent *Event) {
    QMainWindow::changeEvent(Event);
    if (Event->type() == QEvent::LanguageChange)
        Retranslate();
}

// Every translator installed or removed sends this; only a change of the program's language
// rebuilds anything.
void TFrmMain::Retranslate() {
    if (BuiltIn == Translations::Current())
        return;
    BuiltIn = Translations::Current();
    const QAction *checked = CalculatorItems->checkedAction();
    const QString checkedName = checked ? checked->objectName() : QString();
    delete ToolBar1;
    for (QMenu *menu : {N1, N2, MCurrent, T1, F1})
        delete menu;
    delete CalculatorItems;
    if (FollowsProgram)
        Registry = PageRegistry::Program();
    setWindowTitle(YearFiles::WindowTitle(Caption()));
    CreateMenus();
    CreateToolBar();
    if (auto *item = findChild<QAction *>(checkedName); item && !checkedName.isEmpty())
        item->setChecked(true);
    ImgLogo->setAccessibleName(tr("官方网站"));
    RebuildPage();
}

// The page goes as when another is chosen, keeping what was typed (PageMemory), and also what it
// showed: the new one, in the new language, shows the same results.
void TFrmMain::RebuildPage() {
    const Entry *entry = PageRegistry::Find(Registry, PageClassName);
    if (!Page || !entry || !entry->IsPage())
        return;
    Page->setProperty(PageMemory::Rebuilding, true);
    delete Page;
    ShowPage(entry->Class, [entry] { return entry->Create(nullptr); });
}

void TFrmMain::MExitClick() {
    close();
}

void TFrmMain::ImgLogoClick() {
    TUtils::OpenUrl(TUtils::SiteUrl());
}

void TFrmMain::WebBrowser1TitleChange(const QString &Title) {
    if (Title == QStringLiteral("404 Not Found") || Title == QStringLiteral("没有可以显示的页面"))
        PanelAds->hide();
}

const QString TFrmMain::VersionRequestName = QStringLiteral("VersionRequest");

void TFrmMain::MUpdateClick() {
    const TBusyCursor busy;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString page = TUtils::HttpGet(TUtils::SitePage(QStringLiteral("/version.html")));
    const auto version = TFrmUpdate::ParseVersion(page);
    if (!version)
        return MsgBox::Show(this, tr("网络故障，无法通信，请稍后再试。"), tr("更新提示"));
    TFrmUpdate answer(nullptr, *version > TFrmUpdate::CurrentVersion);
    answer.exec();
}

void TFrmMain::N23Click() {
    // The version page comes as the advertisement does, on the event loop without a thread of
    // its own: the request belongs to the window, which abandons it when it goes. One byte over
    // the limit is read, so that a page over it is refused as HttpGet refuses it.
    THttpClient *client = HttpClient();
    if (!client)
        return setWindowTitle(QString());
    auto request = std::make_shared<QPointer<QObject>>();
    *request = client->Start(
        this, TUtils::SitePage(QStringLiteral("/version.html")), TUtils::HttpTimeoutMs,
        TUtils::HttpMaxBody + 1, [this, request](const THttpAnswer &Answer) {
            setWindowTitle(TUtils::WithoutControls(TUtils::AnswerText(Answer)).left(CaptionLimit));
            if (*request)
                (*request)->deleteLater();
        });
    (*request)->setObjectName(VersionRequestName);
}

TFrmBatch *TFrmMain::OpenBatch(const QString &Path) {
    const Entry *entry =
        PageRegistry::Find(Registry, QString::fromLatin1(TFrmBatch::staticMetaObject.className()));
    auto *batch = entry ? qobject_cast<TFrmBatch *>(OpenWindow(*entry)) : nullptr;
    if (batch && !Path.isEmpty()) {
        QMetaObject::invokeMethod(
            batch, [batch, Path] { batch->OpenFile(Path); }, Qt::QueuedConnection);
    }
    return batch;
}

void TFrmMain::dragEnterEvent(QDragEnterEvent *Event) {
    if (!TFrmBatch::DroppedSheet(Event->mimeData()).isEmpty())
        Event->acceptProposedAction();
}

void TFrmMain::dropEvent(QDropEvent *Event) {
    const QString path = TFrmBatch::DroppedSheet(Event->mimeData());
    if (path.isEmpty())
        return;
    Event->acceptProposedAction();
    OpenBatch(path);
}
