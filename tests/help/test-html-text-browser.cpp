#include <QtTest>

#include "debug-messages.h"
#include "test-main.h"

#include "help/html-text-browser.h"
#include "help/image-downloader.h"
#include "loopback-http-server.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QTextDocument>

#include <unistd.h>

namespace {

using Response = LoopbackHttpServer::Response;

// Downloads end when the server says so; the generous limit only keeps a
// broken build from hanging.
constexpr int settleLimit = 60000;

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

Response picture(const QByteArray &bytes)
{
    Response response;
    response.body = bytes;
    response.contentType = "image/png";
    return response;
}

QString pageWithPictures(const QString &base, const QStringList &sources)
{
    QString html = "<html><head><base href=\"" + base + "\"><title>Pictures</title></head><body><p>Top</p>";
    for (const QString &source : sources)
        html += "<img src=\"" + source + "\">";
    return html + "<p>Bottom</p></body></html>";
}

// Clicks the first occurrence of `text` in the browser, as the user does.
void click(HtmlTextBrowser &browser, const QString &text)
{
    QTextCursor found = browser.document()->find(text);
    found.setPosition(found.selectionStart() + 1);
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(found).center());
}

QStringList warningsNaming(const DebugMessages &messages, const QString &text)
{
    QStringList found;
    for (const QString &line : messages.warnings) {
        if (line.contains(text))
            found << line;
    }
    return found;
}

// Receives what QDesktopServices would hand to the system.
class LinkRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestHtmlTextBrowser : public QObject
{
    Q_OBJECT

    QTemporaryDir cache;
    LoopbackHttpServer *server = nullptr;

