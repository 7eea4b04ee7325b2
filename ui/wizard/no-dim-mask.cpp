#include "no-dim-mask.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPointer>

class NoDimMaskPrivate : public QObject
{
public:
    explicit NoDimMaskPrivate(NoDimMask *owner)
        : QObject(owner)
        , q(owner)
    {
    }

    QColor color{0, 0, 0, 20};
    NoDimMask *q;
    // Guarded: the content's owner may destroy it at any time.
    QPointer<QWidget> content;
};

QWidget *NoDimMask::createMask(QWidget *content, QWidget *parent, QColor color)
{
    if (!content)
        return nullptr;
    if (!parent)
        parent = content->parentWidget();
    if (!parent)
        return nullptr;
    new NoDimMask(content, parent, color);
    return content;
}

NoDimMask::NoDimMask(QWidget *content, QWidget *parent, const QColor &color)
    : QFrame(parent)
    , d(new NoDimMaskPrivate(this))
{
    d->color = color;
    auto *layout = new QHBoxLayout(this);

    QPalette fill = palette();
    fill.setBrush(QPalette::All, QPalette::Window, QBrush(color));
    setPalette(fill);
    setAutoFillBackground(true);

    layout->addWidget(content);
    d->content = content;
    fitToWindow();
    content->installEventFilter(this);
    connect(content, &QObject::destroyed, this, &QObject::deleteLater);

    parent->installEventFilter(new ParentResizeFilter(this, parent));
}

NoDimMask::~NoDimMask()
{
    // The content may be among our own children, which die after this: their
    // destruction must not schedule a second deletion of this mask.
    if (d->content)
        disconnect(d->content, &QObject::destroyed, this, &QObject::deleteLater);
}

void NoDimMask::fitToWindow()
{
    setFixedSize(window()->size());
}

bool NoDimMask::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->content) {
        if (event->type() == QEvent::ShowToParent)
            show();
        else if (event->type() == QEvent::HideToParent)
            hide();
    }
    return false;
}

ParentResizeFilter::ParentResizeFilter(NoDimMask *mask, QWidget *parent)
    : QObject(mask)
    , mask(mask)
    , parent(parent)
{
}

bool ParentResizeFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent && event->type() == QEvent::Resize)
        mask->fitToWindow();
    return false;
}
