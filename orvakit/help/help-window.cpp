#include "help/help-window.h"

#include "help/html-text-browser.h"
#include "help/knowledge-base.h"
#include "services/dpi-info.h"

#include <QFile>
#include <QHash>
#include <QUrlQuery>

QString helpLanguage(const QString &lang)
{
    static const QHash<QString, QString> mapped{
        {"deu", "ger"}, {"esn", "spn"}, {"fra", "fre"}, {"dan", "enu"}, {"sve", "enu"}, {"hun", "enu"},
        {"trk", "enu"}, {"nor", "enu"}, {"ptg", "enu"}, {"ptb", "enu"}, {"tha", "enu"},
    };
    return mapped.value(lang, lang);
}

HelpWindow::HelpWindow(const HelpContext &context, QWidget *parent)
    : BrowserWindow(parent)
    , lang(helpLanguage(context.lang))
    , offlineFolder(context.offlineFolder)
    , link(context.link)
    , section(context.section)
    , version(context.version)
{
    resize(DPIinfo::getInstance().scaled(720), DPIinfo::getInstance().scaled(540));
    retrieveHelpContent();
}

QUrl HelpWindow::helpUrl(const HelpContext &context)
{
    QUrlQuery query;
    query.setQueryItems({
        {"action", "findHelpFile"},
        {"section", context.section},
        {"lang", helpLanguage(context.lang)},
        {"link", context.link},
        {"unique", "velmora_utility_help"},
        {"version", context.version},
    });
    QUrl url = knowledgeBaseAddress();
    url.setQuery(query);
    return url;
}

void HelpWindow::retrieveHelpContent()
{
    reload(helpUrl({lang, offlineFolder, link, section, version}));
}

void HelpWindow::fallbackOffline()
{
    offlinePath = offlineFolder + '/' + lang;
    textBrowser()->setSearchPaths({offlinePath});
    QFile page(offlinePath + '/' + link);
    if (page.open(QIODevice::ReadOnly))
        showContent(QString::fromUtf8(page.readAll()));
}
