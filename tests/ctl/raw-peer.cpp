#include "raw-peer.h"

#include "frame.h"

#include <QLocalSocket>

RawPeer::RawPeer(const QString &path, const QByteArray &reply)
    : reply(reply)
{
    server.listen(path);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        QLocalSocket *client = server.nextPendingConnection();
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, client, [this, client] {
            // Answer once the whole request (its end marker) has arrived.
            const QByteArray request = client->peek(client->bytesAvailable());
            if (Frame::findEndMarker(request.constData(), std::size_t(request.size())) < 0)
                return;
            client->readAll();
            client->write(this->reply);
            client->disconnectFromServer();
        });
    });
}
