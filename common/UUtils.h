#pragma once
// Desktop services and small shared pieces of logic, as class methods of a class that is never
// instantiated. Qt types are only forward-declared here, so the bracket lookup stays usable from
// code without Qt.

#include "engine/UBrackets.h"

#include <QString>
#include <QStringList>
#include <functional>

class QLineEdit;
struct THttpAnswer;
class QKeyEvent;
class QWidget;

class TUtils {
  public:
    TUtils() = delete;

    // Response body of one blocking GET; empty on any failure, "location=<Location>" for a 304.
    // At most HttpMaxBody bytes are read, and the request gives up after HttpTimeoutMs.
    static QString HttpGet(const QString &Address);
    // What HttpGet makes of an answer, for a request started in the background.
    static QString AnswerText(const THttpAnswer &Answer);
    static void CopyToClipboard(const QString &Text);
    static void OpenUrl(const QString &Address);
    static void OpenChat();
    static void OpenShopChat();
    // Start a text editor or a calculator; when none is installed a box under Parent names the
    // programs looked for.
    static void OpenNotepad(QWidget *Parent);
    static void OpenCalc(QWidget *Parent);
    static int FindLevel(std::span<const int32_t> Bounds, double Value) {
        return Brackets::FindLevel(Bounds, Value);
    }
    // The character rule of the amount edits: true when the typed text may go into the edit.
    static bool NumKeyPress(const QLineEdit *Sender, const QString &Key);
    // Text from the network made fit to be shown: without control characters (C0, DEL, C1), line
    // and paragraph separators and the invisible controls of writing direction.
    static QString WithoutControls(const QString &Text);

    // The product web site: its home page and addresses of pages on it.
    static QString SiteUrl();
    static QString SitePage(const QString &Path);

    static constexpr int HttpTimeoutMs = 10000;
    static constexpr qsizetype HttpMaxBody = 64 * 1024;

    // Seams for tests: another site root (a local server), and an observer that replaces the
    // start of desktop programs (returns whether the program was "started").
    static void SetSiteUrlForTesting(const QString &Url);
    using Launcher = std::function<bool(const QString &Program, const QStringList &Arguments)>;
    static void SetLauncherForTesting(Launcher L);

  private:
    static void StartFirstAvailable(QWidget *Parent, const QString &Kind,
                                    const QStringList &Programs);
};
