#include "help/browser-window.h"

#include "help/html-text-browser.h"
#include "services/dpi-info.h"
#include "services/style-manager.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QVBoxLayout>

BrowserWindow::BrowserWindow(QWidget *parent)
    : QDialog(parent)
    , networkManager(new QNetworkAccessManager)
    , timer(new QTimer)
    , browser(new HtmlTextBrowser(this))
{
    connect(networkManager, &QNetworkAccessManager::finished, this, &BrowserWindow::slotReceiveReply);
    timer->setSingleShot(true);
    timer->setInterval(defaultQueryTimeout);
    connect(timer, &QTimer::timeout, this, &BrowserWindow::slotQueryTimeout);

    browser->setFrameShape(QFrame::NoFrame);
    browser->document()->setDocumentMargin(DPIinfo::getInstance().scaled(16));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(getStyleSheet("component.scrollbar", false));
}

BrowserWindow::~BrowserWindow()
{
    delete timer;
    // Its replies go with it; a reply finishing now no longer reaches us.
    networkManager->disconnect(this);
    delete networkManager;
}

void BrowserWindow::reload(const QUrl &address)
{
    url = address;
    query();
}

void BrowserWindow::reload()
{
    query();
}

void BrowserWindow::setQueryTimeout(int milliseconds)
{
    // setInterval restarts a running timer, so a load under way gets the new
    // limit counted from now.
    timer->setInterval(milliseconds);
}

int BrowserWindow::queryTimeout() const
{
    return timer->interval();
}

void BrowserWindow::showContent(const QString &html)
{
    browser->setHtmlContent(html);
    setWindowTitle(browser->documentTitle());
}

void BrowserWindow::query()
{
    timer->stop();
    timer->start();
    // Only the latest load may show its page or stop the timer: an older one
    // still running is given up.
    QPointer<QNetworkReply> older = currentReply;
    currentReply = networkManager->get(QNetworkRequest(url));
    connect(this, &BrowserWindow::sigAbortRequest, currentReply, &QNetworkReply::abort);
    if (older)
        older->abort();
}

void BrowserWindow::slotQueryTimeout()
{
    emit sigAbortRequest();
}

void BrowserWindow::slotReceiveReply(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != currentReply)
        return;
    currentReply = nullptr;
    timer->stop();
    if (reply->error() != QNetworkReply::NoError) {
        fallbackOffline();
        return;
    }
    showContent(QString::fromUtf8(reply->readAll()));
}

void BrowserWindow::fallbackOffline()
{
}
