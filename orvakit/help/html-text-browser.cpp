#include "help/html-text-browser.h"

#include "help/image-downloader.h"
#include "help/picture-folder.h"
#include "help/plain-file-name.h"
#include "services/debug-message.h"

#include <QDesktopServices>
#include <QFile>
#include <QScrollBar>
#include <QSet>

namespace {

const QString baseOpening = QStringLiteral("<base href=\"");
const QString sourceOpening = QStringLiteral("src=\"");

} // namespace

HtmlTextBrowser::HtmlTextBrowser(QWidget *parent)
    : QTextBrowser(parent)
    , imageSizeLimit(ImageDownloader::defaultSizeLimit)
{
    // Every link passes openLink(): Qt's own handling would open any scheme.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlTextBrowser::openLink);
    // A topic followed inside the browser is a local file: no base, no pictures.
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        pageText.clear();
        baseUrl.clear();
        pictureFolder.clear();
    });
}

HtmlTextBrowser::~HtmlTextBrowser()
{
    qDeleteAll(downloads);
}

void HtmlTextBrowser::setHtmlContent(const QString &html)
{
    pageText = html;
    baseUrl.clear();
    pictureFolder.clear();
    if (!Qt::mightBeRichText(html)) {
        setText(html);
        return;
    }
    const int base = html.indexOf(baseOpening);
    const int baseEnd = base < 0 ? -1 : html.indexOf('"', base + baseOpening.size());
    if (baseEnd < 0) {
        setText(html);
        return;
    }
    baseUrl = html.mid(base + baseOpening.size(), baseEnd - base - baseOpening.size());

    const QString folder = helpPictureFolder();
    if (!folder.isEmpty()) {
        pictureFolder = folder;
        QStringList paths = searchPaths();
        paths.removeAll(folder);
        paths.prepend(folder);
        setSearchPaths(paths);
        startDownloads(html, baseEnd + 1, folder);
    }
    setText(html);
}

void HtmlTextBrowser::startDownloads(const QString &html, int from, const QString &folder)
{
    QSet<QString> seen;
    for (int at = from;;) {
        const int image = html.indexOf("<img", at);
        const int source = image < 0 ? -1 : html.indexOf(sourceOpening, image + 4);
        const int sourceEnd = source < 0 ? -1 : html.indexOf('"', source + sourceOpening.size());
        if (sourceEnd < 0)
            return;
        at = sourceEnd + 1;
        const QString s = html.mid(source + sourceOpening.size(), sourceEnd - source - sourceOpening.size());
        if (seen.contains(s))
            continue;
        seen.insert(s);
        const QString url = baseUrl + s;
        if (downloads.contains(url))
            continue;
        const QString file = plainFileName(s);
        if (file.isEmpty()) {
            qCWarning(debugMessage) << "Picture not downloaded, its source names no plain file:" << s;
            continue;
        }
        auto *downloader = new ImageDownloader(url, folder + '/' + file, imageSizeLimit);
        connect(downloader, &ImageDownloader::sigDownloadFinish, this, &HtmlTextBrowser::slotDownloadFinished);
        downloads.insert(url, downloader);
    }
}

QStringList HtmlTextBrowser::pendingDownloads() const
{
    return downloads.keys();
}

void HtmlTextBrowser::setImageSizeLimit(qint64 bytes)
{
    imageSizeLimit = bytes;
}

void HtmlTextBrowser::slotDownloadFinished(QString url, int res)
{
    // A picture that did not come is shown as missing; nothing more to do.
    Q_UNUSED(res)
    if (ImageDownloader *downloader = downloads.take(url))
        downloader->deleteLater();
    reload();
}

void HtmlTextBrowser::reload()
{
    // A page given as text has no source for QTextBrowser to load again.
    if (pageText.isNull()) {
        QTextBrowser::reload();
        return;
    }
    const int horizontal = horizontalScrollBar()->value();
    const int vertical = verticalScrollBar()->value();
    setText(pageText);
    horizontalScrollBar()->setValue(horizontal);
    verticalScrollBar()->setValue(vertical);
}

QVariant HtmlTextBrowser::loadResource(int type, const QUrl &name)
{
    // A page from the network shows pictures from its own folder only: the
    // one its downloads were saved under, by the name they were saved as.
    if (type == QTextDocument::ImageResource && !baseUrl.isEmpty()) {
        const QString file = name.isRelative() ? plainFileName(name.toString()) : QString();
        QFile picture(pictureFolder + '/' + file);
        if (pictureFolder.isEmpty() || file.isEmpty() || !picture.open(QIODevice::ReadOnly))
            return QVariant();
        return picture.readAll();
    }
    return QTextBrowser::loadResource(type, name);
}

void HtmlTextBrowser::openLink(const QUrl &link)
{
    if (link.scheme().isEmpty() && link.authority().isEmpty() && link.path().isEmpty()) {
        scrollToAnchor(link.fragment());
        return;
    }
    const QUrl target = link.isRelative() && !baseUrl.isEmpty() ? QUrl(baseUrl).resolved(link) : link;
    if (target.isRelative()) {
        // The offline help's topics link each other by file name, and lie
        // side by side in one folder.
        const QString file = plainFileName(target.path());
        if (!file.isEmpty() && file == target.path())
            setSource(target);
        else
            qCWarning(debugMessage) << "Link refused, it leaves the help folder:" << target.toString();
        return;
    }
    const QString scheme = target.scheme();
    if (scheme == "http" || scheme == "https" || scheme == "mailto")
        QDesktopServices::openUrl(target);
    else
        qCWarning(debugMessage) << "Link refused, only http, https and mailto open outside:" << target.toString();
}
