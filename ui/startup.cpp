#include "startup.h"

#include "platform-paths.h"

#include <QCoreApplication>
#include <QDir>

#include "services/ui-path-manager.h"

void setupPaths()
{
    const QString logFolder = PlatformPaths::logFolder();
    QDir().mkpath(logFolder);

    UIPathManager &paths = UIPathManager::getInstance();
    const QString applicationDir = QCoreApplication::applicationDirPath();
    paths.setPath("application_path", QDir::cleanPath(applicationDir));
    paths.setPath("resource_path", QDir::cleanPath(applicationDir + "/../resource"));
    paths.setPath("log_path", QDir::cleanPath(logFolder));
}
