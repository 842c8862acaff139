#include "support/LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer() {
    connect(&Server, &QTcpServer::newConnection, this, &LocalHttpServer::Accept);
    Server.listen(QHostAddress::LocalHost, 0);
}

LocalHttpServer::~LocalHttpServer() {
    for (const auto &socket : Open)
        delete socket.data();
}

void LocalHttpServer::Answer(const QByteArray &Path, const QByteArray &RawResponse) {
    Responses.insert(Path, RawResponse);
}

void LocalHttpServer::AnswerBody(const QByteArray &Path, const QByteArray &Body) {
    Answer(Path, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                     QByteArray::number(Body.size()) + "\r\nConnection: close\r\n\r\n" + Body);
}

void LocalHttpServer::NeverAnswer(const QByteArray &Path) {
    Silent.append(Path);
}

QString LocalHttpServer::Url() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(Server.serverPort());
}

void LocalHttpServer::Accept() {
    while (QTcpSocket *socket = Server.nextPendingConnection()) {
        Open.append(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
    }
}

void LocalHttpServer::Serve(QTcpSocket *Socket) {
    const QByteArray request = Socket->peek(64 * 1024);
    if (!request.contains("\r\n\r\n"))
        return;
    Socket->readAll();
    ++RequestCount;
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QByteArray path = words.size() > 1 ? words[1] : QByteArray("/");
    if (Silent.contains(path))
        return;
    Socket->write(Responses.value(path, "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n"
                                        "Connection: close\r\n\r\nNot Found"));
    Socket->disconnectFromHost();
}
