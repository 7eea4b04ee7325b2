#include "ui-environment.h"

#include "file-logger.h"
#include "ui-strings.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include "services/component-strings.h"
#include "services/image-manager.h"
#include "services/orva-locale.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"

namespace {

constexpr int kFontPointSize = 9;

// The agent's translation files use these codes for German, French and
// Spanish, and it ships Thai, which the library does not know.
void amendLanguageMap()
{
    OrvaLocale &locale = OrvaLocale::getInstance();
    locale.setLanguageMap("de", "ger");
    locale.setLanguageMap("fr", "fre");
    locale.setLanguageMap("es", "spn");
    locale.setLanguageMap("th", "tha");
}

QString fontFamilyFor(const QString &language)
{
    if (language == "cht")
        return QStringLiteral("Microsoft JhengHei");
    if (language == "chs")
        return QStringLiteral("Microsoft YaHei");
    if (language == "jpn")
        return QStringLiteral("Meiryo");
    if (language == "krn")
        return QStringLiteral("Malgun Gothic");
    return QStringLiteral("Arial");
}

} // namespace

std::unique_ptr<QTranslator> prepareUiEnvironment()
{
    // Images first: the style sheets name the image folders.
    ImageManager::getInstance().initialize(ImageManager::Eager);
    const QString resources = UIPathManager::getInstance().getPath("resource_path");
    StyleManager::getInstance().initialize({resources + "/agent.stylesheet", resources + "/component.business.stylesheet"});

    amendLanguageMap();
    std::unique_ptr<QTranslator> translator = installUiLanguage(OrvaLocale::getInstance().getDefaultLanguage());
    installUiStrings();
    return translator;
}

std::unique_ptr<QTranslator> installUiLanguage(const QString &language)
{
    const QString translation = ":/" + language + ".qm";
    auto translator = std::make_unique<QTranslator>();
    // Without a usable translation every text stays English.
    const bool translated = translator->load(translation) && !translator->isEmpty()
        && QCoreApplication::installTranslator(translator.get());

    const QFont font(fontFamilyFor(language), kFontPointSize);
    QApplication::setFont(font);

    LOG_INFO("UI language %s, translation %s %s, font %s %d pt", qUtf8Printable(language), qUtf8Printable(translation),
             translated ? "installed" : "not available", qUtf8Printable(font.family()), font.pointSize());
    return translator;
}

void completeUiEnvironment()
{
    ComponentStrings::getInstance().installStrings({{"ok", uiString(UiText::BtnOk)}});

    const QPixmap icon = getGlobalImage("app_img", ImageManager::Normal);
    QApplication::setWindowIcon(QIcon(icon));

    LOG_INFO("UI caption ok \"%s\", window icon %s", qUtf8Printable(uiString(UiText::BtnOk)),
             icon.isNull() ? "missing" : "set");
}
