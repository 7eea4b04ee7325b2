#include "widgets/orva-menu.h"

#include <QGuiApplication>
#include <QScreen>

OrvaMenu::OrvaMenu(QWidget *parent)
    : QMenu(parent)
{
}

void OrvaMenu::showEvent(QShowEvent *event)
{
    QMenu::showEvent(event);

    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    int x = pos().x();
    int y = pos().y();
    if (x < area.left())
        x = area.left();
    else if (x + width() > area.right())
        x = area.right() - width();
    if (y < area.top())
        y = area.top();
    else if (y + height() > area.bottom())
        y = area.bottom() - height();
    if (x != pos().x() || y != pos().y())
        move(x, y);
}
