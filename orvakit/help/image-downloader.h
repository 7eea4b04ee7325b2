#pragma once

#include "orvakit_export.h"

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches one picture into one file, on its own network manager. The file
// is written only when the whole picture has arrived, and a picture larger
// than the size limit is abandoned, so a hostile server cannot fill memory.
class ORVAKIT_EXPORT ImageDownloader : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 defaultSizeLimit = 20 * 1024 * 1024;

    // Starts the download at once.
    ImageDownloader(const QString &url, const QString &savePath, qint64 sizeLimit = defaultSizeLimit);
    ~ImageDownloader() override;

    bool isCompleted() const { return completed; }
    // 0 once the picture is saved, -1 otherwise.
    int getResult() const { return result; }

signals:
    void sigDownloadFinish(QString url, int res);

private slots:
    void slotFinishDownload(QNetworkReply *reply);

private:
    void abandon(QNetworkReply *reply);
    bool save(QNetworkReply *reply) const;

    QString savePath;
    QString url;
    QNetworkAccessManager *networkManager;
    bool completed = false;
    int result = -1;
    qint64 sizeLimit;
    bool tooLarge = false;
};
