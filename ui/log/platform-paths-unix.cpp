#include "platform-paths.h"

QString PlatformPaths::defaultDataRoot()
{
    return QStringLiteral("/var/lib/velmora/aerum-identity-ldap-sync");
}

QString PlatformPaths::defaultServiceEndpoint()
{
    return QStringLiteral("/run/qelvarix-ldap-sync-service.sock");
}
