#pragma once

#include <QObject>

#include <json/value.h>

class QTimer;

// Asks the service for its connection status once when created and then at a
// fixed interval, for as long as the agent runs. It never reads the replies:
// each request carries the worker as its sender, so that the client manager
// can recognise them. The worker lives on a thread of its own.
class GetStatusWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 10000;

    // Sends the first status request at once, through the signal hub.
    explicit GetStatusWorker(QObject *parent = nullptr, int intervalMs = DefaultIntervalMs);
    ~GetStatusWorker() override;

    // Starts the repeating timer on the calling thread; a second call neither
    // creates another timer nor restarts the running one.
    void startPolling();

    // The timer of startPolling(), or null before the first call.
    const QTimer *pollingTimer() const { return timer; }

signals:
    void sigQueryService(const QObject *sender, Json::Value request);

private slots:
    void slotQueryServiceStatus();

private:
    QTimer *timer = nullptr;
    const int intervalMs;
};
