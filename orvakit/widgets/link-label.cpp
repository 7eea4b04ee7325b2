#include "widgets/link-label.h"

#include <QApplication>
#include <QEvent>

LinkLabel::LinkLabel(const QString &text, QLabel *parent)
    : ClickableLabel(text, parent)
{
}

LinkLabel::~LinkLabel()
{
    endHover();
}

void LinkLabel::setHyperLink(const QString &link)
{
    hyperLink = link;
}

QString LinkLabel::getHyperLink() const
{
    return hyperLink;
}

void LinkLabel::setHoverUnderline(bool underline)
{
    hoverUnderline = underline;
}

void LinkLabel::enterEvent(QEvent *event)
{
    if (isEnabled())
        beginHover();
    ClickableLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    endHover();
    ClickableLabel::leaveEvent(event);
}

void LinkLabel::changeEvent(QEvent *event)
{
    // Disabled under the mouse: drop the hover look now, since a disabled
    // label must not keep the hand; enabled under the mouse: take it up.
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            endHover();
        else if (underMouse())
            beginHover();
    }
    ClickableLabel::changeEvent(event);
}

void LinkLabel::beginHover()
{
    if (cursorPushed)
        return;
    QApplication::setOverrideCursor(Qt::PointingHandCursor);
    cursorPushed = true;
    if (hoverUnderline) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }
}

void LinkLabel::endHover()
{
    if (!cursorPushed)
        return;
    QApplication::restoreOverrideCursor();
    cursorPushed = false;
    if (hoverUnderline) {
        QFont plain = font();
        plain.setUnderline(false);
        setFont(plain);
    }
}
