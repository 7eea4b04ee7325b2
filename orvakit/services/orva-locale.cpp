#include "services/orva-locale.h"

#include <QLocale>

OrvaLocale &OrvaLocale::getInstance()
{
    static OrvaLocale instance;
    return instance;
}

OrvaLocale::OrvaLocale()
{
    // Chinese and Portuguese are absent on purpose: their region decides.
    m_languages = {
        {"en", "enu"}, {"ja", "jpn"}, {"de", "deu"}, {"ko", "krn"}, {"fr", "fra"}, {"it", "ita"},
        {"es", "esn"}, {"ru", "rus"}, {"da", "dan"}, {"nb", "nor"}, {"nn", "nor"}, {"sv", "sve"},
        {"nl", "nld"}, {"pl", "plk"}, {"hu", "hun"}, {"tr", "trk"}, {"cs", "csy"}, {"no", "nor"},
    };
}

QString OrvaLocale::getDefaultLanguage() const
{
    return getLanguageByLocale(QLocale::system().name().toLower());
}

void OrvaLocale::setLanguageMap(QString language, QString code)
{
    m_languages.insert(language, code);
}

QString OrvaLocale::getLanguageByLocale(const QString &locale) const
{
    const QString language = locale.section(QLatin1Char('_'), 0, 0);
    if (language == QLatin1String("pt"))
        return getPortugueseLanguage(locale);
    if (language == QLatin1String("zh"))
        return getChineseLanguage(locale);
    return m_languages.value(language, m_defaultLanguage);
}

QString OrvaLocale::getChineseLanguage(const QString &locale)
{
    const bool traditional = locale == QLatin1String("zh_tw") || locale == QLatin1String("zh_hk")
                             || locale == QLatin1String("zh_mo");
    return traditional ? QStringLiteral("cht") : QStringLiteral("chs");
}

QString OrvaLocale::getPortugueseLanguage(const QString &locale)
{
    const bool portugal = locale == QLatin1String("pt") || locale == QLatin1String("pt_pt");
    return portugal ? QStringLiteral("ptg") : QStringLiteral("ptb");
}
