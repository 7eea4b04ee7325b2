#include "simulated-service.h"

#include "sim-output.h"

#include <QDateTime>
#include <QStringList>

namespace {

Json::Value succeeded()
{
    Json::Value reply(Json::objectValue);
    reply["success"] = true;
    return reply;
}

Json::Value failed(const std::string &reason)
{
    Json::Value reply(Json::objectValue);
    reply["success"] = false;
    reply["data"]["reason"] = reason;
    return reply;
}

std::string now()
{
    return std::to_string(QDateTime::currentSecsSinceEpoch());
}

// Reads the named string members of `data`; false when any is missing or not a string.
bool readStrings(const Json::Value &data, std::initializer_list<std::pair<const char *, std::string *>> members)
{
    for (const auto &[name, target] : members) {
        const Json::Value &value = data[name];
        if (!value.isString())
            return false;
        *target = value.asString();
    }
    return true;
}

bool isValidPort(const std::string &text)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int port = std::stoi(text);
    return port >= 1 && port <= 65535;
}

// Names under the reserved ".invalid" domain never resolve.
bool resolves(const std::string &host)
{
    static const std::string invalid = ".invalid";
    return !(host.size() >= invalid.size() && host.compare(host.size() - invalid.size(), invalid.size(), invalid) == 0);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

SimulatedService::SimulatedService(std::string key, int approveAfter, QObject *parent)
    : QObject(parent), connectKey(std::move(key)), approveAfterMs(approveAfter)
{
    approval.setSingleShot(true);
    connect(&approval, &QTimer::timeout, this, [this] {
        if (deviceStatus == "staged") {
            setDeviceStatus("approved");
            say(QStringLiteral("approved in the admin portal"));
        }
    });
}

Json::Value SimulatedService::handle(const Json::Value &request)
{
    if (!request.isObject() || !request["action"].isString())
        return failed("Invalid request");
    const std::string action = request["action"].asString();
    const Json::Value &data = request["data"];

    Json::Value reply;
    if (action == "get_connection_status")
        reply = connectionStatus();
    else if (action == "register")
        reply = data.isObject() ? registerServer(data) : failed("Invalid request");
    else if (action == "set_ldap_info")
        reply = data.isObject() ? setLdapInfo(data) : failed("Invalid request");
    else if (action == "get_ldap_info")
        reply = ldapInfo();
    else if (action == "reset_ldap_info")
        reply = resetLdapInfo();
    else
        reply = failed("Unknown action");
    reply["action"] = action;
    return reply;
}

Json::Value SimulatedService::connectionStatus()
{
    refreshContactTimes();
    Json::Value reply = succeeded();
    Json::Value &data = reply["data"];
    data["ready"] = ready();
    data["has_config"] = hasConfig;
    data["quota_exceeded"] = quotaExceeded;
    data["restriction_mode"] = restrictionMode;
    data["device_status"] = deviceStatus;
    data["last_connect_time"] = lastConnectTime;
    data["ldap_unreachable"] = !ldapReachable;
    data["last_ldap_connect_time"] = lastLdapConnectTime;
    return reply;
}

Json::Value SimulatedService::registerServer(const Json::Value &data)
{
    std::string name, key;
    if (!readStrings(data, {{"serverDisplayName", &name}, {"connectKey", &key}}))
        return failed("Invalid request");
    if (name.empty())
        return failed("Server display name is invalid");
    if (key != connectKey)
        return failed("Connect key is invalid");
    if (restrictionMode)
        return failed("restriction_mode");
    // Without settings or without the cloud there is nothing to register.
    if (!hasConfig || !online)
        return failed("register failed");

    serverDisplayName = name;
    deviceStatus = "staged";
    lastConnectTime = now();
    if (approveAfterMs >= 0)
        approval.start(approveAfterMs);
    return succeeded();
}

Json::Value SimulatedService::setLdapInfo(const Json::Value &data)
{
    std::string newHost, newBasedn, newBinddn, newPassword, newPort;
    if (!readStrings(data, {{"host", &newHost},
                            {"basedn", &newBasedn},
                            {"binddn", &newBinddn},
                            {"password", &newPassword},
                            {"port", &newPort}})
        || !data["isLdaps"].isBool())
        return failed("Invalid request");
    if (newHost.empty())
        return failed("Host is invalid");
    if (newBasedn.empty())
        return failed("Basedn is invalid");
    if (newBinddn.empty())
        return failed("Binddn is invalid");
    if (newPassword.empty())
        return failed("Password is invalid");
    if (!isValidPort(newPort))
        return failed("Port is invalid");
    if (!ldapReachable || !resolves(newHost))
        return failed("request error");

    host = newHost;
    basedn = newBasedn;
    binddn = newBinddn;
    password = newPassword;
    port = newPort;
    isLdaps = data["isLdaps"].asBool();
    hasConfig = true;
    lastLdapConnectTime = now();
    return succeeded();
}

Json::Value SimulatedService::ldapInfo() const
{
    if (!hasConfig)
        return failed("LDAP settings are not configured");
    Json::Value reply = succeeded();
    Json::Value &data = reply["data"];
    data["host"] = host;
    data["basedn"] = basedn;
    data["binddn"] = binddn;
    data["port"] = port;
    data["isLdaps"] = isLdaps;
    return reply;
}

Json::Value SimulatedService::resetLdapInfo()
{
    host.clear();
    basedn.clear();
    binddn.clear();
    password.clear();
    port.clear();
    isLdaps = false;
    hasConfig = false;
    return succeeded();
}

void SimulatedService::setDeviceStatus(const std::string &status)
{
    deviceStatus = status;
    if (status != "staged")
        approval.stop();
}

void SimulatedService::setLdapReachable(bool reachable)
{
    ldapReachable = reachable;
}

void SimulatedService::setQuotaExceeded(bool exceeded)
{
    quotaExceeded = exceeded;
}

void SimulatedService::setRestricted(bool restricted)
{
    restrictionMode = restricted;
    if (restricted && deviceStatus == "approved")
        deviceStatus = "restricted";
    else if (!restricted && deviceStatus == "restricted")
        deviceStatus = "approved";
}

void SimulatedService::setOnline(bool isOnline)
{
    online = isOnline;
}

bool SimulatedService::registered() const
{
    return deviceStatus != "init" && deviceStatus != "removed";
}

bool SimulatedService::ready() const
{
    return online && hasConfig && registered();
}

void SimulatedService::refreshContactTimes()
{
    if (online && registered())
        lastConnectTime = now();
    if (hasConfig && ldapReachable)
        lastLdapConnectTime = now();
}

QString SimulatedService::describe() const
{
    QStringList lines;
    lines << QStringLiteral("ready: %1").arg(yesNo(ready()));
    lines << QStringLiteral("has_config: %1").arg(yesNo(hasConfig));
    if (hasConfig)
        lines << QStringLiteral("ldap: %1://%2:%3 basedn \"%4\" binddn \"%5\" password %6")
                     .arg(isLdaps ? "ldaps" : "ldap", QString::fromStdString(host), QString::fromStdString(port),
                          QString::fromStdString(basedn), QString::fromStdString(binddn),
                          password.empty() ? "(empty)" : "(set)");
    lines << QStringLiteral("device_status: %1").arg(QString::fromStdString(deviceStatus));
    if (!serverDisplayName.empty())
        lines << QStringLiteral("server display name: %1").arg(QString::fromStdString(serverDisplayName));
    lines << QStringLiteral("online: %1").arg(yesNo(online));
    lines << QStringLiteral("ldap_unreachable: %1").arg(yesNo(!ldapReachable));
    lines << QStringLiteral("quota_exceeded: %1").arg(yesNo(quotaExceeded));
    lines << QStringLiteral("restriction_mode: %1").arg(yesNo(restrictionMode));
    lines << QStringLiteral("last_connect_time: %1").arg(QString::fromStdString(lastConnectTime));
    lines << QStringLiteral("last_ldap_connect_time: %1").arg(QString::fromStdString(lastLdapConnectTime));
    return lines.join('\n');
}
