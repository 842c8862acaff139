#include "support/LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer() {
    Server.listen(QHostAddress::LocalHost, 0);
    connect(&Server, &QTcpServer::newConnection, this, &LocalHttpServer::Accept);
}

QString LocalHttpServer::Url() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(Server.serverPort());
}

void LocalHttpServer::Respond(const QByteArray &Path, const QByteArray &Raw) {
    Responses.insert(Path, Raw);
}

void LocalHttpServer::RespondBody(const QByteArray &Path, const QByteArray &Body,
                                  const QByteArray &Status) {
    Respond(Path, Response(Status, Body));
}

void LocalHttpServer::NeverAnswer(const QByteArray &Path) {
    Silent.insert(Path);
}

QByteArray LocalHttpServer::Response(const QByteArray &Status, const QByteArray &Body,
                                     const QByteArray &Headers) {
    return "HTTP/1.1 " + Status +
           "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(Body.size()) +
           "\r\nConnection: close\r\n" + Headers + "\r\n" + Body;
}

void LocalHttpServer::Accept() {
    while (QTcpSocket *socket = Server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
    }
}

void LocalHttpServer::Read(QTcpSocket *Socket) {
    QByteArray request = Socket->property("request").toByteArray() + Socket->readAll();
    Socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || Socket->property("seen").toBool())
        return;
    Socket->setProperty("seen", true);
    const QByteArray path = request.left(request.indexOf("\r\n")).split(' ').value(1);
    Seen.append(path);
    if (Silent.contains(path))
        return;
    const QByteArray notFound = Response(
        "404 Not Found", "<html><head><title>404 Not Found</title></head><body></body></html>");
    Socket->write(Responses.value(path, notFound));
    Socket->disconnectFromHost();
}

QString RefusingUrl() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(port);
}
