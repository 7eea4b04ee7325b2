#include "service-requests.h"

namespace {

Json::Value request(const char *action)
{
    Json::Value value(Json::objectValue);
    value["action"] = action;
    return value;
}

} // namespace

Json::Value statusRequest()
{
    return request(ServiceAction::GetConnectionStatus);
}

Json::Value registerRequest(const QString &serverDisplayName, const QString &connectKey)
{
    Json::Value value = request(ServiceAction::Register);
    value["data"]["serverDisplayName"] = serverDisplayName.toStdString();
    value["data"]["connectKey"] = connectKey.toStdString();
    return value;
}

Json::Value setLdapInfoRequest(const QString &host, const QString &basedn, const QString &binddn,
                               const QString &password, const QString &port, bool isLdaps)
{
    Json::Value value = request(ServiceAction::SetLdapInfo);
    Json::Value &data = value["data"];
    data["host"] = host.toStdString();
    data["basedn"] = basedn.toStdString();
    data["binddn"] = binddn.toStdString();
    data["password"] = password.toStdString();
    data["port"] = port.toStdString();
    data["isLdaps"] = isLdaps;
    return value;
}

Json::Value getLdapInfoRequest()
{
    return request(ServiceAction::GetLdapInfo);
}

Json::Value resetLdapInfoRequest()
{
    return request(ServiceAction::ResetLdapInfo);
}
