#include "loopback-http-server.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    default:
        return "Status";
    }
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            // Sockets go with the server; stalled ones stay open until then.
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        }
    });
}

bool LoopbackHttpServer::listen()
{
    return server.listen(QHostAddress::LocalHost);
}

QUrl LoopbackHttpServer::url(const QString &path) const
{
    return QUrl(QString("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
}

QUrl LoopbackHttpServer::refusingUrl(const QString &path)
{
    // A port just given up is not handed out again at once.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QUrl(QString("http://127.0.0.1:%1%2").arg(probe.serverPort()).arg(path));
}

void LoopbackHttpServer::setResponse(const QString &path, const Response &response)
{
    responses.insert(path, response);
}

int LoopbackHttpServer::requestCount(const QString &path) const
{
    int count = 0;
    for (const QString &target : targets)
        count += target.section('?', 0, 0) == path;
    return count;
}

void LoopbackHttpServer::readRequest(QTcpSocket *socket)
{
    // The request is answered once its header is complete; a GET has no body.
    if (socket->property("answered").toBool() || !socket->peek(64 * 1024).contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);
    const QByteArray requestLine = socket->readLine().trimmed();
    socket->readAll();
    const QString target = QString::fromLatin1(requestLine.split(' ').value(1));
    targets << target;
    emit requestReceived(target);
    answer(socket, target.section('?', 0, 0));
}

void LoopbackHttpServer::answer(QTcpSocket *socket, const QString &path)
{
    Response response;
    if (responses.contains(path)) {
        response = responses.value(path);
    } else {
        response.status = 404;
        response.body = "<html><body>Not found</body></html>";
    }
    if (response.behaviour == Behaviour::Stall)
        return;
    if (response.behaviour == Behaviour::Close) {
        socket->close();
        return;
    }
    const qint64 length = response.announcedLength >= 0 ? response.announcedLength : response.body.size();
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status)
                       + "\r\nContent-Type: " + response.contentType + "\r\nContent-Length: "
                       + QByteArray::number(length) + "\r\nConnection: close\r\n\r\n" + response.body;
    socket->write(reply);
    if (length <= response.body.size())
        socket->disconnectFromHost();
}