    QString pictureFolder() const { return cache.path() + "/velmora_help/image"; }
    QString base() const { return server->url("/kb/").toString(); }

private slots:
    void initTestCase()
    {
        QVERIFY(cache.isValid());
        // The browser keeps pictures in the user's cache folder.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    }

    void init()
    {
        // A link left by a test is removed itself, not what it points to.
        const QString help = cache.path() + "/velmora_help";
        if (QFileInfo(help).isSymLink())
            QVERIFY(QFile::remove(help));
        QVERIFY(QDir(help).removeRecursively());
        server = new LoopbackHttpServer;
        QVERIFY(server->listen());
    }

    void cleanup()
    {
        delete server;
        server = nullptr;
    }

    void pageWithoutBaseStartsNoDownloads_data()
    {
        QTest::addColumn<QString>("html");
        QTest::newRow("no base element") << "<html><body><p>Help</p><img src=\"a.png\"></body></html>";
        QTest::newRow("base without its closing quote")
            << "<html><body><p>Help</p><img src=a.png><base href=\"http://127.0.0.1/kb/></body></html>";
        QTest::newRow("plain text") << "Help: see picture a.png";
    }
    void pageWithoutBaseStartsNoDownloads()
    {
        QFETCH(QString, html);
        HtmlTextBrowser browser;
        browser.setHtmlContent(html);
        QVERIFY(browser.pendingDownloads().isEmpty());
        QVERIFY(browser.toPlainText().contains("Help"));
        QVERIFY(!QFileInfo::exists(pictureFolder()));
    }

    // The same picture twice is one request, for the base followed by the
    // source; it is saved by its file name, and the page shows it once it is in.
    void picturesAreFetchedOnceAndShown()
    {
        const QByteArray tall = png(40, 300);
        server->setResponse("/kb/img/a.png", picture(tall));
        HtmlTextBrowser browser;
        // Laid out as on screen, so that its height follows what it shows.
        browser.resize(400, 300);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        browser.setHtmlContent(pageWithPictures(base(), {"img/a.png", "img/a.png"}));
        QCOMPARE(browser.pendingDownloads(), QStringList{base() + "img/a.png"});
        QVERIFY(browser.document()->size().height() < 300);

        QTRY_VERIFY_WITH_TIMEOUT(browser.pendingDownloads().isEmpty(), settleLimit);
        QCOMPARE(server->requests(), QStringList{"/kb/img/a.png"});
        QFile saved(pictureFolder() + "/a.png");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), tall);
        QVERIFY(!QFileInfo::exists(pictureFolder() + "/img"));
        // The picture takes its height only once the page has been shown again.
        QVERIFY(browser.document()->size().height() >= 300);
        QVERIFY(browser.toPlainText().contains("Bottom"));
    }

    void failedPictureLeavesNoFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("not found") << "404";
        QTest::newRow("connection closed unanswered") << "close";
        QTest::newRow("connection refused") << "refused";
        QTest::newRow("announced larger than the limit") << "announced";
        QTest::newRow("sent larger than the limit") << "sent";
    }
    void failedPictureLeavesNoFile()
    {
        QFETCH(QString, failure);
        QString pageBase = base();
        Response response = picture(png(40, 40));
        HtmlTextBrowser browser;
        if (failure == "close") {
            response.behaviour = LoopbackHttpServer::Behaviour::Close;
        } else if (failure == "refused") {
            pageBase = LoopbackHttpServer::refusingUrl("/kb/").toString();
        } else if (failure == "announced") {
            // Only the announcement comes; the connection then stays open.
            response.announcedLength = 30 * 1024 * 1024;
        } else if (failure == "sent") {
            response.body = QByteArray(5000, 'x');
            browser.setImageSizeLimit(1000);
        }
        if (failure != "404")
            server->setResponse("/kb/a.png", response);

        browser.setHtmlContent(pageWithPictures(pageBase, {"a.png"}));
        QCOMPARE(browser.pendingDownloads().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(browser.pendingDownloads().isEmpty(), settleLimit);
        QVERIFY(!QFileInfo::exists(pictureFolder() + "/a.png"));
        QCOMPARE(QDir(pictureFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void downloaderReportsWhetherThePictureWasSaved_data()
    {
        QTest::addColumn<QString>("savePath");
        QTest::addColumn<int>("result");
        QTest::newRow("saved") << "a.png" << 0;
        QTest::newRow("folder missing") << "missing/a.png" << -1;
        QTest::newRow("a folder in the way") << "taken" << -1;
    }
    void downloaderReportsWhetherThePictureWasSaved()
    {
        QFETCH(QString, savePath);
        QFETCH(int, result);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("taken"));
        const QByteArray bytes = png(8, 8);
        server->setResponse("/a.png", picture(bytes));
        const QString url = server->url("/a.png").toString();

        ImageDownloader downloader(url, folder.filePath(savePath));
        QSignalSpy finished(&downloader, &ImageDownloader::sigDownloadFinish);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, settleLimit);
        QCOMPARE(finished.at(0).at(0).toString(), url);
        QCOMPARE(finished.at(0).at(1).toInt(), result);
        QCOMPARE(downloader.getResult(), result);
        QVERIFY(downloader.isCompleted());
        QFile saved(folder.filePath(savePath));
        QCOMPARE(saved.open(QIODevice::ReadOnly) && saved.readAll() == bytes, result == 0);
    }

    void sourceWithoutPlainFileNameIsNotFetched_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("empty name") << "img/";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "img/..";
        QTest::newRow("backslash") << "..\\..\\evil.png";
        QTest::newRow("drive colon") << "c:evil.png";
        QTest::newRow("question mark") << "evil.png?v=2";
        QTest::newRow("star") << "evil*.png";
        QTest::newRow("angle brackets") << "evil<1>.png";
        QTest::newRow("pipe") << "evil|1.png";
        QTest::newRow("control character") << "evil\t.png";
        QTest::newRow("Windows device") << "img/CON.png";
        QTest::newRow("trailing dot") << "evil.png.";
        QTest::newRow("trailing space") << "evil.png ";
        QTest::newRow("too long") << QString(256, 'e');
    }
    void sourceWithoutPlainFileNameIsNotFetched()
    {
        QFETCH(QString, source);
        server->setResponse("/kb/ok.png", picture(png(8, 8)));
        DebugMessages messages;
        HtmlTextBrowser browser;
        browser.setHtmlContent(pageWithPictures(base(), {source, "ok.png", source}));
        QCOMPARE(browser.pendingDownloads(), QStringList{base() + "ok.png"});
        QTRY_VERIFY_WITH_TIMEOUT(browser.pendingDownloads().isEmpty(), settleLimit);
        QCOMPARE(server->requests(), QStringList{"/kb/ok.png"});
        QCOMPARE(warningsNaming(messages, "Picture not downloaded").size(), 1);
        QCOMPARE(QDir(pictureFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"ok.png"});
    }

    // Under the user's cache folder, owner-only, also when it existed open.
    void pictureFolderIsPrivate_data()
    {
        QTest::addColumn<bool>("existedOpen");
        QTest::newRow("created") << false;
        QTest::newRow("existed open to all") << true;
    }
    void pictureFolderIsPrivate()
    {
        QFETCH(bool, existedOpen);
        const auto open = QFileDevice::Permissions(0x7777);
        if (existedOpen) {
            QVERIFY(QDir().mkpath(pictureFolder()));
            QVERIFY(QFile::setPermissions(cache.path() + "/velmora_help", open));
            QVERIFY(QFile::setPermissions(pictureFolder(), open));
        }
        server->setResponse("/kb/a.png", picture(png(8, 8)));
        HtmlTextBrowser browser;
        browser.setHtmlContent(pageWithPictures(base(), {"a.png"}));
        QTRY_VERIFY_WITH_TIMEOUT(browser.pendingDownloads().isEmpty(), settleLimit);
        QVERIFY(QFileInfo::exists(pictureFolder() + "/a.png"));
        QCOMPARE(browser.searchPaths().value(0), pictureFolder());
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        for (const QString &level : {cache.path() + "/velmora_help", pictureFolder()}) {
            const QFileInfo info(level);
            QVERIFY2(!(info.permissions() & others), qPrintable(level));
            QCOMPARE(info.ownerId(), ::geteuid());
        }
    }

    void pictureFolderPlantedByOthersIsRefused_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::newRow("image folder is a link") << "image link";
        QTest::newRow("help folder is a link") << "help link";
        QTest::newRow("image folder is a file") << "image file";
        QTest::newRow("image folder of another user") << "other owner";
    }
    void pictureFolderPlantedByOthersIsRefused()
    {
        QFETCH(QString, planted);
        QTemporaryDir elsewhere;
        const QString help = cache.path() + "/velmora_help";
        if (planted == "image link") {
            QVERIFY(QDir().mkpath(help));
            QVERIFY(QFile::link(elsewhere.path(), pictureFolder()));
        } else if (planted == "help link") {
            QVERIFY(QFile::link(elsewhere.path(), help));
        } else if (planted == "image file") {
            QVERIFY(QDir().mkpath(help));
            QFile file(pictureFolder());
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            if (::geteuid() != 0)
                QSKIP("Only root can give a folder to another user.");
            QVERIFY(QDir().mkpath(pictureFolder()));
            QCOMPARE(::chown(QFile::encodeName(pictureFolder()).constData(), 65534, 65534), 0);
        }
        server->setResponse("/kb/a.png", picture(png(8, 8)));
        DebugMessages messages;
        HtmlTextBrowser browser;
        browser.setHtmlContent(pageWithPictures(base(), {"a.png"}));
        QVERIFY(browser.pendingDownloads().isEmpty());
        QCOMPARE(warningsNaming(messages, "Help picture folder refused").size(), 1);
        QVERIFY(browser.toPlainText().contains("Bottom"));
        QVERIFY(!browser.searchPaths().contains(pictureFolder()));
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void linksOpenOutsideOnlyForWebAndMail_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("opened");
        QTest::newRow("http") << "http://example.com/help" << true;
        QTest::newRow("https") << "https://example.com/help" << true;
        QTest::newRow("mailto") << "mailto:support@example.com" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("smb") << "smb://fileserver/share/setup.exe" << false;
        QTest::newRow("ftp") << "ftp://example.com/file" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
        QTest::newRow("local program") << "ms-settings:network" << false;
    }
    void linksOpenOutsideOnlyForWebAndMail()
    {
        QFETCH(QString, link);
        QFETCH(bool, opened);
        LinkRecorder recorder;
        const QStringList schemes{"http", "https", "mailto", "file", "smb", "ftp", "javascript", "ms-settings"};
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &recorder, "open");
        DebugMessages messages;
        HtmlTextBrowser browser;
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        browser.setHtmlContent("<html><body><p><a href=\"" + link + "\">Open here</a></p></body></html>");
        click(browser, "Open here");
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);

        QCOMPARE(recorder.opened, opened ? QList<QUrl>{QUrl(link)} : QList<QUrl>{});
        QCOMPARE(warningsNaming(messages, "Link refused").size(), opened ? 0 : 1);
        // Nor is the link followed inside the browser.
        QCOMPARE(browser.toPlainText(), QString("Open here"));
    }

    // A page from the network resolves its links against its base; the
    // offline help follows its own topics, side by side in one folder.
    void relativeLinks_data()
    {
        QTest::addColumn<bool>("withBase");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("shown");
        QTest::newRow("online topic") << true << "topic.html" << "http://127.0.0.1/kb/topic.html" << "";
        QTest::newRow("offline topic") << false << "other.html" << "" << "Other topic";
        QTest::newRow("offline way out") << false << "../outside.html" << "" << "";
    }
    void relativeLinks()
    {
        QFETCH(bool, withBase);
        QFETCH(QString, link);
        QFETCH(QString, opened);
        QFETCH(QString, shown);
        QTemporaryDir help;
        QVERIFY(QDir(help.path()).mkdir("enu"));
        for (const QString &name : {QString("enu/other.html"), QString("outside.html")}) {
            QFile file(help.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name == "outside.html" ? "<p>Outside</p>" : "<p>Other topic</p>");
        }
        LinkRecorder recorder;
        QDesktopServices::setUrlHandler("http", &recorder, "open");
        HtmlTextBrowser browser;
        browser.setSearchPaths({help.filePath("enu")});
        const QString base = withBase ? "<base href=\"http://127.0.0.1/kb/\">" : "";
        browser.setHtmlContent("<html><head>" + base + "</head><body><p>Start</p></body></html>");
        emit browser.anchorClicked(QUrl(link));
        QDesktopServices::unsetUrlHandler("http");

        QCOMPARE(recorder.opened, opened.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(opened)});
        QCOMPARE(browser.toPlainText().trimmed(), shown.isEmpty() ? QString("Start") : shown);
    }
};

LODESTAR_TEST_MAIN(TestHtmlTextBrowser)
#include "test-html-text-browser.moc"
