#include "startup.h"

#include "platform-paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "services/ui-path-manager.h"

namespace {

// The user's own writable folder for the agent (on Linux under
// XDG_DATA_HOME). The image registry writes its scaled copies under it;
// unregistered, they would land at the root of the file system.
QString userDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return folder.isEmpty() ? QDir::tempPath() + "/lodestar" : folder;
}

} // namespace

void setupPaths()
{
    const QString logFolder = PlatformPaths::logFolder();
    QDir().mkpath(logFolder);

    UIPathManager &paths = UIPathManager::getInstance();
    const QString applicationDir = QCoreApplication::applicationDirPath();
    paths.setPath("application_path", QDir::cleanPath(applicationDir));
    paths.setPath("resource_path", QDir::cleanPath(applicationDir + "/../resource"));
    paths.setPath("log_path", QDir::cleanPath(logFolder));
    paths.setPath("user_data_path", QDir::cleanPath(userDataFolder()));
}
