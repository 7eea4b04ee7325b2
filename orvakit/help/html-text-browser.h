#pragma once

#include "orvakit_export.h"

#include <QMap>
#include <QString>
#include <QTextBrowser>

class ImageDownloader;

// Shows an HTML page that was fetched as text. When the page names its base
// address (<base href="...">), the pictures it shows are downloaded from that
// address into the user's private help picture folder, and the page is shown
// again as each one arrives.
//
// Links open in the system browser for http, https and mailto only; other
// schemes are refused. Links without a scheme are resolved against the base
// address, or, in a page without one (the offline help), followed inside the
// browser through its search paths.
class ORVAKIT_EXPORT HtmlTextBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HtmlTextBrowser(QWidget *parent = nullptr);
    ~HtmlTextBrowser() override;

    void setHtmlContent(const QString &html);

    // Addresses of the pictures still on their way.
    QStringList pendingDownloads() const;

    // Pictures larger than this are abandoned (ImageDownloader::defaultSizeLimit
    // unless set).
    void setImageSizeLimit(qint64 bytes);

public slots:
    // Shows the page again, with the pictures that have arrived since.
    void reload() override;

protected slots:
    void slotDownloadFinished(QString url, int res);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void startDownloads(const QString &html, int from, const QString &folder);
    void showPage(const QString &html);
    void openLink(const QUrl &link);

    QString baseUrl;
    QMap<QString, ImageDownloader *> downloads;
    // The page given to setHtmlContent, shown again by reload().
    QString pageText;
    // The folder this page's pictures are saved in; empty without downloads.
    QString pictureFolder;
    qint64 imageSizeLimit;
};
