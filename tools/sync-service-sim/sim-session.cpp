#include "sim-session.h"

#include "frame.h"
#include "sim-output.h"
#include "sim-reply.h"

#include <QLocalSocket>
#include <QTimer>

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

SimSession::SimSession(QLocalSocket *clientSocket, SimulatedService &simulated, const SimOptions &simOptions,
                       QObject *parent)
    : QObject(parent), socket(clientSocket), service(simulated), options(simOptions)
{
    socket->setParent(this);
    connect(socket, &QLocalSocket::readyRead, this, &SimSession::slotReadyRead);
    connect(socket, &QLocalSocket::disconnected, this, &SimSession::slotDisconnected);
    say(QStringLiteral("client connected"));
    // It may have written before we took it over, or left already.
    if (socket->state() != QLocalSocket::ConnectedState)
        QTimer::singleShot(0, this, &SimSession::slotDisconnected);
    else
        slotReadyRead();
}

void SimSession::slotDisconnected()
{
    say(QStringLiteral("client disconnected"));
    socket->disconnect(this);
    deleteLater();
}

void SimSession::slotReadyRead()
{
    inbox += socket->readAll();
    answerNext();
}

void SimSession::answerNext()
{
    if (replying)
        return;
    const std::ptrdiff_t end = Frame::findEndMarker(inbox.constData(), std::size_t(inbox.size()));
    if (end < 0) {
        if (inbox.size() > kMaxRequestSize) {
            say(QStringLiteral("request without end marker is too large; hanging up"));
            socket->abort();
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

std::deque<SimSession::Write> SimSession::replyWrites(const QByteArray &payload) const
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

void SimSession::writeNext()
{
    // The timer belongs to this session: it dies with it when the client goes.
    QTimer::singleShot(pending.front().delayMs, this, [this] {
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
