#pragma once

#include "common/UShellWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
class TFrmBatch;
class TWebBrowser;

// The main window: the menu and toolbar that choose a category or a tool, the banner with the
// logo and the (hidden) advertisement panel, and the page area that holds exactly one page.
class TFrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFrmMain(QWidget *parent = nullptr);
    ~TFrmMain() override;

    static const QString WindowCaption;
    // The pictures of the first frame: the logo and the first page's, in the order they are put
    // on screen.
    static QStringList FirstPictures();

    template <class TPage> void ShowPage() {
        ShowPage(QString::fromLatin1(TPage::staticMetaObject.className()),
                 [] { return new TPage; });
    }
    // Replaces the current page by a new one of the class, unless that class is already shown.
    void ShowPage(const QString &ClassName, const std::function<QWidget *()> &Create);
    QWidget *CurrentPage() const { return Page; }

    QMenuBar *MainMenu1 = nullptr;
    QMenu *N1 = nullptr, *N2 = nullptr, *T1 = nullptr, *F1 = nullptr;
    QAction *MExit = nullptr;
    QAction *MSalary = nullptr, *N20 = nullptr, *MYearAward = nullptr, *N22 = nullptr,
            *N21 = nullptr, *N3 = nullptr, *N4 = nullptr, *N7 = nullptr, *N10 = nullptr,
            *N11 = nullptr, *N8 = nullptr, *N9 = nullptr, *N6 = nullptr, *N12 = nullptr,
            *N13 = nullptr, *N14 = nullptr, *N19 = nullptr;
    // The law in force since 2019, beside the pages of the 2011 rules.
    QMenu *MCurrent = nullptr;
    QAction *MCurWage = nullptr, *MCurDeductions = nullptr, *MCurBonus = nullptr,
            *MCurLabour = nullptr, *MCurSettle = nullptr, *MCurSeverance = nullptr,
            *MCurBatch = nullptr;
    QAction *N5 = nullptr, *NSysCalc = nullptr;
    QAction *MHomePage = nullptr, *MFeedback = nullptr, *MUpdate = nullptr, *MAbout = nullptr,
            *N23 = nullptr;

    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton5 = nullptr,
                *ToolButton4 = nullptr, *ToolButton3 = nullptr, *TBtnOpenCalc = nullptr,
                *ToolButton8 = nullptr, *ToolButton7 = nullptr, *TBtnCurWage = nullptr;

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

    static const QString ThreadFailedText;
    // The background fetch shows at most this much of the page in the caption.
    static constexpr qsizetype CaptionLimit = 200;

  protected:
    // A payroll sheet (.csv or .xlsx) dropped on the window opens in the batch window.
    void dragEnterEvent(QDragEnterEvent *Event) override;
    void dropEvent(QDropEvent *Event) override;

  private:
    void CreateMenus();
    void CreateCalculatorMenu();
    void CreateCurrentLawMenu();
    void CreateToolsAndHelpMenus();
    void CreateToolBar();
    void CreateBanner();
    void CreatePageArea();
    void WirePages();
    void WireTools();

    QAction *PageItem(const QString &Name, const QString &Text, bool Visible = true);
    QAction *PageItem(QMenu *Menu, const QString &Name, const QString &Text, bool Visible = true);
    QToolButton *ToolButton(const QString &Name, const QString &Text);
    void ToolSpacer(int Width);

    QActionGroup *CalculatorItems = nullptr;
    QPointer<QWidget> Page;
    QPointer<TFrmBatch> Batch;
    QString PageClassName;
};
