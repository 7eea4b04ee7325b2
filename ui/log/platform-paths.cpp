#include "platform-paths.h"

#include <QDir>

namespace PlatformPaths {
namespace {

QString overridden(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : value;
}

} // namespace

QString dataRoot()
{
    return overridden("LODESTAR_DATA_DIR", defaultDataRoot());
}

QString logFolder()
{
    return QDir::toNativeSeparators(dataRoot() + "/log/ui");
}

QString domainFile()
{
    return QDir::toNativeSeparators(dataRoot() + "/domain");
}

QString serviceEndpoint()
{
    return overridden("LODESTAR_SERVICE_ENDPOINT", defaultServiceEndpoint());
}

} // namespace PlatformPaths
