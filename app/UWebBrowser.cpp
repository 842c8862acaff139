#include "app/UWebBrowser.h"

#include "common/UUtils.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

const QString TWebBrowser::NoPageTitle = QStringLiteral("没有可以显示的页面");

TWebBrowser::TWebBrowser(QWidget *Parent) : QWidget(Parent) {}

void TWebBrowser::Navigate(const QString &Address) {
    if (QNetworkReply *previous = Current) {
        Current = nullptr;
        previous->abort();
    }
    this->Address = Address;
    Body.clear();
    QNetworkRequest request{QUrl(Address)};
    request.setTransferTimeout(TUtils::HttpTimeoutMs);
    // Made with the first request: a browser that never navigates starts no network stack.
    if (!Network)
        Network = new QNetworkAccessManager(this);
    QNetworkReply *reply = Network->get(request);
    Current = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { ReadBody(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Finished(reply); });
}

void TWebBrowser::ReadBody(QNetworkReply *Reply) {
    if (Reply != Current)
        return;
    Body += Reply->read(MaxBody - Body.size());
    if (Body.size() >= MaxBody)
        Reply->abort();
}

void TWebBrowser::Finished(QNetworkReply *Reply) {
    Reply->deleteLater();
    if (Reply != Current)
        return; // replaced by a later navigation
    Current = nullptr;
    // A reply aborted for its size or time is closed and has nothing left to read.
    if (Reply->isOpen())
        Body += Reply->read(MaxBody - Body.size());
    const bool answered = Reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    QString title = ExtractTitle(Body);
    if (title.isEmpty())
        title = answered ? Address : NoPageTitle;
    Title = title;
    emit TitleChange(Title);
}

QString TWebBrowser::ExtractTitle(const QByteArray &Html) {
    const QByteArray lower = Html.toLower();
    const qsizetype open = lower.indexOf("<title");
    if (open < 0)
        return {};
    const qsizetype start = lower.indexOf('>', open);
    if (start < 0)
        return {};
    const qsizetype end = lower.indexOf("</title", start);
    if (end < 0)
        return {};
    return TUtils::WithoutControls(
        QString::fromUtf8(Html.mid(start + 1, end - start - 1)).simplified());
}
