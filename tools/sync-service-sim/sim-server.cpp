#include "sim-server.h"

#include "frame.h"
#include "sim-output.h"
#include "sim-reply.h"
#include "simulated-service.h"

#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#include <algorithm>

namespace {

// A client that sends this much without an end marker is not speaking the protocol.
constexpr int kMaxRequestSize = 1 << 20;
constexpr int kSplitDelayMs = 50;
constexpr int kDripDelayMs = 1;

QByteArray bytesOf(const std::vector<char> &bytes)
{
    return QByteArray(bytes.data(), int(bytes.size()));
}

} // namespace

SimServer::SimServer(SimulatedService &simulated, const SimOptions &simOptions, QObject *parent)
    : QObject(parent), service(simulated), options(simOptions)
{
    connect(&server, &QLocalServer::newConnection, this, &SimServer::slotNewConnection);
}

SimServer::~SimServer()
{
    // The sockets are children of the listening server, which goes after the
    // members declared below it; as it deletes them they report their
    // disconnection, and our slots must not run on members already gone.
    for (QLocalSocket *socket : server.findChildren<QLocalSocket *>(QString(), Qt::FindDirectChildrenOnly))
        socket->disconnect(this);
}

bool SimServer::listen(QString *error)
{
    // A socket file left by a simulator that was killed is taken over; one
    // that somebody still answers on is not.
    if (QFileInfo::exists(options.endpoint)) {
        QLocalSocket probe;
        probe.connectToServer(options.endpoint);
        if (probe.waitForConnected(1000)) {
            *error = QStringLiteral("another service already listens on %1").arg(options.endpoint);
            return false;
        }
        QLocalServer::removeServer(options.endpoint);
    }
    server.setSocketOptions(options.ownerOnly ? QLocalServer::UserAccessOption : QLocalServer::WorldAccessOption);
    if (!server.listen(options.endpoint)) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(options.endpoint, server.errorString());
        return false;
    }
    return true;
}

void SimServer::slotNewConnection()
{
    while (QLocalSocket *socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, this, &SimServer::slotDisconnected);
        waiting.push_back(socket);
        if (client)
            say(QStringLiteral("a client waits until the current one leaves"));
    }
    serveNext();
}

void SimServer::serveNext()
{
    while (!client && !waiting.empty()) {
        QLocalSocket *socket = waiting.front();
        waiting.pop_front();
        if (socket->state() != QLocalSocket::ConnectedState) {
            socket->deleteLater();
            continue;
        }
        client = socket;
        inbox.clear();
        connect(socket, &QLocalSocket::readyRead, this, &SimServer::slotReadyRead);
        say(QStringLiteral("client connected"));
        // What it sent while it waited has already been announced.
        slotReadyRead();
    }
}

void SimServer::slotDisconnected()
{
    auto *socket = qobject_cast<QLocalSocket *>(sender());
    socket->deleteLater();
    if (socket != client) {
        waiting.erase(std::remove(waiting.begin(), waiting.end(), socket), waiting.end());
        return;
    }
    say(QStringLiteral("client disconnected"));
    client = nullptr;
    inbox.clear();
    pending.clear();
    replying = false;
    serveNext();
}

void SimServer::slotReadyRead()
{
    if (!client)
        return;
    inbox += client->readAll();
    answerNext();
}

void SimServer::answerNext()
{
    if (replying || !client)
        return;
    const std::ptrdiff_t end = Frame::findEndMarker(inbox.constData(), std::size_t(inbox.size()));
    if (end < 0) {
        if (inbox.size() > kMaxRequestSize) {
            say(QStringLiteral("request without end marker is too large; hanging up"));
            client->abort();
        }
        return;
    }
    const QByteArray request = inbox.left(int(end));
    inbox.remove(0, int(end + Frame::kMarkerSize));
    const QByteArray payload = simReply(service, options, request);
    if (options.has(Fault::NeverReply))
        return;
    replying = true;
    pending = replyWrites(payload);
    writeNext();
}

std::deque<SimServer::Write> SimServer::replyWrites(const QByteArray &payload) const
{
    QByteArray frame = bytesOf(Frame::framed(payload.constData(), std::size_t(payload.size())));
    if (options.has(Fault::TrailingBytes))
        frame += QByteArrayLiteral("{\"after\":\"the marker\"}");

    std::deque<Write> writes;
    if (options.has(Fault::Drip)) {
        for (int i = 0; i < frame.size(); ++i)
            writes.push_back({i == 0 ? options.replyDelayMs : kDripDelayMs, frame.mid(i, 1)});
    } else if (options.has(Fault::SplitMarker)) {
        const int cut = payload.size() + int(Frame::kMarkerSize) / 2;
        writes.push_back({options.replyDelayMs, frame.left(cut)});
        writes.push_back({kSplitDelayMs, frame.mid(cut)});
    } else {
        writes.push_back({options.replyDelayMs, frame});
    }
    return writes;
}

void SimServer::writeNext()
{
    if (!client || pending.empty())
        return;
    QTimer::singleShot(pending.front().delayMs, this, [this, socket = client] {
        // The client may have gone, or been replaced, while we waited.
        if (!socket || socket != client || pending.empty())
            return;
        socket->write(pending.front().bytes);
        socket->flush();
        pending.pop_front();
        if (!pending.empty()) {
            writeNext();
            return;
        }
        replying = false;
        if (options.has(Fault::CloseAfterReply)) {
            socket->disconnectFromServer();
            return;
        }
        answerNext();
    });
}
