#pragma once

#include <QByteArray>
#include <QPointer>
#include <QWidget>

struct THttpAnswer;

// The advertisement panel's browser. Nobody sees the page, so it only loads it in the background
// and reports the document's title; the window never waits for it.
class TWebBrowser : public QWidget {
    Q_OBJECT
  public:
    explicit TWebBrowser(QWidget *Parent = nullptr);

    // The title reported when no page could be loaded at all (no answer from the server).
    static const QString NoPageTitle;
    // Only the head of a page is needed for its title.
    static constexpr qsizetype MaxBody = 64 * 1024;

    void Navigate(const QString &Address);
    QString LocationName() const { return Title; }

    // The text of the first <title> element, blanks collapsed; empty when there is none.
    static QString ExtractTitle(const QByteArray &Html);

  signals:
    void TitleChange(const QString &Title);

  private:
    void Finished(const THttpAnswer &Answer);

    // The request under way, if any.
    QPointer<QObject> Current;
    QString Address;
    QString Title;
};
