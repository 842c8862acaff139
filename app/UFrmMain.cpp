#include "app/UFrmMain.h"

#include "app/UFirstPaint.h"
#include "app/UWebBrowser.h"
#include "common/UMsgBox.h"
#include "common/UStartAhead.h"
#include "common/UUtils.h"
#include "pages/UFrmBatch.h"
#include "pages/UFrmSalary.h"
#include "shell/UFrmUpdate.h"

#include <QActionGroup>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSemaphore>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

const QString TFrmMain::WindowCaption =
    QStringLiteral("Pendra个人所得税计算器 V3.01--最专业的个税计算器");

namespace {
const QString LogoPicture = QStringLiteral(":/pictures/logo.png");
}

QStringList TFrmMain::FirstPictures() {
    return QStringList{LogoPicture} + TFrmSalary::Pictures();
}

TFrmMain::TFrmMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(WindowCaption);
    resize(927, 723);
    setMinimumSize(920, 723);
    setAcceptDrops(true);
    CreateMenus();
    CreateToolBar();
    CreateBanner();
    CreatePageArea();
    WirePages();
    WireTools();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    MSalary->setChecked(true);
    ShowPage<TFrmSalary>();
    // The logo's place is fixed; its picture, decoded ahead while the page was built, comes last.
    ImgLogo->setPixmap(StartAhead::Picture(LogoPicture));
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

TFrmMain::~TFrmMain() {
    // A background fetch still running is ended (its request is abandoned) before the window
    // goes, so that it never outlives what it reports to.
    for (QThread *worker : findChildren<QThread *>(Qt::FindDirectChildrenOnly)) {
        worker->quit();
        worker->wait();
    }
}

void TFrmMain::CreateMenus() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    N1 = MainMenu1->addMenu(QStringLiteral("文件(&F)"));
    N1->setObjectName(QStringLiteral("N1"));
    MExit = N1->addAction(QStringLiteral("退出(&X)"));
    MExit->setObjectName(QStringLiteral("MExit"));
    connect(MExit, &QAction::triggered, this, &TFrmMain::MExitClick);
    CreateCalculatorMenu();
    CreateCurrentLawMenu();
    CreateToolsAndHelpMenus();
}

QAction *TFrmMain::PageItem(const QString &Name, const QString &Text, bool Visible) {
    return PageItem(N2, Name, Text, Visible);
}

// Every page entry, of whichever menu, is in one group: one check mark in the menu bar.
QAction *TFrmMain::PageItem(QMenu *Menu, const QString &Name, const QString &Text, bool Visible) {
    QAction *item = Menu->addAction(Text);
    item->setObjectName(Name);
    item->setCheckable(true);
    item->setVisible(Visible);
    CalculatorItems->addAction(item);
    return item;
}

void TFrmMain::CreateCalculatorMenu() {
    N2 = MainMenu1->addMenu(QStringLiteral("计算器(&C)"));
    N2->setObjectName(QStringLiteral("N2"));
    CalculatorItems = new QActionGroup(this);
    CalculatorItems->setExclusive(true);
    MSalary = PageItem(QStringLiteral("MSalary"), QStringLiteral("工资薪金所得(月薪)"));
    N20 = PageItem(QStringLiteral("N20"), QStringLiteral("工资薪金所得(月薪旧版)"));
    MYearAward = PageItem(QStringLiteral("MYearAward"), QStringLiteral("年终奖金所得"));
    N22 = PageItem(QStringLiteral("N22"), QStringLiteral("五险一金计算器"), false);
    N21 = PageItem(QStringLiteral("N21"), QStringLiteral("工资薪金所得(年薪)"), false);
    N2->addSeparator();
    N3 = PageItem(QStringLiteral("N3"), QStringLiteral("劳务报酬所得"));
    N4 = PageItem(QStringLiteral("N4"), QStringLiteral("稿酬所得"));
    N7 = PageItem(QStringLiteral("N7"), QStringLiteral("财产租赁所得"));
    N10 = PageItem(QStringLiteral("N10"), QStringLiteral("财产转让所得"));
    N2->addSeparator();
    N11 = PageItem(QStringLiteral("N11"), QStringLiteral("特许权使用费所得"));
    N8 = PageItem(QStringLiteral("N8"), QStringLiteral("个体工商户生产、经营所得"));
    N9 = PageItem(QStringLiteral("N9"), QStringLiteral("对企事业单位的承包经营、承租经营所得"));
    N2->addSeparator();
    N6 = PageItem(QStringLiteral("N6"), QStringLiteral("利息、股息、红利所得"));
    N12 = PageItem(QStringLiteral("N12"), QStringLiteral("偶然所得(如：中奖、中彩)"));
    N13 = PageItem(QStringLiteral("N13"), QStringLiteral("被确定征税的其他部分"));
    N2->addSeparator();
    N14 = PageItem(QStringLiteral("N14"), QStringLiteral("税收滞纳金计算器"));
    N19 = PageItem(QStringLiteral("N19"), QStringLiteral("经济补偿金所得"));
}

