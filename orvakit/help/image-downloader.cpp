#include "help/image-downloader.h"

#include "services/debug-message.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>

ImageDownloader::ImageDownloader(const QString &url, const QString &savePath, qint64 sizeLimit)
    : savePath(savePath)
    , url(url)
    // A child, so that it and its replies go with the downloader.
    , networkManager(new QNetworkAccessManager(this))
    , sizeLimit(sizeLimit)
{
    connect(networkManager, &QNetworkAccessManager::finished, this, &ImageDownloader::slotFinishDownload);
    QNetworkReply *reply = networkManager->get(QNetworkRequest(QUrl(url)));
    // The announced size is checked as soon as the headers are in, the
    // received size as the body arrives.
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && announced.toLongLong() > this->sizeLimit)
            abandon(reply);
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (received > this->sizeLimit)
            abandon(reply);
    });
}

void ImageDownloader::abandon(QNetworkReply *reply)
{
    if (tooLarge)
        return;
    tooLarge = true;
    qCWarning(debugMessage) << "Picture abandoned, larger than" << sizeLimit << "bytes:" << url;
    // A reply that has already finished ignores this; tooLarge still keeps
    // its body out of the file.
    reply->abort();
}

ImageDownloader::~ImageDownloader() = default;

void ImageDownloader::slotFinishDownload(QNetworkReply *reply)
{
    reply->deleteLater();
    result = -1;
    if (reply->error() == QNetworkReply::NoError && !tooLarge && save(reply))
        result = 0;
    completed = true;
    emit sigDownloadFinish(url, result);
}

bool ImageDownloader::save(QNetworkReply *reply) const
{
    // Written beside the target and renamed over it: a reader never sees half
    // a picture, and a failed write leaves no file behind.
    QSaveFile file(savePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(reply->readAll()) < 0 || !file.commit()) {
        qCWarning(debugMessage) << "Cannot save the picture" << url << "to" << savePath << file.errorString();
        return false;
    }
    return true;
}
