#include "aerum-loading-frame.h"

#include "page-parts.h"
#include "window-key-block.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>

#include "services/dpi-info.h"

AerumLoadingFrame::AerumLoadingFrame(QWidget *parent)
    : QFrame(parent)
    , iconLabel(new QLabel)
    , textLabel(new QLabel)
    , keyBlock(new WindowKeyBlock(this))
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(dpi.scaled(16));
    layout->addWidget(iconLabel);
    layout->addSpacing(dpi.scaled(10));
    layout->addWidget(textLabel);
    layout->addStretch(1);

    setObjectName(QStringLiteral("AerumLoadingFrame"));
    setStyleSheet(dpi.getScaledStyleSheet(
        QStringLiteral("QFrame#AerumLoadingFrame { background-color: white; border-radius: 8px;}")));

    PageParts::addCardShadow(this, 12);

    setMaximumSize(dpi.scaled(480), dpi.scaled(40));
    setLayout(layout);
}

void AerumLoadingFrame::setText(const QString &text)
{
    textLabel->setText(text);
}

void AerumLoadingFrame::setIcon(const QPixmap &pixmap)
{
    iconLabel->setPixmap(pixmap);
}

void AerumLoadingFrame::runCard()
{
    setFixedWidth(int(DPIinfo::getInstance().getDPI() * (textLabel->sizeHint().width() + 58)));
    show();
    keyBlock->start(window());
    // A finished loop is replaced, so repeated waits do not pile up loop objects.
    if (eventLoop && !eventLoop->isRunning())
        delete eventLoop;
    eventLoop = new QEventLoop(this);
    eventLoop->exec();
}

void AerumLoadingFrame::stopCard()
{
    if (eventLoop)
        eventLoop->exit(0);
    keyBlock->stop();
    hide();
}
