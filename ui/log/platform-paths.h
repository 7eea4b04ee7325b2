#pragma once

#include <QString>

// The agent's fixed locations. Each has a platform default and, where tests,
// demos or unusual installations need it, an environment override:
// LODESTAR_DATA_DIR (data root) and LODESTAR_SERVICE_ENDPOINT (service pipe or socket).
namespace PlatformPaths {

QString dataRoot();
QString logFolder();
QString domainFile();
QString serviceEndpoint();

// The built-in defaults, without overrides.
QString defaultDataRoot();
QString defaultServiceEndpoint();

} // namespace PlatformPaths
