#include "get-status-worker.h"

#include "global-connecter.h"
#include "service-requests.h"

#include <QTimer>

GetStatusWorker::GetStatusWorker(QObject *parent, int intervalMs)
    : QObject(parent)
    , intervalMs(intervalMs)
{
    connect(this, &GetStatusWorker::sigQueryService, GlobalConnecter::getInstance(),
            &GlobalConnecter::sigQueryService);
    slotQueryServiceStatus();
}

GetStatusWorker::~GetStatusWorker()
{
    // The timer belongs to the thread that started polling, usually not this
    // worker's, so it is handed back to that thread to be deleted.
    if (timer)
        timer->deleteLater();
}

void GetStatusWorker::startPolling()
{
    if (!timer) {
        timer = new QTimer;
        connect(timer, &QTimer::timeout, this, &GetStatusWorker::slotQueryServiceStatus);
    }
    if (!timer->isActive())
        timer->start(intervalMs);
}

void GetStatusWorker::slotQueryServiceStatus()
{
    emit sigQueryService(this, statusRequest());
}
