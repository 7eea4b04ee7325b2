#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QString>

// A service that answers every framed request with the same bytes, exactly
// as given (the end marker included or not), then hangs up: for replies that
// the simulator never sends. It serves from the test's event loop.
class RawPeer : public QObject
{
public:
    RawPeer(const QString &path, const QByteArray &reply);
    bool isListening() const { return server.isListening(); }

private:
    QLocalServer server;
    QByteArray reply;
};
