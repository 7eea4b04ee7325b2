#pragma once

#include "global-connecter.h"
#include "service-pipe.h"

#include <QObject>

#include <json/value.h>

// The one object that talks to the local service. It lives on a worker thread
// of its own, takes requests from the signal hub, runs one exchange per
// request and answers with exactly one of its three signals. The channel is
// opened on the first request, kept open, and closed after a transport failure
// so that the next request opens it anew; it never retries by itself.
class ServiceCommunicator : public QObject
{
    Q_OBJECT
public:
    explicit ServiceCommunicator(QObject *parent = nullptr);

    // How long one pending read or write may wait, in waits of
    // Frame::kWaitMs: the agent keeps the default, a program that must answer
    // sooner asks for fewer.
    void setMaxWaits(int waits);

signals:
    void sigQueryServiceDone(const QObject *sender, Json::Value response);
    void sigQueryServiceFailed(cmError err);
    // Carries the request's sender, as a reply does: a lost request matters
    // to the one who made it.
    void sigQueryServiceUnavailable(const QObject *sender);

public slots:
    // The reply carries the request's "action", whatever the service put there.
    void slotQueryService(const QObject *sender, Json::Value request);

private:
    cmError queryService(const Json::Value &request, Json::Value &response);

    ServicePipe pipe;
};
