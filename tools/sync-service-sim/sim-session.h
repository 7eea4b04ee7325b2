#pragma once

#include "sim-options.h"

#include <QByteArray>
#include <QObject>

#include <deque>

class QLocalSocket;
class SimulatedService;

// One client's connection: reads its framed requests and writes framed
// replies, one at a time and in order, misbehaving as the options ask. Ends
// itself when the client hangs up.
class SimSession : public QObject
{
    Q_OBJECT
public:
    // Takes the socket over.
    SimSession(QLocalSocket *socket, SimulatedService &service, const SimOptions &options, QObject *parent);

private:
    // A piece of a reply and how long to wait before writing it.
    struct Write
    {
        int delayMs;
        QByteArray bytes;
    };

    void slotReadyRead();
    void slotDisconnected();
    // Answers the next complete request in the inbox, if no reply is under way.
    void answerNext();
    std::deque<Write> replyWrites(const QByteArray &payload) const;
    void writeNext();

    QLocalSocket *const socket;
    SimulatedService &service;
    const SimOptions &options;
    QByteArray inbox;
    std::deque<Write> pending;
    bool replying = false;
};
