#pragma once

#include "orvakit_export.h"

#include <QMap>
#include <QString>

#include <vector>

// Keeps the style sheets of the whole UI under short keys, read from the
// style-sheet files: sections opened by "== key ==" header lines, "//" and
// one-line "/* */" comments, and the image-folder tokens "IMG_LOC" and
// "TMPIMG_LOC". Sheets are stored as written and scaled on every lookup.
class ORVAKIT_EXPORT StyleManager
{
public:
    static StyleManager &getInstance();

    // Reads the files in order and merges their sections: a key read later
    // replaces the earlier sheet. The image registry must be initialised first.
    void initialize(const std::vector<QString> &files);

    // The sheet of `key`, scaled for the screen unless `unscaled` is true.
    // An unknown key gives an empty sheet and a warning.
    QString getStyleSheet(const QString &key, bool unscaled) const;

    StyleManager(const StyleManager &) = delete;
    StyleManager &operator=(const StyleManager &) = delete;

private:
    StyleManager() = default;

    QMap<QString, QString> m_sheets;
};

ORVAKIT_EXPORT QString getStyleSheet(const QString &key, bool unscaled);
ORVAKIT_EXPORT QString getStyleSheet(const char *key, bool unscaled);
