#pragma once

#include <QObject>
#include <QTimer>

#include <json/value.h>

#include <string>

// The state of a local synchronisation service as the agent sees it, and its
// answers to the agent's five requests. A person moves the world along through
// the setters (the simulator's console), the agent through handle().
class SimulatedService : public QObject
{
    Q_OBJECT
public:
    // approveAfterMs < 0: a registered server waits for "approve".
    SimulatedService(std::string connectKey, int approveAfterMs, QObject *parent = nullptr);

    // The reply to one request; its "action" is the request's.
    Json::Value handle(const Json::Value &request);

    void setDeviceStatus(const std::string &status);
    void setLdapReachable(bool reachable);
    void setQuotaExceeded(bool exceeded);
    // A restricted tenant marks its approved devices restricted, and back.
    void setRestricted(bool restricted);
    // Whether the service reaches the cloud identity service.
    void setOnline(bool online);

    // Several lines for a person; the password is never shown.
    QString describe() const;

private:
    Json::Value connectionStatus();
    Json::Value registerServer(const Json::Value &data);
    Json::Value setLdapInfo(const Json::Value &data);
    Json::Value ldapInfo() const;
    Json::Value resetLdapInfo();

    bool registered() const;
    bool ready() const;
    // Records contact with the cloud and the LDAP server where there is any.
    void refreshContactTimes();

    const std::string connectKey;
    const int approveAfterMs;
    QTimer approval;

    std::string host, basedn, binddn, password, port;
    bool isLdaps = false;
    bool hasConfig = false;

    std::string serverDisplayName;
    std::string deviceStatus = "init";
    bool online = true;
    bool ldapReachable = true;
    bool quotaExceeded = false;
    bool restrictionMode = false;
    std::string lastConnectTime;
    std::string lastLdapConnectTime;
};