void TFrmMain::CreateCurrentLawMenu() {
    MCurrent = MainMenu1->addMenu(tr("现行税法(&X)"));
    MCurrent->setObjectName(QStringLiteral("MCurrent"));
    MCurWage = PageItem(MCurrent, QStringLiteral("MCurWage"), tr("工资薪金(累计预扣)"));
    // A dialog, not a page: it takes no check mark.
    MCurDeductions = MCurrent->addAction(tr("专项附加扣除..."));
    MCurDeductions->setObjectName(QStringLiteral("MCurDeductions"));
    MCurBonus = PageItem(MCurrent, QStringLiteral("MCurBonus"), tr("年终奖(现行)"));
    MCurLabour = PageItem(MCurrent, QStringLiteral("MCurLabour"), tr("劳务报酬/稿酬/特许权(现行)"));
    MCurSettle = PageItem(MCurrent, QStringLiteral("MCurSettle"), tr("年度汇算"));
    MCurSeverance = PageItem(MCurrent, QStringLiteral("MCurSeverance"), tr("经济补偿金(现行)"));
    // A window of its own beside the main window, not a page: no check mark either.
    MCurBatch = MCurrent->addAction(tr("工资表批量计算..."));
    MCurBatch->setObjectName(QStringLiteral("MCurBatch"));
}

void TFrmMain::CreateToolsAndHelpMenus() {
    T1 = MainMenu1->addMenu(QStringLiteral("工具(&T)"));
    T1->setObjectName(QStringLiteral("T1"));
    N5 = T1->addAction(QStringLiteral("人民币大小写(&R)"));
    N5->setObjectName(QStringLiteral("N5"));
    NSysCalc = T1->addAction(QStringLiteral("计算器(&C)"));
    NSysCalc->setObjectName(QStringLiteral("NSysCalc"));

    F1 = MainMenu1->addMenu(QStringLiteral("帮助(&H)"));
    F1->setObjectName(QStringLiteral("F1"));
    MHomePage = F1->addAction(QStringLiteral("官方网站"));
    MHomePage->setObjectName(QStringLiteral("MHomePage"));
    MFeedback = F1->addAction(QStringLiteral("意见反馈"));
    MFeedback->setObjectName(QStringLiteral("MFeedback"));
    MUpdate = F1->addAction(QStringLiteral("检查更新"));
    MUpdate->setObjectName(QStringLiteral("MUpdate"));
    MUpdate->setVisible(false);
    MAbout = F1->addAction(QStringLiteral("关于(&A)..."));
    MAbout->setObjectName(QStringLiteral("MAbout"));
    N23 = F1->addAction(QStringLiteral("线程"));
    N23->setObjectName(QStringLiteral("N23"));
    N23->setVisible(false);
}

