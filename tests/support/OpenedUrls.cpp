#include "support/OpenedUrls.h"

#include <QDesktopServices>

OpenedUrls::OpenedUrls() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
}

OpenedUrls::~OpenedUrls() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void OpenedUrls::Open(const QUrl &Url) {
    Urls.append(Url);
}
