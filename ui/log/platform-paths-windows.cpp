#include "platform-paths.h"

QString PlatformPaths::defaultDataRoot()
{
    return QStringLiteral("C:\\ProgramData\\Velmora\\AerumIdentityLdapSync");
}

QString PlatformPaths::defaultServiceEndpoint()
{
    return QStringLiteral("\\\\.\\pipe\\qelvarix-ldap-sync-service");
}
