#include "common/UUtils.h"

#include "common/UHttpClient.h"
#include "common/UMsgBox.h"
#include "common/USupportContact.h"
#include "common/UWebText.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The product web site; a reserved domain that never resolves until the site exists.
const QString ProductSite = QStringLiteral("http://www.pendra.example/");

QString &SiteOverride() {
    static QString url;
    return url;
}

TUtils::Launcher &LauncherOverride() {
    static TUtils::Launcher launcher;
    return launcher;
}

bool StartDetached(const QString &program, const QStringList &arguments) {
    if (LauncherOverride())
        return LauncherOverride()(program, arguments);
    const QString path = QStandardPaths::findExecutable(program);
    return !path.isEmpty() && QProcess::startDetached(path, arguments);
}

} // namespace

QString TUtils::HttpGet(const QString &Address) {
    THttpClient *client = HttpClient();
    if (!client)
        return {};
    return AnswerText(client->Get(Address, HttpTimeoutMs, HttpMaxBody));
}

QString TUtils::AnswerText(const THttpAnswer &Answer) {
    if (Answer.Status == 304)
        return QStringLiteral("location=") + QString::fromUtf8(Answer.Location);
    if (Answer.TooLarge || Answer.Failed || Answer.Status < 200 || Answer.Status > 299)
        return {};
    return QString::fromUtf8(Answer.Body);
}

void TUtils::CopyToClipboard(const QString &Text) {
    QApplication::clipboard()->setText(Text);
}

void TUtils::OpenUrl(const QString &Address) {
    QDesktopServices::openUrl(QUrl(Address));
}

void TUtils::OpenChat() {
    OpenUrl(QStringLiteral("http://wpa.qq.com/msgrd?v=3&uin=%1&site=qq&menu=yes")
                .arg(SupportContact::QQ));
}

void TUtils::OpenShopChat() {
    const QString account = QString::fromUtf8(QUrl::toPercentEncoding(SupportContact::Wangwang));
    OpenUrl(QStringLiteral("http://www.taobao.com/webww/ww.php?ver=3&touid=%1&siteid=cntaobao"
                           "&status=1&charset=utf-8")
                .arg(account));
}

void TUtils::OpenNotepad(QWidget *Parent) {
    StartFirstAvailable(Parent, QCoreApplication::translate("TUtils", "文本编辑器"),
                        {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"),
                         QStringLiteral("kwrite"), QStringLiteral("kate"),
                         QStringLiteral("mousepad"), QStringLiteral("xed"), QStringLiteral("pluma"),
                         QStringLiteral("featherpad"), QStringLiteral("leafpad")});
}

void TUtils::OpenCalc(QWidget *Parent) {
    StartFirstAvailable(Parent, QCoreApplication::translate("TUtils", "计算器"),
                        {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                         QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"),
                         QStringLiteral("mate-calc"), QStringLiteral("xcalc")});
}

void TUtils::StartFirstAvailable(QWidget *Parent, const QString &Kind,
                                 const QStringList &Programs) {
    for (const QString &program : Programs) {
        if (StartDetached(program, {}))
            return;
    }
    MsgBox::Show(Parent,
                 QCoreApplication::translate(
                     "TUtils", "没有找到可用的%1。已查找：%2。\n请安装其中任意一个后再试。")
                     .arg(Kind, Programs.join(QCoreApplication::translate("TUtils", "、"))));
}

bool TUtils::NumKeyPress(const QLineEdit *Sender, const QString &Key) {
    if (Key.size() != 1)
        return false;
    const QChar c = Key.front();
    if (c == QChar(u'\b') || c == QChar(u'\r') || (c >= QChar(u'0') && c <= QChar(u'9')))
        return true;
    return c == QChar('.') && !Sender->text().contains(QChar('.'));
}

QString TUtils::WithoutControls(const QString &Text) {
    return WebText::WithoutControls(Text);
}

QString TUtils::SiteUrl() {
    return SiteOverride().isEmpty() ? ProductSite : SiteOverride();
}

QString TUtils::SitePage(const QString &Path) {
    QString root = SiteUrl();
    if (root.endsWith(QChar('/')) && Path.startsWith(QChar('/')))
        root.chop(1);
    return root + Path;
}

void TUtils::SetSiteUrlForTesting(const QString &Url) {
    SiteOverride() = Url;
}

void TUtils::SetLauncherForTesting(Launcher L) {
    LauncherOverride() = std::move(L);
}
