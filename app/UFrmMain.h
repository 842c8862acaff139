#pragma once

#include "app/PageRegistry.h"
#include "common/UShellWindow.h"
#include "translations/Language.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;
class TFrmBatch;
class TWebBrowser;

// The main window: the menus and the toolbar made from the page registry, the banner with the
// logo and the (hidden) advertisement panel, and the page area that holds exactly one page.
class TFrmMain : public QMainWindow {
    Q_OBJECT
  public:
    // The window over the program's registry.
    explicit TFrmMain(QWidget *parent = nullptr);
    // The window over other entries (a test's).
    explicit TFrmMain(PageRegistry::Registry Entries, QWidget *parent = nullptr);
    ~TFrmMain() override;

    // The caption, in the language of the interface.
    static QString Caption();
    // The pictures of the first frame: the logo and the first page's, in the order they are put
    // on screen, each the one of the language in use (LocalPicture::Of), as the pages ask for it.
    static QStringList FirstPictures();

    template <class TPage> void ShowPage() {
        ShowPage(QString::fromLatin1(TPage::staticMetaObject.className()),
                 [] { return new TPage; });
    }
    // Replaces the current page by a new one of the class, unless that class is already shown.
    void ShowPage(const QString &ClassName, const std::function<QWidget *()> &Create);
    QWidget *CurrentPage() const { return Page; }
    // Does what the registry's entry of that name does, as its menu entry would (a page's entry
    // takes the check mark); false when there is no such entry.
    bool Open(const QString &EntryName);
    const PageRegistry::Registry &Entries() const { return Registry; }
    // The menu of the menu bar that holds the entries of In; none for Menu::None.
    QMenu *MenuOf(PageRegistry::Menu In) const;

    QMenuBar *MainMenu1 = nullptr;
    QMenu *N1 = nullptr, *N2 = nullptr, *T1 = nullptr, *F1 = nullptr;
    // The law in force since 2019, beside the pages of the 2011 rules.
    QMenu *MCurrent = nullptr;
    QToolBar *ToolBar1 = nullptr;

    QWidget *Panel2 = nullptr;
    TClickLabel *ImgLogo = nullptr;
    QWidget *PanelAds = nullptr;
    TWebBrowser *WebBrowser1 = nullptr;
    QWidget *PanelMain = nullptr;

    void MExitClick();
    void ImgLogoClick();
    void WebBrowser1TitleChange(const QString &Title);
    void MUpdateClick();
    void N23Click();
    // The batch window, made when first asked for and brought to the front; with a path, the
    // sheet is opened in it once the event loop is back.
    TFrmBatch *OpenBatch(const QString &Path = {});
    // The language chosen in the menu: kept in the parameter file for the next start and put in
    // force once the menu has closed. The window then rebuilds its menus, its toolbar and its page
    // in that language (see changeEvent).
    void ChooseLanguage(Translations::Language Lang);

    // The object of the 线程 command's request while it runs, a child of the window.
    static const QString VersionRequestName;
    // The background fetch shows at most this much of the page in the caption.
    static constexpr qsizetype CaptionLimit = 200;
    static constexpr int ToolButtonWidth = 63;
    static constexpr int ToolButtonPadding = 8;
    // The buttons of a toolbar group stand this far apart; groups are parted by a separator.
    static constexpr int ToolbarGap = 6;

  protected:
    // A payroll sheet (.csv or .xlsx) dropped on the window opens in the batch window.
    void dragEnterEvent(QDragEnterEvent *Event) override;
    void dropEvent(QDropEvent *Event) override;
    // The page shown is remembered for the next start.
    void closeEvent(QCloseEvent *Event) override;
    // A change of language makes the menus and the toolbar anew from the registry of that
    // language, and the page shown anew with what was typed on it and the results it showed.
    void changeEvent(QEvent *Event) override;

  private:
    void CreateMenus();
    void CreateToolBar();
    void CreateBanner();
    void CreatePageArea();
    void AddMenuEntry(const PageRegistry::Entry &Row, RulesPeriod::Period &Before);
    // The submenu of Menu that holds Row, made when first needed.
    QMenu *SubmenuFor(const PageRegistry::Entry &Row, QMenu *Menu);
    void Retranslate();
    void RebuildPage();
    void AddToolButton(const PageRegistry::Entry &Row);
    // Runs an entry: shows its page, opens its window or does its command.
    void Choose(const PageRegistry::Entry &Row);
    QWidget *OpenWindow(const PageRegistry::Entry &Row);
    // Closes every window of its own that is open; false when one of them stays open.
    bool CloseOwnWindows();
    // The page a start opens: the one shown when the program last ended, else the first start's.
    const PageRegistry::Entry *FirstPage() const;

    PageRegistry::Registry Registry;
    bool FollowsProgram = false; // the program's registry, made anew in each language
    Translations::Language BuiltIn = Translations::Current();
    QActionGroup *CalculatorItems = nullptr;
    QPointer<QWidget> Page;
    QString PageClassName;
    QHash<QString, QPointer<QWidget>> Windows; // by entry name
};
