#include "net/UHttpClientPlugin.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace {

int StatusOf(const QNetworkReply *Reply) {
    return Reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// One background request: the manager and its reply, read up to the limit. Deleting it abandons
// the request without a word to whoever started it.
class TBackgroundGet : public QObject {
  public:
    TBackgroundGet(QObject *Parent, const QString &Address, int TimeoutMs, qsizetype MaxBody,
                   std::function<void(const THttpAnswer &)> Done)
        : QObject(Parent), Network(new QNetworkAccessManager(this)), MaxBody(MaxBody),
          Done(std::move(Done)) {
        QNetworkRequest request{QUrl(Address)};
        request.setTransferTimeout(TimeoutMs);
        Reply = Network->get(request);
        connect(Reply, &QNetworkReply::readyRead, this, &TBackgroundGet::Read);
        connect(Reply, &QNetworkReply::finished, this, &TBackgroundGet::Finished);
    }
    ~TBackgroundGet() override {
        if (Reply) {
            Reply->disconnect(this);
            Reply->abort();
        }
    }

  private:
    void Read() {
        Answer.Body += Reply->read(MaxBody - Answer.Body.size());
        if (Answer.Body.size() >= MaxBody)
            Reply->abort();
    }
    void Finished() {
        // A reply aborted for its size or time is closed and has nothing left to read.
        if (Reply->isOpen())
            Answer.Body += Reply->read(MaxBody - Answer.Body.size());
        Answer.Status = StatusOf(Reply);
        Answer.Location = Reply->rawHeader("Location");
        Answer.Failed = Reply->error() != QNetworkReply::NoError;
        Reply->deleteLater();
        Reply = nullptr;
        // Whoever is told may delete this at once.
        const auto done = std::move(Done);
        const THttpAnswer answer = Answer;
        done(answer);
    }

    QNetworkAccessManager *Network;
    QPointer<QNetworkReply> Reply;
    qsizetype MaxBody;
    std::function<void(const THttpAnswer &)> Done;
    THttpAnswer Answer;
};

} // namespace

THttpAnswer THttpClientPlugin::Get(const QString &Address, int TimeoutMs, qsizetype MaxBody) {
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(Address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(TimeoutMs);
    QNetworkReply *reply = manager.get(request);

    THttpAnswer answer;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        answer.Body += reply->read(MaxBody + 1 - answer.Body.size());
        if (answer.Body.size() > MaxBody) {
            answer.TooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(TimeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    // An aborted reply (time-out, too large a body) is closed: there is nothing left to read.
    if (reply->isOpen())
        answer.Body += reply->read(MaxBody + 1 - answer.Body.size());
    answer.Status = StatusOf(reply);
    answer.Location = reply->rawHeader("Location");
    answer.Failed = reply->error() != QNetworkReply::NoError;
    delete reply;
    return answer;
}

QObject *THttpClientPlugin::Start(QObject *Parent, const QString &Address, int TimeoutMs,
                                  qsizetype MaxBody,
                                  std::function<void(const THttpAnswer &)> Done) {
    return new TBackgroundGet(Parent, Address, TimeoutMs, MaxBody, std::move(Done));
}
