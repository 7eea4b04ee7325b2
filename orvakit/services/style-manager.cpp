#include "services/style-manager.h"

#include "services/debug-message.h"
#include "services/dpi-info.h"
#include "services/image-manager.h"

#include <QFile>
#include <QRegularExpression>

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

void removeComments(QString &buffer)
{
    // Lazy, and "." stops at line ends: a "/* */" comment ends on its own
    // line, and a "//" comment takes its line break with it.
    static const QRegularExpression blockComment(QStringLiteral("/\\*.*\\*/"),
                                                 QRegularExpression::InvertedGreedinessOption);
    static const QRegularExpression lineComment(QStringLiteral("//.*\\n"),
                                                QRegularExpression::InvertedGreedinessOption);
    buffer.remove(blockComment);
    buffer.remove(lineComment);
}

void resolveImageFolders(QString &buffer)
{
    const ImageManager &images = ImageManager::getInstance();
    // "TMPIMG_LOC" first: it contains "IMG_LOC".
    buffer.replace(QLatin1String("TMPIMG_LOC"), images.getTempImageFolder());
    buffer.replace(QLatin1String("IMG_LOC"), images.getImageFolder());
}

bool isHeader(const QString &line)
{
    return line.startsWith(QLatin1String("==")) && line.endsWith(QLatin1String("=="));
}

QString headerKey(QString line)
{
    return line.remove(QLatin1Char('=')).remove(QLatin1Char(' '));
}

} // namespace

StyleManager &StyleManager::getInstance()
{
    static StyleManager instance;
    return instance;
}

void StyleManager::initialize(const std::vector<QString> &files)
{
    QString buffer = readFiles(files);
    // Comments go before the folders come in, so that a folder such as a
    // network share ("//server/...") is never mistaken for a comment.
    removeComments(buffer);
    resolveImageFolders(buffer);

    QString currentKey;
    QString pending;
    for (const QString &line : buffer.split(QLatin1Char('\n'))) {
        if (!isHeader(line)) {
            pending += QLatin1Char('\n') + line;
            continue;
        }
        // Text before the first named section is carried into it.
        if (!currentKey.isEmpty()) {
            m_sheets.insert(currentKey, pending);
            pending.clear();
        }
        currentKey = headerKey(line);
    }
    if (!currentKey.isEmpty())
        m_sheets.insert(currentKey, pending);
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
