#include "help-gallery.h"

#include "help/help-window.h"
#include "help/html-text-browser.h"
#include "help/knowledge-base.h"
#include "loopback-http-server.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

const QString topic = "connect-key.html";

QByteArray resourceFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The knowledge base's article: the offline topic as the web site would
// serve it, with its base address, a banner, and its picture in a folder of
// the site (the browser saves it by its file name alone).
void serveKnowledgeBase(LoopbackHttpServer &server, const QString &helpLang)
{
    const QString offline = QString(builtInOfflineHelpFolder) + '/' + helpLang + '/';
    QString article = QString::fromUtf8(resourceFile(offline + topic));
    article.replace("<head>", "<head>\n<base href=\"" + server.url("/kb/").toString() + "\">");
    article.replace("<body>", "<body>\n<p style=\"color:#008C70\"><b>Aerum Identity knowledge base</b> · "
                              + server.url("/").host() + "</p>");
    article.replace("src=\"connect-page.png\"", "src=\"images/connect-page.png\"");

    LoopbackHttpServer::Response page;
    page.body = article.toUtf8();
    server.setResponse("/cgi/knowledgebase/", page);
    LoopbackHttpServer::Response picture;
    picture.body = resourceFile(offline + "connect-page.png");
    picture.contentType = "image/png";
    server.setResponse("/kb/images/connect-page.png", picture);
}

} // namespace

QStringList helpWindowModes()
{
    return {"online", "offline"};
}

int runHelpWindow(const QString &mode, const QString &language, const QString &shotFile,
                  const std::function<bool(QWidget &, const QString &)> &capture)
{
    HelpContext context;
    context.lang = language == "de" ? "deu" : "enu";
    context.offlineFolder = builtInOfflineHelpFolder;
    context.link = topic;
    context.section = "ldap_sync";

    LoopbackHttpServer server;
    if (mode == "online") {
        if (!server.listen()) {
            std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
            return 1;
        }
        serveKnowledgeBase(server, helpLanguage(context.lang));
        setKnowledgeBaseAddress(server.url("/cgi/knowledgebase/"));
    } else {
        setKnowledgeBaseAddress(LoopbackHttpServer::refusingUrl("/cgi/knowledgebase/"));
    }

    HelpWindow window(context);
    window.show();
    int status = 0;
    QTimer ready;
    if (!shotFile.isEmpty()) {
        // The page is in, and so are its pictures.
        QObject::connect(&ready, &QTimer::timeout, &window, [&] {
            const HtmlTextBrowser *browser = window.textBrowser();
            if (browser->toPlainText().isEmpty() || !browser->pendingDownloads().isEmpty())
                return;
            ready.stop();
            status = capture(window, shotFile) ? 0 : 1;
            window.close();
        });
        ready.start(20);
    }
    QObject::connect(&window, &QDialog::finished, qApp, &QCoreApplication::quit);
    const int ret = qApp->exec();
    return status ? status : ret;
}
