#pragma once
// The page registry: one row for every page, window and command that the menus and the toolbar
// offer. The main window builds its menus, its toolbar and its page switching from it, the tour
// and the tests of every window walk it, and each page takes its title and the period of its
// rules from its row. Adding a page is the page's files, one row in PageRegistry.cpp, its picture
// and its test.

#include "common/UPageRow.h"
#include "common/URulesPeriod.h"

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;
class TFrmMain;

namespace PageRegistry {

// The menu of an entry, in the order of the menu bar.
enum class Menu { None, File, Calculator, Current, Tools, Help };

// What choosing an entry does.
enum class Kind {
    Page,    // shows a page in the page area in place of the one before; its entry takes the check
    Dialog,  // makes a new modal window over the main window and waits until it is closed
    Window,  // brings forward the window of its own that it made the first time
    Command, // something the main window does itself: leave, open the site, start a program
};

// Where a toolbar button stands: buttons of one group together in Order, the groups apart.
struct ToolbarPlace {
    int Group = 0; // 0: no button
    int Order = 0;
};

struct Entry {
    QString Name; // objectName of the menu entry; of the button when there is no entry
    Menu In = Menu::None;
    QString Text; // the menu entry, with its accelerator
    Kind Opens = Kind::Page;
    QString Class; // the page's or window's class; empty for a command
    // The page or window, owned by the caller; for a command, nothing.
    std::function<QWidget *(QWidget *Parent)> Create;
    std::function<void(TFrmMain &Main)> Run; // a command
    RulesPeriod::Period Rules = RulesPeriod::Period::Current;
    bool Hidden = false;     // there, for whatever triggers it, but never shown
    bool FirstStart = false; // the page a first start of the program opens
    QStringList Pictures;    // decoded ahead when the program starts on this page
    QString Button;          // the toolbar button's objectName; empty: no button
    QString Caption;         // its text
    ToolbarPlace Place;
    bool ButtonHidden = false; // a button there for whatever clicks it, never shown
    QString TitleText;         // the title strip, where it is not the entry's text
    QString Submenu;           // objectName of the submenu of In that holds the entry; empty: In
    QString SubmenuText;
    // A choice: checkable, and checked while this holds; the choices of one submenu exclude each
    // other.
    std::function<bool()> Checked;
    QKeySequence Keys; // the menu entry's shortcut; none when empty

    // The page's title strip: the entry without accelerator and ellipsis, unless set apart.
    QString Title() const;
    bool IsPage() const { return Opens == Kind::Page; }

    Entry &Follows(RulesPeriod::Period Period);
    Entry &Hide();
    Entry &StartsHere();
    Entry &Titled(const QString &Title);
    Entry &OnToolbar(const QString &ObjectName, const QString &Text, ToolbarPlace At);
    Entry &HiddenButton();
    Entry &InSubmenu(const char *ObjectName, const QString &Text);
    Entry &CheckedWhile(std::function<bool()> Holds);
    Entry &Shortcut(const QKeySequence &Sequence);
};

using Registry = std::vector<Entry>;

// The program's registry, with the texts in the language of the interface: made the first time it
// is asked for in each language, and kept while the program runs.
const Registry &Program();

// The row of a page or window class, or none.
const Entry *Find(const Registry &Entries, const QString &ClassName);
const Entry *Named(const Registry &Entries, const QString &Name);
// What a page takes from its row of the program's registry (its title strip, its rules' period):
// the look-up InitApplication hands to the pages below (common/UPageRow.h).
std::optional<PageRow::Info> RowOf(const QMetaObject &Page);

// Every page and window of the registry, the pages first (hidden ones included), each in the
// order of the menus: what the tour renders and what the tests of every window make.
std::vector<const Entry *> PagesAndWindows(const Registry &Entries);

// Rows of each kind. A page or window class is default-constructible from its parent.
template <class TPage> Entry Page(Menu In, const char *Name, const QString &Text) {
    Entry entry;
    entry.Name = QString::fromLatin1(Name);
    entry.In = In;
    entry.Text = Text;
    entry.Class = QString::fromLatin1(TPage::staticMetaObject.className());
    entry.Create = [](QWidget *Parent) -> QWidget * { return new TPage(Parent); };
    if constexpr (requires { TPage::Pictures(); })
        entry.Pictures = TPage::Pictures();
    return entry;
}

template <class TWindow> Entry Dialog(Menu In, const char *Name, const QString &Text) {
    Entry entry = Page<TWindow>(In, Name, Text);
    entry.Opens = Kind::Dialog;
    return entry;
}

template <class TWindow> Entry Window(Menu In, const char *Name, const QString &Text) {
    Entry entry = Page<TWindow>(In, Name, Text);
    entry.Opens = Kind::Window;
    return entry;
}

Entry Command(Menu In, const char *Name, const QString &Text,
              std::function<void(TFrmMain &Main)> Run);

} // namespace PageRegistry
