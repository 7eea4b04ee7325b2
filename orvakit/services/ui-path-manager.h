#pragma once

#include "orvakit_export.h"

#include <QMap>
#include <QString>

// Process-wide registry of named folders. The application registers where it
// keeps its files; the library's services read them back by key. Paths are
// stored as given: nothing is checked, created or normalised here.
class ORVAKIT_EXPORT UIPathManager
{
public:
    static UIPathManager &getInstance();

    void setPath(const QString &key, const QString &path);
    QString getPath(const QString &key) const;

    UIPathManager(const UIPathManager &) = delete;
    UIPathManager &operator=(const UIPathManager &) = delete;

private:
    UIPathManager() = default;

    QMap<QString, QString> m_paths;
};
