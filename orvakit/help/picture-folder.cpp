#include "help/picture-folder.h"

#include "help/owned-by-user.h"
#include "services/debug-message.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Creates `path` owner-only when missing; accepts it when it is a real
// folder of this user, made owner-only again.
bool preparePrivateFolder(const QString &path)
{
    QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (!QDir().mkdir(path)) {
            qCWarning(debugMessage) << "Cannot create the help picture folder" << path;
            return false;
        }
        info.refresh();
    }
    if (info.isSymLink() || !info.isDir()) {
        qCWarning(debugMessage) << "Help picture folder refused, it is a link or not a folder:" << path;
        return false;
    }
    if (!ownedByCurrentUser(info)) {
        qCWarning(debugMessage) << "Help picture folder refused, it belongs to another user:" << path;
        return false;
    }
    if (!QFile::setPermissions(path, ownerOnly)) {
        qCWarning(debugMessage) << "Cannot make the help picture folder private:" << path;
        return false;
    }
    return true;
}

} // namespace

QString helpPictureFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache)) {
        qCWarning(debugMessage) << "No cache folder for help pictures";
        return QString();
    }
    QString folder = cache;
    for (const char *level : {"velmora_help", "image"}) {
        folder += '/' + QLatin1String(level);
        if (!preparePrivateFolder(folder))
            return QString();
    }
    return folder;
}
