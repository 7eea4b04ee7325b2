#include "sheets/mask.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPointer>

class OrvaMaskPrivate : public QObject
{
public:
    explicit OrvaMaskPrivate(OrvaMask *mask)
        : QObject(mask)
    {
    }

    // Guarded: the widget may be destroyed by its owner at any time.
    QPointer<QWidget> widget;
};

// Keeps the mask as large as its window whenever the covered widget resizes.
class ParentEventFilterWidget : public QObject
{
public:
    ParentEventFilterWidget(OrvaMask *mask, QWidget *parent)
        : QObject(mask)
        , mask(mask)
        , parent(parent)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent && event->type() == QEvent::Resize)
            mask->resize();
        return false;
    }

private:
    OrvaMask *mask;
    QWidget *parent;
};

QWidget *OrvaMask::createMask(QWidget *widget, QWidget *parent, QColor color)
{
    if (!widget)
        return nullptr;
    if (!parent)
        parent = widget->parentWidget();
    if (!parent)
        return nullptr;
    new OrvaMask(widget, parent, color);
    return widget;
}

OrvaMask::OrvaMask(QWidget *widget, QWidget *parent, const QColor &color)
    : QFrame(parent)
    , d(new OrvaMaskPrivate(this))
{
    auto *layout = new QHBoxLayout(this);

    QPalette tinted = palette();
    tinted.setBrush(QPalette::All, QPalette::Window, QBrush(color));
    setPalette(tinted);
    setAutoFillBackground(true);

    layout->addWidget(widget, 0);
    d->widget = widget;

    setFixedSize(window()->size());

    widget->installEventFilter(this);
    // A mask whose foreground widget is gone can never be shown again; it
    // goes too, so that one mask per message does not pile up on a window.
    connect(widget, &QObject::destroyed, this, &QObject::deleteLater);

    parent->installEventFilter(new ParentEventFilterWidget(this, parent));
}

OrvaMask::~OrvaMask()
{
    // Our own children die after this: their destruction must not schedule
    // a second deletion of this mask.
    if (d->widget)
        disconnect(d->widget, &QObject::destroyed, this, &QObject::deleteLater);
}

void OrvaMask::resize()
{
    setFixedSize(window()->size());
}

bool OrvaMask::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->widget) {
        if (event->type() == QEvent::ShowToParent)
            show();
        else if (event->type() == QEvent::HideToParent)
            hide();
    }
    return false;
}
