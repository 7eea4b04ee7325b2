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
    connect(reply, &QNetworkReply::downloadProgress, reply, [this, reply](qint64 received, qint64 total) {
        if (received > this->sizeLimit || total > this->sizeLimit) {
            qCWarning(debugMessage) << "Picture abandoned, larger than" << this->sizeLimit << "bytes:" << this->url;
            reply->abort();
        }
    });
}

ImageDownloader::~ImageDownloader() = default;

void ImageDownloader::slotFinishDownload(QNetworkReply *reply)
{
    reply->deleteLater();
    result = -1;
    if (reply->error() == QNetworkReply::NoError && save(reply))
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
