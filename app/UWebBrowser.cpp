#include "app/UWebBrowser.h"

#include "common/UHttpClient.h"
#include "common/UUtils.h"
#include "common/UWebText.h"

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
    return WebText::ExtractTitle(Html);
}
