#pragma once

#include "orvakit_export.h"

#include <QString>

#include <map>

// Orders strings ignoring letter case, so that "JPG" finds "jpg".
struct ORVAKIT_EXPORT CaseLessCompare
{
    bool operator()(const QString &left, const QString &right) const;
};

// Maps a file extension to the icon file a file browser shows for it.
class ORVAKIT_EXPORT FileTypeMap
{
public:
    static FileTypeMap &getInstance();

    // "<type>.png", or "<type>_removed.png" for a removed file; the type is
    // "xxx" for extensions that are not known. `extension` has no leading ".".
    QString getFiletypeMapping(const QString &extension, bool removed) const;

    FileTypeMap(const FileTypeMap &) = delete;
    FileTypeMap &operator=(const FileTypeMap &) = delete;

private:
    FileTypeMap();

    // Registers `type` for each space-separated extension of `extensions`.
    void mappingFile(const QString &type, const QString &extensions);

    std::map<QString, QString, CaseLessCompare> m_types;
};
