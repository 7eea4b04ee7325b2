#pragma once

#include "orvakit_export.h"

#include <QDialog>
#include <QPointer>
#include <QUrl>

class HtmlTextBrowser;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// An application-modal window that downloads one HTML page and shows it,
// giving up after a time-out (10 seconds unless set otherwise).
class ORVAKIT_EXPORT BrowserWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int defaultQueryTimeout = 10000;

    explicit BrowserWindow(QWidget *parent = nullptr);
    ~BrowserWindow() override;

    // Loads `url`, or the current address again.
    void reload(const QUrl &url);
    void reload();

    // The time-out of later loads, in milliseconds; a load under way is
    // given the new limit from now.
    void setQueryTimeout(int milliseconds);
    int queryTimeout() const;

    HtmlTextBrowser *textBrowser() const { return browser; }

signals:
    // The time-out expired: every request still running is aborted.
    void sigAbortRequest();

protected:
    // Shows the page and takes the window title from it.
    void showContent(const QString &html);

private slots:
    void slotReceiveReply(QNetworkReply *reply);
    void slotQueryTimeout();

private:
    // What to show when the page could not be fetched; nothing here.
    virtual void fallbackOffline();

    void query();

    QUrl url;
    QPointer<QNetworkReply> currentReply;
    QNetworkAccessManager *networkManager;
    QTimer *timer;
    HtmlTextBrowser *browser;
};
