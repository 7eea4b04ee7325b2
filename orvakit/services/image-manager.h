#pragma once

#include "orvakit_export.h"

#include <QMap>
#include <QPixmap>
#include <QString>

#include <array>

struct ImageList;

// Hands out the UI's pixmaps by name and state, scaled for the screen. The
// files lie in "<resource_path>/images", drawn at four times their design
// size and listed in "<resource_path>/images.json". For style sheets, which
// can only name files, scaled copies of chosen images are written to
// "<user_data_path>/tmp_images".
class ORVAKIT_EXPORT ImageManager
{
public:
    // States may come as numbers; the fixed underlying type keeps any other
    // number a valid value, answered with the Normal pixmap.
    enum ImageType : int { Normal = 0, Hover = 1, Click = 2, Disable = 3 };
    enum InitializeType : int { Eager = 0, Lazy = 1 };

    static ImageManager &getInstance();

    // Reads images.json, writes the temporary copies and, when eager, loads
    // every listed image. May be called again; names listed again start afresh.
    void initialize(InitializeType mode);

    // A null pixmap for unlisted names; the Normal pixmap for a state whose
    // file is missing.
    QPixmap getImage(const QString &name, ImageType type);

    // Both stop the process when called before initialize().
    const QString &getImageFolder() const;
    const QString &getTempImageFolder() const;

    ImageManager(const ImageManager &) = delete;
    ImageManager &operator=(const ImageManager &) = delete;

private:
    struct ImageRecord
    {
        std::array<QString, 4> stateNames;
        std::array<QPixmap, 4> pixmaps;
        bool loaded = false;
    };

    ImageManager() = default;

    ImageList readJson() const;
    void parseJson(const QString &name);
    void prepareImages();
    // Loads and scales all four states; in lazy mode at a name's first request.
    void loadRecord(ImageRecord &record) const;
    void prepareTempImage(const QString &name) const;
    QString getImageFullPath(const QString &name) const;
    QString getTempImageFullPath(const QString &name) const;

    InitializeType m_mode = Eager;
    QString m_imageFolder;
    QString m_tempImageFolder;
    QMap<QString, ImageRecord> m_records;
};

ORVAKIT_EXPORT QPixmap getGlobalImage(const QString &name, ImageManager::ImageType type);
ORVAKIT_EXPORT QPixmap getGlobalImage(const char *name, ImageManager::ImageType type);
