#pragma once

#include <QObject>
#include <QString>

#include <json/value.h>

#include "cm-error.h"

Q_DECLARE_METATYPE(Json::Value)

// The process-wide signal hub. It has no state and no slots: senders connect
// their signals to the hub's signal of the same name, receivers connect the
// hub's signals to their slots. It lives on the main thread, so a signal fed
// from a worker thread is handed over there by queued delivery.
class GlobalConnecter : public QObject
{
    Q_OBJECT
public:
    // The one hub, created on first use (from any thread) and destroyed at
    // process exit. The first call also registers "Json::Value" for queuing.
    static GlobalConnecter *getInstance();

signals:
    void sigSendConnectKeyToService(const QString &serverDisplayName, const QString &connectKey);
    void sigSendResetLdapInfoEventToService();
    void sigBackToLdapInfoPage();
    void sigSendLDAPInfoToService(const QString &host, const QString &basedn, const QString &binddn,
                                  const QString &password, const QString &port, const bool isLdaps);
    void sigOpenEditConnectionInfo();
    void sigApplyEditLdapInfo(const QString &host, const QString &basedn, const QString &binddn,
                              const QString &password, const QString &port, const bool isLdaps);
    void sigQueryService(const QObject *sender, Json::Value request);
    void sigQueryServiceDone(const QObject *sender, Json::Value response);
    void sigQueryServiceFailed(cmError err);
    void sigQueryServiceUnavailable(const QObject *sender);

private:
    GlobalConnecter();
    ~GlobalConnecter() override = default;
    Q_DISABLE_COPY(GlobalConnecter)
};
