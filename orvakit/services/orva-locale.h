#pragma once

#include "orvakit_export.h"

#include <QMap>
#include <QString>

// Decides the user-interface language: the system locale becomes a
// three-letter code ("enu", "jpn", "cht", ...) under which applications keep
// their translations and choose their fonts.
class ORVAKIT_EXPORT OrvaLocale
{
public:
    static OrvaLocale &getInstance();

    // The code for the system locale as it is now; not cached.
    QString getDefaultLanguage() const;

    // Adds a language, or gives a built-in one another code.
    void setLanguageMap(QString language, QString code);

    // The code for a lower-case locale name such as "de_at" or "zh_tw".
    QString getLanguageByLocale(const QString &locale) const;

    OrvaLocale(const OrvaLocale &) = delete;
    OrvaLocale &operator=(const OrvaLocale &) = delete;

private:
    OrvaLocale();

    static QString getChineseLanguage(const QString &locale);
    static QString getPortugueseLanguage(const QString &locale);

    QMap<QString, QString> m_languages;
    const QString m_defaultLanguage = QStringLiteral("enu");
};
