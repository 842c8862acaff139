#pragma once
// A small HTTP server on 127.0.0.1 for the tests: each path gets a fixed raw response, or no
// answer at all; requests are recorded.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTcpServer>

class QTcpSocket;

class LocalHttpServer : public QObject {
    Q_OBJECT
  public:
    LocalHttpServer();

    // "http://127.0.0.1:<port>/"
    QString Url() const;

    // The exact bytes sent back for the path, after which the connection is closed.
    void Respond(const QByteArray &Path, const QByteArray &Raw);
    // A response with the status line, a Content-Length and the body.
    void RespondBody(const QByteArray &Path, const QByteArray &Body,
                     const QByteArray &Status = "200 OK");
    // Accepts the request and never answers it.
    void NeverAnswer(const QByteArray &Path);

    // The paths requested so far, in order.
    QList<QByteArray> Requests() const { return Seen; }

    static QByteArray Response(const QByteArray &Status, const QByteArray &Body,
                               const QByteArray &Headers = {});

  private:
    void Accept();
    void Read(QTcpSocket *Socket);

    QTcpServer Server;
    QHash<QByteArray, QByteArray> Responses;
    QSet<QByteArray> Silent;
    QList<QByteArray> Seen;
};

// An address on 127.0.0.1 where nothing listens, so a connection is refused.
QString RefusingUrl();
