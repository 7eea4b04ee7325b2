#include "single-instance-application.h"

#include "file-logger.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

QString lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // The temp folder is shared between users, so the user is part of the name.
    const QByteArray identity = QCoreApplication::applicationFilePath().toUtf8() + '\n'
        + qgetenv("USER") + qgetenv("USERNAME");
    const QByteArray digest = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(16);
    return folder + "/" + QCoreApplication::applicationName() + "-" + QString::fromLatin1(digest) + ".lock";
}

} // namespace

// guiEnabled keeps the surface of the single-application component the agent
// was designed around; under Qt 5 a QApplication always has its GUI.
SingleInstanceApplication::SingleInstanceApplication(int &argc, char **argv, [[maybe_unused]] bool guiEnabled)
    : QApplication(argc, argv)
    , m_lock(std::make_unique<QLockFile>(lockFilePath()))
{
    // The lock is held for the whole run: only a dead owner makes it stale, never its age.
    m_lock->setStaleLockTime(0);
}

SingleInstanceApplication::~SingleInstanceApplication() = default;

bool SingleInstanceApplication::isRunning()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return false;
    if (m_lock->error() == QLockFile::LockFailedError)
        return true;
    // Without a usable lock folder nobody can be told apart; do not keep the agent from starting.
    LOG_ERROR("single-instance lock unusable: error %d", int(m_lock->error()));
    return false;
}
