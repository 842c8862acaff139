#include "app/UWebBrowser.h"

#include "common/UHttpClient.h"
#include "common/UUtils.h"

const QString TWebBrowser::NoPageTitle = QStringLiteral("没有可以显示的页面");

TWebBrowser::TWebBrowser(QWidget *Parent) : QWidget(Parent) {}

void TWebBrowser::Navigate(const QString &Address) {
    delete Current; // a page still loading is abandoned
    this->Address = Address;
    THttpClient *client = HttpClient();
    if (!client)
        return Finished(THttpAnswer());
    Current = client->Start(this, Address, TUtils::HttpTimeoutMs, MaxBody,
                            [this](const THttpAnswer &Answer) { Finished(Answer); });
}

void TWebBrowser::Finished(const THttpAnswer &Answer) {
    if (Current)
        Current->deleteLater();
    Current = nullptr;
    QString title = ExtractTitle(Answer.Body);
    if (title.isEmpty())
        title = Answer.Status != 0 ? Address : NoPageTitle;
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
