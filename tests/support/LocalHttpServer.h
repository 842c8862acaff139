#pragma once
// A small HTTP server on 127.0.0.1 for the network tests: each path answers with a fixed raw
// response, or the server accepts the connection and never answers.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

class LocalHttpServer : public QObject {
  public:
    LocalHttpServer();
    ~LocalHttpServer() override;

    // Raw response for a path, status line and headers included.
    void Answer(const QByteArray &Path, const QByteArray &RawResponse);
    // A 200 response with the body.
    void AnswerBody(const QByteArray &Path, const QByteArray &Body);
    void NeverAnswer(const QByteArray &Path);

    QString Url() const; // "http://127.0.0.1:<port>/"
    quint16 Port() const { return Server.serverPort(); }
    int Requests() const { return RequestCount; }

  private:
    void Accept();
    void Serve(QTcpSocket *Socket);

    QTcpServer Server;
    QHash<QByteArray, QByteArray> Responses;
    QList<QByteArray> Silent;
    QList<QPointer<QTcpSocket>> Open;
    int RequestCount = 0;
};
