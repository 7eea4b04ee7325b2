#include <QtTest>

#include "debug-messages.h"
#include "test-main.h"

#include "help/help-window.h"
#include "help/html-text-browser.h"
#include "help/knowledge-base.h"
#include "loopback-http-server.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrlQuery>

namespace {

using Behaviour = LoopbackHttpServer::Behaviour;
using Response = LoopbackHttpServer::Response;

const QString knowledgeBasePath = "/cgi/knowledgebase/";

// Requests end when the server or the time-out says so; the generous limit
// only keeps a broken build from hanging.
constexpr int settleLimit = 60000;
// Short, so that the tests that let it expire do not wait long; nothing
// depends on how fast the machine is within it.
constexpr int shortTimeout = 50;

Response page(const QByteArray &html)
{
    Response response;
    response.body = html;
    return response;
}

Response misbehaving(Behaviour behaviour)
{
    Response response;
    response.behaviour = behaviour;
    return response;
}

HelpContext context(const QString &lang, const QString &offlineFolder = QString(), const QString &link = "l.html")
{
    HelpContext help;
    help.lang = lang;
    help.offlineFolder = offlineFolder;
    help.link = link;
    help.section = "s";
    return help;
}

QString shownText(const HelpWindow &window)
{
    return window.textBrowser()->toPlainText().trimmed();
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir offline;
    LoopbackHttpServer *server = nullptr;

    void writeOffline(const QString &name, const QByteArray &html)
    {
        QVERIFY(QDir(offline.path()).mkpath(QFileInfo(name).path()));
        QFile file(offline.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(html);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(offline.filePath("cache")));
        writeOffline("enu/l.html", "<html><body><p>English offline</p></body></html>");
        writeOffline("ger/l.html", "<html><body><p>Deutsch offline</p></body></html>");
    }

    void init()
    {
        server = new LoopbackHttpServer;
        QVERIFY(server->listen());
        setKnowledgeBaseAddress(server->url(knowledgeBasePath));
    }

    void cleanup()
    {
        setKnowledgeBaseAddress(QUrl());
        qunsetenv("ORVAKIT_KNOWLEDGE_BASE");
        delete server;
        server = nullptr;
    }

    void queryCarriesItemsInOrder_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("asked");
        QTest::newRow("German") << "deu"
                                << "ger";
        QTest::newRow("Spanish") << "esn"
                                 << "spn";
        QTest::newRow("French") << "fra"
                                << "fre";
        QTest::newRow("Hungarian reads English") << "hun"
                                                 << "enu";
        QTest::newRow("Thai reads English") << "tha"
                                            << "enu";
        QTest::newRow("Brazilian Portuguese reads English") << "ptb"
                                                            << "enu";
        QTest::newRow("English") << "enu"
                                 << "enu";
        QTest::newRow("Japanese as it is") << "jpn"
                                           << "jpn";
    }
    void queryCarriesItemsInOrder()
    {
        QFETCH(QString, lang);
        QFETCH(QString, asked);
        HelpWindow window(context(lang, offline.path()));
        QTRY_COMPARE_WITH_TIMEOUT(server->requests().size(), 1, settleLimit);
        const QUrl request("http://host" + server->requests().constFirst());
        QCOMPARE(request.path(), knowledgeBasePath);
        const QList<QPair<QString, QString>> expected{
            {"action", "findHelpFile"}, {"section", "s"},
            {"lang", asked},           {"link", "l.html"},
            {"unique", "velmora_utility_help"}, {"version", "1.0"},
        };
        QCOMPARE(QUrlQuery(request).queryItems(), expected);
    }

    // The page is UTF-8 whatever the server says; its title names the window.
    void onlinePageIsShown()
    {
        server->setResponse(knowledgeBasePath, page("<html><head><title>Grüße</title></head>"
                                                    "<body><p>Schlüssel einfügen</p></body></html>"));
        HelpWindow window(context("deu", offline.path()));
        QTRY_COMPARE_WITH_TIMEOUT(shownText(window), QString("Schlüssel einfügen"), settleLimit);
        QCOMPARE(window.windowTitle(), QString("Grüße"));
    }

