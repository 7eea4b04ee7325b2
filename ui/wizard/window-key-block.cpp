#include "window-key-block.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

WindowKeyBlock::WindowKeyBlock(QObject *parent)
    : QObject(parent)
{
}

WindowKeyBlock::~WindowKeyBlock()
{
    stop();
}

void WindowKeyBlock::start(QWidget *window)
{
    if (!blocked)
        QCoreApplication::instance()->installEventFilter(this);
    blocked = window;
}

void WindowKeyBlock::stop()
{
    if (!blocked)
        return;
    QCoreApplication::instance()->removeEventFilter(this);
    blocked = nullptr;
}

bool WindowKeyBlock::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    // Other windows, such as a message box over the agent, keep their keys.
    if (!widget || !blocked || (widget != blocked && !blocked->isAncestorOf(widget)))
        return false;
    return static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape;
}
