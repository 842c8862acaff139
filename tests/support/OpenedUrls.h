#pragma once
// Catches the web addresses the program hands to the desktop, so no browser starts in a test.

#include <QList>
#include <QObject>
#include <QUrl>

class OpenedUrls : public QObject {
    Q_OBJECT
  public:
    OpenedUrls();
    ~OpenedUrls() override;

    QList<QUrl> Urls;

  public slots:
    void Open(const QUrl &Url);
};