QToolButton *TFrmMain::ToolButton(const QString &Name, const QString &Text) {
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(Name);
    button->setText(Text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedSize(63, 24);
    ToolBar1->addWidget(button);
    return button;
}

void TFrmMain::ToolSpacer(int Width) {
    auto *spacer = new QWidget(ToolBar1);
    spacer->setFixedWidth(Width);
    ToolBar1->addWidget(spacer);
}

void TFrmMain::CreateToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(28);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar1->toggleViewAction()->setVisible(false);
    QFont font = ToolBar1->font();
    font.setPixelSize(13);
    font.setBold(true);
    ToolBar1->setFont(font);
    ToolButton1 = ToolButton(QStringLiteral("ToolButton1"), QStringLiteral(" 工资薪金"));
    ToolButton2 = ToolButton(QStringLiteral("ToolButton2"), QStringLiteral("年终奖"));
    ToolSpacer(5);
    ToolButton5 = ToolButton(QStringLiteral("ToolButton5"), QStringLiteral("劳务报酬"));
    ToolButton4 = ToolButton(QStringLiteral("ToolButton4"), QStringLiteral("稿酬所得"));
    ToolSpacer(5);
    TBtnCurWage = ToolButton(QStringLiteral("TBtnCurWage"), tr("现行工资"));
    ToolSpacer(8);
    ToolButton3 = ToolButton(QStringLiteral("ToolButton3"), QStringLiteral("货币大写"));
    TBtnOpenCalc = ToolButton(QStringLiteral("TBtnOpenCalc"), QStringLiteral(" 计算器 "));
    ToolButton8 = ToolButton(QStringLiteral("ToolButton8"), QStringLiteral(" 记事本 "));
    ToolButton7 = ToolButton(QStringLiteral("ToolButton7"), QStringLiteral("参数设置"));
    // A hidden button's toolbar entry must be hidden, not the button itself.
    for (QAction *action : ToolBar1->actions()) {
        if (ToolBar1->widgetForAction(action) == ToolButton7)
            action->setVisible(false);
    }
    // Hiding the entry also disables its button; the button keeps its action for whatever
    // clicks it all the same.
    ToolButton7->setEnabled(true);
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
    ImgLogo->setAccessibleName(QStringLiteral("官方网站")); // it opens the home page
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

const QString TFrmMain::ThreadFailedText = QStringLiteral("Didn’tCreateaThread");

namespace {

// The hourglass from the start of the update check to its very end, answer window included.
class TBusyCursor {
  public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};

} // namespace

void TFrmMain::MUpdateClick() {
    const TBusyCursor busy;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString page = TUtils::HttpGet(TUtils::SitePage(QStringLiteral("/version.html")));
    const auto version = TFrmUpdate::ParseVersion(page);
    if (!version)
        return MsgBox::Show(this, QStringLiteral("网络故障，无法通信，请稍后再试。"),
                            QStringLiteral("更新提示"));
    TFrmUpdate answer(nullptr, *version > TFrmUpdate::CurrentVersion);
    answer.exec();
}

void TFrmMain::N23Click() {
    const QString address = TUtils::SitePage(QStringLiteral("/version.html"));
    auto text = std::make_shared<QString>();
    auto go = std::make_shared<QSemaphore>();
    QThread *worker = QThread::create([address, text, go] {
        go->acquire();
        *text = TUtils::HttpGet(address);
    });
    worker->setParent(this);
    // Delivered on the interface thread, and dropped if the window is gone by then.
    connect(worker, &QThread::finished, this,
            [this, text] { setWindowTitle(TUtils::WithoutControls(*text).left(CaptionLimit)); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
    // The worker waits for the semaphore, so a thread that started is still running here.
    if (!worker->isRunning()) {
        delete worker;
        return MsgBox::Show(this, ThreadFailedText, MsgBox::ApplicationTitle);
    }
    go->release();
}

void TFrmMain::WireTools() {
    connect(NSysCalc, &QAction::triggered, this, [this] { TUtils::OpenCalc(this); });
    connect(TBtnOpenCalc, &QToolButton::clicked, this, [this] { TUtils::OpenCalc(this); });
    connect(ToolButton8, &QToolButton::clicked, this, [this] { TUtils::OpenNotepad(this); });
    connect(MHomePage, &QAction::triggered, this, &TFrmMain::ImgLogoClick);
}

TFrmBatch *TFrmMain::OpenBatch(const QString &Path) {
    if (!Batch) {
        Batch = new TFrmBatch(this);
        Batch->setAttribute(Qt::WA_DeleteOnClose);
    }
    Batch->show();
    Batch->raise();
    Batch->activateWindow();
    if (!Path.isEmpty()) {
        TFrmBatch *window = Batch;
        QMetaObject::invokeMethod(
            window, [window, Path] { window->OpenFile(Path); }, Qt::QueuedConnection);
    }
    return Batch;
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
