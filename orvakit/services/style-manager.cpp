#include "services/style-manager.h"

#include "services/debug-message.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-sheet-file.h"

#include <QFile>

namespace {

QString readFiles(const std::vector<QString> &files)
{
    QString buffer;
    for (const QString &name : files) {
        QFile file(name);
        if (!file.exists()) {
            qCWarning(debugMessage) << "file" << name << "not exist";
            continue;
        }
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            buffer += QString::fromUtf8(file.readAll());
        buffer += QLatin1Char('\n');
    }
    return buffer;
}

} // namespace

StyleManager &StyleManager::getInstance()
{
    static StyleManager instance;
    return instance;
}

void StyleManager::initialize(const std::vector<QString> &files)
{
    const ImageManager &images = ImageManager::getInstance();
    m_sheets.insert(parseStyleSheetSections(readFiles(files), images.getImageFolder(), images.getTempImageFolder()));
}

QString StyleManager::getStyleSheet(const QString &key, bool unscaled) const
{
    const auto found = m_sheets.constFind(key);
    if (found == m_sheets.constEnd()) {
        qCWarning(debugMessage) << "Cannot find stylesheet" << key;
        return QString();
    }
    return unscaled ? found.value() : DPIinfo::getInstance().getScaledStyleSheet(found.value());
}

QString getStyleSheet(const QString &key, bool unscaled)
{
    return StyleManager::getInstance().getStyleSheet(key, unscaled);
}

QString getStyleSheet(const char *key, bool unscaled)
{
    return getStyleSheet(QString::fromUtf8(key), unscaled);
}
