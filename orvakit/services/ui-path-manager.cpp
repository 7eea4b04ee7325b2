#include "services/ui-path-manager.h"

#include "services/debug-message.h"

UIPathManager &UIPathManager::getInstance()
{
    static UIPathManager instance;
    return instance;
}

void UIPathManager::setPath(const QString &key, const QString &path)
{
    const auto existing = m_paths.constFind(key);
    if (existing != m_paths.constEnd())
        qCWarning(debugMessage) << "Existing path is" << existing.value() << "with key" << key
                                << "but overwrite it now";
    m_paths.insert(key, path);
}

QString UIPathManager::getPath(const QString &key) const
{
    const auto found = m_paths.constFind(key);
    if (found == m_paths.constEnd()) {
        qCWarning(debugMessage) << "Cannot find path by key" << key;
        return QString();
    }
    return found.value();
}
