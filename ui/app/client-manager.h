#pragma once

#include "cm-error.h"
#include "get-status-worker.h"
#include "reply-outcome.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <json/value.h>

class QThread;
class QTimer;
class ServiceCommunicator;
class Wizard;

// How long the agent waits on an unreachable service, and how often it polls;
// tests shorten them.
struct ClientManagerTiming
{
    int retryDelayMs = 2000;      // quiet retry after a failed exchange
    qint64 quietWindowMs = 30000; // since the last accepted reply, before the retry box
    int pollIntervalMs = GetStatusWorker::DefaultIntervalMs;
};

// The agent's controller. It owns the wizard window and the two worker
// threads (service communicator and status poller), turns the pages'
// requests into service requests, decodes every reply it accepts and has the
// wizard show the outcome. An unreachable service is retried quietly, then
// offered for retry; a broken one ends the agent after one box.
class ClientManager : public QObject
{
    Q_OBJECT
public:
    explicit ClientManager(const ClientManagerTiming &timing = ClientManagerTiming());
    ~ClientManager() override;

    // Logs the start, shows the wizard on its initialisation page and starts
    // the status poller.
    void start();

signals:
    void sigQueryService(const QObject *sender, Json::Value request);

private slots:
    void slotQueryServiceDone(const QObject *sender, Json::Value response);
    void slotQueryServiceFailed(cmError err);
    void slotQueryServiceUnavailable(const QObject *sender);
    void slotSendLDAPInfoToService(QString host, QString basedn, QString binddn, QString password, QString port,
                                   bool isLdaps);
    void slotBackToLdapInfoPage();
    void slotSendConnectKeyToService(QString server_display_name, QString connect_key);
    void slotSendResetLdapInfoEventToService();
    void slotOpenEditConnectionInfo();
    void slotApplyEditLdapInfo(QString host, QString basedn, QString binddn, QString password, QString port,
                               bool isLdaps);

private:
    void send(const Json::Value &request);
    void apply(const ReplyOutcome &outcome);
    void applySetLdapInfoReply(const Json::Value &response, bool forDialog);
    void showWarningSheet(int message);

    const ClientManagerTiming timing;
    Wizard *wizard;
    bool editing = false;
    // Sends the edit dialog's settings. Their reply, or their loss, belongs to
    // the dialog even if it was closed meanwhile; other requests' failures
    // must not give its buttons back while they are still on their way.
    QObject dialogRequester;
    QThread *communicatorThread;
    ServiceCommunicator *communicator;
    QThread *pollerThread = nullptr;
    GetStatusWorker *poller = nullptr;
    QElapsedTimer sinceLastReply;
    QTimer *retryTimer;
    bool retryBoxOpen = false;
};
