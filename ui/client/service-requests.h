#pragma once

#include <QString>

#include <json/value.h>

// The five requests the agent sends to the local service. Values are taken
// as given by the pages: nothing is trimmed or checked here.

namespace ServiceAction {
constexpr const char *GetConnectionStatus = "get_connection_status";
constexpr const char *Register = "register";
constexpr const char *SetLdapInfo = "set_ldap_info";
constexpr const char *GetLdapInfo = "get_ldap_info";
constexpr const char *ResetLdapInfo = "reset_ldap_info";
} // namespace ServiceAction

Json::Value statusRequest();
Json::Value registerRequest(const QString &serverDisplayName, const QString &connectKey);
Json::Value setLdapInfoRequest(const QString &host, const QString &basedn, const QString &binddn,
                               const QString &password, const QString &port, bool isLdaps);
Json::Value getLdapInfoRequest();
Json::Value resetLdapInfoRequest();
