#include "wizard/no-dim-mask.h"

#include <QEvent>
#include <QHBoxLayout>

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
    QWidget *content = nullptr;
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

    parent->installEventFilter(new ParentResizeFilter(this, parent));
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
