#pragma once

#include "sim-options.h"

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QPointer>

#include <deque>

class QLocalSocket;
class SimulatedService;

// Listens on the service endpoint and serves one client at a time (others wait
// their turn): reads framed requests and writes framed replies, misbehaving as
// the options ask.
class SimServer : public QObject
{
    Q_OBJECT
public:
    SimServer(SimulatedService &service, const SimOptions &options, QObject *parent = nullptr);
    ~SimServer() override;

    // False, with the reason, when the endpoint cannot be taken.
    bool listen(QString *error);

private:
    // A piece of a reply and how long to wait before writing it.
    struct Write
    {
        int delayMs;
        QByteArray bytes;
    };

    void slotNewConnection();
    void slotReadyRead();
    void slotDisconnected();
    // Takes the longest-waiting client when nobody is being served.
    void serveNext();

    // Answers the next complete request in the inbox, if no reply is under way.
    void answerNext();
    std::deque<Write> replyWrites(const QByteArray &payload) const;
    void writeNext();

    SimulatedService &service;
    const SimOptions options;
    QLocalServer server;
    QPointer<QLocalSocket> client;
    // Clients that connected while another was being served, oldest first.
    std::deque<QLocalSocket *> waiting;
    QByteArray inbox;
    std::deque<Write> pending;
    bool replying = false;
};
