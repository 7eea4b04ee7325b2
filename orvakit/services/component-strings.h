#pragma once

#include "orvakit_export.h"

#include <QMap>
#include <QString>

// The library's own captions (OK, Cancel, month names...), supplied already
// translated by the application. A caption that was not supplied shows as
// its key: visible, but harmless.
class ORVAKIT_EXPORT ComponentStrings
{
public:
    static ComponentStrings &getInstance();

    // Replaces the whole table.
    void installStrings(const QMap<QString, QString> &strings);

    // The caption of `key`, or `key` itself (with a warning) when absent.
    QString getString(const QString &key) const;

    ComponentStrings(const ComponentStrings &) = delete;
    ComponentStrings &operator=(const ComponentStrings &) = delete;

private:
    ComponentStrings() = default;

    QMap<QString, QString> m_strings;
};
