#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// An HTTP/1.1 server on 127.0.0.1 that answers GET requests from a table of
// paths, one request per connection. It records every request target, so
// tests can count requests and read their queries, and it can misbehave on
// purpose: stall without an answer, or close the connection unanswered.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    enum class Behaviour {
        Answer,
        // Reads the request and never answers.
        Stall,
        // Reads the request and closes the connection.
        Close,
    };

    struct Response
    {
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
        int status = 200;
        Behaviour behaviour = Behaviour::Answer;
        // The Content-Length sent, when not the body's size; a larger one
        // leaves the connection open after the body, as if more were coming.
        qint64 announcedLength = -1;
    };

    explicit LoopbackHttpServer(QObject *parent = nullptr);

    // Listens on a free port of 127.0.0.1.
    bool listen();
    // The address of `path` (with an optional query) on this server.
    QUrl url(const QString &path) const;
    // An address on 127.0.0.1 where nobody listens: connections are refused.
    static QUrl refusingUrl(const QString &path);

    // What a path (without query) answers; paths not set answer 404.
    void setResponse(const QString &path, const Response &response);

    // Every request target (path and query) in the order they came.
    QStringList requests() const { return targets; }
    // Requests for `path`, queries ignored.
    int requestCount(const QString &path) const;

signals:
    void requestReceived(const QString &target);

private:
    void readRequest(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QString &path);

    QTcpServer server;
    QMap<QString, Response> responses;
    QStringList targets;
};
