#include "services/image-manager.h"

#include "services/debug-message.h"
#include "services/dpi-info.h"
#include "services/image-list.h"
#include "services/ui-path-manager.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const char *const kStateSuffixes[] = {"", "_hover", "_click", "_disable"};

} // namespace

ImageManager &ImageManager::getInstance()
{
    static ImageManager instance;
    return instance;
}

void ImageManager::initialize(InitializeType mode)
{
    m_mode = mode;
    const UIPathManager &paths = UIPathManager::getInstance();
    m_imageFolder = paths.getPath("resource_path") + "/images";
    m_tempImageFolder = paths.getPath("user_data_path") + "/tmp_images";
    QDir().mkpath(m_tempImageFolder);

    const ImageList list = readJson();
    for (const QString &name : list.images)
        parseJson(name);
    for (const QString &name : list.tempImages)
        prepareTempImage(name);

    if (m_mode == Eager)
        prepareImages();
}

ImageList ImageManager::readJson() const
{
    QFile file(UIPathManager::getInstance().getPath("resource_path") + "/images.json");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return ImageList();
    return readImageList(file.readAll());
}

void ImageManager::parseJson(const QString &name)
{
    ImageRecord record;
    for (int state = Normal; state <= Disable; ++state)
        record.stateNames[state] = name + kStateSuffixes[state];
    m_records.insert(name, record);
}

void ImageManager::prepareImages()
{
    for (ImageRecord &record : m_records)
        loadRecord(record);
}

void ImageManager::loadRecord(ImageRecord &record) const
{
    const double factor = DPIinfo::getInstance().getDPI();
    const double ratio = DPIinfo::getInstance().getDPR();
    for (int state = Normal; state <= Disable; ++state) {
        QString &stateName = record.stateNames[state];
        // A state that failed before keeps failing; there is no file to try.
        const QPixmap file = stateName.isEmpty() ? QPixmap() : QPixmap(getImageFullPath(stateName));
        if (file.isNull()) {
            stateName.clear();
            continue;
        }
        // Files are drawn at four times their design size.
        const QSize design(qRound(file.width() * 0.25), qRound(file.height() * 0.25));
        const QSize screen(qRound(design.width() * factor), qRound(design.height() * factor));
        const QSize device(qRound(screen.width() * ratio), qRound(screen.height() * ratio));
        QPixmap scaled = file.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        record.pixmaps[state] = scaled;
        record.loaded = true;
    }
}

void ImageManager::prepareTempImage(const QString &name) const
{
    const QPixmap source(getImageFullPath(name));
    if (source.isNull()) {
        // Writing nothing keeps a style sheet from pointing at an empty file.
        qCWarning(debugMessage) << "Cannot load pixmap" << name << "for a temporary copy";
        return;
    }
    const double factor = DPIinfo::getInstance().getDPI();
    const QSize target(qRound(qRound(source.width() / 4.0) * factor), qRound(qRound(source.height() / 4.0) * factor));
    const QPixmap scaled = source.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    // Written aside and renamed, so a failed write leaves the previous copy whole.
    QSaveFile copy(getTempImageFullPath(name));
    if (!copy.open(QIODevice::WriteOnly) || !scaled.save(&copy, "PNG") || !copy.commit())
        qCWarning(debugMessage) << "Cannot write temporary image" << copy.fileName();
}

QString ImageManager::getImageFullPath(const QString &name) const
{
    return m_imageFolder + QDir::separator() + name + ".png";
}

QString ImageManager::getTempImageFullPath(const QString &name) const
{
    return m_tempImageFolder + QDir::separator() + "tmp_" + name + ".png";
}

QPixmap ImageManager::getImage(const QString &name, ImageType type)
{
    const auto found = m_records.find(name);
    if (found == m_records.end()) {
        qCWarning(debugMessage) << "Cannot load pixmap" << name;
        return QPixmap();
    }
    ImageRecord &record = found.value();
    if (m_mode == Lazy && !record.loaded)
        loadRecord(record);

    const int state = int(type);
    if (state < Normal || state > Disable || record.stateNames[state].isEmpty()) {
        qCWarning(debugMessage) << "Cannot load pixmap" << name << "with type" << state << "[use default icon]";
        return record.pixmaps[Normal];
    }
    return record.pixmaps[state];
}

const QString &ImageManager::getImageFolder() const
{
    if (m_imageFolder.isEmpty())
        qFatal("ImageManager is not initialized");
    return m_imageFolder;
}

const QString &ImageManager::getTempImageFolder() const
{
    if (m_tempImageFolder.isEmpty())
        qFatal("ImageManager is not initialized");
    return m_tempImageFolder;
}

QPixmap getGlobalImage(const QString &name, ImageManager::ImageType type)
{
    return ImageManager::getInstance().getImage(name, type);
}

QPixmap getGlobalImage(const char *name, ImageManager::ImageType type)
{
    return getGlobalImage(QString::fromUtf8(name), type);
}