    void fallsBackOffline_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("aborts");
        QTest::newRow("no answer in time") << "stall"
                                           << "enu"
                                           << "English offline" << 1;
        QTest::newRow("not found") << "404"
                                   << "enu"
                                   << "English offline" << 0;
        QTest::newRow("connection closed") << "close"
                                           << "deu"
                                           << "Deutsch offline" << 0;
        QTest::newRow("connection refused") << "refused"
                                            << "enu"
                                            << "English offline" << 0;
        QTest::newRow("Hungarian reads the English folder") << "404"
                                                            << "hun"
                                                            << "English offline" << 0;
    }
    void fallsBackOffline()
    {
        QFETCH(QString, failure);
        QFETCH(QString, lang);
        QFETCH(QString, shown);
        QFETCH(int, aborts);
        if (failure == "stall")
            server->setResponse(knowledgeBasePath, misbehaving(Behaviour::Stall));
        else if (failure == "close")
            server->setResponse(knowledgeBasePath, misbehaving(Behaviour::Close));
        else if (failure == "refused")
            setKnowledgeBaseAddress(LoopbackHttpServer::refusingUrl(knowledgeBasePath));

        HelpWindow window(context(lang, offline.path()));
        window.setQueryTimeout(failure == "stall" ? shortTimeout : BrowserWindow::defaultQueryTimeout);
        QSignalSpy abortRequest(&window, &BrowserWindow::sigAbortRequest);
        QTRY_COMPARE_WITH_TIMEOUT(shownText(window), shown, settleLimit);
        QCOMPARE(abortRequest.count(), aborts);
        QCOMPARE(window.textBrowser()->searchPaths(), QStringList{offline.filePath(lang == "deu" ? "ger" : "enu")});
    }

    void missingOfflineFileLeavesWindowEmpty()
    {
        HelpWindow window(context("enu", offline.path(), "missing.html"));
        // The offline folder becomes the browser's search path once the
        // fallback has run.
        QTRY_COMPARE_WITH_TIMEOUT(window.textBrowser()->searchPaths(), QStringList{offline.filePath("enu")},
                                  settleLimit);
        QCOMPARE(shownText(window), QString());
    }

    void timeOutIsTenSecondsUnlessSet()
    {
        HelpWindow window(context("enu", offline.path()));
        QCOMPARE(window.queryTimeout(), 10000);
        window.setQueryTimeout(shortTimeout);
        QCOMPARE(window.queryTimeout(), shortTimeout);
    }

    // Each load asks again and runs under a limit of its own.
    void reloadAfterTimeOutAsksAgain()
    {
        server->setResponse(knowledgeBasePath, misbehaving(Behaviour::Stall));
        HelpWindow window(context("enu", offline.path()));
        window.setQueryTimeout(shortTimeout);
        QSignalSpy abortRequest(&window, &BrowserWindow::sigAbortRequest);
        QTRY_COMPARE_WITH_TIMEOUT(shownText(window), QString("English offline"), settleLimit);
        QCOMPARE(abortRequest.count(), 1);

        window.textBrowser()->clear();
        window.reload();
        QTRY_COMPARE_WITH_TIMEOUT(shownText(window), QString("English offline"), settleLimit);
        QCOMPARE(abortRequest.count(), 2);
        QCOMPARE(server->requestCount(knowledgeBasePath), 2);

        server->setResponse(knowledgeBasePath, page("<html><body><p>Online again</p></body></html>"));
        window.reload();
        QTRY_COMPARE_WITH_TIMEOUT(shownText(window), QString("Online again"), settleLimit);
        QCOMPARE(abortRequest.count(), 2);
        QCOMPARE(server->requestCount(knowledgeBasePath), 3);
        QCOMPARE(server->requests().constFirst(), server->requests().constLast());
    }

    // A load that is still running when the next one starts is given up: its
    // page must not replace the newer one's, nor its end stop the newer one's limit.
    void newerLoadReplacesOlder()
    {
        server->setResponse(knowledgeBasePath, page("<html><body><p>Older page</p></body></html>"));
        server->setResponse("/stalled", misbehaving(Behaviour::Stall));
        HelpWindow window(context("enu", offline.path()));
        window.setQueryTimeout(shortTimeout);
        QSignalSpy abortRequest(&window, &BrowserWindow::sigAbortRequest);
        window.reload(server->url("/stalled"));
        QTRY_COMPARE_WITH_TIMEOUT(shownText(window), QString("English offline"), settleLimit);
        QCOMPARE(abortRequest.count(), 1);
    }

    void knowledgeBaseAddress_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("used");
        QTest::addColumn<int>("warnings");
        QTest::newRow("default") << "" << "" << defaultKnowledgeBaseAddress << 0;
        QTest::newRow("mirror from the environment")
            << "" << "https://kb.example.internal/cgi/knowledgebase/"
            << "https://kb.example.internal/cgi/knowledgebase/" << 0;
        QTest::newRow("environment not a web address")
            << "" << "file:///srv/help/" << defaultKnowledgeBaseAddress << 1;
        QTest::newRow("program before environment")
            << "http://127.0.0.1:8080/kb/" << "https://kb.example.internal/cgi/knowledgebase/"
            << "http://127.0.0.1:8080/kb/" << 0;
    }
    void knowledgeBaseAddress()
    {
        QFETCH(QString, program);
        QFETCH(QString, environment);
        QFETCH(QString, used);
        QFETCH(int, warnings);
        setKnowledgeBaseAddress(QUrl(program));
        if (!environment.isEmpty())
            qputenv("ORVAKIT_KNOWLEDGE_BASE", environment.toUtf8());
        DebugMessages messages;
        QCOMPARE(::knowledgeBaseAddress(), QUrl(used));
        QCOMPARE(messages.warnings.size(), warnings);
    }

    void defaultKnowledgeBaseIsSecure()
    {
        const QUrl address(defaultKnowledgeBaseAddress);
        QCOMPARE(address.scheme(), QString("https"));
        QCOMPARE(address.path(), knowledgeBasePath);
        QVERIFY(!address.host().isEmpty());
    }

    // The library's own offline help: every language has the same topics,
    // and each topic's pictures are there.
    void builtInOfflineHelpIsComplete()
    {
        const QDir english(QString(builtInOfflineHelpFolder) + "/enu");
        const QDir german(QString(builtInOfflineHelpFolder) + "/ger");
        const QStringList topics = english.entryList({"*.html"});
        QVERIFY(!topics.isEmpty());
        QCOMPARE(german.entryList({"*.html"}), topics);
        int pictures = 0;
        for (const QDir &folder : {english, german}) {
            for (const QString &topic : topics) {
                QFile file(folder.filePath(topic));
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString html = QString::fromUtf8(file.readAll());
                QRegularExpressionMatchIterator sources = QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html);
                while (sources.hasNext()) {
                    const QString picture = folder.filePath(sources.next().captured(1));
                    QVERIFY2(!QImage(picture).isNull(), qPrintable(picture));
                    ++pictures;
                }
            }
        }
        QVERIFY(pictures >= 2);
    }

    void builtInOfflineHelpIsShown_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("linkedTitle");
        QTest::newRow("English") << "enu"
                                 << "Connecting this server to Aerum Identity"
                                 << "LDAP connection settings";
        QTest::newRow("German") << "deu"
                                << "Diesen Server mit Aerum Identity verbinden"
                                << "LDAP-Verbindungseinstellungen";
    }
    void builtInOfflineHelpIsShown()
    {
        QFETCH(QString, lang);
        QFETCH(QString, title);
        QFETCH(QString, linkedTitle);
        setKnowledgeBaseAddress(LoopbackHttpServer::refusingUrl(knowledgeBasePath));
        HelpWindow window(context(lang, builtInOfflineHelpFolder, "connect-key.html"));
        QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), title, settleLimit);
        const QPixmap picture =
            window.textBrowser()->document()->resource(QTextDocument::ImageResource, QUrl("connect-page.png")).value<QPixmap>();
        QVERIFY(!picture.isNull());
        // The topics link each other by file name.
        emit window.textBrowser()->anchorClicked(QUrl("ldap-settings.html"));
        QCOMPARE(window.textBrowser()->documentTitle(), linkedTitle);
    }
};

LODESTAR_TEST_MAIN(TestHelpWindow)
#include "test-help-window.moc"
